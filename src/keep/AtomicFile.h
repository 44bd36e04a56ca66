#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The files the game keeps for the player (the score table, the settings,
// the replays) must never be seen half written: a write goes to a temporary
// file beside the target, which replaces it in one rename. A target that is
// a symbolic link (settings kept in a dotfiles folder) stays a link: the
// file at its end is replaced, in that file's folder. Reads are bounded so
// that a huge or strange file cannot stall the start. Every reason given
// names its file quoted (Log::Quoted). Nothing is kept between calls.
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
    // temporary file in the target's folder and renames it over the target.
    // False on any failure, with `reason` set: the old file is untouched
    // and no temporary file is left behind.
    static bool Write(const std::string& path, std::string_view text, std::string& reason);

    // The whole file, if it is a regular file of at most `maxBytes` bytes;
    // or only its first `firstBytes`, which is all that is read then.
    static Contents Read(const std::string& path, size_t maxBytes, size_t firstBytes = SIZE_MAX);

    // Renames a damaged file (the one at the end of its links) to
    // `path + suffix`, or when that is taken to the first free
    // `path + suffix + ".1"`, ".2", ...: an older file is never replaced.
    // Returns the new path; empty, with `reason` set, on failure.
    static std::string MoveAside(const std::string& path, const std::string& suffix, std::string& reason);
    // Writes `text` whole as a new file under the first free name MoveAside
    // would take; the same answer.
    static std::string WriteAside(const std::string& path, const std::string& suffix, std::string_view text,
                                  std::string& reason);

    // `mkdir -p` with mode 0755. False, with `reason` set, on failure.
    static bool MakeFolders(const std::string& folder, std::string& reason);

    // The path at the end of `path`'s symbolic links (relative links are
    // taken from their own folder); `path` itself when it is no link. False,
    // with `reason` set, for a loop of links.
    static bool Resolve(const std::string& path, std::string& resolved, std::string& reason);

    // Removes from `folder` the temporary files that writes cut short left
    // there (".<name>.XXXXXX") for the names `ours` accepts. Returns how
    // many went.
    static int RemoveLeftovers(const std::string& folder, const std::function<bool(std::string_view name)>& ours);
    // The same for the one file `path` (at the end of its links).
    static int RemoveLeftovers(const std::string& path);
};
