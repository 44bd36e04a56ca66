#pragma once
#include <functional>
#include <vector>

#include "levels/LevelStart.h"
#include "levels/OwnLevels.h"
#include "program/ListPage.h"

// The level list Play shows when the player has levels of their own: the
// campaign first, then each of their levels by its name, with its file
// beside it. Choosing one closes the page and hands its start over; the
// menu starts it once the page is gone.
class LevelsPage : public ListPage {
public:
    using Take = std::function<void(LevelStart start)>;

    LevelsPage(std::vector<OwnLevels::Entry> levels, Take take);

protected:
    int Entries() const override;
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    void DrawEntries(SDL_Surface* target) override;

private:
    std::vector<OwnLevels::Entry> Levels;
    Take Hand;
};
