#include "enemies/SpaceRockBig.h"

#include <cstdlib>

#include "engine/Engine.h"
#include "enemies/SpaceRockSmall.h"
#include "engine/Random.h"

SpaceRockBig::SpaceRockBig(float x, float y, const std::string& imagePath) {
    PosX = x;
    PosY = y;
    ImagePath = imagePath;
}

void SpaceRockBig::Load() {
    Enemy::Load();
    Speed = 150;
    Health = 50;
    Size = Side;
}

bool SpaceRockBig::Update(float seconds) {
    UpdateRock(*this, seconds);
    Split();
    return false;
}

void SpaceRockBig::Split() {
    // The stage removes a dead rock in the frame it dies; the flag keeps a
    // rock that is updated again anyway from breaking up a second time.
    if (!Dead || HasSplit)
        return;
    HasSplit = true;
    // One small rock always, a second one on a coin toss; the count is
    // re-drawn before every rock, so never more than two.
    for (int made = 0; made < Random::Draw() % 2 + 1; ++made) {
        const float y = PosY + static_cast<float>(Random::Draw() % Size);
        const float x = PosX + static_cast<float>(Random::Draw() % Size);
        auto* piece = new SpaceRockSmall(x, y, "Image/SpaceRockSmall.png");
        // A rock that falls or rises breaks into pieces that go on doing so.
        piece->SpeedY = SpeedY;
        Engine->AddToScreen(piece, "Stage1");
    }
}
