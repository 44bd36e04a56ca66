#pragma once
#include <optional>
#include <string_view>

// What the screens may ask of the player's kept scores: the best one, shown
// on the menu, and whether a run's score would beat it, said on the overlays.
// Runs are only compared with runs of the same difficulty, named as the
// settings name it ("easy", "normal", "hard"): the menu asks for the
// difficulty a new level would play, an overlay for its level's. The
// program owns the table behind it.
class BestScores {
public:
    virtual ~BestScores() = default;

    // The best kept score of `difficulty`; none while none is kept.
    virtual std::optional<long long> BestScore(std::string_view difficulty) const = 0;
    // True for a positive score above every kept one of `difficulty`.
    virtual bool IsNewBest(long long score, std::string_view difficulty) const = 0;
};
