#pragma once
// One shape for every failure that crosses a boundary: a value, or the German reason it
// could not be had, with the exit status a command-line program ends with for it. The
// windows show the reason and go on.

#include <expected>
#include <string>
#include <string_view>
#include <utility>

namespace smssim {

enum class ExitStatus : int {
    Ok = 0,
    Unusable = 1,     // a file, a value or a text that cannot be used
    Usage = 2,        // arguments that do not fit together
    TooManyParts = 3, // the message needs more SMS parts than allowed
};

struct Problem {
    std::string reason; // German; may break lines, as the window's boxes show it
    ExitStatus status = ExitStatus::Unusable;
    friend bool operator==(const Problem&, const Problem&) = default;
};

template <class T = void> using Result = std::expected<T, Problem>;

// `return fail("...")` in a function returning any Result.
inline std::unexpected<Problem> fail(std::string reason, ExitStatus status = ExitStatus::Unusable) {
    return std::unexpected(Problem{std::move(reason), status});
}

inline int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

// How every file failure reads: "<what> „<name>“ kann nicht <verb> werden.", then the
// line when there is one (0: the file as a whole) and the reason.
inline std::unexpected<Problem> fileProblem(std::string_view what, const std::string& name,
                                            std::string_view verb, const std::string& reason,
                                            int line = 0) {
    std::string text =
        std::string(what) + " „" + name + "“ kann nicht " + std::string(verb) + " werden.\n";
    if (line > 0)
        text += "Zeile " + std::to_string(line) + ": ";
    return fail(text + reason + ".");
}

} // namespace smssim
