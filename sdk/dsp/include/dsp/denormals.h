#pragma once

// Denormal numbers are flushed to zero while one of these lives: decaying
// tails and filter states would otherwise crawl through the slow path of the
// FPU. The caller's mode comes back afterwards, since hosts and offline
// renders run other code on the same thread.

#if defined(__SSE__) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace zdsp {

class FlushDenormals
{
public:
#if defined(__SSE__) || defined(__x86_64__)
    // Flush-to-zero and denormals-are-zero.
    FlushDenormals() : m_saved(_mm_getcsr())
    {
        _mm_setcsr(m_saved | 0x8040);
    }
    ~FlushDenormals()
    {
        _mm_setcsr(m_saved);
    }
#elif defined(__aarch64__)
    FlushDenormals()
    {
        asm volatile("mrs %0, fpcr" : "=r"(m_saved));
        asm volatile("msr fpcr, %0" : : "r"(m_saved | (1ull << 24))); // FZ
    }
    ~FlushDenormals()
    {
        asm volatile("msr fpcr, %0" : : "r"(m_saved));
    }
#else
    FlushDenormals() = default;
#endif
    FlushDenormals(const FlushDenormals&) = delete;
    FlushDenormals& operator=(const FlushDenormals&) = delete;

private:
#if defined(__SSE__) || defined(__x86_64__)
    unsigned m_saved;
#elif defined(__aarch64__)
    unsigned long long m_saved;
#endif
};

} // namespace zdsp
