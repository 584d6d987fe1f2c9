#pragma once
// The sort keys of the grid's columns, as the order store's sorter wants them: one key per record
// and column, extracted once per sort.
#include "host/OrderBookSorter.h"
#include "host/SortKeyColumn.h"
#include "host/records/OrderBookDetails.h"
#include "view/ViewVariant.h"

#include <span>

// Fills `keys` with the keys of `column` for `rows`, in row order, in the order the grid sorts
// the column: numeric value types (1 to 4) by number, prices by value; every other type (texts,
// date-times) by the cell's text, byte-wise unsigned like strcmp. The column's first-time fills
// (client name, product type, average price) run first, on the calling thread, so that the keys
// are what the grid shows; the reading itself uses every core from the size at which the book's
// sorter does (OrderBookSorter::ParallelThreshold). A null row has the empty key
// (0, or the empty text); a column outside the variant gives every row the empty text.
void ExtractColumnSortKeys(std::span<OrderBookDetails* const> rows, int column, const VariantDescription& variant,
                           SortKeyColumn& keys);

// ExtractColumnSortKeys of one variant, in the form the store takes.
SortKeyExtractor ColumnSortKeyExtractor(const VariantDescription& variant);

// Gives the store the key extractor of each book.
void InstallSortKeyExtractors();
