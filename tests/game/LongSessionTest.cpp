#include <malloc.h>

#include <cstddef>

#include "support/StageHelpers.h"

// The sanitizers' runtime counts the heap itself; without it, malloc does.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

// A player who keeps playing for an evening: the heap and the image cache
// must not grow with the number of levels played. Anything left behind per
// level (screens, entities, events, fonts, music, text surfaces) shows up
// here, and LeakSanitizer reports what is lost outright when the test ends.
namespace {
size_t HeapInUse() {
    return __sanitizer_get_current_allocated_bytes ? __sanitizer_get_current_allocated_bytes() : mallinfo2().uordblks;
}

// 100 cycles may hold on to a little more (a grown vector, a cached glyph)
// but nothing per cycle: one lost level alone is more than this.
constexpr long Tolerance = 16 * 1024;

// The player's cycle, ending where it started: Play, game over and Replay
// from the level, then pause and Exit to the menu.
using LongSession = Playthrough;
}  // namespace

TEST_F(LongSession, AHundredCyclesLeaveHeapAndImageCacheFlat) {
    Run(2);
    size_t heap = 0, images = 0;
    for (int i = 1; i <= 100; ++i) {
        SCOPED_TRACE(i);
        StartLevel(5);
        Run(10);
        Tap(SDLK_q);
        Run(3);
        ASSERT_TRUE(Hud()->GameOverView);
        Click(Layout::ReplayButton);
        Run(3);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
        ASSERT_EQ(Hud()->PlayerHealth, 100);
        Run(20);  // past the quarter second that spaces ESC toggles
        Tap(SDLK_ESCAPE);
        Run(2);
        ASSERT_TRUE(GamePaused);
        Click(Layout::OverlayExitButton);
        Run(3);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"});
        if (i == 10) {
            heap = HeapInUse();
            images = TheEngine().Cache.Size();
        }
    }
    EXPECT_EQ(TheEngine().Cache.Size(), images) << "the image cache grows";
    EXPECT_LT(static_cast<long>(HeapInUse()) - static_cast<long>(heap), Tolerance)
        << "heap after 10 cycles: " << heap << ", after 100: " << HeapInUse();
}
