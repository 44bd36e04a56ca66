#pragma once
#include <cstddef>
#include <ctime>
#include <string>

// Keeps the player's recorded runs in the replays folder: every run under
// its date and time ("2026-12-06_23-05-12.krp"), the newest dated ones only,
// and as "last.krp", a second name of the same file where the file system
// allows it (so a nearly full disk that took the run takes its second name
// too). Each file is written whole or not at all; "last.krp" is never left
// holding an older run. A run that cannot be kept (no home folder, read-only
// or full disk) costs one warning and nothing else.
class ReplayShelf {
public:
    static constexpr size_t Kept = 50;
    static constexpr const char* LastRun = "last.krp";

    // `folder` may be empty (no home folder): nothing is kept then.
    explicit ReplayShelf(std::string folder);

    // Writes `bytes` as the run of `when` (local time) and as the last run.
    // Returns the dated file's name, or an empty string after one warning
    // when it could not be written.
    std::string Keep(const std::string& bytes, std::time_t when);

    const std::string& Folder() const { return Where; }

    // Removes what writes cut short left in the folder (".<name>.krp.XXXXXX").
    void RemoveLeftovers() const;

private:
    // Makes last.krp the run just kept as `dated` (empty: none was); false,
    // with `reason` set, when it holds no run now.
    bool KeepAsLast(const std::string& dated, const std::string& bytes, std::string& reason) const;
    // Deletes the oldest dated runs beyond Kept.
    void Prune() const;
    std::string FreeName(std::time_t when) const;

    std::string Where;
};
