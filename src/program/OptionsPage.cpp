#include "program/OptionsPage.h"

#include <cctype>
#include <cstring>
#include <optional>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Layout.h"
#include "engine/PictureFit.h"
#include "program/SettingsKeys.h"

namespace {

// The labels of the file's keys and the unit after a number, if any.
struct Wording {
    const char* Key;
    const char* Label;
    const char* Unit;
};
// A unit is the pattern a number is shown in, "" for none.
constexpr Wording Wordings[] = {
    {"fullscreen", TrNoop("Full screen"), ""},
    {"scale", TrNoop("Window scale"), TrNoop("{1}x")},
    {"smooth", TrNoop("Smooth enlargement"), ""},
    {"keys", TrNoop("Keys"), ""},
    {"music", TrNoop("Music"), ""},
    {"music_volume", TrNoop("Music volume"), TrNoop("{1} %")},
    {"effects", TrNoop("Sound effects"), ""},
    {"effects_volume", TrNoop("Effects volume"), TrNoop("{1} %")},
    {"difficulty", TrNoop("Difficulty"), ""},
    {"game_speed", TrNoop("Game speed"), TrNoop("{1} %")},
    {"invincible", TrNoop("Invincible"), ""},
    {"fewer_flashes", TrNoop("Fewer flashes"), ""},
    {"language", TrNoop("Language"), ""},
};
constexpr std::pair<const char*, const char*> Words[] = {
    {"position", TrNoop("By place")}, {"letters", TrNoop("By letter")}, {"off", TrNoop("Off")},
    {"on", TrNoop("On")},             {"auto", TrNoop("Auto")},         {"easy", TrNoop("Easy")},
    {"normal", TrNoop("Normal")},     {"hard", TrNoop("Hard")},         {"system", TrNoop("System")},
};

const Wording* WordingOf(const Settings::Choice& choice) {
    for (const Wording& wording : Wordings)
        if (std::strcmp(wording.Key, choice.Key) == 0)
            return &wording;
    return nullptr;
}

// The whole scale a window asked at `scale` shows on this desktop.
int ScaleShown(int scale) {
    const GameWindow& window = Engine::Instance().Window;
    return PictureFit::Capped(scale, window.DesktopWidth(), window.DesktopHeight());
}

// The window scale word number `index` of `choice` stands for; none for
// another setting and for auto.
std::optional<int> ScaleOf(const Settings::Choice& choice, int index) {
    if (std::strcmp(choice.Key, "scale") != 0 || index < 0 || index >= static_cast<int>(choice.Values.size()))
        return std::nullopt;
    Settings settings;
    choice.Set(settings, index);
    return settings.Scale == Settings::AutoScale ? std::nullopt : std::optional<int>(settings.Scale);
}

// A word the page steps to: every one, but a window scale only where its
// window fits this desktop.
bool Offered(const Settings::Choice& choice, int index) {
    const std::optional<int> scale = ScaleOf(choice, index);
    return !scale || ScaleShown(*scale) == *scale;
}

// The next word from `index` that way round that is offered, or -1 (with
// `wrap`, round to the first after the last).
int NextOffered(const Settings::Choice& choice, int index, int by, bool wrap) {
    const int count = static_cast<int>(choice.Values.size());
    for (int next = index + by, steps = 0; steps < count; next += by, ++steps) {
        if (wrap)
            next = (next + count) % count;
        else if (next < 0 || next >= count)
            return -1;
        if (Offered(choice, next))
            return next;
    }
    return -1;
}

// Half the width of the place where each small arrow takes a click.
constexpr int ArrowReach = 24;
constexpr int RowTextDrop = 4;
}  // namespace

const std::vector<Settings::Choice>& OptionsPage::Rows() {
    static const std::vector<Settings::Choice> rows = [] {
        std::vector<Settings::Choice> all = Settings::Choices();
        std::erase_if(all, [](const Settings::Choice& c) { return std::strcmp(c.Key, "practice_restart") == 0; });
        return all;
    }();
    return rows;
}

OptionsPage::OptionsPage(SettingsKeys& settings, std::function<void()> openControls)
    : ListPage(TrNoop("OPTIONS"), 64), Running(settings), OpenControls(std::move(openControls)) {
    ChooseFirst();
}

std::string OptionsPage::Label(const Settings::Choice& choice) {
    const Wording* wording = WordingOf(choice);
    return wording != nullptr ? Tr(wording->Label) : choice.Key;
}

std::string OptionsPage::Shown(const Settings::Choice& choice, const std::string& word) {
    for (const auto& [file, shown] : Words)
        if (word == file)
            return Tr(shown);
    // Each language by its own name, whatever the language spoken.
    for (const Catalogue::Language& language : Catalogue::Languages())
        if (word == language.Code && std::strcmp(choice.Key, "language") == 0)
            return language.OwnName;
    const Wording* wording = WordingOf(choice);
    if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0])))
        return wording != nullptr && *wording->Unit != '\0' ? Catalogue::Fill(Tr(wording->Unit), {word}) : word;
    std::string shown = word;
    if (!shown.empty())
        shown[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(shown[0])));
    return shown;
}

