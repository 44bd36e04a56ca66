#include <optional>

#include "levels/Campaign.h"
#include "levels/PracticeMarks.h"
#include "program/RunKeeper.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "replay/TakeOver.h"
#include "replay/WorldCheck.h"
#include "support/StageHelpers.h"
#include "support/TempFolder.h"

// Practice from a mark, runs taken over from a replay and the assists: each
// makes the world it promises, is kept as an honest replay that verifies,
// and never makes a score.
namespace {
class Practice : public Playthrough {
protected:
    void TearDown() override {
        Stage1::SetComingAssists({});
        Playthrough::TearDown();
    }
    // Records what the game plays from now until the level is cleared away.
    void Watch() {
        Recorder.emplace([this](const ReplayFile& run, const LevelOutcome& outcome) {
            Kept = run;
            Outcome = outcome;
        });
        TheEngine().Watcher = &*Recorder;
    }
    void PutUp(const LevelStart& start) {
        if (Menu() == nullptr)
            FreshMenu();
        Run(2);
        TheEngine().PushScreen(new LoadingScreen(start), "LoadingScreen");
        Run(1);
        ASSERT_NE(Level(), nullptr);
    }
    // Plays `run` back to its end; the frame it went astray at, 0 for none.
    uint32_t Verify(const ReplayFile& run) {
        ReplayFile decoded;
        std::string why;
        EXPECT_TRUE(ReplayFile::Decode(run.Encode(), decoded, why)) << why;
        ReplayPlayer player(decoded);
        TheEngine().Watcher = &player;
        player.Start();
        player.Finish();
        TheEngine().Watcher = nullptr;
        EXPECT_EQ(player.Result(), Outcome);
        return player.DesyncFrame();
    }
    void Leave() {
        TheEngine().ClearScreens();
        TheEngine().Watcher = nullptr;
    }

    std::optional<ReplayRecorder> Recorder;
    ReplayFile Kept;
    LevelOutcome Outcome;
};
}  // namespace

// Deep into a recorded run of the whole level, the world rebuilt unseen at
// frame F is the one the recording checked there; the player flies on from
// there, the recording's held keys let go, and the run kept verifies as a
// replay of its own.
TEST_F(Practice, ATakeOverGivesTheReplaysWorldAndItsRunVerifies) {
    ReplayFile source;
    std::string why;
    ASSERT_TRUE(ReplayFile::Load(KORVANTA_SOURCE_DIR "/tests/replays/lost-at-boss.krp", source, why)) << why;
    const ReplayFile::Check check = source.Checks[source.Checks.size() * 2 / 3];
    const uint32_t F = check.Frame;
    ASSERT_EQ(TakeOver::FramesBefore(source, source.Frames[F].Time - source.StartTime), F);

    ReplayPlayer unseen(source);
    TheEngine().Watcher = &unseen;
    ASSERT_TRUE(TakeOver::Rebuild(unseen, F));
    EXPECT_EQ(WorldCheck::Of(*unseen.LevelInPlay()), check.Value);
    ASSERT_TRUE(TheEngine().Input.IsKeyHeld(SDLK_SPACE)) << "the recording fires there";
    const uint32_t levelMs = LevelTime();
    TickSource::Advance(5000);  // the wall runs on while the world is rebuilt
    Watch();
    TakeOver::HandOver(unseen, *Recorder);
    Run(1);
    EXPECT_FALSE(TheEngine().Input.IsKeyHeld(SDLK_SPACE)) << "the recording's keys are not the player's";
    EXPECT_GT(LevelTime(), levelMs);
    EXPECT_LT(LevelTime(), levelMs + 40) << "the clock runs on from the recording's";
    KeyDown(SDLK_w);
    Run(119);
    Tap(SDLK_q);
    Run(5);
    Leave();

    EXPECT_EQ(Kept.TakenOverAt, F);
    EXPECT_EQ(Kept.Frames.size(), F + 126);
    EXPECT_EQ(Kept.StartNamed(), "taken over at frame " + std::to_string(F));
    EXPECT_TRUE(Kept.MakesNoScore());
    EXPECT_EQ(Verify(Kept), 0u);
}

