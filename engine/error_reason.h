#pragma once
// German reasons for failed system calls, one wording for every file the program reads
// or writes. The caller's own sentence names the file and what could not be done.

#include <string>

namespace smssim {

enum class FileAccess { Lesen, Schreiben };

// German description of an errno value. A missing path reads differently when reading
// (the file is missing) and when writing (its folder is).
std::string germanErrorReason(int error, FileAccess access);

} // namespace smssim
