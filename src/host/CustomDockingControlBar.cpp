#include "host/CustomDockingControlBar.h"

void CustomDockingControlBar::ShowControlBar(bool show, bool, bool) { ShowWindow(show); }
