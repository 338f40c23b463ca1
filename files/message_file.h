#pragma once
// Message files: the text of one message, one character per line, stored back to front.
//
//  - Line k holds the Windows-1252 code of the k-th character counted from the end, as
//    decimal ASCII digits without sign, leading zeros or blanks; every line ends with
//    CR LF. A message of N characters is N lines; the empty message is a 0-byte file.
//  - A paragraph break (CR LF) is two characters like any other, so it is stored as the
//    lines 10 and 13.
//  - Reading takes delimited fields (fields.h): commas separate fields as well as line
//    ends, spaces and tabs before a field are skipped, a fraction is rounded half to even.
//    Empty and blank fields are skipped. A field that is no number, or a number outside
//    0..255, or a double quote left open refuses the whole file.
//  - A leading UTF-8 byte order mark is skipped (an editor's UTF-8 copy holds the same
//    ASCII digits). Files over kMaxMessageFileSize and anything but a regular file
//    (a device or pipe could be read forever) are refused.
//
// Errors are returned, never thrown. Saving goes through a temporary file beside the
// target that is renamed over it, so a failed save leaves an existing file as it was.

#include "file_batch.h"
#include "problem.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace smssim {

// At least 1.6 million characters, far beyond any message typed by hand.
inline constexpr std::size_t kMaxMessageFileSize = 8 * 1024 * 1024; // bytes, inclusive

// The file contents for `text` (Windows-1252 bytes).
std::string messageFileBytes(std::string_view text);

// The message as Windows-1252 bytes, or why it cannot be read: the reason names the
// file, the line and what is wrong. `name` is used in the reason.
Result<std::string> NachrichtLesenAusDaten(std::string_view data, const std::string& name);

Result<std::string> NachrichtLesen(const std::string& path);

// The reason a file that could not be opened is refused with, worded as the reader's.
std::unexpected<Problem> unreadableFile(const std::string& path, int error);

// Writes `text` (Windows-1252 bytes) to `path`, replacing an existing file only when
// the new contents are complete on disk.
Result<> NachrichtSchreiben(const std::string& path, std::string_view text,
                            FileSystemCalls& calls = realFileSystemCalls());

} // namespace smssim
