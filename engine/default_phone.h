#pragma once
// Where the default phone definition is looked for: the working directory first, then
// the installed data folder, so the program starts from anywhere.

#include <string>
#include <vector>

namespace smssim {

inline constexpr const char* kDefaultPhoneFile = "Nokia 5110.bsd";

// The candidate paths in lookup order; `dataDir` may be empty.
std::vector<std::string> defaultPhoneCandidates(const std::string& dataDir);

// The first candidate that exists as a regular file, or the first candidate when none
// does (so the error names the file the user expects).
std::string findDefaultPhone(const std::string& dataDir);

} // namespace smssim
