// The desktop terminal: the order-book module's two windows as docks over a live, simulated
// exchange. Only wiring here; the behaviour lives in liborvqt and liborvdemo.
#include "host/platform/Application.h"
#include "ui/qt/OffscreenMessages.h"
#include "ui/qt/TerminalHost.h"
#include "ui/qt/TerminalOptions.h"
#include "ui/qt/TerminalWindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  orv::ui::TerminalOptions options;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  bool help = false;
  if (!orv::ui::ParseTerminalOptions(args, options, error, help)) {
    std::fprintf(stderr, "orvterm: %s\n", error.c_str());
    return 2;
  }
  if (help) {
    std::printf("%s", orv::ui::TerminalUsage().c_str());
    return 0;
  }
  // Without a display the terminal renders offscreen for a few seconds and leaves a screenshot.
  if (!orv::ui::HasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM")))
    options.offscreen = true;
  if (options.offscreen) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orv::ui::QuietOffscreenWarnings();
    if (options.seconds < 0) options.seconds = orv::ui::TerminalOptions::kDefaultOffscreenSeconds;
    if (options.screenshot.empty() && !options.measure) options.screenshot = orv::ui::TerminalOptions::kDefaultScreenshot;
  }

  QApplication qt(argc, argv);
  orv::platform::Application app;
  orv::platform::ApplicationScope scope(app);
  orv::ui::TerminalHost host(app, options);
  // The window is up while the books are built, which takes seconds for a million orders.
  orv::ui::TerminalWindow window(host);
  window.show();
  try {
    window.StartHost();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvterm: %s\n", e.what());
    return 1;
  }
  std::printf("orvterm: %d Pending and %d GTD orders generated in %.2f s; exchange at %.0f changes/s; data in %s\n",
              options.orders, options.orders / 10, host.GenerationSeconds(), options.rate,
              host.DataFolder().string().c_str());
  std::fflush(stdout);
  window.Begin();
  return QApplication::exec();
}
