#pragma once
#include <functional>
#include <string>

// Where the game keeps what outlives a run: the XDG base folders of the
// player (data and configuration) and the game's own folders below them.
// Every query returns an empty string when no home folder can be found;
// the caller then skips saving with one warning.
class UserFolders {
public:
    // Looks a variable up in an environment; null when it is not set.
    using Environment = std::function<const char*(const char* name)>;
    // The home folder from the password database; empty when there is none.
    using AccountHome = std::function<std::string()>;

    // The process environment and the password database.
    UserFolders();
    // A made-up environment and account (tests).
    UserFolders(Environment environment, AccountHome accountHome);

    // $XDG_DATA_HOME when set and absolute, otherwise <home>/.local/share.
    std::string DataHome() const;
    // $XDG_CONFIG_HOME when set and absolute, otherwise <home>/.config.
    std::string ConfigHome() const;

    std::string GameData() const;      // <data>/korvanta
    std::string Replays() const;       // <data>/korvanta/replays
    std::string Levels() const;        // <data>/korvanta/levels: the player's own
    std::string GameConfig() const;    // <config>/korvanta
    std::string ScoresFile() const;    // <data>/korvanta/scores.txt
    std::string SettingsFile() const;  // <config>/korvanta/settings.ini

private:
    std::string Home() const;
    std::string BaseFolder(const char* variable, const char* belowHome) const;

    Environment environment_;
    AccountHome accountHome_;
};
