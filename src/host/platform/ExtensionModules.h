#pragma once
// Libraries that bring resources to the toolkit while they are loaded. A library adds itself from
// its static initialiser; every Application then gets the library's resources, and removing the
// library (its static destructor) takes them out of every live Application again.
#include <string>

namespace orv::platform {

class ResourceRegistry;

using RegisterResourcesFn = void (*)(ResourceRegistry& registry);

void AddExtensionModule(const std::string& name, RegisterResourcesFn registerResources);
void RemoveExtensionModule(const std::string& name);
bool IsExtensionModuleLoaded(const std::string& name);

// Called by Application: a new registry receives every loaded module's resources; a registry
// that goes away is forgotten.
void AttachExtensionModules(ResourceRegistry& registry);
void DetachRegistry(ResourceRegistry& registry);

}  // namespace orv::platform
