// The diagnostics that need the whole file loaded: codes that name no operator, exception marks
// without entries and entries that no search reaches, and missing sections that change answers.
#pragma once

#include "check/diagnostic.h"
#include "check/load_checker.h"
#include "lookup/lookup_tables.h"

namespace milden::check {

void CheckLoadedTables(const LookupTables& tables, const LoadRecord& record, Diagnostics& diagnostics);

}  // namespace milden::check
