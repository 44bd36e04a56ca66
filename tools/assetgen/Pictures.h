#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// Every picture the game loads, with the painter that makes it.
struct Picture {
    std::string path; // relative to the asset folder, e.g. "Image/ship.png"
    std::function<Canvas()> paint;
};

const std::vector<Picture>& allPictures();

// Backdrops (Backdrops.cpp)
Canvas paintFarStars();
Canvas paintNearStars();
Canvas paintPlanet();
// The later levels' own: a field of embers, an abyss, a ringed ice giant
// and a nebula.
Canvas paintEmberStars();
Canvas paintAbyssStars();
Canvas paintIcePlanet();
Canvas paintNebula();

// Interface (Interface.cpp)
// The label is `labelSize` pixels high: the menu's smaller second row and
// the pages' Back button use a smaller one than the first row.
Canvas paintMenuButton(const std::string& label, int frameWidth, int frameHeight, int bodyHeight,
                       double labelSize = 25.0);
Canvas paintShopButton(const std::string& letter);
Canvas paintHudPanel();
Canvas paintBarSegment(bool health);

// Player and boss craft, and what they fire (Craft.cpp)
Canvas paintShip();
// One frame of the fighter in a 64 x 64 box, facing right: 0 without
// flame, 1 and 2 with the long and the short flame.
void drawShip(cairo_t* cr, int frame);
Canvas paintRocket();
Canvas paintBoss();
Canvas paintChargingBeam();
Canvas paintRay();
Canvas paintBullet(bool green);

// Enemies (Enemies.cpp)
Canvas paintRock(int size, unsigned seed);
Canvas paintMine();
Canvas paintBigBug();
Canvas paintSmallBug();

// Effects and pickups (Effects.cpp)
Canvas paintExplosion(int frameWidth, int frameHeight, int frames, unsigned seed);
Canvas paintSparkBurst();
Canvas paintSmoke();
Canvas paintMoney(int tier);

// The desktop icon, `size` pixels square (Icon.cpp).
Canvas paintIcon(int size);
// The sizes installed in the icon theme.
inline constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

// Strips of animation frames side by side: `frame(cr, index)` paints one
// frame with the origin at that frame's top-left corner, clipped to it.
template <typename FramePainter>
void paintStrip(Canvas& canvas, int frameWidth, int frames, FramePainter frame)
{
    for (int i = 0; i < frames; ++i) {
        cairo_t* cr = canvas.cr();
        cairo_save(cr);
        cairo_rectangle(cr, i * frameWidth, 0, frameWidth, canvas.height());
        cairo_clip(cr);
        cairo_translate(cr, i * frameWidth, 0);
        frame(cr, i);
        cairo_restore(cr);
    }
}

} // namespace assetgen
