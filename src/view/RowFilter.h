#pragma once
// The grid's active column filters, prepared once per refresh so that testing a record costs a
// few comparisons in place: no allocation, no formatting beyond one stack buffer.
#include "host/MultipleFilterParam.h"
#include "host/platform/CellValue.h"
#include "host/records/OrderBookDetails.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/ViewVariant.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace RowFilterDetail {

inline constexpr int kUnknownStatusSlot = 7;
inline constexpr std::size_t kPackedText = 16;

// A text of at most 16 bytes, zero-padded, as two numbers: texts hold no NUL, so two texts are
// equal exactly when their numbers are.
inline std::pair<std::uint64_t, std::uint64_t> Packed(std::string_view text) {
  char bytes[kPackedText] = {};
  std::memcpy(bytes, text.data(), text.size());
  std::pair<std::uint64_t, std::uint64_t> out;
  std::memcpy(&out.first, bytes, 8);
  std::memcpy(&out.second, bytes + 8, 8);
  return out;
}

// A field of at most 16 bytes read in place as the two numbers Packed gives for its text: the bytes
// beyond its capacity (the masks) and from its first NUL on read as zero. Reads 16 bytes from
// `field`, which must lie inside the field's owner. Little-endian, as Packed's numbers are.
inline std::pair<std::uint64_t, std::uint64_t> PackedField(const char* field, std::uint64_t loMask, std::uint64_t hiMask) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  std::uint64_t lo, hi;
  std::memcpy(&lo, field, 8);
  std::memcpy(&hi, field + 8, 8);
  lo &= loMask;
  hi &= hiMask;
  // The lowest byte flagged here is the first zero byte (a borrow only flags bytes above it).
  auto beforeNul = [](std::uint64_t& word) {
    const std::uint64_t zeros = (word - kOnes) & ~word & kHighs;
    if (zeros == 0) return false;
    const int bits = __builtin_ctzll(zeros) & ~7;
    word = bits == 0 ? 0 : word & ((std::uint64_t{1} << bits) - 1);
    return true;
  };
  if (beforeNul(lo)) hi = 0;
  else beforeNul(hi);
  return {lo, hi};
}

inline int StatusSlot(OrderStatusIdentifier status) {
  return status >= 0 && status < kUnknownStatusSlot ? static_cast<int>(status) : kUnknownStatusSlot;
}

inline bool OutsideRange(const orv::platform::OleDateTime& value, const MULTIPLEFILTER_PARAM& filter) {
  // A comparison with an invalid side never removes the record.
  if (!value.IsValid()) return false;
  if (filter.dtFrom.IsValid() && value < filter.dtFrom) return true;
  if (filter.dtTill.IsValid() && value > filter.dtTill) return true;
  return false;
}

}  // namespace RowFilterDetail

// Internal to the module: calls from the refresh bind directly, without the library's call table.
class __attribute__((visibility("hidden"))) RowFilter final {
 public:
  RowFilter(const std::map<int, MULTIPLEFILTER_PARAM>& filters, const VariantDescription& variant);

  // True when at least one filter does not select all values.
  bool IsActive() const { return !m_columns.empty(); }
  bool DropsContractless() const { return m_variant.bAlwaysDropContractless; }
  // True when Keeps only reads record fields (no cell formatting, no scratch value): then one
  // filter may test records on several threads at once.
  bool ReadsFieldsOnly() const { return m_bFieldsOnly; }
  // The refresh predicate: false when any active filter rejects the record. With any active filter
  // the Pending view also drops rows without a contract (the GTD view never has them). Inline:
  // the passes over a million records call it once a record.
  bool Accept(OrderBookDetails* record) const;
  // The whole verdict of a rebuild on one record: the GTD view's contract rule, then Accept.
  bool Keeps(OrderBookDetails* record) const {
    if (DropsContractless() && (!record || !record->pContract)) return false;
    return Accept(record);
  }

  // True when every record the filters `to` keep is kept by `from` as well (a filter added, a value
  // list or a time range shrunk): the rows filtered with `from` then hold all the rows `to` keeps,
  // in the same order. Decided on the parameters alone, never on the records.
  static bool Narrows(const std::map<int, MULTIPLEFILTER_PARAM>& from, const std::map<int, MULTIPLEFILTER_PARAM>& to);
  // The filters of `to` that differ from those of `from`: when `from` narrows to `to`, a record
  // `from` keeps is kept by `to` exactly when these keep it.
  static std::map<int, MULTIPLEFILTER_PARAM> Changed(const std::map<int, MULTIPLEFILTER_PARAM>& from,
                                                     const std::map<int, MULTIPLEFILTER_PARAM>& to);

