#pragma once
// What the order actions share: the host's order sender and the window's log.
#include "host/AppGlobal.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "view/OrderBookWnd.h"

#include <string>

namespace ActionSupport {

inline SendCOCOrderExeFn FindOrderSender() {
  return EntryPointRegistry::Resolve<SendCOCOrderExeFn>(GetMainModuleHandle(), "SendCOCOrderExeFn");
}

// Through the window's log writer, or the host's when there is no window or it bound none.
inline void Log(const OrderBookWnd* wnd, const char* source, const std::string& text) {
  if (wnd && wnd->IsBindingComplete()) wnd->WriteLog(source, text);
  else if (AppGlobal::pWriteInLogFile) AppGlobal::pWriteInLogFile(source, text.c_str());
}
inline void Log(const OrderBookWnd& wnd, const char* source, const std::string& text) { Log(&wnd, source, text); }

}  // namespace ActionSupport
