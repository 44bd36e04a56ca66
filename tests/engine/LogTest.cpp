#include <gtest/gtest.h>

#include "engine/Log.h"

// Whatever comes from outside (a file name, a value, a replay's field) is
// shown so that it cannot work the terminal: control bytes escaped, bytes
// that are no UTF-8 as their numbers, printable UTF-8 kept, a long text cut.
TEST(Log, QuotedEscapesAllThatCouldWorkTheTerminal) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain name.krp", "'plain name.krp'"},
        {"a\x1b[2J\nb\tc\rd", R"('a\x1b[2J\nb\tc\rd')"},
        {"it's a\\b", R"('it\'s a\\b')"},
        {std::string("nul\0del\x7f", 8), R"('nul\x00del\x7f')"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x80", "'caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x80'"},
        {"\xc2\x9b" "31m", R"('\xc2\x9b31m')"},  // the C1 control that starts a terminal sequence
        {"\xff\xc3", R"('\xff\xc3')"},
        {"\xe0\x80\xaf \xed\xa0\x80 \xf4\x90\x80\x80", R"('\xe0\x80\xaf \xed\xa0\x80 \xf4\x90\x80\x80')"},
        {std::string(Log::QuotedLength + 1, 'a'), "'" + std::string(Log::QuotedLength, 'a') + "...'"},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(Log::Quoted(text), quoted) << quoted;
    EXPECT_EQ(Log::Escaped("run-1.krp"), "run-1.krp");
}
