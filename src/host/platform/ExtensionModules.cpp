#include "host/platform/ExtensionModules.h"

#include "host/platform/ResourceRegistry.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

namespace orv::platform {
namespace {

struct ModuleTable {
  std::mutex mutex;
  std::map<std::string, RegisterResourcesFn> modules;
  std::vector<ResourceRegistry*> registries;
};

// Built on first use: modules register from static initialisers of other libraries.
ModuleTable& Table() {
  static ModuleTable* table = new ModuleTable;  // never destroyed: modules unload during exit
  return *table;
}

}  // namespace

void AddExtensionModule(const std::string& name, RegisterResourcesFn registerResources) {
  ModuleTable& t = Table();
  std::lock_guard lock(t.mutex);
  t.modules[name] = registerResources;
  for (ResourceRegistry* r : t.registries) registerResources(*r);
}

void RemoveExtensionModule(const std::string& name) {
  ModuleTable& t = Table();
  std::lock_guard lock(t.mutex);
  t.modules.erase(name);
  for (ResourceRegistry* r : t.registries) r->UnregisterModule(name);
}

bool IsExtensionModuleLoaded(const std::string& name) {
  ModuleTable& t = Table();
  std::lock_guard lock(t.mutex);
  return t.modules.count(name) != 0;
}

void AttachExtensionModules(ResourceRegistry& registry) {
  ModuleTable& t = Table();
  std::lock_guard lock(t.mutex);
  if (std::find(t.registries.begin(), t.registries.end(), &registry) == t.registries.end())
    t.registries.push_back(&registry);
  for (const auto& [name, registerResources] : t.modules) registerResources(registry);
}

void DetachRegistry(ResourceRegistry& registry) {
  ModuleTable& t = Table();
  std::lock_guard lock(t.mutex);
  std::erase(t.registries, &registry);
}

}  // namespace orv::platform
