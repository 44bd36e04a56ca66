#include "engine/Log.h"

#include <cstdio>
#include <set>

#include "engine/Catalogue.h"

namespace {
int warnings = 0;
std::set<std::string>& Seen() {
    static std::set<std::string> seen;
    return seen;
}

void Hex(std::string& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789abcdef";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

// The length of the UTF-8 sequence at the start of `text` when it is one
// well-formed printable character, else 0.
size_t PrintableSequence(std::string_view text) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || text.size() < length)
        return 0;
    char32_t point = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool wellFormed = point >= least[length] && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
    return wellFormed && point > 0x9F ? length : 0;
}
}  // namespace

void Log::Warn(const std::string& message) {
    ++warnings;
    std::fprintf(stderr, "korvanta: %s\n", Catalogue::Fill(Tr("warning: {1}"), {message}).c_str());
}

void Log::WarnOnce(const std::string& message) {
    if (Seen().insert(message).second)
        Warn(message);
}

void Log::Error(const std::string& message) {
    std::fprintf(stderr, "korvanta: %s\n", Catalogue::Fill(Tr("error: {1}"), {message}).c_str());
}

int Log::WarningCount() { return warnings; }

std::string Log::Escaped(std::string_view text) {
    const bool cut = text.size() > QuotedLength;
    text = text.substr(0, QuotedLength);
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        const size_t sequence = byte >= 0x80 ? PrintableSequence(text.substr(i)) : 0;
        if (sequence > 0) {
            out.append(text.substr(i, sequence));
            i += sequence;
            continue;
        }
        ++i;
        if (c == '\\' || c == '\'')
            out.append(1, '\\').append(1, c);
        else if (c == '\n' || c == '\t' || c == '\r')
            out.append(1, '\\').append(1, c == '\n' ? 'n' : c == '\t' ? 't' : 'r');
        else if (byte < 0x20 || byte >= 0x7F)
            Hex(out, byte);
        else
            out += c;
    }
    return cut ? out + "..." : out;
}

std::string Log::Quoted(std::string_view text) { return "'" + Escaped(text) + "'"; }
