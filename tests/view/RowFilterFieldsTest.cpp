// Short text fields are filtered by reading them in place as numbers; the verdict must be the one
// the cell's text gives, whatever the field holds after its NUL and however long the values are.
#include "support/ViewHarness.h"
#include "view/CellValues.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(RowFilterFields, short_fields_read_in_place_keep_exactly_the_rows_whose_text_is_listed) {
  ViewHarness h;
  OrderBookGrid& grid = h.Pending();
  const VariantDescription& variant = grid.Variant();
  std::mt19937 rng(20261208);
  auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
  // Texts of two letters, so that records and values often agree on a prefix or the whole text.
  auto text = [&](std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) out += below(2) ? 'A' : 'B';
    return out;
  };
  // A field holding `value`, then a NUL and leftovers of a longer text when there is room; the
  // bytes after the field (up to 16 from its start) hold letters too.
  auto fill = [&](char* field, std::size_t capacity, std::size_t room, const std::string& value) {
    for (std::size_t i = 0; i < room; ++i) field[i] = below(2) ? 'A' : 'B';
    std::copy(value.begin(), value.end(), field);
    if (value.size() < capacity) field[value.size()] = '\0';
  };

  int shortFields = 0;
  for (int col = 0; col < variant.nColumnCount; ++col) {
    const PlainTextField field = PlainTextFieldOf(col, variant);
    if (field.capacity == 0 || field.capacity > 16) continue;
    ++shortFields;
    std::vector<ScriptDesc> contracts(4, *h.Master().Find(ViewHarness::kNiftyFut));
    std::vector<OrderBookDetails> records(200);
    for (std::size_t i = 0; i < records.size(); ++i) {
      OrderBookDetails& r = records[i];
      char* owner = field.bInContract ? reinterpret_cast<char*>(&contracts[i % contracts.size()])
                                      : reinterpret_cast<char*>(&r);
      const std::size_t room = std::min<std::size_t>(16, field.ownerSize - field.offset);
      fill(owner + field.offset, field.capacity, room, text(below(field.capacity + 1)));
      // The letters may have run over the record's contract pointer.
      r.pContract = below(20) == 0 ? nullptr : &contracts[below(contracts.size())];
    }
    for (int round = 0; round < 20; ++round) {
      // A few values (compared one by one) or many (searched), some longer than the field.
      std::vector<std::string> values;
      const std::size_t count = round % 2 ? 1 + below(4) : 9 + below(8);
      for (std::size_t v = 0; v < count; ++v) values.push_back(text(below(field.capacity + 3)));
      grid.SetFilterParam(col, values, false, true, false);
      for (OrderBookDetails& r : records) {
        CellTextBuffer buffer;
        const std::string shown(GetItemText(&r, col, variant, buffer));
        const bool listed = std::find(values.begin(), values.end(), shown) != values.end();
        ASSERT_EQ(grid.CheckRecordAddForFilter(&r) != 0, r.pContract != nullptr && listed)
            << "column " << col << ", text \"" << shown << "\"";
      }
    }
    grid.ClearFilter(-1);
  }
  EXPECT_GE(shortFields, 10) << "the side, exchange and client columns among them";
}

}  // namespace
