#pragma once
// The dock title of a view for its token filter, and the contract description the F3 toggle shows.
#include "host/records/ScriptDesc.h"
#include "view/ViewVariant.h"

#include <cstdint>
#include <string>

namespace dock_titles {

// The title for the contract of the token filter (null: no contract, or token 0). `spread` is
// whether an OrderLeg filter selects spread orders.
std::string TitleFor(ViewVariant variant, const ScriptDesc* contract, bool spread);

// The description of a contract by its token's exchange segment; empty for a token without
// contract or of a segment that has none.
std::string FilterTextFor(ViewVariant variant, std::int32_t token, const ScriptDesc* contract);

}  // namespace dock_titles
