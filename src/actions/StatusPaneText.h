#pragma once
// Writing one totals pane: a fixed prefix followed by a count or a formatted value.
#include <cstdint>

namespace orv::platform {
class StatusBar;
}

namespace StatusPaneText {

void WriteCount(orv::platform::StatusBar& bar, int pane, const char* prefix, std::int64_t count);
// `format` is a number format validated by GlobalFunctions::DoubleToString, never printf's.
void WriteValue(orv::platform::StatusBar& bar, int pane, const char* prefix, double value, const char* format);

}  // namespace StatusPaneText
