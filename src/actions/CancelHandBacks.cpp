#include "actions/CancelOrdersList.h"

#include "host/AppOrderBook.h"

#include <algorithm>
#include <bit>

namespace pf = orv::platform;

pf::WPARAM CancelHandBacks::Hand(const CancelOrdersList& entry) {
  if (m_free.empty()) {
    auto block = std::make_unique<Slot[]>(kBlockSlots);
    m_blockByStart.emplace(std::bit_cast<std::uintptr_t>(block.get()), m_blocks.size());
    for (std::size_t i = kBlockSlots; i-- > 0;) m_free.push_back(&block[i]);
    m_blocks.push_back(std::move(block));
  }
  Slot* slot = m_free.back();
  m_free.pop_back();
  slot->number = entry.dOrderNumber;
  slot->live = true;
  slot->entry = entry;
  ++m_live;
  return std::bit_cast<pf::WPARAM>(&slot->number);
}

CancelHandBacks::Slot* CancelHandBacks::SlotAt(pf::WPARAM address) const {
  const auto at = static_cast<std::uintptr_t>(address);
  auto block = m_blockByStart.upper_bound(at);
  if (block == m_blockByStart.begin()) return nullptr;
  --block;
  const std::uintptr_t offset = at - block->first;
  if (offset >= kBlockSlots * sizeof(Slot) || offset % sizeof(Slot) != 0) return nullptr;
  Slot* slot = &m_blocks[block->second][offset / sizeof(Slot)];
  return slot->live ? slot : nullptr;
}

std::optional<CancelOrdersList> CancelHandBacks::Take(pf::WPARAM address) {
  Slot* slot = SlotAt(address);
  if (!slot) return std::nullopt;
  std::optional<CancelOrdersList> entry(std::move(slot->entry));
  slot->entry = {};
  slot->live = false;
  m_free.push_back(slot);
  // The last one taken gives the blocks back: a cancel-all of a big book keeps nothing afterwards.
  if (--m_live == 0) {
    m_free.clear();
    m_blockByStart.clear();
    m_blocks.clear();
  }
  return entry;
}

const double* CancelHandBacks::Find(pf::WPARAM address) const {
  const Slot* slot = SlotAt(address);
  return slot ? &slot->number : nullptr;
}

std::optional<ORVEL_ORDER_ENTRY> CancelOrdersList::EntryPacket(BookKind kind) const {
  if (pOrderEntry) return *pOrderEntry;
  if (!pStoreRecord) return std::nullopt;
  // The record is trusted only while the store still files it under its key: a store emptied or
  // an order taken out since the collection leaves nothing to cancel.
  OrderRowMap& map = AppOrderBook::Book(kind).mapAll;
  map.Lock();
  const std::vector<OrderBookDetails*>* rows = map.find(lStoreKey);
  const bool held = rows && std::find(rows->begin(), rows->end(), pStoreRecord) != rows->end();
  std::optional<ORVEL_ORDER_ENTRY> packet;
  if (held) packet = pStoreRecord->objOrderEntry;
  map.Unlock();
  return packet;
}

std::uint32_t CancelOrdersList::OurOrderNo(BookKind kind) const {
  const std::optional<ORVEL_ORDER_ENTRY> packet = EntryPacket(kind);
  return packet ? packet->ourOrderNo() : 0;
}
