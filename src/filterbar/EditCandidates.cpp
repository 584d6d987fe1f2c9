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

// A contract field: every order with a contract and a value is listed.
template <std::string_view (*Value)(const OrderBookDetails&)>
bool ListedContractField(const OrderBookDetails& o) {
  return o.pContract && !Value(o).empty();
}
template <std::size_t N, char (OrderBookDetails::*Member)[N]>
bool NonEmpty(const OrderBookDetails& o) {
  return (o.*Member)[0] != '\0';
}
template <std::size_t N, char (OrderBookDetails::*Member)[N]>
bool NonEmptyWithContract(const OrderBookDetails& o) {
  return o.pContract && (o.*Member)[0] != '\0';
}
bool SteppedExpiry(const OrderBookDetails& o) { return DatedContract(o); }

std::string_view SymbolOf(const OrderBookDetails& o) { return Field(ContractOf(o).Symbol_ScriptID); }
std::string_view ExpiryOf(const OrderBookDetails& o) { return Field(ContractOf(o).cExpiry); }
std::string_view StrikeOf(const OrderBookDetails& o) { return Field(ContractOf(o).cStrike); }
std::string_view OptTypeOf(const OrderBookDetails& o) { return Field(ContractOf(o).cOptionType); }

using OBD = OrderBookDetails;
constexpr std::size_t kUserN = sizeof(OBD::OrvelClientId);
constexpr std::size_t kClientN = sizeof(OBD::Client);
constexpr std::size_t kStrategyN = sizeof(OBD::Strategy);
constexpr std::size_t kOrderNoN = sizeof(OBD::OrderNo);
constexpr std::size_t kProdN = sizeof(OBD::Prod_Type);

const std::array<EditFieldSpec, 9> kSpecs{{
    {EditField::Symbol, COL_Symbol_ScriptID, (sizeof(ScriptDesc::Symbol_ScriptID) - 1),
     &SymbolOf, &HasContract, false,
     &ListedContractField<&SymbolOf>, &ListedContractField<&SymbolOf>, &Any, false, true},
    // The expiry cell shows the series of undated contracts; both fit the expiry's length.
    {EditField::Expiry, COL_Ser_Exp_Group, std::max((sizeof(ScriptDesc::cExpiry) - 1), (sizeof(ScriptDesc::cSeries) - 1)),
     &ExpiryOf, &DatedContract, false,
     &ListedContractField<&ExpiryOf>, &ListedContractField<&ExpiryOf>, &SteppedExpiry, false, true},
    {EditField::Strike, COL_Strike, (sizeof(ScriptDesc::cStrike) - 1),
     &StrikeOf, &OptionContract, false,
     &ListedContractField<&StrikeOf>, &ListedContractField<&StrikeOf>, &OptionContract, false, true},
    {EditField::OptType, COL_Option_Type, (sizeof(ScriptDesc::cOptionType) - 1),
     &OptTypeOf, &OptionContract, false,
     &ListedContractField<&OptTypeOf>, &ListedContractField<&OptTypeOf>, &OptionContract, false, true},
    {EditField::User, COL_OrvelClientId, (sizeof(OrderBookDetails::OrvelClientId) - 1),
     [](const OrderBookDetails& o) { return Field(o.OrvelClientId); },
     [](const OrderBookDetails& o) { return o.OrvelClientId[0] != '\0'; }, false,
     &NonEmpty<kUserN, &OBD::OrvelClientId>, &NonEmptyWithContract<kUserN, &OBD::OrvelClientId>,
     &NonEmpty<kUserN, &OBD::OrvelClientId>, true, false},
    {EditField::ClientCode, COL_Client, (sizeof(OrderBookDetails::Client) - 1),
     [](const OrderBookDetails& o) { return Field(o.Client); },
     [](const OrderBookDetails& o) { return !EqualsNoCase(Field(o.Pro_Client), "PRO"); }, false,
     &NonEmpty<kClientN, &OBD::Client>, &NonEmptyWithContract<kClientN, &OBD::Client>,
     &NonEmpty<kClientN, &OBD::Client>, true, false},
    {EditField::Strategy, COL_Strategy, (sizeof(OrderBookDetails::Strategy) - 1),
     [](const OrderBookDetails& o) { return Field(o.Strategy); },
     [](const OrderBookDetails& o) { return o.Strategy[0] != '\0'; }, false,
     &NonEmpty<kStrategyN, &OBD::Strategy>, &NonEmpty<kStrategyN, &OBD::Strategy>,
     &NonEmpty<kStrategyN, &OBD::Strategy>, true, false},
    {EditField::OrderNo, COL_OrderNo, (sizeof(OrderBookDetails::OrderNo) - 1),
     [](const OrderBookDetails& o) { return Field(o.OrderNo); },
     [](const OrderBookDetails& o) { return o.OrderNo[0] != '\0'; }, false,
     &NonEmpty<kOrderNoN, &OBD::OrderNo>, &NonEmpty<kOrderNoN, &OBD::OrderNo>, &Any, false, false},
    {EditField::ProductType, COL_Prod_Type, (sizeof(OrderBookDetails::Prod_Type) - 1),
     [](const OrderBookDetails& o) { return Field(o.Prod_Type); }, &Any, true,
     &NonEmpty<kProdN, &OBD::Prod_Type>, &NonEmpty<kProdN, &OBD::Prod_Type>,
     &NonEmpty<kProdN, &OBD::Prod_Type>, true, false},
}};

}  // namespace

const EditFieldSpec& SpecOf(EditField field) { return kSpecs[static_cast<std::size_t>(field)]; }

bool LessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

bool IsOffered(const EditFieldSpec& spec, CandidateUse use, const OrderBookDetails& order) {
  switch (use) {
    case CandidateUse::Leave: return spec.offered(order);
    case CandidateUse::List: return spec.listed(order);
    case CandidateUse::ListNarrowed: return spec.listedNarrowed(order);
    case CandidateUse::Step: return spec.stepped(order);
  }
  return false;
}

std::vector<std::string> CandidateValues(const std::vector<OrderBookDetails*>& orders, const EditFieldSpec& spec,
                                         CandidateUse use, std::string_view prefix) {
  std::unordered_set<std::string_view, HashNoCase, EqualNoCase> distinct;
  for (const OrderBookDetails* order : orders) {
    if (order == nullptr || !IsOffered(spec, use, *order)) continue;
    const std::string_view value = spec.value(*order);
    if (value.starts_with(prefix)) distinct.insert(value);
  }
  std::vector<std::string> values(distinct.begin(), distinct.end());
  std::sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  return values;
}

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
