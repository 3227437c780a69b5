#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kReverbParameters[] = {
    {"decay time", "ms", 100.0f, 20000.0f, 1500.0f}, {"early delay", "ms", 0.0f, 300.0f, 20.0f},
    {"late delay", "ms", 0.0f, 100.0f, 40.0f},       {"HF reference", "Hz", 20.0f, 20000.0f, 5000.0f},
    {"HF decay ratio", "%", 10.0f, 100.0f, 50.0f},   {"diffusion", "%", 10.0f, 100.0f, 50.0f},
    {"density", "%", 10.0f, 100.0f, 50.0f},          {"low-shelf frequency", "Hz", 20.0f, 1000.0f, 250.0f},
    {"low-shelf gain", "dB", -36.0f, 12.0f, 0.0f},   {"high cut", "Hz", 20.0f, 20000.0f, 20000.0f},
    {"early/late mix", "%", 0.0f, 100.0f, 50.0f},    {"wet level", "dB", -80.0f, 20.0f, -6.0f},
    {"dry level", "dB", -80.0f, 20.0f, 0.0f},
};
const UnitInfo kReverbInfo = {19, "reverb", kReverbParameters, 13};

} // namespace

const UnitEntry kReverbEntry = {&kReverbInfo, &makePassThrough<kReverbInfo>};

} // namespace zaudio
