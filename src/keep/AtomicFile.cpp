#include "keep/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include "engine/Catalogue.h"
#include "engine/Log.h"

void (*AtomicFile::BeforeRename)(const std::string&) = nullptr;

namespace {
// mkstemp's six random letters after the file's own name.
constexpr size_t TemporaryTail = 7;  // ".XXXXXX"
// As many links as the kernel follows.
constexpr int MostLinks = 40;

// The system's words for `error`, in the player's language where the game
// has them: the C library speaks English in the "C" locale the game keeps.
std::string ErrorText(int error) {
    static constexpr std::pair<int, const char*> Known[] = {
        {ENOENT, TrNoop("No such file or directory")},
        {EACCES, TrNoop("Permission denied")},
        {EPERM, TrNoop("Operation not permitted")},
        {EROFS, TrNoop("Read-only file system")},
        {ENOSPC, TrNoop("No space left on device")},
        {EDQUOT, TrNoop("Disk quota exceeded")},
        {ENOTDIR, TrNoop("Not a directory")},
        {EISDIR, TrNoop("Is a directory")},
        {ELOOP, TrNoop("Too many levels of symbolic links")},
        {EIO, TrNoop("Input/output error")},
        {ENAMETOOLONG, TrNoop("File name too long")},
    };
    for (const auto& [number, english] : Known)
        if (number == error && Catalogue::Current() != "en")
            return Tr(english);
    return std::strerror(error);
}

// `pattern` with the path ({1}) and what the system said ({2}).
std::string Failure(const char* pattern, const std::string& path, int error) {
    return Catalogue::Fill(pattern, {Log::Quoted(path), ErrorText(error)});
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Reads to the end, or `firstBytes` in all, into `text`: TooLarge past
// `maxBytes` (the file may have grown since it was measured), Unreadable
// with `error` set when a read fails.
AtomicFile::ReadStatus ReadBounded(int fd, size_t maxBytes, size_t firstBytes, std::string& text, int& error) {
    char chunk[65536];
    while (text.size() < firstBytes) {
        const ssize_t got = read(fd, chunk, std::min(sizeof chunk, firstBytes - text.size()));
        if (got == 0)
            return AtomicFile::ReadStatus::Read;
        if (got < 0 && errno != EINTR) {
            error = errno;
            return AtomicFile::ReadStatus::Unreadable;
        }
        if (got > 0)
            text.append(chunk, static_cast<size_t>(got));
        if (text.size() > maxBytes)
            return AtomicFile::ReadStatus::TooLarge;
    }
    return AtomicFile::ReadStatus::Read;
}

// Makes the rename itself survive a power cut. Not every file system lets a
// folder be synced, and the new file is in place either way.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Writes and syncs the temporary file; errno tells why on failure.
bool FillTemporary(int fd, std::string_view text, mode_t mode) {
    const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, text) && fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0)
        return false;
    errno = error;
    return written;
}

// Renames without ever replacing an existing file; false with errno set.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link refuses to replace.
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    unlink(from.c_str());
    return true;
}

// A temporary file in `folder` for `name`, written and synced with `mode`;
// its path, or empty with `reason` set (and nothing left behind).
std::string WriteTemporary(const std::string& folder, const std::string& name, std::string_view text, mode_t mode,
                           std::string& reason) {
    std::string temporary = folder + "/." + name + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        reason = Failure(Tr("cannot create a file in {1}: {2}"), folder, errno);
        return "";
    }
    if (!FillTemporary(fd, text, mode)) {
        reason = Failure(Tr("cannot write {1}: {2}"), folder + "/" + name, errno);
        unlink(temporary.c_str());
        return "";
    }
    return temporary;
}

// Tries the names after `path` ("<path><suffix>", then ".1", ".2" ... after
// it) until `place` takes one, which it returns; empty, with `reason` set,
// when `place` fails otherwise than for a name taken (errno EEXIST). A
// bound, so a folder full of old files cannot loop for long.
std::string FirstFreeName(const std::string& path, const std::string& suffix,
                          const std::function<bool(const std::string&)>& place, std::string& reason) {
    for (int n = 0; n < 1000; ++n) {
        std::string target = path + suffix;
        if (n > 0)
            target.append(".").append(std::to_string(n));
        if (place(target))
            return target;
        if (errno != EEXIST) {
            reason = Failure(Tr("cannot set aside {1}: {2}"), path, errno);
            return "";
        }
    }
    reason = Catalogue::Fill(Tr("cannot set aside {1}: too many older copies"), {Log::Quoted(path)});
    return "";
}

bool IsTemporaryLetter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
}  // namespace

bool AtomicFile::MakeFolders(const std::string& folder, std::string& reason) {
    for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string prefix = folder.substr(0, end);
        if (!prefix.empty() && !IsFolder(prefix) && mkdir(prefix.c_str(), 0755) != 0 &&
            !(errno == EEXIST && IsFolder(prefix))) {
            reason = Failure(Tr("cannot create the folder {1}: {2}"), prefix, errno == EEXIST ? ENOTDIR : errno);
            return false;
        }
        if (end == std::string::npos)
            return true;
    }
}

