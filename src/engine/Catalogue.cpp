#include "engine/Catalogue.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "engine/Log.h"

namespace {
constexpr Catalogue::Language Spoken[] = {
    {"en", "English"}, {"fr", "Français"}, {"de", "Deutsch"}, {"es", "Español"}, {"ru", "Русский"},
};

// Far beyond the game's own catalogues; a bigger file is not read.
constexpr std::streamsize MaxCatalogueBytes = 4 * 1024 * 1024;

struct State {
    std::string Language = "en";
    // Every catalogue read this run, by language; never freed before the
    // end, so that texts handed out stay valid.
    std::map<std::string, std::unique_ptr<Catalogue::Entries>> Read;
    const Catalogue::Entries* Now = nullptr;
    bool Pseudo = false;
    Catalogue::Entries PseudoTexts;
};

State& Current() {
    static State state;
    return state;
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    bytes.resize(static_cast<size_t>(MaxCatalogueBytes) + 1);
    in.read(bytes.data(), MaxCatalogueBytes + 1);
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// Reads the .mo file's 32-bit words in the byte order its magic number shows.
class Words {
public:
    explicit Words(std::string_view bytes) : Bytes(bytes) {}
    bool Swapped = false;
    std::optional<uint32_t> At(size_t offset) const {
        if (offset > Bytes.size() || Bytes.size() - offset < 4)
            return std::nullopt;
        const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data() + offset);
        return Swapped ? uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]
                       : uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
    // String number `index` of the table at `table`: its bytes up to its
    // first NUL (a plural's first form); none when it lies outside the file.
    std::optional<std::string_view> String(uint32_t table, uint32_t index) const {
        const std::optional<uint32_t> length = At(size_t(table) + size_t(index) * 8);
        const std::optional<uint32_t> offset = At(size_t(table) + size_t(index) * 8 + 4);
        if (!length || !offset || *offset > Bytes.size() || Bytes.size() - *offset <= *length ||
            Bytes[*offset + *length] != '\0')
            return std::nullopt;
        const std::string_view whole = Bytes.substr(*offset, *length);
        return whole.substr(0, whole.find('\0'));
    }

private:
    std::string_view Bytes;
};
}  // namespace

std::span<const Catalogue::Language> Catalogue::Languages() { return Spoken; }

std::optional<std::string> Catalogue::Known(std::string_view name) {
    const std::string_view code = name.substr(0, name.find_first_of("_.@-"));
    std::string lower;
    for (char c : code)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Language& language : Spoken)
        if (lower == language.Code)
            return lower;
    return std::nullopt;
}

std::string Catalogue::FromEnvironment() {
    const char* list = std::getenv("LANGUAGE");
    for (std::string_view rest = list != nullptr ? list : ""; !rest.empty();) {
        const size_t colon = rest.find(':');
        if (const std::optional<std::string> known = Known(rest.substr(0, colon)))
            return *known;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return Known(value).value_or("en");
    }
    return "en";
}

std::string Catalogue::ForSetting(std::string_view setting) {
    return setting == "system" ? FromEnvironment() : Known(setting).value_or("en");
}

bool Catalogue::Use(const std::string& language, const std::vector<std::string>& folders) {
    State& state = ::Current();
    if (language == "en" || !Known(language)) {
        state.Language = "en";
        state.Now = nullptr;
        return true;
    }
    auto kept = state.Read.find(language);
    if (kept == state.Read.end()) {
        std::optional<Entries> entries;
        std::string tried;
        for (const std::string& folder : folders) {
            const std::string path = folder + "/" + language + "/LC_MESSAGES/korvanta.mo";
            const std::optional<std::string> bytes = ReadFile(path);
            if (!bytes)
                continue;
            tried = path;
            entries = Parse(*bytes);
            break;
        }
        if (!entries) {
            Log::WarnOnce(tried.empty() ? "no translation for " + language + " found; playing in English"
                                        : "cannot read the translation " + Log::Quoted(tried) +
                                              ": damaged; playing in English");
            state.Language = "en";
            state.Now = nullptr;
            return false;
        }
        kept = state.Read.emplace(language, std::make_unique<Entries>(std::move(*entries))).first;
    }
    state.Language = language;
    state.Now = kept->second.get();
    return true;
}

