#pragma once
// smssim-render: lays a message out on a phone's display without a window.

#include "renderer.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace smssim {

enum class RenderFormat { Dots, Ascii, Png };
enum class MessageSource { Text, TextFile, MessageFile };

struct RenderOptions {
    bool help = false; // print the usage and nothing else
    std::optional<std::string> phone;
    bool paragraphs = false;
    double picture = 1;
    double maxLength = kDefaultMaxLength;
    MessageSource source = MessageSource::Text;
    std::string message; // the text itself, or a file name
    RenderFormat format = RenderFormat::Dots;
    std::optional<std::string> out;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitUnusable = 1;
inline constexpr int kExitUsage = 2;

// The arguments without the program name, options also as --option=value; a string is
// the usage error.
std::variant<RenderOptions, std::string> parseRenderArguments(const std::vector<std::string>& args);

// Runs one rendering; `dataDir` is where the default phone is looked for after the
// working directory. Returns the exit status.
int runRender(const RenderOptions& options, const std::string& dataDir, std::ostream& out,
              std::ostream& err);

std::string renderUsage();

} // namespace smssim
