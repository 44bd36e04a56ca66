#include <filesystem>
#include <string>

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
