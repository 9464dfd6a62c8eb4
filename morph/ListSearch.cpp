#include "ListSearch.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Every line starts with CR and most hold commas, the bytes that begin the
// patterns; a search that stops at each occurrence of the first byte stops
// every few bytes. With SSE2, sixteen positions at a time are tested for the
// pattern's first and last bytes together, and only those compared in full.
size_t FindInList(std::string_view text, std::string_view pattern, size_t from) {
    if (from > text.size()) return std::string_view::npos;
#ifdef __SSE2__
    const size_t m = pattern.size();
    if (m >= 2) {
        const char* s = text.data();
        const __m128i first = _mm_set1_epi8(pattern.front());
        const __m128i last = _mm_set1_epi8(pattern.back());
        // Both loads stay inside text: the second one ends at from + m + 14.
        for (; text.size() - from >= m + 15; from += 16) {
            const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + from));
            const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + from + m - 1));
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, last))));
            for (; mask != 0; mask &= mask - 1) {
                const size_t at = from + static_cast<size_t>(__builtin_ctz(mask));
                if (std::memcmp(s + at + 1, pattern.data() + 1, m - 2) == 0) return at;
            }
        }
    }
#endif
    return text.find(pattern, from);
}
