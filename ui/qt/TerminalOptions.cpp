#include "ui/qt/TerminalOptions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace orv::ui {

namespace {

bool ReadDouble(const std::string& text, double& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(text.c_str(), &end);
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

bool ReadInteger(const std::string& text, long long& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) return false;
  out = v;
  return true;
}

}  // namespace

std::string TerminalUsage() {
  return "usage: orvterm [--orders N] [--rate CHANGES_PER_SECOND] [--seed S] [--data FOLDER]\n"
         "               [--seconds N] [--screenshot FILE.png] [--measure] [--rows N] [--offscreen]\n"
         "               [--sort COLUMN[,COLUMN...]] [--filter-bars] [--gtd-filter HEADER=VALUE[,VALUE...]]\n"
         "  --orders      Pending orders in the book at start, 0 to 5000000 (GTD gets a tenth; default 20000)\n"
         "  --rate        store changes a second from the simulated exchange, 0 to 100000 (default 50)\n"
         "  --seed        seed of the books and of the order flow (default 7)\n"
         "  --data        folder for the settings file and the logs (default ./orvterm-data)\n"
         "  --seconds     run this long, then exit\n"
         "  --screenshot  write a PNG of the terminal when exiting\n"
         "  --measure     print the user-interface thread's load in ticks and paints when exiting\n"
         "  --rows        rows of the Pending grid printed when exiting offscreen (default 10)\n"
         "  --offscreen   render without a display (the default when there is none)\n"
         "  --sort        sort the Pending grid by these headers at start, as clicks in this order\n"
         "  --filter-bars show the filter bar above each grid from the start (Shift+S shows it later)\n"
         "  --gtd-filter  filter the GTD grid at start: HEADER=VALUE[,VALUE...] (may be repeated)\n";
}

bool ParseTerminalOptions(const std::vector<std::string>& args, TerminalOptions& options, std::string& error,
                          bool& help) {
  help = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--measure") {
      options.measure = true;
    } else if (arg == "--offscreen") {
      options.offscreen = true;
    } else if (arg == "--filter-bars") {
      options.filterBars = true;
    } else if (arg == "--orders" || arg == "--seed" || arg == "--rows") {
      if (!value(v)) return false;
      long long n = 0;
      const long long max = arg == "--orders" ? 5000000 : arg == "--rows" ? 1000 : 0xFFFFFFFFll;
      if (!ReadInteger(v, n) || n < 0 || n > max) {
        error = arg + " takes a whole number from 0 to " + std::to_string(max) + ", not \"" + v + "\"";
        return false;
      }
      if (arg == "--orders") options.orders = static_cast<int>(n);
      else if (arg == "--rows") options.topRows = static_cast<int>(n);
      else options.seed = static_cast<std::uint32_t>(n);
    } else if (arg == "--rate" || arg == "--seconds") {
      if (!value(v)) return false;
      double d = 0;
      const double max = arg == "--rate" ? 100000.0 : 86400.0;
      if (!ReadDouble(v, d) || d < 0 || d > max) {
        error = arg + " takes a number from 0 to " + std::to_string(static_cast<long>(max)) + ", not \"" + v + "\"";
        return false;
      }
      (arg == "--rate" ? options.rate : options.seconds) = d;
    } else if (arg == "--sort") {
      if (!value(v)) return false;
      options.sortColumns.clear();
      for (std::size_t from = 0; from <= v.size();) {
        const std::size_t comma = std::min(v.find(',', from), v.size());
        if (comma == from) {
          error = "--sort takes column headers separated by commas, not \"" + v + "\"";
          return false;
        }
        options.sortColumns.push_back(v.substr(from, comma - from));
        from = comma + 1;
      }
    } else if (arg == "--gtd-filter") {
      if (!value(v)) return false;
      const std::size_t equals = v.find('=');
      if (equals == 0 || equals == std::string::npos || equals + 1 == v.size()) {
        error = "--gtd-filter takes HEADER=VALUE[,VALUE...], not \"" + v + "\"";
        return false;
      }
      TerminalOptions::ColumnFilter filter{v.substr(0, equals), {}};
      for (std::size_t from = equals + 1; from <= v.size();) {
        const std::size_t comma = std::min(v.find(',', from), v.size());
        filter.values.push_back(v.substr(from, comma - from));
        from = comma + 1;
      }
      options.gtdFilters.push_back(std::move(filter));
    } else if (arg == "--data" || arg == "--screenshot") {
      if (!value(v)) return false;
      if (v.empty()) {
        error = arg + " needs a path";
        return false;
      }
      (arg == "--data" ? options.dataFolder : options.screenshot) = v;
    } else {
      error = "unknown option " + arg + " (try --help)";
      return false;
    }
  }
  return true;
}

bool HasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
  if (qpaPlatform && std::strcmp(qpaPlatform, "offscreen") == 0) return false;
  const bool x11 = display && *display;
  const bool wayland = waylandDisplay && *waylandDisplay;
  return x11 || wayland;
}

}  // namespace orv::ui
