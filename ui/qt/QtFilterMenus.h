#pragma once
// The grid's header filter menu and filter dialogs on the desktop. The filter menu is a popup with
// the header menu's commands and, below them, the column's values as a check list with an "All"
// entry, a search box that narrows the list, and the one OK button that applies the ticks; the
// value-list dialog is the same searchable check list and the date-range dialog two date-time
// fields, each with "All" and OK/Cancel. An empty value is listed as "(empty)".
#include "host/platform/FilterDialogService.h"
#include "host/platform/FilterMenuTracker.h"

#include <QPoint>

class QWidget;

namespace orv::ui {

orv::platform::FilterMenuAnswer ShowFilterMenu(const orv::platform::FilterMenu& menu, QWidget* parent, const QPoint& at);
orv::platform::FilterDialogAnswer ShowFilterDialog(const orv::platform::FilterDialogRequest& request, QWidget* parent);

}  // namespace orv::ui
