// The checker's diagnostics in one of milden-lookup's output formats.
#pragma once

#include <string>

#include "check/diagnostic.h"
#include "cli/output_format.h"

namespace milden::cli {

// Each kept diagnostic with its notes, then one note for each code with diagnostics not shown,
// then the summary.
void AppendDiagnostics(const DiagnosticSource& source, check::Diagnostics& diagnostics, const OutputFormat& format,
                       std::string& out);

}  // namespace milden::cli
