#include "view/CellValues.h"

#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/RCGlobal.h"
#include "host/recordcache/RecordCacheTables.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using orv::platform::CellValue;

const VariantDescription& Pending() { return DescriptionOf(ViewVariant::Pending); }
const VariantDescription& Gtd() { return DescriptionOf(ViewVariant::GTD); }

void ResetHost() {
  AppOrderBook::Clear();
  InstallContractMaster(nullptr);
  AppGlobal::ResetForTests();
  GlobalFunctions::ResetForTests();
  RCGlobal::Clear();
  RecordCache::Close();
}

ScriptDesc Contract() {
  ScriptDesc c;
  c.lToken = 102000017;
  CopyText(c.cExchangeName, "NSE");
  c.nSegment = 2;
  CopyText(c.Code, "35001");
  CopyText(c.Symbol_ScriptID, "NIFTY");
  CopyText(c.Mkt_Seg, "F");
  CopyText(c.Inst_Name, "FUTIDX");
  CopyText(c.cExpiry, "27MAR2025");
  CopyText(c.cSeries, "XX");
  CopyText(c.cStrike, "0.00");
  CopyText(c.cOptionType, "XX");
  CopyText(c.cScripName, "NIFTY 27MAR2025");
  c.lLotSize = 50;
  CopyText(c.cPriceFormat, "%.2f");
  return c;
}

OrderBookDetails Order(ScriptDesc* contract) {
  OrderBookDetails r;
  r.pContract = contract;
  r.RefNo = 41;
  CopyText(r.OrvelClientId, "DLR01");
  CopyText(r.B_S, "BUY");
  CopyText(r.Pro_Client, "PRO");
  CopyText(r.Client, "C100");
  r.Total_Qty = 175;
  r.Pending_Qty = 175;
  r.Traded_Qty = 0;
  r.Price = 22150.5;
  CopyText(r.Server_Entry_Time.c12Hr, "01:05:09 PM");
  CopyText(r.Server_Entry_Time.c24Hr, "13:05:09");
  CopyText(r.Prod_Type, "NRML");
  return r;
}

class CellValues : public ::testing::Test {
 protected:
  void SetUp() override { ResetHost(); }
  void TearDown() override { ResetHost(); }

  static CellValue Value(OrderBookDetails* r, int col, const VariantDescription& v = Pending()) {
    CellValue out;
    GetItemValue(r, col, v, out);
    return out;
  }
  static std::string Text(OrderBookDetails* r, int col, const VariantDescription& v = Pending()) {
    CellTextBuffer buffer;
    return std::string(GetItemText(r, col, v, buffer));
  }
  static void AddTrade(std::uint32_t ourOrderNo, std::int64_t qty, double price) {
    OrderRecordRow t;
    t.lOurOrderNo = ourOrderNo;
    t.lFillQuantity = qty;
    t.dFillPrice = price;
    ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(t));
  }

  ScriptDesc m_contract = Contract();
};

TEST_F(CellValues, a_record_without_contract_shows_empty_contract_columns_bare_doubles_and_quantities_as_lots) {
  OrderBookDetails r = Order(nullptr);
  r.Trig_Price = 0.1 + 0.2;
  for (int col : {COL_ExchCode, COL_Mkt_Seg, COL_Inst_Name, COL_Code, COL_Symbol_ScriptID, COL_Ser_Exp_Group,
                  COL_Strike, COL_Option_Type, COL_Scrip_Name}) {
    EXPECT_TRUE(Value(&r, col).IsEmpty()) << col;
    EXPECT_EQ(Text(&r, col), "") << col;
  }
  EXPECT_EQ(Value(&r, COL_Price).GetKind(), CellValue::Kind::Double);
  EXPECT_EQ(Value(&r, COL_Price).Double(), 22150.5);
  EXPECT_EQ(Text(&r, COL_Trig_Price), "0.3");
  EXPECT_EQ(Value(&r, COL_Total_Lot).Integer(), 175);
  EXPECT_EQ(Value(&r, COL_Pending_Lot).Integer(), 175);
}

