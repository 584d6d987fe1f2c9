#pragma once
// Checks and texts the grid's order commands share: whether this login may trade by hand, and
// what the user is told about orders of a strategy the host bars from this terminal.
#include "host/AppGlobal.h"
#include "host/platform/MessageBoxService.h"
#include "view/OrderBookGrid.h"

namespace OrderActionChecks {

// The quotes are the Windows-1252 ones the host's texts use.
inline constexpr const char* kStrategyRefusal =
    "Orders placed from \x91Nivra\x92 cannot be modified or cancelled from this terminal. Please contact your "
    "administrator for more information";

// True (and the user told) when manual trading is barred for this login.
inline bool ManualTradingRefused(const OrderBookGrid& grid) {
  if (!AppGlobal::g_bManualNotAllowed) return false;
  if (grid.Variant().bManualCheckHonoursAlgo && AppGlobal::g_bEnableManualAllowedForAlgo == 1) return false;
  if (AppGlobal::g_bManualTimerAlgoLogin && AppGlobal::g_bManualTimerAlgoSetting) return false;
  grid.MessageBox("Manual trading is not allowed.Please contact to Admin", "ZARU Client", orv::platform::MB_OK);
  return true;
}

}  // namespace OrderActionChecks
