#include "demo/BookFingerprint.h"

#include "host/AppOrderBook.h"

#include <bit>
#include <cstring>
#include <type_traits>

namespace orv::demo {

namespace {

static_assert(std::endian::native == std::endian::little, "the digest reads words little-endian");

// FNV-style mixing a word at a time: a million rows digest in well under a second.
class Fnv final {
 public:
  void Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      Mix(word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, p + i, size - i);
    Mix(tail ^ (static_cast<std::uint64_t>(size - i) << 59));
  }
  template <typename T>
  void Value(T value) {
    static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
    Bytes(&value, sizeof value);
  }
  // The text up to its terminator: bytes after it are not part of the text.
  template <std::size_t N>
  void Text(const char (&field)[N]) {
    Bytes(field, ::strnlen(field, N));
  }
  void Time(const TimeTextPair& t) {
    Text(t.c12Hr);
    Text(t.c24Hr);
  }
  void Date(const orv::platform::OleDateTime& d) {
    Value(static_cast<int>(d.GetStatus()));
    Value(std::bit_cast<std::uint64_t>(d.Days()));
  }
  std::uint64_t Hash() const { return m_hash; }

 private:
  void Mix(std::uint64_t word) {
    m_hash = (m_hash ^ word) * 0x100000001B3ull;
    m_hash ^= m_hash >> 29;
  }

  std::uint64_t m_hash = 0xCBF29CE484222325ull;
};

}  // namespace

std::uint64_t FingerprintRow(const OrderBookDetails& r) {
  Fnv h;
  h.Bytes(r.objOrderEntry.data(), ORVEL_ORDER_ENTRY::kSize);
  h.Value(r.eOrderLeg);
  h.Value(r.pContract ? r.pContract->lToken : -1);
  h.Value(r.iOrvelCode);
  h.Text(r.OrvelClientId);
  h.Value(r.RefNo);
  h.Text(r.Order_Status);
  h.Text(r.MemberID);
  h.Text(r.TraderID);
  h.Text(r.Order_Type);
  h.Text(r.B_S);
  h.Value(r.Pending_Qty);
  h.Value(r.Price);
  h.Value(r.Total_Qty);
  h.Text(r.Pro_Client);
  h.Text(r.Client);
  h.Text(r.Client_Name);
  h.Text(r.ParticipantID);
  h.Text(r.Misc);
  h.Text(r.ExchOrder_No);
  h.Text(r.Status);
  h.Value(r.Disclose_Qty);
  h.Text(r.Settlor);
  h.Text(r.Validity);
  h.Text(r.TillDays_Dates);
  h.Text(r.MF_AON);
  h.Value(r.MF_Qty);
  h.Value(r.Trig_Price);
  h.Text(r.CP_Brok_ID);
  h.Text(r.Auc_No);
  h.Time(r.Last_Modified);
  h.Value(r.Traded_Qty);
  h.Value(r.Avg_Price);
  h.Value(r.Reason);
  h.Text(r.Remarks);
  h.Text(r.Part_Type);
  h.Text(r.Prod_Type);
  h.Value(r.iProductTypeCode);
  h.Time(r.Server_Entry_Time);
  h.Text(r.AMO_OrderID);
  h.Value(r.lOurToken);
  h.Text(r.Order_Style);
  h.Text(r.Strategy);
  h.Value(r.ReqID);
  h.Text(r.OrderNo);
  h.Text(r.COL_Order);
  h.Text(r.Exch_ClientId);
  h.Text(r.Record_Type);
  h.Value(r.Asset_Price);
  h.Value(r.IOM_RuleNo);
  h.Text(r.Pan_Number);
  h.Value(r.Disclose_Lot);
  h.Text(r.Error_Discriptions);
  h.Value(r.Target_Price);
  h.Value(r.SL_Price);
  h.Value(r.BR_TrigPrice);
  h.Text(r.TransType);
  h.Text(r.AlgoID);
  h.Text(r.Variant);
  h.Value(r.NNFID);
  h.Date(r.dtServerEntryTime);
  h.Value(r.eOrderStatus);
  h.Value(r.dOrderNumber);
  h.Value(r.nNoOfLegs);
  h.Value(r.GTDOrderNo);
  h.Value(r.LastTradedQty);
  h.Text(r.GTDOrderStatus);
  h.Date(r.dtOrderInitiateTime);
  h.Time(r.Order_Initiate_Time);
  return h.Hash();
}

std::uint64_t FingerprintBook(BookKind kind) {
  Fnv h;
  for (const OrderBookDetails* row : AppOrderBook::Book(kind).vctAll) h.Value(row ? FingerprintRow(*row) : 0);
  return h.Hash();
}

}  // namespace orv::demo
