#pragma once
// A file system that fails the `nth` call of one step with an errno, for the message
// file, the save dialog and the picture export. From the nth write on, 7 more bytes go
// through and then every write fails, so a file is left half written. Records where
// the last file was opened.

#include "file_batch.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace smssim::test {

class FailingCalls : public FileSystemCalls {
  public:
    enum class Step { None, Open, Write, WriteNothing, Fsync, Close, Rename, Mkdir };
    FailingCalls(Step step, int error, int nth = 1) : step_(step), error_(error), nth_(nth) {}

    int open(const char* path, int flags, mode_t mode) override {
        opened = path;
        return fails(Step::Open) ? -1 : FileSystemCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (step_ == Step::WriteNothing)
            return errno = 0, 0;
        if (step_ != Step::Write || ++calls_ < nth_)
            return FileSystemCalls::write(fd, data, size);
        if (budget_ == 0)
            return errno = error_, -1;
        size = std::min(size, budget_);
        budget_ -= size;
        return FileSystemCalls::write(fd, data, size);
    }
    int fsync(int fd) override { return fails(Step::Fsync) ? -1 : FileSystemCalls::fsync(fd); }
    int close(int fd) override {
        const int result = FileSystemCalls::close(fd);
        return fails(Step::Close) ? -1 : result;
    }
    int rename(const char* from, const char* to) override {
        return fails(Step::Rename) ? -1 : FileSystemCalls::rename(from, to);
    }
    int mkdir(const char* path, mode_t mode) override {
        return fails(Step::Mkdir) ? -1 : FileSystemCalls::mkdir(path, mode);
    }

    std::string opened;

  private:
    bool fails(Step step) { return step_ == step && ++calls_ == nth_ && (errno = error_, true); }
    Step step_;
    int error_;
    int nth_;
    int calls_ = 0;
    std::size_t budget_ = 7;
};

} // namespace smssim::test
