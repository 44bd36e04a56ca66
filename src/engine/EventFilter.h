#pragma once
#include <SDL/SDL.h>

#include <vector>

// A service of the program that sees the window's events before the game
// does: the settings keys, the game pad. It may take an event for itself and
// put in its place the events it stands for. The engine owns no filter.
class EventFilter {
public:
    virtual ~EventFilter() = default;

    // True when `event` is this filter's: it goes no further, and the events
    // in `instead` (often none) reach the game in its place, in order.
    virtual bool Take(const SDL_Event& event, std::vector<SDL_Event>& instead) = 0;
};
