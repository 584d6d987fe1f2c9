#pragma once
// The peer the benchmarks set the views against: the store's Pending records behind a
// QAbstractTableModel whose data() gives each cell as the view shows it (the token as a number),
// for Qt's QSortFilterProxyModel to filter or sort.
#include "host/AppOrderBook.h"
#include "host/OrvEnumsMethods.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/ViewVariant.h"

#include <QAbstractTableModel>

namespace bench {

class PendingPeerModel final : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex& = {}) const override {
    return static_cast<int>(AppOrderBook::vctDisplayedOrderBook.size());
  }
  int columnCount(const QModelIndex& = {}) const override { return DescriptionOf(ViewVariant::Pending).nColumnCount; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    OrderBookDetails* r = AppOrderBook::vctDisplayedOrderBook[static_cast<std::size_t>(index.row())];
    if (index.column() == COL_Order_Status) {
      auto text = OrvEnumsMethods::GetOrderStatus(r->eOrderStatus);
      return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    }
    if (index.column() == COL_lOurToken) return QVariant(r->lOurToken);
    CellTextBuffer buffer;
    std::string_view text = GetItemText(r, index.column(), DescriptionOf(ViewVariant::Pending), buffer);
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
  }
};

}  // namespace bench
