#pragma once
// The virtual grid of an order-book view, one implementation for both variants.
#include "host/LegacyTypes.h"
#include "host/OrvGridCtrl.h"
#include "host/records/OrderBookDetails.h"
#include "view/ViewVariant.h"

class OrderBookWnd;

class OrderBookGrid : public OrvGridCtrl {
 public:
  explicit OrderBookGrid(ViewVariant variant);
  ~OrderBookGrid() override;

  const VariantDescription& Variant() const { return *m_pVariant; }
  OrderBookWnd* GetOwnerWnd() const { return m_pWnd; }
  void SetOwnerWnd(OrderBookWnd* wnd) { m_pWnd = wnd; }

  // The exception line of one of this grid's operations, through the window's log writer.
  void LogException(std::string_view operation) const;

  // --- Entry points the host calls for its older paths: they change nothing. ---
  void AddDatainVirtualGrid(OrderBookDetails&) {}
  void UpdateDataInVirtualGrid(OrderBookDetails&) {}
  void DeleteDataInVirtualGrid() {}
  void FillGrid(int) {}
  void GridProperties() {}
  void OnExchangeMcxsxEqFo() {}
  void OnGrid() {}
  void OnOFS() {}
  void OnUpdateRemoveAllSort(CCmdUI*) {}
  orv::platform::LRESULT GridData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT InsertRecord(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnTrackHeader() { return 0; }

 protected:
  OrderBookWnd* m_pWnd = nullptr;

 private:
  const VariantDescription* m_pVariant;
};

template <ViewVariant V>
class OrderBookGridOf : public OrderBookGrid {
 public:
  OrderBookGridOf() : OrderBookGrid(V) {}
};
