#include "StreamCopy.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void StreamCopy(std::uint8_t* destination, const std::uint8_t* source, std::size_t count)
{
    std::size_t done = 0;
#if defined(__SSE2__)
    // The streaming stores need 16-byte aligned targets: plain stores up to
    // the first aligned byte, streaming ones from there, plain ones for the tail.
    const std::size_t head = (16 - reinterpret_cast<std::uintptr_t>(destination) % 16) % 16;
    if (count >= head + 64) {
        std::memcpy(destination, source, head);
        done = head;
        for (; done + 64 <= count; done += 64) {
            const __m128i* from = reinterpret_cast<const __m128i*>(source + done);
            __m128i* to = reinterpret_cast<__m128i*>(destination + done);
            const __m128i a = _mm_loadu_si128(from);
            const __m128i b = _mm_loadu_si128(from + 1);
            const __m128i c = _mm_loadu_si128(from + 2);
            const __m128i d = _mm_loadu_si128(from + 3);
            _mm_stream_si128(to, a);
            _mm_stream_si128(to + 1, b);
            _mm_stream_si128(to + 2, c);
            _mm_stream_si128(to + 3, d);
        }
        // Orders the streaming stores before whatever tells the reader to look.
        _mm_sfence();
    }
#endif
    if (done < count)
        std::memcpy(destination + done, source + done, count - done);
}
