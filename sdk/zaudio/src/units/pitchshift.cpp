#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kPitchShiftParameters[] = {
    {"pitch ratio", "", 0.5f, 2.0f, 1.0f},
    {"FFT size", "", 256.0f, 4096.0f, 1024.0f},
    {"unused", "", -1e9f, 1e9f, 0.0f},
    {"maximum channels", "", 0.0f, 16.0f, 0.0f},
};
const UnitInfo kPitchShiftInfo = {13, "pitch shifter", kPitchShiftParameters, 4};

} // namespace

const UnitEntry kPitchShiftEntry = {&kPitchShiftInfo, &makePassThrough<kPitchShiftInfo>};

} // namespace zaudio
