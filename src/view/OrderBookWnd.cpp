#include "view/OrderBookWnd.h"

#include "actions/SlicedWork.h"
#include "actions/WindowCancelPass.h"
#include "filterbar/OrderBookFilterFrame.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/GeneralXmlSettings.h"
#include "host/GlobalFunctions.h"
#include "host/platform/Application.h"
#include "view/ColumnCatalogue.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookGrid.h"
#include "sortfilter/SavedFilterBlock.h"

#include <strings.h>

#include <cerrno>

namespace {

constexpr const char* kBindingCaption = "ZARU Client";

template <typename Fn>
Fn Bind(HMODULE module, std::string_view name) {
  return EntryPointRegistry::Resolve<Fn>(module, name);
}

}  // namespace

OrderBookWnd::OrderBookWnd(ViewVariant variant) : m_pVariant(&DescriptionOf(variant)) { BindEntryPoints(); }

void OrderBookWnd::BindEntryPoints() {
  HMODULE tradeBridge = EntryPointRegistry::Instance().LoadLibraryExA(kTradeBridgeLibrary);

  struct Required {
    const char* name;
    const char* error;
  };
  // The last error text has a capital M: the host's users know these boxes by their exact words.
  const Required required[] = {
      {"RemoveItem", "Error on TradeBridgeDll's RemoveItem method"},
      {"ItemCount", "Error on TradeBridgeDll's ItemCount method"},
      {"RemovePendingAll", "Error on TradeBridgeDll's RemovePendingAll method"},
      {"SetPendingOrderFlag", "Error on TradeBridgeDll's SetPendingOrderFlag Method"},
  };
  const std::size_t requiredCount = Variant().bUsesPendingOrderFlag ? 4 : 3;
  GenericEntryPoint bound[4] = {};
  for (std::size_t i = 0; i < requiredCount; ++i) {
    bound[i] = EntryPointRegistry::Instance().GetProcAddress(tradeBridge, required[i].name);
    if (!bound[i]) {
      if (HasApp())
        App().MessageBoxes().Show(required[i].error, kBindingCaption, orv::platform::MB_OK);
      return;  // the window stays usable, just outside the host's lists
    }
  }
  m_pfnRemoveItem = reinterpret_cast<RemoveItemFn>(bound[0]);
  m_pfnItemCount = reinterpret_cast<ItemCountFn>(bound[1]);
  m_pfnRemovePendingAll = reinterpret_cast<RemovePendingAllFn>(bound[2]);
  m_pfnSetPendingOrderFlag = reinterpret_cast<SetPendingOrderFlagFn>(bound[3]);

  if (HMODULE common = getCommonIncludeDLLHandle()) {
    m_pfnWriteInLogFile = Bind<WriteInLogFileFn>(common, "WriteInLogFile");
    m_pfnConvertTime = Bind<ConvertTimeFn>(common, "ConvertTime");
    m_pfnExpiryConversion = Bind<ExpiryConversionFn>(common, "ExpiryConversion");
    m_pfnMCXExpiryConversion = Bind<ExpiryConversionFn>(common, "MCXExpiryConversion");
    m_pfnCMEExpiryConversion = Bind<ExpiryConversionFn>(common, "CMEExpiryConversion");
    m_pfnDGCXExpiryConversion = Bind<ExpiryConversionFn>(common, "DGCXExpiryConversion");
    m_pfnConvertTimeInTimeStamp = Bind<ConvertTimeInTimeStampFn>(common, "ConvertTimeInTimeStamp");
  }

  if (AppGlobal::g_pObjLoginResponse) m_cUserId = std::string(AppGlobal::g_pObjLoginResponse->userId());
  m_cWindowType = std::string(Variant().cWindowTypeName);
  GlobalFunctions::InsertInLogOffList(this, Variant().cListName, 1, Variant().nWindowIdentity, 1, 1, 0, 0);
  GlobalFunctions::InsertInFocusList(this, Variant().cListName, 1, Variant().nWindowIdentity);

  if (Variant().bUsesPendingOrderFlag) {
    m_mapLegacyBuyQtyByToken.clear();
    m_mapLegacySellQtyByToken.clear();
    m_lstLegacyCancelOrders.clear();
    m_bLegacyMembersCreated = true;
    m_pfnSetPendingOrderFlag(1);
  }
  m_pGrid = nullptr;
  m_pFilterBar = nullptr;
  m_pFilterFrame = nullptr;
  m_bBindingComplete = true;
}

OrderBookWnd::~OrderBookWnd() {
  if (Variant().bUsesPendingOrderFlag && m_pfnSetPendingOrderFlag) m_pfnSetPendingOrderFlag(0);
  GlobalFunctions::DeleteFromLogOffList(this);
  GlobalFunctions::DeleteFromFocusList(this);
  AppGlobal::m_FocusCtrl.Remove(this);
  CInteractiveRouterManipulation::RemoveInteractiveWindowInfo(AppGlobal::m_pInteractiveRouterMap, this);
  m_pFilterBar = nullptr;
  m_pFilterFrame = nullptr;
}

void OrderBookWnd::WriteLog(const char* source, const std::string& text) const {
  if (m_pfnWriteInLogFile) m_pfnWriteInLogFile(source, text.c_str());
}

void OrderBookWnd::LogException(std::string_view operation) const {
  LogException(Variant().cWndClass, operation);
}

void OrderBookWnd::LogException(std::string_view className, std::string_view operation) const {
  WriteLog(kExceptionLogSource, FormatExceptionLine(className, operation, errno));
}

orv::platform::LRESULT OrderBookWnd::UpdateToCancelOrderStatus(orv::platform::WPARAM, orv::platform::LPARAM) {
  WriteLog(Variant().cLegacyLogSource.data(), "Exception in UpdateToCancelOrderStatus - PendingOrders");
  return 0;
}

orv::platform::LRESULT OrderBookWnd::OnTimeFormat(orv::platform::WPARAM, orv::platform::LPARAM) {
  WriteLog(Variant().cLegacyLogSource.data(), "Exception in OnTimeFormat - PendingOrders");
  return 0;
}

orv::platform::LRESULT OrderBookWnd::OnSQuareOff_CancelPendOrders(orv::platform::WPARAM, orv::platform::LPARAM) {
  WriteLog(Variant().cLegacyLogSource.data(), "Exception in OnSQuareOff_CancelPendOrders - PendingOrders");
  return 0;
}

void OrderBookWnd::ShowControlBar(bool show, bool delay, bool activate) {
  CustomDockingControlBar::ShowControlBar(show, delay, activate);
  if (!m_pGrid) return;
  try {
    if (show) {
      const auto& saved = SavedFilterBlock(Variant());
      if (!saved.bSaveFilter) {
        auto showsAll = [](const std::string& text) { return ::strcasecmp(text.c_str(), "All") == 0; };
        m_pGrid->SetDefaultDemoFilter(COL_Order_Type, AppGlobal::cGeneralSettings_OrderBook,
                                      showsAll(AppGlobal::cGeneralSettings_OrderBook), true, false);
        m_pGrid->SetDefaultDemoFilter(COL_Mkt_Seg, AppGlobal::cOrderSettings_MarketType,
                                      showsAll(AppGlobal::cOrderSettings_MarketType), true, false);
      }
      AppOrderBook::Book(Variant().eBook).IsInsertPost = 1;
    }
    m_pGrid->StartStopProcess(show ? 1 : 0, 0);
  } catch (...) {
    LogException("ShowControlBar");
  }
}
