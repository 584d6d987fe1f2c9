#include "demo/OrderRowFactory.h"

#include "demo/DemoText.h"
#include "demo/DemoVocabulary.h"
#include "host/OrvEnumsMethods.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orv::demo {

namespace {

// Weights indexed by OrderStatusIdentifier: UnConfirmed, Pending, Cancelled, Rejected,
// AMOUnconfirmed, Completed.
constexpr std::array<int, 6> kPendingBookMix{9, 55, 13, 8, 5, 10};
constexpr std::array<int, 6> kGtdBookMix{6, 60, 14, 8, 0, 12};
constexpr std::array<int, 6> kSpreadMix{15, 60, 15, 10, 0, 0};

constexpr std::array<std::string_view, 8> kOrderTypes{"RL", "SL", "CA", "CB", "AU", "BR", "BL", "CO"};
constexpr std::array<int, 8> kOrderTypeMix{58, 14, 3, 3, 2, 5, 3, 6};

constexpr std::array<std::int32_t, 15> kShareQuantities{1,   5,   10,  15,  20,  25,   50,  75,
                                                        100, 150, 200, 250, 500, 1000, 2000};
constexpr std::array<int, 15> kShareQuantityMix{6, 8, 12, 5, 8, 8, 12, 4, 12, 5, 7, 4, 5, 3, 1};
constexpr std::array<std::int32_t, 8> kLots{1, 2, 3, 4, 5, 10, 20, 50};

// Lots times the lot size as the 32-bit quantity fields hold it: a huge lot size gives the
// largest whole number of lots that fits, and never less than one lot.
std::int32_t QuantityOf(std::int32_t lots, std::int32_t lotSize) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::int64_t size = std::max<std::int64_t>(1, lotSize);
  const std::int64_t fitting = std::max<std::int64_t>(1, std::min<std::int64_t>(lots, kMax / size));
  return static_cast<std::int32_t>(fitting * size);
}
constexpr std::array<int, 8> kLotMix{30, 20, 12, 8, 10, 10, 6, 4};

// Product type codes as the record cache names them: 1 NRML, 2 MIS, 3 CNC, 4 MTF.
constexpr std::array<std::int16_t, 3> kEquityProducts{3, 2, 4};
constexpr std::array<int, 3> kEquityProductMix{45, 40, 15};
constexpr std::array<std::int16_t, 2> kDerivativeProducts{1, 2};
constexpr std::array<int, 2> kDerivativeProductMix{65, 35};

constexpr std::array<int, 3> kStyleMix{60, 30, 10};  // Manual, Automated, IOM

// The offline-cancel texts of spread orders need 29 bytes; a shorter status field would cut
// " Leg" off the leg rows and turn them into order rows, so they are used only where they fit.
constexpr std::string_view kOfflineCancelled = "Offline Cancelled Spread";
constexpr std::string_view kOfflineCancelledLeg = "Offline Cancelled Spread Leg";
constexpr bool kOfflineTextsFit = sizeof(OrderBookDetails::Order_Status) > kOfflineCancelledLeg.size();

constexpr std::string_view kFirmPan = "AAACO4521K";
constexpr std::string_view kDefaultMember = "90210";
constexpr int kIndianOpen = 9 * 3600 + 15 * 60;
constexpr int kIndianClose = 15 * 3600 + 30 * 60;
constexpr int kLastSecond = 86399;

// After-market orders are taken where the market closes in the afternoon.
bool TakesAfterMarketOrders(int exchangeCode) {
  return exchangeCode == 1 || exchangeCode == 2 || exchangeCode == 5 || exchangeCode == 12;
}

// Exchange order numbers look like each exchange's own and stay below 2^53, so the double that
// carries them is exact.
std::uint64_t ExchangeBase(int exchangeCode) {
  switch (exchangeCode) {
    case 1:
      return 1100000000000000ull;
    case 2:
      return 1702000000000000ull;
    case 3:
      return 242000000000ull;
    case 4:
      return 550000000000ull;
    case 5:
      return 1300000000000000ull;
    case 11:
      return 7700000000000ull;
    case 12:
      return 1500000000000000ull;
    default:
      return 9100000000000ull;
  }
}

}  // namespace

