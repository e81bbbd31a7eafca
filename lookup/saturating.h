// The readers' 16-bit counters: they stop at the largest value instead of overflowing.
#pragma once

#include <cstdint>

#include "lookup/format.h"

namespace milden {

constexpr void SaturatingIncrement(std::int16_t& counter) {
    if (counter < kCounterMax) ++counter;
}

}  // namespace milden
