#pragma once
// A view with the host's header menu registered and a filter bar that records what the column
// filters ask of it.
#include "filterbar/OrderBookFilter.h"
#include "host/HostMenus.h"
#include "host/LogWriter.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

class RecordingFilterBar final : public OrderBookFilter {
 public:
  struct Mirrored {
    int column;
    std::string text;
    bool bAll;
    bool operator==(const Mirrored&) const = default;
  };

  explicit RecordingFilterBar(ViewVariant variant) : OrderBookFilter(variant) {}

  void SetdataOnFilterbar(int column, const std::string& text, bool bAll) override {
    mirrored.push_back({column, text, bAll});
  }
  void ResetColumnControl(int column) override { resets.push_back(column); }
  void SetTimeRange(const orv::platform::OleDateTime& from, const orv::platform::OleDateTime& till) override {
    ranges.emplace_back(from, till);
  }

  std::vector<Mirrored> mirrored;
  std::vector<int> resets;
  std::vector<std::pair<orv::platform::OleDateTime, orv::platform::OleDateTime>> ranges;
};

class HeaderFilterFixture : public ::testing::Test {
 protected:
  static constexpr std::int32_t kBseEq = 201000005;

  HeaderFilterFixture() {
    HostMenus::RegisterHostMenus(h.App().Resources());
    h.AddContract(kBseEq, "BSE", "TATA", "E", 1, "%.2f");
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) {
      logLines.push_back(source + ": " + text);
    });
  }
  ~HeaderFilterFixture() override {
    for (auto& [wnd, bar] : m_realBars) wnd->SetFilterFrame(wnd->GetFilterFrame(), bar);
    AppGlobal::SetLogWriter(nullptr);
  }

  // The grid of the variant, its filter bar replaced by a recording one.
  OrderBookGrid& View(ViewVariant variant = ViewVariant::Pending) {
    OrderBookWnd& wnd = h.Wnd(variant);
    RecordingFilterBar& bar = variant == ViewVariant::Pending ? m_pendingBar : m_gtdBar;
    if (wnd.GetFilterBar() != &bar) {
      m_realBars.emplace_back(&wnd, wnd.GetFilterBar());
      wnd.SetFilterFrame(wnd.GetFilterFrame(), &bar);
    }
    return *wnd.GetGrid();
  }
  RecordingFilterBar& Bar(ViewVariant variant = ViewVariant::Pending) {
    return variant == ViewVariant::Pending ? m_pendingBar : m_gtdBar;
  }

  OrderBookDetails* AddOn(std::uint32_t refNo, std::int32_t token, BookKind kind = BookKind::Pending) {
    return h.AddOrder(kind, refNo, [this, token](OrderBookDetails& r) {
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
    });
  }

  // RefNos of the rows the grid shows after the next refresh.
  std::set<std::uint32_t> Shown(OrderBookGrid& grid) {
    h.Run();
    const std::vector<std::uint32_t> rows = ViewHarness::RowRefNos(grid);
    return {rows.begin(), rows.end()};
  }
  static std::vector<std::string> Values(const OrderBookGrid& grid, int col) {
    const MULTIPLEFILTER_PARAM* f = grid.FindFilter(col);
    return f ? f->lstValues : std::vector<std::string>{};
  }

  orv::platform::FilterMenuTracker& Menus() { return h.App().FilterMenus(); }
  orv::platform::FilterDialogService& Dialogs() { return h.App().FilterDialogs(); }

  ViewHarness h;
  std::vector<std::string> logLines;

 private:
  LogWriter m_log;
  RecordingFilterBar m_pendingBar{ViewVariant::Pending};
  RecordingFilterBar m_gtdBar{ViewVariant::GTD};
  std::vector<std::pair<OrderBookWnd*, OrderBookFilter*>> m_realBars;
};
