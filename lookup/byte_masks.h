// Where the bytes that cut items lie in a block of the data file, as bit masks, so that the item
// reader jumps from one to the next instead of testing every byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace milden {

inline constexpr std::size_t kMaskBlockBytes = 64;

struct BlockMasks {
    std::uint64_t delimiters = 0;  // bit i: byte i is a comma, CR or LF
    std::uint64_t semicolons = 0;  // bit i: byte i is ";"
};

// The masks of the count (at most kMaskBlockBytes) bytes at data; no byte past them is read.
BlockMasks MasksOf(const char* data, std::size_t count);

// What DigitCodes needs to know of kMaskBlockBytes bytes.
struct DigitCodeMasks {
    std::uint64_t delimiters = 0;    // bit i: byte i is a comma, CR or LF
    std::uint64_t lineEndPairs = 0;  // bit i: byte i is a CR and byte i + 1 an LF
    std::uint64_t semicolons = 0;    // bit i: byte i is ";"
    std::uint64_t digits = 0;        // bit i: byte i is an ASCII digit
};
// The masks of the kMaskBlockBytes bytes at data.
DigitCodeMasks DigitCodeMasksOf(const char* data);

}  // namespace milden
