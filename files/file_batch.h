#pragma once
// Files that appear complete or not at all. Each file is written to a temporary file
// beside its target; only when every one of them is complete on disk are they renamed
// into place. A failure or an abandoned batch removes what the batch wrote, and files
// that were replaced are put back, so existing files stay as they were.

#include "problem.h"

#include <cstddef>
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

// How a file that cannot be written is told: "Die Datei „path“ kann nicht <verb> werden."
// on one line, the reason on the next. A message is "gespeichert", any other file
// "geschrieben".
std::unexpected<Problem> notWritten(const std::string& path, const std::string& reason,
                                    std::string_view verb = "geschrieben");

// A failure names the file or folder as the caller gave it, with the German reason.
class FileBatch {
  public:
    explicit FileBatch(FileSystemCalls& calls = realFileSystemCalls(),
                       std::string_view verb = "geschrieben");
    ~FileBatch(); // abandons what is not committed
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Makes `path` and any missing folders above it; those made are removed again when
    // the batch fails or is abandoned.
    Result<> makeFolders(const std::string& path);
    // Writes `bytes` to a temporary file beside `path`.
    Result<> add(const std::string& path, std::string_view bytes);
    // Renames every file into place; on a failure puts back what it replaced.
    Result<> commit();
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
    Result<> writeTemporary(Pending& file, std::string_view bytes, mode_t mode);
    Result<> moveIntoPlace(Pending& file, bool keepBackup);
    void rollBack(std::size_t placed);
    std::unexpected<Problem> failed(const std::string& path, int error) const;

    FileSystemCalls& calls_;
    std::string_view verb_;
    std::vector<Pending> files_;
    std::vector<std::string> madeFolders_;
    bool done_ = false;
};

// One file, written whole or not at all: the one way every program replaces a file.
Result<> writeWholeFile(const std::string& path, std::string_view bytes,
                        FileSystemCalls& calls = realFileSystemCalls(),
                        std::string_view verb = "geschrieben");

} // namespace smssim