 private:
  enum class Kind { Status, DateTime, Integer, PlainInteger, Text, PlainText, PackedText };
  struct Column {
    int nCol = 0;
    Kind eKind = Kind::Text;
    const MULTIPLEFILTER_PARAM* pParam = nullptr;
    std::vector<std::string_view> values;  // views into pParam's list, sorted when long
    std::vector<long long> integers;       // the values that are exactly an integer's text, sorted
    bool bSortedValues = false;
    // A long list of short texts: each zero-padded to 16 bytes and read as two numbers, sorted, so
    // a lookup compares numbers instead of calling memcmp. Empty when a value is longer.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> packed;
    CellTextReader readText = nullptr;
    CellIntegerReader readInteger = nullptr;
    bool statusAccepted[8] = {};           // by OrderStatusIdentifier code; [7] for unknown codes
    // PackedText: a short field read in place, against `packed` (every value, sorted).
    std::uint32_t fieldOffset = 0;
    bool bFieldInContract = false;
    std::uint64_t loMask = 0, hiMask = 0;
  };

  static bool UsePackedField(Column& column, const PlainTextField& field);
  __attribute__((always_inline)) static bool AcceptPacked(const Column& column, const OrderBookDetails& record);

  bool AcceptText(const Column& column, std::string_view text) const;

  bool AcceptInteger(const Column& column, OrderBookDetails* record) const;

  const VariantDescription& m_variant;
  std::vector<Column> m_columns;
  bool m_bFieldsOnly = true;
  mutable orv::platform::CellValue m_scratch;  // keeps its buffer: no allocation per record
};

inline bool RowFilter::AcceptText(const Column& column, std::string_view text) const {
  using RowFilterDetail::kPackedText;
  if (!column.packed.empty())
    return text.size() <= kPackedText &&
           std::binary_search(column.packed.begin(), column.packed.end(), RowFilterDetail::Packed(text));
  if (column.bSortedValues) return std::binary_search(column.values.begin(), column.values.end(), text);
  // Most comparisons fail on the length or the first byte; only then is the rest compared.
  const std::size_t n = text.size();
  for (std::string_view v : column.values) {
    if (v.size() != n) continue;
    if (n == 0) return true;
    if (v[0] != text[0]) continue;
    std::size_t i = 1;
    while (i < n && v[i] == text[i]) ++i;
    if (i == n) return true;
  }
  return false;
}

inline bool RowFilter::AcceptPacked(const Column& column, const OrderBookDetails& record) {
  const char* owner = reinterpret_cast<const char*>(&record);
  if (column.bFieldInContract) {
    if (!record.pContract) return std::binary_search(column.packed.begin(), column.packed.end(), std::pair<std::uint64_t, std::uint64_t>{});
    owner = reinterpret_cast<const char*>(record.pContract);
  }
  const auto text = RowFilterDetail::PackedField(owner + column.fieldOffset, column.loMask, column.hiMask);
  // A filter lists a few values as a rule: comparing them all costs less than a search's branches.
  if (column.packed.size() <= 4) {
    bool found = false;
    for (const auto& v : column.packed) found |= v == text;
    return found;
  }
  return std::binary_search(column.packed.begin(), column.packed.end(), text);
}

inline bool RowFilter::Accept(OrderBookDetails* record) const {
  if (m_columns.empty()) return true;
  if (!m_variant.bAlwaysDropContractless && (!record || !record->pContract)) return false;
  if (!record) return false;
  CellTextBuffer buffer;
  for (const Column& c : m_columns) {
    switch (c.eKind) {
      case Kind::Status:
        if (!c.statusAccepted[RowFilterDetail::StatusSlot(record->eOrderStatus)]) return false;
        break;
      case Kind::DateTime: {
        const auto& value = c.nCol == COL_Server_Entry_Time ? record->dtServerEntryTime : record->dtOrderInitiateTime;
        if (RowFilterDetail::OutsideRange(value, *c.pParam)) return false;
        break;
      }
      case Kind::PlainInteger:
        if (!std::binary_search(c.integers.begin(), c.integers.end(), c.readInteger(*record))) return false;
        break;
      case Kind::PackedText:
        if (!AcceptPacked(c, *record)) return false;
        break;
      case Kind::PlainText:
        if (!AcceptText(c, c.readText(*record))) return false;
        break;
      case Kind::Integer:
        if (!AcceptInteger(c, record)) return false;
        break;
      case Kind::Text:
        if (!AcceptText(c, GetItemText(record, c.nCol, m_variant, buffer))) return false;
        break;
    }
  }
  return true;
}
