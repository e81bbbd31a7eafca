// Fuzz target: the loader on arbitrary bytes, without and with an observer, then the invariants
// of what it built and of what it reported, and the tables against those of the loader it
// replaced; then the checker, whose every diagnostic and note must stand inside the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check/check_data.h"
#include "check/source_file.h"
#include "fuzz/invariants.h"
#include "lookup/lookup_tables.h"
#include "tests/support/reference_reader.h"

namespace {

void Require(const std::string& problem) {
    if (problem.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\n", problem.c_str());
    std::abort();
}

// Empty when at has no place (line 0), or names a line of the file and a byte on it or at its end.
std::string CheckPlace(const milden::check::SourceFile& source, const milden::ItemPosition& at) {
    if (at.line == 0) return {};
    const std::string_view line = source.Line(at.line);
    if (at.line > source.LineCount() || at.offset < static_cast<std::size_t>(line.data() - source.bytes().data()) ||
        at.offset > static_cast<std::size_t>(line.data() - source.bytes().data()) + line.size())
        return "a diagnostic outside the file at line " + std::to_string(at.line);
    for (const auto unit : {milden::check::ColumnUnit::Display, milden::check::ColumnUnit::Byte, milden::check::ColumnUnit::Char})
        if (source.Column(at, unit) < 1) return "a column before the line";
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    milden::LookupTables tables;
    milden::LoadDataBytes(tables, bytes);
    Require(milden::fuzz::CheckLoadInvariants(tables, bytes));
    if (milden::reference::Dump(tables) != milden::reference::Dump(milden::reference::Load(bytes)))
        Require("the tables differ from those of the reference reader");

    milden::LookupTables observed;
    milden::fuzz::EventChecker checker(bytes);
    milden::LoadDataBytes(observed, bytes, &checker);
    Require(checker.Check(observed));

    milden::ReleaseLoadedLists(tables);
    Require(milden::fuzz::CheckReleased(tables));

    milden::check::Diagnostics diagnostics(0);
    milden::check::CheckDataBytes(bytes, diagnostics);
    const milden::check::SourceFile source(bytes.substr(0, milden::kReadLimitBytes));
    for (const milden::check::Diagnostic& d : diagnostics.Kept()) {
        Require(CheckPlace(source, d.at));
        for (const milden::check::Note& note : d.notes) Require(CheckPlace(source, note.at));
    }
    return 0;
}
