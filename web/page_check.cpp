#include "web/page_check.h"

#include <string_view>

#include "check/check_data.h"
#include "check/source_file.h"
#include "lookup/format.h"

namespace milden {
namespace {

using emscripten::val;

val Ascii(std::string_view text) { return val(std::string(text)); }

// One diagnostic as CheckReport lists it.
val DiagnosticValue(const check::Diagnostic& d, const check::SourceFile& source) {
    const auto place = [&](val& value, const ItemPosition& at) {
        value.set("line", at.line);
        value.set("column", at.line == 0 ? 0 : source.Column(at, check::ColumnUnit::Char));
    };
    val value = val::object();
    value.set("severity", Ascii(check::NameOf(check::SeverityOf(d.code))));
    value.set("code", Ascii(check::NameOf(d.code)));
    place(value, d.at);
    value.set("message", d.message);
    val notes = val::array();
    for (const check::Note& note : d.notes) {
        val entry = val::object();
        place(entry, note.at);
        entry.set("message", note.text);
        notes.call<void>("push", entry);
    }
    value.set("notes", notes);
    return value;
}

}  // namespace

val CheckReport(const std::string& bytes) {
    check::Diagnostics diagnostics;
    check::CheckDataBytes(bytes, diagnostics);
    const check::SourceFile source(std::string_view(bytes).substr(0, kReadLimitBytes));
    val list = val::array();
    std::size_t listed = 0;
    for (const check::Diagnostic& d : diagnostics.Kept()) {
        list.call<void>("push", DiagnosticValue(d, source));
        ++listed;
    }
    std::size_t given = 0;
    for (const check::CodeInfo& info : check::kCodes) given += diagnostics.CountOf(info.code);
    val report = val::object();
    report.set("diagnostics", list);
    report.set("errors", diagnostics.CountOf(check::Severity::Error));
    report.set("warnings", diagnostics.CountOf(check::Severity::Warning));
    report.set("unlisted", given - listed);
    return report;
}

}  // namespace milden