bool AtomicFile::Resolve(const std::string& path, std::string& resolved, std::string& reason) {
    resolved = path;
    for (int hops = 0; hops <= MostLinks; ++hops) {
        struct stat info;
        if (lstat(resolved.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        char target[PATH_MAX];
        const ssize_t length = readlink(resolved.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<size_t>(length) >= sizeof target)
            break;
        const std::string next(target, static_cast<size_t>(length));
        resolved = next.front() == '/' ? next : FolderOf(resolved) + "/" + next;
    }
    reason = Failure(Tr("cannot follow the links of {1}: {2}"), path, ELOOP);
    return false;
}

bool AtomicFile::Write(const std::string& path, std::string_view text, std::string& reason) {
    if (path.empty() || path.back() == '/') {
        reason = Tr("no file name given to write");
        return false;
    }
    std::string target;
    if (!Resolve(path, target, reason))
        return false;
    struct stat old;
    const bool hadOld = stat(target.c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode)) {
        reason = Catalogue::Fill(Tr("{1} is not a regular file"), {Log::Quoted(target)});
        return false;
    }
    const std::string folder = FolderOf(target);
    if (!MakeFolders(folder, reason))
        return false;
    // mkstemp makes the file private; the player's file keeps its mode.
    const mode_t mode = hadOld ? (old.st_mode & 07777) : 0644;
    const std::string temporary = WriteTemporary(folder, NameOf(target), text, mode, reason);
    if (temporary.empty())
        return false;
    if (BeforeRename != nullptr)
        BeforeRename(temporary);
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        reason = Failure(Tr("cannot write {1}: {2}"), target, errno);
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

AtomicFile::Contents AtomicFile::Read(const std::string& path, size_t maxBytes, size_t firstBytes) {
    Contents contents;
    struct stat info;
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0 || fstat(fd, &info) != 0) {
        const int error = errno;
        contents.Status = error == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        contents.Reason = Failure(Tr("cannot read {1}: {2}"), path, error);
        if (fd >= 0)
            close(fd);
        return contents;
    }
    int error = 0;
    if (!S_ISREG(info.st_mode)) {
        contents.Status = ReadStatus::NotRegular;
    } else if (static_cast<size_t>(info.st_size) > maxBytes) {
        contents.Status = ReadStatus::TooLarge;
    } else {
        // Room for the whole at once: a large file is not copied as it grows.
        contents.Text.reserve(std::min(static_cast<size_t>(info.st_size), firstBytes));
        contents.Status = ReadBounded(fd, maxBytes, firstBytes, contents.Text, error);
    }
    if (contents.Status == ReadStatus::NotRegular)
        contents.Reason = Catalogue::Fill(Tr("{1} is not a regular file"), {Log::Quoted(path)});
    else if (contents.Status == ReadStatus::TooLarge)
        contents.Reason =
            Catalogue::Fill(Tr("{1} is too large (over {2} bytes)"), {Log::Quoted(path), std::to_string(maxBytes)});
    else if (contents.Status == ReadStatus::Unreadable)
        contents.Reason = Failure(Tr("cannot read {1}: {2}"), path, error);
    if (contents.Status != ReadStatus::Read)
        contents.Text.clear();
    close(fd);
    return contents;
}

std::string AtomicFile::MoveAside(const std::string& path, const std::string& suffix, std::string& reason) {
    std::string damaged;
    if (!Resolve(path, damaged, reason))
        return "";
    return FirstFreeName(
        damaged, suffix, [&damaged](const std::string& target) { return RenameNoReplace(damaged, target); }, reason);
}

std::string AtomicFile::WriteAside(const std::string& path, const std::string& suffix, std::string_view text,
                                   std::string& reason) {
    std::string near;
    if (!Resolve(path, near, reason) || !MakeFolders(FolderOf(near), reason))
        return "";
    const std::string temporary = WriteTemporary(FolderOf(near), NameOf(near), text, 0644, reason);
    if (temporary.empty())
        return "";
    const std::string placed = FirstFreeName(
        near, suffix, [&temporary](const std::string& target) { return RenameNoReplace(temporary, target); }, reason);
    if (placed.empty())
        unlink(temporary.c_str());
    else
        SyncFolder(FolderOf(near));
    return placed;
}

int AtomicFile::RemoveLeftovers(const std::string& folder, const std::function<bool(std::string_view)>& ours) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return 0;
    int removed = 0;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= TemporaryTail + 1 || name.front() != '.' || name[name.size() - TemporaryTail] != '.' ||
            !std::all_of(name.end() - (TemporaryTail - 1), name.end(), IsTemporaryLetter) ||
            !ours(name.substr(1, name.size() - TemporaryTail - 1)))
            continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat info;
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && unlink(path.c_str()) == 0)
            ++removed;
    }
    closedir(listing);
    return removed;
}

int AtomicFile::RemoveLeftovers(const std::string& path) {
    std::string target, ignored;
    if (path.empty() || !Resolve(path, target, ignored))
        return 0;
    const std::string name = NameOf(target);
    return RemoveLeftovers(FolderOf(target), [&name](std::string_view leftover) { return leftover == name; });
}
