#include "units.h"

namespace zaudio {

namespace {

// Sorted by type.
const UnitEntry* const kUnits[] = {
    &kOscillatorEntry,     &kLowPassEntry,     &kTrackerLowPassEntry, &kHighPassEntry,
    &kEchoEntry,           &kFaderEntry,       &kFlangeEntry,         &kDistortionEntry,
    &kNormalizeEntry,      &kLimiterEntry,     &kParamEqEntry,        &kPitchShiftEntry,
    &kChorusEntry,         &kTrackerEchoEntry, &kCompressorEntry,     &kReverbEntry,
    &kOnePoleLowPassEntry, &kDelayEntry,       &kTremoloEntry,        &kOnePoleHighPassEntry,
    &kThreeBandEqEntry,
};

const UnitEntry* find(int type)
{
    for (const UnitEntry* entry : kUnits) {
        if (entry->info->type == type)
            return entry;
    }
    return nullptr;
}

} // namespace

int unitInfoCount()
{
    return static_cast<int>(sizeof(kUnits) / sizeof(kUnits[0]));
}

const UnitInfo& unitInfoAt(int position)
{
    return *kUnits[position]->info;
}

const UnitInfo* findUnitInfo(int type)
{
    const UnitEntry* entry = find(type);
    return entry ? entry->info : nullptr;
}

std::unique_ptr<Unit> createUnit(int type)
{
    const UnitEntry* entry = find(type);
    return entry ? entry->create() : nullptr;
}

} // namespace zaudio
