#include <unistd.h>

#include "cli/terminal.h"

namespace milden::cli {

bool StandardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

}  // namespace milden::cli