OrderRowFactory::OrderRowFactory(const OrderBookSpec& spec, const std::vector<std::string>& dealers,
                                 const std::vector<std::string>& clients, DemoRandom& rng)
    : m_spec(spec), m_dealers(dealers), m_rng(rng), m_tradingSerial(DemoCalendar::SerialDay(spec.tradingDay)) {
  m_clients.resize(clients.size());
  for (std::size_t i = 0; i < clients.size(); ++i) {
    m_clients[i].code = clients[i];
    m_clients[i].name = DemoVocabulary::ClientName(clients[i]);
    DemoVocabulary::ClientPan(clients[i], m_clients[i].pan);
  }
}

void OrderRowFactory::MakeOrder(const ContractQuote& q, std::uint32_t refNo, std::uint64_t position,
                                std::uint64_t total, OrderBookDetails& row) {
  const bool gtd = m_spec.kind == BookKind::GTD;
  auto status = static_cast<OrderStatusIdentifier>(m_rng.Weighted(gtd ? kGtdBookMix : kPendingBookMix));
  if (status == eAMOUnconfirmed && !TakesAfterMarketOrders(q.exchangeCode)) status = eUnConfirmed;
  const bool gtt = gtd && m_rng.Below(100) < 40;
  const Party party = PickParty();
  const bool unfilled = m_rng.Chance(m_spec.unfilledLookupShare) && !party.pro;
  const bool buy = m_rng.Below(2) == 0;
  const std::string_view type = PickOrderType(q);

  const std::int32_t quantity = PickQuantity(q);
  const std::int32_t lots = quantity / q.lotSize;
  std::int32_t traded = 0;
  if (status == eCompleted) {
    traded = quantity;
  } else if ((status == ePending && m_rng.Below(100) < 25) || (status == eCancelled && m_rng.Below(100) < 20)) {
    if (lots >= 2) traded = q.lotSize * static_cast<std::int32_t>(m_rng.Between(1, lots - 1));
  }
  const OrderPrices prices = OrderPrices::Make(m_rng, q.referenceTicks, buy, type, traded > 0);

  row.RefNo = refNo;
  row.pContract = q.contract;
  row.lOurToken = q.token;
  row.eOrderLeg = eNormalLeg;
  row.eOrderStatus = status;

  // The display text follows the status, except that pending orders tell how they got there.
  std::string_view statusText = OrvEnumsMethods::GetOrderStatus(status);
  bool modified = false;
  switch (status) {
    case ePending:
      if (traded > 0 && m_rng.Below(100) < 60) {
        statusText = "Partially Traded";
        row.iOrvelCode = 5515;
      } else if (m_rng.Below(100) < 18) {
        statusText = "Modified";
        modified = true;
        row.iOrvelCode = 5512;
      } else {
        row.iOrvelCode = 5511;
      }
      break;
    case eUnConfirmed:
      row.iOrvelCode = m_rng.Below(100) < 80 ? 5520 : 5521;
      break;
    case eAMOUnconfirmed:
      row.iOrvelCode = 5520;
      break;
    case eCancelled:
      row.iOrvelCode = 5513;
      break;
    case eRejected:
      row.iOrvelCode = 5530;
      break;
    case eCompleted:
      row.iOrvelCode = 5516;
      break;
  }
  if (gtt && status != eUnConfirmed && status != eAMOUnconfirmed) row.iOrvelCode = 15512;
  CopyText(row.Order_Status, statusText);
  CopyText(row.Status, DemoVocabulary::ExchangeStatusWord(status, traded > 0));

  CopyText(row.Order_Type, type);
  CopyText(row.B_S, buy ? "BUY" : "SELL");
  row.Total_Qty = quantity;
  row.Traded_Qty = traded;
  row.Pending_Qty = quantity - traded;
  row.Price = q.Price(prices.limit);
  if (prices.trigger) row.Trig_Price = q.Price(prices.trigger);
  if (prices.target) row.Target_Price = q.Price(prices.target);
  if (prices.stopLoss) row.SL_Price = q.Price(prices.stopLoss);
  if (prices.bracketTrigger) row.BR_TrigPrice = q.Price(prices.bracketTrigger);
  if (prices.average) row.Avg_Price = q.Price(prices.average);
  if (q.underlyingTicks) row.Asset_Price = q.Price(q.underlyingTicks);

  FillParty(q, party, row);
  if (!unfilled && !party.pro) CopyText(row.Client_Name, m_clients[party.client].name);
  FillStyle(party, row);

  bool rmsRejected = false;
  if (status == eRejected) {
    const RejectionText& rejection = m_rng.Pick(DemoVocabulary::Rejections());
    row.Reason = rejection.reason;
    CopyText(row.Error_Discriptions, rejection.text);
    rmsRejected = rejection.byRms;
  }
  const std::uint64_t exchangeNo = ExchangeOrderNumber(q.exchangeCode, status, refNo, rmsRejected);
  row.dOrderNumber = static_cast<double>(exchangeNo);
  if (exchangeNo) WriteNumber(row.ExchOrder_No, static_cast<std::int64_t>(exchangeNo));

  if (lots >= 2 && m_rng.Below(100) < 15) {
    row.Disclose_Lot = static_cast<std::int32_t>(m_rng.Between(std::max(1, lots / 10), lots - 1));
    row.Disclose_Qty = row.Disclose_Lot * q.lotSize;
  }
  const std::uint32_t fill = m_rng.Below(100);
  if (fill < 8 && lots >= 2) {
    CopyText(row.MF_AON, "MF");
    row.MF_Qty = q.lotSize * static_cast<std::int32_t>(m_rng.Between(1, lots - 1));
  } else if (fill < 12) {
    CopyText(row.MF_AON, "AON");
  }
  if (type == "AU") WriteNumber(row.Auc_No, m_rng.Between(1, 9999));

  CopyText(row.Remarks, m_rng.Pick(DemoVocabulary::Remarks()));
  CopyText(row.Misc, m_rng.Pick(DemoVocabulary::MiscTexts()));
  const bool cashProduct = q.equity || q.contract == nullptr;
  row.iProductTypeCode = cashProduct ? kEquityProducts[m_rng.Weighted(kEquityProductMix)]
                                     : kDerivativeProducts[m_rng.Weighted(kDerivativeProductMix)];
  if (!unfilled) CopyText(row.Prod_Type, DemoVocabulary::ProductText(row.iProductTypeCode));
  if (status == eAMOUnconfirmed) WritePrefixedNumber(row.AMO_OrderID, "AMO", refNo);
  row.ReqID = static_cast<std::int16_t>(m_rng.Between(1, 64));
  WriteNumber(row.OrderNo, refNo);
  CopyText(row.COL_Order, type == "CO" ? "Y" : "N");
  CopyText(row.Record_Type, "Normal");
  CopyText(row.TransType, status == eCancelled ? "OC" : modified ? "OM" : "OE");
  CopyText(row.Variant, status == eAMOUnconfirmed      ? "AMO"
                        : type == "CO"                 ? "CO"
                        : type == "BR" || type == "BL" ? "BO"
                                                       : "NORMAL");

  const Times times = PickTimes(q, status, position, total);
  FillTimes(times, row);
  // Validity: an IOC order never stays open; GTD orders carry their last day.
  const bool open = status == ePending || status == eUnConfirmed || status == eAMOUnconfirmed;
  char date[12];
  if (gtd) {
    CopyText(row.Validity, gtt ? "GTT" : "GTD");
    DemoCalendar::FormatDayMonYear(
        DemoCalendar::AddDays(m_spec.tradingDay, gtt ? 365 : static_cast<int>(m_rng.Between(1, 30))), date);
    CopyText(row.TillDays_Dates, date);
    FillGtd(row, gtt, times);
    if (traded > 0) row.LastTradedQty = static_cast<std::uint32_t>(q.lotSize * m_rng.Between(1, traded / q.lotSize));
  } else {
    const std::uint32_t v = m_rng.Below(100);
    if (v < 8) {
      CopyText(row.Validity, "GTD");
      DemoCalendar::FormatDayMonYear(DemoCalendar::AddDays(m_spec.tradingDay, static_cast<int>(m_rng.Between(1, 30))),
                                     date);
      CopyText(row.TillDays_Dates, date);
    } else {
      CopyText(row.Validity, !open && v < 15 ? "IOC" : "DAY");
    }
  }
  FillPacket(row, buy, times);
}

