#include "keep/TextLayout.h"

#include "engine/Catalogue.h"
#include "keep/PlainText.h"

namespace {
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view LittleMark = "\xFF\xFE";
constexpr std::string_view BigMark = "\xFE\xFF";

void PutUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
        return;
    }
    const int tail = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    static constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[tail] | (point >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((point >> (6 * i)) & 0x3F));
}

// UTF-16 code units to UTF-8; false at a surrogate that has no pair.
bool FromUtf16(std::string_view bytes, bool little, std::string& text) {
    const auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b);
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        char32_t point = unit(i);
        if (point >= 0xDC00 && point <= 0xDFFF)
            return false;
        if (point >= 0xD800 && point <= 0xDBFF) {
            if (i + 2 >= bytes.size() || unit(i + 2) < 0xDC00 || unit(i + 2) > 0xDFFF)
                return false;
            point = 0x10000 + ((point - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        }
        PutUtf8(text, point);
    }
    return true;
}

std::string FirstLineEnd(std::string_view text) {
    const size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n')
        return "\n";
    return text.substr(end, 2) == "\r\n" ? "\r\n" : "\r";
}
}  // namespace

bool TextLayout::Read(std::string_view bytes, TextLayout& layout, std::string& text, std::string& problem) {
    layout = TextLayout();
    text.clear();
    if (bytes.starts_with(LittleMark) || bytes.starts_with(BigMark)) {
        layout.ByteOrderMark = bytes.starts_with(LittleMark) ? Mark::Utf16Little : Mark::Utf16Big;
        bytes.remove_prefix(2);
        if (bytes.size() % 2 != 0 || !FromUtf16(bytes, layout.ByteOrderMark == Mark::Utf16Little, text)) {
            problem = Tr("it is UTF-16 cut in the middle of a character");
            return false;
        }
    } else {
        if (bytes.starts_with(Utf8Mark)) {
            layout.ByteOrderMark = Mark::Utf8;
            bytes.remove_prefix(Utf8Mark.size());
        }
        text = bytes;
    }
    if (text.find('\0') != std::string::npos) {
        problem = Tr("it holds NUL bytes, so it is no text file the game can read");
        return false;
    }
    layout.LineEnd = FirstLineEnd(text);
    return true;
}

std::string TextLayout::Write(std::string_view text) const {
    std::string lines;
    for (const std::string_view line : PlainText::Lines(text))
        lines.append(line).append(LineEnd);
    return ByteOrderMark == Mark::None ? lines : std::string(Utf8Mark) + lines;
}
