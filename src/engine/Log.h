#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// One-line messages to stderr for the problems a player can meet (missing
// sound, missing font, no audio device). Each distinct message is printed
// once per run so a missing file does not flood the terminal every frame.
// Whatever came from outside the program (a file name, a value read from a
// file, a field of a replay) goes into a message, or onto the screen,
// through Quoted, so that it can never work the terminal.
class Log {
public:
    static void Warn(const std::string& message);
    static void WarnOnce(const std::string& message);
    static void Error(const std::string& message);
    // How many warnings were printed (tests check that one was).
    static int WarningCount();

    // Texts longer than this are cut, with "..." after the cut.
    static constexpr size_t QuotedLength = 200;
    // `text` in single quotes: a backslash, a quote, control bytes (C0, DEL,
    // and C1 written as UTF-8) and bytes that are no UTF-8 are escaped
    // (\\, \', \n, \t, \r, \xNN); other characters are kept.
    static std::string Quoted(std::string_view text);
    // The same without the quotes, for a text that stands in a column.
    static std::string Escaped(std::string_view text);
};
