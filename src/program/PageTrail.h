#pragma once
#include <memory>
#include <vector>

#include "engine/MenuPage.h"

// A menu page and the pages opened from it, one over the other: the page on
// top takes the input and is drawn; leaving it (Back, ESC) shows the one
// beneath again as it was left, and leaving the first leaves the trail. The
// trail owns every page on it.
class PageTrail : public MenuPage {
public:
    // Puts `page` on top: the first at once, the next ones from the next
    // frame on (a page opens another from its own update).
    void Open(std::unique_ptr<MenuPage> page);
    const MenuPage& Top() const { return *Pages.back(); }

    bool Update() override;
    void Draw(SDL_Surface* target) override;

private:
    std::vector<std::unique_ptr<MenuPage>> Pages;
    std::unique_ptr<MenuPage> Opening;
};