void OrderRowFactory::MakeSpread(const ContractQuote& nearLeg, const ContractQuote& farLeg, std::uint32_t refNo,
                                 std::uint64_t position, std::uint64_t total, OrderBookDetails (&rows)[3]) {
  const auto status = static_cast<OrderStatusIdentifier>(m_rng.Weighted(kSpreadMix));
  const Party party = PickParty();
  const bool unfilled = m_rng.Chance(m_spec.unfilledLookupShare) && !party.pro;
  const bool buy = m_rng.Below(2) == 0;
  const std::int32_t quantity = QuantityOf(kLots[m_rng.Weighted(kLotMix)], nearLeg.lotSize);

  // Only the "Spread" forms: the "2Leg" texts carry "Leg" on the order row as well, which would
  // make the order row pass for a leg.
  std::string_view orderText, legText;
  OrderBookDetails& head = rows[0];
  switch (status) {
    case eUnConfirmed:
      orderText = "Un-Confirmed Spread", legText = "Un-Confirmed Spread Leg", head.iOrvelCode = 5523;
      break;
    case eCancelled:
      if (kOfflineTextsFit && m_rng.Below(100) >= 80)
        orderText = kOfflineCancelled, legText = kOfflineCancelledLeg, head.iOrvelCode = 5559;
      else
        orderText = "Cancelled Spread", legText = "Cancelled Spread Leg", head.iOrvelCode = 5730;
      break;
    case eRejected:
      orderText = "Rejected Spread", legText = "Rejected Spread Leg", head.iOrvelCode = 5719;
      break;
    default: {
      constexpr std::array<std::int32_t, 4> kSpreadCodes{5724, 5725, 5726, 5736};
      orderText = "Spread Pending", legText = "Spread Pending Leg";
      head.iOrvelCode = kSpreadCodes[m_rng.Below(4)];
      break;
    }
  }

  // Calendar spread: the far leg trades at the near leg plus the carry.
  const std::int64_t band = AtLeastOneTick(nearLeg.referenceTicks / 50);
  const std::int64_t nearAway = m_rng.Between(0, band);
  const std::int64_t nearTicks =
      AtLeastOneTick(buy ? nearLeg.referenceTicks - nearAway : nearLeg.referenceTicks + nearAway);
  const bool sameTick = nearLeg.tick.num == farLeg.tick.num && nearLeg.tick.den == farLeg.tick.den;
  std::int64_t farTicks;
  double spreadPrice;
  if (sameTick) {
    farTicks = AtLeastOneTick(nearTicks + farLeg.referenceTicks - nearLeg.referenceTicks + m_rng.Between(-2, 2));
    spreadPrice = nearLeg.Price(farTicks - nearTicks);
  } else {
    const std::int64_t farAway = m_rng.Between(0, AtLeastOneTick(farLeg.referenceTicks / 50));
    farTicks = AtLeastOneTick(buy ? farLeg.referenceTicks + farAway : farLeg.referenceTicks - farAway);
    spreadPrice = farLeg.Price(farTicks) - nearLeg.Price(nearTicks);
  }

  head.RefNo = refNo;
  head.eOrderLeg = eSpreadLeg;
  head.nNoOfLegs = 2;
  head.eOrderStatus = status;
  head.pContract = nearLeg.contract;
  head.lOurToken = nearLeg.token;
  CopyText(head.Order_Status, orderText);
  CopyText(head.Status, DemoVocabulary::ExchangeStatusWord(status, false));
  CopyText(head.Order_Type, "RL");
  CopyText(head.B_S, buy ? "BUY" : "SELL");
  head.Total_Qty = quantity;
  head.Pending_Qty = quantity;
  head.Price = spreadPrice;
  if (nearLeg.underlyingTicks) head.Asset_Price = nearLeg.Price(nearLeg.underlyingTicks);
  FillParty(nearLeg, party, head);
  if (!unfilled && !party.pro) CopyText(head.Client_Name, m_clients[party.client].name);
  FillStyle(party, head);
  bool rmsRejected = false;
  if (status == eRejected) {
    const RejectionText& rejection = m_rng.Pick(DemoVocabulary::Rejections());
    head.Reason = rejection.reason;
    CopyText(head.Error_Discriptions, rejection.text);
    rmsRejected = rejection.byRms;
  }
  const std::uint64_t exchangeNo = ExchangeOrderNumber(nearLeg.exchangeCode, status, refNo, rmsRejected);
  head.dOrderNumber = static_cast<double>(exchangeNo);
  if (exchangeNo) WriteNumber(head.ExchOrder_No, static_cast<std::int64_t>(exchangeNo));
  CopyText(head.Validity, "DAY");
  CopyText(head.Remarks, "Calendar spread");
  CopyText(head.Misc, m_rng.Pick(DemoVocabulary::MiscTexts()));
  head.iProductTypeCode = 1;
  if (!unfilled) CopyText(head.Prod_Type, DemoVocabulary::ProductText(1));
  head.ReqID = static_cast<std::int16_t>(m_rng.Between(1, 64));
  WriteNumber(head.OrderNo, refNo);
  CopyText(head.COL_Order, "N");
  CopyText(head.Record_Type, "Spread");
  CopyText(head.TransType, status == eCancelled ? "OC" : "OE");
  CopyText(head.Variant, "SPREAD");
  const Times times = PickTimes(nearLeg, status, position, total);
  FillTimes(times, head);

  rows[1] = head;
  rows[2] = head;
  CopyText(rows[1].Order_Status, legText);
  rows[1].Price = nearLeg.Price(nearTicks);
  CopyText(rows[2].Order_Status, legText);
  rows[2].pContract = farLeg.contract;
  rows[2].lOurToken = farLeg.token;
  CopyText(rows[2].B_S, buy ? "SELL" : "BUY");
  rows[2].Price = farLeg.Price(farTicks);
  if (farLeg.underlyingTicks) rows[2].Asset_Price = farLeg.Price(farLeg.underlyingTicks);
  FillPacket(rows[0], buy, times);
  FillPacket(rows[1], buy, times);
  FillPacket(rows[2], !buy, times);
}

