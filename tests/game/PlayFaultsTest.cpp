#include <SDL/SDL_image.h>
#include <SDL/SDL_ttf.h>

#include <cstring>
#include <vector>

#include "screens/MainScreen.h"
#include "support/StageHelpers.h"

// Faults a player met in a real window, replayed through SDL's queue and the
// main loop's pump: a click that fired by itself, a key stuck down, a ship
// destroyed while the game was paused and overlays hidden by the action.
namespace {

class PlayFaults : public Playthrough {
protected:
    using Pixels = std::vector<std::pair<SDL_Rect, uint32_t>>;
    // Adds the window's current colour at every point of `surface` that is
    // drawn fully opaque when the surface is blitted at (x, y) (frame 0 of
    // a button strip; a text's non-key pixels).
    void AddOpaque(Pixels& out, SDL_Surface* surface, int width, int x, int y) {
        ASSERT_NE(surface, nullptr);
        SDL_LockSurface(surface);
        for (int v = 0; v < surface->h; ++v)
            for (int u = 0; u < width; ++u) {
                const Uint8* row = static_cast<const Uint8*>(surface->pixels) + v * surface->pitch;
                Uint32 raw = 0;
                std::memcpy(&raw, row + u * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
                Uint8 r, g, b, a;
                SDL_GetRGBA(raw, surface->format, &r, &g, &b, &a);
                const bool keyed = (surface->flags & SDL_SRCCOLORKEY) && raw == surface->format->colorkey;
                if (a == 255 && !keyed)
                    out.push_back({SDL_Rect{Sint16(x + u), Sint16(y + v), 1, 1}, PixelAt(x + u, y + v)});
            }
        SDL_UnlockSurface(surface);
        SDL_FreeSurface(surface);
    }
    // Every pixel that the overlay's lines and buttons paint opaquely.
    Pixels OverlayPixels(const std::vector<const char*>& lines) {
        Pixels pixels;
        UI& hud = *Hud();
        int y = 150;
        for (const char* line : lines) {
            SDL_Surface* text = TTF_RenderText_Solid(hud.BigFont, line, SDL_Color{255, 255, 255, 0});
            AddOpaque(pixels, text, text->w, 512 - text->w / 2, y);
            y += 50;
        }
        for (const auto& [path, rect] : {std::pair{"Image/Replay.png", hud.ReplayRect}, {"Image/ExitButton.png", hud.ExitRect}})
            AddOpaque(pixels, IMG_Load(path), rect.w, rect.x, rect.y);
        return pixels;
    }
    int Changed(const Pixels& pixels) {
        int changed = 0;
        for (const auto& [at, rgb] : pixels)
            changed += PixelAt(at.x, at.y) != rgb;
        return changed;
    }
};

enum class PauseBy { Escape, FocusLoss };

class PausedHarm : public PlayFaults, public ::testing::WithParamInterface<PauseBy> {
protected:
    void Pause(bool on) {
        if (GetParam() == PauseBy::Escape)
            Tap(SDLK_ESCAPE);
        else
            Focus(!on);
        Run(2);
        ASSERT_EQ(GamePaused, on);
    }
};
}  // namespace

TEST_F(PlayFaults, AReleaseKeptFromAPageClickNeverLeavesAClickToFireLater) {
    Run(2);
    Click(Layout::InfoButton);
    Run(20);
    Click(512, 300);  // instructions -> credits; the release is kept
    Run(20);
    Click(512, 300);  // credits -> menu; its release is kept too
    Run(20);
    ASSERT_FALSE(Menu()->ShowInstructions || Menu()->ShowCredits);
    Click(100, 100);  // empty space: the press is stored, its release must end it
    Run(5);
    MouseTo(Layout::MenuExitButton.X, Layout::MenuExitButton.Y);  // only moving over Exit
    EXPECT_FALSE(Run(10)) << "the game ended without a click on Exit";
    EXPECT_FALSE(Menu()->ExitRequested);
    Click(Layout::MenuExitButton);  // a real click still works
    EXPECT_TRUE(Run(2));
}

TEST_F(PlayFaults, AKeyReleasedAfterTheFocusCameBackIsNotStuckByTheNextTap) {
    StartLevel(10);
    KeyUp(SDLK_s);  // held while another window had the focus
    Run(2);
    Tap(SDLK_s);
    Run(30);
    EXPECT_FALSE(TheEngine().Input.IsKeyHeld(SDLK_s));
    EXPECT_LT(PlayerShip()->SpeedY, 3) << "the ship still dives";
    EXPECT_LT(PlayerShip()->PosY, 400);
}

TEST_P(PausedHarm, NothingHurtsThePausedShipAndTheAttacksResumeWhereTheyStood) {
    StartLevel(10);
    TheBoss* boss = Spawn<TheBoss>(724.0f, 150.0f);
    GunArm* arm = Spawn<GunArm>(874.0f, 420.0f);
    boss->CycleClock.StartTicks -= 12950;  // the charge is about to end
    Ship* ship = PlayerShip();
    auto holdInRay = [&] { ship->PosY = boss->PosY + 30; };
    for (int i = 0; i < 30 && !boss->RayActive; ++i) {
        holdInRay();
        Run(1);
    }
    ASSERT_TRUE(boss->RayActive);
    const float before = Hud()->PlayerHealth + Hud()->PlayerShield;
    holdInRay();
    Run(3);
    ASSERT_LT(Hud()->PlayerHealth + Hud()->PlayerShield, before) << "the ship is not in the ray";

    Pause(true);
    const float health = Hud()->PlayerHealth, shield = Hud()->PlayerShield;
    const int32_t rayTime = boss->RayClock.GetTicks(), armClock = arm->FireClock.GetTicks();
    const int shots = CountOf<BulletEnemy>();
    Run(600);  // ten seconds
    EXPECT_EQ(Hud()->PlayerHealth, health);
    EXPECT_EQ(Hud()->PlayerShield, shield);
    EXPECT_FALSE(Level()->GameOver);
    EXPECT_EQ(CountOf<BulletEnemy>(), shots) << "shots piled up at the gun arm";
    EXPECT_EQ(boss->RayClock.GetTicks(), rayTime);
    EXPECT_EQ(arm->FireClock.GetTicks(), armClock);

    Pause(false);
    holdInRay();
    Run(2);
    EXPECT_TRUE(boss->RayActive) << "the ray must go on where it stood";
    EXPECT_LT(boss->RayClock.GetTicks(), rayTime + 200);
    EXPECT_LT(Hud()->PlayerHealth + Hud()->PlayerShield, health + shield);

    // The self-destruct key still costs its health while paused.
    Run(20);  // ESC toggles at most every quarter second
    Pause(true);
    Tap(SDLK_q);
    Run(2);
    EXPECT_TRUE(Level()->GameOver);
}

INSTANTIATE_TEST_SUITE_P(Playthrough, PausedHarm, ::testing::Values(PauseBy::Escape, PauseBy::FocusLoss),
                         [](const auto& info) { return info.param == PauseBy::Escape ? "Escape" : "FocusLoss"; });

TEST_F(PlayFaults, OverlaysAreDrawnOverEverythingThatFliesUnderThem) {
    StartLevel(20);
    for (bool over : {false, true}) {
        SCOPED_TRACE(over ? "game over" : "paused");
        if (over) {
            Run(20);
            Tap(SDLK_ESCAPE);  // out of the pause first
            Run(20);
            ASSERT_FALSE(GamePaused);
            Tap(SDLK_q);
        } else {
            Tap(SDLK_ESCAPE);
        }
        Run(3);
        ASSERT_TRUE(over ? Hud()->GameOverView : GamePaused);
        UI& hud = *Hud();
        MouseTo(10, 300);  // the buttons in their plain look
        Run(1);
        const Pixels overlay = OverlayPixels(over ? std::vector<const char*>{"GAME OVER", "Do you want to play again?"}
                                                  : std::vector<const char*>{"PAUSED"});
        ASSERT_GT(overlay.size(), 800u);
        // Mines over the first letters and over both buttons.
        std::vector<TheFoo*> mines;
        for (const auto& [x, y] : {std::pair{300, 150}, std::pair{400, 190}, std::pair{hud.ReplayRect.x + 20, 410},
                                   std::pair{hud.ExitRect.x + 20, 410}})
            mines.push_back(Spawn<TheFoo>(float(x), float(y), 0));
        Run(1);
        EXPECT_EQ(Changed(overlay), 0);
        for (TheFoo* mine : mines)
            mine->Dead = true;
    }
}
