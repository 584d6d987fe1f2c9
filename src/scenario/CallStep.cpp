// The "call" step: an exported entry point of a view by name (see CallTable).
#include "scenario/CallTable.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"

namespace orv::scenario {

namespace {

void Call(ScenarioHost& host, const StepArgs& args) {
  const std::string name = args.Text("name");
  const CallEntry* entry = FindCallEntry(name);
  if (!entry) StepArgs::Fail("no entry point \"" + name + "\" to call");
  const ViewVariant variant = args.View();
  static const nlohmann::json kNoArgs = nlohmann::json::array();
  const nlohmann::json* list = args.Find("args");
  const CallArgs callArgs(name, list ? *list : kNoArgs, entry->args);
  CallContext context{host, variant, host.RequireWindow(variant), host.RequireGrid(variant)};
  nlohmann::json result = entry->invoke(context, callArgs);
  host.FlushPosts();
  nlohmann::json event{{"name", name}, {"args", list ? *list : kNoArgs}};
  if (!result.is_null()) event["result"] = std::move(result);
  host.Events().Emit("call", std::move(event));
}

}  // namespace

void AddCallStep(StepTable& table) { table.Add({"call", {"view", "name", "args"}, &Call}); }

}  // namespace orv::scenario
