#include "program/PracticePage.h"

#include <algorithm>
#include <cassert>

#include "engine/Catalogue.h"
#include "engine/Layout.h"
#include "levels/Campaign.h"
#include "levels/PracticeMarks.h"
#include "program/SettingsKeys.h"

namespace {
using Align = TextCache::Align;
constexpr int ArrowReach = 24;
constexpr int RowTextDrop = 5;
// The rows sit a little lower than the options page's: there are fewer.
constexpr int RowsTop = Layout::OptionRowsTop + 40;
constexpr int RowHeight = 40;

// The player-facing words of the page.
constexpr const char* PageTitle = TrNoop("PRACTICE");
constexpr const char* RowLabels[PracticePage::Rows] = {
    TrNoop("Level"), TrNoop("Start at"),        TrNoop("Cannon level"), TrNoop("Rapid fire"),
    TrNoop("Money"), TrNoop("Restart at once"), TrNoop("Start practice")};
constexpr const char* BossWord = TrNoop("Boss");
constexpr const char* KeptShipWords = TrNoop("The ship of your best kept run here (score {1})");
constexpr const char* MiddleShipWords = TrNoop("A steady buyer's ship by this mark");
constexpr const char* OwnShipWords = TrNoop("Your own ship");
constexpr const char* SecondsWords = TrNoop("{1} s");
constexpr const char* OnWord = TrNoop("On");
constexpr const char* OffWord = TrNoop("Off");

int RowTop(int entry) { return RowsTop + entry * RowHeight; }
// The rows' frames run from a little before the labels to past the right arrows.
constexpr int RowsLeft = Layout::OptionLabelLeft - 16;
int ArrowX(int by) { return Layout::OptionValueX + by * Layout::OptionArrowGap; }
}  // namespace

PracticePage::PracticePage(std::vector<int> reached, std::vector<KeptRun> kept, Ships lent, SettingsKeys& settings,
                           Take take)
    : ListPage(PageTitle, 64),
      Reached(std::move(reached)),
      Kept(std::move(kept)),
      Running(settings),
      Hand(std::move(take)),
      Lent(std::move(lent)) {
    assert(!Reached.empty() && Reached.front() == 1);
    Marks = PracticeMarks::Of(*Campaign::Get(1));
    DefaultShip();
    ChooseEntry(StartRow);
}

const PracticePage::KeptRun* PracticePage::BestAt(const std::vector<KeptRun>& kept, int level, int32_t ms) {
    const KeptRun* best = nullptr;
    for (const KeptRun& run : kept)
        if (run.Level == level && ms >= 0 && run.LastMs >= static_cast<uint32_t>(ms) &&
            (best == nullptr || run.Score > best->Score))
            best = &run;
    return best;
}

void PracticePage::DefaultShip() {
    const int level = Reached[LevelIndex];
    Ship = PracticeMarks::Middle(*Campaign::Get(level), MarkMs());
    ShipSource = Source::Middle;
    const KeptRun* best = BestAt(Kept, level, MarkMs());
    const auto lent = best != nullptr ? Lent.find({best->Path, MarkMs()}) : Lent.end();
    if (lent == Lent.end())
        return;
    Ship.Cannons = lent->second.Cannons;
    Ship.RapidFires = lent->second.RapidFires;
    Ship.Money = lent->second.Money;
    ShipSource = Source::Kept;
    LentScore = best->Score;
}

SDL_Rect PracticePage::Area(int entry) const {
    const int left = entry == StartRow ? RowsLeft : ArrowX(-1) - ArrowReach;
    const int right = ArrowX(+1) + ArrowReach;
    return SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(RowTop(entry)), static_cast<Uint16>(right - left),
                    static_cast<Uint16>(RowHeight)};
}

void PracticePage::Choose(int entry, float x) {
    if (entry == StartRow) {
        Hand(Practice());
        Leave();
    } else if (x < ArrowX(-1) + ArrowReach) {
        Step(entry, -1);
    } else {
        Step(entry, +1);
    }
}

