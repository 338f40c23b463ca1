#pragma once
// Where the default phone definition is looked for: the working directory first, then
// the data folder beside the running program (../share/smssim/phones, which holds for
// an install and for the build tree alike), then the configured data folder, so the
// program starts from anywhere.

#include <string>
#include <vector>

namespace smssim {

inline constexpr const char* kDefaultPhoneFile = "Nokia 5110.bsd";

// The phones folder relative to the running program, or "" when it cannot be told.
std::string programDataDir();

// The candidate paths in lookup order; `dataDir` may be empty.
std::vector<std::string> defaultPhoneCandidates(const std::string& dataDir);

// The first candidate that exists as a regular file, or the first candidate when none
// does (so the error names the file the user expects).
std::string findDefaultPhone(const std::string& dataDir);

} // namespace smssim
