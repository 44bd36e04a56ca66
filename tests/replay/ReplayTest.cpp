#include "replay/ReplayFile.h"

#include <random>
#include <vector>

#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "replay/WorldCheck.h"
#include "screens/MainScreen.h"
#include "support/StageHelpers.h"

// Recorded runs play back exactly: random sessions with every kind of input
// a player gives are recorded, written and read back, played again, and the
// world must be the same after every frame.
namespace {

struct Session {
    ReplayFile Run;
    LevelOutcome Outcome;
    std::vector<uint64_t> Worlds;  // after frame k at [k - 1]
};

class ReplayRoundTrip : public Playthrough, public ::testing::WithParamInterface<unsigned> {
protected:
    // A stretch of play from a seeded script: steering and firing held for
    // a while, shop keys, pauses by ESC and by the focus, stalls, now and
    // then the self-destruct key and a choice on the overlay that follows.
    void PlayRandomly(std::mt19937& dice, int frames) {
        const SDLKey held[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_SPACE, SDLK_SPACE, SDLK_SPACE};
        const SDLKey taps[] = {SDLK_h, SDLK_n, SDLK_b, SDLK_m, SDLK_m, SDLK_ESCAPE};
        bool down[7] = {};
        bool focused = true;
        for (int i = 0; i < frames; ++i) {
            const unsigned roll = dice() % 100;
            if (roll < 12) {
                const unsigned k = dice() % 7;
                down[k] ? KeyUp(held[k]) : KeyDown(held[k]);
                down[k] = !down[k];
            } else if (roll < 16) {
                Tap(taps[dice() % 6]);
            } else if (roll == 16) {
                Focus(focused = !focused);
            } else if (roll == 17 && dice() % 8 == 0) {
                Tap(SDLK_q);
            } else if (roll == 18) {
                Click(dice() % 2 ? Layout::ReplayButton : Layout::OverlayExitButton);  // when an overlay shows
            } else if (roll == 19 && Menu() != nullptr) {
                Click(Layout::PlayButton);  // again, from the menu
            }
            if (roll == 20)
                Frame(700);  // a stall
            else
                Step();
        }
    }

    // The recorder, watched: the world after every recorded frame is noted.
    struct Watching : ReplayRecorder {
        Watching(ReplayRoundTrip& test) : ReplayRecorder([&test](const ReplayFile& run, const LevelOutcome& outcome) {
            test.Current.Run = run;
            test.Current.Outcome = outcome;
            test.Sessions.push_back(std::move(test.Current));
            test.Current = Session();
        }), Test(test) {}
        void FrameEnded() override {
            ReplayRecorder::FrameEnded();
            if (Recording() && FramesRecorded() > 0)
                Test.Current.Worlds.push_back(WorldCheck::Of(*Test.Level()));
        }
        ReplayRoundTrip& Test;
    } Watcher{*this};
    Session Current;
    std::vector<Session> Sessions;
};
}  // namespace

TEST_P(ReplayRoundTrip, EverySessionPlaysBackFrameForFrame) {
    TheEngine().Watcher = &Watcher;
    std::mt19937 dice(GetParam());
    Run(2);
    Click(Layout::PlayButton);
    PlayRandomly(dice, 2400);
    TheEngine().ClearScreens();  // the program ends: the running level is kept too
    ASSERT_GE(Sessions.size(), 1u);

    for (size_t s = 0; s < Sessions.size(); ++s) {
        SCOPED_TRACE("session " + std::to_string(s + 1) + " of " + std::to_string(Sessions.size()));
        const Session& recorded = Sessions[s];
        // A session that ended inside a frame has no world after that one.
        ASSERT_GE(recorded.Worlds.size() + 1, recorded.Run.Frames.size());
        ReplayFile decoded;
        std::string why;
        ASSERT_TRUE(ReplayFile::Decode(recorded.Run.Encode(), decoded, why)) << why;
        ReplayPlayer player(decoded);
        TheEngine().Watcher = &player;
        player.Start();
        for (size_t k = 0; player.Step() && k < recorded.Worlds.size(); ++k)
            ASSERT_EQ(WorldCheck::Of(*Level()), recorded.Worlds[k]) << "after frame " << k + 1;
        player.Finish();
        EXPECT_EQ(player.DesyncFrame(), 0u);
        EXPECT_EQ(player.FramesPlayed(), recorded.Run.Frames.size());
        EXPECT_EQ(player.Result(), recorded.Outcome);
    }
    TheEngine().Watcher = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Seeds, ReplayRoundTrip, ::testing::Values(1u, 2u, 3u));
