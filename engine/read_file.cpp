#include "read_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smssim {

std::optional<int> readRegularFile(const std::string& path, std::size_t limit, std::string& data) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const auto fail = [fd](int error) {
        ::close(fd);
        return std::optional<int>(error);
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(errno);
    if (S_ISDIR(info.st_mode))
        return fail(EISDIR);
    if (!S_ISREG(info.st_mode))
        return fail(ENODEV);
    char buffer[65536];
    while (data.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return std::nullopt;
}

} // namespace smssim
