#include "ui/qt/MemoryMeter.h"

#include "host/AppOrderBook.h"
#include "host/recordcache/RecordCache.h"
#include "view/OrderBookGrid.h"

#include <cstdio>
#include <unistd.h>

namespace orv::ui {

std::size_t ResidentBytes() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  unsigned long long size = 0, resident = 0;
  const int read = std::fscanf(f, "%llu %llu", &size, &resident);
  std::fclose(f);
  if (read != 2) return 0;
  return static_cast<std::size_t>(resident) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

MemoryReport MeasureMemory(const std::vector<const OrderBookGrid*>& grids) {
  MemoryReport r;
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
    const AppOrderBook::MemoryUse use = AppOrderBook::MemoryOf(kind);
    r.records += use.records;
    r.storeLists += use.lists;
    r.orders += AppOrderBook::Book(kind).vctAll.size();
  }
  r.recordSize = sizeof(OrderBookDetails);
  r.cache = RecordCache::MemoryBytes();
  for (const OrderBookGrid* grid : grids)
    if (grid) r.views += grid->MemoryBytes();
  r.resident = ResidentBytes();
  return r;
}

std::size_t MemoryReport::Rest() const {
  const std::size_t counted = records + storeLists + cache + views;
  return resident > counted ? resident - counted : 0;
}

std::string MemoryReport::Text() const {
  constexpr double kMiB = 1024.0 * 1024.0;
  const double perOrder = orders ? 1.0 / static_cast<double>(orders) : 0.0;
  char text[640];
  std::snprintf(text, sizeof text,
                "memory at %zu orders: resident %.0f MiB; store's records %.0f MiB (%zu bytes a record, %.0f MiB "
                "their own), store's lists and key map %.0f MiB (%.1f bytes an order), record cache %.1f MiB, views "
                "%.1f MiB (%.1f bytes an order), Qt and the rest %.0f MiB; resident/records' own %.3f",
                orders, static_cast<double>(resident) / kMiB, static_cast<double>(records) / kMiB, recordSize,
                static_cast<double>(RecordBytes()) / kMiB, static_cast<double>(storeLists) / kMiB,
                static_cast<double>(storeLists) * perOrder, static_cast<double>(cache) / kMiB,
                static_cast<double>(views) / kMiB, static_cast<double>(views) * perOrder,
                static_cast<double>(Rest()) / kMiB,
                RecordBytes() ? static_cast<double>(resident) / static_cast<double>(RecordBytes()) : 0.0);
  return text;
}

}  // namespace orv::ui
