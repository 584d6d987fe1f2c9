#pragma once
// The resources the order-book module brings to the host: the grid and filter bar context menus,
// the filter bar dialog templates and the header button image strip.
namespace orv::platform {
class ResourceRegistry;
}

namespace ModuleResources {

inline constexpr const char* kModuleName = "orvbook";
inline constexpr unsigned kGridMenu = 2001;
inline constexpr unsigned kFilterBarMenu = 2002;
inline constexpr unsigned kPendingFilterDialog = 7350;
inline constexpr unsigned kGtdFilterDialog = 61551;
inline constexpr unsigned kHeaderImages = 169;

// Adds every resource of the module to `registry`, owned by the module's name.
void Register(orv::platform::ResourceRegistry& registry);
// Removes them again.
void Unregister(orv::platform::ResourceRegistry& registry);

}  // namespace ModuleResources
