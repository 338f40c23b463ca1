#pragma once
// smssim-render: lays a message out on a phone's display without a window.

#include "letters_left.h"
#include "phone_loader.h"
#include "picture_export.h"
#include "pixel_grid.h"
#include "problem.h"
#include "renderer.h"
#include "sms_check.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace smssim {

enum class RenderFormat { Dots, Ascii, Png, Json, Gif, Sheet, Xbm, Pbm, C };
enum class MessageSource { Text, TextFile, MessageFile };

struct RenderOptions {
    bool help = false; // print the usage and nothing else
    std::optional<std::string> phone;
    bool paragraphs = false;
    int picture = 1;
    int maxLength = kDefaultMaxLength;
    std::optional<int> maxParts; // exit status 3 beyond this many SMS parts
    bool smart = false;          // the cost also with the look-alikes replaced
    NationalLanguages national;  // whose tables the receiving network supports
    MessageSource source = MessageSource::Text;
    std::string message; // the text itself, or a file name
    RenderFormat format = RenderFormat::Dots;
    std::optional<std::string> out;
    bool allPictures = false; // png, xbm, pbm: every picture into the folder --out
    int scale = 1;            // png, gif and sheet enlarged by whole pixels
    int delayMs = kDefaultGifDelayMs;
    int columns = kDefaultSheetColumns;
    std::string name = "bild";          // xbm and c: the C identifiers
    ByteOrder bytes = ByteOrder::Pages; // c: the bytes of a picture
    // Not an argument: set by runRenderCommand. A picture is not printed to a terminal.
    bool outputIsTerminal = false;
};

// The arguments without the program name, options also as --option=value.
Result<RenderOptions> parseRenderArguments(const std::vector<std::string>& args);

// Runs one rendering; `dataDir` is where the default phone is looked for after the
// working directory. Returns the exit status.
int runRender(const RenderOptions& options, const std::string& dataDir, std::ostream& out,
              std::ostream& err);

std::string renderUsage();

// The whole program on its arguments (without the program name): usage errors and other
// reasons on `err`, one line each; the exit status. A picture is not printed to a
// terminal.
int runRenderCommand(const std::vector<std::string>& args, const std::string& dataDir,
                     bool outputIsTerminal, std::ostream& out, std::ostream& err);

// The JSON report of a message (Windows-1252) on the loaded phone, as --format json
// prints it; `state` holds the phone, Absaetze and the Bildversatz of the chosen picture.
// `smart` adds the cost with the look-alikes replaced.
std::string jsonReport(Module1& state, const PhoneLists& lists, std::string_view text,
                       int maxLength, NationalLanguages national = {}, bool smart = false);

} // namespace smssim