OrderRowFactory::Party OrderRowFactory::PickParty() {
  Party p;
  p.dealer = m_rng.Below(static_cast<std::uint32_t>(m_dealers.size()));
  p.client = m_rng.Below(static_cast<std::uint32_t>(m_clients.size()));
  p.pro = m_rng.Below(100) < 15;
  return p;
}

std::string_view OrderRowFactory::PickOrderType(const ContractQuote& q) {
  const std::string_view type = kOrderTypes[m_rng.Weighted(kOrderTypeMix)];
  // Call auctions and auctions exist only in the Indian cash markets.
  const bool auction = type == "CA" || type == "CB" || type == "AU";
  if (auction && !(q.equity && (q.exchangeCode == 1 || q.exchangeCode == 2))) return "RL";
  return type;
}

std::int32_t OrderRowFactory::PickQuantity(const ContractQuote& q) {
  if (q.lotSize == 1 && (q.equity || q.contract == nullptr)) return kShareQuantities[m_rng.Weighted(kShareQuantityMix)];
  return QuantityOf(kLots[m_rng.Weighted(kLotMix)], q.lotSize);
}

OrderRowFactory::Times OrderRowFactory::PickTimes(const ContractQuote& q, OrderStatusIdentifier status,
                                                  std::uint64_t position, std::uint64_t total) {
  Times t;
  if (status == eAMOUnconfirmed) {
    t.entry = static_cast<int>(m_rng.Between(16 * 3600, 23 * 3600 + 30 * 60));
  } else {
    const int open = q.market ? q.market->sessionOpen : kIndianOpen;
    const int close = q.market ? q.market->sessionClose : kIndianClose;
    const std::uint64_t span = static_cast<std::uint64_t>(close - open);
    const std::int64_t base = open + static_cast<std::int64_t>(span * position / std::max<std::uint64_t>(total, 1));
    t.entry = static_cast<int>(std::clamp<std::int64_t>(base + m_rng.Between(-300, 300), open, close - 1));
  }
  const bool waiting = status == eUnConfirmed || status == eAMOUnconfirmed;
  t.lastModified = std::min(kLastSecond, t.entry + static_cast<int>(m_rng.Between(1, waiting ? 3 : 2400)));
  return t;
}