// A mark's start: the schedule at that time, nothing spawned before it,
// the chosen ship; practice comes back at once when asked to.
TEST_F(Practice, AMarksStartHasItsScheduleAndItsShipAndCanComeBackAtOnce) {
    const LevelStart level = Campaign::Start(1, {}, false);
    const int32_t boss = PracticeMarks::LastMs(*level.Plan);
    const Loadout ship = PracticeMarks::Middle(*level.Plan, boss);
    EXPECT_GT(ship.Cannons, 0);
    EXPECT_EQ(PracticeMarks::Of(*level.Plan).back(), boss);
    Watch();
    PutUp(PracticeMarks::Start(level, boss, ship, true));
    EXPECT_GE(LevelTime(), uint32_t(boss));
    EXPECT_LT(LevelTime(), uint32_t(boss) + 40);
    EXPECT_EQ(CountOf<TheBoss>(), 1) << "the boss comes at once";
    EXPECT_EQ(Level()->Entities.size(), 8u) << "backdrops, ship, HUD and the boss between its arms only";
    EXPECT_EQ(PlayerShip()->CannonLevel, ship.Cannons + 1);
    EXPECT_EQ(Hud()->PlayerMoney, ship.Money);
    EXPECT_EQ(Hud()->RunMark, "PRACTICE");

    const Stage1* first = Level();
    Tap(SDLK_q);
    Run(3);
    ASSERT_NE(Level(), nullptr);
    EXPECT_NE(Level(), first) << "the same start came back";
    EXPECT_FALSE(Hud()->GameOverView);
    EXPECT_LT(LevelTime(), uint32_t(boss) + 100);
    EXPECT_TRUE(Kept.Practice && Kept.RestartAtOnce);
    EXPECT_EQ(Kept.FromMs, boss);
    EXPECT_EQ(Kept.StartNamed(), "practice from " + std::to_string(boss / 1000) + " s");
    EXPECT_EQ(Verify(Kept), 0u);
}

// At 70 % the level's clock runs 0.7 s a second of play, and the run
// verifies with its speed named.
TEST_F(Practice, ASlowedLevelRunsItsShareOfRealTimeAndVerifies) {
    Stage1::SetComingAssists({.SpeedPercent = 70});
    Watch();
    StartLevel();
    const uint32_t from = LevelTime();
    KeyDown(SDLK_SPACE);
    Run(180);  // three seconds
    EXPECT_NEAR(double(LevelTime() - from), 2100.0, 20.0);
    EXPECT_EQ(Hud()->RunMark, "ASSIST");
    Leave();
    EXPECT_EQ(Kept.Helps.SpeedPercent, 70);
    EXPECT_EQ(Kept.StartNamed(), "speed 70 %");
    EXPECT_EQ(Verify(Kept), 0u);
}

// Invincible, a hit costs nothing and is counted; the self-destruct key
// still ends the run. Without it the same hit costs shield.
TEST_F(Practice, AnInvincibleShipCountsItsHitsAndCanStillEndItsRun) {
    for (const bool invincible : {false, true}) {
        SCOPED_TRACE(invincible ? "invincible" : "not");
        Stage1::SetComingAssists({.Invincible = invincible});
        FreshMenu();
        StartLevel();
        for (int i = 0; i < 3; ++i) {
            Spawn<TheFoo>(PlayerShip()->PosX, PlayerShip()->PosY, 0);
            Run(20);
        }
        EXPECT_EQ(Hud()->PlayerShield < 100, !invincible);
        EXPECT_EQ(Hud()->PlayerHealth, 100.0f);
        EXPECT_EQ(Hud()->HitsTaken, invincible ? 3 : 0);
        Tap(SDLK_q);
        Run(3);
        EXPECT_TRUE(Level()->GameOver);
        Leave();
    }
}

