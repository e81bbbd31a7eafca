// Fuzz target: the loader on arbitrary bytes, without and with an observer, then the invariants
// of what it built and of what it reported, and the tables against those of the loader it
// replaced.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/invariants.h"
#include "lookup/lookup_tables.h"
#include "tests/support/reference_reader.h"

namespace {

void Require(const std::string& problem) {
    if (problem.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\n", problem.c_str());
    std::abort();
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
    return 0;
}
