#pragma once
// The host's settings, rights, market states and shared records, read by the views at the moment
// of use (never cached). All members are used on the user-interface thread.
#include "host/HostWindowRegistry.h"
#include "host/records/LoginResponse.h"
#include "host/records/WindowPassing.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class CScriptDesc;
class LogWriter;

using WriteInLogFileFn = void (*)(const char* source, const char* text);

struct UserInfo {
  std::string cRole;      // "Dealer", "Admin", ...
  std::string cOwnerId;   // user that owns this one
  int iState = 0;         // 1: disabled
  int iIBT = 0;           // 1: internet-based trading user
};

// A map the host locks while it walks it.
template <typename K, typename V>
struct LockableMap {
  std::map<K, V> items;
  mutable std::recursive_mutex mutex;
  void Lock() const { mutex.lock(); }
  void Unlock() const { mutex.unlock(); }
};

struct MktSegmentDetails {
  // Exchange name -> market types offered for it ("E", "F", "O", ...), in display order.
  std::map<std::string, std::vector<std::string>> mapSegments;
};

// Filled by the single-order history command; the host reads it at these byte offsets.
struct SingleOrderDetail : PacketBytes<100> {};

class AppGlobal final {
 public:
  // X-macro lists of the plain settings, so that hosts and the scenario driver can set them by name.
#define ORV_APPGLOBAL_INT_MEMBERS(X)                                                              \
  X(bNSE_Exchange) X(g_bNSEFO_Exchange) X(g_bNSESLBM_Exchange) X(bBSE_Exchange)                   \
  X(g_bBSE_FO_Exchange) X(g_bMCX_Exchange) X(bNCDEX_Exchange) X(m_bNSECurrency_Exchange)          \
  X(g_bMCXSX_CD_EXCHANGE) X(g_bKZTQ_Exchange) X(g_bUSE_Exchange) X(g_bDGCX_Exchange)              \
  X(g_bCME_Exchange) X(g_bMCXSX_EQ_EXCHANGE) X(g_bMCXSX_FO_EXCHANGE) X(g_bBSECD_Exchange)         \
  X(g_bBINX_Exchange) X(g_bNINX_Exchange) X(g_bNSE_OFS_Exchange) X(g_bNSECOM_Exchange)            \
  X(g_bBSECOM_Exchange) X(g_bTTFIX_Exchange)                                                      \
  X(iBSE_Status) X(iBSEFO_Status) X(iBSE_CD_Status) X(iBSE_COM_Status) X(iBINX_Status)            \
  X(iNINX_Status) X(iCME_Status) X(iDGCX_Status) X(iMCX_Status) X(iMCXSX_Status)                  \
  X(iMCXSXEQ_Status) X(iMCXSXFO_Status) X(iNCDEX_Status) X(iNCurrency_Status)                     \
  X(iNSE_COM_Status) X(iTTFix_Status) X(g_iUSE_Status)                                            \
  X(g_iEQNormalMarketStatus) X(g_iFONormalMarketStatus) X(g_iSLBMNormalMarketStatus)              \
  X(g_iNSEOFSNormalMarketStatus) X(g_iBSEOFSNormalMarketStatus)                                   \
  X(g_bViewOnlyMiniAdmin) X(g_bPendingModify) X(g_bPendingMultiOrdersModify)                      \
  X(bGeneralSettings_24HrTimeFormat) X(bGeneralSettings_ClientCode_focus)                         \
  X(bGeneralSettings_Disable_Misc_Ctrl) X(g_bLastOrderSelection) X(g_bLastOrderSelectionLowPerf)  \
  X(g_bPendingOrdersOnBulkWindow) X(g_bEnableManualAllowedForAlgo) X(g_bEnableStartEndTimeInF3F8) \
  X(g_bGeneralSettings_HideTitlBarMktWatch) X(g_bIOMOrderLoginStatus) X(g_bManualNotAllowed)      \
  X(g_bManualTimerAlgoLogin) X(g_bManualTimerAlgoSetting) X(g_bSpreadBuySellColor)                \
  X(g_bAltF6SqrOff_glob) X(bIsDontAllowMODOrderViewClient) X(bOrderSettings_OrderCancel)          \
  X(bSAASAdminDealerOrMiniAdmin) X(bServerConnect) X(bCOCQuoteBasedStart)                         \
  X(g_iIsShiftF3ProcessEvent) X(iTransactionCode) X(g_bKeepUserScroll)

#define ORV_APPGLOBAL_LONG_MEMBERS(X) \
  X(CurrentLOurTokenForApp) X(g_lShiftF3ProcessEventTime) X(lTotalQty) X(lTime)

#define ORV_APPGLOBAL_TEXT_MEMBERS(X) \
  X(cGeneralSettings_Exchange) X(cGeneralSettings_OrderBook) X(cOrderSettings_MarketType)

#define ORV_DECLARE_INT(name) static inline int name = 0;
#define ORV_DECLARE_LONG(name) static inline long name = 0;
#define ORV_DECLARE_TEXT(name) static inline std::string name;
  ORV_APPGLOBAL_INT_MEMBERS(ORV_DECLARE_INT)
  ORV_APPGLOBAL_LONG_MEMBERS(ORV_DECLARE_LONG)
  ORV_APPGLOBAL_TEXT_MEMBERS(ORV_DECLARE_TEXT)
#undef ORV_DECLARE_INT
#undef ORV_DECLARE_LONG
#undef ORV_DECLARE_TEXT

  // Sets or reads a plain setting by its member name; false for an unknown name or a value that
  // is not a number where a number is wanted.
  static bool SetMemberByName(std::string_view name, std::string_view value);
  static bool GetMemberByName(std::string_view name, std::string& value);
  static std::vector<std::string> MemberNames();

  static inline ORVEL5901* g_pObjLoginResponse = nullptr;
  static inline WindowPassing objWindowPassing{};
  static inline SingleOrderDetail m_objSingleOrderDetail{};

  static inline std::vector<std::string>* m_pExchangeList = nullptr;
  static inline MktSegmentDetails* g_pMktSegmentDetails = nullptr;
  static inline LockableMap<std::string, UserInfo> g_ObjUserInfoMap;
  static inline std::vector<std::string>* g_pRetailerUserList = nullptr;
  // Investor code -> client name; ordered, the client-code completion takes the smallest match.
  static inline std::map<std::string, std::string> map_pobjInvestorClientMap;
  static inline std::map<std::string, int> map_NonModStrategy;

  static inline CScriptDesc* g_pScriptDesc = nullptr;
  static inline OrvFocusCtrl m_FocusCtrl;
  static inline InteractiveRouterMap* m_pInteractiveRouterMap = nullptr;

  // The host's log writer: appends one line to the log named by the source.
  static inline WriteInLogFileFn pWriteInLogFile = nullptr;
  // Routes pWriteInLogFile to a log writer (null: lines are dropped).
  static void SetLogWriter(LogWriter* writer);
  static LogWriter* GetLogWriter();

  // Clears everything back to a fresh host (tests and the scenario driver start from here).
  static void ResetForTests();
};
