#pragma once
#include <string>
#include <string_view>

// How a text file a player may edit by hand is laid out as bytes: its
// byte-order mark (UTF-8, or UTF-16 from a Windows editor) and its line
// ends (LF, CRLF, or CR alone from an old Mac editor). Read gives the text
// as UTF-8 and remembers the layout, so that Write gives the file back as
// the player's editor wrote it: with its line ends, and a file that had a
// mark with the UTF-8 one (every editor that writes UTF-16 reads it).
class TextLayout {
public:
    enum class Mark { None, Utf8, Utf16Little, Utf16Big };

    // `bytes` as UTF-8 text without its mark, and their layout in `layout`;
    // false, with `problem` set, for bytes that are no text the game can
    // read (NUL bytes, UTF-16 cut in the middle of a character).
    static bool Read(std::string_view bytes, TextLayout& layout, std::string& text, std::string& problem);

    // `text`, whatever its line ends, with this layout's line ends (every
    // line ends with one) after the UTF-8 mark if the file had a mark.
    std::string Write(std::string_view text) const;

    Mark ByteOrderMark = Mark::None;
    std::string LineEnd = "\n";
};