std::uint64_t OrderRowFactory::ExchangeOrderNumber(int exchangeCode, OrderStatusIdentifier status, std::uint32_t refNo,
                                                   bool rmsRejected) {
  // Entries the exchange has not confirmed carry the terminal's provisional number.
  if (status == eUnConfirmed || status == eAMOUnconfirmed) return 20000001ull + refNo % 30000000u;
  if (rmsRejected) return 0;
  return ExchangeBase(exchangeCode) + static_cast<std::uint64_t>(refNo) * 16u + m_rng.Below(16);
}

void OrderRowFactory::FillParty(const ContractQuote& q, const Party& party, OrderBookDetails& row) {
  const std::string& dealer = m_dealers[party.dealer];
  CopyText(row.OrvelClientId, dealer);
  CopyText(row.MemberID, q.market ? q.market->memberId : kDefaultMember);
  WriteNumber(row.TraderID, 10000 + static_cast<std::int64_t>(party.dealer + 1) * 100 + q.exchangeCode);
  CopyText(row.Pro_Client, party.pro ? "PRO" : "CLI");
  if (party.pro) {
    CopyText(row.Client, dealer);
    CopyText(row.Pan_Number, kFirmPan);
    return;
  }
  const ClientInfo& client = m_clients[party.client];
  CopyText(row.Client, client.code);
  CopyText(row.Exch_ClientId, client.code);
  CopyText(row.Pan_Number, client.pan);
  // Institutions settle through a custodian participant.
  if (q.equity && (q.exchangeCode == 1 || q.exchangeCode == 2) && m_rng.Below(100) < 6) {
    CopyText(row.Settlor, "INST");
    CopyText(row.Part_Type, "CP");
    WritePrefixedNumber(row.ParticipantID, "CP",
                        10000 + static_cast<std::int64_t>(DemoVocabulary::Hash(client.code) % 90000));
    CopyText(row.CP_Brok_ID, "12047");
  }
}

