#include "field/Loot.h"

#include <cstdlib>

#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "field/Enemy.h"
#include "field/UI.h"

namespace {
// One piece somewhere over the enemy's square. The y offset is drawn before
// the x offset, and the money's constructor then draws its own velocity.
template <class M>
void DropPiece(const Enemy& b, const std::string& screen) {
    const int dy = Random::Draw() % b.Size;
    const int dx = Random::Draw() % b.Size;
    Engine::Instance().AddToScreen(new M(b.PosX + static_cast<float>(dx), b.PosY + static_cast<float>(dy)), screen);
}

// Drops pieces while the count so far is below a limit drawn afresh before
// every piece as rand() % modulo + shift; the draw that stops the loop is
// made too, so every kill consumes a predictable run of random numbers.
template <class M>
void DropWhileLucky(const Enemy& b, int modulo, int shift, const std::string& screen) {
    for (int dropped = 0;; ++dropped) {
        const int limit = Random::Draw() % modulo + shift;
        if (dropped >= limit)
            return;
        DropPiece<M>(b, screen);
    }
}
}  // namespace

void DropLoot(UI& ui, Enemy& b, const std::string& screen) {
    ui.PlayerScore += 50;
    Engine::Instance().AddToScreen(new BigExplosion(b.CentreX(), b.CentreY()), screen);
    DropWhileLucky<SmallMoney>(b, 4, 1, screen);  // 1 to 4 coins
    DropWhileLucky<MedMoney>(b, 4, -2, screen);   // one stack in four kills
    DropWhileLucky<HugeMoney>(b, 7, -5, screen);  // one gem in seven kills
}
