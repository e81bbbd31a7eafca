// Large pages on Windows need a privilege that a user does not hold: memory stays as it is.
#include "cli/large_pages.h"

namespace milden::cli {

void AdviseLargePages(void*, std::size_t) {}

}  // namespace milden::cli