TEST_F(CellValues, contract_columns_prices_and_lots_come_from_the_contract) {
  OrderBookDetails r = Order(&m_contract);
  r.Traded_Qty = -149;
  EXPECT_EQ(Value(&r, COL_ExchCode).Text(), "NSE");
  EXPECT_EQ(Value(&r, COL_Scrip_Name).Text(), "NIFTY 27MAR2025");
  EXPECT_EQ(Value(&r, COL_Price).Text(), "22150.50");
  EXPECT_EQ(Value(&r, COL_Total_Lot).Integer(), 3) << "175 / 50 truncates";
  EXPECT_EQ(Value(&r, COL_Traded_Lot).Integer(), -2) << "truncation goes toward zero";
  m_contract.lLotSize = 0;
  EXPECT_EQ(Value(&r, COL_Total_Lot).Integer(), 175);
  m_contract.lLotSize = -5;
  EXPECT_EQ(Value(&r, COL_Total_Lot).Integer(), 175);
}

TEST_F(CellValues, a_price_format_from_data_is_never_used_as_a_printf_format) {
  OrderBookDetails r = Order(&m_contract);
  CopyText(m_contract.cPriceFormat, "%.4f");
  EXPECT_EQ(Value(&r, COL_Price).Text(), "22150.5000");
  CopyText(m_contract.cPriceFormat, "%s%n%s");
  EXPECT_EQ(Value(&r, COL_Price).Text(), "22150.50") << "not a number format: two decimals";
  EXPECT_EQ(Text(&r, COL_Price), "22150.50");
  std::memset(m_contract.cPriceFormat, '%', sizeof m_contract.cPriceFormat);  // not even terminated
  EXPECT_EQ(Text(&r, COL_Price), "22150.50");
}

TEST_F(CellValues, a_client_name_or_product_type_is_looked_up_until_found_then_never_again_and_never_as_a_format) {
  OrderBookDetails r = Order(&m_contract);
  CopyText(r.Pro_Client, "cli");
  EXPECT_EQ(Text(&r, COL_Client_Name), "");
  EXPECT_EQ(r.Client_Name[0], '\0') << "an empty answer leaves the field empty";
  RCGlobal::SetInvestorClientName("C100", "Asha Rao", "DLR01");
  EXPECT_EQ(Value(&r, COL_Client_Name).Text(), "Asha Rao");
  EXPECT_STREQ(r.Client_Name, "Asha Rao");
  RCGlobal::SetInvestorClientName("C100", "Someone Else", "DLR01");
  EXPECT_EQ(Text(&r, COL_Client_Name), "Asha Rao") << "once filled, no further lookup";
  OrderBookDetails pro = Order(&m_contract);
  EXPECT_EQ(Text(&pro, COL_Client_Name), "") << "only client orders are looked up";

  r.Prod_Type[0] = '\0';
  r.iProductTypeCode = 9;
  EXPECT_EQ(Text(&r, COL_Prod_Type), "") << "unknown code";
  RCGlobal::SetProductType(9, "%s%n%x");
  EXPECT_EQ(Value(&r, COL_Prod_Type).Text(), "%s%n%x") << "the text is copied, never used as a format";
  RCGlobal::SetProductType(9, "MIS");
  EXPECT_EQ(Text(&r, COL_Prod_Type), "%s%n%x");
}

TEST_F(CellValues, an_average_price_of_zero_is_computed_first_when_something_has_traded) {
  AddTrade(41, 10, 100.0);
  AddTrade(41, 30, 104.0);
  OrderBookDetails untraded = Order(&m_contract);
  EXPECT_EQ(Text(&untraded, COL_Avg_Price), "0.00") << "pending equals total: nothing to compute";
  EXPECT_EQ(untraded.Avg_Price, 0.0);

  OrderBookDetails traded = Order(&m_contract);
  traded.Pending_Qty = 135;
  EXPECT_EQ(Value(&traded, COL_Avg_Price).Text(), "103.00");
  EXPECT_DOUBLE_EQ(traded.Avg_Price, 103.0);

  OrderBookDetails known = Order(&m_contract);
  known.Pending_Qty = 135;
  known.Avg_Price = 99.5;
  EXPECT_EQ(Text(&known, COL_Avg_Price), "99.50") << "a stored average is shown as it is";
}

