// What milden-lookup needs to know about where its output goes.
#pragma once

namespace milden::cli {

// Standard output is a terminal (not a file or a pipe).
bool StandardOutputIsTerminal();

}  // namespace milden::cli
