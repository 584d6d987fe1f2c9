#include "view/ExceptionLog.h"

std::string FormatExceptionLine(std::string_view className, std::string_view operation, int errorCode) {
  std::string line = "Exception In ";
  line.append(className).append(":::").append(operation).append("(), ErrorCode - ");
  line += std::to_string(errorCode);
  return line;
}
