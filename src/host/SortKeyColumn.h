#pragma once
// The sort keys of one column, one per row, extracted once per sort so that comparisons read
// flat arrays instead of records.
//
// Every key is reduced to a 64-bit order word whose unsigned order is the column's order:
// - numbers: the double's bits, turned so that unsigned order is numeric order (NaN before every
//   number, -0 equal to 0);
// - texts: the first seven bytes, big-endian, and the length in the low byte (8 for any text of
//   eight bytes or more). Unequal words decide; equal words decide "equal" unless both texts are
//   long, and only then are the texts themselves compared (byte-wise unsigned, like strcmp, a
//   text before any longer text that starts with it).
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

class SortKeyColumn final {
 public:
  enum class Kind : std::uint8_t { Number, Text };

  // Room for `rows` keys of `kind`, all of them the empty text or zero. Copied texts of the
  // previous sort are dropped; the memory is kept for the next one.
  void Reset(Kind kind, std::size_t rows);

  Kind GetKind() const { return m_kind; }
  std::size_t size() const { return m_order.size(); }

  // Setting different rows from several threads at once is safe, except SetTextCopy.
  void SetNumber(std::size_t row, double value) { m_order[row] = OrderOfNumber(value); }
  // The text must stay as it is until the sort ends (a record's or a contract's field).
  void SetText(std::size_t row, std::string_view text) {
    m_texts[row] = text;
    m_order[row] = OrderOfText(text);
  }
  // A text that lives only for the call (a formatted number): the column keeps a copy.
  void SetTextCopy(std::size_t row, std::string_view text) { SetText(row, Keep(text)); }

  std::uint64_t OrderWord(std::size_t row) const { return m_order[row]; }
  const std::uint64_t* OrderWords() const { return m_order.data(); }
  std::string_view Text(std::size_t row) const { return m_kind == Kind::Text ? m_texts[row] : std::string_view(); }

  // Equal order words of a text column that still need the texts compared.
  bool IsUndecided(std::uint64_t word) const { return m_kind == Kind::Text && (word & 0xFF) == kLongText; }
  // Ascending order of two rows: negative, zero or positive.
  int Compare(std::size_t a, std::size_t b) const {
    const std::uint64_t wa = m_order[a], wb = m_order[b];
    if (wa != wb) return wa < wb ? -1 : 1;
    return IsUndecided(wa) ? CompareTails(a, b) : 0;
  }
  // The texts of two rows whose order words are equal and undecided, past the shared prefix.
  int CompareTails(std::size_t a, std::size_t b) const {
    const int r = m_texts[a].substr(kPrefixBytes).compare(m_texts[b].substr(kPrefixBytes));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  }

  static std::uint64_t OrderOfNumber(double value) {
    if (std::isnan(value)) return 0;
    if (value == 0.0) value = 0.0;  // -0 and 0 are one key
    const auto bits = std::bit_cast<std::uint64_t>(value);
    // Negative numbers reverse their magnitude order; the sign bit puts them below the positives.
    // No finite number or infinity maps to 0, which NaN keeps for itself.
    return (bits >> 63) ? ~bits : bits | (std::uint64_t{1} << 63);
  }
  static std::uint64_t OrderOfText(std::string_view text) {
    std::uint64_t word = 0;
    const std::size_t n = text.size() < kPrefixBytes ? text.size() : kPrefixBytes;
    for (std::size_t i = 0; i < n; ++i)
      word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (56 - 8 * i);
    return word | (text.size() < kLongText ? text.size() : kLongText);
  }

 private:
  static constexpr std::size_t kPrefixBytes = 7;
  static constexpr std::uint64_t kLongText = 8;
  static constexpr std::size_t kChunkBytes = 64 * 1024;

  std::string_view Keep(std::string_view text);

  Kind m_kind = Kind::Number;
  std::vector<std::uint64_t> m_order;
  std::vector<std::string_view> m_texts;
  // Copied texts live in chunks that never move, so the views into them stay valid.
  std::vector<std::unique_ptr<char[]>> m_chunks;
  std::vector<std::size_t> m_chunkSizes;
  std::size_t m_chunk = 0;  // chunk being filled
  std::size_t m_used = 0;   // bytes used in it
};
