#pragma once
// The host's general helpers: number texts, exchange codes, client ids and the window registries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A validated printf-style number format ("%.2f", "% 0.2f", "%10.4lf"). Anything else is not a
// format: a contract's price-format text comes from data and is never handed to printf as is.
struct NumberFormat {
  bool bSpace = false, bPlus = false, bLeft = false, bZero = false;
  int nWidth = 0;
  int nPrecision = 6;

  static bool Parse(std::string_view text, NumberFormat& out);
};

struct WindowListEntry {
  void* pWindow = nullptr;
  std::string cListName;
  int nIdentity = 0;
};

class GlobalFunctions final {
 public:
  // The value with `decimals` digits after the point.
  static std::string DoubleToString(double value, int decimals);
  // The value in a printf-style format text; a text that is not a valid number format prints
  // with 2 decimals.
  static std::string DoubleToString(double value, const char* format);
  // Same, into a caller's buffer without allocating; returns the length written (always
  // terminated when size > 0).
  static std::size_t DoubleToString(double value, const char* format, char* out, std::size_t size);

  // Exchange code (token / 100,000,000) to name and back. Unknown codes give "" / false.
  static bool GetExchangeName(int exchangeCode, char* out, std::size_t size);
  static std::string GetExchangeName(int exchangeCode);
  static bool GetExchangeCode(std::string_view name, std::int16_t& code);
  // Market type code of a token: the exchange and segment digits (token / 1,000,000).
  static int GetExchangeMaktType(std::int32_t token);
  // The digits of a dealer id as a number ("DLR0042" -> 42); 0 when there are none.
  static std::int32_t GetNumericClientID(std::string_view dealerId);
  // Decimals of the token's prices from the contract master (2 when unknown) and the matching
  // format text ("%.2f").
  static int GetPrecisionInfo(std::int32_t token, char* formatOut = nullptr, std::size_t size = 0);

  // The host's window registries: a window registers once at creation and leaves at destruction.
  static void InsertInLogOffList(void* window, std::string_view listName, int a, int identity, int b,
                                 int c, int d, int e);
  static void DeleteFromLogOffList(void* window);
  static void InsertInFocusList(void* window, std::string_view listName, int a, int identity);
  static void DeleteFromFocusList(void* window);
  static const std::vector<WindowListEntry>& LogOffList();
  static const std::vector<WindowListEntry>& FocusList();
  static void ResetForTests();
};
