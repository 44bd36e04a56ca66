#include "keep/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

void (*AtomicFile::BeforeRename)(const std::string&) = nullptr;

namespace {
std::string Failure(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
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

// Reads to the end into `text`: TooLarge past `maxBytes` (the file may have
// grown since it was measured), Unreadable with `error` set when a read fails.
AtomicFile::ReadStatus ReadBounded(int fd, size_t maxBytes, std::string& text, int& error) {
    char chunk[4096];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
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
}  // namespace

bool AtomicFile::MakeFolders(const std::string& folder, std::string& reason) {
    for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string prefix = folder.substr(0, end);
        if (!prefix.empty() && !IsFolder(prefix) && mkdir(prefix.c_str(), 0755) != 0 &&
            !(errno == EEXIST && IsFolder(prefix))) {
            reason = Failure("cannot create the folder", prefix, errno == EEXIST ? ENOTDIR : errno);
            return false;
        }
        if (end == std::string::npos)
            return true;
    }
}

bool AtomicFile::Write(const std::string& path, std::string_view text, std::string& reason) {
    if (path.empty() || path.back() == '/') {
        reason = "no file name given to write";
        return false;
    }
    struct stat old;
    const bool hadOld = stat(path.c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode)) {
        reason = path + " is not a regular file";
        return false;
    }
    const std::string folder = FolderOf(path);
    if (!MakeFolders(folder, reason))
        return false;
    std::string temporary = folder + "/." + NameOf(path) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        reason = Failure("cannot create a file in", folder, errno);
        return false;
    }
    // mkstemp makes the file private; the player's file keeps its mode.
    const mode_t mode = hadOld ? (old.st_mode & 07777) : 0644;
    bool done = FillTemporary(fd, text, mode);
    if (done && BeforeRename != nullptr)
        BeforeRename(temporary);
    done = done && rename(temporary.c_str(), path.c_str()) == 0;
    if (!done) {
        reason = Failure("cannot write", path, errno);
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

AtomicFile::Contents AtomicFile::Read(const std::string& path, size_t maxBytes) {
    Contents contents;
    struct stat info;
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0 || fstat(fd, &info) != 0) {
        const int error = errno;
        contents.Status = error == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        contents.Reason = Failure("cannot read", path, error);
        if (fd >= 0)
            close(fd);
        return contents;
    }
    int error = 0;
    if (!S_ISREG(info.st_mode))
        contents.Status = ReadStatus::NotRegular;
    else if (static_cast<size_t>(info.st_size) > maxBytes)
        contents.Status = ReadStatus::TooLarge;
    else
        contents.Status = ReadBounded(fd, maxBytes, contents.Text, error);
    if (contents.Status == ReadStatus::NotRegular)
        contents.Reason = path + " is not a regular file";
    else if (contents.Status == ReadStatus::TooLarge)
        contents.Reason = path + " is too large (over " + std::to_string(maxBytes) + " bytes)";
    else if (contents.Status == ReadStatus::Unreadable)
        contents.Reason = Failure("cannot read", path, error);
    if (contents.Status != ReadStatus::Read)
        contents.Text.clear();
    close(fd);
    return contents;
}

std::string AtomicFile::MoveAside(const std::string& path, const std::string& suffix, std::string& reason) {
    // A bound, so a folder full of old damaged files cannot loop for long.
    for (int n = 0; n < 1000; ++n) {
        std::string target = path + suffix;
        if (n > 0)
            target.append(".").append(std::to_string(n));
        if (RenameNoReplace(path, target))
            return target;
        if (errno != EEXIST) {
            reason = Failure("cannot move aside", path, errno);
            return "";
        }
    }
    reason = "cannot move aside " + path + ": too many older copies";
    return "";
}
