// The output formats of milden-lookup as back ends: one formatter per format (plain text, JSON
// Lines) writes every kind of record the tool prints, and the modes only say what to print.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/diagnostic.h"
#include "check/source_file.h"
#include "cli/diff.h"
#include "engine/toolkit_services.h"

namespace milden::cli {

struct DiagnosticStyle {
    bool color = false;        // SGR colours as compilers use them
    bool sourceLines = false;  // each place's line of the file with a caret under the item
    check::ColumnUnit columnUnit = check::ColumnUnit::Display;
};

// The file the diagnostics of --check are about, and how they are shown.
struct DiagnosticSource {
    std::string_view shownFile;       // the file's name as the user gave it, safe for a terminal
    const check::SourceFile& source;  // its bytes, for columns and source lines
    DiagnosticStyle style;
};

// Each member appends one record to out, in UTF-8.
class OutputFormat {
public:
    virtual ~OutputFormat() = default;

    // A lookup: the input (nothing for one too long to keep), then the box it shows, or why it
    // could not be read, or NoBox when it showed none. A box's bytes depend on the box alone.
    virtual void BeginInput(std::string& out, std::optional<std::string_view> input) const = 0;
    virtual void Box(std::string& out, std::u16string_view prompt, BoxStyle style,
                     std::optional<std::u16string_view> title) const = 0;
    virtual void Unreadable(std::string& out, std::string_view why) const = 0;
    virtual void NoBox(std::string& out) const = 0;

    // --dump: the header, then one row per block (answer in UTF-8).
    virtual void DumpHeader(std::string& out) const = 0;
    virtual void DumpRow(std::string& out, Range range, std::size_t block, std::string_view answer) const = 0;

    // --diff: one record per run of changed blocks, then the summary.
    virtual void DiffRun(std::string& out, const ChangedRun& run) const = 0;
    virtual void DiffSummary(std::string& out, std::size_t blocks, std::size_t runs) const = 0;

    // --check: one record per diagnostic, shown with severity, then the summary.
    virtual void Diagnostic(std::string& out, const DiagnosticSource& source, const check::Diagnostic& diagnostic,
                            check::Severity severity) const = 0;
    virtual void CheckSummary(std::string& out, std::string_view shownFile, std::size_t errors,
                              std::size_t warnings) const = 0;
};

// Calls each with every line of a box's prompt, cut at its carriage returns.
template <typename Each>
void ForEachPromptLine(std::u16string_view prompt, Each each) {
    for (;;) {
        const std::size_t cr = prompt.find(u'\r');
        each(prompt.substr(0, cr));
        if (cr == std::u16string_view::npos) return;
        prompt.remove_prefix(cr + 1);
    }
}

// Text: a box's lines one per line, CSV rows, "OLD -> NEW" lines, diagnostics as compilers write
// them, each list closed by a summary line.
const OutputFormat& TextFormat();
// JSON Lines: one object per record, and no summaries.
const OutputFormat& JsonLinesFormat();
inline const OutputFormat& OutputFormatOf(bool json) { return json ? JsonLinesFormat() : TextFormat(); }

}  // namespace milden::cli
