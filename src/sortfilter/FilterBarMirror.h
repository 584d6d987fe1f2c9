#pragma once
// What the column filters ask of the filter bar: the bar shows in its own controls the filters set
// elsewhere (header menus, quick filters, saved filters), and goes back to "All" where a filter was
// cleared. The filter bar implements it.
#include "host/platform/OleDateTime.h"

#include <string>

class FilterBarMirror {
 public:
  virtual ~FilterBarMirror() = default;

  // Shows a column's filter in the control that mirrors it: its first value, or "All" with bAll.
  // Columns without a control (and ids above 67) are ignored.
  virtual void SetdataOnFilterbar(int column, const std::string& text, bool bAll) = 0;
  // Puts the control that mirrors `column` back to "All" after the header menu cleared the
  // column's filter: a list to its first entry (the exchange list also refills the instrument
  // types), an edit to "All" without completing it. Clearing the pro/client column enables the
  // client-code edit again, clearing the instrument type the expiry, strike and option-type edits.
  virtual void ResetColumnControl(int column) = 0;
  // Sets the From and Till time pickers.
  virtual void SetTimeRange(const orv::platform::OleDateTime& from, const orv::platform::OleDateTime& till) = 0;
};
