#include "units.h"

namespace zaudio {

namespace {

constexpr UnitParameter kEchoParameters[] = {
    {"delay", "ms", 1.0f, 5000.0f, 500.0f},
    {"feedback", "%", 0.0f, 100.0f, 50.0f},
    {"dry level", "dB", -80.0f, 10.0f, 0.0f},
    {"wet level", "dB", -80.0f, 10.0f, 0.0f},
};
const UnitInfo kEchoInfo = {6, "echo", kEchoParameters, 4};

constexpr UnitParameter kTrackerEchoParameters[] = {
    {"wet/dry mix", "%", 0.0f, 100.0f, 50.0f},   {"feedback", "%", 0.0f, 100.0f, 50.0f},
    {"left delay", "ms", 1.0f, 2000.0f, 500.0f}, {"right delay", "ms", 1.0f, 2000.0f, 500.0f},
    {"pan delay", "", 0.0f, 1.0f, 0.0f},
};
const UnitInfo kTrackerEchoInfo = {17, "tracker echo", kTrackerEchoParameters, 5};

constexpr UnitParameter kDelayParameters[] = {
    {"delay 0", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 1", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 2", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 3", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 4", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 5", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 6", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 7", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 8", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 9", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 10", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 11", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 12", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 13", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 14", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 15", "ms", 0.0f, 10000.0f, 0.0f},
    {"maximum delay", "ms", 0.0f, 10000.0f, 10.0f},
};
const UnitInfo kDelayInfo = {21, "delay", kDelayParameters, 17};

} // namespace

const UnitEntry kEchoEntry = {&kEchoInfo, &makePassThrough<kEchoInfo>};
const UnitEntry kTrackerEchoEntry = {&kTrackerEchoInfo, &makePassThrough<kTrackerEchoInfo>};
const UnitEntry kDelayEntry = {&kDelayInfo, &makePassThrough<kDelayInfo>};

} // namespace zaudio
