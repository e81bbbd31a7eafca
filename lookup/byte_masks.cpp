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

DigitCodeMasks DigitCodeMasksOf(const char* data) {
    std::uint64_t commas = 0, crs = 0, lfs = 0, semicolons = 0, digits = 0;
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i semicolon = _mm_set1_epi8(';'), beforeZero = _mm_set1_epi8('0' - 1), afterNine = _mm_set1_epi8('9' + 1);
    const auto bits = [](__m128i matches, std::size_t at) {
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(matches))) << at;
    };
    for (std::size_t i = 0; i < kMaskBlockBytes; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        commas |= bits(_mm_cmpeq_epi8(bytes, comma), i);
        crs |= bits(_mm_cmpeq_epi8(bytes, cr), i);
        lfs |= bits(_mm_cmpeq_epi8(bytes, lf), i);
        semicolons |= bits(_mm_cmpeq_epi8(bytes, semicolon), i);
        // Signed comparisons: bytes from 0x80 on are below "0".
        digits |= bits(_mm_and_si128(_mm_cmpgt_epi8(bytes, beforeZero), _mm_cmplt_epi8(bytes, afterNine)), i);
    }
#else
    for (std::size_t i = 0; i < kMaskBlockBytes; ++i) {
        const char c = data[i];
        commas |= static_cast<std::uint64_t>(c == ',') << i;
        crs |= static_cast<std::uint64_t>(c == '\r') << i;
        lfs |= static_cast<std::uint64_t>(c == '\n') << i;
        semicolons |= static_cast<std::uint64_t>(c == ';') << i;
        digits |= static_cast<std::uint64_t>(c >= '0' && c <= '9') << i;
    }
#endif
    return {commas | crs | lfs, crs & lfs >> 1, semicolons, digits};
}

}  // namespace milden
