#include "keep/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {
bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string PasswordDatabaseHome() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return "";
    return IsAbsolute(found->pw_dir) ? found->pw_dir : "";
}

// "<folder>/<name>", or empty when the folder is unknown.
std::string Below(const std::string& folder, const char* name) {
    if (folder.empty())
        return "";
    return folder + (folder.back() == '/' ? "" : "/") + name;
}
}  // namespace

UserFolders::UserFolders() : UserFolders([](const char* name) { return std::getenv(name); }, PasswordDatabaseHome) {}

UserFolders::UserFolders(Environment environment, AccountHome accountHome)
    : environment_(std::move(environment)), accountHome_(std::move(accountHome)) {}

std::string UserFolders::Home() const {
    // A relative HOME would scatter saves around whatever folder the game
    // was started from; the account's home is the better guess then.
    const char* home = environment_("HOME");
    return IsAbsolute(home) ? std::string(home) : accountHome_();
}

std::string UserFolders::BaseFolder(const char* variable, const char* belowHome) const {
    // Relative XDG values are invalid and must be ignored.
    const char* value = environment_(variable);
    if (IsAbsolute(value))
        return value;
    return Below(Home(), belowHome);
}

std::string UserFolders::DataHome() const { return BaseFolder("XDG_DATA_HOME", ".local/share"); }
std::string UserFolders::ConfigHome() const { return BaseFolder("XDG_CONFIG_HOME", ".config"); }
std::string UserFolders::GameData() const { return Below(DataHome(), "korvanta"); }
std::string UserFolders::Replays() const { return Below(GameData(), "replays"); }
std::string UserFolders::Levels() const { return Below(GameData(), "levels"); }
std::string UserFolders::GameConfig() const { return Below(ConfigHome(), "korvanta"); }
std::string UserFolders::ScoresFile() const { return Below(GameData(), "scores.txt"); }
std::string UserFolders::SettingsFile() const { return Below(GameConfig(), "settings.ini"); }
