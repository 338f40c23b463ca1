#pragma once
// A fresh folder under the system's temporary folder, removed with all it holds.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace smssim::test {

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
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_)) {
            std::ostringstream bytes;
            if (e.is_regular_file())
                bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
            out[std::filesystem::relative(e.path(), path_).string()] = bytes.str();
        }
        return out;
    }

  private:
    std::filesystem::path path_;
};

} // namespace smssim::test
