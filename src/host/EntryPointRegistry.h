#pragma once
// Named entry points bound at run time: our stand-in for loading a library and looking a function
// up by name. Libraries and their functions are registered by whoever provides them (the host's
// own defaults, a test, the desktop terminal); a window binds what it needs when it is built.
#include <map>
#include <mutex>
#include <string>
#include <string_view>

using GenericEntryPoint = void (*)();

struct LoadedLibrary {
  std::string name;
  std::map<std::string, GenericEntryPoint, std::less<>> entryPoints;
};
using HMODULE = const LoadedLibrary*;

// Names of the libraries the order book binds.
inline constexpr std::string_view kTradeBridgeLibrary = "TradeBridge.dll";
inline constexpr std::string_view kCommonIncludeLibrary = "OrvCommonInclude.dll";
inline constexpr std::string_view kMainExecutable = "";  // the host executable itself

class EntryPointRegistry final {
 public:
  static EntryPointRegistry& Instance();

  void Register(std::string_view library, std::string_view name, GenericEntryPoint fn);
  void Unregister(std::string_view library, std::string_view name);
  void RemoveLibrary(std::string_view library);

  // Null when no such library is registered.
  HMODULE LoadLibraryExA(std::string_view library) const;
  GenericEntryPoint GetProcAddress(HMODULE module, std::string_view name) const;

  template <typename Fn>
  static Fn Resolve(HMODULE module, std::string_view name) {
    return reinterpret_cast<Fn>(Instance().GetProcAddress(module, name));
  }
  template <typename Fn>
  void Register(std::string_view library, std::string_view name, Fn fn) {
    Register(library, name, reinterpret_cast<GenericEntryPoint>(fn));
  }

 private:
  std::map<std::string, LoadedLibrary, std::less<>> m_libraries;
  mutable std::mutex m_mutex;
};

// The record-cache library's handle of the shared utility library (null when it is not there).
HMODULE getCommonIncludeDLLHandle();
// The host executable's module (order senders live there).
HMODULE GetMainModuleHandle();
