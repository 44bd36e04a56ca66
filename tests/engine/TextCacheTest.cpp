#include "engine/TextCache.h"

#include "engine/Text.h"
#include "support/GameTest.h"

// Kept lines must never show stale text: a changed counter is drawn as a
// fresh render draws it, and the cache stays small however many values pass.
TEST_F(GameTest, CachedLinesMatchAFreshRenderAndStayFew) {
    TTF_Font* font = Text::OpenFont("pirulen.ttf", 28);
    ASSERT_NE(font, nullptr);
    SDL_Surface* window = TheEngine().Surface;
    const SDL_Color white{255, 255, 255, 0};
    const auto row = [&] {
        std::vector<uint32_t> pixels;
        for (int y = 20; y < 50; ++y)
            for (int x = 500; x < 700; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    };
    const auto fresh = [&](const std::string& text) {
        SDL_FillRect(window, nullptr, 0);
        SDL_Surface* line = Text::Render(font, text, white);
        SDL_Rect at{500, 20, 0, 0};
        SDL_BlitSurface(line, nullptr, window, &at);
        SDL_FreeSurface(line);
        return row();
    };
    TextCache cache;
    for (int money = 0; money < 200; money += 5) {
        const std::string text = std::to_string(money) + " $";
        SDL_FillRect(window, nullptr, 0);
        EXPECT_GT(cache.Draw(window, font, text, white, 500, 20), 0);
        EXPECT_EQ(row(), fresh(text)) << text;
    }
    EXPECT_LE(cache.Size(), 32u);
    EXPECT_EQ(cache.Draw(window, nullptr, "no font", white, 0, 0), 0);
    EXPECT_EQ(cache.Draw(window, font, "", white, 0, 0), 0);
    cache.Clear();
    Text::CloseFont(font);
}
