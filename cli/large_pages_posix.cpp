// Large pages on Linux: transparent huge pages, which the system gives to memory advised so.
#include <sys/mman.h>

#include "cli/large_pages.h"

namespace milden::cli {

void AdviseLargePages(void* data, std::size_t bytes) { ::madvise(data, bytes, MADV_HUGEPAGE); }

}  // namespace milden::cli
