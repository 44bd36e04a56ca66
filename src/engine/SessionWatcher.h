#pragma once
#include <SDL/SDL.h>

#include <cstdint>

class Stage1;

// Follows the level sessions of a run for the program: when a level starts
// and ends, where each frame begins and ends, and every event that reaches
// the input handler. The replay recorder and the replay player are
// watchers. The engine holds at most one and owns none.
class SessionWatcher {
public:
    virtual ~SessionWatcher() = default;

    // A level has been loaded and its first entities are in place.
    virtual void LevelStarted(Stage1& level) = 0;
    // A level is being deleted; its entities are all still there.
    virtual void LevelEnding(Stage1& level) = 0;
    // The frame's update begins; the game clock reads `now` for all of it.
    virtual void FrameStarted(uint32_t now) = 0;
    // An event reached the input handler (it comes before the frame it acts in).
    virtual void EventHandled(const SDL_Event& event) = 0;
    // The frame has been updated and drawn.
    virtual void FrameEnded() = 0;
};
