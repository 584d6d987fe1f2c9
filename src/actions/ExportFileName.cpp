#include "actions/ExportFileName.h"

#include "host/AppGlobal.h"

std::string ExportFileName(std::string_view window, std::time_t when, std::string_view extension) {
  std::string name(window);
  std::tm local{};
  char stamp[32] = {};
  if (localtime_r(&when, &local) && std::strftime(stamp, sizeof stamp, "_%Y%m%d_%H%M%S", &local) > 0) name += stamp;
  if (!extension.empty()) {
    name += '.';
    name += extension;
  }
  return name;
}

std::string ExportFileName(const VariantDescription& variant, std::string_view extension) {
  const std::time_t now = AppGlobal::lTime != 0 ? static_cast<std::time_t>(AppGlobal::lTime) : std::time(nullptr);
  return ExportFileName(variant.cListName, now, extension);
}
