#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class Entity;

// Tells the level's pair pass which slots of its entity list can matter to
// an outer entity. In a crowded field almost no pair concerns a rule (two
// bullets, a bullet and a coin), so the pass jumps from one slot that
// matters to the next instead of walking them all. Per slot it keeps two
// marks: "target" (what the player's shots hit and missiles home on) and
// "watched" (an entity with rules of its own as the inner entity of every
// pair: the boss, a gun arm, a swarm insect, or anything already dead).
// It mirrors the list: Sync takes in appended entities, Removed mirrors the
// list's swap-with-last removal, MarkDead records a death.
class PairIndex {
public:
    // Reads every slot of `list` afresh.
    void Rebuild(const std::vector<Entity*>& list);
    // Takes in the entities appended to `list` since the last call.
    void Sync(const std::vector<Entity*>& list);
    void MarkDead(size_t slot);
    // The list moved its last entity into `slot` and dropped the last slot.
    void Removed(size_t slot);

    // The first slot at or after `from` that is watched, or Size() if none.
    size_t NextWatched(size_t from) const { return Next(Watched, from); }
    // The first slot at or after `from` that is a target or watched.
    size_t NextTargetOrWatched(size_t from) const { return Next(TargetOrWatched, from); }
    size_t Size() const { return Count; }

private:
    std::vector<uint64_t> Watched;
    std::vector<uint64_t> TargetOrWatched;
    size_t Count = 0;

    void Append(const Entity& e);
    void Assign(size_t slot, bool watched, bool targetOrWatched);
    size_t Next(const std::vector<uint64_t>& bits, size_t from) const;
    static bool Test(const std::vector<uint64_t>& bits, size_t slot) { return (bits[slot / 64] >> (slot % 64)) & 1; }
};
