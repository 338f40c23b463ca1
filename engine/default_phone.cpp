#include "default_phone.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace smssim {

std::string programDataDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return {};
    return (exe.parent_path().parent_path() / "share" / "smssim" / "phones").string();
}

std::vector<std::string> defaultPhoneCandidates(const std::string& dataDir) {
    std::vector<std::string> candidates{kDefaultPhoneFile};
    for (const auto& dir : {programDataDir(), dataDir}) {
        if (dir.empty())
            continue;
        auto path = (std::filesystem::path(dir) / kDefaultPhoneFile).string();
        if (std::find(candidates.begin(), candidates.end(), path) == candidates.end())
            candidates.push_back(std::move(path));
    }
    return candidates;
}

std::string findDefaultPhone(const std::string& dataDir) {
    const auto candidates = defaultPhoneCandidates(dataDir);
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return candidate;
    }
    return candidates.front();
}

} // namespace smssim
