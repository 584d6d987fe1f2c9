// The bulk order files: the comma-separated and the field-per-line text file the grid rewrites its
// orders into, the checks before writing, and the market texts of the layout.
#include "actions/BulkOrderFields.h"
#include "host/LogWriter.h"
#include "host/RCGlobal.h"
#include "host/ScratchFolder.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

namespace pf = orv::platform;

constexpr const char* kCsvHeader =
    "Exch - MktSeg,Instrument Name,Code,Symbol,Series,Expiry Date,Strike Price,Option Type,Scrip Name,Order Type,"
    "Buy/Sell,Quantity,Price,Product Type,Pro/Client,Client,Disclosed Quantity,Settlor,Validity,Good Till Days,"
    "Trigger Price,ParticipantID,StrategyName,Open/Close,Cover/Uncover,Misc.,Status,MF/AON,MF Quantity,"
    "Auction No.,Sett. Days,Delv. Type,Trans Type,Mkt.Per Price\n";
constexpr const char* kNoPending = "No Pending Orders Present On Pending Window.File Not Saved";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

class BulkOrderFilesTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kBseEquity = 201000004;

  BulkOrderFilesTest() {
    ScriptDesc* reliance = h.Master().Find(ViewHarness::kReliance);
    CopyText(reliance->Inst_Name, "EQ");
    CopyText(reliance->Code, "2885");
    CopyText(reliance->cSeries, "EQ");
    CopyText(reliance->cScripName, "RELIANCE IND");
    h.AddContract(kBseEquity, "BSE", "TCS", "E", 1, "%.2f");
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) {
      if (source == BulkOrderFields::kUnknownMarketLog) marketLog.push_back(text);
    });
  }
  ~BulkOrderFilesTest() override {
    AppGlobal::SetLogWriter(nullptr);
    RCGlobal::Clear();
  }

  OrderBookGrid& Shown(ViewVariant variant = ViewVariant::Pending) { return h.ShowAllRows(variant); }
  std::filesystem::path SaveCsv(OrderBookGrid& grid, const std::string& name) {
    const auto path = folder / name;
    h.App().FileDialogs().QueueAnswer({pf::IDOK, path.string()});
    grid.OnBulkOrderExcel();
    return path;
  }
  std::filesystem::path SaveText(OrderBookGrid& grid, const std::string& name) {
    const auto path = folder / name;
    h.App().FileDialogs().QueueAnswer({pf::IDOK, path.string()});
    grid.OnBulkOrderText();
    return path;
  }
  pf::MessageBoxService& Boxes() { return h.App().MessageBoxes(); }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> out;
    for (const auto& b : Boxes().Shown()) out.push_back(b.text);
    return out;
  }

  ViewHarness h;
  ScratchFolder folder{"bulk-orders"};
  LogWriter m_log;
  std::vector<std::string> marketLog;
};

TEST_F(BulkOrderFilesTest, csv_file_holds_the_header_and_one_line_per_order_with_texts_as_they_are) {
  h.AddOrder(BookKind::Pending, 1, [&](OrderBookDetails& r) {
    r.lOurToken = ViewHarness::kReliance;
    r.pContract = h.Master().Find(ViewHarness::kReliance);
    CopyText(r.B_S, "SELL");
    r.Pending_Qty = 10;
    r.Price = 2500.5;
    CopyText(r.Prod_Type, "CNC");
    CopyText(r.Pro_Client, "CLI");
    CopyText(r.Client, "C1");
    r.Disclose_Qty = 5;
    CopyText(r.Validity, "DAY");
    CopyText(r.ParticipantID, "P1");
    CopyText(r.Strategy, "S%d%s%n");  // never a format
    r.MF_Qty = 2;
    CopyText(r.TransType, "N");
  });
  OrderBookGrid& grid = Shown();

  const auto path = SaveCsv(grid, "orders.csv");

  const std::string line =
      "NSE - E,EQ,2885,RELIANCE,EQ,,,,RELIANCE IND,RL,S,10,2500.50,CNC,CLI,C1,5,,DAY,,0.00,P1,S%d%s%n,O,U,,,,2,,,,N,\n";
  EXPECT_EQ(ReadFile(path), kCsvHeader + line);
  const auto& dialog = h.App().FileDialogs().Shown().at(0).request;
  EXPECT_EQ(dialog.defaultExtension, "csv");
  EXPECT_EQ(dialog.filter, "All Files (*.csv)|*.csv||");
  EXPECT_TRUE(dialog.bOverwritePrompt);
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  EXPECT_EQ(Boxes().Shown()[0].text, "File Is Saved Successfully");
  EXPECT_EQ(Boxes().Shown()[0].caption, "Save File");
  EXPECT_EQ(grid.GetSaveFilePath(), path.string());
  EXPECT_FALSE(h.PendingWnd().bBulkExcelSaveInProgress);

  const auto direct = folder / "direct.csv";
  EXPECT_TRUE(grid.BulkOrderExportGridData(direct.string(), false));
  EXPECT_EQ(ReadFile(direct), kCsvHeader + line);
}