TEST_F(CellValues, numbers_keep_their_kinds_and_a_gtd_number_beyond_int64_keeps_its_digits) {
  OrderBookDetails r = Order(&m_contract);
  r.RefNo = 4294967295u;
  r.NNFID = std::numeric_limits<std::int64_t>::min();
  r.ReqID = -5;
  r.eOrderLeg = eSpreadLeg;
  r.LastTradedQty = 4000000000u;
  EXPECT_EQ(Value(&r, COL_RefNo).Integer(), 4294967295LL);
  EXPECT_EQ(Value(&r, COL_NNFID).Integer(), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Text(&r, COL_ReqID), "-5");
  EXPECT_EQ(Text(&r, COL_OrderLeg), "S");
  EXPECT_EQ(Value(&r, COL_LastTradedQty, Gtd()).Integer(), 4000000000LL);

  r.GTDOrderNo = 9223372036854775807ull;
  EXPECT_EQ(Value(&r, COL_GTDOrderNo, Gtd()).GetKind(), CellValue::Kind::Integer);
  r.GTDOrderNo = std::numeric_limits<std::uint64_t>::max();
  EXPECT_EQ(Value(&r, COL_GTDOrderNo, Gtd()).Text(), "18446744073709551615");
  EXPECT_EQ(Text(&r, COL_GTDOrderNo, Gtd()), "18446744073709551615");
}

