#pragma once
#include <cstddef>
#include <ctime>
#include <string>

// Keeps the player's recorded runs in the replays folder: every run as
// "last.krp" and under its date and time ("2026-12-06_23-05-12.krp"), the
// newest dated ones only. Each file is written whole or not at all; a run
// that cannot be kept (no home folder, read-only or full disk) costs one
// warning and nothing else.
class ReplayShelf {
public:
    static constexpr size_t Kept = 50;
    static constexpr const char* LastRun = "last.krp";

    // `folder` may be empty (no home folder): nothing is kept then.
    explicit ReplayShelf(std::string folder);

    // Writes `bytes` as the last run and as the run of `when` (local time).
    // Returns the dated file's name, or an empty string after one warning.
    std::string Keep(const std::string& bytes, std::time_t when);

    const std::string& Folder() const { return Where; }

private:
    // Deletes the oldest dated runs beyond Kept.
    void Prune() const;
    std::string FreeName(std::time_t when) const;

    std::string Where;
};
