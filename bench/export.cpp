// The grid export of a 1M-order Pending view (Save File / Excel File), beside a floor measured in
// the same run: the same bytes written to the same folder with one plain buffered stdio stream,
// flushed to the disk as the export flushes its file.
//  - ours_ms: from the command to the file in place, with the loop driven as the terminal drives
//    it (wait until the next timer is due, then deliver), so the pauses between slices count;
//  - longest_pass_ms: the longest delivery, which is how long the window can stay unresponsive.
#include "BenchHost.h"
#include "host/AppOrderBook.h"
#include "host/platform/Application.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
namespace pf = orv::platform;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class Book {
 public:
  static Book& Get(int orders) { return bench::Cached<Book>(orders, false); }

  Book(int orders, bool /*shuffled*/) {
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    bench::GeneratePendingBook(m_host.Master(), orders, false);
    m_host.Show();
    AppOrderBook::IsUpdatePost = 1;
    Grid().OnTimer(10150);
    fs::create_directories(m_folder);
  }
  ~Book() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
  }

  OrvPendingOrdersGrid& Grid() { return m_host.Grid(); }
  pf::Application& App() { return *pf::Application::Current(); }
  fs::path File(const char* name) const { return m_folder / name; }

 private:
  bench::PendingViewHost m_host;
  fs::path m_folder = fs::temp_directory_path() / ("orv-bench-export-" + std::to_string(::getpid()));
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What any program pays to put these bytes on the disk.
bool PlainWrite(const fs::path& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ::fsync(::fileno(f)) == 0 && ok;
  return std::fclose(f) == 0 && ok;
}

void BM_GridExport(benchmark::State& state) {
  Book& book = Book::Get(static_cast<int>(state.range(0)));
  pf::EventLoop& loop = book.App().Loop();
  const fs::path ours = book.File("grid.xls"), floor = book.File("floor.xls");
  double oursMs = 0, floorMs = 0, longest = 0;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    book.App().FileDialogs().QueueAnswer({pf::IDOK, ours.string()});
    auto start = Clock::now();
    book.Grid().OnSavefileExcelfile();
    while (book.Grid().IsGridExportRunning()) {
      const std::int64_t wait = std::max<std::int64_t>(loop.msUntilNextTimer(), 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(wait));
      const auto pass = Clock::now();
      loop.advance(wait);
      longest = std::max(longest, MsSince(pass));
    }
    oursMs += MsSince(start);

    state.PauseTiming();
    const std::string written = ReadAll(ours);
    bytes = written.size();
    state.ResumeTiming();
    start = Clock::now();
    if (!PlainWrite(floor, written)) state.SkipWithError("the floor file could not be written");
    floorMs += MsSince(start);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rows"] = static_cast<double>(book.Grid().RowVector().size());
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["ours_ms"] = oursMs / n;
  state.counters["floor_ms"] = floorMs / n;
  state.counters["ours/floor"] = oursMs / floorMs;
  state.counters["longest_pass_ms"] = longest;
}

}  // namespace

BENCHMARK(BM_GridExport)->Arg(1000000)->Arg(1550000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
