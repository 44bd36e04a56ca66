#pragma once

class Weapon;

// The flight shared by the cannon's red and green shots, which differ only
// in picture and damage.
namespace BulletFlight {
// Slower shots would crawl: every cannon shot flies at 200 px/s at least.
float FloorSpeed(int speed);
// Moves the shot, ends it once it leaves the window, then sets its velocity
// from Speed and its heading. Because the velocity comes after the move, a
// new shot keeps its place during its first update.
void Update(Weapon& bullet, bool angled, int direction, float seconds);
}  // namespace BulletFlight