const std::string& Catalogue::Current() { return ::Current().Language; }

const char* Catalogue::Text(const char* english) {
    State& state = ::Current();
    if (state.Pseudo) {
        auto found = state.PseudoTexts.find(english);
        if (found == state.PseudoTexts.end())
            found = state.PseudoTexts.emplace(english, Pseudo(english)).first;
        return found->second.c_str();
    }
    if (state.Now == nullptr || english == nullptr || *english == '\0')
        return english;
    const auto found = state.Now->find(english);
    return found == state.Now->end() ? english : found->second.c_str();
}

const char* Catalogue::Text(const char* context, const char* english) {
    const State& state = ::Current();
    if (state.Pseudo || state.Now == nullptr)
        return Text(english);
    // A compiled catalogue keys such a text as its context, byte 4, the text.
    const auto found = state.Now->find(std::string(context) + '\x04' + english);
    return found == state.Now->end() ? english : found->second.c_str();
}

std::string Catalogue::Decimal(std::string_view number) {
    const size_t point = number.find('.');
    if (point == std::string_view::npos)
        return std::string(number);
    // TRANSLATORS: a decimal number, {1} its whole part and {2} its fraction.
    return Fill(Tr("{1}.{2}"), {number.substr(0, point), number.substr(point + 1)});
}

std::string Catalogue::Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t number = i + 2 < pattern.size() && pattern[i] == '{' && pattern[i + 2] == '}'
                                  ? static_cast<size_t>(pattern[i + 1] - '1')
                                  : values.size();
        if (number < values.size()) {
            text += *(values.begin() + number);
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Catalogue::Upper(std::string_view text) {
    std::string upper;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c >= 'a' && c <= 'z') {
            upper += static_cast<char>(c - 32);
        } else if (c == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {  // à..þ but ÷
            upper += {static_cast<char>(c), static_cast<char>(next - 0x20)};
            ++i;
        } else if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) {  // а..п
            upper += {static_cast<char>(0xD0), static_cast<char>(next - 0x20)};
            ++i;
        } else if (c == 0xD1 && next >= 0x80 && next <= 0x8F) {  // р..я
            upper += {static_cast<char>(0xD0), static_cast<char>(next + 0x20)};
            ++i;
        } else if (c == 0xD1 && next >= 0x90 && next <= 0x9F) {  // ѐ..џ
            upper += {static_cast<char>(0xD0), static_cast<char>(next - 0x10)};
            ++i;
        } else {
            upper += static_cast<char>(c);
        }
    }
    return upper;
}

std::optional<Catalogue::Entries> Catalogue::Parse(std::string_view bytes) {
    Words words(bytes);
    const std::optional<uint32_t> magic = words.At(0);
    if (!magic || (*magic != 0x950412de && *magic != 0xde120495))
        return std::nullopt;
    words.Swapped = *magic == 0xde120495;
    const std::optional<uint32_t> revision = words.At(4), count = words.At(8), originals = words.At(12),
                                  translations = words.At(16);
    if (!revision || (*revision >> 16) > 1 || !count || !originals || !translations ||
        *count > bytes.size() / 16)
        return std::nullopt;
    Entries entries;
    for (uint32_t i = 0; i < *count; ++i) {
        const std::optional<std::string_view> from = words.String(*originals, i);
        const std::optional<std::string_view> to = words.String(*translations, i);
        if (!from || !to)
            return std::nullopt;
        if (!from->empty() && !to->empty())
            entries.emplace(*from, *to);
    }
    return entries;
}

void Catalogue::UsePseudo(bool on) { ::Current().Pseudo = on; }

std::string Catalogue::Pseudo(std::string_view english) {
    if (english.empty())
        return std::string();
    return "[" + std::string(english) + std::string((english.size() + 2) / 3, '~') + "]";
}
