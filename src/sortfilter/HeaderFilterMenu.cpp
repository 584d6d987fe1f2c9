// The column header filter menu: which columns have a button and how it looks, the menu's state
// and values, and the apply command that stores the ticked values.
#include "view/OrderBookGrid.h"

#include "host/AppOrderBook.h"
#include "host/HostMenus.h"
#include "host/platform/Application.h"
#include "sortfilter/DistinctTexts.h"
#include "sortfilter/HeaderFilterColumns.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

namespace {

constexpr int kImageFiltered = 3;
constexpr int kImageAscending = 1;
constexpr int kImageDescending = 2;

}  // namespace

void OrderBookGrid::EnableHeaderFilterButtons() {
  for (const HeaderFilterColumn& c : HeaderFilterColumns()) {
    if (FindHeaderFilterColumn(c.nCol, Variant()) != nullptr) EnableColumnFilterButton(c.nCol, true);
  }
}

int OrderBookGrid::GetHeaderMenuButtonImageIndex(int col, bool withSortMark) const {
  if (!IsFilterableColumn(col, Variant())) return -1;
  int image = IsFilterExist(col) ? kImageFiltered : 0;
  if (withSortMark) {
    const int state = GetColumnState(col);
    if (state == 1) image += kImageAscending;
    else if (state == -1) image += kImageDescending;
  }
  // A strip with fewer images leaves the choice to the grid control.
  if (image < GetHeaderBtnImageCount()) return image;
  return OrvGridCtrl::GetHeaderMenuButtonImageIndex(col, withSortMark);
}

void OrderBookGrid::PrepareHeaderMenuColumn(int col) {
  nHeaderMenuColumn = col;
  m_FilterColumnInfo.Clear();
  m_FilterColumnInfo.nCol = col;
  m_FilterColumnInfo.bAll = !IsFilterExist(col);
  if (const MULTIPLEFILTER_PARAM* filter = FindFilter(col)) {
    m_FilterColumnInfo.lstValues.insert(m_FilterColumnInfo.lstValues.end(), filter->lstValues.begin(),
                                        filter->lstValues.end());
  }
}

void OrderBookGrid::OnHeaderMenuButtonClick(int col) {
  try {
    OrvGridCtrl::OnHeaderMenuButtonClick(col);
    if (!IsFilterableColumn(col, Variant())) return;
    PrepareHeaderMenuColumn(col);

    // The menu is the host's: without it there is nothing to show.
    orv::platform::Menu menu;
    const bool loaded = HasApp() ? menu.LoadMenu(App().Resources(), HostMenus::kHeaderFilterMenu)
                                 : menu.LoadMenu(HostMenus::kHeaderFilterMenu);
    orv::platform::Menu* popup = loaded ? menu.GetSubMenu(0) : nullptr;
    if (popup == nullptr) return;
    popup->RemoveMenu(HostMenus::kGroupByColumn, orv::platform::MF_BYCOMMAND);
    popup->RemoveMenu(HostMenus::kFilterRow, orv::platform::MF_BYCOMMAND);

    std::vector<std::string> values;
    GetStringList(values, col);
    orv::platform::ShowFilterMenu(*this, std::move(*popup), HostMenus::kApplyFilter, col, m_FilterColumnInfo,
                                  std::move(values));
  } catch (...) {
    LogException("OnHeaderMenuButtonClick");
  }
}

void OrderBookGrid::OnApplyFilter() {
  try {
    // A header menu command before any header menu was opened has no column to act on.
    if (m_FilterColumnInfo.nCol < 0) return;
    SetFilterParam(m_FilterColumnInfo.nCol, m_FilterColumnInfo.lstValues, m_FilterColumnInfo.bAll, true, false);
  } catch (...) {
    LogException("OnApplyFilter");
  }
}

void OrderBookGrid::GetStringList(std::vector<std::string>& out, int column) {
  try {
    const HeaderFilterColumn* c = FindHeaderFilterColumn(column, Variant());
    if (c == nullptr || column > COL_OrderLeg) return;
    switch (c->eOffered) {
      case OfferedValues::None:
        return;
      case OfferedValues::Fixed: {
        const std::vector<std::string>& list = GetRefFilterValues(column);
        out.insert(out.end(), list.begin(), list.end());
        return;
      }
      case OfferedValues::Statuses: {
        const std::vector<std::string>& list = OrderStatusFilterValues(Variant());
        out.insert(out.end(), list.begin(), list.end());
        return;
      }
      case OfferedValues::Distinct:
        break;
    }
    // Every displayed record, not only the rows shown: a value hidden by another column's filter
    // must stay choosable.
    const std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(Variant().eBook).vctDisplayed;
    const CellTextReader read = PlainTextReader(column, Variant());
    CellTextBuffer buffer;
    DistinctTexts distinct;
    for (OrderBookDetails* record : displayed) {
      if (record == nullptr) continue;
      distinct.Add(read ? read(*record) : GetItemText(record, column, Variant(), buffer));
    }
    distinct.MoveSortedInto(out);
  } catch (...) {
    LogException("GetStringList");
  }
}

std::string OrderBookGrid::GetFilterValues(const std::vector<std::string>& values) {
  std::string joined;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i != 0) joined += ',';
    joined += values[i];
  }
  return joined;
}
