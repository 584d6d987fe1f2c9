#include "host/EntryPointRegistry.h"

EntryPointRegistry& EntryPointRegistry::Instance() {
  static EntryPointRegistry registry;
  return registry;
}

void EntryPointRegistry::Register(std::string_view library, std::string_view name, GenericEntryPoint fn) {
  std::lock_guard lock(m_mutex);
  auto it = m_libraries.find(library);
  if (it == m_libraries.end()) it = m_libraries.emplace(std::string(library), LoadedLibrary{std::string(library), {}}).first;
  it->second.entryPoints[std::string(name)] = fn;
}

void EntryPointRegistry::Unregister(std::string_view library, std::string_view name) {
  std::lock_guard lock(m_mutex);
  auto it = m_libraries.find(library);
  if (it == m_libraries.end()) return;
  auto fn = it->second.entryPoints.find(name);
  if (fn != it->second.entryPoints.end()) it->second.entryPoints.erase(fn);
}

void EntryPointRegistry::RemoveLibrary(std::string_view library) {
  std::lock_guard lock(m_mutex);
  auto it = m_libraries.find(library);
  if (it != m_libraries.end()) m_libraries.erase(it);
}

HMODULE EntryPointRegistry::LoadLibraryExA(std::string_view library) const {
  std::lock_guard lock(m_mutex);
  auto it = m_libraries.find(library);
  return it == m_libraries.end() ? nullptr : &it->second;
}

GenericEntryPoint EntryPointRegistry::GetProcAddress(HMODULE module, std::string_view name) const {
  if (!module) return nullptr;
  std::lock_guard lock(m_mutex);
  auto it = module->entryPoints.find(name);
  return it == module->entryPoints.end() ? nullptr : it->second;
}

HMODULE getCommonIncludeDLLHandle() { return EntryPointRegistry::Instance().LoadLibraryExA(kCommonIncludeLibrary); }

HMODULE GetMainModuleHandle() { return EntryPointRegistry::Instance().LoadLibraryExA(kMainExecutable); }
