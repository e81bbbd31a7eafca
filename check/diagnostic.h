// What the checker found, in the form compilers use: a code, a place, a message and notes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "check/codes.h"
#include "lookup/load_observer.h"

namespace milden::check {

// Context for a diagnostic, at a place of its own or (line 0) none.
struct Note {
    ItemPosition at;
    std::string text;
};

struct Diagnostic {
    Code code;
    ItemPosition at;      // of the item concerned; line 0: the file as a whole
    std::string message;  // one sentence, UTF-8, safe for a terminal
    std::vector<Note> notes = {};
};

// Placeless first, then in the order of the file.
bool Before(const ItemPosition& a, const ItemPosition& b);

// The diagnostics given, at most keptPerCode of each code (the first in the file; 0: all), the
// others only counted, so that a file of millions of faults gives a screenful and takes little
// memory. Codes that are ignored are neither kept nor counted.
class Diagnostics {
public:
    static constexpr std::size_t kDefaultKeptPerCode = 20;

    explicit Diagnostics(std::size_t keptPerCode = kDefaultKeptPerCode) : keptPerCode_(keptPerCode) {}
    void Ignore(Code code) { ignored_[OrdinalOf(code)] = true; }

    void Add(Diagnostic diagnostic);

    // How many of code were given, kept or not.
    std::size_t CountOf(Code code) const { return counts_[OrdinalOf(code)]; }
    std::size_t CountOf(Severity severity) const;
    // The kept diagnostics, placeless first and then in the order of the file.
    std::vector<Diagnostic> Kept();

private:
    void Trim(std::vector<Diagnostic>& kept) const;

    std::size_t keptPerCode_;
    std::array<bool, kCodes.size()> ignored_{};
    std::array<std::size_t, kCodes.size()> counts_{};
    std::array<std::vector<Diagnostic>, kCodes.size()> kept_;
};

// Text of the data file or of the format for a message: in double quotes, cut after 40
// characters, safe for a terminal.
std::string Quote(std::u16string_view text);
std::string Quote(std::string_view ascii);

}  // namespace milden::check
