#include "lookup/byte_masks.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace milden {

BlockMasks MasksOf(const char* data, std::size_t count) {
    BlockMasks masks;
#if defined(__SSE2__)
    if (count == kMaskBlockBytes) {
        const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
        const __m128i semicolon = _mm_set1_epi8(';');
        for (std::size_t i = 0; i < kMaskBlockBytes; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i delimiter = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, cr)),
                                                   _mm_cmpeq_epi8(bytes, lf));
            masks.delimiters |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(delimiter))) << i;
            masks.semicolons |= static_cast<std::uint64_t>(
                                    static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, semicolon))))
                                << i;
        }
        return masks;
    }
#endif
    for (std::size_t i = 0; i < count; ++i) {
        const char c = data[i];
        masks.delimiters |= static_cast<std::uint64_t>(c == ',' || c == '\r' || c == '\n') << i;
        masks.semicolons |= static_cast<std::uint64_t>(c == ';') << i;
    }
    return masks;
}

}  // namespace milden
