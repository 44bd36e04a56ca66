#include "program/PageTrail.h"

#include <cassert>

void PageTrail::Open(std::unique_ptr<MenuPage> page) {
    assert(page);
    if (Pages.empty())
        Pages.push_back(std::move(page));
    else
        Opening = std::move(page);
}

bool PageTrail::Update() {
    assert(!Pages.empty());
    if (!Pages.back()->Update())
        Pages.pop_back();
    if (Opening)
        Pages.push_back(std::move(Opening));
    return !Pages.empty();
}

void PageTrail::Draw(SDL_Surface* target) { Pages.back()->Draw(target); }
