#pragma once
// Files that appear complete or not at all. Each file is written to a temporary file
// beside its target; only when every one of them is complete on disk are they renamed
// into place. A failure or an abandoned batch removes what the batch wrote, and files
// that were replaced are put back, so existing files stay as they were.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace smssim {

// The system calls the writer makes; tests substitute one that fails part of the way.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int mkdir(const char* path, mode_t mode);
};

FileSystemCalls& realFileSystemCalls();

// Which file or folder failed, with the errno of the failure.
struct WriteFailure {
    std::string datei; // the path as given (UTF-8)
    int error = 0;
    bool folder = false; // a folder could not be made
};

class FileBatch {
  public:
    explicit FileBatch(FileSystemCalls& calls = realFileSystemCalls());
    ~FileBatch(); // abandons what is not committed
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Makes `path` and any missing folders above it; those made are removed again when
    // the batch fails or is abandoned.
    std::optional<WriteFailure> makeFolders(const std::string& path);
    // Writes `bytes` to a temporary file beside `path`.
    std::optional<WriteFailure> add(const std::string& path, std::string_view bytes);
    // Renames every file into place; on a failure puts back what it replaced.
    std::optional<WriteFailure> commit();
    // Removes the temporary files and the folders made.
    void abandon();

  private:
    struct Pending {
        std::string given;  // as the caller named it
        std::string target; // through a link to what it points to
        std::string temp;
        std::string backup; // where the replaced file waits until the commit is done
        bool existed = false;
    };
    std::optional<WriteFailure> writeTemporary(Pending& file, std::string_view bytes, mode_t mode);
    std::optional<WriteFailure> moveIntoPlace(Pending& file, bool keepBackup);
    void rollBack(std::size_t placed);

    FileSystemCalls& calls_;
    std::vector<Pending> files_;
    std::vector<std::string> madeFolders_;
    bool done_ = false;
};

// One file, written whole or not at all: the one way every program replaces a file.
std::optional<WriteFailure> writeWholeFile(const std::string& path, std::string_view bytes,
                                           FileSystemCalls& calls = realFileSystemCalls());

} // namespace smssim
