// The host's modification window changed one order; these entry points carry the same change to
// the other orders of the store's modification list and send their requests, and tell the
// window whether the dealer may view or modify his clients' orders.
#include "actions/ActionSupport.h"
#include "actions/ModifyRequestBuilder.h"
#include "host/AppGlobal.h"
#include "host/AppIOB.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "host/recordcache/CInMemClientMapper.h"
#include "host/recordcache/SqlText.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookWnd.h"

#include <cerrno>
#include <cstdio>
#include <vector>

namespace pf = orv::platform;
namespace mrb = ModifyRequestBuilder;

namespace {

constexpr const char* kIobErrorLog = "IobMultiModifyOrderError";

struct ListedOrder {
  OrderBookDetails* first = nullptr;
  OrderBookDetails* second = nullptr;
};

// The records filed under a key, read under the order map's lock.
ListedOrder RecordsOf(OrderRowMap& map, std::uint32_t key) {
  ListedOrder order;
  map.Lock();
  if (const std::vector<OrderBookDetails*>* rows = map.find(key); rows && !rows->empty()) {
    order.first = rows->front();
    if (rows->size() >= 2) order.second = (*rows)[1];
  }
  map.Unlock();
  return order;
}

// True when the dealer may only view this client's orders, so the change must not reach them.
bool ViewOnlyClient(const OrderBookWnd& wnd, const OrderBookDetails& record) {
  if (!AppGlobal::bIsDontAllowMODOrderViewClient) return false;
  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  if (!login || login->userType() != 0) return false;
  const std::string& dealer = wnd.LoggedInUserId();
  if (FieldView(record.OrvelClientId) == dealer) return false;
  CInMemClientMapper* mapper = CInMemClientMapper::getClass();
  if (!mapper) return false;
  const QueryResult rows = mapper->Query(SqlText::Format(
      "select * from clientmapper where corveluserorinvestorid = '%s' and corvelclientid = '%s' and "
      "iorderviewmodify = 1",
      record.Client, dealer));
  return rows.Ok() && rows.RowCount() > 0;
}

}  // namespace

void OrderBookWnd::MultipleRowModifying(const ORVEL_ORDER_ENTRY* packet) {
  ModifyListedOrders(packet ? packet->data() : nullptr, ORVEL_ORDER_ENTRY::kSize);
}

void OrderBookWnd::MultipleRowModifying(const ORVEL_SPREAD_OE_REQUEST* packet) {
  ModifyListedOrders(packet ? packet->data() : nullptr, ORVEL_SPREAD_OE_REQUEST::kSize);
}

