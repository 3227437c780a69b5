#pragma once

// The registry's view of the unit families: each source file defines the
// entries of the types it implements.

#include "zaudio/unit.h"

#include <memory>

namespace zaudio {

struct UnitEntry
{
    const UnitInfo* info;
    std::unique_ptr<Unit> (*create)();
};

template <class T> std::unique_ptr<Unit> makeUnit()
{
    return std::make_unique<T>();
}

extern const UnitEntry kOscillatorEntry;      // 2   generators.cpp
extern const UnitEntry kLowPassEntry;         // 3   filters.cpp
extern const UnitEntry kTrackerLowPassEntry;  // 4   filters.cpp
extern const UnitEntry kHighPassEntry;        // 5   filters.cpp
extern const UnitEntry kEchoEntry;            // 6   echoes.cpp
extern const UnitEntry kFaderEntry;           // 7   fader.cpp
extern const UnitEntry kFlangeEntry;          // 8   modulation.cpp
extern const UnitEntry kDistortionEntry;      // 9   dynamics.cpp
extern const UnitEntry kNormalizeEntry;       // 10  dynamics.cpp
extern const UnitEntry kLimiterEntry;         // 11  dynamics.cpp
extern const UnitEntry kParamEqEntry;         // 12  filters.cpp
extern const UnitEntry kPitchShiftEntry;      // 13  pitchshift.cpp
extern const UnitEntry kChorusEntry;          // 14  modulation.cpp
extern const UnitEntry kTrackerEchoEntry;     // 17  echoes.cpp
extern const UnitEntry kCompressorEntry;      // 18  dynamics.cpp
extern const UnitEntry kReverbEntry;          // 19  reverb.cpp
extern const UnitEntry kOnePoleLowPassEntry;  // 20  filters.cpp
extern const UnitEntry kDelayEntry;           // 21  echoes.cpp
extern const UnitEntry kTremoloEntry;         // 22  modulation.cpp
extern const UnitEntry kOnePoleHighPassEntry; // 26 filters.cpp
extern const UnitEntry kThreeBandEqEntry;     // 28  filters.cpp

} // namespace zaudio

namespace zaudio {

// Leaves the signal as it is: stands in for a unit still being written.
class PassThroughUnit : public Unit
{
public:
    explicit PassThroughUnit(const UnitInfo& info) : Unit(info) {}
    void process(float*, unsigned, int) override {}
};

template <const UnitInfo& Info> std::unique_ptr<Unit> makePassThrough()
{
    return std::make_unique<PassThroughUnit>(Info);
}

} // namespace zaudio
