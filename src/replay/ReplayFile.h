#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Timer.h"
#include "field/Skill.h"
#include "levels/Assists.h"
#include "levels/Loadout.h"

// One recorded level session, as kept in a .krp file: the difficulty it was
// played at, the level (with a fingerprint of its file) and the ship it
// began with, the random seed, the state of the input handler and the main loop when the level came up, the
// game clock of every frame with the events handed over before it, a check
// value of the world about once a second, and how the run ended. The byte
// layout is documented in docs/replay-format.md; everything is little-endian
// and every count is checked against what the file can still hold before
// anything is allocated for it. The frames' events stay as the file writes
// them and are decoded frame by frame as they play, so a run in memory
// takes little more than its file, and no file over MaxFileBytes is read.
class ReplayFile {
public:
    // Bumped whenever the layout changes. Format 1, from before the game had
    // difficulties, is still read: its runs were played on normal; formats 1
    // and 2, from before the game had levels as files, hold runs of the first
    // level with a new game's ship.
    static constexpr uint16_t FormatVersion = 4;
    static constexpr uint16_t OldestFormat = 1;
    // The first format that says which difficulty the run was played at, and
    // the first that says which level, with what ship.
    static constexpr uint16_t SkillFormat = 2;
    static constexpr uint16_t LevelFormat = 3;
    // The first that says how a run began besides its level (practice from a
    // mark, taken over from another replay) and which assists it had.
    static constexpr uint16_t PracticeFormat = 4;
    // The longest name of a player's level file a replay keeps.
    static constexpr size_t MaxLevelFileName = 255;
    // Bumped whenever a rule of play changes what a recorded run does; a
    // replay of other rules cannot be played back and is refused.
    static constexpr uint16_t GameRules = 1;
    // More frames than a day and a half of play is no recording of ours.
    static constexpr uint32_t MaxFrames = 8'000'000;
    // No replay is read or kept beyond this: a level of three minutes takes
    // about 100 KB, MaxFrames frames without events 48 MB.
    static constexpr size_t MaxFileBytes = 64 * 1024 * 1024;
    // All that Peek reads of a file: the header and the level with the
    // longest file name.
    static constexpr size_t HeaderBytes = 512;

    // A Timer of the main loop, as elapsed time at the level's start.
    struct TimerState {
        bool Started = false;
        bool Paused = false;
        int32_t Elapsed = 0;
        bool operator==(const TimerState&) const = default;

        static TimerState Of(const Timer& timer);
        // A timer that reads and runs on from `now` as the recorded one did.
        Timer At(uint32_t now) const;
    };
    struct Frame {
        // The game clock during the frame.
        uint32_t Time = 0;
        // Where in EventBytes the events handed to the input handler before
        // the frame's update begin (see EventsOf).
        uint32_t EventsAt = 0;
    };
    struct Check {
        uint32_t Frame = 0;  // 1-based: checked after this frame was drawn
        uint64_t Value = 0;
    };

    // The layout this run is written in: a run read from an older file is
    // written back as it was read, so that it keeps its very bytes; a run
    // not played on normal is always written in the newest.
    uint16_t Format = FormatVersion;
    uint16_t Rules = GameRules;
    Skill Difficulty = Skill::Normal;
    // The level: its number in the campaign, or 0 and the name of the
    // player's level file in their levels folder; whether it was played as
    // part of a campaign run; the fingerprint of the level as its file said
    // then (0 in the formats before levels were files: the first level as
    // it always was); and the ship as the level began.
    uint8_t Level = 1;
    std::string LevelFile;
    bool InCampaign = false;
    uint64_t LevelPrint = 0;
    Loadout Ship;
    // A practice run from FromMs of level time (RestartAtOnce: a lost ship
    // brought the same start back at once); a run taken over from another
    // replay after TakenOverAt of its frames, which begin this one; and the
    // assists it was played with. All unset before PracticeFormat.
    bool Practice = false;
    bool RestartAtOnce = false;
    int32_t FromMs = 0;
    uint32_t TakenOverAt = 0;
    Assists Helps;
    uint32_t Seed = 0;
    // The game clock of the frame in which the level was loaded.
    uint32_t StartTime = 0;
    // The level came up during an update, so it was drawn in that frame too.
    bool DrawnAtStart = false;
    bool Paused = false;
    TimerState FrameTimer;
    TimerState EscapeTimer;
    float MouseX = 0;
    float MouseY = 0;
    // What the input handler held when the level came up (keys still down...).
    std::vector<SDL_Event> Stored;

    // How it ended (see LevelOutcome) and the world check at the very end.
    uint8_t Ending = 0;
    int32_t Score = 0;
    int32_t Money = 0;
    uint32_t LevelMs = 0;
    uint64_t FinalCheck = 0;

    std::vector<Frame> Frames;
    // Every frame's events as the file writes them: a u16 count, then each.
    std::string EventBytes;
    std::vector<Check> Checks;

    // Adds a frame of the game clock `time` with the events handed over before it.
    void AddFrame(uint32_t time, const std::vector<SDL_Event>& events);
    // The events of frame `index` (from 0), in order.
    std::vector<SDL_Event> EventsOf(size_t index) const;
    // Whether it was played in practice, taken over or with an assist that
    // changes play: such a run makes no score.
    bool MakesNoScore() const { return Practice || TakenOverAt != 0 || Helps.Assisted(); }
    // How it began and what helped it, for a line about it: "practice from
    // 160 s, speed 50 %"; empty for a run of the whole level unhelped.
    std::string StartNamed() const;
    // The bytes Encode gives.
    size_t EncodedSize() const;

    std::string Encode() const;
    // The format Encode writes: the one the run was read in, when that can
    // hold it, otherwise the newest.
    uint16_t WrittenFormat() const;
    // Fills `out` from `bytes`; false with a short reason ("truncated inside
    // frame 12", "recorded with other game rules (2; this game plays 1)").
    static bool Decode(std::string_view bytes, ReplayFile& out, std::string& error);
    // Reads and decodes a file; the reason names what is wrong with it. A
    // file over MaxFileBytes is refused before anything of it is read.
    static bool Load(const std::string& path, ReplayFile& out, std::string& error);
    // Reads no more than the header of `path` (format, rules, difficulty,
    // level and the ship it began with) into `out`, and its size: false with the reason when it cannot be a
    // run this game plays. Only Load tells a damaged file from a good one.
    static bool Peek(const std::string& path, ReplayFile& out, std::string& error);
};
