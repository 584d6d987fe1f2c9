#include "view/OrderBookGrid.h"

#include "host/AppOrderBook.h"
#include "view/OrderBookWnd.h"

OrderBookGrid::OrderBookGrid(ViewVariant variant) : m_pVariant(&DescriptionOf(variant)) {
  SetGridId(m_pVariant->nGridIdentity);
}

OrderBookGrid::~OrderBookGrid() { AppOrderBook::RemoveOrderBookWnd(this); }

void OrderBookGrid::LogException(std::string_view operation) const {
  if (m_pWnd) m_pWnd->LogException(Variant().cGridClass, operation);
}