// Fewer flashes: the boss's white flash is a dim tint, the rest the same.
TEST_F(Practice, FewerFlashesDimTheBossFlashAndNothingElse) {
    StartLevel();
    for (const bool dim : {false, true}) {
        TheBoss* boss = Spawn<TheBoss>(700.0f, 200.0f);
        boss->DimFlash = dim;
        boss->RayClock.Start();
        TickSource::Advance(150);
        SDL_Surface* picture = TheEngine().Surface;
        SDL_FillRect(picture, nullptr, 0);
        boss->DrawRay(picture);
        EXPECT_EQ(PixelAt(20, 590) == 0xFFFFFF, !dim);
        EXPECT_NE(PixelAt(20, 590), 0u);
        EXPECT_FALSE(boss->RayActive);
        TickSource::Advance(100);
        boss->DrawRay(picture);
        EXPECT_TRUE(boss->RayActive) << "the ray still burns";
        boss->Dead = true;
        Run(2);
    }
}

// Practice, take-overs and assists are told in the header and read back;
// a header that cannot be is refused; a run of format 3 keeps its bytes.
TEST_F(Practice, RecordsSayHowARunBeganAndWhatHelpedIt) {
    Watch();
    StartLevel();
    Run(70);
    Leave();
    ReplayFile run = Kept, read;
    std::string why;
    run.Format = ReplayFile::LevelFormat;
    const std::string old = run.Encode();
    EXPECT_EQ(old.substr(4, 2), std::string("\x03\x00", 2)) << "nothing it says needs format 4";
    ASSERT_TRUE(ReplayFile::Decode(old, read, why)) << why;
    EXPECT_EQ(read.Encode(), old);

    run.Practice = run.RestartAtOnce = true;
    run.FromMs = 160000;
    run.TakenOverAt = 40;
    run.Helps = {.SpeedPercent = 50, .Invincible = true, .FewerFlashes = true};
    ASSERT_TRUE(ReplayFile::Decode(run.Encode(), read, why)) << why;
    EXPECT_EQ(read.Format, ReplayFile::FormatVersion);
    EXPECT_EQ(read.StartNamed(), "practice from 160 s, taken over at frame 40, speed 50 %, invincible, fewer flashes");
    EXPECT_EQ(read.Encode(), run.Encode());

    ReplayFile slow = run, late = run, unpractised = run;
    slow.Helps.SpeedPercent = 55;
    late.TakenOverAt = uint32_t(run.Frames.size() + 1);
    unpractised.Practice = false;
    for (const auto& [bad, reason] : {std::pair{slow, "a game speed the game cannot play (55 %)"},
                                      {late, "taken over after more frames than it has"},
                                      {unpractised, "a practice start the game cannot make"}}) {
        EXPECT_FALSE(ReplayFile::Decode(bad.Encode(), read, why));
        EXPECT_NE(why.find(reason), std::string::npos) << why;
    }
}

// Only a whole, unhelped run reaches the table of best runs.
TEST_F(Practice, NoPracticeTakeOverOrAssistedRunReachesTheScores) {
    TempFolder home;
    const LevelStart level = Campaign::Start(1, {.Score = 500}, false);
    const struct {
        Assists Helps;
        bool Practice;
        size_t Entries;
    } cases[] = {{{}, false, 1},
                 {{.FewerFlashes = true}, false, 0},
                 {{.SpeedPercent = 90}, false, 0},
                 {{.Invincible = true}, false, 0},
                 {{}, true, 0}};
    for (const auto& c : cases) {
        std::filesystem::remove(home / "scores.txt");
        RunKeeper keeper(home / "scores.txt", home / "replays");
        TheEngine().Watcher = &keeper.Watcher();
        Stage1::SetComingAssists(c.Helps);
        PutUp(c.Practice ? PracticeMarks::Start(level, 10000, {.Score = 500}) : level);
        Hud()->PlayerScore = 500;
        Tap(SDLK_q);
        Run(3);
        Leave();
        EXPECT_EQ(keeper.Scores().Runs().size(), c.Entries);
        EXPECT_EQ(std::filesystem::exists(home / "scores.txt"), c.Entries > 0);
    }
}
