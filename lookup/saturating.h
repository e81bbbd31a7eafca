// The readers' 16-bit counters: they stop at the largest value instead of overflowing.
#pragma once

#include <cstdint>
#include <limits>

namespace milden {

constexpr std::int16_t kCounterMax = std::numeric_limits<std::int16_t>::max();

constexpr void SaturatingIncrement(std::int16_t& counter) {
    if (counter < kCounterMax) ++counter;
}

}  // namespace milden
