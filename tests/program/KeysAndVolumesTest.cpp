#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "program/ProgramSession.h"
#include "replay/ReplayRecorder.h"
#include "support/Events.h"

// How the player's keyboard and ears are met, through SDL's queue and the
// main loop's pump with the settings keys in place: the keys of play read by
// their place or by their letter, and the volumes of music and effects.
namespace {
using Reading = Settings::KeyReading;

// A key as a French (AZERTY) keyboard sends it: its letter, and its place
// as the X server numbers it (the place of US Q carries A, and so on).
struct Key {
    SDLKey Letter;
    Uint8 Place;
};
constexpr Key FrA{SDLK_a, 24}, FrZ{SDLK_z, 25}, FrQ{SDLK_q, 38}, FrS{SDLK_s, 39}, FrD{SDLK_d, 40}, FrW{SDLK_w, 52};

class KeysAndVolumes : public ProgramSession {
protected:
    void Use(Settings settings, bool muted = false) { UseKeys(settings, muted).Apply(); }
    void ReadKeysBy(Reading reading) {
        Settings next = Keys->Current();
        next.Keys = reading;
        Keys->Change(next);
    }
    void Send(Key key, bool down) { GameTest::Send(Events::KeyAt(down, key.Letter, key.Place)); }
    // The steering keys the game holds down.
    std::string Steering() {
        std::string held;
        for (auto [key, name] : {std::pair{SDLK_w, 'W'}, {SDLK_a, 'A'}, {SDLK_s, 'S'}, {SDLK_d, 'D'}})
            held += TheEngine().Input.IsKeyHeld(key) ? std::string(1, name) : "";
        return held;
    }
    // What holding `key` for a few frames steers; released afterwards.
    std::string Steers(Key key) {
        Send(key, true);
        Run(3);
        const std::string held = Steering();
        Send(key, false);
        Step();
        EXPECT_FALSE(AnyKeyHeld()) << "a key stuck after " << held;
        return held;
    }
};
}  // namespace

// A key held while the reading changes is released by its release. Each
// run is recorded with the game's own keys, so the one flown by the places
// replays in sync while the keys are read by their letters.
TEST_F(KeysAndVolumes, AFrenchKeyboardFliesByThePlacesOrByTheLettersAndReplaysInSync) {
    std::vector<std::pair<ReplayFile, LevelOutcome>> runs;
    ReplayRecorder recorder(
        [&runs](const ReplayFile& run, const LevelOutcome& outcome) { runs.emplace_back(run, outcome); });
    TheEngine().Watcher = &recorder;
    Use(Settings());
    // A W on a key US keyboards lack (94, beside the left Shift) is nothing by place.
    const std::vector<std::pair<Key, std::string>> byPlace{{FrZ, "W"},  {FrQ, "A"}, {FrS, "S"},
                                                           {FrD, "D"},  {FrW, ""},  {Key{SDLK_w, 94}, ""}};
    const std::vector<std::pair<Key, std::string>> byLetter{{FrW, "W"}, {FrA, "A"}, {FrS, "S"}, {FrD, "D"}, {FrZ, ""}};
    for (auto [reading, other, steering, left, destruct] :
         {std::tuple{Reading::Position, Reading::Letters, byPlace, FrQ, FrA},
          std::tuple{Reading::Letters, Reading::Position, byLetter, FrA, FrQ}}) {
        SCOPED_TRACE(reading == Reading::Position ? "by place" : "by letter");
        ReadKeysBy(reading);
        StartLevel();
        for (const auto& [key, held] : steering)
            EXPECT_EQ(Steers(key), held) << "the key labelled " << SDL_GetKeyName(key.Letter);
        Send(left, true);
        Run(2);
        ASSERT_EQ(Steering(), "A");
        ReadKeysBy(other);
        Send(left, false);
        Run(2);
        EXPECT_EQ(Steering(), "") << "held while the reading changed";
        EXPECT_FALSE(AnyKeyHeld());
        ReadKeysBy(reading);
        ASSERT_FALSE(Hud()->GameOverView);
        Send(destruct, true);
        Step();
        Send(destruct, false);
        Run(3);
        EXPECT_TRUE(Hud()->GameOverView) << "no self-destruct";
        Click(Layout::OverlayExitButton, 2);
    }
    EXPECT_EQ(Settings::Load(Home / "settings.ini").Keys, Reading::Letters) << "the change is saved";
    ASSERT_EQ(runs.size(), 2u);
    ExpectReplaysInSync(runs[0]);
}

