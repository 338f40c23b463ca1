#pragma once
// A fresh folder under the system's temporary folder, removed with all it holds, and the
// bytes of a file.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace smssim::test {

// The whole file, or nothing when it cannot be read.
inline std::string bytesOf(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

class TempDir {
  public:
    TempDir() {
        std::string name = (std::filesystem::temp_directory_path() / "smssim-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Every file and folder below by relative path, with the bytes of each file.
    std::map<std::string, std::string> contents() const {
        std::map<std::string, std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_))
            out[std::filesystem::relative(e.path(), path_).string()] =
                e.is_regular_file() ? bytesOf(e.path()) : "";
        return out;
    }

  private:
    std::filesystem::path path_;
};

} // namespace smssim::test
