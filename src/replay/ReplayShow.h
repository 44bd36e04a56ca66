#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdint>
#include <optional>
#include <string>

#include "engine/Layout.h"

#include "engine/TextCache.h"
#include "replay/ReplayPlayer.h"

class SessionWatcher;

// A recorded run played in the running game's window at the pace it was
// recorded, a little at every frame of the main loop: the level as the
// recording plays it, HUD and all, under an optional caption. Live input
// never steers it: it is read only to end the show (ESC, or for a demo any
// key, click or pad button, which then does nothing else) and for the
// settings keys, which work as ever. While the run plays, its player is the
// engine's watcher, so nothing of it is recorded or scored. The show owns
// its player, its font and its rendered caption.
class ReplayShow {
public:
    enum class Ending { Playing, Played, Stopped, Desynced, Closed, TakenOver };
    struct Rules {
        // Any key, click or pad button ends it, not only ESC.
        bool AnyInputStops = false;
        // It ends at the first check of the world that differs.
        bool DesyncStops = false;
        // T, the fire key or Enter (which the pad's buttons stand for while
        // a run shows) ends it with the level left up for the player to
        // take over.
        bool TakeOverKeys = false;
    };

    ReplayShow(ReplayFile run, Rules rules, std::string caption = "");
    // Ends the show as End does if it is still on.
    ~ReplayShow();
    ReplayShow(const ReplayShow&) = delete;
    ReplayShow& operator=(const ReplayShow&) = delete;

    // The first call puts the recorded level up in place of the screens on
    // the stack; every call reads the live input, then plays the recorded
    // frames that have come due. Once the show is over, nothing is left on
    // the stack (the caller puts up what comes next), the engine has its
    // watcher back and the game clock reads on from where it was when the
    // show began, as if the time had passed.
    Ending Frame();
    // Ends the show at once, leaving the stack empty and the clock to the
    // caller: the game is being brought back to a fresh start.
    void End();
    // Keys that end the show with the level kept for the player.
    static bool TakesOver(SDLKey key) {
        return key == SDLK_t || key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER;
    }

    // Milliseconds until the next recorded frame is due.
    uint32_t Wait() const;
    // Draws the caption, if any, low over the window.
    void DrawCaption(SDL_Surface* target);

    // Where the live pointer is: where the game knew it when the show began,
    // or where it moved while the run played.
    float PointerX() const { return LiveX; }
    float PointerY() const { return LiveY; }
    // Where the left press that ended the show was made, if one did.
    const std::optional<ScreenPoint>& EndingPress() const { return EndPress; }
    const ReplayPlayer& Player() const { return Playback; }

private:
    // The recorded level is up and has played a frame.
    bool CanBeTakenOver() const;
    void Begin();
    void ReadLiveInput();
    void PlayDueFrames();
    void Leave();

    ReplayPlayer Playback;
    uint32_t StartTime;
    Rules Stops;
    std::string Caption;
    TTF_Font* Font = nullptr;
    TextCache Texts;
    Ending Over = Ending::Playing;
    bool Started = false;
    SessionWatcher* Before = nullptr;
    // The clock outside the show, the run's own time since it started, and
    // the wall clock as the previous frame left it.
    uint32_t LiveNow = 0;
    uint32_t ShowTime = 0;
    // Wall time times the run's speed not yet counted into ShowTime.
    uint64_t SlowedWall = 0;
    uint32_t LastWall = 0;
    float LiveX = 0;
    float LiveY = 0;
    std::optional<ScreenPoint> EndPress;
};
