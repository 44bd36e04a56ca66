#include "program/AssetFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <utility>

// Set by the build from the install prefix; the defaults fit a tree
// installed under /usr.
#ifndef KORVANTA_DATA_DIR
#define KORVANTA_DATA_DIR "/usr/share/korvanta"
#endif
#ifndef KORVANTA_LOCALE_DIR
#define KORVANTA_LOCALE_DIR "/usr/share/locale"
#endif
#ifndef KORVANTA_DATA_DIR_FROM_BIN
#define KORVANTA_DATA_DIR_FROM_BIN "../share/korvanta"
#endif

namespace {
bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string RunningExecutable() {
    char exe[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    return length > 0 ? std::string(exe, static_cast<size_t>(length)) : std::string();
}
}  // namespace

AssetFolder::AssetFolder(std::string executable, std::string installed, std::string fromBin)
    : Executable(std::move(executable)), Installed(std::move(installed)), FromBin(std::move(fromBin)) {}

AssetFolder AssetFolder::ForThisProgram() {
    return AssetFolder(RunningExecutable(), KORVANTA_DATA_DIR, KORVANTA_DATA_DIR_FROM_BIN);
}

std::vector<std::string> AssetFolder::Candidates() const {
    std::vector<std::string> folders{"."};
    const size_t slash = Executable.find_last_of('/');
    if (slash != std::string::npos) {
        const std::string dir = Executable.substr(0, slash);
        folders.push_back(dir + "/assets");
        folders.push_back(dir.empty() ? "/" : dir);
        if (!FromBin.empty())
            folders.push_back(dir + "/" + FromBin);
    }
    if (!Installed.empty())
        folders.push_back(Installed);
    return folders;
}

std::string AssetFolder::Find() const {
    for (const std::string& folder : Candidates())
        if (IsDirectory(folder + "/Image"))
            return folder;
    return "";
}

std::vector<std::string> AssetFolder::LocaleFolders() const {
    std::vector<std::string> folders;
    const std::string assets = Find();
    if (!assets.empty()) {
        folders.push_back(assets + "/locale");
        folders.push_back(assets + "/../locale");
    }
    folders.push_back(KORVANTA_LOCALE_DIR);
    return folders;
}

bool AssetFolder::Enter() const {
    const std::string folder = Find();
    return !folder.empty() && chdir(folder.c_str()) == 0;
}
