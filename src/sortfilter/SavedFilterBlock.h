#pragma once
// The general settings block that keeps a variant's filters across restarts.
#include "host/OrderBookFilterSettings.h"

#include <string>
#include <string_view>
#include <vector>

struct VariantDescription;

OrderBookFilterSettings& SavedFilterBlock(const VariantDescription& variant);

namespace saved_filters {

// Longest saved text restored: a longer one comes from an edited or damaged file, not from a
// filter the terminal wrote, and would only cost memory and time on every row.
inline constexpr std::size_t kMaxSavedText = 4096;

// The values of a saved text: split at every ",", byte-wise sorted, duplicates dropped. Empty
// when the text is empty, too long or holds a control character; `problem` then says why (it
// stays empty for an empty text).
std::vector<std::string> SplitSavedText(std::string_view text, std::string& problem);

}  // namespace saved_filters
