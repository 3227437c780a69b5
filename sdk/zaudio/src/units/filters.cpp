#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kLowPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
    {"resonance", "Q", 1.0f, 10.0f, 1.0f},
};
const UnitInfo kLowPassInfo = {3, "low-pass", kLowPassParameters, 2};

constexpr UnitParameter kTrackerLowPassParameters[] = {
    {"cut-off", "Hz", 1.0f, 22000.0f, 5000.0f},
    {"resonance", "dB", 0.0f, 127.0f, 1.0f},
};
const UnitInfo kTrackerLowPassInfo = {4, "tracker low-pass", kTrackerLowPassParameters, 2};

constexpr UnitParameter kHighPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
    {"resonance", "Q", 1.0f, 10.0f, 1.0f},
};
const UnitInfo kHighPassInfo = {5, "high-pass", kHighPassParameters, 2};

constexpr UnitParameter kParamEqParameters[] = {
    {"centre", "Hz", 20.0f, 22000.0f, 8000.0f},
    {"bandwidth", "octaves", 0.2f, 5.0f, 1.0f},
    {"gain", "dB", -30.0f, 30.0f, 0.0f},
};
const UnitInfo kParamEqInfo = {12, "parametric EQ", kParamEqParameters, 3};

constexpr UnitParameter kOnePoleLowPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
};
const UnitInfo kOnePoleLowPassInfo = {20, "one-pole low-pass", kOnePoleLowPassParameters, 1};

constexpr UnitParameter kOnePoleHighPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 1000.0f},
};
const UnitInfo kOnePoleHighPassInfo = {26, "one-pole high-pass", kOnePoleHighPassParameters, 1};

constexpr UnitParameter kThreeBandEqParameters[] = {
    {"low gain", "dB", -80.0f, 10.0f, 0.0f},
    {"mid gain", "dB", -80.0f, 10.0f, 0.0f},
    {"high gain", "dB", -80.0f, 10.0f, 0.0f},
    {"low crossover", "Hz", 10.0f, 22000.0f, 400.0f},
    {"high crossover", "Hz", 10.0f, 22000.0f, 4000.0f},
    {"slope", "", 0.0f, 2.0f, 1.0f},
};
const UnitInfo kThreeBandEqInfo = {28, "three-band EQ", kThreeBandEqParameters, 6};

} // namespace

const UnitEntry kLowPassEntry = {&kLowPassInfo, &makePassThrough<kLowPassInfo>};
const UnitEntry kTrackerLowPassEntry = {&kTrackerLowPassInfo, &makePassThrough<kTrackerLowPassInfo>};
const UnitEntry kHighPassEntry = {&kHighPassInfo, &makePassThrough<kHighPassInfo>};
const UnitEntry kParamEqEntry = {&kParamEqInfo, &makePassThrough<kParamEqInfo>};
const UnitEntry kOnePoleLowPassEntry = {&kOnePoleLowPassInfo, &makePassThrough<kOnePoleLowPassInfo>};
const UnitEntry kOnePoleHighPassEntry = {&kOnePoleHighPassInfo, &makePassThrough<kOnePoleHighPassInfo>};
const UnitEntry kThreeBandEqEntry = {&kThreeBandEqInfo, &makePassThrough<kThreeBandEqInfo>};

} // namespace zaudio
