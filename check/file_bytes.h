// A data file read whole into memory for the checker, or the reason it cannot be.
#pragma once

#include <cstddef>
#include <string>

namespace milden::check {

struct FileBytes {
    std::string bytes;
    std::string error;  // empty when the file was read: "no such file", "permission denied", ...
};

// Reads at most limit bytes of the regular file at path.
FileBytes ReadFileBytes(const std::string& path, std::size_t limit);

// Why the file at path cannot be read as a data file, in a few words; empty when it can.
std::string WhyUnreadable(const std::string& path);

}  // namespace milden::check
