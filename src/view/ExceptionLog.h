#pragma once
// The one line every view operation writes when it swallows an exception.
#include <string>
#include <string_view>

// "Exception In <class>:::<operation>(), ErrorCode - <last system error>"
std::string FormatExceptionLine(std::string_view className, std::string_view operation, int errorCode);

// Source name of the exception lines.
inline constexpr const char* kExceptionLogSource = "ZARUClient";
