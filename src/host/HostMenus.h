#pragma once
// Menus the host application brings itself, found by the module through the application's
// resources: the column header filter menu (166) of the control library.
namespace orv::platform {
class ResourceRegistry;
}

namespace HostMenus {

inline constexpr unsigned kHeaderFilterMenu = 166;
// Items of the header filter menu. The grid takes the group-by and filter-row items out before it
// shows the menu; the apply item confirms the ticked values.
inline constexpr unsigned kSortAscending = 32861;
inline constexpr unsigned kSortDescending = 32862;
inline constexpr unsigned kRemoveSort = 33030;
inline constexpr unsigned kSetFilter = 32863;
inline constexpr unsigned kClearFilter = 1057;
inline constexpr unsigned kGroupByColumn = 32786;
inline constexpr unsigned kFilterRow = 33032;
inline constexpr unsigned kApplyFilter = 32866;

// Registers the host's menus as the application's own resources (no owning module). False when an
// id is already taken by a module.
bool RegisterHostMenus(orv::platform::ResourceRegistry& registry);

}  // namespace HostMenus
