#pragma once

// A small in-place radix-2 complex FFT; tables are made in setup(), so
// transforms never allocate. Two real channels ride in one transform as the
// real and imaginary parts (see split()).

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace zfft {

using Complex = std::complex<float>;

class Fft
{
public:
    void setup(int size)
    {
        m_size = size;
        m_twiddles.resize(static_cast<std::size_t>(size / 2));
        for (int k = 0; k < size / 2; ++k)
            m_twiddles[static_cast<std::size_t>(k)] =
                std::polar(1.0f, static_cast<float>(-2.0 * M_PI * k / size));
        m_reversed.resize(static_cast<std::size_t>(size));
        int bits = 0;
        while ((1 << bits) < size)
            ++bits;
        for (int i = 0; i < size; ++i) {
            int r = 0;
            for (int b = 0; b < bits; ++b)
                r |= ((i >> b) & 1) << (bits - 1 - b);
            m_reversed[static_cast<std::size_t>(i)] = r;
        }
    }

    int size() const { return m_size; }

    // Forward without scaling; inverse scaled by 1/size.
    void transform(Complex* data, bool inverse) const
    {
        const int n = m_size;
        for (int i = 0; i < n; ++i) {
            const int r = m_reversed[static_cast<std::size_t>(i)];
            if (r > i)
                std::swap(data[i], data[r]);
        }
        for (int length = 2; length <= n; length <<= 1) {
            const int half = length / 2, stride = n / length;
            for (int start = 0; start < n; start += length) {
                for (int k = 0; k < half; ++k) {
                    Complex w = m_twiddles[static_cast<std::size_t>(k * stride)];
                    if (inverse)
                        w = std::conj(w);
                    Complex& a = data[start + k];
                    Complex& b = data[start + k + half];
                    const Complex t(b.real() * w.real() - b.imag() * w.imag(),
                                    b.real() * w.imag() + b.imag() * w.real());
                    b = a - t;
                    a += t;
                }
            }
        }
        if (inverse) {
            const float scale = 1.0f / static_cast<float>(n);
            for (int i = 0; i < n; ++i)
                data[i] *= scale;
        }
    }

    // The spectra of the two real signals packed as data = left + i·right, at bin k.
    void split(const Complex* data, int k, Complex* left, Complex* right) const
    {
        const Complex a = data[k], b = std::conj(data[k == 0 ? 0 : m_size - k]);
        *left = 0.5f * (a + b);
        *right = Complex(0.0f, -0.5f) * (a - b);
    }

private:
    int m_size = 0;
    std::vector<Complex> m_twiddles;
    std::vector<int> m_reversed;
};

// The power of two nearest to `frames` on a log scale.
inline int nearestPowerOfTwo(double frames)
{
    return 1 << static_cast<int>(std::lround(std::log2(std::max(frames, 16.0))));
}

} // namespace zfft
