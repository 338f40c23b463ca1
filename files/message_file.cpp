#include "message_file.h"

#include "cp1252.h"
#include "error_reason.h"
#include "fields.h"
#include "numbers.h"
#include "read_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace smssim {

int FileSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileSystemCalls::close(int fd) {
    return ::close(fd);
}
int FileSystemCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

FileSystemCalls& realFileSystemCalls() {
    static FileSystemCalls calls;
    return calls;
}

std::string MessageFileError::text() const {
    std::string out = "Die Datei „" + datei + "“ kann nicht " +
                      (vorgang == Operation::Lesen ? "gelesen" : "gespeichert") + " werden.\n";
    if (zeile > 0)
        out += "Zeile " + std::to_string(zeile) + ": ";
    return out + grund + ".";
}

std::string messageFileBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 5);
    // Reversed: the file holds the message last character first.
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        out += std::to_string(static_cast<unsigned char>(*it));
        out += "\r\n";
    }
    return out;
}

namespace {

std::string shownField(std::string_view cp1252) {
    return quotedForDisplay(cp1252);
}

// A number can be as long as the file: cut it as shownField does.
std::string shownNumber(std::string_view number) {
    if (number.size() <= kShownFieldLength)
        return std::string(number);
    return std::string(number.substr(0, kShownFieldLength)) + "…";
}

MessageFileError readError(const std::string& name, int line, std::string reason) {
    return {MessageFileError::Operation::Lesen, name, line, std::move(reason)};
}

MessageFileError writeError(const std::string& name, int error) {
    return {MessageFileError::Operation::Schreiben, name, 0,
            germanErrorReason(error, FileAccess::Schreiben)};
}

// Writes everything, going on after short writes.
bool writeAll(FileSystemCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A link is replaced through what it points to, so the link itself survives.
std::string resolvedTarget(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // Short enough that a name near the length limit still leaves room for the suffix.
    const std::string base =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    return dir + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

} // namespace

MessageReadResult NachrichtLesenAusDaten(std::string_view data, const std::string& name) {
    if (data.size() > kMaxMessageFileSize)
        return readError(name, 0,
                         "Die Datei ist größer als 8 MB (" + std::to_string(kMaxMessageFileSize) +
                             " Bytes); so lang ist keine Nachricht");
    if (data.starts_with("\xEF\xBB\xBF"))
        data.remove_prefix(3);
    std::string text;
    FieldReader reader(data, Blanks::SpacesAndTabs);
    while (!reader.atEnd()) {
        const Field field = reader.next();
        if (field.quoted && !field.closed)
            return readError(name, field.line, "Das Anführungszeichen wird nicht geschlossen");
        if (field.text.empty())
            continue;
        const auto number = parseNumber(field.text);
        if (!number)
            return readError(name, field.line, shownField(field.text) + " ist kein Zeichencode");
        const auto code = toLong(*number);
        if (!code || *code < 0 || *code > 255)
            return readError(name, field.line,
                             shownNumber(field.text) + " liegt nicht zwischen 0 und 255");
        text.push_back(static_cast<char>(static_cast<unsigned char>(*code)));
    }
    // Reversed: the file holds the message last character first.
    return std::string(text.rbegin(), text.rend());
}

MessageReadResult NachrichtLesen(const std::string& path) {
    std::string data;
    if (const auto error = readRegularFile(path, kMaxMessageFileSize, data))
        return readError(path, 0, germanErrorReason(*error, FileAccess::Lesen));
    return NachrichtLesenAusDaten(data, path);
}

std::optional<MessageFileError> NachrichtSchreiben(const std::string& path, std::string_view text,
                                                   FileSystemCalls& calls) {
    const std::string target = resolvedTarget(path);
    if (target.empty() || target.back() == '/')
        return writeError(path, EISDIR);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return writeError(path, EISDIR);
        // The rename would replace a read-only file; refuse as opening it would.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return writeError(path, errno);
    }

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(target);
        fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return writeError(path, errno);

    const auto fail = [&](bool open) {
        const int error = errno;
        if (open)
            calls.close(fd);
        ::unlink(temp.c_str());
        return writeError(path, error);
    };
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    if (!writeAll(calls, fd, messageFileBytes(text)) || calls.fsync(fd) != 0)
        return fail(true);
    if (calls.close(fd) != 0 || calls.rename(temp.c_str(), target.c_str()) != 0)
        return fail(false);
    return std::nullopt;
}

} // namespace smssim
