#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/ImageCache.h"
#include "support/GameTest.h"

namespace {
// Writes a w x h picture whose pixel (x, y) has red = x and green = y, so a
// blit can be traced back to the source rectangle it came from.
void WriteGradient(const std::string& path, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = SDL_MapRGB(s->format, x, y, 7);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

class ImageCacheTest : public GameTest {
protected:
    std::filesystem::path Dir;
    void SetUp() override {
        GameTest::SetUp();
        Dir = std::filesystem::temp_directory_path() / ("korvanta-images-" + std::to_string(getpid()));
        std::filesystem::create_directories(Dir);
        WriteGradient((Dir / "strip.bmp").string(), 40, 10);
        WriteGradient((Dir / "Strip.bmp").string(), 8, 8);
    }
    void TearDown() override {
        std::filesystem::remove_all(Dir);
        GameTest::TearDown();
    }
    std::string P(const char* name) { return (Dir / name).string(); }
    void ClearWindow() { SDL_FillRect(TheEngine().Surface, nullptr, 0); }
};
}  // namespace

TEST_F(ImageCacheTest, EachPathIsDecodedOnceAndKeysAreCaseSensitive) {
    ImageCache& cache = TheEngine().Cache;
    Image* first = cache.Get(P("strip.bmp"));
    std::filesystem::remove(Dir / "strip.bmp");  // a second decode would now fail
    EXPECT_EQ(cache.Get(P("strip.bmp")), first);
    Image* other = cache.Get(P("Strip.bmp"));
    EXPECT_NE(other, first);
    EXPECT_EQ(other->Width(), 8);
    EXPECT_EQ(cache.Size(), 2u);
}

TEST_F(ImageCacheTest, MissingOrCorruptPictureThrowsWithItsPath) {
    std::FILE* f = std::fopen(P("corrupt.png").c_str(), "wb");
    std::fputs("\x89PNG not really", f);
    std::fclose(f);
    for (const std::string& path : {P("nothere.png"), P("corrupt.png")}) {
        try {
            TheEngine().Cache.Get(path);
            FAIL() << "no error for " << path;
        } catch (const ImageLoadError& e) {
            EXPECT_STREQ(e.what(), "Null pointer in Image constructor");
            EXPECT_EQ(e.Path, path);
        }
    }
    EXPECT_EQ(TheEngine().Cache.Size(), 0u);
}

TEST_F(ImageCacheTest, FramesCutTheStripAndOutOfRangeFramesDrawNothing) {
    Image* img = TheEngine().Cache.Get(P("strip.bmp"));
    img->SetFrames(0, 0, 10, 10, 4);
    ASSERT_EQ(img->Frames.size(), 4u);
    EXPECT_EQ(img->Frames[3].x, 30);

    ClearWindow();
    img->Draw(TheEngine().Surface, 2, 100, 100);
    EXPECT_EQ(PixelAt(100, 100) >> 16, 20u);  // red = source x of frame 2
    EXPECT_EQ(PixelAt(110, 100), 0u);         // one frame wide only

    ClearWindow();
    img->Draw(TheEngine().Surface, 4, 100, 100);
    img->Draw(TheEngine().Surface, -1, 100, 100);
    EXPECT_EQ(PixelAt(100, 100), 0u);

    img->SetFrames(0, 0, 10, 10, 0);
    EXPECT_TRUE(img->Frames.empty());
}

TEST_F(ImageCacheTest, SingleFrameIgnoresTheFrameNumberAndCoordinatesTruncate) {
    Image* img = TheEngine().Cache.Get(P("strip.bmp"));
    img->SetFrames(10, 0, 10, 10, 1);
    ClearWindow();
    img->Draw(TheEngine().Surface, 7, 99.9f, -0.5f);
    EXPECT_EQ(PixelAt(99, 0) >> 16, 10u);
    EXPECT_EQ(PixelAt(98, 0), 0u);

    img->SetFrames(0, 0, 0, 0, 0);
    ClearWindow();
    img->Draw(TheEngine().Surface, 3, 0, 0);  // no frames: the whole picture
    EXPECT_EQ(PixelAt(39, 9) >> 16, 39u);
}
