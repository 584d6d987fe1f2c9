// The cancel requests the window builds and sends itself: a normal order's cancel handed to the
// host's order sender, a spread order's cancel with its refusals, the record lookups behind them
// and the audit lines of cancels sent on another dealer's behalf.
#include "actions/CancelAuditLog.h"
#include "actions/CancelRequestBuilder.h"
#include "actions/OrderRecordLookup.h"
#include "actions/SpreadRequestFields.h"
#include "actions/ActionSupport.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookWnd.h"

#include <cerrno>
#include <cmath>
#include <limits>
#include <string>

namespace pf = orv::platform;

namespace {

constexpr const char* kConfirmCaption = "Cancel Order/s Confirmation";
constexpr unsigned kQuoteBasedCancelMessage = 9952;

using ActionSupport::FindOrderSender;
using ActionSupport::Log;

void LogMissingSender(const OrderBookWnd& wnd, std::string_view operation) {
  std::string text(wnd.Variant().cWndClass);
  text.append("::").append(operation);
  text += "(), the host exports no SendCOCOrderExeFn: no cancel request sent";
  Log(wnd, kExceptionLogSource, text);
}

// The exchange order number as the host's 9952 message carries it: an unsigned 64-bit integer
// (numbers that have none, such as negative ones, travel as 0).
pf::WPARAM OrderNumberParam(double orderNumber) {
  if (!(orderNumber > 0.0)) return 0;
  constexpr double kLimit = 18446744073709551616.0;  // 2^64
  if (orderNumber >= kLimit) return std::numeric_limits<pf::WPARAM>::max();
  return static_cast<pf::WPARAM>(std::trunc(orderNumber));
}

}  // namespace

void OrderBookWnd::OrderCancellation(OrderBookDetails record, bool bNoQuestion) {
  try {
    const std::vector<std::uint32_t>& listed = AppOrderBook::Book(Variant().eBook).vctCancellation;
    // With confirmations off there is nothing to ask: an empty question would only block the cancel.
    if (!listed.empty() && !bNoQuestion && bOrderCancelConfirm != 0 &&
        MessageBox("Sure You Want to Cancel ", kConfirmCaption, pf::MB_YESNO | pf::MB_ICONQUESTION) != pf::IDYES)
      return;

    const SendCOCOrderExeFn send = FindOrderSender();
    if (!send) return LogMissingSender(*this, "OrderCancellation");

    const CancelRequester requester = CancelRequester::FromLogin();
    ORVEL_ORDER_ENTRY request = CancelRequestBuilder::BuildCancelRequest(
        record.objOrderEntry, requester, AppGlobal::iTransactionCode == CancelRequestBuilder::kUnconfirmedEntryCode);
    const std::string header = CancelRequestBuilder::AuditHeader(request, requester);
    const double orderNumber = request.exchangeOrderNo();

    if (AppGlobal::bCOCQuoteBasedStart && HasApp())
      App().MainWindow().Post(kQuoteBasedCancelMessage, OrderNumberParam(orderNumber), 0);

    if (m_SentOrderCancels.Contains(orderNumber, request.ourOrderNo())) return;
    send(&request, orderNumber);
    m_SentOrderCancels.Record(orderNumber, request.ourOrderNo(), request.buySell());
    if (!header.empty()) LogCancelOrderRequest(header, request);
  } catch (...) {
    LogException("OrderCancellation");
  }
}

int OrderBookWnd::CancelSpreadOrderLogic(double orderNumber) {
  try {
    const SendCOCOrderExeFn send = FindOrderSender();
    if (orderNumber == 0.0) return 0;
    ORVEL_SPREAD_OE_REQUEST record;
    if (!getSpreadOrderRecord(orderNumber, &record)) return 0;
    if (const std::string refusal = CancelRequestBuilder::SpreadCancelRefusal(record, orderNumber); !refusal.empty()) {
      MessageBox(refusal, "", pf::MB_OK);
      return 0;
    }
    if (!send) {
      LogMissingSender(*this, "CancelSpreadOrderLogic");
      return 0;
    }

    const CancelRequester requester = CancelRequester::FromLogin();
    CancelRequestBuilder::SpreadCancel cancel = CancelRequestBuilder::BuildSpreadCancelRequest(record, requester);
    const std::uint32_t ourOrderNo = SpreadRequestFields::OurOrderNo(cancel.request);
    if (m_SentSpreadCancels.Contains(orderNumber, ourOrderNo)) return 0;
    send(&cancel.request, orderNumber);
    m_SentSpreadCancels.Record(orderNumber, ourOrderNo, cancel.request.buySell());
    if (cancel.bOnOtherDealersBehalf) LogCancelSpdOrderRequest(cancel.request);
    return 1;
  } catch (...) {
    Log(*this, kExceptionLogSource, "Exception in CancelSpreadOrderLogic - PendingOrders");
    return 0;
  }
}

int OrderBookWnd::getOrderRecord(double orderNumber, ORVEL_ORDER_ENTRY* pOrderEntry, unsigned lOurOrderNo) {
  try {
    return OrderRecordLookup::FindOrder(
        orderNumber, pOrderEntry, lOurOrderNo, AppGlobal::iTransactionCode == CancelRequestBuilder::kUnconfirmedEntryCode,
        [this](const char* source, const std::string& text) { Log(*this, source, text); });
  } catch (...) {
    Log(*this, kExceptionLogSource, "Exception in getOrderRecord - PendingOrders");
    return 0;
  }
}

int OrderBookWnd::getSpreadOrderRecord(double orderNumber, ORVEL_SPREAD_OE_REQUEST* pSpreadRequest) {
  try {
    return OrderRecordLookup::FindSpreadOrder(orderNumber, pSpreadRequest);
  } catch (...) {
    LogException("getSpreadOrderRecord");
    return 0;
  }
}

void OrderBookWnd::LogCancelOrderRequest(std::string_view header, const ORVEL_ORDER_ENTRY& request) const {
  try {
    Log(*this, CancelAuditLog::kSource, CancelAuditLog::OrderLine(header, request, AppGlobal::g_pScriptDesc));
  } catch (...) {
    Log(*this, kExceptionLogSource,
        "Exception In CPendingOrders::LogOrderRequest(), ErrorCode - " + std::to_string(errno));
  }
}

void OrderBookWnd::LogCancelSpdOrderRequest(const ORVEL_SPREAD_OE_REQUEST& request) const {
  try {
    const CancelRequester requester = CancelRequester::FromLogin();
    Log(*this, CancelAuditLog::kSource,
        CancelAuditLog::SpreadLine(request, requester.cDealerId, AppGlobal::g_pScriptDesc));
  } catch (...) {
    Log(*this, kExceptionLogSource,
        "Exception In CPendingOrders::LogCancelSpdOrderRequest(), ErrorCode - " + std::to_string(errno));
  }
}
