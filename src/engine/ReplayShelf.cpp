#include "engine/ReplayShelf.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <vector>

#include "engine/AtomicFile.h"
#include "engine/Log.h"

namespace fs = std::filesystem;

namespace {
// The dated runs the shelf itself wrote; nothing else in the folder is touched.
bool IsDatedRun(const std::string& name) {
    static const std::regex dated(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d(-\d+)?\.krp)");
    return std::regex_match(name, dated);
}
}  // namespace

ReplayShelf::ReplayShelf(std::string folder) : Where(std::move(folder)) {}

std::string ReplayShelf::FreeName(std::time_t when) const {
    char stamp[32];
    std::tm local{};
    localtime_r(&when, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    std::string name = std::string(stamp) + ".krp";
    std::error_code ignored;
    for (int n = 2; fs::exists(fs::path(Where) / name, ignored); ++n)
        name = std::string(stamp) + "-" + std::to_string(n) + ".krp";
    return name;
}

std::string ReplayShelf::Keep(const std::string& bytes, std::time_t when) {
    if (Where.empty()) {
        Log::WarnOnce("no home folder: replays are not kept");
        return "";
    }
    std::string reason;
    const std::string name = FreeName(when);
    if (!AtomicFile::Write((fs::path(Where) / name).string(), bytes, reason) ||
        !AtomicFile::Write((fs::path(Where) / LastRun).string(), bytes, reason)) {
        Log::Warn("cannot keep the replay of this run in " + Where + ": " + reason);
        return "";
    }
    Prune();
    return name;
}

void ReplayShelf::Prune() const {
    std::vector<std::string> dated;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(Where, error))
        if (entry.is_regular_file(error) && IsDatedRun(entry.path().filename().string()))
            dated.push_back(entry.path().filename().string());
    if (dated.size() <= Kept)
        return;
    std::sort(dated.begin(), dated.end());
    for (size_t i = 0; i + Kept < dated.size(); ++i)
        fs::remove(fs::path(Where) / dated[i], error);
}
