#include "check/check_data.h"

#include <memory>

#include "check/encoding.h"
#include "check/load_checker.h"
#include "check/source_file.h"
#include "check/table_checks.h"
#include "lookup/lookup_tables.h"

namespace milden::check {

void CheckDataBytes(std::string_view bytes, Diagnostics& diagnostics) {
    const SourceFile source(bytes.substr(0, kReadLimitBytes));
    const FileEncoding encoding = CheckEncoding(source, diagnostics);
    if (encoding.empty) return;
    auto tables = std::make_unique<LookupTables>();
    ClearLoadedFlags(*tables);
    LoadChecker checker(source, encoding, diagnostics);
    LoadDataBytes(*tables, bytes, &checker);
    checker.Finish();
    CheckLoadedTables(*tables, checker.record(), diagnostics);
}

}  // namespace milden::check