// A player may have put ESC, a settings key or an arrow where a US
// keyboard has a key of play: they keep their meaning there (the arrow
// steers as the arrow it is).
TEST_F(KeysAndVolumes, EscapeTheSettingsKeysAndThePagesKeysAreNeverReadByPlace) {
    Use(Settings());
    StartLevel(20);  // ESC pauses a quarter of a second after the last time
    Send(Key{SDLK_UP, FrQ.Place}, true);
    Send(Key{SDLK_1, FrS.Place}, true);
    Step();
    EXPECT_TRUE(TheEngine().Input.IsKeyHeld(SDLK_1));
    EXPECT_EQ(Steering(), "W");
    Send(Key{SDLK_F9, FrZ.Place}, true);
    Send(Key{SDLK_F9, FrZ.Place}, false);
    Step();
    EXPECT_FALSE(Keys->Current().Music) << "F9 did not switch the music off";
    Send(Key{SDLK_ESCAPE, FrA.Place}, true);
    Step();
    EXPECT_TRUE(GamePaused) << "ESC did not pause";
    EXPECT_FALSE(Hud()->GameOverView);
}

// F9, F10 and F11 act at once, say so for a second and a half, are saved
// and never reach the game; muting keeps the volumes chosen, which scale the
// mixer. A dummy driver that tells no screen size refuses full screen with
// a warning (classic SDL 1.2); one that tells it shows it (sdl12-compat).
TEST_F(KeysAndVolumes, SettingsKeysActAtOnceAreSavedAndKeepTheVolumes) {
    const bool audio = TheEngine().AudioOpen;
    const auto mixerAt = [audio](int music, int effects) {
        bool at = !audio || Mix_VolumeMusic(-1) == music;
        for (int channel = 0; audio && channel < Mix_AllocateChannels(-1); ++channel)
            at = at && Mix_Volume(channel, -1) == effects;
        return at;
    };
    Settings settings;
    Use(settings);
    EXPECT_TRUE(mixerAt(MIX_MAX_VOLUME, MIX_MAX_VOLUME)) << "the default is as loud as ever";
    settings.MusicVolume = 50;
    settings.EffectsVolume = 30;
    Keys->Change(settings);
    EXPECT_TRUE(mixerAt(64, 38));

    ::testing::internal::CaptureStderr();
    std::vector<std::string> told;
    for (SDLKey key : {SDLK_F9, SDLK_F10, SDLK_F11}) {
        Tap(key);
        EXPECT_FALSE(TheEngine().Input.IsKeyHeld(key));
        told.push_back(TheEngine().Notice.Showing());
    }
    Run(2);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(Keys->Current().Music || Keys->Current().Effects);
    const char* const f11 = Keys->Current().Fullscreen ? "Full screen on" : "Full screen not available here";
    EXPECT_EQ(told, (std::vector<std::string>{"Music off", "Effects off", f11}));
    EXPECT_GT(CountPixels({262, Layout::NoticeTop, 500, 24}, Gold), 30) << "the notice is not drawn";
    Run(90);
    EXPECT_EQ(TheEngine().Notice.Showing(), "") << "still there after a second and a half";
    if (Keys->Current().Fullscreen) {
        EXPECT_TRUE(DisplaySurface->flags & SDL_FULLSCREEN);
        EXPECT_EQ(DisplaySurface->w, TheEngine().Window.DesktopWidth());
        EXPECT_EQ(said, "");
    } else {
        EXPECT_FALSE(DisplaySurface->flags & SDL_FULLSCREEN);
        EXPECT_NE(said.find("full screen"), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    EXPECT_EQ(Settings::Load(Home / "settings.ini"), Keys->Current());
    EXPECT_EQ(Keys->Current().MusicVolume, 50) << "muting lost the level";
    EXPECT_TRUE(mixerAt(0, 0));
    for (SDLKey key : {SDLK_F9, SDLK_F10})
        Tap(key);
    EXPECT_TRUE(Settings::Load(Home / "settings.ini").Music);
    EXPECT_TRUE(mixerAt(64, 38));

    settings.EffectsVolume = 0;
    Use(settings, true);  // --mute, and effects at 0
    EXPECT_TRUE(mixerAt(0, 0));
}
