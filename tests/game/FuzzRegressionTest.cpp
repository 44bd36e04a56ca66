#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/EventBytes.h"
#include "support/EventSession.h"

// Every input the event fuzzer starts from (fuzz/seeds) and every input that
// once broke the game (fuzz/regressions), replayed through the fuzzer's own
// decoder and session in the normal test build.
namespace {
namespace fs = std::filesystem;

fs::path FuzzFolder() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "fuzz"; }

std::vector<fs::path> Inputs() {
    std::vector<fs::path> files;
    for (const char* folder : {"seeds", "regressions"}) {
        const fs::path dir = FuzzFolder() / folder;
        if (fs::is_directory(dir))
            for (const auto& entry : fs::directory_iterator(dir))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzRegression : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EventSession::Start()); }
    void TearDown() override { EventSession::Shutdown(); }
};
}  // namespace

TEST_F(FuzzRegression, EverySavedInputPlaysThrough) {
    const std::vector<fs::path> inputs = Inputs();
    ASSERT_FALSE(inputs.empty()) << "no inputs under " << FuzzFolder();
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        std::ifstream in(input, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EventSession::FreshMenu();
        EventSession::Run(EventBytes::Decode(bytes.data(), bytes.size()));
        EXPECT_EQ(Engine::Instance().Screens.size(), 1u);
    }
}

// The decoder reaches the level from the menu with a handful of bytes, so the
// fuzzer gets past the title screen.
TEST_F(FuzzRegression, AFewBytesReachTheLevel) {
    const uint8_t bytes[] = {5, 0, 6, 1, 10, 1, 0, 7, 1, 10, 3, 0};
    EventSession::FreshMenu();
    EventSession::Run(EventBytes::Decode(bytes, sizeof bytes));
    EXPECT_TRUE(Engine::Instance().HasScreen("Stage1"));
}
