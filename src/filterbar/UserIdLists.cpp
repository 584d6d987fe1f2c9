// User-id lists the host may fill through the bar: dealers, internet-trading users and the dealers
// seen in the trade table.
#include "filterbar/OrderBookFilter.h"

#include "host/AppGlobal.h"
#include "host/recordcache/CInMemTradeInfo.h"

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <stdexcept>

namespace pf = orv::platform;

namespace {

// The user types these lists tell apart, as the host's user lists have always read them.
constexpr std::int16_t kAdministrator = 1;
constexpr std::int16_t kDealer = 3;

constexpr int kExtraItems = 20;
constexpr int kBytesPerItem = 30;

struct RetailerEntry {
  std::string userId;
  long a = 0;
  long b = 0;
};

// "<user id>_<a>_<b>": the id is everything before the second-to-last underscore, so an id may
// itself hold underscores. An entry without two underscores names no user.
std::optional<RetailerEntry> ParseRetailer(const std::string& text) {
  const std::size_t last = text.rfind('_');
  if (last == std::string::npos || last == 0) return std::nullopt;
  const std::size_t middle = text.rfind('_', last - 1);
  if (middle == std::string::npos) return std::nullopt;
  RetailerEntry entry;
  entry.userId = text.substr(0, middle);
  entry.a = std::strtol(text.c_str() + middle + 1, nullptr, 10);
  entry.b = std::strtol(text.c_str() + last + 1, nullptr, 10);
  return entry;
}

std::string LoggedInUserId() {
  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  return login ? std::string(login->userId()) : std::string();
}

std::int16_t LoggedInUserType() {
  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  return login ? login->userType() : static_cast<std::int16_t>(0);
}

const UserInfo* FindUser(const std::string& userId) {
  const auto& users = AppGlobal::g_ObjUserInfoMap.items;
  auto it = users.find(userId);
  return it == users.end() ? nullptr : &it->second;
}

bool PassesDealerRules(const RetailerEntry& entry, bool bAll) {
  const std::int16_t type = LoggedInUserType();
  const std::string me = LoggedInUserId();
  if (bAll) {
    if (type == kAdministrator)
      return (entry.b == 1 || entry.userId == "ADMIN") && static_cast<std::int16_t>(entry.a) != 2;
    const UserInfo* user = FindUser(entry.userId);
    return entry.b == 1 && user && user->cRole == "Dealer" && user->cOwnerId == me;
  }
  const UserInfo* user = FindUser(entry.userId);
  if (entry.b != 1 || !user) return false;
  const bool role = type == kDealer ? user->cRole == "Dealer" && user->cOwnerId == me
                                    : user->cRole == "Dealer" || user->cRole == "Mini Admin";
  return role && user->iState != 1 && user->iState != 2;
}

}  // namespace

void OrderBookFilter::AddAllOnlyDealerIdsInCombo(ComboBox* pCombo, bool bAll) {
  try {
    if (pCombo == nullptr) return;
    pCombo->ResetContent();
    const std::vector<std::string>* retailers = AppGlobal::g_pRetailerUserList;
    const int count = retailers ? static_cast<int>(retailers->size()) : 0;
    pCombo->InitStorage(count + kExtraItems, (count + kExtraItems) * kBytesPerItem);
    if (retailers) {
      std::lock_guard<std::recursive_mutex> lock(AppGlobal::g_ObjUserInfoMap.mutex);
      int index = 0;
      for (const std::string& text : *retailers) {
        const std::optional<RetailerEntry> entry = ParseRetailer(text);
        if (entry && PassesDealerRules(*entry, bAll)) pCombo->InsertString(index++, entry->userId);
      }
    }
    pCombo->SetCurSel(0);
  } catch (...) {
    LogException("AddAllOnlyDealerIdsInCombo");
  }
}

void OrderBookFilter::AddAllIBTIdsInCombo(ComboBox* pCombo) {
  try {
    if (pCombo == nullptr) return;
    const bool dealer = LoggedInUserType() == kDealer;
    const std::string me = LoggedInUserId();
    std::lock_guard<std::recursive_mutex> lock(AppGlobal::g_ObjUserInfoMap.mutex);
    for (const auto& [userId, user] : AppGlobal::g_ObjUserInfoMap.items) {
      if (user.iState == 1 || user.iIBT != 1) continue;
      if (dealer && user.cOwnerId != me) continue;
      pCombo->AddString(userId);
    }
  } catch (...) {
    LogException("AddAllIBTIdsInCombo");
  }
}

void OrderBookFilter::AddDealerIdsInCombo(ComboBox* pCombo) {
  if (pCombo == nullptr) return;
  CInMemTradeInfo* trades = CInMemTradeInfo::getClass();
  if (trades == nullptr) throw std::runtime_error("the trade table is not available");
  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  const std::string me = LoggedInUserId();
  // The user id is bound as a value, never pasted into the statement: an id with a quote in it
  // stays one value.
  const bool byAccount = login && login->accountFlag() != 0;
  const QueryResult rows =
      byAccount ? trades->Query("select distinct cOrvelClientId From TradeInfo where (corvelclientid = ?1 or "
                                "cAccountnumber = ?2) order by lEntryDateTime desc",
                                {std::string_view(me), std::string_view(me)})
                : trades->Query("select distinct a.cOrvelClientId from TradeInfo a left outer join clientmapper b "
                                "where ((a.corvelclientid = ?1) or (a.iproclient = 1 and a.cAccountnumber = "
                                "b.corveluserorinvestorid and b.corvelclientid = ?2 and b.iOrderViewmodify = 1))",
                                {std::string_view(me), std::string_view(me)});
  if (!rows.Ok()) throw std::runtime_error("the trade table could not be queried: " + rows.Error());
  for (long r = 0; r < rows.RowCount(); ++r) pCombo->AddString(rows.GetText(r, 0));
}
