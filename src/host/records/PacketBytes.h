#pragma once
// Fixed-size wire packets read and written at byte offsets. The host's packets are little-endian
// and unaligned, so every field goes through memcpy; the accessors refuse a field that would run
// past the packet.
#include <algorithm>
#include <bit>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "packets are little-endian on the wire");

template <std::size_t N>
struct PacketBytes {
  static constexpr std::size_t kSize = N;
  std::array<unsigned char, N> bytes{};

  template <typename T>
  T get(std::size_t offset) const {
    static_assert(std::is_trivially_copyable_v<T>);
    static_assert(sizeof(T) <= N);
    T value{};
    if (offset + sizeof(T) <= N) std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
  }

  template <typename T>
  void set(std::size_t offset, T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (offset + sizeof(T) <= N) std::memcpy(bytes.data() + offset, &value, sizeof(T));
  }

  // NUL-terminated text stored in a field of `width` bytes (the terminator counts).
  std::string_view text(std::size_t offset, std::size_t width) const {
    if (offset >= N) return {};
    width = std::min(width, N - offset);
    const char* p = reinterpret_cast<const char*>(bytes.data() + offset);
    return {p, ::strnlen(p, width)};
  }
  // Copies at most width - 1 characters and terminates, so a long text never spills into the
  // next field.
  void setText(std::size_t offset, std::size_t width, std::string_view value) {
    if (offset >= N || width == 0) return;
    width = std::min(width, N - offset);
    std::size_t n = std::min(value.size(), width - 1);
    std::memcpy(bytes.data() + offset, value.data(), n);
    std::memset(bytes.data() + offset + n, 0, width - n);
  }
  void zero(std::size_t offset, std::size_t width) {
    if (offset >= N) return;
    std::memset(bytes.data() + offset, 0, std::min(width, N - offset));
  }

  unsigned char* data() { return bytes.data(); }
  const unsigned char* data() const { return bytes.data(); }
};
