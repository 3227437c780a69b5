#include "zaudio/unit.h"

#include <algorithm>
#include <cmath>

namespace zaudio {

Unit::Unit(const UnitInfo& info) : m_info(info)
{
    for (int i = 0; i < kMaxParameters; ++i)
        m_values[i].store(i < info.parameterCount ? info.parameters[i].defaultValue : 0.0f);
}

void Unit::setup(int sampleRate, unsigned, int)
{
    m_sampleRate = sampleRate;
}

bool Unit::setParameter(int index, float value)
{
    if (index < 0 || index >= m_info.parameterCount || std::isnan(value))
        return false;
    const UnitParameter& p = m_info.parameters[index];
    m_values[index].store(std::clamp(value, p.min, p.max), std::memory_order_relaxed);
    return true;
}

float Unit::parameter(int index) const
{
    if (index < 0 || index >= m_info.parameterCount)
        return 0.0f;
    return m_values[index].load(std::memory_order_relaxed);
}

} // namespace zaudio
