#pragma once

// The safety limiter at the end of every output stream of the engine (the
// voice player's output system, whose mix the cable also gets, and each
// soundboard player's system). Below its ceiling of -1 dBFS it leaves the
// signal exactly as it is; above, it lowers the gain ahead of the peak (a
// look-ahead of 1.5 ms), so a hot effect, a soundboard volume of 2.0 or many
// sounds at once come out lowered instead of flat-topped by the 16-bit
// stream or the sound server.

#include "zaudio/zaudio.h"

#include <cstdint>

namespace OutputLimiter {

constexpr int kType = 11; // the library's limiter unit
constexpr float kCeilingDb = -1.0f;
// Long enough that the gain does not follow the waveform of low voices.
constexpr float kReleaseMs = 50.0f;

// A new limiter of `system`, set up as above and placed at `position` of its
// master group (0 is the output end). Null when the library refused it
// (reported through ZAUDIO_CHECK).
zaudio::DSP insert(const zaudio::System& system, int position);

// Frames in which `limiter` has held the level down since it was made; 0
// for a null handle.
std::uint64_t reducedFrames(const zaudio::DSP& limiter);

} // namespace OutputLimiter
