#include "default_phone.h"

#include <filesystem>
#include <system_error>

namespace smssim {

std::vector<std::string> defaultPhoneCandidates(const std::string& dataDir) {
    std::vector<std::string> candidates{kDefaultPhoneFile};
    if (!dataDir.empty())
        candidates.push_back((std::filesystem::path(dataDir) / kDefaultPhoneFile).string());
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