TEST_F(BulkOrderFilesTest, text_file_numbers_the_orders_in_list_order_and_ends_line_two_with_the_next_number) {
  const char* oldTz = std::getenv("TZ");
  const std::string savedTz = oldTz ? oldTz : "";
  setenv("TZ", "UTC0", 1);
  tzset();
  AppGlobal::lTime = 1796425119;
  for (std::uint32_t ref = 1; ref <= 3; ++ref) h.AddOrder(BookKind::Pending, ref);
  OrderBookGrid& grid = Shown();

  const std::vector<std::string> lines = Split(ReadFile(SaveText(grid, "orders.txt")), '\n');

  if (oldTz) setenv("TZ", savedTz.c_str(), 1);
  else unsetenv("TZ");
  tzset();
  ASSERT_EQ(lines.size(), 2u + 3 * 34);
  EXPECT_EQ(lines[0], "BulkOrderEntry Last Modified : 04/Dec/2026 : 22:58:39");
  EXPECT_EQ(lines[1], "4           ");
  EXPECT_EQ(lines[2], "1|0|NSE - F|");
  EXPECT_EQ(lines[2 + 11], "1|11|75|");
  EXPECT_EQ(lines[2 + 12], "1|12|101.00|");
  EXPECT_EQ(lines[2 + 2 * 34 + 12], "3|12|103.00|");
  EXPECT_EQ(lines.back(), "3|33||");
  EXPECT_EQ(h.App().FileDialogs().Shown().at(0).request.filter, "All Files (*.txt)|*.txt||");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"File Saved Successfully"});
  EXPECT_FALSE(h.PendingWnd().bBulkTextSaveInProgress);
}

TEST_F(BulkOrderFilesTest, texts_filled_to_the_last_byte_without_a_terminator_end_at_their_field) {
  ScriptDesc* reliance = h.Master().Find(ViewHarness::kReliance);
  std::memset(reliance->cScripName, 'N', sizeof reliance->cScripName);
  h.AddOrder(BookKind::Pending, 1, [&](OrderBookDetails& r) {
    r.lOurToken = ViewHarness::kReliance;
    r.pContract = reliance;
    std::memset(r.Order_Type, 'O', sizeof r.Order_Type);
    std::memset(r.Prod_Type, 'P', sizeof r.Prod_Type);
    std::memset(r.Pro_Client, 'R', sizeof r.Pro_Client);
    std::memset(r.Client, 'C', sizeof r.Client);
    std::memset(r.Settlor, 'T', sizeof r.Settlor);
    std::memset(r.Validity, 'V', sizeof r.Validity);
    std::memset(r.ParticipantID, 'I', sizeof r.ParticipantID);
    std::memset(r.Strategy, 'S', sizeof r.Strategy);
    std::memset(r.Misc, 'M', sizeof r.Misc);
    std::memset(r.Status, 'U', sizeof r.Status);
    std::memset(r.TransType, 'X', sizeof r.TransType);
  });
  OrderBookGrid& grid = Shown();
  const std::pair<std::size_t, std::string> fields[] = {
      {8, std::string(sizeof(ScriptDesc::cScripName), 'N')}, {9, std::string(4, 'O')},
      {13, std::string(12, 'P')},  {14, std::string(4, 'R')},  {15, std::string(16, 'C')},
      {17, std::string(16, 'T')},  {18, std::string(8, 'V')},  {21, std::string(16, 'I')},
      {22, std::string(24, 'S')},  {25, std::string(24, 'M')}, {26, std::string(24, 'U')},
      {32, std::string(3, 'X')}};

  const std::vector<std::string> csv = Split(Split(ReadFile(SaveCsv(grid, "orders.csv")), '\n').at(1), ',');
  const std::vector<std::string> text = Split(ReadFile(SaveText(grid, "orders.txt")), '\n');

  ASSERT_EQ(csv.size(), 33u) << "the last field is empty";
  ASSERT_EQ(text.size(), 2u + 34);
  for (const auto& [index, expected] : fields) {
    EXPECT_EQ(csv[index], expected) << "csv field " << index;
    EXPECT_EQ(text[2 + index], "1|" + std::to_string(index) + "|" + expected + "|") << "text line " << index;
  }
}

