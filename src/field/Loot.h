#pragma once
#include <string>

class Enemy;
class UI;

// The reward for an enemy destroyed by a player projectile: 50 points, a big
// explosion at its centre and a random handful of money over its square.
// The number and order of random draws are fixed, so a seed replays a game.
void DropLoot(UI& ui, Enemy& b, const std::string& screen);
