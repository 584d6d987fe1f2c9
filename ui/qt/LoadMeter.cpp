#include "ui/qt/LoadMeter.h"

#include <cstdio>
#include <ctime>

namespace orv::ui {

std::chrono::nanoseconds LoadSample::ThreadCpuNow() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

std::chrono::nanoseconds LoadSample::WallNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

LoadReport Compare(const LoadSample& from, const LoadSample& to) {
  LoadReport r;
  const double wall = std::chrono::duration<double>(to.wall - from.wall).count();
  if (wall <= 0) return r;
  auto share = [wall](std::chrono::nanoseconds d) { return std::chrono::duration<double>(d).count() / wall; };
  const auto exchange = to.exchange - from.exchange;
  r.seconds = wall;
  r.exchangeShare = share(exchange);
  r.tickShare = share((to.delivering - from.delivering) - exchange);
  r.paintShare = share(to.painting - from.painting);
  r.mirrorShare = share(to.mirroring - from.mirroring);
  r.threadShare = share(to.threadCpu - from.threadCpu);
  r.changesPerSecond = static_cast<double>(to.storeChanges - from.storeChanges) / wall;
  r.passes = to.passes - from.passes;
  r.paints = to.paints - from.paints;
  r.scrollBarChanges = to.scrollBarChanges - from.scrollBarChanges;
  r.scrollBarSkips = to.scrollBarSkips - from.scrollBarSkips;
  return r;
}

std::string LoadReport::Text() const {
  char text[512];
  std::snprintf(text, sizeof text,
                "measured %.1f s: %.0f store changes/s; UI thread in ticks %.1f %% (%llu passes; %.1f points of them "
                "bringing grid changes onto the screen), in paints %.1f %% (%llu paints): %.1f %% of one core; "
                "simulated exchange %.1f %%; whole UI thread %.1f %%; scroll bars repainted for %llu of %llu "
                "changes",
                seconds, changesPerSecond, tickShare * 100.0, static_cast<unsigned long long>(passes), mirrorShare * 100.0,
                paintShare * 100.0, static_cast<unsigned long long>(paints), UiShare() * 100.0, exchangeShare * 100.0,
                threadShare * 100.0, static_cast<unsigned long long>(scrollBarChanges - scrollBarSkips),
                static_cast<unsigned long long>(scrollBarChanges));
  return text;
}

}  // namespace orv::ui