// Every column of every record, in both variants and both time settings: the filter's text and
// the refresh's direct readers give the displayed value's text.
void ExpectTextsMatchValues(const std::vector<OrderBookDetails*>& rows, const VariantDescription& v) {
  CellValue value;
  std::string valueText;
  CellTextBuffer buffer;
  int mismatches = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (int col = -1; col <= v.nColumnCount; ++col) {
      if (i % 2) GetItemValue(rows[i], col, v, value);  // either may run the first-time fill
      const std::string text(GetItemText(rows[i], col, v, buffer));
      if (i % 2 == 0) GetItemValue(rows[i], col, v, value);
      value.ToText(valueText);
      if (text != valueText && ++mismatches < 10)
        ADD_FAILURE() << v.cGridClass << " RefNo " << rows[i]->RefNo << " column " << col << ": text \"" << text
                      << "\" value \"" << valueText << "\"";
      // The refresh's direct readers must read the very same cell.
      std::string direct = text;
      if (CellTextReader read = PlainTextReader(col, v)) direct = std::string(read(*rows[i]));
      if (CellIntegerReader read = PlainIntegerReader(col, v)) direct = std::to_string(read(*rows[i]));
      if (direct != text && ++mismatches < 10)
        ADD_FAILURE() << v.cGridClass << " column " << col << ": reader \"" << direct << "\" text \"" << text << "\"";
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(CellValues, the_filter_text_equals_the_value_text_for_every_column_over_a_demo_book) {
  CScriptDesc master;
  orv::demo::GenerateContracts(master, 7, 400);
  InstallContractMaster(&master);
  orv::demo::OrderBookSpec pending;
  pending.orders = 1500;
  pending.seed = 3;
  pending.spreadShare = 0.1;
  pending.contractlessShare = 0.05;
  pending.unfilledLookupShare = 0.3;
  orv::demo::GenerateOrders(pending, master);
  orv::demo::RegisterClientNames(pending);
  orv::demo::OrderBookSpec gtd = pending;
  gtd.kind = BookKind::GTD;
  gtd.spreadShare = 0.0;
  orv::demo::GenerateOrders(gtd, master);
  ASSERT_GE(AppOrderBook::vctAllOrderBook.size(), 1500u);
  ASSERT_EQ(AppOrderBook::vctAllGTDOrderBook.size(), 1500u);

  // Records at the edges of every kind of field.
  ScriptDesc odd = m_contract;
  std::memset(odd.cExchangeName, 'B', sizeof odd.cExchangeName);
  std::memset(odd.cPriceFormat, 'f', sizeof odd.cPriceFormat);
  ScriptDesc wide = m_contract;
  CopyText(wide.cPriceFormat, "%64.20f");
  std::vector<OrderBookDetails> edges(4, Order(&odd));
  edges[0].Price = std::nan("");
  edges[0].Trig_Price = -std::numeric_limits<double>::infinity();
  edges[0].GTDOrderNo = std::numeric_limits<std::uint64_t>::max();
  edges[0].NNFID = std::numeric_limits<std::int64_t>::min();
  edges[1].pContract = &wide;
  edges[1].Price = 1e100;
  edges[1].Asset_Price = -1e15;
  edges[2].pContract = nullptr;
  edges[2].Price = 1e300;
  edges[2].Avg_Price = 5e-324;
  std::memset(edges[3].Client, 'Z', sizeof edges[3].Client);
  std::memset(edges[3].Error_Discriptions, 'E', sizeof edges[3].Error_Discriptions);
  std::vector<OrderBookDetails*> extra;
  for (auto& e : edges) extra.push_back(&e);

  for (int setting : {0, 1}) {
    AppGlobal::bGeneralSettings_24HrTimeFormat = setting;
    ExpectTextsMatchValues(AppOrderBook::vctAllOrderBook, Pending());
    ExpectTextsMatchValues(AppOrderBook::vctAllGTDOrderBook, Gtd());
    ExpectTextsMatchValues(extra, Pending());
    ExpectTextsMatchValues(extra, Gtd());
  }
  AppOrderBook::Clear();
  InstallContractMaster(nullptr);
}

TEST_F(CellValues, numeric_columns_compare_as_numbers_and_the_others_as_texts) {
  OrderBookDetails a = Order(&m_contract), b = Order(&m_contract);
  a.Price = 9.5;
  b.Price = 10.0;
  EXPECT_LT(CompareItemsAsStored(a, b, COL_Price, Pending()), 0) << "9.50 before 10.00, although its text is greater";
  EXPECT_GT(CompareItemsAsStored(b, a, COL_Price, Pending()), 0);
  a.pContract = b.pContract = nullptr;
  EXPECT_LT(CompareItemsAsStored(a, b, COL_Price, Pending()), 0) << "bare doubles compare the same way";

  CopyText(a.ExchOrder_No, "100");
  CopyText(b.ExchOrder_No, "20");
  EXPECT_GT(CompareItemsAsStored(a, b, COL_ExchOrder_No, Pending()), 0) << "a whole-number column holding a text";

  CopyText(a.Client, "10");
  CopyText(b.Client, "9.5");
  EXPECT_LT(CompareItemsAsStored(a, b, COL_Client, Pending()), 0) << "text columns compare byte by byte";
  a.Reason = 10;
  b.Reason = 9;
  EXPECT_LT(CompareItemsAsStored(a, b, COL_Reason, Pending()), 0) << "a number in a text column compares as its text";
  CopyText(a.Client, "\xE9");
  CopyText(b.Client, "z");
  EXPECT_GT(CompareItemsAsStored(a, b, COL_Client, Pending()), 0) << "bytes compare unsigned, like strcmp";
  EXPECT_EQ(CompareItemsAsStored(a, a, COL_Client, Pending()), 0);

  a.Price = std::nan("");
  EXPECT_LT(CompareItemsAsStored(a, b, COL_Price, Pending()), 0) << "NaN sorts first";
  EXPECT_EQ(CompareItemsAsStored(a, a, COL_Price, Pending()), 0);
}

}  // namespace
