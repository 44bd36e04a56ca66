#include <gtest/gtest.h>

#include <string>

#include "engine/EveHandler.h"
#include "program/GamepadInput.h"
#include "support/Events.h"

namespace {
constexpr auto Menu = GamepadInput::Context::Menu, Page = GamepadInput::Context::Page,
               Level = GamepadInput::Context::Level, Overlay = GamepadInput::Context::Overlay,
               Show = GamepadInput::Context::Show;

using Events::Axis, Events::Hat;
constexpr auto Pad = Events::PadButton;

// The pad feeding an input handler the way the main loop pumps events.
struct Wired {
    GamepadInput Pad;
    EveHandler In;
    std::vector<SDL_Event> Last;
    void Send(const SDL_Event& e, GamepadInput::Context where = Level) { Feed(Pad.Translate(e, where)); }
    void Feed(const std::vector<SDL_Event>& events) {
        Last = events;
        for (const SDL_Event& e : events) {
            if (e.type == SDL_MOUSEMOTION)
                In.MouseX = e.motion.x, In.MouseY = e.motion.y;
            In.HandleEvent(new SDL_Event(e));
        }
    }
    // Stored presses and releases (the handler keeps one pointer motion anyway).
    size_t Stored() const { return In.Events.size() - In.HasEventOfType(SDL_MOUSEMOTION); }
    std::string Steering() const {
        std::string held;
        for (auto [key, name] : {std::pair{SDLK_w, 'W'}, {SDLK_s, 'S'}, {SDLK_a, 'A'}, {SDLK_d, 'D'}, {SDLK_UP, 'u'},
                                 {SDLK_DOWN, 'd'}, {SDLK_LEFT, 'l'}, {SDLK_RIGHT, 'r'}})
            held += In.IsKeyHeld(key) ? std::string(1, name) : "";
        return held;
    }
};
}  // namespace

TEST(GamepadInput, StickAndDpadHoldEachDirectionOnceUntilNeitherPushes) {
    const struct {
        SDL_Event Event;
        GamepadInput::Context Where;
        const char* Held;
    } steps[] = {
        {Axis(0, 7999), Level, ""},          {Axis(1, -7999), Level, ""},    {Axis(0, -8000), Level, "A"},
        {Axis(0, 32767), Overlay, "D"},      {Axis(1, -32768), Level, "WD"}, {Hat(SDL_HAT_RIGHTDOWN), Level, "WSD"},
        {Axis(0, 0), Level, "WSD"},          {Axis(3, -32768), Level, "WSD"}, {Axis(1, 100), Level, "SD"},
        {Hat(SDL_HAT_CENTERED), Level, ""},  {Axis(1, 32767), Menu, "d"},    {Axis(1, 32767), Level, "S"},
        {Hat(SDL_HAT_DOWN), Menu, "S"},      {Axis(1, 0), Menu, "S"},        {Hat(SDL_HAT_CENTERED), Menu, ""},
        // Off the level a push is an arrow key; a recorded run takes none.
        {Hat(SDL_HAT_LEFTUP), Page, "ul"},   {Axis(0, 20000), Page, "ulr"},  {Hat(SDL_HAT_CENTERED), Show, "r"},
        {Axis(1, 20000), Show, "r"},         {Axis(0, 0), Level, "S"},       {Axis(1, 0), Menu, ""},
    };
    Wired pad;
    for (const auto& step : steps) {
        pad.Send(step.Event, step.Where);
        EXPECT_EQ(pad.Steering(), step.Held) << "after step " << (&step - steps);
    }
    EXPECT_TRUE(pad.In.Events.empty());  // every key-down met its key-up
    pad.Send(Axis(0, -32767));
    pad.Send(Axis(0, 32767));
    ASSERT_EQ(pad.Last.size(), 2u);
    EXPECT_EQ(pad.Last[0].type, SDL_KEYUP);  // A lets go before D goes down
}

// Off the level the pad is Enter and ESC: Enter works the menu's buttons and
// the pages, ESC goes back from a page (never from the menu, where it would
// end the game), and while a recorded run shows every button is one of the
// two, so that any of them ends a demo. On an overlay buttons 0 and 1 click
// its buttons, button 7 is ESC. One key or click at a time, let go in any
// context.
TEST(GamepadInput, OffTheLevelButtonsAreEnterBackOrClicksOneAtATime) {
    constexpr Uint8 None = 255;
    // With another button for the same key, pressed while the first is down.
    const struct {
        GamepadInput::Context Where;
        Uint8 Button;
        SDLKey Key;
        Uint8 Other;
        float X = 0, Y = 0;  // where a click lands
    } presses[] = {{Menu, 0, SDLK_RETURN, 7},    {Menu, 9, SDLK_RETURN, 0},    {Menu, 1, SDLK_UNKNOWN, None},
                   {Menu, 4, SDLK_UNKNOWN, None}, {Page, 0, SDLK_RETURN, 9},    {Page, 1, SDLK_ESCAPE, None},
                   {Page, 2, SDLK_UNKNOWN, None}, {Show, 0, SDLK_RETURN, 5},    {Show, 1, SDLK_ESCAPE, 7},
                   {Overlay, 0, SDLK_UNKNOWN, 1, 341, 446}, {Overlay, 1, SDLK_UNKNOWN, 0, 683, 450},
                   {Overlay, 7, SDLK_ESCAPE, None}};
    for (const auto& p : presses) {
        Wired pad;
        const bool click = p.X > 0;
        pad.Send(Pad(true, p.Button), p.Where);
        EXPECT_EQ(pad.Stored(), p.Key == SDLK_UNKNOWN && !click ? 0u : 1u) << int(p.Button);
        EXPECT_TRUE(p.Key == SDLK_UNKNOWN || pad.In.IsKeyHeld(p.Key)) << int(p.Button);
        EXPECT_EQ(pad.In.HasEventOfType(SDL_MOUSEBUTTONDOWN), click);
        if (click) {
            EXPECT_EQ(std::pair(pad.In.MouseX, pad.In.MouseY), std::pair(p.X, p.Y)) << int(p.Button);
            ASSERT_EQ(pad.Last.size(), 2u);
            EXPECT_EQ(pad.Last[1].button.x, p.X);
        }
        if (p.Other != None) {
            pad.Send(Pad(true, p.Other), p.Where);
            EXPECT_TRUE(click || pad.Last.empty()) << int(p.Other);
            EXPECT_EQ(pad.Stored(), 1u) << int(p.Other);
            pad.Send(Pad(false, p.Other), Level);
        }
        pad.Send(Pad(false, p.Button), Level);
        EXPECT_EQ(pad.Stored(), 0u) << int(p.Button);
    }
    Wired pad;
    pad.Send(Pad(true, 1), Overlay);
    EXPECT_TRUE(pad.In.TakeLeftClick());
}
