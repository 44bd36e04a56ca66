#include <SDL/SDL_image.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/ImageCache.h"
#include "support/GameTest.h"
#include "support/TempFolder.h"

namespace {
class ImageCacheTest : public GameTest {
protected:
    TempFolder Dir;
    void SetUp() override {
        GameTest::SetUp();
        // A 40 x 10 strip whose pixel (x, y) has red = x, so a blit can be
        // traced back to the source column it came from.
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 10, 32, 0xff0000, 0xff00, 0xff, 0);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 40; ++x)
                static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = SDL_MapRGB(s->format, x, y, 7);
        SDL_SaveBMP(s, (Dir / "strip.bmp").c_str());
        SDL_FreeSurface(s);
    }
    std::string P(const char* name) { return Dir / name; }
    // Clears the window, draws `frame` of `img` at (x, y) and reads the red of (px, py).
    int RedAfterDraw(Image* img, int frame, float x, float y, int px, int py) {
        SDL_FillRect(TheEngine().Surface, nullptr, 0);
        img->Draw(TheEngine().Surface, frame, x, y);
        return PixelAt(px, py) == 0 ? -1 : static_cast<int>(PixelAt(px, py) >> 16);
    }
};
}  // namespace

TEST_F(ImageCacheTest, EachPathIsDecodedOnceAndKeysAreCaseSensitive) {
    Image* first = TheEngine().Cache.Get(P("strip.bmp"));
    std::filesystem::remove(P("strip.bmp"));  // a second decode would now fail
    EXPECT_EQ(TheEngine().Cache.Get(P("strip.bmp")), first);
    EXPECT_THROW(TheEngine().Cache.Get(P("Strip.bmp")), ImageLoadError);
}

TEST_F(ImageCacheTest, FramesCutTheStripOutOfRangeDrawsNothingAndCoordinatesTruncate) {
    Image* img = TheEngine().Cache.Get(P("strip.bmp"));
    img->SetFrames(0, 0, 10, 10, 4);
    EXPECT_EQ(RedAfterDraw(img, 2, 100, 100, 100, 100), 20);  // red = source x of frame 2
    EXPECT_EQ(RedAfterDraw(img, 2, 100, 100, 110, 100), -1);  // one frame wide only
    EXPECT_EQ(RedAfterDraw(img, 4, 100, 100, 100, 100), -1);
    EXPECT_EQ(RedAfterDraw(img, -1, 100, 100, 100, 100), -1);
    // Frames that are not square step along the strip by their width.
    img->SetFrames(0, 0, 8, 10, 5);
    EXPECT_EQ(RedAfterDraw(img, 3, 100, 100, 100, 100), 24);
    img->SetFrames(0, 2, 20, 5, 2);
    EXPECT_EQ(RedAfterDraw(img, 1, 100, 100, 100, 100), 20);
    EXPECT_EQ((PixelAt(100, 100) >> 8) & 0xff, 2u);  // green = source row
    img->SetFrames(10, 0, 10, 10, 1);  // a single frame ignores the frame number
    EXPECT_EQ(RedAfterDraw(img, 7, 99.9f, -0.5f, 99, 0), 10);
    EXPECT_EQ(RedAfterDraw(img, 7, 99.9f, -0.5f, 98, 0), -1);
    img->SetFrames(0, 0, 0, 0, 0);  // no frames: the whole picture
    EXPECT_EQ(RedAfterDraw(img, 3, 0, 0, 39, 9), 39);
}

// Pictures are kept run-length encoded for speed; every asset, whole and
// frame by frame, must still paint exactly the pixels of a plain alpha blit
// of the same file, over any background and partly off the window.
TEST_F(ImageCacheTest, FastBlitsPaintExactlyWhatAPlainAlphaBlitPaints) {
    SDL_Surface* window = TheEngine().Surface;
    SDL_Surface* noise = SDL_DisplayFormat(window);
    const auto pixel = [](SDL_Surface* s, int x, int y) -> Uint32& {
        return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x];
    };
    std::srand(7);
    for (int y = 0; y < noise->h; ++y)
        for (int x = 0; x < noise->w; ++x)
            pixel(noise, x, y) = std::rand();
    // The colours of the window after `frame` of `picture` is blitted at (x, y) over the noise.
    const auto paint = [&](SDL_Surface* picture, SDL_Rect frame, Sint16 x, Sint16 y) {
        SDL_Surface* out = SDL_DisplayFormat(window);
        SDL_BlitSurface(noise, nullptr, out, nullptr);
        SDL_Rect at{x, y, 0, 0};
        SDL_BlitSurface(picture, &frame, out, &at);
        std::vector<Uint32> colours;
        for (int row = 0; row < out->h; ++row)
            for (int col = 0; col < out->w; ++col)
                colours.push_back(pixel(out, col, row) & 0xFFFFFF);
        SDL_FreeSurface(out);
        return colours;
    };
    for (const auto& file : std::filesystem::directory_iterator("Image")) {
        Image* fast = TheEngine().Cache.Get("Image/" + file.path().filename().string());
        SDL_Surface* loaded = IMG_Load(file.path().c_str());
        SDL_Surface* plain = SDL_DisplayFormatAlpha(loaded);
        SDL_FreeSurface(loaded);
        const Uint16 w = static_cast<Uint16>(std::min(fast->Width(), 40));
        const SDL_Rect frames[] = {
            {0, 0, static_cast<Uint16>(fast->Width()), static_cast<Uint16>(fast->Height())},
            {static_cast<Sint16>(fast->Width() - w), 0, w, static_cast<Uint16>(fast->Height())}};
        for (SDL_Rect frame : frames)
            for (const auto& [x, y] : {std::pair<Sint16, Sint16>{3, 5}, {-17, -9}, {1000, 590}})
                EXPECT_TRUE(paint(plain, frame, x, y) == paint(fast->Surface, frame, x, y))
                    << file.path() << " at " << x << ", " << y;
        SDL_FreeSurface(plain);
    }
    SDL_FreeSurface(noise);
}
