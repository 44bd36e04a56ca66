#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "levels/Campaign.h"
#include "levels/LevelFile.h"
#include "program/RunKeeper.h"
#include "replay/ReplayFile.h"
#include "support/GameProcess.h"
#include "support/StageHelpers.h"

// The campaign as a player meets it: a won level leads on to the next with
// the ship as it was, each level is kept as its own replay that verifies
// alone, and the table keeps one row a run with the level it reached.
namespace {
class CampaignRuns : public Playthrough, protected GameProcess {
protected:
    void SetUp() override {
        Playthrough::SetUp();
        Keeper.emplace(*this / "scores.txt", *this / "replays");
        TheEngine().Watcher = &Keeper->Watcher();
    }
    void Win() {
        Spawn<TheBoss>(1024.0f, 150.0f)->Health = 0;
        Run(2);
        ASSERT_TRUE(Level()->Victory);
    }
    void Lose() {
        Tap(SDLK_q);
        Run(5);
        Click(Layout::OverlayExitButton);
        Run(3);
        ASSERT_NE(Menu(), nullptr);
    }
    void Begin(LevelStart start) {
        Run(2);
        TheEngine().PushScreen(new LoadingScreen(std::move(start)), "LoadingScreen");
        Run(2);
    }
    // The runs on the shelf by the level they were played on.
    std::vector<std::pair<std::filesystem::path, ReplayFile>> DatedReplays() {
        std::vector<std::pair<std::filesystem::path, ReplayFile>> dated;
        for (const auto& entry : std::filesystem::directory_iterator(Path / "replays")) {
            ReplayFile run;
            std::string why;
            if (entry.path().filename() != "last.krp" && ReplayFile::Load(entry.path(), run, why))
                dated.emplace_back(entry.path(), run);
        }
        std::sort(dated.begin(), dated.end(),
                  [](const auto& a, const auto& b) { return a.second.Level < b.second.Level; });
        return dated;
    }
    std::optional<RunKeeper> Keeper;
};
}  // namespace

TEST_F(CampaignRuns, AWonLevelHandsTheShipOnAndEachLevelIsItsOwnReplay) {
    StartLevel(20);
    UI& hud = *Hud();
    hud.PlayerMoney = 2000;
    for (SDLKey key : {SDLK_b, SDLK_b, SDLK_b, SDLK_n, SDLK_n})
        Tap(key);
    hud.PlayerHealth = 63;
    hud.PlayerShield = 40.5f;
    hud.PlayerScore = 1234;
    const Loadout carried{63, 40.5f, hud.PlayerMoney, 1234, 3, 2};
    const int cannonPrice = Level()->Shop.CannonPrice, rapidPrice = Level()->Shop.RapidFirePrice;
    Win();
    EXPECT_TRUE(Hud()->NextLevelView);
    Click(Layout::ReplayButton);  // where Next level shows
    Run(2);
    ASSERT_NE(Level(), nullptr);
    EXPECT_EQ(Level()->Start.Number, 2);
    EXPECT_EQ(Level()->Start.Ship, carried);
    EXPECT_EQ(Level()->Carried(), carried);
    EXPECT_EQ(Level()->Shop.CannonPrice, cannonPrice);
    EXPECT_EQ(Level()->Shop.RapidFirePrice, rapidPrice);
    EXPECT_EQ(PlayerShip()->CannonLevel, 4);
    EXPECT_EQ(PlayerShip()->FireDelay, 190);
    EXPECT_FLOAT_EQ(PlayerShip()->PosX, 100);  // the rest starts afresh
    EXPECT_LT(LevelTime(), 100u);
    EXPECT_EQ(CountOf<TheBoss>(), 0);
    Run(120);
    Lose();

    // The second level's replay holds its level and its ship, and verifies
    // alone. (The first one cannot: this test set its ship by hand.)
    const auto dated = DatedReplays();
    ASSERT_EQ(dated.size(), 2u);
    const ReplayFile& second = dated[1].second;
    EXPECT_EQ(second.Level, 2);
    EXPECT_TRUE(second.InCampaign);
    EXPECT_EQ(second.Ship, carried);
    EXPECT_EQ(second.LevelPrint, LevelFile::Fingerprint(*Campaign::Get(2)));
    const GameRun verified = Start("", "--verify '" + dated[1].first.string() + "'");
    EXPECT_EQ(verified.Status, 0) << verified.Out << verified.Err;
    EXPECT_NE(verified.Out.find(" at level 2 on normal, score 1234, "), std::string::npos) << verified.Out;
    EXPECT_NE(verified.Out.find(", in sync"), std::string::npos) << verified.Out;

    // One row for the whole run, at the level it reached.
    ASSERT_EQ(Keeper->Scores().Runs().size(), 1u);
    const ScoreTable::Run& row = Keeper->Scores().Runs()[0];
    EXPECT_EQ(row.Score, 1234);
    EXPECT_EQ(row.Level, 2);
    EXPECT_FALSE(row.Alone);
    EXPECT_EQ(row.Tenths, (dated[0].second.LevelMs + second.LevelMs) / 100);
    EXPECT_EQ(row.Replay, dated[1].first.filename());
}

// A won level goes on by itself after a while; the last one, a level on its
// own and a ship lost after the victory do not: the game-over overlay of a
// campaign offers Replay, a new campaign.
TEST_F(CampaignRuns, OnlyAWonCampaignLevelWithANextOneGoesOnByItself) {
    const struct {
        int Number;
        bool InCampaign;
        bool LoseAfter;
        bool GoesOn;
    } cases[] = {{1, true, false, true}, {3, true, false, false}, {1, false, false, false}, {2, true, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Number);
        Begin(Campaign::Start(c.Number, {}, c.InCampaign));
        Win();
        if (c.LoseAfter)
            Hud()->PlayerHealth = 0;
        EXPECT_EQ(Hud()->CampaignEnd, c.Number == 3);
        Run(Stage1::NextLevelAfterMs * 6 / 100 + 10);
        ASSERT_NE(Level(), nullptr);
        EXPECT_EQ(Level()->Start.Number, c.GoesOn ? c.Number + 1 : c.Number);
        if (c.LoseAfter) {
            Click(Layout::ReplayButton);
            Run(2);
            ASSERT_NE(Level(), nullptr);
            EXPECT_EQ(Level()->Start.Number, 1);
        }
        TheEngine().ClearScreens();
    }
}

TEST_F(CampaignRuns, ALevelAloneMakesARowOfItsOwnAndALevelOfThePlayersNone) {
    Begin(Campaign::Start(2, {}, false));
    Hud()->PlayerScore = 50;
    Lose();
    LevelStart own = Campaign::Start(1, {}, false);
    own.Number = 0;
    own.OwnFile = "mine.level";
    Begin(own);
    Hud()->PlayerScore = 500;
    Lose();
    ASSERT_EQ(Keeper->Scores().Runs().size(), 1u);
    EXPECT_EQ(Keeper->Scores().Runs()[0].Level, 2);
    EXPECT_TRUE(Keeper->Scores().Runs()[0].Alone);
    EXPECT_FALSE(Keeper->Scores().BestScore("normal")) << "no campaign run yet";
    EXPECT_EQ(DatedReplays().size(), 2u) << "both runs are kept as replays";
}
