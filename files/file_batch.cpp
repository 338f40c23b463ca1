#include "file_batch.h"

#include "error_reason.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace smssim {

int FileSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileSystemCalls::close(int fd) {
    return ::close(fd);
}
int FileSystemCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}
int FileSystemCalls::mkdir(const char* path, mode_t mode) {
    return ::mkdir(path, mode);
}

FileSystemCalls& realFileSystemCalls() {
    static FileSystemCalls calls;
    return calls;
}

namespace {

// Writes everything, going on after short writes.
bool writeAll(FileSystemCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A link is replaced through what it points to, so the link itself survives.
std::string resolvedTarget(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // Short enough that a name near the length limit still leaves room for the suffix.
    const std::string base =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    return dir + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

std::unexpected<Problem> folderNotMade(const std::string& folder, int error) {
    return fileProblem("Der Ordner", folder, "angelegt",
                       germanErrorReason(error, FileAccess::Schreiben));
}

} // namespace

std::unexpected<Problem> notWritten(const std::string& path, const std::string& reason,
                                    std::string_view verb) {
    return fileProblem("Die Datei", path, verb, reason);
}

FileBatch::FileBatch(FileSystemCalls& calls, std::string_view verb) : calls_(calls), verb_(verb) {}

std::unexpected<Problem> FileBatch::failed(const std::string& path, int error) const {
    return notWritten(path, germanErrorReason(error, FileAccess::Schreiben), verb_);
}

FileBatch::~FileBatch() {
    if (!done_)
        abandon();
}

Result<> FileBatch::makeFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = path.substr(0, end);
        struct stat existing {};
        if (::stat(folder.c_str(), &existing) == 0) {
            if (!S_ISDIR(existing.st_mode))
                return folderNotMade(folder, ENOTDIR);
        } else if (calls_.mkdir(folder.c_str(), 0777) == 0) {
            madeFolders_.push_back(folder);
        } else if (errno != EEXIST) {
            return folderNotMade(folder, errno);
        }
        if (end == std::string::npos || end + 1 >= path.size())
            return {};
    }
}

Result<> FileBatch::add(const std::string& path, std::string_view bytes) {
    Pending file{path, resolvedTarget(path), {}, {}, false};
    if (file.target.empty() || file.target.back() == '/')
        return failed(path, EISDIR);
    struct stat existing {};
    file.existed = ::stat(file.target.c_str(), &existing) == 0;
    if (file.existed) {
        if (S_ISDIR(existing.st_mode))
            return failed(path, EISDIR);
        // The rename would replace a read-only file; refuse as opening it would.
        if (::faccessat(AT_FDCWD, file.target.c_str(), W_OK, AT_EACCESS) != 0)
            return failed(path, errno);
    }
    if (auto written = writeTemporary(file, bytes, file.existed ? existing.st_mode & 07777 : 0);
        !written)
        return written;
    files_.push_back(std::move(file));
    return {};
}

// `mode` 0: a new file, with the permissions the umask gives.
Result<> FileBatch::writeTemporary(Pending& file, std::string_view bytes, mode_t mode) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        file.temp = temporaryName(file.target);
        fd = calls_.open(file.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failed(file.given, errno);
    const auto removed = [&](bool open) {
        const int error = errno;
        if (open)
            calls_.close(fd);
        ::unlink(file.temp.c_str());
        return failed(file.given, error);
    };
    if (mode != 0)
        ::fchmod(fd, mode);
    if (!writeAll(calls_, fd, bytes) || calls_.fsync(fd) != 0)
        return removed(true);
    if (calls_.close(fd) != 0)
        return removed(false);
    return {};
}

Result<> FileBatch::commit() {
    // One file replaces its old self in a single rename; of several, each replaced file
    // is kept aside until all are in place.
    const bool keepBackups = files_.size() > 1;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (auto placed = moveIntoPlace(files_[i], keepBackups); !placed) {
            rollBack(i);
            files_.erase(files_.begin(), files_.begin() + static_cast<std::ptrdiff_t>(i));
            abandon();
            return placed;
        }
    }
    for (const Pending& file : files_)
        if (!file.backup.empty())
            ::unlink(file.backup.c_str());
    files_.clear();
    madeFolders_.clear();
    done_ = true;
    return {};
}

Result<> FileBatch::moveIntoPlace(Pending& file, bool keepBackup) {
    if (keepBackup && file.existed) {
        const std::string backup = temporaryName(file.target);
        if (calls_.rename(file.target.c_str(), backup.c_str()) != 0)
            return failed(file.given, errno);
        file.backup = backup;
    }
    if (calls_.rename(file.temp.c_str(), file.target.c_str()) != 0) {
        const auto failure = failed(file.given, errno);
        if (!file.backup.empty())
            ::rename(file.backup.c_str(), file.target.c_str());
        return failure;
    }
    return {};
}

void FileBatch::rollBack(std::size_t placed) {
    while (placed-- > 0) {
        const Pending& file = files_[placed];
        if (!file.backup.empty())
            ::rename(file.backup.c_str(), file.target.c_str());
        else
            ::unlink(file.target.c_str());
    }
}

void FileBatch::abandon() {
    for (const Pending& file : files_)
        ::unlink(file.temp.c_str());
    files_.clear();
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it)
        ::rmdir(it->c_str());
    madeFolders_.clear();
    done_ = true;
}

Result<> writeWholeFile(const std::string& path, std::string_view bytes, FileSystemCalls& calls,
                        std::string_view verb) {
    FileBatch batch(calls, verb);
    if (auto added = batch.add(path, bytes); !added)
        return added;
    return batch.commit();
}

} // namespace smssim
