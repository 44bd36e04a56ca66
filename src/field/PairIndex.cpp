#include "field/PairIndex.h"

#include <bit>
#include <cassert>

#include "field/Entity.h"
#include "field/Interactions.h"

namespace {
// Entities with rules as the inner entity of any pair: the boss checks, the
// gun arms' removal after the boss, the swarm's steering.
bool HasInnerRules(const Entity& e) {
    switch (e.Kind()) {
    case EntityKind::TheBoss:
    case EntityKind::GunArm:
    case EntityKind::SwarmMother:
    case EntityKind::SwarmChildren:
        return true;
    default:
        return false;
    }
}
}  // namespace

void PairIndex::Rebuild(const std::vector<Entity*>& list) {
    Watched.clear();
    TargetOrWatched.clear();
    Count = 0;
    Sync(list);
}

void PairIndex::Sync(const std::vector<Entity*>& list) {
    assert(Count <= list.size());
    while (Count < list.size())
        Append(*list[Count]);
}

void PairIndex::Append(const Entity& e) {
    if (Count % 64 == 0) {
        Watched.push_back(0);
        TargetOrWatched.push_back(0);
    }
    const bool watched = e.Dead || HasInnerRules(e);
    ++Count;
    Assign(Count - 1, watched, watched || IsTarget(e));
}

void PairIndex::Assign(size_t slot, bool watched, bool targetOrWatched) {
    const uint64_t bit = uint64_t{1} << (slot % 64);
    Watched[slot / 64] = watched ? Watched[slot / 64] | bit : Watched[slot / 64] & ~bit;
    TargetOrWatched[slot / 64] =
        targetOrWatched ? TargetOrWatched[slot / 64] | bit : TargetOrWatched[slot / 64] & ~bit;
}

void PairIndex::MarkDead(size_t slot) {
    assert(slot < Count);
    Assign(slot, true, true);
}

void PairIndex::Removed(size_t slot) {
    assert(slot < Count);
    const size_t last = Count - 1;
    Assign(slot, Test(Watched, last), Test(TargetOrWatched, last));
    Assign(last, false, false);
    --Count;
    if (Count % 64 == 0) {
        Watched.pop_back();
        TargetOrWatched.pop_back();
    }
}

size_t PairIndex::Next(const std::vector<uint64_t>& bits, size_t from) const {
    if (from >= Count)
        return Count;
    size_t word = from / 64;
    uint64_t pending = bits[word] & (~uint64_t{0} << (from % 64));
    while (pending == 0) {
        if (++word == bits.size())
            return Count;
        pending = bits[word];
    }
    const size_t slot = word * 64 + static_cast<size_t>(std::countr_zero(pending));
    return slot < Count ? slot : Count;
}
