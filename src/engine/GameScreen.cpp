#include "engine/GameScreen.h"

#include "engine/Engine.h"
#include "field/Entity.h"

GameScreen::~GameScreen() {
    for (Entity* e : Entities)
        delete e;
}

void GameScreen::AddEntity(Entity* entity) { Entities.push_back(entity); }

void GameScreen::RemoveEntity(Entity* entity) {
    for (size_t i = 0; i < Entities.size(); ++i) {
        if (Entities[i] == entity) {
            Entities[i] = Entities.back();
            Entities.pop_back();
            delete entity;
            return;
        }
    }
}

bool GameScreen::SweepEntities(float seconds) {
    for (size_t i = 0; i < Entities.size(); ++i) {
        Entity* e = Entities[i];
        if (e->Update(seconds))
            return true;
        if (e->Dead)
            Engine::Instance().RemoveFromScreen(e, Name);
    }
    return false;
}

void GameScreen::DrawEntities(SDL_Surface* target) {
    for (size_t i = 0; i < Entities.size(); ++i)
        Entities[i]->Draw(target);
}
