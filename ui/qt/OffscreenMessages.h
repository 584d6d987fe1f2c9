#pragma once
// The offscreen platform warns about every window feature it does not have (size hints, raising,
// keyboard grabs), and a session without a runtime folder about that; those lines say nothing about
// the program, so runs without a display drop them.
namespace orv::ui {

// Installs a Qt message handler that drops the offscreen platform's "This plugin does not
// support ..." warnings and the missing XDG_RUNTIME_DIR note, and passes everything else to the
// handler that was installed before.
void QuietOffscreenWarnings();

}  // namespace orv::ui
