#include "demo/ContractMasterGenerator.h"
#include "demo/DemoCalendar.h"
#include "demo/DemoVocabulary.h"
#include "host/demo/DemoFixture.h"
#include "host/records/OrderBookDetails.h"

#include <algorithm>
#include <charconv>
#include <regex>
#include <set>

namespace {

using namespace orv::demo;

class DemoContractMaster : public DemoFixture {
 protected:
  std::vector<const ScriptDesc*> Sorted() const { return SortedOf(m_master); }
  static std::vector<const ScriptDesc*> SortedOf(const CScriptDesc& master) {
    std::vector<std::int32_t> tokens = master.Tokens();
    std::sort(tokens.begin(), tokens.end());
    std::vector<const ScriptDesc*> out;
    for (std::int32_t t : tokens) out.push_back(master.Find(t));
    return out;
  }
};

// Every field of a contract in one comparable text.
std::string Describe(const ScriptDesc& d) {
  char multiplier[32];
  *std::to_chars(multiplier, multiplier + 31, d.dMultiplier).ptr = '\0';
  return std::to_string(d.lToken) + "|" + FieldText(d.cExchangeName) + "|" + std::to_string(d.nSegment) + "|" +
         FieldText(d.Code) + "|" + FieldText(d.Symbol_ScriptID) + "|" + FieldText(d.Mkt_Seg) + "|" +
         FieldText(d.Inst_Name) + "|" + FieldText(d.cExpiry) + "|" + FieldText(d.cSeries) + "|" + FieldText(d.cStrike) +
         "|" + FieldText(d.cOptionType) + "|" + FieldText(d.cScripName) + "|" + std::to_string(d.lLotSize) + "|" +
         FieldText(d.cPriceFormat) + "|" + multiplier + "|" + std::to_string(d.iPrecision);
}

TEST_F(DemoContractMaster, adds_the_requested_number_of_distinct_contracts_and_keeps_existing_entries) {
  ScriptDesc mine;
  mine.lToken = 101001001;  // the first token the generator would give an NSE equity
  CopyText(mine.Symbol_ScriptID, "MINE");
  const ScriptDesc* stored = m_master.Add(mine);
  GenerateContracts(m_master, 11, 600);

  ASSERT_EQ(m_master.Count(), 601u);
  EXPECT_EQ(m_master.Find(101001001), stored) << "an existing token is never reused";
  EXPECT_EQ(FieldText(stored->Symbol_ScriptID), "MINE");
  std::set<std::string> instruments;
  for (const ScriptDesc* d : Sorted()) {
    EXPECT_EQ(m_master.Find(d->lToken), d);
    instruments.insert(FieldText(d->cExchangeName) + "/" + std::to_string(d->nSegment) + "/" +
                       FieldText(d->Symbol_ScriptID) + "/" + FieldText(d->Inst_Name) + "/" + FieldText(d->cExpiry) +
                       "/" + FieldText(d->cStrike) + "/" + FieldText(d->cOptionType) + "/" + FieldText(d->cSeries));
  }
  EXPECT_EQ(instruments.size(), 601u) << "one instrument listed under two tokens";
}

TEST_F(DemoContractMaster, tokens_and_fields_follow_the_market_and_the_installed_master_answers_the_host) {
  GenerateContracts(m_master, 9, 2500);
  InstallContractMaster(&m_master);
  EXPECT_EQ(OrvStorageGlobal::dctExchangeContractMappingByTokenNo.size(), 2500u);

  const std::regex expiryText("[0-9]{2}(JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC)20[0-9]{2}");
  const std::int64_t today = DemoCalendar::SerialDay(DemoCatalogue::kTradingDay);
  std::map<std::string, int> bySegment;
  for (const ScriptDesc* d : Sorted()) {
    SCOPED_TRACE(Describe(*d));
    const std::string segment = FieldText(d->Mkt_Seg);
    ++bySegment[segment];
    // The token encodes the exchange and the market segment.
    EXPECT_EQ(GlobalFunctions::GetExchangeName(d->lToken / 100000000), FieldText(d->cExchangeName));
    EXPECT_EQ(d->nSegment, d->lToken / 1000000 % 100);
    EXPECT_EQ(GlobalFunctions::GetExchangeMaktType(d->lToken), d->lToken / 100000000 * 100 + d->nSegment);
    NumberFormat format;
    ASSERT_TRUE(NumberFormat::Parse(d->cPriceFormat, format));
    EXPECT_EQ(format.nPrecision, d->iPrecision);
    char hostFormat[12];
    EXPECT_EQ(GlobalFunctions::GetPrecisionInfo(d->lToken, hostFormat, sizeof hostFormat), d->iPrecision);
    EXPECT_EQ(std::string(hostFormat), FieldText(d->cPriceFormat));
    EXPECT_GE(d->lLotSize, 1);
    EXPECT_GT(d->dMultiplier, 0.0);
    EXPECT_FALSE(FieldText(d->cScripName).empty());
    EXPECT_FALSE(FieldText(d->Code).empty());
    if (segment == "E") {
      EXPECT_EQ(FieldText(d->Inst_Name), "EQ");
      EXPECT_TRUE(FieldText(d->cSeries) == "EQ" || FieldText(d->cSeries) == "BE");
      EXPECT_EQ(d->lLotSize, 1);
      EXPECT_EQ(FieldText(d->cExpiry) + FieldText(d->cStrike) + FieldText(d->cOptionType), "");
      continue;
    }
    ASSERT_TRUE(segment == "F" || segment == "O");
    DemoDate expiry;
    ASSERT_TRUE(std::regex_match(FieldText(d->cExpiry), expiryText));
    ASSERT_TRUE(DemoCalendar::ParseExpiry(FieldText(d->cExpiry), expiry));
    EXPECT_GE(DemoCalendar::SerialDay(expiry), today);
    EXPECT_NE(DemoCalendar::DayOfWeek(expiry), 0);
    EXPECT_NE(DemoCalendar::DayOfWeek(expiry), 6);
    if (segment == "F") {
      EXPECT_EQ(FieldText(d->Inst_Name).substr(0, 3), "FUT");
      EXPECT_EQ(FieldText(d->cStrike) + FieldText(d->cOptionType), "");
      EXPECT_EQ(FieldText(d->cScripName), FieldText(d->Symbol_ScriptID) + " " + FieldText(d->cExpiry) + " FUT");
    } else {
      EXPECT_EQ(FieldText(d->Inst_Name).substr(0, 3), "OPT");
      EXPECT_TRUE(FieldText(d->cOptionType) == "CE" || FieldText(d->cOptionType) == "PE");
      const int decimals = std::max(2, d->iPrecision);
      EXPECT_TRUE(
          std::regex_match(FieldText(d->cStrike), std::regex("[1-9][0-9]*\\.[0-9]{" + std::to_string(decimals) + "}")));
      EXPECT_EQ(FieldText(d->cScripName), FieldText(d->Symbol_ScriptID) + " " + FieldText(d->cExpiry) + " " +
                                              FieldText(d->cStrike) + " " + FieldText(d->cOptionType));
    }
  }
  EXPECT_GT(bySegment["E"], 0);
  EXPECT_GT(bySegment["F"], 0);
  EXPECT_GT(bySegment["O"], bySegment["F"]) << "options outnumber futures in a real master";
}

TEST_F(DemoContractMaster, another_trading_day_moves_every_expiry_on_or_after_it) {
  const DemoDate day{2027, 3, 30};
  GenerateContracts(m_master, 9, 600, day);
  const std::int64_t serial = DemoCalendar::SerialDay(day);
  std::int64_t nearest = 0;
  for (const ScriptDesc* d : Sorted()) {
    DemoDate expiry;
    if (!DemoCalendar::ParseExpiry(FieldText(d->cExpiry), expiry)) continue;
    EXPECT_GE(DemoCalendar::SerialDay(expiry), serial) << Describe(*d);
    if (nearest == 0 || DemoCalendar::SerialDay(expiry) < nearest) nearest = DemoCalendar::SerialDay(expiry);
  }
  EXPECT_LT(nearest - serial, 8) << "the weeklies start within the week";
}

}  // namespace
