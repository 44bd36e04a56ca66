#include "engine/EveHandler.h"

#include <cstdlib>

#include "engine/TickSource.h"

namespace {
bool IsLeftButton(const SDL_Event* e) {
    return (e->type == SDL_MOUSEBUTTONDOWN || e->type == SDL_MOUSEBUTTONUP) &&
           e->button.button == SDL_BUTTON_LEFT;
}

bool IsInput(Uint8 type) {
    return type == SDL_KEYDOWN || type == SDL_KEYUP || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ||
           type == SDL_MOUSEMOTION;
}
}  // namespace

EveHandler::~EveHandler() { Clear(); }

void EveHandler::Clear() {
    for (SDL_Event* e : Events)
        delete e;
    Events.clear();
}

void EveHandler::RemoveAt(size_t index) {
    delete Events[index];
    Events[index] = Events.back();
    Events.pop_back();
}

void EveHandler::HandleEvent(SDL_Event* event) {
    if (IsInput(event->type))
        NoteInput();
    switch (event->type) {
    case SDL_KEYDOWN:
        Events.push_back(event);
        return;
    case SDL_KEYUP:
        FileKeyUp(event);
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        // Only the left button works anything in the game. Storing presses of
        // the other buttons (or wheel notches) would block every later left
        // click, so they are dropped here.
        if (event->button.button != SDL_BUTTON_LEFT) {
            delete event;
            return;
        }
        if (event->type == SDL_MOUSEBUTTONUP) {
            FileLeftRelease(event);
        } else {
            NoteLeftPress(event->button.x, event->button.y);
            FileOnce(event);
        }
        return;
    default:
        FileOnce(event);
    }
}

// A release first ends the press it belongs to. Only when that press is
// gone (taken by the game, or made while another window had the focus) does
// it cancel a release kept earlier; only with neither is it kept itself.
// Cancelling a kept release first would leave the press stored: a key stuck
// down, or a click that fires on the next button the pointer touches.
void EveHandler::FileKeyUp(SDL_Event* event) {
    const SDLKey key = event->key.keysym.sym;
    FileRelease(event, [key](const SDL_Event* e) { return e->type == SDL_KEYDOWN && e->key.keysym.sym == key; },
                [key](const SDL_Event* e) { return e->type == SDL_KEYUP && e->key.keysym.sym == key; });
}

void EveHandler::FileLeftRelease(SDL_Event* event) {
    FileRelease(event, [](const SDL_Event* e) { return IsLeftButton(e) && e->type == SDL_MOUSEBUTTONDOWN; },
                [](const SDL_Event* e) { return IsLeftButton(e) && e->type == SDL_MOUSEBUTTONUP; });
}

void EveHandler::FileRelease(SDL_Event* event, const Match& isPress, const Match& isKeptRelease) {
    for (const Match& match : {isPress, isKeptRelease}) {
        for (size_t i = 0; i < Events.size(); ++i) {
            if (match(Events[i])) {
                RemoveAt(i);
                delete event;
                return;
            }
        }
    }
    Events.push_back(event);
}

void EveHandler::FileOnce(SDL_Event* event) {
    if (HasEventOfType(event->type)) {
        delete event;
        return;
    }
    Events.push_back(event);
}

void EveHandler::NoteLeftPress(int x, int y) {
    LastLeftPress = {x, y, TickSource::WallNow(), LastLeftPress.Number + 1};
}

bool EveHandler::DoubleClick(const Press& first, const Press& second) {
    return first.Number != 0 && second.Number == first.Number + 1 && second.At - first.At <= DoubleClickMs &&
           std::abs(second.X - first.X) <= DoubleClickReach && std::abs(second.Y - first.Y) <= DoubleClickReach;
}

bool EveHandler::HasEventOfType(Uint8 type) const {
    for (const SDL_Event* e : Events)
        if (e->type == type)
            return true;
    return false;
}

bool EveHandler::IsKeyHeld(SDLKey key) const {
    for (const SDL_Event* e : Events)
        if (e->type == SDL_KEYDOWN && e->key.keysym.sym == key)
            return true;
    return false;
}

bool EveHandler::TakeKeyPress(SDLKey key) {
    for (size_t i = 0; i < Events.size(); ++i) {
        if (Events[i]->type == SDL_KEYDOWN && Events[i]->key.keysym.sym == key) {
            RemoveAt(i);
            return true;
        }
    }
    return false;
}

bool EveHandler::TakeLeftClick() {
    for (size_t i = 0; i < Events.size(); ++i) {
        if (Events[i]->type == SDL_MOUSEBUTTONDOWN && Events[i]->button.button == SDL_BUTTON_LEFT) {
            RemoveAt(i);
            return true;
        }
    }
    return false;
}

bool EveHandler::TakeEnterPress() {
    const bool enter = TakeKeyPress(SDLK_RETURN);
    return TakeKeyPress(SDLK_KP_ENTER) || enter;
}
