#include "view/RowFilter.h"

#include "host/OrvEnumsMethods.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr std::size_t kLinearValues = 8;

// True when `text` is exactly how an integer cell prints `value` (no sign '+', no leading zeros),
// so comparing the number is the same as comparing the texts.
bool IsIntegerText(std::string_view text, long long& value) {
  if (text.empty()) return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || ptr != text.data() + text.size()) return false;
  char canonical[24];
  auto res = std::to_chars(canonical, canonical + sizeof canonical, value);
  return std::string_view(canonical, static_cast<std::size_t>(res.ptr - canonical)) == text;
}

// Every record `inner` keeps, `outer` keeps: each bound of `outer` is met by one of `inner` at least
// as tight. A comparison with an invalid bound keeps everything.
bool RangeWithin(const MULTIPLEFILTER_PARAM& inner, const MULTIPLEFILTER_PARAM& outer) {
  if (outer.dtFrom.IsValid() && !(inner.dtFrom.IsValid() && inner.dtFrom >= outer.dtFrom)) return false;
  if (outer.dtTill.IsValid() && !(inner.dtTill.IsValid() && inner.dtTill <= outer.dtTill)) return false;
  return true;
}

}  // namespace

bool RowFilter::Narrows(const std::map<int, MULTIPLEFILTER_PARAM>& from, const std::map<int, MULTIPLEFILTER_PARAM>& to) {
  // Whatever the column's kind, a record passes when its cell is in the value list and its time
  // inside the range: fewer values and a tighter range can only take records out.
  std::vector<std::string_view> values;
  for (const auto& [col, old] : from) {
    if (old.bAll) continue;
    const auto it = to.find(col);
    if (it == to.end() || it->second.bAll) return false;
    const MULTIPLEFILTER_PARAM& now = it->second;
    if (!RangeWithin(now, old)) return false;
    values.assign(old.lstValues.begin(), old.lstValues.end());
    std::sort(values.begin(), values.end());
    for (const std::string& v : now.lstValues)
      if (!std::binary_search(values.begin(), values.end(), std::string_view(v))) return false;
  }
  return true;
}

std::map<int, MULTIPLEFILTER_PARAM> RowFilter::Changed(const std::map<int, MULTIPLEFILTER_PARAM>& from,
                                                       const std::map<int, MULTIPLEFILTER_PARAM>& to) {
  std::map<int, MULTIPLEFILTER_PARAM> changed;
  for (const auto& [col, now] : to) {
    if (now.bAll) continue;
    const auto it = from.find(col);
    const bool same = it != from.end() && !it->second.bAll && it->second.lstValues == now.lstValues &&
                      it->second.dtFrom == now.dtFrom && it->second.dtTill == now.dtTill;
    if (!same) changed.emplace(col, now);
  }
  return changed;
}

// A field of at most 16 bytes whose 16-byte read stays inside its owner is compared in place as
// two numbers. Values longer than the field, or holding a NUL, can never equal its text: dropped.
bool RowFilter::UsePackedField(Column& column, const PlainTextField& field) {
  using RowFilterDetail::kPackedText;
  if (field.capacity == 0 || field.capacity > kPackedText || field.offset + kPackedText > field.ownerSize) return false;
  column.fieldOffset = field.offset;
  column.bFieldInContract = field.bInContract;
  auto lowBytes = [](std::uint32_t n) { return n >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1; };
  column.loMask = lowBytes(field.capacity);
  column.hiMask = field.capacity <= 8 ? 0 : lowBytes(field.capacity - 8);
  column.packed.clear();
  for (std::string_view v : column.values)
    if (v.size() <= field.capacity && v.find('\0') == std::string_view::npos) column.packed.push_back(RowFilterDetail::Packed(v));
  std::sort(column.packed.begin(), column.packed.end());
  column.packed.erase(std::unique(column.packed.begin(), column.packed.end()), column.packed.end());
  return true;
}

RowFilter::RowFilter(const std::map<int, MULTIPLEFILTER_PARAM>& filters, const VariantDescription& variant)
    : m_variant(variant) {
  for (const auto& [col, param] : filters) {
    if (param.bAll) continue;
    Column c;
    c.nCol = col;
    c.pParam = &param;
    for (const std::string& v : param.lstValues) c.values.emplace_back(v);
    if (col == COL_Order_Status) {
      c.eKind = Kind::Status;
      for (int code = 0; code <= RowFilterDetail::kUnknownStatusSlot; ++code) {
        std::string_view text = code < RowFilterDetail::kUnknownStatusSlot
                                    ? OrvEnumsMethods::GetOrderStatus(static_cast<OrderStatusIdentifier>(code))
                                    : std::string_view();
        c.statusAccepted[code] = AcceptText(c, text);
      }
    } else if (col == COL_Server_Entry_Time || (variant.bHasOrderInitiateTime && col == COL_Order_Initiate_Time)) {
      c.eKind = Kind::DateTime;
    } else if ((c.readInteger = PlainIntegerReader(col, variant)) != nullptr) {
      c.eKind = Kind::PlainInteger;
    } else if (UsePackedField(c, PlainTextFieldOf(col, variant))) {
      c.eKind = Kind::PackedText;
    } else if ((c.readText = PlainTextReader(col, variant)) != nullptr) {
      c.eKind = Kind::PlainText;
    } else if (ColumnValueType(col, variant) == 2) {
      // Whole-number columns: compare numbers, not formatted texts, when the cell is a number.
      c.eKind = Kind::Integer;
    }
    if (c.eKind == Kind::Integer || c.eKind == Kind::PlainInteger) {
      for (std::string_view v : c.values) {
        long long value = 0;
        if (IsIntegerText(v, value)) c.integers.push_back(value);
      }
      std::sort(c.integers.begin(), c.integers.end());
    }
    if (c.eKind != Kind::PackedText && c.values.size() > kLinearValues) {
      std::sort(c.values.begin(), c.values.end());
      c.bSortedValues = true;
      if (std::all_of(c.values.begin(), c.values.end(), [](std::string_view v) { return v.size() <= RowFilterDetail::kPackedText; })) {
        for (std::string_view v : c.values) c.packed.push_back(RowFilterDetail::Packed(v));
        std::sort(c.packed.begin(), c.packed.end());
      }
    }
    if (c.eKind == Kind::Integer || c.eKind == Kind::Text) m_bFieldsOnly = false;
    m_columns.push_back(std::move(c));
  }
  // Every filter must pass, so their order does not change the result: the cheap ones run first
  // and most records are decided before a text is formatted.
  auto cost = [](Kind k) {
    switch (k) {
      case Kind::Status: return 0;
      case Kind::PackedText: return 0;
      case Kind::PlainInteger: return 1;
      case Kind::PlainText: return 2;
      case Kind::DateTime: return 3;
      case Kind::Integer: return 4;
      case Kind::Text: return 5;
    }
    return 5;
  };
  std::stable_sort(m_columns.begin(), m_columns.end(),
                   [&](const Column& a, const Column& b) { return cost(a.eKind) < cost(b.eKind); });
}

bool RowFilter::AcceptInteger(const Column& column, OrderBookDetails* record) const {
  GetItemValue(record, column.nCol, m_variant, m_scratch);
  if (m_scratch.GetKind() == orv::platform::CellValue::Kind::Integer)
    return std::binary_search(column.integers.begin(), column.integers.end(), m_scratch.Integer());
  CellTextBuffer buffer;
  return AcceptText(column, GetItemText(record, column.nCol, m_variant, buffer));
}
