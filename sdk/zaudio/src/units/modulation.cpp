#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kFlangeParameters[] = {
    {"mix", "%", 0.0f, 100.0f, 50.0f},
    {"depth", "", 0.01f, 1.0f, 1.0f},
    {"rate", "Hz", 0.0f, 20.0f, 0.1f},
};
const UnitInfo kFlangeInfo = {8, "flange", kFlangeParameters, 3};

constexpr UnitParameter kChorusParameters[] = {
    {"mix", "%", 0.0f, 100.0f, 50.0f},
    {"rate", "Hz", 0.0f, 20.0f, 0.8f},
    {"depth", "ms", 0.0f, 100.0f, 3.0f},
};
const UnitInfo kChorusInfo = {14, "chorus", kChorusParameters, 3};

constexpr UnitParameter kTremoloParameters[] = {
    {"frequency", "Hz", 0.1f, 20.0f, 5.0f}, {"depth", "", 0.0f, 1.0f, 1.0f},
    {"shape", "", 0.0f, 1.0f, 0.0f},        {"skew", "", -1.0f, 1.0f, 0.0f},
    {"duty", "", 0.0f, 1.0f, 0.5f},         {"square", "", 0.0f, 1.0f, 0.0f},
    {"phase", "", 0.0f, 1.0f, 0.0f},        {"spread", "", -1.0f, 1.0f, 0.0f},
};
const UnitInfo kTremoloInfo = {22, "tremolo", kTremoloParameters, 8};

} // namespace

const UnitEntry kFlangeEntry = {&kFlangeInfo, &makePassThrough<kFlangeInfo>};
const UnitEntry kChorusEntry = {&kChorusInfo, &makePassThrough<kChorusInfo>};
const UnitEntry kTremoloEntry = {&kTremoloInfo, &makePassThrough<kTremoloInfo>};

} // namespace zaudio
