#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The files the game keeps for the player (the score table, the settings)
// must never be seen half written: a write goes to a temporary file beside
// the target, which replaces it in one rename. Reads are bounded so that a
// huge or strange file cannot stall the start. Nothing is kept between calls.
class AtomicFile {
public:
    enum class ReadStatus { Read, Missing, NotRegular, Unreadable, TooLarge };

    struct Contents {
        ReadStatus Status = ReadStatus::Missing;
        std::string Text;    // the whole file when Status is Read
        std::string Reason;  // one line for a warning otherwise
    };

    // Called with the temporary file's path once it is written and synced,
    // right before it replaces the target: tests stop the process there.
    static void (*BeforeRename)(const std::string& temporaryPath);

    // Creates the missing parent folders (mode 0755), writes `text` to a
    // temporary file in the target's folder and renames it over `path`.
    // False on any failure, with `reason` set: the old file is untouched
    // and no temporary file is left behind.
    static bool Write(const std::string& path, std::string_view text, std::string& reason);

    // The whole file, if it is a regular file of at most `maxBytes` bytes.
    static Contents Read(const std::string& path, size_t maxBytes);

    // Renames a damaged file to `path + suffix`, or when that is taken to the
    // first free `path + suffix + ".1"`, ".2", ...: an older file is never
    // replaced. Returns the new path; empty, with `reason` set, on failure.
    static std::string MoveAside(const std::string& path, const std::string& suffix, std::string& reason);

    // `mkdir -p` with mode 0755. False, with `reason` set, on failure.
    static bool MakeFolders(const std::string& folder, std::string& reason);
};
