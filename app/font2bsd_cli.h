#pragma once
// smssim-font2bsd's arguments: the font, --out and the phone's header values.

#include "file_batch.h"
#include "font_phone.h"
#include "problem.h"

#include <ostream>
#include <string>
#include <vector>

namespace smssim {

struct Font2bsdArguments {
    bool help = false; // print the usage and nothing else
    FontPhoneOptions options;
};

// The arguments without the program name, options also as --option=value.
Result<Font2bsdArguments> parseFont2bsdArguments(const std::vector<std::string>& args);

std::string font2bsdUsage();

// The whole program: the usage on `out` for --help, otherwise the phone made through
// `calls`, with problems and usage errors on `err`, one line each; the exit status.
int runFont2bsd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                FileSystemCalls& calls = realFileSystemCalls());

} // namespace smssim
