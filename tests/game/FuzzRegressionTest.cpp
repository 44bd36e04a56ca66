#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "support/EventSession.h"

// Every input the event fuzzer starts from (fuzz/seeds) and every input that
// once broke the game (fuzz/regressions), replayed through the fuzzer's own
// decoder and session in the normal test build.
namespace {
namespace fs = std::filesystem;

class FuzzRegression : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EventSession::Start()); }
    void TearDown() override { EventSession::Shutdown(); }
    void Play(const std::string& bytes) {
        EventSession::Play(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
};
}  // namespace

TEST_F(FuzzRegression, EverySavedInputPlaysThrough) {
    const fs::path fuzz = fs::path(KORVANTA_SOURCE_DIR) / "fuzz";
    std::set<fs::path> inputs;
    for (const char* folder : {"seeds", "regressions"})
        if (fs::is_directory(fuzz / folder))
            for (const auto& entry : fs::directory_iterator(fuzz / folder))
                inputs.insert(entry.path());
    ASSERT_FALSE(inputs.empty()) << "no inputs under " << fuzz;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        std::ifstream in(input, std::ios::binary);
        Play({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        EXPECT_EQ(Engine::Instance().Screens.size(), 1u);
    }
}
