#pragma once
#include <optional>

// What the screens may ask of the player's kept scores: the best one, shown
// on the menu, and whether a run's score would beat it, said on the overlays.
// The program owns the table behind it.
class BestScores {
public:
    virtual ~BestScores() = default;

    // The best kept score; none while nothing is kept.
    virtual std::optional<long long> BestScore() const = 0;
    // True for a positive score above every kept one.
    virtual bool IsNewBest(long long score) const = 0;
};