int OptionsPage::ControlsRow() const { return OpenControls ? static_cast<int>(Rows().size()) : -1; }

int OptionsPage::Entries() const { return static_cast<int>(Rows().size()) + (OpenControls ? 1 : 0); }

SDL_Rect OptionsPage::Area(int entry) const {
    const ScreenPoint left = Layout::OptionLeftArrow(entry);
    const int width = Layout::OptionRightArrow(entry).X - left.X + 2 * ArrowReach;
    return SDL_Rect{static_cast<Sint16>(left.X - ArrowReach),
                    static_cast<Sint16>(Layout::OptionRowsTop + entry * Layout::OptionRowHeight),
                    static_cast<Uint16>(width), static_cast<Uint16>(Layout::OptionRowHeight)};
}

// The arrows step down and up; the value itself steps on, round to the
// first word after the last.
void OptionsPage::Choose(int entry, float x) {
    if (entry == ControlsRow()) {
        OpenControls();
    } else if (x < Layout::OptionLeftArrow(entry).X + ArrowReach) {
        Step(entry, -1);
    } else if (x > Layout::OptionRightArrow(entry).X - ArrowReach) {
        Step(entry, +1);
    } else {
        const Settings::Choice& choice = Rows()[static_cast<size_t>(entry)];
        const int next = NextOffered(choice, choice.Get(Running.Current()), +1, true);
        if (next >= 0)
            Set(entry, next);
    }
}

void OptionsPage::Step(int entry, int by) {
    if (entry == ControlsRow() && by > 0)
        OpenControls();
    if (entry >= static_cast<int>(Rows().size()))
        return;
    const Settings::Choice& choice = Rows()[static_cast<size_t>(entry)];
    const int next = NextOffered(choice, choice.Get(Running.Current()), by, false);
    if (next >= 0)
        Set(entry, next);
}

std::string OptionsPage::Value(const Settings::Choice& choice, int index) {
    if (index < 0 || index >= static_cast<int>(choice.Values.size()))
        return "?";
    std::string shown = Shown(choice, choice.Values[static_cast<size_t>(index)]);
    // A scale from the file that this desktop cannot show says what it does.
    const std::optional<int> scale = ScaleOf(choice, index);
    if (scale && ScaleShown(*scale) != *scale)
        shown += Catalogue::Fill(Tr(" (too large here: {1}x)"), {std::to_string(ScaleShown(*scale))});
    return shown;
}

void OptionsPage::Set(int entry, int index) {
    Settings next = Running.Current();
    Rows()[static_cast<size_t>(entry)].Set(next, index);
    Running.Change(next);
}

void OptionsPage::DrawEntries(SDL_Surface* target) {
    using Align = TextCache::Align;
    const Settings& now = Running.Current();
    if (ControlsRow() >= 0) {
        const int row = ControlsRow();
        const int top = Layout::OptionRowsTop + row * Layout::OptionRowHeight + RowTextDrop;
        const SDL_Color colour = Chosen() == row ? BestColour : TextColour;
        Texts.DrawAt(target, TextFont, Tr("Controls"), colour, Layout::OptionLabelLeft, top, Align::Left);
        Texts.DrawAt(target, TextFont, ">", colour, Layout::OptionRightArrow(row).X, top, Align::Centre);
        if (Chosen() == row)
            OutlineRow(target, row);
    }
    for (int entry = 0; entry < static_cast<int>(Rows().size()); ++entry) {
        const Settings::Choice& choice = Rows()[static_cast<size_t>(entry)];
        const int index = choice.Get(now);
        const int top = Layout::OptionRowsTop + entry * Layout::OptionRowHeight + RowTextDrop;
        const bool chosen = Chosen() == entry;
        const SDL_Color colour = chosen ? BestColour : TextColour;
        Texts.DrawAt(target, TextFont, Label(choice), colour, Layout::OptionLabelLeft, top, Align::Left);
        Texts.DrawAt(target, TextFont, Value(choice, index), colour, Layout::OptionValueX, top, Align::Centre);
        // An arrow that leads nowhere is dimmed.
        const bool down = NextOffered(choice, index, -1, false) >= 0, up = NextOffered(choice, index, +1, false) >= 0;
        Texts.DrawAt(target, TextFont, "<", down ? colour : DimColour, Layout::OptionLeftArrow(entry).X, top,
                     Align::Centre);
        Texts.DrawAt(target, TextFont, ">", up ? colour : DimColour, Layout::OptionRightArrow(entry).X, top,
                     Align::Centre);
        if (chosen)
            OutlineRow(target, entry);
    }
}

void OptionsPage::OutlineRow(SDL_Surface* target, int entry) const {
    SDL_Rect row = Area(entry);
    row.w = static_cast<Uint16>(row.x + row.w - (Layout::OptionLabelLeft - 16));
    row.x = static_cast<Sint16>(Layout::OptionLabelLeft - 16);
    Outline(target, row);
}
