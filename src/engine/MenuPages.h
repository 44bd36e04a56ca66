#pragma once
#include <memory>

#include "engine/MenuPage.h"

// What the menu opens beyond its own pages, provided by the program: the
// options and the scores pages, the list of levels Play offers when the
// player has levels of their own, the practice page, and the demo that plays
// when the menu is left alone. The engine holds at most one and owns none.
class MenuPages {
public:
    enum class Page { Options, Scores, Levels, Practice };

    virtual ~MenuPages() = default;

    // A new page of the kind asked for, to be shown by the menu; for the
    // level list, null when the player has no levels of their own (Play
    // then starts the campaign).
    virtual std::unique_ptr<MenuPage> Open(Page page) = 0;
    // Starts the level chosen on the level list or the practice page that just closed, if one
    // was; true when it did: the menu is then gone.
    virtual bool StartChosenLevel() = 0;
    // Starts a demo from the next frame on (it takes the window, and the
    // menu goes); false when there is no run to show.
    virtual bool StartDemo() = 0;
};
