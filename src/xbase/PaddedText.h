// Stored text is padded with blanks (some writers use NULs) to the field's width; readers
// want it without the padding. Scans trim tens of millions of fields, so this is kept inline
// and skips padding sixteen bytes at a time where the processor allows.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace xbase {

inline bool isPaddingByte(char c) { return c == ' ' || c == '\0'; }

// readableBefore: how many bytes before text.data() may be read (a field's offset in its
// record), which lets a short field be checked with one 16-byte load instead of a byte loop.
inline std::string_view trimPadding(std::string_view text, size_t readableBefore = 0)
{
    size_t end = text.size();
#if defined(__SSE2__)
    const __m128i blanks = _mm_set1_epi8(' ');
    const __m128i zeros = _mm_setzero_si128();
    const auto paddingMask = [&](const char* at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return static_cast<uint16_t>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, blanks), _mm_cmpeq_epi8(chunk, zeros))));
    };
    while (end >= 16) {
        const int trailing = std::countl_one(paddingMask(text.data() + end - 16));
        end -= static_cast<size_t>(trailing);
        if (trailing < 16)
            return text.substr(0, end);
    }
    if (end > 0 && end + readableBefore >= 16) {
        // Bit i of the mask is text[end - 16 + i]; only the top `end` bits belong to the text.
        const uint32_t ours = (0xFFFFu << (16 - end)) & 0xFFFFu;
        const uint32_t content = ~static_cast<uint32_t>(paddingMask(text.data() + end - 16)) & ours;
        const size_t highest = content ? 32 - static_cast<size_t>(std::countl_zero(content)) : 16 - end;
        return text.substr(0, highest - (16 - end));
    }
#endif
    while (end > 0 && isPaddingByte(text[end - 1]))
        --end;
    return text.substr(0, end);
}

inline std::string_view trimLeadingPadding(std::string_view text)
{
    size_t begin = 0;
    while (begin < text.size() && isPaddingByte(text[begin]))
        ++begin;
    return text.substr(begin);
}

} // namespace xbase
