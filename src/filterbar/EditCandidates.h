#pragma once
// The values the filter bar's edits are completed from: for each edit the order field it reads,
// the orders left out, and how long a text its grid column can match. The values come from the
// orders on display only; the bar consults no contract master.
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace filterbar {

enum class EditField { Symbol, Expiry, Strike, OptType, User, ClientCode, Strategy, OrderNo, ProductType };

struct EditFieldSpec {
  EditField field;
  int column;
  // The longest text a cell of the column holds: a longer filter text could never match.
  std::size_t capacity;
  std::string_view (*value)(const OrderBookDetails& order);
  // False for an order left out of the candidates completed from on leaving the edit.
  bool (*offered)(const OrderBookDetails& order);
  // The completion never writes an empty value (the product type).
  bool bNeverEmpty;
  // False for an order left out of the drop-down list, of the list while the typed text narrows
  // it, and of the values the arrow keys step through.
  bool (*listed)(const OrderBookDetails& order);
  bool (*listedNarrowed)(const OrderBookDetails& order);
  bool (*stepped)(const OrderBookDetails& order);
  // The edit carries a drop-down button (user, client code, strategy, product type).
  bool bDropDown;
  // The value and every rule of leaving orders out depend on the order's contract alone (the
  // contract fields): orders of one contract give one answer.
  bool bByContract;
};

// What the candidates are for: each use leaves out its own orders.
enum class CandidateUse { Leave, List, ListNarrowed, Step };
bool IsOffered(const EditFieldSpec& spec, CandidateUse use, const OrderBookDetails& order);

const EditFieldSpec& SpecOf(EditField field);

// The distinct values of the field over the offered orders, one per case-insensitively distinct
// value, in case-insensitive ascending order. Records are only read; null entries are skipped.
std::vector<std::string> CandidateValues(const std::vector<OrderBookDetails*>& orders, const EditFieldSpec& spec);
// The same for another use; with `prefix`, only the orders whose value begins with it (compared
// case-sensitively) count.
std::vector<std::string> CandidateValues(const std::vector<OrderBookDetails*>& orders, const EditFieldSpec& spec,
                                         CandidateUse use, std::string_view prefix = {});
// Case-insensitive ordering of the candidates.
bool LessNoCase(std::string_view a, std::string_view b);

// What leaving an edit writes into it, given the candidates: nothing (`write` false) without any
// candidate; "ALL" for an all text; else the first candidate beginning with the upper-case text
// (compared case-sensitively), or the upper-case text itself when none does.
struct Completion {
  bool write = false;
  std::string text;
};
Completion CompleteOnLeave(const std::vector<std::string>& candidates, std::string_view text, bool bNeverEmpty);

// Helpers of the bar's texts.
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// "All" in any letter case: the field filters nothing.
inline bool IsAllText(std::string_view text) { return EqualsNoCase(text, "All"); }
// The text cut to `capacity` characters.
std::string_view CutTo(std::string_view text, std::size_t capacity);

}  // namespace filterbar
