#include "levels/OwnLevels.h"

#include <algorithm>
#include <filesystem>

#include "engine/Catalogue.h"
#include "engine/Log.h"
#include "levels/LevelFile.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* Extension = ".level";
// A folder of thousands of files is not read file by file.
constexpr size_t MostLooked = 200;
}  // namespace

bool OwnLevels::IsFileName(const std::string& name) {
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c <= '~' && c != '/'; });
}

std::vector<OwnLevels::Entry> OwnLevels::List(const std::string& folder, std::vector<std::string>& refused) {
    refused.clear();
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(Extension))
            continue;
        if (names.size() == MostLooked) {
            refused.push_back(Catalogue::Fill(Tr("{1}: more than {2} level files; the rest are not read"),
                                              {Log::Quoted(folder), std::to_string(MostLooked)}));
            break;
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<Entry> levels;
    for (const std::string& name : names) {
        if (!IsFileName(name)) {
            refused.push_back(
                Catalogue::Fill(Tr("{1}: a file name with blanks or strange bytes in it"), {LevelFile::Shown(name)}));
            continue;
        }
        std::vector<std::string> faults;
        std::optional<Level> level = LevelFile::Load(folder + "/" + name, faults);
        if (!level) {
            refused.push_back(faults.empty() ? name + ": " + Tr("cannot be read") : faults.front());
            continue;
        }
        if (levels.size() == MostListed) {
            refused.push_back(Catalogue::Fill(Tr("{1}: only the first {2} levels are listed"),
                                              {name, std::to_string(MostListed)}));
            continue;
        }
        levels.push_back({name, std::make_shared<const Level>(std::move(*level))});
    }
    return levels;
}

LevelStart OwnLevels::Start(const Entry& entry) { return LevelStart{entry.Plan, 0, entry.File, false, {}}; }
