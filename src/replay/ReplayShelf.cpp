#include "replay/ReplayShelf.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <vector>

#include "keep/AtomicFile.h"
#include "engine/Catalogue.h"
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
        Log::WarnOnce(Tr("no home folder: replays are not kept"));
        return "";
    }
    std::string reason, lastReason;
    std::string name = FreeName(when);
    if (!AtomicFile::Write((fs::path(Where) / name).string(), bytes, reason))
        name.clear();
    const bool last = KeepAsLast(name, bytes, lastReason);
    if (name.empty())
        Log::Warn(Catalogue::Fill(last ? Tr("cannot keep the replay of this run in {1}: {2}; it is kept as {3} only")
                                       : Tr("cannot keep the replay of this run in {1}: {2}"),
                                  {Log::Quoted(Where), reason, LastRun}));
    else if (!last)
        Log::Warn(Catalogue::Fill(Tr("cannot keep the replay of this run as {1}: {2}; it is kept as {3}"),
                                  {LastRun, lastReason, Log::Quoted(name)}));
    if (!name.empty())
        Prune();
    return name;
}

bool ReplayShelf::KeepAsLast(const std::string& dated, const std::string& bytes, std::string& reason) const {
    const std::string last = (fs::path(Where) / LastRun).string();
    if (!dated.empty()) {
        // A second name takes no room; it goes in place in one rename. Named
        // as a cut-short write's leftover, to go as one at the next start.
        const std::string temporary = (fs::path(Where) / ("." + std::string(LastRun) + ".linked")).string();
        std::error_code error;
        fs::remove(temporary, error);
        if (link((fs::path(Where) / dated).c_str(), temporary.c_str()) == 0) {
            if (rename(temporary.c_str(), last.c_str()) == 0)
                return true;
            unlink(temporary.c_str());
        }
    }
    if (AtomicFile::Write(last, bytes, reason))
        return true;
    // Better no last run than an older one under its name.
    std::error_code error;
    fs::remove(last, error);
    return false;
}

void ReplayShelf::RemoveLeftovers() const {
    if (!Where.empty())
        AtomicFile::RemoveLeftovers(Where, [](std::string_view name) { return name.ends_with(".krp"); });
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
