#pragma once
// Everything that differs between the Pending Orders and the GTD Order Book views. The two views
// are one implementation that reads this description.
#include "host/OrderBookTypes.h"

#include <cstdint>
#include <string_view>

enum class ViewVariant { Pending, GTD };

struct VariantDescription {
  ViewVariant eVariant;
  BookKind eBook;
  std::string_view cWndClass;       // "OrvPendingOrdersWnd"
  std::string_view cGridClass;      // "OrvPendingOrdersGrid"
  std::string_view cFilterClass;    // "OrvOrdersFilter"
  std::string_view cFrameClass;     // "OrvOrdersFilterFrame"
  int nFilterDialogResource;        // 7350 / 61551
  int nWindowIdentity;              // 10005 / 50093
  std::string_view cWindowTypeName; // "PendingOrder" / "GTDOrderBook"
  std::string_view cListName;       // name in the log-off and focus lists
  unsigned nRefreshTimerId;         // 10150 / 10159
  bool bBulkItemsFollowSetting;     // Pending: enabled by g_bPendingOrdersOnBulkWindow; GTD: always grey
  bool bModifyAllowed;              // GTD refuses with "Modification is not allowed"
  bool bCancelAllAllowed;           // GTD refuses with "Cancellation is not allowed"
  int nGridIdentity;                // 2 / 168
  int nColumnCount;                 // 69 / 73
  bool bHasOrderInitiateTime;       // GTD also filters by Order_Initiate_Time
  bool bAlwaysDropContractless;     // GTD drops contract-less rows at every refresh
  std::string_view cLegacyLogSource;// "PendingOrders" / "GTDOrderBook"
  bool bUsesPendingOrderFlag;       // Pending binds SetPendingOrderFlag and sets/clears it
  std::string_view cCreationLogLine;
  unsigned nCancelMessage;          // 8976 / 8977
  std::string_view cStatusPaneTitle;// "Pending Orders Of All Scrips" / "GTD Order Book Of All Scrips"
  bool bCancelsGttOnly;             // GTD collects only GTT rows; Pending refuses the command on one
  bool bManualCheckHonoursAlgo;     // Pending lets g_bEnableManualAllowedForAlgo through the manual check
  bool bChecksNonModStrategy;       // Pending skips orders of the strategies in map_NonModStrategy
  bool bMarketWarningByTransactionCode; // GTD: iTransactionCode 5520 (not the first record) mutes the warning
  std::string_view cIobLinkCaption; // "Pending Orders-IOB Link" / "GTD Order Book-IOB Link"
  bool bSpreadPictureByLegs;        // Pending: a spread's market picture names both legs' tokens
  std::string_view cModifyLogName;  // log of the view-only refusal: "Pending Orders" / "GTD Order Book"
};

const VariantDescription& DescriptionOf(ViewVariant variant);
