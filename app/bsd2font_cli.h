#pragma once
// smssim-bsd2font's arguments: the phone, --out, the font format and its C name.

#include "file_batch.h"
#include "font_export.h"
#include "phone_loader.h"
#include "problem.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace smssim {

struct Bsd2fontArguments {
    bool help = false; // print the usage and nothing else
    std::string phone;
    std::string out;
    FontFormat format = FontFormat::Bdf;
    std::string name = "smssim";
};

// The arguments without the program name, options also as --option=value.
Result<Bsd2fontArguments> parseBsd2fontArguments(const std::vector<std::string>& args);

std::string bsd2fontUsage();

// The whole program: the usage on `out` for --help, otherwise the font written through
// `calls`, with problems and usage errors on `err`, one line each; the exit status.
int runBsd2font(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                FileSystemCalls& calls = realFileSystemCalls());

} // namespace smssim
