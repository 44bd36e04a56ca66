#include "replay/ReplayShelf.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <vector>

#include "keep/AtomicFile.h"
#include "engine/Log.h"

namespace fs = std::filesystem;

namespace {
// A dated run the shelf itself wrote ("<date>_<time>.krp", or "-2", "-3" and
// on for more runs in one second) as its time and its number within that
// second; nothing else in the folder is ever touched.
struct DatedRun {
    std::string Name;
    std::string Stamp;
    int Number = 1;
    bool operator<(const DatedRun& other) const {
        return Stamp != other.Stamp ? Stamp < other.Stamp : Number < other.Number;
    }
};

bool ReadDatedRun(const std::string& name, DatedRun& run) {
    static const std::regex dated(R"((\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)(?:-(\d{1,6}))?\.krp)");
    std::smatch parts;
    if (!std::regex_match(name, parts, dated))
        return false;
    run = {name, parts[1].str(), parts[2].matched ? std::stoi(parts[2].str()) : 1};
    return true;
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
    std::vector<DatedRun> dated;
    std::error_code error;
    DatedRun run;
    for (const fs::directory_entry& entry : fs::directory_iterator(Where, error))
        if (entry.is_regular_file(error) && ReadDatedRun(entry.path().filename().string(), run))
            dated.push_back(run);
    if (dated.size() <= Kept)
        return;
    // Oldest first; runs of one second in the order they were kept.
    std::sort(dated.begin(), dated.end());
    for (size_t i = 0; i + Kept < dated.size(); ++i)
        fs::remove(fs::path(Where) / dated[i].Name, error);
}
