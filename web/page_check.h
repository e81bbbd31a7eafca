// What the checker finds in a data file the page's user opened, as page.js lists it.
#pragma once

#include <emscripten/val.h>

#include <string>

namespace milden {

// {diagnostics, errors, warnings, unlisted} for bytes (at most the read limit and one byte more):
// the kept diagnostics in the order of the file, each {severity, code, line, column, message,
// notes: [{line, column, message}]}, line 0 meaning the file as a whole and columns counting
// characters, as editors show them.
emscripten::val CheckReport(const std::string& bytes);

}  // namespace milden
