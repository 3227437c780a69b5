#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kOscillatorParameters[] = {
    {"waveform", "", 0.0f, 5.0f, 0.0f},
    {"rate", "Hz", 0.0f, 22000.0f, 220.0f},
};
const UnitInfo kOscillatorInfo = {2, "oscillator", kOscillatorParameters, 2};

} // namespace

const UnitEntry kOscillatorEntry = {&kOscillatorInfo, &makePassThrough<kOscillatorInfo>};

} // namespace zaudio
