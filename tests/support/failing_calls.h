#pragma once
// A save whose file system fails one step with an errno, for the message file and the
// save dialog. A write fails after 7 bytes went through, so the temporary file is left
// half written. Records where the temporary file was made.

#include "message_file.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace smssim::test {

class FailingCalls : public FileSystemCalls {
  public:
    enum class Step { None, Write, WriteNothing, Fsync, Close, Rename, Open };
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int open(const char* path, int flags, mode_t mode) override {
        opened = path;
        return fails(Step::Open) ? -1 : FileSystemCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (step_ == Step::WriteNothing)
            return errno = 0, 0;
        if (step_ != Step::Write)
            return FileSystemCalls::write(fd, data, size);
        if (fails(Step::Write) && budget_ == 0)
            return -1;
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

    std::string opened;

  private:
    bool fails(Step step) { return step_ == step && (errno = error_, true); }
    Step step_;
    int error_;
    std::size_t budget_ = 7;
};

} // namespace smssim::test
