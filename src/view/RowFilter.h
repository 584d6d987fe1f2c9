#pragma once
// The grid's active column filters, prepared once per refresh so that testing a record costs a
// few comparisons in place: no allocation, no formatting beyond one stack buffer.
#include "host/MultipleFilterParam.h"
#include "host/platform/CellValue.h"
#include "host/records/OrderBookDetails.h"
#include "view/CellValues.h"
#include "view/ViewVariant.h"

#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

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
  // the Pending view also drops rows without a contract (the GTD view never has them).
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
  enum class Kind { Status, DateTime, Integer, PlainInteger, Text, PlainText };
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
  };

  bool AcceptText(const Column& column, std::string_view text) const;

  bool AcceptInteger(const Column& column, OrderBookDetails* record) const;

  const VariantDescription& m_variant;
  std::vector<Column> m_columns;
  bool m_bFieldsOnly = true;
  mutable orv::platform::CellValue m_scratch;  // keeps its buffer: no allocation per record
};
