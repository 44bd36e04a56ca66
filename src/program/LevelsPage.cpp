#include "program/LevelsPage.h"

#include "engine/Catalogue.h"
#include "engine/Layout.h"
#include "levels/Campaign.h"

namespace {
using Align = TextCache::Align;
constexpr int RowTextDrop = 5;
constexpr int NameLeft = Layout::ScoreRowsLeft + 40;
constexpr int FileRight = Layout::ScoreRowsRight - 40;
}  // namespace

LevelsPage::LevelsPage(std::vector<OwnLevels::Entry> levels, Take take)
    : ListPage(TrNoop("PLAY"), 64), Levels(std::move(levels)), Hand(std::move(take)) {
    ChooseFirst();
}

// The campaign, then the player's levels.
int LevelsPage::Entries() const { return 1 + static_cast<int>(Levels.size()); }

SDL_Rect LevelsPage::Area(int entry) const {
    return SDL_Rect{Layout::ScoreRowsLeft, static_cast<Sint16>(Layout::ScoreRowsTop + entry * Layout::ScoreRowHeight),
                    Layout::ScoreRowsRight - Layout::ScoreRowsLeft, Layout::ScoreRowHeight};
}

void LevelsPage::Choose(int entry, float) {
    Hand(entry == 0 ? Campaign::Start(1) : OwnLevels::Start(Levels[static_cast<size_t>(entry - 1)]));
    Leave();
}

void LevelsPage::DrawEntries(SDL_Surface* target) {
    for (int entry = 0; entry < Entries(); ++entry) {
        const int top = Area(entry).y + RowTextDrop;
        const SDL_Color colour = Chosen() == entry ? BestColour : TextColour;
        if (entry == 0) {
            Texts.DrawAt(target, TextFont, Tr("Campaign"), colour, NameLeft, top, Align::Left);
            continue;
        }
        const OwnLevels::Entry& level = Levels[static_cast<size_t>(entry - 1)];
        Texts.DrawAt(target, TextFont, level.Plan->Name, colour, NameLeft, top, Align::Left);
        Texts.DrawAt(target, TextFont, level.File, DimColour, FileRight, top, Align::Right);
    }
    if (Chosen() < Entries())
        Outline(target, Area(Chosen()));
}
