#include "ai/transposition.h"

namespace ostrel {

TranspositionTable::TranspositionTable() : slots_(std::size_t{1} << kBits) {}

void TranspositionTable::Clear(bool usable) {
  ++generation_;
  if (generation_ == 0) {
    // After four billion samples the stamps wrap: wipe them once.
    for (auto& slot : slots_) slot.generation = 0;
    generation_ = 1;
  }
  counts_.fill(0);
  usable_ = usable;
}

const TranspositionEntry* TranspositionTable::Find(std::uint64_t key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = SlotOf(key);; i = (i + 1) & mask) {
    const TranspositionEntry& slot = slots_[i];
    if (slot.generation != generation_) return nullptr;
    if (slot.key == key) return &slot;
  }
}

void TranspositionTable::Store(std::uint64_t key, int hand_size, double value, Bound bound,
                               int best) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = SlotOf(key);; i = (i + 1) & mask) {
    TranspositionEntry& slot = slots_[i];
    if (slot.generation == generation_ && slot.key != key) continue;
    if (slot.generation != generation_) {
      // The table for this hand size is full: the value is simply not kept.
      if (counts_[hand_size] > kEntryLimit) return;
      ++counts_[hand_size];
      slot.generation = generation_;
      slot.key = key;
    }
    slot.value = value;
    slot.bound = bound;
    slot.best = static_cast<std::int8_t>(best);
    return;
  }
}

}  // namespace ostrel
