#pragma once
#include <optional>
#include <span>
#include <string>

#include "field/Skill.h"

// The game's command-line options, GNU style: every option is one row of a
// single table, from which `--help` is written, and Parse turns the
// arguments into what to do without touching the process, so that the
// program can act on the result before it opens any window.
class CommandLine {
public:
    struct Option {
        char Short;            // '\0' when there is no short form
        const char* Long;      // without the leading "--"
        const char* Argument;  // the argument's name in the help; null for none
        const char* Help;
    };

    enum class Action { Run, PrintHelp, PrintVersion, PrintScores, CheckLevel, UsageError };

    struct Choice {
        Action Do = Action::Run;
        std::optional<bool> Fullscreen{};  // set by --fullscreen or --windowed
        bool Mute = false;
        std::optional<Skill> Difficulty{};  // --difficulty, for this run
        std::string ReplayFile{};  // --replay: play this replay back
        std::string VerifyFile{};  // --verify: check this replay
        std::string LevelFile{};   // --check-level: check this level file
        std::optional<std::string> Language{};  // --language, for this run
        std::optional<int> Level{};  // --level: play this level of the campaign on its own
        long Frames = 0;         // --frames: quit after this many frames; 0 plays on
        std::optional<int> Speed{};     // --speed: the game speed in percent, this run
        bool Invincible = false;        // --invincible: no hit harms the ship, this run
        std::optional<int> StartAt{};   // --start-at: practice from this second of the level
        std::optional<int> TakeOver{};  // --take-over: the player takes the --replay run over at this second
        // For UsageError: the one line for stderr (with its newline), and 2.
        std::string Error{};
        int ExitStatus = 0;
        bool operator==(const Choice&) const = default;
    };

    static std::span<const Option> Options();
    // What the arguments ask for; argv[0] is the program and is skipped.
    static Choice Parse(int argc, const char* const* argv);
    // What --language says among `argv` ("system" or a language's code),
    // wherever it stands: the language of every answer, --help's included.
    static std::optional<std::string> LanguageAsked(int argc, const char* const* argv);
    // The usage text for --help, every option from the table.
    static std::string Help();
    // "korvanta <version>" with its newline, for --version.
    static std::string Version();
};
