#pragma once

// Real FFTs of the power-of-two sizes from 8 up to the size given to setup(),
// through a complex FFT of half the size that keeps real and imaginary parts
// in separate arrays, so its butterflies vectorise. Tables and work arrays are
// made once in setup(); transforms never allocate. Twiddles are computed in
// double, one table per radix-2 stage, so no error builds up along a table.

#include "dsp/constants.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zdsp {

class RealFft
{
public:
    void setup(int maxSize)
    {
        m_maxSize = maxSize;
        const int half = maxSize / 2;
        m_bitReverse.resize(static_cast<std::size_t>(half));
        for (int i = 0; i < half; ++i) {
            int r = 0;
            for (int b = 1, v = i; b < half; b <<= 1, v >>= 1)
                r = (r << 1) | (v & 1);
            m_bitReverse[static_cast<std::size_t>(i)] = r;
        }
        // Twiddles of each radix-2 stage, one after another: exp(-2 pi i j / len)
        // for j < len / 2 at index len / 2 - 1 + j.
        m_twiddleRe.assign(static_cast<std::size_t>(half), 0.0f);
        m_twiddleIm.assign(static_cast<std::size_t>(half), 0.0f);
        for (int len = 2; len <= half; len <<= 1)
            for (int j = 0; j < len / 2; ++j) {
                const double a = -2.0 * kPi * j / len;
                const auto at = static_cast<std::size_t>(len / 2 - 1 + j);
                m_twiddleRe[at] = static_cast<float>(std::cos(a));
                m_twiddleIm[at] = static_cast<float>(std::sin(a));
            }
        // exp(-2 pi i k / maxSize), k < maxSize / 2, to split the half-size
        // transform into the real one.
        m_split.resize(2 * static_cast<std::size_t>(half));
        for (int k = 0; k < half; ++k) {
            const double a = -2.0 * kPi * k / maxSize;
            m_split[2 * static_cast<std::size_t>(k)] = static_cast<float>(std::cos(a));
            m_split[2 * static_cast<std::size_t>(k) + 1] = static_cast<float>(std::sin(a));
        }
        m_re.assign(static_cast<std::size_t>(half), 0.0f);
        m_im.assign(static_cast<std::size_t>(half), 0.0f);
    }

    int maxSize() const { return m_maxSize; }

    // n real samples to n / 2 + 1 complex bins (interleaved re, im), unscaled.
    void forward(const float* data, float* bins, int n)
    {
        const int m = n / 2, shift = shiftFor(m);
        float* re = m_re.data();
        float* im = m_im.data();
        for (int i = 0; i < m; ++i) {
            const int j = m_bitReverse[static_cast<std::size_t>(i)] >> shift;
            re[j] = data[2 * i];
            im[j] = data[2 * i + 1];
        }
        transform(re, im, m);
        const int stride = m_maxSize / n;
        bins[0] = re[0] + im[0];
        bins[1] = 0.0f;
        bins[2 * m] = re[0] - im[0];
        bins[2 * m + 1] = 0.0f;
        for (int k = 1; k < m; ++k) {
            const float ar = re[k], ai = im[k];
            const float br = re[m - k], bi = -im[m - k];
            const float er = 0.5f * (ar + br), ei = 0.5f * (ai + bi);
            const float orr = 0.5f * (ai - bi), oi = -0.5f * (ar - br);
            const float wr = m_split[2 * static_cast<std::size_t>(k * stride)];
            const float wi = m_split[2 * static_cast<std::size_t>(k * stride) + 1];
            bins[2 * k] = er + wr * orr - wi * oi;
            bins[2 * k + 1] = ei + wr * oi + wi * orr;
        }
    }

    // The inverse of forward() times n: n / 2 + 1 bins to n real samples.
    void inverse(const float* bins, float* data, int n)
    {
        const int m = n / 2, shift = shiftFor(m);
        const int stride = m_maxSize / n;
        float* re = m_re.data();
        float* im = m_im.data();
        for (int k = 0; k < m; ++k) {
            const float ar = bins[2 * k], ai = bins[2 * k + 1];
            const float br = bins[2 * (m - k)], bi = -bins[2 * (m - k) + 1];
            const float er = ar + br, ei = ai + bi;
            const float dr = ar - br, di = ai - bi;
            const float wr = m_split[2 * static_cast<std::size_t>(k * stride)];
            const float wi = m_split[2 * static_cast<std::size_t>(k * stride) + 1];
            const float orr = dr * wr + di * wi, oi = di * wr - dr * wi;
            const int j = m_bitReverse[static_cast<std::size_t>(k)] >> shift;
            re[j] = er - oi;
            im[j] = ei + orr;
        }
        // The inverse transform is the forward one with real and imaginary
        // parts swapped on the way in and out.
        transform(im, re, m);
        for (int i = 0; i < m; ++i) {
            data[2 * i] = re[i];
            data[2 * i + 1] = im[i];
        }
    }

private:
    int shiftFor(int m) const
    {
        int shift = 0;
        while ((m << shift) < m_maxSize / 2)
            ++shift;
        return shift;
    }

    // In-place complex FFT of m points in bit-reversed order, unscaled.
    void transform(float* re, float* im, int m) const
    {
        // The first two stages together: 4-point DFTs.
        for (int s = 0; s < m; s += 4) {
            float* r = re + s;
            float* i = im + s;
            const float t0r = r[0] + r[1], t0i = i[0] + i[1];
            const float t1r = r[0] - r[1], t1i = i[0] - i[1];
            const float t2r = r[2] + r[3], t2i = i[2] + i[3];
            const float t3r = i[2] - i[3], t3i = r[3] - r[2]; // (x2 - x3) times -i
            r[0] = t0r + t2r;
            i[0] = t0i + t2i;
            r[2] = t0r - t2r;
            i[2] = t0i - t2i;
            r[1] = t1r + t3r;
            i[1] = t1i + t3i;
            r[3] = t1r - t3r;
            i[3] = t1i - t3i;
        }
        for (int len = 8; len <= m; len <<= 1) {
            const int half = len / 2;
            const float* wr = m_twiddleRe.data() + (half - 1);
            const float* wi = m_twiddleIm.data() + (half - 1);
            for (int s = 0; s < m; s += len)
                butterflies(re + s, im + s, re + s + half, im + s + half, wr, wi, half);
        }
    }

    static void butterflies(float* __restrict ar, float* __restrict ai, float* __restrict br,
                            float* __restrict bi, const float* __restrict wr, const float* __restrict wi,
                            int count)
    {
        for (int j = 0; j < count; ++j) {
            const float tr = br[j] * wr[j] - bi[j] * wi[j];
            const float ti = br[j] * wi[j] + bi[j] * wr[j];
            const float xr = ar[j], xi = ai[j];
            ar[j] = xr + tr;
            ai[j] = xi + ti;
            br[j] = xr - tr;
            bi[j] = xi - ti;
        }
    }

    int m_maxSize = 0;
    std::vector<int> m_bitReverse;
    std::vector<float> m_twiddleRe;
    std::vector<float> m_twiddleIm;
    std::vector<float> m_split;
    std::vector<float> m_re;
    std::vector<float> m_im;
};

// The power of two nearest to `frames` on a log scale, 16 at the least.
inline int nearestPowerOfTwo(double frames)
{
    return 1 << static_cast<int>(std::lround(std::log2(std::max(frames, 16.0))));
}

} // namespace zdsp
