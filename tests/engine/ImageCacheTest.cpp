#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/ImageCache.h"
#include "support/GameTest.h"

namespace {
class ImageCacheTest : public GameTest {
protected:
    std::filesystem::path Dir = std::filesystem::temp_directory_path() / ("korvanta-images-" + std::to_string(getpid()));
    void SetUp() override {
        GameTest::SetUp();
        std::filesystem::create_directories(Dir);
        // A 40 x 10 strip whose pixel (x, y) has red = x, so a blit can be
        // traced back to the source column it came from.
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 10, 32, 0xff0000, 0xff00, 0xff, 0);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 40; ++x)
                static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = SDL_MapRGB(s->format, x, y, 7);
        SDL_SaveBMP(s, (Dir / "strip.bmp").c_str());
        SDL_FreeSurface(s);
    }
    void TearDown() override {
        std::filesystem::remove_all(Dir);
        GameTest::TearDown();
    }
    std::string P(const char* name) { return (Dir / name).string(); }
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
    std::filesystem::remove(Dir / "strip.bmp");  // a second decode would now fail
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
    img->SetFrames(10, 0, 10, 10, 1);  // a single frame ignores the frame number
    EXPECT_EQ(RedAfterDraw(img, 7, 99.9f, -0.5f, 99, 0), 10);
    EXPECT_EQ(RedAfterDraw(img, 7, 99.9f, -0.5f, 98, 0), -1);
    img->SetFrames(0, 0, 0, 0, 0);  // no frames: the whole picture
    EXPECT_EQ(RedAfterDraw(img, 3, 0, 0, 39, 9), 39);
}
