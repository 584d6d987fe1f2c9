#pragma once
// What the window's cancel code shares: the host's order sender and the window's log.
#include "host/AppGlobal.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "view/OrderBookWnd.h"

#include <string>

namespace WindowCancelSupport {

inline SendCOCOrderExeFn FindOrderSender() {
  return EntryPointRegistry::Resolve<SendCOCOrderExeFn>(GetMainModuleHandle(), "SendCOCOrderExeFn");
}

// Through the window's log writer, or the host's when the window could not bind one.
inline void Log(const OrderBookWnd& wnd, const char* source, const std::string& text) {
  if (wnd.IsBindingComplete()) wnd.WriteLog(source, text);
  else if (AppGlobal::pWriteInLogFile) AppGlobal::pWriteInLogFile(source, text.c_str());
}

}  // namespace WindowCancelSupport
