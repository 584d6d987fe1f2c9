#include "scenario/FilterBarDump.h"

#include "filterbar/OrderBookFilter.h"

namespace orv::scenario {

namespace {

nlohmann::json DescribeCheckBox(const orv::platform::CheckBox& box) {
  return {{"id", box.GetDlgCtrlID()},
          {"kind", "check"},
          {"text", box.GetWindowText()},
          {"checked", box.GetCheck() == orv::platform::BST_CHECKED},
          {"enabled", box.IsWindowEnabled()}};
}

}  // namespace

nlohmann::json DescribeFilterBar(OrderBookFilter* bar) {
  nlohmann::json controls = nlohmann::json::array();
  if (!bar) return controls;
  controls.push_back(DescribeCheckBox(bar->SaveFilterCheckBox()));
  return controls;
}

}  // namespace orv::scenario
