#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <memory>
#include <random>

#include "engine/Enlarger.h"
#include "engine/PictureFit.h"

// The game's picture enlarged into the window, on surfaces of the window's
// format: each window pixel compared with the game pixels it comes from.
namespace {
using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Surface Make(int w, int h) {
    return Surface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0), SDL_FreeSurface);
}
Uint32& At(SDL_Surface* s, int x, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x];
}
int Channel(Uint32 pixel, int c) { return static_cast<int>((pixel >> (8 * c)) & 0xFF); }

// Noise, with a few flat areas and hard edges as the game's pictures have.
Surface GamePicture() {
    Surface s = Make(1024, 600);
    std::mt19937 noise(3);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 1024; ++x)
            At(s.get(), x, y) = (x / 64 + y / 50) % 3 == 0 ? 0x204080 : noise() & 0xFFFFFF;
    return s;
}

// The window filled with a colour the enlargement never makes, so that any
// pixel it leaves out shows.
Surface Window(int w, int h) {
    Surface s = Make(w, h);
    SDL_FillRect(s.get(), nullptr, 0xFF00FF);
    return s;
}
}  // namespace

// Full screen 1920 x 1080, sharp: every window pixel is the game pixel the
// pointer there stands on, so a button works exactly where it is drawn.
TEST(Enlarger, SharpFullScreenShowsTheGamePixelThePointerMapsTo) {
    const Surface game = GamePicture();
    const PictureFit fit = PictureFit::Screen(1920, 1080);
    Surface window = Window(1920, 1080);
    Enlarger enlarge;
    enlarge.Prepare(1024, 600, fit.Picture, false);
    ASSERT_TRUE(enlarge.Run(game.get(), window.get()));
    int wrong = 0, untouched = 0;
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x) {
            int gx = 0, gy = 0;
            if (fit.ToGame(x, y, gx, gy))
                wrong += At(window.get(), x, y) != At(game.get(), gx, gy);
            else
                untouched += At(window.get(), x, y) == 0xFF00FF;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(untouched, (1920 - 1843) * 1080) << "the border is no part of the picture";
}

// Smooth, 1.8 times: each channel of each window pixel lies between the
// least and the most of the 2 x 2 game pixels around it; flat areas stay
// exactly their colour; edges get colours in between.
TEST(Enlarger, SmoothBlendsEachPixelBetweenItsGameNeighbours) {
    const Surface game = GamePicture();
    const PictureFit fit = PictureFit::Screen(1920, 1080);
    Surface window = Window(1920, 1080);
    Enlarger enlarge;
    enlarge.Prepare(1024, 600, fit.Picture, true);
    EXPECT_TRUE(enlarge.Smooth());
    ASSERT_TRUE(enlarge.Run(game.get(), window.get()));
    int outside = 0, between = 0, flatWrong = 0, missing = 0;
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1843; ++x) {
            const Uint32 shown = At(window.get(), 38 + x, y);
            missing += shown == 0xFF00FF;
            // The game pixels whose centres surround this one's centre.
            const double cx = (x + 0.5) * 1024 / 1843 - 0.5, cy = (y + 0.5) * 600 / 1080.0 - 0.5;
            const int x0 = std::clamp(int(cx), 0, 1023), y0 = std::clamp(int(cy), 0, 599);
            const Uint32 around[] = {At(game.get(), x0, y0), At(game.get(), std::min(x0 + 1, 1023), y0),
                                     At(game.get(), x0, std::min(y0 + 1, 599)),
                                     At(game.get(), std::min(x0 + 1, 1023), std::min(y0 + 1, 599))};
            bool inBetween = false;
            for (int c = 0; c < 3; ++c) {
                const auto [lo, hi] = std::minmax({Channel(around[0], c), Channel(around[1], c),
                                                   Channel(around[2], c), Channel(around[3], c)});
                outside += Channel(shown, c) < lo || Channel(shown, c) > hi;
                inBetween = inBetween || (Channel(shown, c) > lo && Channel(shown, c) < hi);
            }
            between += inBetween;
            if (std::all_of(std::begin(around), std::end(around), [](Uint32 p) { return p == 0x204080; }))
                flatWrong += shown != 0x204080;
        }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(flatWrong, 0);
    EXPECT_GT(between, 1843 * 1080 / 2) << "hardly blended: sharp after all?";
}
