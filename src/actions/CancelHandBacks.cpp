#include "actions/CancelOrdersList.h"

#include <bit>

namespace pf = orv::platform;

pf::WPARAM CancelHandBacks::Hand(const CancelOrdersList& entry) {
  auto number = std::make_unique<double>(entry.dOrderNumber);
  const auto address = std::bit_cast<pf::WPARAM>(number.get());
  m_owned.insert_or_assign(address, Owned{std::move(number), entry});
  return address;
}

std::optional<CancelOrdersList> CancelHandBacks::Take(pf::WPARAM address) {
  const auto it = m_owned.find(address);
  if (it == m_owned.end()) return std::nullopt;
  std::optional<CancelOrdersList> entry(std::move(it->second.entry));
  m_owned.erase(it);
  return entry;
}

const double* CancelHandBacks::Find(pf::WPARAM address) const {
  const auto it = m_owned.find(address);
  return it == m_owned.end() ? nullptr : it->second.number.get();
}
