#include "actions/StatusPaneText.h"

#include "host/GlobalFunctions.h"
#include "host/platform/StatusBar.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace StatusPaneText {

void WriteCount(orv::platform::StatusBar& bar, int pane, const char* prefix, std::int64_t count) {
  char text[64];
  std::snprintf(text, sizeof text, "%s%" PRId64, prefix, count);
  bar.SetPaneText(pane, text, true);
}

void WriteValue(orv::platform::StatusBar& bar, int pane, const char* prefix, double value, const char* format) {
  char text[192];
  const std::size_t prefixLength = std::strlen(prefix);
  std::memcpy(text, prefix, prefixLength);
  GlobalFunctions::DoubleToString(value, format, text + prefixLength, sizeof text - prefixLength);
  bar.SetPaneText(pane, text, true);
}

}  // namespace StatusPaneText
