// The loader as it was before it worked on bytes, kept only to check the loader against it: the
// whole file decoded first, then cut into items and read into plain vectors of strings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_tables.h"

namespace milden::reference {

struct Tables {
    std::array<std::vector<std::u16string>, 3> prefix;  // index * 100 + row * 10 + column
    std::array<std::vector<std::vector<std::u16string>>, 3> operators;
    std::array<std::vector<std::pair<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>>>, 3> exceptions;
    std::array<bool, 3> operatorsLoaded{};
    std::array<bool, 3> exceptionsLoaded{};
};

Tables Load(std::string_view bytes);

// One text that holds every cell, name, entry and flag, for comparing two loads.
std::string Dump(const Tables& tables);
std::string Dump(const LookupTables& tables);

}  // namespace milden::reference
