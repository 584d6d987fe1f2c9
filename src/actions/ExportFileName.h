#pragma once
// The file name the save dialogs of the grid's files offer: the view's window name, the host's
// local date and time, and the extension of the dialog's default filter, such as
// "PendingOrders_20261207_153012.xls". A user who exports twice gets two names, not one file
// silently offered for replacing.
#include "view/ViewVariant.h"

#include <ctime>
#include <string>
#include <string_view>

// `when` is seconds since 1970; the name carries it in local time.
std::string ExportFileName(std::string_view window, std::time_t when, std::string_view extension);
// The variant's name at the host's time (AppGlobal::lTime, or the system clock while the host has
// not set it).
std::string ExportFileName(const VariantDescription& variant, std::string_view extension);
