#include <malloc.h>

#include <cstddef>
#include <functional>

#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "support/Playthrough.h"

#if defined(__SANITIZE_ADDRESS__)
#define KORVANTA_HAS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVANTA_HAS_ASAN 1
#endif
#endif
#ifdef KORVANTA_HAS_ASAN
#if __has_include(<sanitizer/allocator_interface.h>)
#include <sanitizer/allocator_interface.h>
#else
// GCC's runtime has the call but ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif
#endif

// A player who keeps playing for an evening: the heap and the image cache
// must not grow with the number of levels played. Anything left behind per
// level (screens, entities, events, fonts, music, text surfaces) shows up
// here, and LeakSanitizer reports what is lost outright when the test ends.
namespace {
size_t HeapInUse() {
#ifdef KORVANTA_HAS_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// 100 cycles may hold on to a little more (a grown vector, a cached glyph)
// but nothing per cycle: one lost level alone is more than this.
constexpr long Tolerance = 16 * 1024;

class LongSession : public Playthrough {
protected:
    struct Sample {
        size_t Heap;
        size_t Images;
    };
    Sample Measure() const { return {HeapInUse(), Engine::Instance().Cache.Size()}; }

    // Runs `cycle` 100 times; compares the heap after 10 and after 100.
    void Soak(const std::function<void()>& cycle) {
        Sample warm{0, 0};
        for (int i = 1; i <= 100; ++i) {
            cycle();
            if (HasFatalFailure())
                return;
            ASSERT_EQ(Engine::Instance().Screens.size(), 1u) << "cycle " << i;
            if (i == 10)
                warm = Measure();
        }
        const Sample end = Measure();
        EXPECT_EQ(end.Images, warm.Images) << "the image cache grows";
        EXPECT_LT(static_cast<long>(end.Heap) - static_cast<long>(warm.Heap), Tolerance)
            << "heap after 10 cycles: " << warm.Heap << ", after 100: " << end.Heap;
    }
};
}  // namespace

TEST_F(LongSession, AHundredReplays) {
    Run(2);
    Click(341, 446);
    Run(5);
    Soak([this] {
        ASSERT_NE(Level(), nullptr);
        Run(10);
        Tap(SDLK_q);
        Run(3);
        ASSERT_TRUE(Hud()->GameOverView);
        Click(341, 446);  // Replay
        Run(3);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
        ASSERT_EQ(Hud()->PlayerHealth, 100);
    });
}

TEST_F(LongSession, AHundredRoundTripsFromTheMenu) {
    Run(2);
    Soak([this] {
        ASSERT_NE(Menu(), nullptr);
        Click(341, 446);  // Play
        Run(20);          // past the quarter second that spaces ESC toggles
        ASSERT_NE(Level(), nullptr);
        Tap(SDLK_ESCAPE);
        Run(2);
        ASSERT_TRUE(GamePaused);
        Click(683, 450);  // Exit
        Run(3);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"});
    });
}
