#include <gtest/gtest.h>

#include "engine/EveHandler.h"

namespace {
SDL_Event* Event(Uint8 type, SDLKey key = SDLK_h, Uint8 button = SDL_BUTTON_LEFT) {
    auto* e = new SDL_Event{};
    e->type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        e->key.keysym.sym = key;
    else
        e->button.button = button;
    return e;
}
}  // namespace

// A key and the left button are filed by the same rules.
TEST(EveHandler, PressAndReleaseCancelATakenPressYieldsOnceAndItsReleaseIsKept) {
    for (bool key : {true, false}) {
        SCOPED_TRACE(key ? "key" : "left button");
        EveHandler in;
        const Uint8 down = key ? SDL_KEYDOWN : SDL_MOUSEBUTTONDOWN, up = key ? SDL_KEYUP : SDL_MOUSEBUTTONUP;
        auto take = [&] { return key ? in.TakeKeyPress(SDLK_h) : in.TakeLeftClick(); };
        in.HandleEvent(Event(down));
        in.HandleEvent(Event(up));
        EXPECT_TRUE(in.Events.empty());
        in.HandleEvent(Event(down));
        EXPECT_TRUE(take());
        EXPECT_FALSE(take());
        in.HandleEvent(Event(up));  // its press was taken: kept
        EXPECT_EQ(in.Events.size(), 1u);
        in.HandleEvent(Event(down));  // stored beside the kept release
        in.HandleEvent(Event(up));    // ends its own press, not the kept release
        EXPECT_FALSE(in.IsKeyHeld(SDLK_h));
        EXPECT_FALSE(take()) << "a press outlived its release";
        EXPECT_EQ(in.Events.size(), 1u);
        in.HandleEvent(Event(up));  // with no press stored, cancels the kept release
        EXPECT_TRUE(in.Events.empty());
        in.HandleEvent(Event(down));
        EXPECT_EQ(in.IsKeyHeld(SDLK_h), key);
    }
}

TEST(EveHandler, OtherButtonsNeverBlockLeftClicksAndOtherEventsAreStoredOncePerType) {
    EveHandler in;
    for (Uint8 button : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
        in.HandleEvent(Event(SDL_MOUSEBUTTONDOWN, SDLK_h, button));
        in.HandleEvent(Event(SDL_MOUSEBUTTONUP, SDLK_h, button));
    }
    in.HandleEvent(Event(SDL_MOUSEBUTTONDOWN, SDLK_h, SDL_BUTTON_RIGHT));
    EXPECT_TRUE(in.Events.empty());
    for (int twice = 0; twice < 2; ++twice)
        for (Uint8 type : {Uint8(SDL_QUIT), Uint8(SDL_MOUSEMOTION), Uint8(SDL_MOUSEBUTTONDOWN)})
            in.HandleEvent(Event(type));
    EXPECT_EQ(in.Events.size(), 3u);
    in.HandleEvent(Event(SDL_KEYDOWN, SDLK_SPACE));  // every key press is stored
    in.HandleEvent(Event(SDL_KEYDOWN, SDLK_SPACE));
    EXPECT_EQ(in.Events.size(), 5u);
    EXPECT_TRUE(in.TakeLeftClick());
}
