#include "host/GlobalFunctions.h"

#include "host/AppGlobal.h"
#include "host/ContractMaster.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <utility>

namespace {

constexpr std::array<std::pair<int, std::string_view>, 16> kExchanges{{
    {1, "NSE"}, {2, "BSE"}, {3, "MCX"}, {4, "NCDEX"}, {5, "NSECUR"}, {6, "DGCX"},
    {7, "MCXSXCD"}, {8, "USE"}, {11, "CME"}, {12, "MSEI"}, {13, "BSECD"}, {14, "BINX"},
    {16, "NINX"}, {19, "NSECOM"}, {20, "BSECOM"}, {21, "TTFIX"},
}};

std::vector<WindowListEntry> g_logOffList;
std::vector<WindowListEntry> g_focusList;

void EraseWindow(std::vector<WindowListEntry>& list, void* window) {
  std::erase_if(list, [window](const WindowListEntry& e) { return e.pWindow == window; });
}

std::size_t Terminate(char* out, std::size_t size, std::size_t n) {
  if (size == 0) return 0;
  n = std::min(n, size - 1);
  out[n] = '\0';
  return n;
}

}  // namespace

bool NumberFormat::Parse(std::string_view text, NumberFormat& out) {
  NumberFormat f;
  std::size_t i = 0;
  if (i >= text.size() || text[i] != '%') return false;
  ++i;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ') f.bSpace = true;
    else if (c == '+') f.bPlus = true;
    else if (c == '-') f.bLeft = true;
    else if (c == '0') f.bZero = true;
    else break;
  }
  auto readNumber = [&](int& value) {
    int v = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      v = v * 10 + (text[i] - '0');
      if (v > 64) return false;
      any = true;
      ++i;
    }
    if (any) value = v;
    return true;
  };
  if (!readNumber(f.nWidth)) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    f.nPrecision = 0;
    if (!readNumber(f.nPrecision)) return false;
    if (f.nPrecision > 20) return false;
  }
  if (i < text.size() && text[i] == 'l') ++i;
  if (i >= text.size() || (text[i] != 'f' && text[i] != 'F')) return false;
  if (i + 1 != text.size()) return false;
  out = f;
  return true;
}

std::size_t GlobalFunctions::DoubleToString(double value, const char* format, char* out, std::size_t size) {
  NumberFormat f;
  if (!format || !NumberFormat::Parse(format, f)) {
    f = NumberFormat{};
    f.nPrecision = 2;
  }
  char digits[128];
  std::size_t n = 0;
  if (!std::isfinite(value)) {
    const char* word = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    n = std::strlen(word);
    std::memcpy(digits, word, n);
  } else {
    bool negative = std::signbit(value) && value != 0.0;
    if (!negative && (f.bPlus || f.bSpace)) digits[n++] = f.bPlus ? '+' : ' ';
    auto res = std::to_chars(digits + n, digits + sizeof digits, value, std::chars_format::fixed, f.nPrecision);
    if (res.ec != std::errc{}) return Terminate(out, size, 0);
    n = static_cast<std::size_t>(res.ptr - digits);
    // to_chars keeps the sign of -0.0 only for negative zero input; printf prints "-0.00" too.
  }
  std::size_t width = static_cast<std::size_t>(f.nWidth);
  std::size_t pad = width > n ? width - n : 0;
  std::size_t written = 0;
  auto put = [&](char c) {
    if (size > 0 && written + 1 < size) out[written] = c;
    ++written;
  };
  if (pad && f.bLeft) {
    for (std::size_t k = 0; k < n; ++k) put(digits[k]);
    for (std::size_t k = 0; k < pad; ++k) put(' ');
  } else if (pad && f.bZero) {
    std::size_t k = 0;
    if (n > 0 && (digits[0] == '-' || digits[0] == '+' || digits[0] == ' ')) put(digits[k++]);
    for (std::size_t p = 0; p < pad; ++p) put('0');
    for (; k < n; ++k) put(digits[k]);
  } else {
    for (std::size_t k = 0; k < pad; ++k) put(' ');
    for (std::size_t k = 0; k < n; ++k) put(digits[k]);
  }
  return Terminate(out, size, written);
}

std::string GlobalFunctions::DoubleToString(double value, const char* format) {
  char buffer[160];
  std::size_t n = DoubleToString(value, format, buffer, sizeof buffer);
  return std::string(buffer, n);
}

std::string GlobalFunctions::DoubleToString(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 20);
  char format[8] = "%.2f";
  auto res = std::to_chars(format + 2, format + 5, decimals);
  *res.ptr++ = 'f';
  *res.ptr = '\0';
  return DoubleToString(value, format);
}

bool GlobalFunctions::GetExchangeName(int exchangeCode, char* out, std::size_t size) {
  for (const auto& [code, name] : kExchanges) {
    if (code == exchangeCode) {
      std::size_t n = Terminate(out, size, name.size());
      if (size) std::memcpy(out, name.data(), n);
      return true;
    }
  }
  Terminate(out, size, 0);
  return false;
}

std::string GlobalFunctions::GetExchangeName(int exchangeCode) {
  for (const auto& [code, name] : kExchanges)
    if (code == exchangeCode) return std::string(name);
  return {};
}

bool GlobalFunctions::GetExchangeCode(std::string_view name, std::int16_t& code) {
  for (const auto& [c, n] : kExchanges) {
    if (n.size() == name.size() && ::strncasecmp(n.data(), name.data(), n.size()) == 0) {
      code = static_cast<std::int16_t>(c);
      return true;
    }
  }
  return false;
}

int GlobalFunctions::GetExchangeMaktType(std::int32_t token) { return token / 1000000; }

std::int32_t GlobalFunctions::GetNumericClientID(std::string_view dealerId) {
  std::int64_t value = 0;
  bool any = false;
  for (char c : dealerId) {
    if (c >= '0' && c <= '9') {
      any = true;
      value = value * 10 + (c - '0');
      if (value > INT32_MAX) return 0;  // not a client number the exchange could take
    }
  }
  return any ? static_cast<std::int32_t>(value) : 0;
}

int GlobalFunctions::GetPrecisionInfo(std::int32_t token, char* formatOut, std::size_t size) {
  int decimals = 2;
  ScriptDesc desc;
  if (AppGlobal::g_pScriptDesc && AppGlobal::g_pScriptDesc->Lookup(token, desc))
    decimals = std::clamp(desc.iPrecision, 0, 10);
  if (formatOut && size > 0) std::snprintf(formatOut, size, "%%.%df", decimals);
  return decimals;
}

void GlobalFunctions::InsertInLogOffList(void* window, std::string_view listName, int, int identity, int, int,
                                         int, int) {
  EraseWindow(g_logOffList, window);
  g_logOffList.push_back({window, std::string(listName), identity});
}

void GlobalFunctions::DeleteFromLogOffList(void* window) { EraseWindow(g_logOffList, window); }

void GlobalFunctions::InsertInFocusList(void* window, std::string_view listName, int, int identity) {
  EraseWindow(g_focusList, window);
  g_focusList.push_back({window, std::string(listName), identity});
}

void GlobalFunctions::DeleteFromFocusList(void* window) { EraseWindow(g_focusList, window); }

const std::vector<WindowListEntry>& GlobalFunctions::LogOffList() { return g_logOffList; }
const std::vector<WindowListEntry>& GlobalFunctions::FocusList() { return g_focusList; }

void GlobalFunctions::ResetForTests() {
  g_logOffList.clear();
  g_focusList.clear();
}
