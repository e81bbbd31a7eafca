#include <io.h>

#include <cstdio>

#include "cli/terminal.h"

namespace milden::cli {

bool StandardOutputIsTerminal() { return ::_isatty(::_fileno(stdout)) != 0; }

}  // namespace milden::cli
