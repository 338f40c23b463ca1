#pragma once
// Reads a whole regular file of bounded size: the phone and message readers share it.

#include <cstddef>
#include <optional>
#include <string>

namespace smssim {

// Reads at most `limit` + 1 bytes into `data`, so an oversized file shows as longer than
// the limit without being read whole. The open does not block, so a pipe never waits
// for a writer. Returns the errno of a failure: EISDIR for a folder, ENODEV for anything
// else that is not a regular file.
std::optional<int> readRegularFile(const std::string& path, std::size_t limit, std::string& data);

} // namespace smssim
