#include "sortfilter/ColumnSortKeys.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ParallelSlices.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Price columns whose cell is the record's double, printed with the contract's format: they sort
// by the value itself.
double OrderBookDetails::* PriceField(int column) {
  switch (column) {
    case COL_Price: return &OrderBookDetails::Price;
    case COL_Trig_Price: return &OrderBookDetails::Trig_Price;
    case COL_Avg_Price: return &OrderBookDetails::Avg_Price;
    case COL_Asset_Price: return &OrderBookDetails::Asset_Price;
    case COL_Target_Price: return &OrderBookDetails::Target_Price;
    case COL_BR_TrigPrice: return &OrderBookDetails::BR_TrigPrice;
    default: return nullptr;
  }
}

// Time columns show one of the record's two time texts, chosen by the host's time format.
TimeTextPair OrderBookDetails::* TimeField(int column) {
  switch (column) {
    case COL_Last_Modified: return &OrderBookDetails::Last_Modified;
    case COL_Server_Entry_Time: return &OrderBookDetails::Server_Entry_Time;
    case COL_Order_Initiate_Time: return &OrderBookDetails::Order_Initiate_Time;
    default: return nullptr;
  }
}

void ExtractNumbers(std::span<OrderBookDetails* const> rows, int column, const VariantDescription& variant,
                    bool parallel, SortKeyColumn& keys) {
  keys.Reset(SortKeyColumn::Kind::Number, rows.size());
  if (const CellIntegerReader read = PlainIntegerReader(column, variant)) {
    ParallelSlices::ForEach(rows.size(), parallel, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i)
        if (rows[i]) keys.SetNumber(i, static_cast<double>(read(*rows[i])));
    });
  } else if (double OrderBookDetails::*field = PriceField(column)) {
    ParallelSlices::ForEach(rows.size(), parallel, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i)
        if (rows[i]) keys.SetNumber(i, rows[i]->*field);
    });
  } else {
    ParallelSlices::ForEach(rows.size(), parallel, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i)
        if (rows[i]) keys.SetNumber(i, GetItemNumberAsStored(*rows[i], column, variant));
    });
  }
}

void ExtractTexts(std::span<OrderBookDetails* const> rows, int column, const VariantDescription& variant,
                  bool parallel, SortKeyColumn& keys) {
  keys.Reset(SortKeyColumn::Kind::Text, rows.size());
  if (!FindColumn(column, variant)) return;
  if (const CellTextReader read = PlainTextReader(column, variant)) {
    ParallelSlices::ForEach(rows.size(), parallel, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i)
        if (rows[i]) keys.SetText(i, read(*rows[i]));
    });
    return;
  }
  if (TimeTextPair OrderBookDetails::*field = TimeField(column)) {
    const bool hours24 = AppGlobal::bGeneralSettings_24HrTimeFormat != 0;
    ParallelSlices::ForEach(rows.size(), parallel, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i)
        if (rows[i]) keys.SetText(i, hours24 ? FieldView((rows[i]->*field).c24Hr) : FieldView((rows[i]->*field).c12Hr));
    });
    return;
  }
  // Formatted cells (numbers shown as texts) go through the general reader; a text formatted into
  // the buffer is copied, one that points into the record or its contract is not.
  CellTextBuffer buffer;
  const char* const bufferBegin = buffer.data;
  const char* const bufferEnd = buffer.data + sizeof buffer.data;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i]) continue;
    const std::string_view text = GetItemTextAsStored(*rows[i], column, variant, buffer);
    const bool formatted = !text.empty() && std::less_equal<const char*>()(bufferBegin, text.data()) &&
                           std::less<const char*>()(text.data(), bufferEnd);
    if (formatted) keys.SetTextCopy(i, text);
    else keys.SetText(i, text);
  }
}

}  // namespace

void ExtractColumnSortKeys(std::span<OrderBookDetails* const> rows, int column, const VariantDescription& variant,
                           SortKeyColumn& keys) {
  FillFirstTimeValues(rows, column, variant);
  const bool parallel = rows.size() >= AppOrderBook::Sorter(variant.eBook).ParallelThreshold();
  if (IsNumericValueType(ColumnValueType(column, variant))) ExtractNumbers(rows, column, variant, parallel, keys);
  else ExtractTexts(rows, column, variant, parallel, keys);
}

SortKeyExtractor ColumnSortKeyExtractor(const VariantDescription& variant) {
  return [&variant](std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys) {
    ExtractColumnSortKeys(rows, column, variant, keys);
  };
}

void InstallSortKeyExtractors() {
  for (ViewVariant v : {ViewVariant::Pending, ViewVariant::GTD}) {
    const VariantDescription& d = DescriptionOf(v);
    AppOrderBook::SetSortKeyExtractor(d.eBook, ColumnSortKeyExtractor(d));
  }
}
