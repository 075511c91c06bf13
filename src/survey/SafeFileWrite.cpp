#include "survey/SafeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace oskava {

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file in the directory, created with the permissions the user's umask gives.
// Its name is short, so that a target name near the length limit still works.
int CreateTemporary(const std::string& directory, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + "/.oskava-save-" + std::to_string(getpid()) + "-" +
               std::to_string(++counter);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// The rename is durable only once the directory entry is on disk; a failure here
// does not undo a save that has already replaced the file.
void SyncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Saving through a symbolic link replaces the file it points to; replacing the link
// itself would leave the user's file unchanged and their link gone.
std::string FileBehindLinks(const std::string& path) {
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return path;
    }
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return path;
    }
    std::string target(resolved);
    std::free(resolved);
    return target;
}

}  // namespace

bool WriteFileSafely(const std::string& requestedPath, const std::string& bytes,
                     std::string& reason) {
    const std::string path = FileBehindLinks(requestedPath);
    struct stat existing {};
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists && access(path.c_str(), W_OK) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    const std::string directory = DirectoryOf(path);
    std::string temporary;
    const int fd = CreateTemporary(directory, temporary);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && exists && S_ISREG(existing.st_mode)) {
        ok = fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        reason = std::strerror(error);
        return false;
    }
    SyncDirectory(directory);
    return true;
}

}  // namespace oskava
