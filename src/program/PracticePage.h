#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "levels/LevelStart.h"
#include "program/ListPage.h"

class SettingsKeys;

// The practice page: a level the player has reached, a mark to start from
// (every ten seconds of its schedule, and the boss), the ship's cannon
// level, rapid fire and money, "Restart at once", and Start. The ship comes
// with full health and shield; its cannon, rapid fire and money are by
// default what the best kept run of that level had at that mark (rebuilt
// from its replay before the page opens), otherwise a middle ship's for the
// mark, and the player may step them. "Restart at once" is a setting and
// goes through the running settings. Start closes the page and hands the
// practice start over; the page owns neither.
class PracticePage : public ListPage {
public:
    // A kept replay of a campaign level, with the score of its run and how
    // far into the level its recording goes.
    struct KeptRun {
        int Level = 1;
        std::string Path;
        long long Score = 0;
        uint32_t LastMs = 0;
    };
    // The ships of kept runs by replay path and mark.
    using Ships = std::map<std::pair<std::string, int32_t>, Loadout>;
    using Take = std::function<void(LevelStart start)>;
    // Where the ship shown comes from.
    enum class Source { Kept, Middle, Own };
    enum Row { LevelRow, MarkRow, CannonRow, RapidRow, MoneyRow, RestartRow, StartRow, Rows };

    static constexpr int32_t MoneyStep = 100;
    static constexpr int32_t MostMoney = 9900;

    // `reached`: the campaign levels the player may practise, ascending,
    // level 1 first; `kept`: the kept runs that can lend their ship, and
    // `lent` the ships rebuilt from them.
    PracticePage(std::vector<int> reached, std::vector<KeptRun> kept, Ships lent, SettingsKeys& settings, Take take);

    // The best kept run of `level` whose recording reaches `ms`; null for none.
    static const KeptRun* BestAt(const std::vector<KeptRun>& kept, int level, int32_t ms);

protected:
    int Entries() const override { return Rows; }
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    void Step(int entry, int by) override;
    void DrawEntries(SDL_Surface* target) override;

private:
    // The default ship of the level and mark now chosen.
    void DefaultShip();
    int32_t MarkMs() const { return Marks[static_cast<size_t>(Mark)]; }
    std::string Value(int entry) const;
    // Whether Left (-1) or Right (+1) changes the row.
    bool Steps(int entry, int by) const;
    LevelStart Practice() const;

    std::vector<int> Reached;
    std::vector<KeptRun> Kept;
    SettingsKeys& Running;
    Take Hand;
    size_t LevelIndex = 0;
    std::vector<int32_t> Marks;
    int Mark = 0;
    Loadout Ship;
    Ships Lent;
    Source ShipSource = Source::Middle;
    // The run that lent the ship (Source::Kept).
    long long LentScore = 0;
};
