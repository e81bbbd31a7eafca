#include "cli/diagnostic_printer.h"

#include <array>

namespace milden::cli {

void AppendDiagnostics(const DiagnosticSource& source, check::Diagnostics& diagnostics, const OutputFormat& format,
                       std::string& out) {
    const std::vector<check::Diagnostic> kept = diagnostics.Kept();
    std::array<std::size_t, check::kCodes.size()> shown{};
    for (const check::Diagnostic& d : kept) {
        ++shown[OrdinalOf(d.code)];
        format.Diagnostic(out, source, d, SeverityOf(d.code));
    }
    for (const check::CodeInfo& info : check::kCodes) {
        const std::size_t hidden = diagnostics.CountOf(info.code) - shown[OrdinalOf(info.code)];
        if (hidden == 0) continue;
        const std::string more = std::to_string(hidden) + (hidden == 1 ? " more diagnostic" : " more diagnostics");
        format.Diagnostic(out, source, {info.code, {}, more + " with this code not shown"}, check::Severity::Note);
    }
    format.CheckSummary(out, source.shownFile, diagnostics.CountOf(check::Severity::Error),
                        diagnostics.CountOf(check::Severity::Warning));
}

}  // namespace milden::cli
