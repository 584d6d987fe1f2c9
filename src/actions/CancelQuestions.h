#pragma once
// The confirmation text of cancelling one order, shared by the grid's and the window's Cancel.
#include "host/records/OrderBookDetails.h"

#include <string>

namespace CancelQuestions {

inline constexpr const char* kConfirmCaption = "Cancel Order/s Confirmation";
inline constexpr const char* kSelectedRowsQuestion = "Sure You Want to Cancel all the Selected Rows Order ?";

// "Sure You Want to Cancel " with the contract, market type, pending quantity and price of the
// record; only the opening words for a record without a contract.
std::string SingleOrderQuestion(const OrderBookDetails& record);

}  // namespace CancelQuestions
