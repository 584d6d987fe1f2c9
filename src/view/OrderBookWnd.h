#pragma once
// The docking window of an order-book view, one implementation for both variants. It owns the
// status bar, the layout and the order actions, and binds the host libraries' entry points when
// it is constructed.
#include "host/CustomDockingControlBar.h"
#include "host/HostLibraries.h"
#include "host/AppGlobal.h"
#include "host/LegacyTypes.h"
#include "host/records/OrderEntryPacket.h"
#include "view/ViewVariant.h"

#include <list>
#include <map>
#include <string>

class OrderBookGrid;
class OrderBookFilter;
class OrderBookFilterFrame;

class OrderBookWnd : public CustomDockingControlBar {
 public:
  explicit OrderBookWnd(ViewVariant variant);
  ~OrderBookWnd() override;

  const VariantDescription& Variant() const { return *m_pVariant; }

  // Writes one line through the bound log writer; nothing when the writer is missing.
  void WriteLog(const char* source, const std::string& text) const;
  // The exception line of an operation of this window's class (or of `className`).
  void LogException(std::string_view operation) const;
  void LogException(std::string_view className, std::string_view operation) const;

  bool IsBindingComplete() const { return m_bBindingComplete; }
  const std::string& LoggedInUserId() const { return m_cUserId; }
  const std::string& WindowTypeName() const { return m_cWindowType; }

  OrderBookGrid* GetGrid() const { return m_pGrid; }
  OrderBookFilter* GetFilterBar() const { return m_pFilterBar; }
  OrderBookFilterFrame* GetFilterFrame() const { return m_pFilterFrame; }

  // --- Entry points the host calls for its older paths: they change nothing. ---
  void AddOnGrid(ORVEL_ORDER_ENTRY_AND_IN_STRING&, long, long, CBCGPGridRow*, int*) {}
  void AddOnGrid(ORVEL_SPREAD_OE_REQUEST*, long, long, bool, CBCGPGridRow*, int*) {}
  void AddRemoveFromPendingMap(long, long, short, long, short, long, short, double, bool, bool, long) {}
  void AddUnConfirmedEntriesOnGrid(ORVEL_ORDER_ENTRY, CBCGPGridRow*, long) {}
  void AddUpdateRowFromPacket(ORVEL_ORDER_ENTRY) {}
  void FillCompletedOrderInGrid() {}
  void FillGridOnLoad(int) {}
  void FillUnconfirmedOrders(bool, short) {}
  void ModifyOnGrid(ORVEL_ORDER_ENTRY_AND_IN_STRING&, long, long) {}
  void OnModify() {}
  void UpdateFonts() {}
  void UpdateStatusBarText(long, CBCGPGridRow*, int*) {}
  orv::platform::LRESULT GiveRequestColor(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT ModificationSurveillanceFailed(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnBuySellColor(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnFillOrvelData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnFrameSettings(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnOpenWorkspaceData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnSaveWorkspaceData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT RefreshPosition(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  // These three only leave a line in the variant's log.
  orv::platform::LRESULT UpdateToCancelOrderStatus(orv::platform::WPARAM, orv::platform::LPARAM);
  orv::platform::LRESULT OnTimeFormat(orv::platform::WPARAM, orv::platform::LPARAM);
  orv::platform::LRESULT OnSQuareOff_CancelPendOrders(orv::platform::WPARAM, orv::platform::LPARAM);

 protected:
  void SetBackpointerAddress(void* address) { m_pBackpointer = address; }

  OrderBookGrid* m_pGrid = nullptr;
  OrderBookFilter* m_pFilterBar = nullptr;
  OrderBookFilterFrame* m_pFilterFrame = nullptr;

 private:
  void BindEntryPoints();

  const VariantDescription* m_pVariant;
  bool m_bBindingComplete = false;
  std::string m_cUserId;
  std::string m_cWindowType;
  void* m_pBackpointer = nullptr;  // stored only; the views never write through it

  // TradeBridge.
  RemoveItemFn m_pfnRemoveItem = nullptr;
  ItemCountFn m_pfnItemCount = nullptr;
  RemovePendingAllFn m_pfnRemovePendingAll = nullptr;
  SetPendingOrderFlagFn m_pfnSetPendingOrderFlag = nullptr;
  // The shared utility library.
  WriteInLogFileFn m_pfnWriteInLogFile = nullptr;
  ConvertTimeFn m_pfnConvertTime = nullptr;
  ExpiryConversionFn m_pfnExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnMCXExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnCMEExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnDGCXExpiryConversion = nullptr;
  ConvertTimeInTimeStampFn m_pfnConvertTimeInTimeStamp = nullptr;

  // Kept empty; the host's older paths expect them to exist on the Pending window.
  std::map<long, long> m_mapLegacyBuyQtyByToken;
  std::map<long, long> m_mapLegacySellQtyByToken;
  std::list<long> m_lstLegacyCancelOrders;
  bool m_bLegacyMembersCreated = false;

 protected:
  ConvertTimeFn ConvertTimeEntry() const { return m_pfnConvertTime; }
};
