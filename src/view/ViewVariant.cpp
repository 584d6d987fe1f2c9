#include "view/ViewVariant.h"

namespace {

constexpr VariantDescription kPending{
    ViewVariant::Pending,
    BookKind::Pending,
    "OrvPendingOrdersWnd",
    "OrvPendingOrdersGrid",
    "OrvOrdersFilter",
    "OrvOrdersFilterFrame",
    7350,
    10005,
    "PendingOrder",
    "PendingOrders",
    10150,
    true,
    true,
    true,
    2,
    69,
    false,
    false,
    "PendingOrders",
    true,
    "OrvPendingOrdersWnd::OnCreate(), AppGlobal::g_bLastOrderSelectionLowPerf - %d",
    8976,
    "Pending Orders Of All Scrips",
    false,
    true,
    true,
    false,
    "Pending Orders-IOB Link",
    true,
    "Pending Orders",
};

constexpr VariantDescription kGtd{
    ViewVariant::GTD,
    BookKind::GTD,
    "GTDOrderBookWnd",
    "GTDOrderBookGrid",
    "GTDOrderBookFilter",
    "GTDOrderBookFilterFrame",
    61551,
    50093,
    "GTDOrderBook",
    "GTDOrderBook",
    10159,
    false,
    false,
    false,
    168,
    73,
    true,
    true,
    "GTDOrderBook",
    false,
    "GTDOrderBookWnd::OnCreate(), AppGlobal::g_bLastOrderSelectionLowPerf - %d",
    8977,
    "GTD Order Book Of All Scrips",
    true,
    false,
    false,
    true,
    "GTD Order Book-IOB Link",
    false,
    "GTD Order Book",
};

}  // namespace

const VariantDescription& DescriptionOf(ViewVariant variant) {
  return variant == ViewVariant::Pending ? kPending : kGtd;
}
