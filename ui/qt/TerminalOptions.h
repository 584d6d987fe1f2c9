#pragma once
// The desktop terminal's command line.
#include <cstdint>
#include <string>
#include <vector>

namespace orv::ui {

struct TerminalOptions {
  int orders = 20000;        // Pending orders generated at start (the GTD book gets a tenth)
  double rate = 50.0;        // store changes a second from the simulated exchange
  std::uint32_t seed = 7;
  std::string dataFolder = "orvterm-data";  // settings and logs
  std::string screenshot;    // write a PNG of the terminal here, then exit
  double seconds = -1.0;     // run this long, then exit (negative: until closed)
  bool measure = false;      // print the user-interface thread's load when exiting
  bool offscreen = false;    // no display: render offscreen, answer nothing interactively
  bool filterBars = false;   // show each view's filter bar from the start
  int topRows = 10;          // rows of the Pending grid printed on exit in the offscreen runs
  std::vector<std::string> sortColumns;  // Pending grid headers clicked in this order at start
  // GTD grid filters set at start: a header and the values it keeps.
  struct ColumnFilter {
    std::string column;
    std::vector<std::string> values;
  };
  std::vector<ColumnFilter> gtdFilters;

  // What a run without a display does when nothing else was asked.
  static constexpr double kDefaultOffscreenSeconds = 4.0;
  static constexpr const char* kDefaultScreenshot = "out/orvterm.png";
};

// Reads the options after the program name. False with a message in `error` for an unknown option,
// a missing or malformed value, or a value out of range. `help` is set for --help.
bool ParseTerminalOptions(const std::vector<std::string>& args, TerminalOptions& options, std::string& error,
                          bool& help);
std::string TerminalUsage();

// Whether the process has a display to draw on: no DISPLAY and no WAYLAND_DISPLAY, or the offscreen
// platform asked for, mean it has none.
bool HasDisplay(const char* display, const char* waylandDisplay, const char* qpaPlatform);

}  // namespace orv::ui
