#include "ai/transposition.h"

#include <limits>
#include <new>

namespace ostrel {

TranspositionTable::TranspositionTable()
    : slots_(static_cast<TranspositionEntry*>(std::calloc(kSlots, sizeof(TranspositionEntry)))) {
  if (!slots_) throw std::bad_alloc();
}

void TranspositionTable::Clear(bool usable) {
  ++generation_;
  if (generation_ == 0) {
    // After four billion samples the stamps wrap: wipe them once.
    for (std::size_t i = 0; i < kSlots; ++i) slots_[i].generation = 0;
    generation_ = 1;
  }
  counts_.fill(0);
  total_ = 0;
  usable_ = usable;
}

const TranspositionEntry* TranspositionTable::Find(std::uint64_t key) const {
  const std::size_t mask = kSlots - 1;
  for (std::size_t i = SlotOf(key);; i = (i + 1) & mask) {
    const TranspositionEntry& slot = slots_[i];
    if (slot.generation != generation_) return nullptr;
    if (slot.key == key) return &slot;
  }
}

void TranspositionTable::Store(std::uint64_t key, int hand_size, double value, double alpha,
                               double beta, int best) {
  const std::size_t mask = kSlots - 1;
  for (std::size_t i = SlotOf(key);; i = (i + 1) & mask) {
    TranspositionEntry& slot = slots_[i];
    if (slot.generation == generation_ && slot.key != key) continue;
    if (slot.generation != generation_) {
      // The part for this hand size is full: the value is simply not kept. The table as a whole
      // never fills beyond three quarters, so a probe always ends at a free slot.
      if (hand_size < 0 || hand_size >= static_cast<int>(counts_.size()) ||
          counts_[hand_size] > kEntryLimit || total_ >= kSlots / 4 * 3) {
        return;
      }
      ++counts_[hand_size];
      ++total_;
      slot.generation = generation_;
      slot.key = key;
      slot.lower = -std::numeric_limits<double>::infinity();
      slot.upper = std::numeric_limits<double>::infinity();
    }
    // Fail-soft: below the window the value is an upper bound, above it a lower bound.
    if (value > alpha && value > slot.lower) slot.lower = value;
    if (value < beta && value < slot.upper) slot.upper = value;
    if (value > alpha && value < beta) slot.lower = slot.upper = value;
    slot.best = static_cast<std::int8_t>(best);
    return;
  }
}

}  // namespace ostrel
