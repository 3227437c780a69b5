#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kDistortionParameters[] = {
    {"level", "", 0.0f, 1.0f, 0.5f},
};
const UnitInfo kDistortionInfo = {9, "distortion", kDistortionParameters, 1};

constexpr UnitParameter kNormalizeParameters[] = {
    {"fade time", "ms", 0.0f, 20000.0f, 5000.0f},
    {"threshold", "", 0.0f, 1.0f, 0.1f},
    {"maximum amplification", "", 1.0f, 100000.0f, 20.0f},
};
const UnitInfo kNormalizeInfo = {10, "normalize", kNormalizeParameters, 3};

constexpr UnitParameter kLimiterParameters[] = {
    {"release", "ms", 1.0f, 1000.0f, 10.0f},
    {"ceiling", "dB", -12.0f, 0.0f, 0.0f},
    {"maximiser gain", "dB", 0.0f, 12.0f, 0.0f},
    {"mode", "", 0.0f, 1.0f, 0.0f},
};
const UnitInfo kLimiterInfo = {11, "limiter", kLimiterParameters, 4};

// Index 5 is not used; it keeps the published index of "linked channels".
constexpr UnitParameter kCompressorParameters[] = {
    {"threshold", "dB", -60.0f, 0.0f, 0.0f},     {"ratio", "", 1.0f, 50.0f, 2.5f},
    {"attack", "ms", 0.1f, 500.0f, 20.0f},       {"release", "ms", 10.0f, 5000.0f, 100.0f},
    {"make-up gain", "dB", -30.0f, 30.0f, 0.0f}, {"unused", "", 0.0f, 0.0f, 0.0f},
    {"linked channels", "", 0.0f, 1.0f, 1.0f},
};
const UnitInfo kCompressorInfo = {18, "compressor", kCompressorParameters, 7};

} // namespace

const UnitEntry kDistortionEntry = {&kDistortionInfo, &makePassThrough<kDistortionInfo>};
const UnitEntry kNormalizeEntry = {&kNormalizeInfo, &makePassThrough<kNormalizeInfo>};
const UnitEntry kLimiterEntry = {&kLimiterInfo, &makePassThrough<kLimiterInfo>};
const UnitEntry kCompressorEntry = {&kCompressorInfo, &makePassThrough<kCompressorInfo>};

} // namespace zaudio