void PracticePage::Step(int entry, int by) {
    const auto stepped = [by](int value, int least, int most) { return std::clamp(value + by, least, most); };
    switch (entry) {
    case LevelRow: {
        const int index = stepped(static_cast<int>(LevelIndex), 0, static_cast<int>(Reached.size()) - 1);
        if (static_cast<size_t>(index) == LevelIndex)
            return;
        LevelIndex = static_cast<size_t>(index);
        // Each level has marks of its own; the boss stays the boss.
        const bool atBoss = Mark + 1 == static_cast<int>(Marks.size());
        Marks = PracticeMarks::Of(*Campaign::Get(Reached[LevelIndex]));
        Mark = atBoss ? static_cast<int>(Marks.size()) - 1 : std::min(Mark, static_cast<int>(Marks.size()) - 1);
        DefaultShip();
        return;
    }
    case MarkRow:
        Mark = stepped(Mark, 0, static_cast<int>(Marks.size()) - 1);
        DefaultShip();
        return;
    case CannonRow:
        Ship.Cannons = stepped(Ship.Cannons, 0, Loadout::MostCannons);
        break;
    case RapidRow:
        Ship.RapidFires = stepped(Ship.RapidFires, 0, Loadout::MostRapidFires);
        break;
    case MoneyRow:
        // A kept run's fortune beyond the page's steps is kept until stepped down.
        Ship.Money = std::clamp(Ship.Money + by * MoneyStep, 0, std::max(MostMoney, Ship.Money));
        break;
    case RestartRow: {
        Settings next = Running.Current();
        next.PracticeRestart = !next.PracticeRestart;
        Running.Change(next);
        return;
    }
    default:
        return;
    }
    ShipSource = Source::Own;
}

bool PracticePage::Steps(int entry, int by) const {
    const auto within = [by](int value, int least, int most) { return value + by >= least && value + by <= most; };
    switch (entry) {
    case LevelRow:
        return within(static_cast<int>(LevelIndex), 0, static_cast<int>(Reached.size()) - 1);
    case MarkRow:
        return within(Mark, 0, static_cast<int>(Marks.size()) - 1);
    case CannonRow:
        return within(Ship.Cannons, 0, Loadout::MostCannons);
    case RapidRow:
        return within(Ship.RapidFires, 0, Loadout::MostRapidFires);
    case MoneyRow:
        return by < 0 ? Ship.Money > 0 : Ship.Money + MoneyStep <= MostMoney;
    default:
        return entry == RestartRow;
    }
}

LevelStart PracticePage::Practice() const {
    const LevelStart level = Campaign::Start(Reached[LevelIndex], {}, false);
    return PracticeMarks::Start(level, MarkMs(), Ship, Running.Current().PracticeRestart);
}

std::string PracticePage::Value(int entry) const {
    switch (entry) {
    case LevelRow:
        return std::to_string(Reached[LevelIndex]);
    case MarkRow:
        return Mark + 1 == static_cast<int>(Marks.size()) ? Tr(BossWord)
                                                          : Catalogue::Fill(Tr(SecondsWords), {std::to_string(MarkMs() / 1000)});
    case CannonRow:
        return std::to_string(Ship.Cannons + 1);
    case RapidRow:
        return std::to_string(Ship.RapidFires);
    case MoneyRow:
        return std::to_string(Ship.Money);
    case RestartRow:
        return Tr(Running.Current().PracticeRestart ? OnWord : OffWord);
    default:
        return "";
    }
}

void PracticePage::DrawEntries(SDL_Surface* target) {
    for (int entry = 0; entry < Rows; ++entry) {
        const int top = RowTop(entry) + RowTextDrop;
        const SDL_Color colour = ListPage::Chosen() == entry ? BestColour : TextColour;
        const bool start = entry == StartRow;
        const int startX = (RowsLeft + ArrowX(+1) + ArrowReach) / 2;
        Texts.DrawAt(target, TextFont, Tr(RowLabels[entry]), colour, start ? startX : Layout::OptionLabelLeft, top,
                     start ? Align::Centre : Align::Left);
        if (start)
            continue;
        Texts.DrawAt(target, TextFont, Value(entry), colour, Layout::OptionValueX, top, Align::Centre);
        // An arrow that leads nowhere is dimmed.
        Texts.DrawAt(target, TextFont, "<", Steps(entry, -1) ? colour : DimColour, ArrowX(-1), top, Align::Centre);
        Texts.DrawAt(target, TextFont, ">", Steps(entry, +1) ? colour : DimColour, ArrowX(+1), top, Align::Centre);
    }
    const std::string source = ShipSource == Source::Kept
                                   ? Catalogue::Fill(Tr(KeptShipWords), {std::to_string(LentScore)})
                                   : Tr(ShipSource == Source::Middle ? MiddleShipWords : OwnShipWords);
    Texts.DrawAt(target, TextFont, source, DimColour, Layout::CentreX, RowTop(Rows) + RowTextDrop, Align::Centre);
    if (ListPage::Chosen() < Rows) {
        SDL_Rect row = Area(ListPage::Chosen());
        if (ListPage::Chosen() != StartRow) {
            row.w = static_cast<Uint16>(row.x + row.w - RowsLeft);
            row.x = static_cast<Sint16>(RowsLeft);
        }
        Outline(target, row);
    }
}