void OrderBookWnd::ModifyListedOrders(const unsigned char* packet, std::size_t size) {
  try {
    HMODULE main = GetMainModuleHandle();
    const auto sendSpread =
        EntryPointRegistry::Resolve<SendSpreadOrderExeFn>(main, "SendToServerForOrvel_SpreadOrder_EntryExeFn");
    const auto send = ActionSupport::FindOrderSender();
    OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
    const std::vector<std::uint32_t> keys = book.vctModification;  // a send may call back into the store
    if (!packet || keys.size() < 2) return;
    const mrb::ChangedPacket changed(packet, size);

    int errors = 0;
    auto log = [&](const char* source, const std::string& text) { ActionSupport::Log(*this, source, text); };
    // False ends the walk: an IOB order cannot be changed while the IOB is logged off.
    auto iobLoggedOn = [&] {
      if (AppGlobal::g_bIOMOrderLoginStatus) return true;
      MessageBox("Logon IOB[Ctrl+I] to process modify request.", "Buy Sell Order-IOB Modify Order",
                 pf::MB_ICONINFORMATION);
      return false;
    };
    auto viewOnly = [&](const OrderBookDetails& record) {
      if (!ViewOnlyClient(*this, record)) return false;
      char line[96];
      std::snprintf(line, sizeof line, "Order Not Modify Due to view only rights lourorderno = %d",
                    static_cast<int>(record.RefNo));
      log(Variant().cModifyLogName.data(), line);
      return true;
    };

    for (std::uint32_t key : keys) {
      const ListedOrder order = RecordsOf(book.mapAll, key);
      if (!order.first) continue;
      AppGlobal::iTransactionCode = order.first->iOrvelCode;
      if (!mrb::IsSpreadOrder(*order.first)) {
        if (!mrb::FitsNormal(*order.first, changed)) continue;
        const ORVEL_ORDER_ENTRY& own = order.first->objOrderEntry;
        // The host sent the changed order itself; a second request would modify it twice.
        if (own.ourOrderNo() != 0 && own.ourOrderNo() == changed.ourOrderNo()) continue;
        if (viewOnly(*order.first)) continue;
        if (own.iobRuleNo() > 0) {
          if (!iobLoggedOn()) return;
          if (const IOBRuleDetails* rule = AppIOB::GetIOBOrderPacketBylOurOrderNo(own.iobRuleNo())) {
            if (auto error = mrb::NormalLimitError(*rule, changed.side(), changed.price(), own.ourOrderNo())) {
              log(kIobErrorLog, *error);
              ++errors;
              continue;
            }
          }
        }
        ORVEL_ORDER_ENTRY request = mrb::ApplyNormal(own, changed);
        if (send) send(&request, static_cast<double>(changed.ourOrderNo()));
        else log(kExceptionLogSource, "MultipleRowModifying: SendCOCOrderExeFn is not available");
        continue;
      }

      if (!mrb::FitsSpread(*order.first, changed)) continue;
      const OrderBookDetails& legs = order.second ? *order.second : *order.first;
      ORVEL_SPREAD_OE_REQUEST request = mrb::BuildSpread(legs);
      const std::uint32_t ownNo = request.get<std::uint32_t>(ORVEL_ORDER_ENTRY::kOurOrderNo);
      if (ownNo != 0 && ownNo == changed.ourOrderNo()) continue;
      if (viewOnly(legs)) continue;
      if (request.iobRuleNo() > 0) {
        if (!iobLoggedOn()) return;
        if (const IOBRuleDetails* rule = AppIOB::GetIOBOrderPacketBylOurOrderNo(request.iobRuleNo())) {
          if (auto error = mrb::SpreadLimitError(*rule, request.buySell(), changed.spreadPrice())) {
            log(kIobErrorLog, *error);
            ++errors;
            continue;
          }
        }
      }
      mrb::ApplySpread(request, changed);
      if (sendSpread)
        sendSpread(&request, changed.get<double>(ORVEL_SPREAD_OE_REQUEST::kDouble712),
                   changed.get<double>(ORVEL_SPREAD_OE_REQUEST::kDouble622));
      else
        log(kExceptionLogSource, "MultipleRowModifying: SendToServerForOrvel_SpreadOrder_EntryExeFn is not available");
    }
    if (errors >= 1) {
      char text[96];
      std::snprintf(text, sizeof text, "Order price exceeded with expected price for IOB modify order[%d] ", errors);
      MessageBox(text, "Modify Failed", pf::MB_OK);
    }
  } catch (...) {
    char line[96];
    std::snprintf(line, sizeof line, "Exception In CPendingOrders::MultipleRowModifying, ErrorCode - %d", errno);
    ActionSupport::Log(*this, kExceptionLogSource, line);
  }
}

void OrderBookWnd::SetOrderViewModify() {
  try {
    CInMemClientMapper* mapper = CInMemClientMapper::getClass();
    if (!mapper) return;
    const QueryResult rows = mapper->Query(SqlText::Format(
        "select iOrderViewmodify from clientmapper where corvelclientid = '%s' and iOrderViewmodify <> 0",
        LoggedInUserId()));
    bOrderViewModify = rows.Ok() && rows.RowCount() > 0 ? 1 : 0;
  } catch (...) {
    // Errors are swallowed: the flag keeps its value.
  }
}
