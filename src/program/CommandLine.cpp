#include "program/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/Log.h"
#include "keep/PlainText.h"
#include "levels/Assists.h"
#include "levels/Campaign.h"

#ifndef KORVANTA_VERSION
#define KORVANTA_VERSION "1.0.0"
#endif

namespace {
using Action = CommandLine::Action;
using Choice = CommandLine::Choice;
using Option = CommandLine::Option;

constexpr Option Table[] = {
    {'h', "help", nullptr, TrNoop("show this help and exit")},
    {'V', "version", nullptr, TrNoop("show the version and exit")},
    {'\0', "fullscreen", nullptr, TrNoop("play in full screen")},
    {'\0', "windowed", nullptr, TrNoop("play in a window")},
    {'\0', "mute", nullptr, TrNoop("no music and no sound effects for this run")},
    {'\0', "difficulty", "NAME", TrNoop("play easy, normal or hard this run (the saved setting is kept)")},
    {'\0', "language", "NAME", TrNoop("speak NAME this run: system, en, fr, de, es or ru")},
    {'\0', "level", "N", TrNoop("play level N of the campaign on its own, with a new ship")},
    {'\0', "scores", nullptr, TrNoop("show the table of best runs and exit")},
    {'\0', "replay", "FILE", TrNoop("play back the run recorded in FILE")},
    {'\0', "verify", "FILE", TrNoop("check that the run recorded in FILE plays back as recorded")},
    {'\0', "check-level", "FILE", TrNoop("check the level file FILE and exit")},
    {'\0', "frames", "N", TrNoop("quit by itself after N frames")},
    // xgettext:no-c-format
    {'\0', "speed", "PERCENT", TrNoop("play the level at 100, 90, 80, 70, 60 or 50 % speed this run (no score)")},
    {'\0', "invincible", nullptr, TrNoop("no hit harms the ship this run; the hits are counted (no score)")},
    {'\0', "start-at", "SECONDS", TrNoop("practise the level (1 or --level's) from that second of its schedule")},
    {'\0', "take-over", "SECONDS", TrNoop("with --replay: fly the recorded run yourself from that second on")},
};


Choice Refusal(const std::string& problem) {
    Choice choice;
    choice.Do = Action::UsageError;
    choice.Error = "korvanta: " + problem + Tr(" (try 'korvanta --help')") + "\n";
    choice.ExitStatus = 2;
    return choice;
}

const Option* Find(std::string_view name) {
    const auto found =
        std::find_if(std::begin(Table), std::end(Table), [&](const Option& o) { return name == o.Long; });
    return found == std::end(Table) ? nullptr : found;
}

const Option* FindShort(char letter) {
    const auto found =
        std::find_if(std::begin(Table), std::end(Table), [&](const Option& o) { return letter == o.Short; });
    return found == std::end(Table) ? nullptr : found;
}

// A positive whole number that fits a long, in plain digits.
bool ReadFrames(const std::string& text, long& frames) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    errno = 0;
    frames = std::strtol(text.c_str(), nullptr, 10);
    return errno == 0 && frames > 0;
}

// A whole number of seconds from 0 to a day.
std::optional<int> Seconds(const std::string& text) {
    long seconds = 0;
    if (text == "0")
        return 0;
    if (!ReadFrames(text, seconds) || seconds > 24 * 3600)
        return std::nullopt;
    return static_cast<int>(seconds);
}

std::optional<int> SpeedPercent(const std::string& text) {
    long percent = 0;
    if (!ReadFrames(text, percent) || !Assists::SpeedAllowed(static_cast<int>(std::min(percent, 1000L))))
        return std::nullopt;
    return static_cast<int>(percent);
}

// A level of the campaign by its number.
std::optional<int> LevelNumber(const std::string& text) {
    long number = 0;
    if (!ReadFrames(text, number) || number > Campaign::Levels)
        return std::nullopt;
    return static_cast<int>(number);
}

// "system" or the code of a language the game speaks, exactly.
std::optional<std::string> LanguageNamed(const std::string& text) {
    if (text == "system" || (Catalogue::Known(text) && text.size() == 2 && Catalogue::Known(text) == text))
        return text;
    return std::nullopt;
}

