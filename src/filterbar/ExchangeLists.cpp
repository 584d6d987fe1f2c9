// The exchange list and the instrument types offered for the selected exchange.
#include "filterbar/OrderBookFilter.h"

#include "host/AppGlobal.h"
#include "host/GlobalFunctions.h"

#include <array>
#include <cstdint>
#include <vector>
#include <string_view>

namespace pf = orv::platform;

namespace {

// Each enabled family counts once, however many of its flags are set.
int EnabledExchangeFamilies() {
  using A = AppGlobal;
  const bool families[] = {
      A::bNSE_Exchange || A::g_bNSEFO_Exchange || A::g_bNSESLBM_Exchange,
      A::bBSE_Exchange || A::g_bBSE_FO_Exchange,
      A::g_bMCX_Exchange != 0,
      A::bNCDEX_Exchange != 0,
      A::m_bNSECurrency_Exchange != 0,
      A::g_bMCXSX_CD_EXCHANGE != 0,
      A::g_bKZTQ_Exchange != 0,
      A::g_bUSE_Exchange != 0,
      A::g_bDGCX_Exchange != 0,
      A::g_bCME_Exchange != 0,
      A::g_bMCXSX_EQ_EXCHANGE || A::g_bMCXSX_FO_EXCHANGE,
      A::g_bBSECD_Exchange != 0,
      A::g_bBINX_Exchange != 0,
      A::g_bNINX_Exchange != 0,
      A::g_bNSE_OFS_Exchange != 0,
      A::g_bNSECOM_Exchange != 0,
      A::g_bBSECOM_Exchange != 0,
      A::g_bTTFIX_Exchange != 0,
  };
  int count = 0;
  for (bool on : families) count += on ? 1 : 0;
  return count;
}

using TypeList = std::vector<std::string_view>;

const TypeList kAllTypes = {"All", "E", "F", "O", "SLBM", "OFS"};
const TypeList kSorTypes = {"All", "E"};
const TypeList kBseTypes = {"All", "E", "F", "O", "OFS"};
const TypeList kMcxTypes = {"All", "E", "F", "O", "A"};
const TypeList kCashAndDerivatives = {"All", "E", "F", "O"};
const TypeList kDerivativesOnly = {"All", "F", "O"};

// Exchanges that trade futures and options only; compared ignoring case.
constexpr std::array<std::string_view, 25> kDerivativeExchanges{
    "NSECUR", "MSEI CD", "USE",  "DGCX", "BSECUR", "NSECOM", "BSECOM", "XCBT", "XCEC",
    "XCME",   "XKBT",    "XKFE", "XKLS", "XMGE",   "XNYM",   "XBCB",   "MGCB", "MGKB",
    "CMED",   "DUMX",    "XBMF", "XMEX", "XEMD",   "NYUM",   "NYMS"};

// The instrument types of an exchange; null for an exchange the table does not know.
const TypeList* TypesOf(std::string_view exchange) {
  using filterbar::EqualsNoCase;
  if (EqualsNoCase(exchange, "All") || EqualsNoCase(exchange, "NSE")) return &kAllTypes;
  if (EqualsNoCase(exchange, "SOR")) return &kSorTypes;
  if (EqualsNoCase(exchange, "BSE")) return &kBseTypes;
  if (EqualsNoCase(exchange, "MCX")) return &kMcxTypes;
  for (std::string_view name : {"NCDEX", "MSEI", "BINX", "NINX"})
    if (EqualsNoCase(exchange, name)) return &kCashAndDerivatives;
  for (std::string_view name : kDerivativeExchanges)
    if (EqualsNoCase(exchange, name)) return &kDerivativesOnly;
  // These two names have always been told apart by their exact spelling.
  if (exchange == "CME" || exchange == "TTFIX") return &kDerivativesOnly;
  return nullptr;
}

}  // namespace

void OrderBookFilter::InsertExchanges(ComboBox* pCombo, bool bAll) {
  try {
    if (pCombo == nullptr) return;
    const int families = EnabledExchangeFamilies();
    const std::vector<std::string>* exchanges = AppGlobal::m_pExchangeList;
    if (exchanges == nullptr || exchanges->empty()) return;
    for (const std::string& name : *exchanges) {
      // A name the host lists twice is listed once; the walk goes on after it.
      if (pCombo->FindStringExact(-1, name) != pf::CB_ERR) continue;
      const int index = pCombo->InsertString(-1, name);
      std::int16_t code = 0;
      GlobalFunctions::GetExchangeCode(name, code);
      pCombo->SetItemData(index, static_cast<pf::UINT_PTR>(static_cast<std::uint16_t>(code)));
    }
    const bool cme = AppGlobal::g_bCME_Exchange != 0;
    if (bAll) {
      if (families > 1 || cme) {
        pCombo->InsertString(0, "All");
        if (cme) pCombo->InsertString(1, "CME");
      }
      pCombo->SetCurSel(0);
      return;
    }
    const std::string& preferred = AppGlobal::cGeneralSettings_Exchange;
    const int found = preferred.empty() ? pf::CB_ERR : pCombo->FindStringExact(-1, preferred);
    pCombo->SetCurSel(found == pf::CB_ERR ? 0 : found);
  } catch (...) {
    LogException("InsertExchanges");
  }
}

void OrderBookFilter::FillExchangeMarketTypes(ComboBox* pExchange, ComboBox* pInstType) {
  try {
    if (pExchange == nullptr || pInstType == nullptr || pExchange->GetCurSel() == pf::CB_ERR) return;
    const TypeList* types = TypesOf(SelectedText(*pExchange));
    if (types == nullptr) return;
    const std::string remembered = SelectedText(*pInstType);
    pInstType->ResetContent();
    // Inserted at their places, so the table's order holds in the sorted list.
    for (std::string_view type : *types) pInstType->InsertString(-1, type);
    const int found = remembered.empty() ? pf::CB_ERR : pInstType->FindStringExact(-1, remembered);
    pInstType->SetCurSel(found == pf::CB_ERR ? 0 : found);
  } catch (...) {
    LogException("FillExchangeMarketTypes");
  }
}
