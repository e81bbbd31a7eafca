// The checker's diagnostics as text in the form compilers use, or as JSON Lines.
#pragma once

#include <string>
#include <string_view>

#include "check/diagnostic.h"
#include "check/source_file.h"

namespace milden::cli {

struct DiagnosticStyle {
    bool json = false;
    bool color = false;        // SGR colours as compilers use them
    bool sourceLines = false;  // each place's line of the file with a caret under the item
    check::ColumnUnit columnUnit = check::ColumnUnit::Display;
};

// Text: "FILE:LINE:COLUMN: SEVERITY: MESSAGE [CODE]" (without a place "FILE: SEVERITY: ...") and
// its notes after it; then a note for each code with diagnostics not shown, and the summary line.
// JSON: one object per diagnostic with its notes, and one per code with diagnostics not shown.
void AppendDiagnostics(std::string_view shownFile, const check::SourceFile& source, check::Diagnostics& diagnostics,
                       const DiagnosticStyle& style, std::string& out);

}  // namespace milden::cli