void OrderRowFactory::FillStyle(const Party& party, OrderBookDetails& row) {
  const std::int64_t dealerNo = static_cast<std::int64_t>(party.dealer) + 1;
  switch (m_rng.Weighted(kStyleMix)) {
    case 0:
      CopyText(row.Order_Style, "Manual");
      row.NNFID = 111111111111000 + dealerNo;
      break;
    case 1: {
      const auto strategies = DemoVocabulary::Strategies();
      const std::uint32_t s = m_rng.Below(static_cast<std::uint32_t>(strategies.size()));
      CopyText(row.Order_Style, "Automated");
      CopyText(row.Strategy, strategies[s]);
      WritePrefixedNumber(row.AlgoID, "ALGO", 1001 + s);
      row.NNFID = 400000000000000 + (static_cast<std::int64_t>(s) + 1) * 1000 + dealerNo;
      break;
    }
    default:
      CopyText(row.Order_Style, "IOM");
      CopyText(row.Strategy, "IOM");
      row.IOM_RuleNo = static_cast<std::int32_t>(m_rng.Between(1, 999));
      row.NNFID = 333333333333000 + dealerNo;
      break;
  }
}

void OrderRowFactory::FillTimes(const Times& times, OrderBookDetails& row) const {
  WriteTimePair(times.entry, row.Server_Entry_Time);
  WriteTimePair(times.lastModified, row.Last_Modified);
  row.dtServerEntryTime =
      orv::platform::OleDateTime(static_cast<double>(m_tradingSerial) + static_cast<double>(times.entry) / 86400.0);
}

void OrderRowFactory::FillGtd(OrderBookDetails& row, bool gtt, const Times& times) {
  const DemoDate& day = m_spec.tradingDay;
  const std::uint64_t datePart = static_cast<std::uint64_t>((day.year % 100) * 10000 + day.month * 100 + day.day);
  row.GTDOrderNo = datePart * 10000000000ull + row.RefNo;
  CopyText(row.GTDOrderStatus, DemoVocabulary::GtdStatusWord(row.eOrderStatus, gtt));

  // The order was placed on an earlier working day, or earlier today.
  DemoDate initiated = day;
  int second;
  const int daysBack = static_cast<int>(m_rng.Between(0, 12));
  if (daysBack == 0) {
    second = std::max(0, times.entry - static_cast<int>(m_rng.Between(60, 3600)));
  } else {
    initiated = DemoCalendar::AddDays(day, -daysBack);
    while (DemoCalendar::DayOfWeek(initiated) == 0 || DemoCalendar::DayOfWeek(initiated) == 6)
      initiated = DemoCalendar::AddDays(initiated, -1);
    second = static_cast<int>(m_rng.Between(kIndianOpen, kIndianClose - 1));
  }
  row.dtOrderInitiateTime = orv::platform::OleDateTime(static_cast<double>(DemoCalendar::SerialDay(initiated)) +
                                                       static_cast<double>(second) / 86400.0);
  WriteTimePair(second, row.Order_Initiate_Time);
}

void OrderRowFactory::FillPacket(OrderBookDetails& row, bool buy, const Times& times) const {
  ORVEL_ORDER_ENTRY& p = row.objOrderEntry;
  p.setTransactionCode(static_cast<std::int16_t>(row.iOrvelCode));
  p.setDealerId(row.OrvelClientId);
  p.setToken(row.lOurToken);
  p.setBuySell(buy ? 1 : 2);
  p.setQuantity(row.Total_Qty);
  p.setPrice(row.Price);
  p.setTriggerPrice(row.Trig_Price);
  p.setExchangeOrderNo(row.dOrderNumber);
  p.setExchangeOrderId(row.ExchOrder_No);
  p.setOurOrderNo(row.RefNo);
  p.setLastModifiedTime(static_cast<std::int32_t>((m_tradingSerial - DemoCalendar::kUnixEpochSerial) * 86400 + times.lastModified));
  p.setIobRuleNo(row.IOM_RuleNo);
}

}  // namespace orv::demo
