#include "ListSearch.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The two pattern bytes a search filters on. Patterns are framed by the
// list's separators (CR KEY "," or CR KEY CR or "," FORM), which occur on
// every line; the bytes just inside the frame are letters, and two of them
// at the right distance apart are rare.
struct TFilter {
    size_t First;
    size_t Second;
};

TFilter FilterOf(size_t m) {
    if (m >= 4) return {1, m - 2};
    if (m == 3) return {1, 2};
    return {0, m - 1};
}

}  // namespace

#ifdef __SSE2__
namespace {

inline unsigned Passing(const char* a, const char* b, __m128i x, __m128i y) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(va, x), _mm_cmpeq_epi8(vb, y))));
}

// From `from`, steps 32 start positions at a time while from <= last and
// returns at the first step where some position has byte x at offset
// First and y at offset Second: bit i of *mask for position from + i.
// Calls nothing, so the compiler keeps the loop in registers.
size_t NextCandidates(const char* s, size_t from, size_t last, const TFilter& f, char x, char y, unsigned* mask) {
    const __m128i vx = _mm_set1_epi8(x);
    const __m128i vy = _mm_set1_epi8(y);
    const char* a = s + f.First;
    const char* b = s + f.Second;
    for (; from <= last; from += 32) {
        const unsigned found = Passing(a + from, b + from, vx, vy) | Passing(a + from + 16, b + from + 16, vx, vy) << 16;
        if (found != 0) {
            *mask = found;
            return from;
        }
    }
    *mask = 0;
    return from;
}

}  // namespace
#endif

// With SSE2, thirty-two start positions at a time are tested for the two
// filter bytes together, and only the positions that pass are compared in
// full. Most searches find nothing, so the time goes into that loop.
size_t FindInList(std::string_view text, std::string_view pattern, size_t from) {
    if (from > text.size()) return std::string_view::npos;
#ifdef __SSE2__
    const size_t m = pattern.size();
    if (m >= 2 && text.size() - from >= m + 31) {
        const char* s = text.data();
        const TFilter f = FilterOf(m);
        // Every load stays inside text: the one at `last` ends at last + m + 30.
        const size_t last = text.size() - m - 31;
        unsigned mask = 0;
        while ((from = NextCandidates(s, from, last, f, pattern[f.First], pattern[f.Second], &mask), mask != 0)) {
            for (; mask != 0; mask &= mask - 1) {
                const size_t candidate = from + static_cast<size_t>(__builtin_ctz(mask));
                if (std::memcmp(s + candidate, pattern.data(), m) == 0) return candidate;
            }
            from += 32;
        }
    }
#endif
    return text.find(pattern, from);
}