TEST_F(BulkOrderFilesTest, rows_without_a_pending_order_refuse_both_files) {
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { r.eOrderStatus = eCancelled; });
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { r.eOrderStatus = eUnConfirmed; });
  h.AddOrder(BookKind::GTD, 3, [](OrderBookDetails& r) { r.eOrderStatus = eCompleted; });
  OrderBookGrid& pending = Shown();
  OrderBookGrid& gtd = Shown(ViewVariant::GTD);

  SaveCsv(pending, "p.csv");
  SaveText(pending, "p.txt");
  SaveCsv(gtd, "g.csv");
  SaveText(gtd, "g.txt");

  const std::string noGtd = "No GTD Order Book Present On Pending Window.File Not Saved";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kNoPending, kNoPending, noGtd, noGtd}));
  for (const auto& box : Boxes().Shown()) EXPECT_EQ(box.caption, "Save File");
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_FALSE(h.PendingWnd().bBulkTextSaveInProgress);
}

TEST_F(BulkOrderFilesTest, an_existing_text_file_is_replaced_only_when_it_is_a_bulk_file_and_the_user_agrees) {
  h.AddOrder(BookKind::Pending, 1);
  OrderBookGrid& grid = Shown();
  { std::ofstream(folder / "notes.txt") << "shopping list\nmilk\n"; }
  { std::ofstream(folder / "bulk.txt") << "BulkOrderEntry Last Modified : 01/Jan/2026 : 10:00:00\n1           \n"; }
  const std::string oldBulk = ReadFile(folder / "bulk.txt");

  SaveText(grid, "notes.txt");
  SaveText(grid, "bulk.txt");  // nobody answers: No

  ASSERT_EQ(Boxes().Shown().size(), 2u);
  EXPECT_EQ(Boxes().Shown()[0].text, "The File Choosen is not a Bulk Order File");
  EXPECT_EQ(Boxes().Shown()[0].caption, "Wrong File Selection");
  EXPECT_EQ(Boxes().Shown()[0].flags, pf::MB_ICONEXCLAMATION);
  EXPECT_EQ(Boxes().Shown()[1].text, "'bulk.txt' File Already Exists.Do You Want to Overwrite it ?");
  EXPECT_EQ(Boxes().Shown()[1].caption, "File Duplicacy");
  EXPECT_EQ(Boxes().Shown()[1].flags, pf::MB_YESNO | pf::MB_ICONQUESTION);
  EXPECT_EQ(ReadFile(folder / "notes.txt"), "shopping list\nmilk\n");
  EXPECT_EQ(ReadFile(folder / "bulk.txt"), oldBulk);
  EXPECT_FALSE(h.PendingWnd().bBulkTextSaveInProgress);

  Boxes().QueueAnswer(pf::IDYES);
  SaveText(grid, "bulk.txt");
  EXPECT_EQ(Boxes().Shown().back().text, "File Saved Successfully");
  EXPECT_EQ(Split(ReadFile(folder / "bulk.txt"), '\n').size(), 2u + 34);
}

TEST_F(BulkOrderFilesTest, an_inst_order_on_nse_or_bse_equity_carries_the_clients_participant_id) {
  RCGlobal::SetClientParticipantID("NSE", "E", "C9", "NSEPART");
  RCGlobal::SetClientParticipantID("BSE", "E", "C9", "BSEPART");
  const auto add = [&](std::uint32_t ref, std::int32_t token, const char* settlor) {
    h.AddOrder(BookKind::Pending, ref, [&](OrderBookDetails& r) {
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
      CopyText(r.Settlor, settlor);
      CopyText(r.Client, "C9");
      CopyText(r.ParticipantID, "OWN");
    });
  };
  add(1, ViewHarness::kReliance, "INST");
  add(2, kBseEquity, "INST");
  add(3, ViewHarness::kNiftyFut, "INST");  // derivatives keep the order's own
  add(4, ViewHarness::kReliance, "CUST");
  OrderBookGrid& grid = Shown();

  std::vector<std::string> csv;
  for (const std::string& line : Split(ReadFile(SaveCsv(grid, "inst.csv")), '\n'))
    csv.push_back(Split(line, ',').at(BulkOrderFields::kParticipantId));
  const std::vector<std::string> text = Split(ReadFile(SaveText(grid, "inst.txt")), '\n');

  EXPECT_EQ(csv, (std::vector<std::string>{"ParticipantID", "NSEPART", "BSEPART", "OWN", "OWN"}));
  EXPECT_EQ(text[2 + 21], "1|21|NSEPART|");
  EXPECT_EQ(text[2 + 34 + 21], "2|21|BSEPART|");
  EXPECT_EQ(text[2 + 2 * 34 + 21], "3|21|OWN|");
}

TEST_F(BulkOrderFilesTest, csv_command_writes_only_a_file_chosen_with_the_csv_extension) {
  h.AddOrder(BookKind::Pending, 1);
  OrderBookGrid& grid = Shown();

  SaveCsv(grid, "orders.txt");
  SaveCsv(grid, "orders.CSV");
  grid.OnBulkOrderExcel();  // cancelled

  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(h.App().FileDialogs().Shown().size(), 3u);
}

}  // namespace
