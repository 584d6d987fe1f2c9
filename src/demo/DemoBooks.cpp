#include "demo/DemoBooks.h"

#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"

namespace orv::demo {

void GenerateDemoBooks(CScriptDesc& master, std::uint32_t seed, int pendingOrders, int contracts) {
  GenerateContracts(master, seed, contracts);
  InstallContractMaster(&master);
  OrderBookSpec pending;
  pending.orders = pendingOrders;
  pending.seed = seed;
  pending.kind = BookKind::Pending;
  pending.spreadShare = 0.02;
  pending.contractlessShare = 0.001;
  GenerateOrders(pending, master);
  OrderBookSpec gtd = pending;
  gtd.orders = pendingOrders / 10;
  gtd.kind = BookKind::GTD;
  gtd.seed = seed + 1;
  GenerateOrders(gtd, master);
}

}  // namespace orv::demo
