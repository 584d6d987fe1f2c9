#pragma once
// Fills the order store records of one demo order (or one spread order and its two legs) with
// every field the grids show, each consistent with the others: quantities with the status,
// prices with the side, type and tick, times with the contract's session, the order entry packet
// with the display fields.
#include "demo/ContractQuote.h"
#include "demo/DemoRandom.h"
#include "demo/OrderBookGenerator.h"
#include "demo/OrderPrices.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::demo {

class OrderRowFactory final {
 public:
  // The spec must have passed the generator's checks and be non-empty in dealers and clients.
  OrderRowFactory(const OrderBookSpec& spec, const std::vector<std::string>& dealers,
                  const std::vector<std::string>& clients, DemoRandom& rng);

  // `position` of `total` places the order in the session, so RefNo and entry time rise together.
  // A quote without contract makes a contractless order on the quote's token.
  void MakeOrder(const ContractQuote& quote, std::uint32_t refNo, std::uint64_t position, std::uint64_t total,
                 OrderBookDetails& row);
  // rows[0] the order row, rows[1] the near leg, rows[2] the far leg.
  void MakeSpread(const ContractQuote& nearLeg, const ContractQuote& farLeg, std::uint32_t refNo,
                  std::uint64_t position, std::uint64_t total, OrderBookDetails (&rows)[3]);

 private:
  struct Party {
    std::size_t dealer = 0;
    std::size_t client = 0;
    bool pro = false;
  };
  struct ClientInfo {
    std::string code;
    std::string_view name;
    char pan[12] = {};
  };
  struct Times {
    int entry = 0;
    int lastModified = 0;
  };

  Party PickParty();
  std::string_view PickOrderType(const ContractQuote& quote);
  std::int32_t PickQuantity(const ContractQuote& quote);
  Times PickTimes(const ContractQuote& quote, OrderStatusIdentifier status, std::uint64_t position,
                  std::uint64_t total);
  std::uint64_t ExchangeOrderNumber(int exchangeCode, OrderStatusIdentifier status, std::uint32_t refNo,
                                    bool rmsRejected);

  void FillParty(const ContractQuote& quote, const Party& party, OrderBookDetails& row);
  void FillStyle(const Party& party, OrderBookDetails& row);
  void FillTimes(const Times& times, OrderBookDetails& row) const;
  void FillGtd(OrderBookDetails& row, bool gtt, const Times& times);
  void FillPacket(OrderBookDetails& row, bool buy, const Times& times) const;

  const OrderBookSpec& m_spec;
  const std::vector<std::string>& m_dealers;
  std::vector<ClientInfo> m_clients;
  DemoRandom& m_rng;
  std::int64_t m_tradingSerial;
};

}  // namespace orv::demo
