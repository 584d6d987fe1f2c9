#include "view/OrderBookGrid.h"

#include "host/AppOrderBook.h"
#include "actions/GridCancelPass.h"
#include "actions/SlicedWork.h"
#include "actions/StatusBarTotals.h"
#include "filterbar/OrderBookFilter.h"
#include "host/CustomSplitterControl.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

namespace {

// The docking window a created grid belongs to: the grid sits in the window's splitter (or, in
// hosts without one, straight in the window).
OrderBookWnd* DockingWindowOf(const orv::platform::Window& grid) {
  orv::platform::Window* parent = grid.GetParent();
  if (auto* splitter = dynamic_cast<CustomSplitterControl*>(parent)) parent = splitter->GetParent();
  return dynamic_cast<OrderBookWnd*>(parent);
}

}  // namespace

OrderBookGrid::OrderBookGrid(ViewVariant variant) : m_pVariant(&DescriptionOf(variant)) {
  SetGridId(m_pVariant->nGridIdentity);
}

OrderBookGrid::~OrderBookGrid() {
  KillTimer(Variant().nRefreshTimerId);
  AppOrderBook::RemoveOrderBookWnd(this);
}

void OrderBookGrid::LogException(std::string_view operation) const {
  if (m_pWnd) m_pWnd->LogException(Variant().cGridClass, operation);
}

void OrderBookGrid::SetStatusbarValues(std::int32_t token, const std::string& symbol, const std::string& exchange) {
  StatusBarTotals::Write(*this, token, symbol, exchange);
}

const ContractRowTotals* OrderBookGrid::KeptTotals(std::int32_t token) const {
  const OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
  if (book.IsInsertPost || book.IsUpdatePost) return nullptr;
  return m_rowTracker.WatchedTotals(token);
}

void OrderBookGrid::AssignOrderDataSourceByOrderStatus() {
  m_RowVector = AppOrderBook::Book(Variant().eBook).vctDisplayed;
  m_rowTracker.Forget();
  if (bGridCreated) SetVirtualRows(static_cast<int>(m_RowVector.size()));  // see FillVirutalRows
}

int OrderBookGrid::OnCreate() {
  try {
    EnableMarkSortedColumn(true, false);
    EnableMultipleSort(true);
    EnableHeader(true, 5);
    SetScalingRange(0.1, 4.0);
    CreateColumns(*this, Variant());
    InstallColumnComparers();
    EnableHeaderFilterButtons();
    EnableVirtualMode([this](orv::platform::DispInfo& info) {
      // Row-level requests carry column -1 and need nothing from the view.
      return info.item.nCol == -1 ? true : GetItemValue(&info);
    });
    EnableFilter(true);
    SetOutOfFilterLabel("No Available");
    SetScrollBarsStyle(1);
    ShowWindow(true);
    SetGridId(Variant().nGridIdentity);
    // A grid outside a view window keeps the window it was given with SetOwnerWnd.
    if (OrderBookWnd* wnd = DockingWindowOf(*this)) m_pWnd = wnd;
    if (m_pWnd) {
      m_pWnd->SetGrid(this);
      if (OrderBookFilter* bar = m_pWnd->GetFilterBar()) bar->SetGrid(this);
      LoadGridProfile(m_pWnd->GetFormSettingsName());
    }
    AdjustLayout();
    AppOrderBook::SetOrderBookWnd(this);
    FillGridMaster();
    AdjustLayout();
    bGridCreated = true;
    return 0;
  } catch (...) {
    LogException("OnCreate");
    return -1;
  }
}

