#pragma once
// Qt wants a private runtime folder (mode 0700); without a session there is none.

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace smssim::test {

inline void ensureRuntimeDir() {
    if (std::getenv("XDG_RUNTIME_DIR"))
        return;
    const std::string dir = "/tmp/smssim-runtime-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    ::chmod(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

} // namespace smssim::test
