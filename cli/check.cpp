#include "cli/check.h"

#include <memory>

#include "cli/data_file_arg.h"
#include "cli/exit_status.h"
#include "cli/load_checker.h"
#include "cli/table_checks.h"

namespace milden::cli {

int RunCheck(const std::string& dataFile, StandardOutput& out) {
    const DataFileArg file = DataFileNamed(dataFile);
    auto session = std::make_unique<LookupSession>();
    LoadChecker checker;
    if (!LoadOrSayWhy(*session, file, &checker)) return kExitCannotRun;
    Diagnostics& diagnostics = checker.diagnostics();
    CheckLoadedTables(session->tables(), checker.record(), diagnostics);
    AppendDiagnostics(file.shown, diagnostics, out.text());
    return diagnostics.count() == 0 ? kExitClean : kExitFindings;
}

}  // namespace milden::cli
