#include <gtest/gtest.h>

#include "engine/EveHandler.h"

namespace {
SDL_Event* Key(Uint8 type, SDLKey key) {
    auto* e = new SDL_Event{};
    e->type = type;
    e->key.keysym.sym = key;
    return e;
}

SDL_Event* Button(Uint8 type, Uint8 button) {
    auto* e = new SDL_Event{};
    e->type = type;
    e->button.button = button;
    return e;
}

SDL_Event* Of(Uint8 type) {
    auto* e = new SDL_Event{};
    e->type = type;
    return e;
}
}  // namespace

TEST(EveHandler, KeyIsHeldFromPressToReleaseAndAPressAndReleaseInOneQueueCancel) {
    EveHandler in;
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_w));
    in.HandleEvent(Key(SDL_KEYUP, SDLK_w));
    EXPECT_FALSE(in.IsKeyHeld(SDLK_w));
    EXPECT_TRUE(in.Events.empty());

    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_w));
    for (int frame = 0; frame < 5; ++frame)
        EXPECT_TRUE(in.IsKeyHeld(SDLK_w));
    EXPECT_FALSE(in.IsKeyHeld(SDLK_s));
    in.HandleEvent(Key(SDL_KEYUP, SDLK_w));
    EXPECT_FALSE(in.IsKeyHeld(SDLK_w));
}

TEST(EveHandler, TakenPressYieldsOnceAndItsReleaseIsKeptForTheNextRelease) {
    EveHandler in;
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_h));
    EXPECT_TRUE(in.TakeKeyPress(SDLK_h));
    EXPECT_FALSE(in.TakeKeyPress(SDLK_h));
    // The key-up of the taken press finds no key-down and is kept ...
    in.HandleEvent(Key(SDL_KEYUP, SDLK_h));
    ASSERT_EQ(in.Events.size(), 1u);
    // ... so the next press is stored and yields again.
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_h));
    EXPECT_TRUE(in.TakeKeyPress(SDLK_h));
    // The next key-up removes the kept key-up rather than storing itself.
    in.HandleEvent(Key(SDL_KEYUP, SDLK_h));
    EXPECT_TRUE(in.Events.empty());
}

TEST(EveHandler, LeftClickIsTakenOnceAndCancelledByAReleaseInTheSameQueue) {
    EveHandler in;
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    in.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(in.TakeLeftClick());

    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(in.TakeLeftClick());
    EXPECT_FALSE(in.TakeLeftClick());
    in.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));  // kept: its press was taken
    ASSERT_EQ(in.Events.size(), 1u);
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    in.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));  // removes the kept release
    EXPECT_TRUE(in.TakeLeftClick());
}

TEST(EveHandler, OtherMouseButtonsAndWheelNeverBlockLeftClicks) {
    EveHandler in;
    for (Uint8 button : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
        in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, button));
        in.HandleEvent(Button(SDL_MOUSEBUTTONUP, button));
    }
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    EXPECT_TRUE(in.Events.empty());
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(in.TakeLeftClick());
}

TEST(EveHandler, OtherEventsAreStoredOncePerType) {
    EveHandler in;
    in.HandleEvent(Of(SDL_QUIT));
    in.HandleEvent(Of(SDL_QUIT));
    in.HandleEvent(Of(SDL_MOUSEMOTION));
    in.HandleEvent(Of(SDL_MOUSEMOTION));
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    in.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));  // a second press while one is stored
    EXPECT_EQ(in.Events.size(), 3u);
    EXPECT_TRUE(in.HasEventOfType(SDL_QUIT));
    // Every press of a key is stored, even if one is already held.
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_SPACE));
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_SPACE));
    EXPECT_EQ(in.Events.size(), 5u);
}

TEST(EveHandler, RemovalSwapsTheLastEventIntoTheFreedSlot) {
    EveHandler in;
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_a));
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_b));
    in.HandleEvent(Key(SDL_KEYDOWN, SDLK_c));
    ASSERT_TRUE(in.TakeKeyPress(SDLK_a));
    ASSERT_EQ(in.Events.size(), 2u);
    EXPECT_EQ(in.Events[0]->key.keysym.sym, SDLK_c);
    EXPECT_EQ(in.Events[1]->key.keysym.sym, SDLK_b);
}
