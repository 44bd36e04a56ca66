#pragma once
#include <string>
#include <string_view>
#include <vector>

// Small text helpers for the files a player may edit by hand (the score
// table, the settings): lines with any line ending (LF, CRLF, or CR alone
// from an old editor) and whitespace-separated words. The views returned
// point into the caller's text.
class PlainText {
public:
    // The lines of `text`, without their line ends.
    static std::vector<std::string_view> Lines(std::string_view text);
    // `text` without the blanks (spaces, tabs, carriage returns) around it.
    static std::string_view Trim(std::string_view text);
    // The blank-separated words of one line.
    static std::vector<std::string_view> Words(std::string_view line);
    // True for lines that are empty or blank.
    static bool IsBlank(std::string_view line);
};
