#include "demo/DemoBooks.h"

#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"

namespace orv::demo {

void GenerateDemoBooks(CScriptDesc& master, std::uint32_t seed, int pendingOrders, int contracts,
                       const GenerationProgress& progress, DemoDate tradingDay) {
  GenerateContracts(master, seed, contracts, tradingDay);
  InstallContractMaster(&master);
  OrderBookSpec pending;
  pending.orders = pendingOrders;
  pending.seed = seed;
  pending.kind = BookKind::Pending;
  pending.tradingDay = tradingDay;
  pending.spreadShare = 0.02;
  pending.contractlessShare = 0.001;
  OrderBookSpec gtd = pending;
  gtd.orders = pendingOrders / 10;
  gtd.kind = BookKind::GTD;
  gtd.seed = seed + 1;
  const auto total = static_cast<std::uint64_t>(pending.orders) + static_cast<std::uint64_t>(gtd.orders);
  auto after = [&progress, total](std::uint64_t before) -> GenerationProgress {
    if (!progress) return {};
    return [&progress, before, total](std::uint64_t done, std::uint64_t) { progress(before + done, total); };
  };
  GenerateOrders(pending, master, after(0));
  GenerateOrders(gtd, master, after(static_cast<std::uint64_t>(pending.orders)));
}

}  // namespace orv::demo
