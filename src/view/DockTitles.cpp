#include "view/DockTitles.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace dock_titles {
namespace {

std::string_view Field(const char* text, std::size_t size) { return {text, ::strnlen(text, size)}; }
#define ORV_FIELD(contract, name) Field((contract).name, sizeof((contract).name))

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) {
    if (!out.empty()) out += '-';
    out += part;
  }
  return out;
}

std::string_view Prefix(ViewVariant variant) {
  return variant == ViewVariant::Pending ? "Pending Orders" : "GTD Order Book";
}

bool Has(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::string TitleFor(ViewVariant variant, const ScriptDesc* contract, bool spread) {
  const std::string prefix(Prefix(variant));
  const std::string allScrips = prefix + " Of All Scrips All Orders";
  if (!contract) return spread ? "Spread/Multi Leg " + allScrips : allScrips;
  const ScriptDesc& c = *contract;
  const std::string_view segment = ORV_FIELD(c, Mkt_Seg);
  const std::string_view exchange = ORV_FIELD(c, cExchangeName);
  const std::string_view symbol = ORV_FIELD(c, Symbol_ScriptID);
  const std::string_view expiry = ORV_FIELD(c, cExpiry);
  if (segment == "E" || segment == "OFS") return prefix + "(" + Joined({exchange, symbol, ORV_FIELD(c, cSeries)}) + ") All Orders";
  if (segment == "F") {
    // The spread futures title reads the same in both books.
    if (spread)
      return "Spread/Multi Leg Pending Order(" + Joined({exchange, symbol, ORV_FIELD(c, Inst_Name), expiry}) + ") All Orders";
    return prefix + "(" + Joined({exchange, symbol, expiry}) + ")All Orders";
  }
  if (segment == "O")
    return prefix + "(" + Joined({exchange, symbol, expiry, ORV_FIELD(c, cStrike), ORV_FIELD(c, cOptionType)}) +
           ")All Orders";
  return spread ? "Spread/Multi Leg " + allScrips : allScrips;
}

std::string FilterTextFor(ViewVariant variant, std::int32_t token, const ScriptDesc* contract) {
  if (!contract) return {};
  const std::int32_t segment = token / 100000000;
  if (segment < 0 || segment > 20) return {};
  const ScriptDesc& c = *contract;
  const std::string_view inst = ORV_FIELD(c, Inst_Name);
  const std::string_view symbol = ORV_FIELD(c, Symbol_ScriptID);
  const std::string_view expiry = ORV_FIELD(c, cExpiry);
  const auto future = [&](std::string_view label) {
    return std::string(label) + " - " + Joined({symbol, inst, expiry});
  };
  const auto option = [&](std::string_view label) {
    return std::string(label) + " - " + Joined({symbol, inst, expiry, ORV_FIELD(c, cStrike), ORV_FIELD(c, cOptionType)});
  };
  const auto plain = [&](std::string_view label) { return std::string(label) + " - " + Joined({symbol, inst}); };

  if (segment == 12) {
    const std::string_view fo = variant == ViewVariant::Pending ? "MSEI FO" : "MCX_SX FO";
    if (Has(inst, "FUTSTK")) return future(fo);
    if (Has(inst, "OPTSTK")) return option(fo);
    return plain(variant == ViewVariant::Pending ? "MSEI EQ" : "MCX_SX EQ");
  }
  static constexpr std::array<std::string_view, 21> kLabels{
      "KZTQ", "NSE", "BSE", "MCX", "NCDEX", "NSECUR", "DGCX", "MSEI", "USE", "", "",
      "",     "",    "BSECUR", "BINX", "", "NINX", "", "", "NSECOM", "BSECOM"};
  std::string_view label = kLabels[static_cast<std::size_t>(segment)];
  if (segment == 11) label = ORV_FIELD(c, cExchangeName);
  if (label.empty() && segment != 11) return {};
  if (Has(inst, "FUT")) return future(label);
  if (Has(inst, "OPT")) return option(label);
  switch (segment) {
    case 0:
    case 3:
      if (Has(inst, "AUC")) return future(label);
      if (Has(inst, "COM")) return plain(label);
      return {};
    case 1:
    case 2:
      return plain(Has(inst, "OFS") ? "OFS" : label);
    default:
      return plain(label);
  }
}

#undef ORV_FIELD

}  // namespace dock_titles
