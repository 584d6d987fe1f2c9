#include "filterbar/EditCandidates.h"

#include "view/ColumnCatalogue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <unordered_set>

namespace filterbar {

namespace {

template <std::size_t N>
std::string_view Field(const char (&field)[N]) {
  return std::string_view(field, ::strnlen(field, N));
}

// ASCII letters folded to lower case by table: this runs once per order and character, and the
// C library's tolower goes through the locale for each call.
constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return table;
}();

unsigned char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }

bool LessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

struct HashNoCase {
  std::size_t operator()(std::string_view text) const {
    std::size_t h = 1469598103934665603ULL;
    for (char c : text) h = (h ^ Fold(c)) * 1099511628211ULL;
    return h;
  }
};
struct EqualNoCase {
  bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};

std::string_view ContractSegment(const OrderBookDetails& o) {
  return o.pContract ? Field(o.pContract->Mkt_Seg) : std::string_view();
}

const ScriptDesc& NoContract() {
  static const ScriptDesc empty;
  return empty;
}
const ScriptDesc& ContractOf(const OrderBookDetails& o) { return o.pContract ? *o.pContract : NoContract(); }

bool HasContract(const OrderBookDetails& o) { return o.pContract != nullptr; }
bool DatedContract(const OrderBookDetails& o) { return o.pContract && !EqualsNoCase(ContractSegment(o), "E"); }
bool OptionContract(const OrderBookDetails& o) { return o.pContract && EqualsNoCase(ContractSegment(o), "O"); }
bool Any(const OrderBookDetails&) { return true; }

const std::array<EditFieldSpec, 9> kSpecs{{
    {EditField::Symbol, COL_Symbol_ScriptID, (sizeof(ScriptDesc::Symbol_ScriptID) - 1),
     [](const OrderBookDetails& o) { return Field(ContractOf(o).Symbol_ScriptID); }, &HasContract, false},
    // The expiry cell shows the series of undated contracts; both fit the expiry's length.
    {EditField::Expiry, COL_Ser_Exp_Group, std::max((sizeof(ScriptDesc::cExpiry) - 1), (sizeof(ScriptDesc::cSeries) - 1)),
     [](const OrderBookDetails& o) { return Field(ContractOf(o).cExpiry); }, &DatedContract, false},
    {EditField::Strike, COL_Strike, (sizeof(ScriptDesc::cStrike) - 1),
     [](const OrderBookDetails& o) { return Field(ContractOf(o).cStrike); }, &OptionContract, false},
    {EditField::OptType, COL_Option_Type, (sizeof(ScriptDesc::cOptionType) - 1),
     [](const OrderBookDetails& o) { return Field(ContractOf(o).cOptionType); }, &OptionContract, false},
    {EditField::User, COL_OrvelClientId, (sizeof(OrderBookDetails::OrvelClientId) - 1),
     [](const OrderBookDetails& o) { return Field(o.OrvelClientId); },
     [](const OrderBookDetails& o) { return o.OrvelClientId[0] != '\0'; }, false},
    {EditField::ClientCode, COL_Client, (sizeof(OrderBookDetails::Client) - 1),
     [](const OrderBookDetails& o) { return Field(o.Client); },
     [](const OrderBookDetails& o) { return !EqualsNoCase(Field(o.Pro_Client), "PRO"); }, false},
    {EditField::Strategy, COL_Strategy, (sizeof(OrderBookDetails::Strategy) - 1),
     [](const OrderBookDetails& o) { return Field(o.Strategy); },
     [](const OrderBookDetails& o) { return o.Strategy[0] != '\0'; }, false},
    {EditField::OrderNo, COL_OrderNo, (sizeof(OrderBookDetails::OrderNo) - 1),
     [](const OrderBookDetails& o) { return Field(o.OrderNo); },
     [](const OrderBookDetails& o) { return o.OrderNo[0] != '\0'; }, false},
    {EditField::ProductType, COL_Prod_Type, (sizeof(OrderBookDetails::Prod_Type) - 1),
     [](const OrderBookDetails& o) { return Field(o.Prod_Type); }, &Any, true},
}};

}  // namespace

const EditFieldSpec& SpecOf(EditField field) { return kSpecs[static_cast<std::size_t>(field)]; }

std::vector<std::string> CandidateValues(const std::vector<OrderBookDetails*>& orders, const EditFieldSpec& spec) {
  // The values stay views into the records until the few distinct ones are copied out, so a book
  // of a million orders costs one hash probe per order and no allocation per order.
  std::unordered_set<std::string_view, HashNoCase, EqualNoCase> distinct;
  for (const OrderBookDetails* order : orders) {
    if (order == nullptr || !spec.offered(*order)) continue;
    distinct.insert(spec.value(*order));
  }
  std::vector<std::string> values(distinct.begin(), distinct.end());
  // Distinct ignoring case, so the order is strict and total.
  std::sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  return values;
}

Completion CompleteOnLeave(const std::vector<std::string>& candidates, std::string_view text, bool bNeverEmpty) {
  if (candidates.empty()) return {};
  const std::string upper = ToUpper(text);
  if (upper == "ALL") return {true, upper};
  for (const std::string& value : candidates) {
    if (bNeverEmpty && value.empty()) continue;
    if (std::string_view(value).starts_with(upper)) return {true, value};
  }
  if (upper.empty()) return {};
  return {true, upper};
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

std::string_view CutTo(std::string_view text, std::size_t capacity) { return text.substr(0, std::min(text.size(), capacity)); }

}  // namespace filterbar
