// Memory read at random over megabytes, backed by large pages where the platform offers them
// without privileges: a batch reads its printed boxes in the order of its numbers, and with small
// pages nearly every read also misses the processor's cache of address translations.
// large_pages_posix.cpp (Linux's transparent huge pages) and large_pages_win32.cpp (none) hold
// the platform's part; CMake builds the one for the target platform.
#pragma once

#include <cstddef>

namespace milden::cli {

// The size and alignment of a large page.
inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// Asks the system to back bytes at data (aligned to kLargePageBytes, a multiple of it long) with
// large pages. A hint: where it is not taken, the memory works as it is.
void AdviseLargePages(void* data, std::size_t bytes);

}  // namespace milden::cli
