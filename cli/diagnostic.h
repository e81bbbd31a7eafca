// Warnings about a data file, in the form compilers use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/load_observer.h"

namespace milden::cli {

struct Diagnostic {
    ItemPosition at;   // of the item concerned; line 0: the fault has no place in the file
    std::string text;  // one short sentence, UTF-8, safe for a terminal
};

// The warnings found, in the order found. Past kKeptLimit those with a place are only counted,
// so that a file of millions of stray items cannot take the memory of millions of warnings.
class Diagnostics {
public:
    static constexpr std::size_t kKeptLimit = 10000;

    void Add(ItemPosition at, std::string text) {
        if (kept_.size() < kKeptLimit || at.line == 0) kept_.push_back({at, std::move(text)});
        ++count_;
    }
    std::size_t count() const { return count_; }
    std::vector<Diagnostic>& kept() { return kept_; }

private:
    std::vector<Diagnostic> kept_;
    std::size_t count_ = 0;
};

// "FILE:LINE:COLUMN: warning: TEXT", or "FILE: warning: TEXT" without a place, one a line:
// those without a place first, then in the order of the file. Then the summary line.
void AppendDiagnostics(std::string_view shownFile, Diagnostics& diagnostics, std::string& out);

// Text of the data file or of the format for a warning: in double quotes, cut after 40
// characters, safe for a terminal.
std::string Quote(std::u16string_view text);
std::string Quote(std::string_view ascii);

}  // namespace milden::cli
