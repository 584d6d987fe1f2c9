#pragma once
// The fixed-capacity text fields of the host's records: filled only through CopyText, which cuts a
// long text instead of spilling into the next field, and read through FieldView, which never reads
// past the capacity.
#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t N>
inline void CopyText(char (&field)[N], std::string_view value) {
  std::size_t n = value.size() < N - 1 ? value.size() : N - 1;
  std::memcpy(field, value.data(), n);
  std::memset(field + n, 0, N - n);
}

// A record's text field, never read past its capacity even when the host filled it to the brim.
template <std::size_t N>
inline std::string_view FieldView(const char (&field)[N]) {
  // Most fields hold a few characters: a plain loop beats a call into the library.
  std::size_t n = 0;
  while (n < N && field[n] != '\0') ++n;
  return std::string_view(field, n);
}
