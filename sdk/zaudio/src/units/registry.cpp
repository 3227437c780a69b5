#include "fader.h"

#include "zaudio/unit.h"

namespace zaudio {

namespace {

struct Entry
{
    const UnitInfo* info;
    std::unique_ptr<Unit> (*create)();
};

template <class T> std::unique_ptr<Unit> make()
{
    return std::make_unique<T>();
}

// Sorted by type.
const Entry kUnits[] = {
    {&FaderUnit::kInfo, &make<FaderUnit>},
};

} // namespace

int unitInfoCount()
{
    return static_cast<int>(sizeof(kUnits) / sizeof(kUnits[0]));
}

const UnitInfo& unitInfoAt(int position)
{
    return *kUnits[position].info;
}

const UnitInfo* findUnitInfo(int type)
{
    for (const Entry& entry : kUnits) {
        if (entry.info->type == type)
            return entry.info;
    }
    return nullptr;
}

std::unique_ptr<Unit> createUnit(int type)
{
    for (const Entry& entry : kUnits) {
        if (entry.info->type == type)
            return entry.create();
    }
    return nullptr;
}

} // namespace zaudio
