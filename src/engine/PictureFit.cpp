#include "engine/PictureFit.h"

#include <algorithm>

#include "engine/Layout.h"

namespace {
constexpr int GameW = Layout::WindowWidth;
constexpr int GameH = Layout::WindowHeight;

bool Fits(int scale, int width, int height) { return GameW * scale <= width && GameH * scale <= height; }

int LargestScaleWithin(int width, int height) {
    int scale = 1;
    while (scale < PictureFit::MaxScale && Fits(scale + 1, width, height))
        ++scale;
    return scale;
}

// Window column `at` of a picture `size` wide shows game column
// at * game / size: the same sampling the sharp enlargement uses.
int GameColumn(int at, int size, int game) {
    const int column = static_cast<int>(static_cast<long>(at) * game / size);
    return std::clamp(column, 0, game - 1);
}
}  // namespace

int PictureFit::AutoScale(int width, int height) {
    if (width <= 0 || height <= 0)
        return 1;
    return LargestScaleWithin(width - PanelRoomX, height - PanelRoomY);
}

int PictureFit::Capped(int wanted, int width, int height) {
    wanted = std::clamp(wanted, 1, MaxScale);
    if (width <= 0 || height <= 0)
        return wanted;
    return std::min(wanted, LargestScaleWithin(width, height));
}

PictureFit PictureFit::Window(int scale) {
    scale = std::clamp(scale, 1, MaxScale);
    PictureFit fit;
    fit.WindowWidth = GameW * scale;
    fit.WindowHeight = GameH * scale;
    fit.Picture = {0, 0, static_cast<Uint16>(fit.WindowWidth), static_cast<Uint16>(fit.WindowHeight)};
    return fit;
}

PictureFit PictureFit::Screen(int width, int height) {
    PictureFit fit;
    fit.WindowWidth = width;
    fit.WindowHeight = height;
    // The narrower of the two ratios decides; the other side gets the bars.
    int w = width, h = height;
    if (static_cast<long>(width) * GameH > static_cast<long>(height) * GameW)
        w = std::max(1, static_cast<int>(static_cast<long>(height) * GameW / GameH));
    else
        h = std::max(1, static_cast<int>(static_cast<long>(width) * GameH / GameW));
    fit.Picture = {static_cast<Sint16>((width - w) / 2), static_cast<Sint16>((height - h) / 2), static_cast<Uint16>(w),
                   static_cast<Uint16>(h)};
    return fit;
}

bool PictureFit::operator==(const PictureFit& other) const {
    const SDL_Rect &a = Picture, &b = other.Picture;
    return WindowWidth == other.WindowWidth && WindowHeight == other.WindowHeight && a.x == b.x && a.y == b.y &&
           a.w == b.w && a.h == b.h;
}

bool PictureFit::Identity() const {
    return WindowWidth == GameW && WindowHeight == GameH && Picture.x == 0 && Picture.y == 0;
}

bool PictureFit::ToGame(int x, int y, int& gameX, int& gameY) const {
    const int inX = x - Picture.x, inY = y - Picture.y;
    gameX = GameColumn(inX, Picture.w, GameW);
    gameY = GameColumn(inY, Picture.h, GameH);
    return inX >= 0 && inY >= 0 && inX < Picture.w && inY < Picture.h;
}