// Records one option in `choice`; false when it ends the parse (an action
// decided or a usage error, both already in `choice`).
bool Apply(const Option& option, const std::string& value, Choice& choice) {
    const std::string_view name = option.Long;
    if (name == "help" || name == "version") {
        choice.Do = name == "help" ? Action::PrintHelp : Action::PrintVersion;
        return false;
    }
    if (name == "fullscreen" || name == "windowed")
        choice.Fullscreen = name == "fullscreen";
    else if (name == "mute")
        choice.Mute = true;
    else if (name == "invincible")
        choice.Invincible = true;
    else if (name == "scores")
        choice.Do = Action::PrintScores;
    else if (name == "check-level") {
        choice.Do = Action::CheckLevel;
        choice.LevelFile = value;
    }
    else if (name == "replay")
        choice.ReplayFile = value;
    else if (name == "verify")
        choice.VerifyFile = value;
    else if (name == "difficulty" && !(choice.Difficulty = SkillNamed(value))) {
        choice = Refusal(Catalogue::Fill(Tr("option '--difficulty' takes easy, normal or hard, not {1}"), {Log::Quoted(value)}));
        return false;
    } else if (name == "language" && !(choice.Language = LanguageNamed(value))) {
        choice = Refusal(Catalogue::Fill(Tr("option '--language' takes system, en, fr, de, es or ru, not {1}"),
                                         {Log::Quoted(value)}));
        return false;
    } else if (name == "level" && !(choice.Level = LevelNumber(value))) {
        choice = Refusal(Catalogue::Fill(Tr("option '--level' takes a level from 1 to {1}, not {2}"),
                                         {std::to_string(Campaign::Levels), Log::Quoted(value)}));
        return false;
    } else if (name == "speed" && !(choice.Speed = SpeedPercent(value))) {
        choice = Refusal(
            Catalogue::Fill(Tr("option '--speed' takes 100, 90, 80, 70, 60 or 50, not {1}"), {Log::Quoted(value)}));
        return false;
    } else if ((name == "start-at" || name == "take-over") &&
               !((name == "start-at" ? choice.StartAt : choice.TakeOver) = Seconds(value))) {
        choice = Refusal(Catalogue::Fill(Tr("option '--{1}' needs whole seconds, not {2}"), {name, Log::Quoted(value)}));
        return false;
    } else if (name == "frames" && !ReadFrames(value, choice.Frames)) {
        choice = Refusal(Catalogue::Fill(Tr("option '--frames' needs a positive whole number, not {1}"), {Log::Quoted(value)}));
        return false;
    }
    return true;
}

// Options that cannot go together, each pair named once.
std::optional<Choice> Conflict(const std::vector<std::string>& given) {
    static constexpr std::pair<const char*, const char*> pairs[] = {
        {"replay", "verify"}, {"fullscreen", "windowed"}, {"verify", "difficulty"}, {"level", "replay"},
        {"level", "verify"}, {"start-at", "replay"}, {"start-at", "verify"}, {"take-over", "verify"},
        {"speed", "verify"}, {"invincible", "verify"}, {"speed", "replay"}, {"invincible", "replay"}};
    const auto has = [&given](const char* name) { return std::count(given.begin(), given.end(), name) > 0; };
    for (const auto& [first, second] : pairs)
        if (has(first) && has(second))
            return Refusal(Catalogue::Fill(Tr("options '--{1}' and '--{2}' cannot be used together"), {first, second}));
    if (has("take-over") && !has("replay"))
        return Refusal(Tr("option '--take-over' needs '--replay FILE'"));
    return std::nullopt;
}
}  // namespace

std::span<const Option> CommandLine::Options() { return Table; }

Choice CommandLine::Parse(int argc, const char* const* argv) {
    Choice choice;
    std::vector<std::string> given;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            return Refusal(Catalogue::Fill(Tr("unexpected argument {1}"), {Log::Quoted(argument)}));
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const bool isLong = argument[1] == '-';
        const size_t equals = isLong ? argument.find('=') : std::string::npos;
        const std::string name = isLong ? argument.substr(2, equals - 2) : argument.substr(1);
        const Option* option = isLong ? Find(name) : (name.size() == 1 ? FindShort(name[0]) : nullptr);
        if (option == nullptr)
            return Refusal(Catalogue::Fill(isLong ? Tr("unrecognized option {1}") : Tr("invalid option {1}"),
                                           {Log::Quoted(argument)}));
        const std::string shown = "'--" + std::string(option->Long) + "'";
        std::string value;
        if (option->Argument == nullptr && equals != std::string::npos)
            return Refusal(Catalogue::Fill(Tr("option {1} doesn't allow an argument"), {shown}));
        if (option->Argument != nullptr) {
            if (equals != std::string::npos)
                value = argument.substr(equals + 1);
            else if (i + 1 < argc)
                value = argv[++i];
            if (value.empty())
                return Refusal(Catalogue::Fill(Tr("option {1} requires an argument"), {shown}));
        }
        given.push_back(option->Long);
        if (!Apply(*option, value, choice))
            return choice;
    }
    return Conflict(given).value_or(choice);
}

std::optional<std::string> CommandLine::LanguageAsked(int argc, const char* const* argv) {
    std::optional<std::string> asked;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--language" && i + 1 < argc)
            asked = LanguageNamed(argv[++i]);
        else if (argument.starts_with("--language="))
            asked = LanguageNamed(std::string(argument.substr(11)));
    }
    return asked;
}

std::string CommandLine::Help() {
    std::string text = std::string(Tr("Usage: korvanta [OPTION]...")) + "\n" +
                       Tr("Steer a ship through waves of mines, rocks, swarms and a boss; shoot, collect money, "
                          "upgrade.") +
                       "\n\n" + Tr("Options:") + "\n";
    for (const Option& option : Table) {
        std::string left = option.Short != '\0' ? std::string("  -") + option.Short + ", --" : "      --";
        left += option.Long;
        if (option.Argument != nullptr)
            left += std::string("=") + option.Argument;
        text += left + std::string(left.size() < 24 ? 24 - left.size() : 1, ' ') + Tr(option.Help) + "\n";
    }
    return text;
}

std::string CommandLine::Version() { return std::string("korvanta ") + KORVANTA_VERSION + "\n"; }
