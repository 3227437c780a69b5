#pragma once

#include "zaudio/unit.h"

namespace zaudio {

// Type 7: a gain in dB, ramped over each block so changes do not click.
class FaderUnit : public Unit
{
public:
    static const UnitInfo kInfo;
    FaderUnit() : Unit(kInfo) {}
    void reset() override { m_primed = false; }
    void process(float* data, unsigned frames, int channels) override;

private:
    float m_gain = 1.0f;
    bool m_primed = false;
};

} // namespace zaudio
