#pragma once
// The value of one grid cell: the single definition of what a column shows, used for display,
// column filters, sorting and export.
#include "host/platform/CellValue.h"
#include "host/records/OrderBookDetails.h"
#include "view/ViewVariant.h"

#include <cstdint>
#include <span>
#include <string_view>

class OrderBookWnd;

// Room for any text a cell can print: the longest is a price printed with the contract's format
// (GlobalFunctions::DoubleToString never writes more than 159 characters).
struct CellTextBuffer {
  char data[160];
};

// The cell of (record, column). A null record, or a column outside the variant's catalogue, gives
// an empty value. Three columns fill their record field on first use (client name, product type,
// average price) and AlgoID is emptied for BSE segment 6, so the record may change.
// A failure inside (a lookup that throws) leaves `out` empty.
void GetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant,
                  orv::platform::CellValue& out);
// Same, and a failure also writes the grid's exception line ("Exception In <grid class>:::
// GetItemValue(), ErrorCode - %d") through `logTo`'s log writer (nothing when logTo is null).
void GetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant,
                  orv::platform::CellValue& out, const OrderBookWnd* logTo);
// Same as the first form; false when the cell failed (then `out` is empty).
bool TryGetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant,
                     orv::platform::CellValue& out);

// The same cell as the text a column filter compares, without allocating: texts point into the
// record, numbers are formatted into `buffer` exactly as CellValue::ToText formats them. The view
// is valid until the record or the buffer changes. A failed cell gives an empty text.
std::string_view GetItemText(OrderBookDetails* record, int column, const VariantDescription& variant,
                             CellTextBuffer& buffer);
// Same, and a failure also writes the grid's exception line through `logTo`, as GetItemValue does.
std::string_view GetItemText(OrderBookDetails* record, int column, const VariantDescription& variant,
                             CellTextBuffer& buffer, const OrderBookWnd* logTo);

// Orders two records on one column: value types 2 (whole number) and 3 (price) compare as
// numbers, the others as text. Negative, zero or positive. On the records as they stand: no
// first-time fill, no lookup, no write (AlgoID of a BSE segment-6 contract still counts as
// empty). Safe on several threads at once, which the store's parallel sort needs; never throws
// and never allocates.
int CompareItemsAsStored(const OrderBookDetails& a, const OrderBookDetails& b, int column,
                         const VariantDescription& variant);

// The sort key of a cell on the record as it stands, in the order CompareItemsAsStored gives
// (same rules: no fill, no write, safe on several threads, never allocates). The number of a
// numeric column (value types 1 to 4), 0 for an empty cell or a text that is no number:
double GetItemNumberAsStored(const OrderBookDetails& record, int column, const VariantDescription& variant);
// The text of any column; the view points into the record, its contract, a fixed text or
// `buffer` (a formatted number), and is valid until the record or the buffer changes.
std::string_view GetItemTextAsStored(const OrderBookDetails& record, int column, const VariantDescription& variant,
                                     CellTextBuffer& buffer);

// Runs the first-time fill of `column` (client name, product type, average price, AlgoID) on every
// record, so that a later sort on the records as they stand sees what the grid shows. Nothing for
// the other columns. Call on the user-interface thread before handing a sort to the store.
void FillFirstTimeValues(std::span<OrderBookDetails* const> records, int column, const VariantDescription& variant);

// Gives the order store the comparer of each book (CompareItemsAsStored of its variant) and the
// key extractor it sorts with (see sortfilter/ColumnSortKeys.h).
void InstallColumnComparers();

// Readers for the refresh's filter pass: a column whose cell is a plain text of the record or of
// its contract (or a plain whole number of the record) is read in place, without the general
// dispatch. Null when the column needs formatting, a rule or a first-time fill; use GetItemText.
// A reader gives exactly what GetItemText gives for the same record.
using CellTextReader = std::string_view (*)(const OrderBookDetails& record);
using CellIntegerReader = long long (*)(const OrderBookDetails& record);
CellTextReader PlainTextReader(int column, const VariantDescription& variant);
CellIntegerReader PlainIntegerReader(int column, const VariantDescription& variant);
// Where a plain text column's field sits: `offset` bytes into the record (or into its contract
// when `bInContract`; no contract reads as an empty text), a NUL-terminated array of `capacity`
// bytes inside an owner of `ownerSize` bytes. All zero for the columns PlainTextReader has no
// reader for.
struct PlainTextField {
  std::uint32_t offset = 0;
  std::uint32_t capacity = 0;
  std::uint32_t ownerSize = 0;
  bool bInContract = false;
};
PlainTextField PlainTextFieldOf(int column, const VariantDescription& variant);
