// The filters a view keeps across restarts: written into the host's general settings when the
// window closes or "Save Filter" is toggled, read back on the first fill.
#include "sortfilter/SavedFilterBlock.h"

#include "filterbar/OrderBookFilter.h"
#include "host/AppGlobal.h"
#include "host/GeneralXmlSettings.h"
#include "sortfilter/FilterBarMirror.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "sortfilter/TimeRangeTexts.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "view/ViewVariant.h"

#include <algorithm>
#include <array>

namespace {

// Restore order of the saved column texts.
constexpr std::array<int, 19> kRestoreOrder{15, 3, 14, 46, 19, 0, 2, 6, 9, 10, 11, 12, 13, 20, 24, 28, 47, 67, 41};

// Columns whose filters turning saving off clears; the order status stays.
constexpr std::array<int, 20> kClearedOnRemove{2, 6, 9, 10, 11, 12, 14, 15, 19, 20, 46, 0, 24, 47, 42, 67, 41, 1, 13, 28};

void Log(const VariantDescription& variant, const std::string& line) {
  if (AppGlobal::pWriteInLogFile) AppGlobal::pWriteInLogFile(variant.cLegacyLogSource.data(), line.c_str());
}

bool OpenWithSortingChecked(const OrderBookGrid& grid) {
  const OrderBookWnd* wnd = grid.GetOwnerWnd();
  const OrderBookFilter* bar = wnd ? wnd->GetFilterBar() : nullptr;
  return bar && bar->IsOpenWithSortingChecked();
}

bool SaveSettings(const VariantDescription& variant) {
  const GeneralXmlSettings::Result result = regGeneralXMLSettings.SaveGeneralSettings();
  if (!result.ok()) Log(variant, "Saved filters not written: " + result.message);
  return result.ok();
}

}  // namespace

OrderBookFilterSettings& SavedFilterBlock(const VariantDescription& variant) {
  return variant.eVariant == ViewVariant::Pending ? regGeneralXMLSettings.objPendingFilter
                                                  : regGeneralXMLSettings.objGTDFilter;
}

std::vector<std::string> saved_filters::SplitSavedText(std::string_view text, std::string& problem) {
  problem.clear();
  std::vector<std::string> values;
  if (text.empty()) return values;
  if (text.size() > kMaxSavedText) {
    problem = "text of " + std::to_string(text.size()) + " bytes is too long";
    return values;
  }
  if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
    problem = "text holds a control character";
    return values;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    values.emplace_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

void OrderBookGrid::OnSavefilterInXML() {
  try {
    OrderBookFilterSettings& block = SavedFilterBlock(Variant());
    if (!block.bSaveFilter || Filters().empty()) {
      OnRemovefilterInXML();
      return;
    }
    block.ClearTexts();
    block.bOpenWithSorting = OpenWithSortingChecked(*this);
    for (const auto& [column, filter] : Filters()) {
      if (std::string* text = block.TextForColumn(column)) {
        *text = filter.bAll ? std::string() : GetFilterValues(filter.lstValues);
      } else if (column == COL_Server_Entry_Time) {
        // The pickers filter this column in both variants, and the saved range is restored onto
        // it: saving another column's range would lose the one the user set.
        if (filter.bAll) {
          block.cRangeStart.clear();
          block.cRangeEnd.clear();
        } else if (filter.lstValues.size() >= 2) {
          block.cRangeStart = filter.lstValues[0];
          block.cRangeEnd = filter.lstValues[1];
        }
      }
    }
    SaveSettings(Variant());
  } catch (...) {
    LogException("OnSavefilterInXML");
  }
}

void OrderBookGrid::OnRemovefilterInXML() {
  try {
    for (int column : kClearedOnRemove) ClearFilter(column);
    if (Variant().eVariant == ViewVariant::GTD) ClearFilter(COL_Order_Initiate_Time);
    FilterGridData();
    if (OrderBookWnd* wnd = GetOwnerWnd()) {
      if (OrderBookFilter* bar = wnd->GetFilterBar()) bar->ResetFilter(false);
    }
    OrderBookFilterSettings& block = SavedFilterBlock(Variant());
    block.ClearTexts();
    block.bOpenWithSorting = OpenWithSortingChecked(*this);
    SaveSettings(Variant());
  } catch (...) {
    LogException("OnRemovefilterInXML");
  }
}

void OrderBookGrid::SetFilterOnOpen(int column, const std::string& text) {
  try {
    std::string problem;
    std::vector<std::string> values = saved_filters::SplitSavedText(text, problem);
    if (!problem.empty()) {
      Log(Variant(), "Saved filter of column " + std::to_string(column) + " ignored: " + problem);
      return;
    }
    if (values.empty()) return;
    SetFilterParam(column, values, false, false, false);
  } catch (...) {
    LogException("SetFilterOnOpen");
  }
}

void OrderBookGrid::ApplyFilterOnOpen() {
  try {
    if (!regGeneralXMLSettings.bSettingsReady) return;
    const OrderBookFilterSettings& block = SavedFilterBlock(Variant());
    for (int column : kRestoreOrder) {
      const std::string* text = block.TextForColumn(column);
      if (text && !text->empty()) SetFilterOnOpen(column, *text);
    }
    if (block.cRangeStart.empty() || block.cRangeEnd.empty()) return;

    // A saved range holds the pickers' time texts; they are read on the host's current date, as
    // the filter bar builds its range, or every dated order would fall outside them.
    const orv::platform::OleDateTime from = time_range::ParseRangeEnd(block.cRangeStart);
    const orv::platform::OleDateTime till = time_range::ParseRangeEnd(block.cRangeEnd);
    FilterBarMirror* bar = header_filter::FilterBarOf(*this);
    if (!from.IsValid() || !till.IsValid() || block.cRangeStart.size() > saved_filters::kMaxSavedText ||
        block.cRangeEnd.size() > saved_filters::kMaxSavedText) {
      Log(Variant(), "Saved time range ignored: the range texts are not times");
      return;
    }
    MULTIPLEFILTER_PARAM param;
    param.nCol = COL_Server_Entry_Time;
    param.pOwner = GetOwnerWnd();
    param.lstValues = {block.cRangeStart, block.cRangeEnd};
    param.dtFrom = from;
    param.dtTill = till;
    param.bAll = time_range::SameRangeEnd(from, till);
    if (param.bAll) {
      ClearFilter(COL_Server_Entry_Time);
      if (bar) bar->SetTimeRange(header_filter::ClearedFrom(), header_filter::ClearedTill());
    } else {
      AddFilter(COL_Server_Entry_Time, param);
      if (bar)
        bar->SetTimeRange(header_filter::TodayWithTimeOf(from, header_filter::ClearedFrom()),
                          header_filter::TodayWithTimeOf(till, header_filter::ClearedTill()));
    }
    FilterGridData();
  } catch (...) {
    LogException("ApplyFilterOnOpen");
  }
}
