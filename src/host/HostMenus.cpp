#include "host/HostMenus.h"

#include "host/platform/Menu.h"
#include "host/platform/ResourceRegistry.h"

namespace HostMenus {

bool RegisterHostMenus(orv::platform::ResourceRegistry& registry) {
  using orv::platform::MF_SEPARATOR;
  using orv::platform::MF_STRING;
  orv::platform::Menu menu;
  orv::platform::Menu& popup = menu.AppendPopup("Header");
  popup.AppendMenu(MF_STRING, kSortAscending, "Sort &Ascending");
  popup.AppendMenu(MF_STRING, kSortDescending, "Sort &Descending");
  popup.AppendMenu(MF_STRING, kRemoveSort, "&Remove Sort");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, kGroupByColumn, "&Group By This Column");
  popup.AppendMenu(MF_STRING, kFilterRow, "Filter &Row");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, kSetFilter, "&Set Filter...");
  popup.AppendMenu(MF_STRING, kClearFilter, "&Clear Filter");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, kApplyFilter, "OK");
  return registry.RegisterMenu(kHeaderFilterMenu, std::move(menu));
}

}  // namespace HostMenus
