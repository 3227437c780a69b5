#pragma once

// A queue of float samples with the voice player's drop rule: appending a
// block of n samples to a queue that already holds 5 × n first drops the n
// oldest, so a stalled consumer costs at most five blocks of latency.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

class SampleQueue
{
public:
    int size() const { return m_size; }
    // Samples dropped by the five-block rule so far.
    std::int64_t dropped() const { return m_dropped; }
    void clear()
    {
        m_head = 0;
        m_size = 0;
    }

    void append(const float* block, int n)
    {
        if (n <= 0)
            return;
        if (m_size >= 5 * n) {
            drop(n);
            m_dropped += n;
        }
        reserve(m_size + n);
        const int capacity = static_cast<int>(m_ring.size());
        for (int i = 0; i < n; ++i)
            m_ring[static_cast<std::size_t>((m_head + m_size + i) % capacity)] = block[i];
        m_size += n;
    }

    // Takes up to `count` samples from the front as 16-bit values; answers how many.
    int takePcm16(std::int16_t* out, int count) { return take(out, count, &toPcm16); }

    // Takes up to `count` samples from the front as they are; answers how many.
    int takeFloat(float* out, int count)
    {
        return take(out, count, [](float value) { return value; });
    }

    // f × 32768 truncated toward zero and held within ±32767: a sample at or
    // past full scale stays at the top instead of wrapping to the other end.
    static std::int16_t toPcm16(float value)
    {
        if (std::isnan(value))
            return 0;
        const double scaled = std::clamp(static_cast<double>(value) * 32768.0, -32767.0, 32767.0);
        return static_cast<std::int16_t>(scaled);
    }

private:
    template <class Sample, class Convert> int take(Sample* out, int count, Convert convert)
    {
        count = std::min(count, m_size);
        const int capacity = static_cast<int>(m_ring.size());
        for (int i = 0; i < count; ++i)
            out[i] = convert(m_ring[static_cast<std::size_t>((m_head + i) % capacity)]);
        drop(count);
        return count;
    }

    void drop(int n)
    {
        n = std::min(n, m_size);
        if (!m_ring.empty())
            m_head = (m_head + n) % static_cast<int>(m_ring.size());
        m_size -= n;
    }

    // Grows the ring (keeping order) so `needed` samples fit.
    void reserve(int needed)
    {
        if (needed <= static_cast<int>(m_ring.size()))
            return;
        std::vector<float> grown(
            static_cast<std::size_t>(std::max(needed, 2 * static_cast<int>(m_ring.size()))));
        const int capacity = static_cast<int>(m_ring.size());
        for (int i = 0; i < m_size; ++i)
            grown[static_cast<std::size_t>(i)] = m_ring[static_cast<std::size_t>((m_head + i) % capacity)];
        m_ring.swap(grown);
        m_head = 0;
    }

    std::vector<float> m_ring;
    int m_head = 0;
    int m_size = 0;
    std::int64_t m_dropped = 0;
};
