#pragma once
#include <string>

class Entity;
class Ship;
class UI;

// The play field's interaction rules, applied by the level screen to pairs
// of entities. Each rule decides by the exact class of its entities; new
// explosions and money go to the screen called `screen`.

// The green and red bullets and the homing missile: the shots that hurt enemies.
bool IsPlayerProjectile(const Entity& e);
// What the player's shots hit: mines, rocks, swarms, the boss and its arms.
bool IsTarget(const Entity& e);

// Squares of side Size around the centres overlap; touching edges count.
bool BoxesOverlap(const Entity& a, const Entity& b);

// The ship meeting `other`: ramming, enemy shots, money pickup, the boss ray,
// and the ship's destruction once health is gone.
void ShipContact(UI& ui, Ship& ship, Entity& other, const std::string& screen);

// A player projectile `a` hitting an enemy `b`.
void ProjectileHit(UI& ui, Entity& a, Entity& b, const std::string& screen);

// Pulls a money piece within about 283 px three pixels toward the ship.
void PullMoney(Entity& e, float shipX, float shipY);
