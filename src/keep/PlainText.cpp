#include "keep/PlainText.h"

namespace {
constexpr std::string_view Blanks = " \t\r\v\f";
}  // namespace

std::vector<std::string_view> PlainText::Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::string_view PlainText::Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string_view> PlainText::Words(std::string_view line) {
    std::vector<std::string_view> words;
    for (size_t start = line.find_first_not_of(Blanks); start != std::string_view::npos;) {
        const size_t end = line.find_first_of(Blanks, start);
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(Blanks, end);
    }
    return words;
}

bool PlainText::IsBlank(std::string_view line) { return Trim(line).empty(); }
