#pragma once

#include <QString>

// How a built-in unit's parameter reads to a user: its value in the unit's
// own terms ("440 Hz", "-6.0 dB", "+3.9 st" for a pitch ratio).
namespace UnitLabels {

// The text of parameter `index` of unit `type` at `value`; empty when the
// parameter has no unit to show (ratios, switches, 0..1 amounts).
QString format(int type, int index, double value);

} // namespace UnitLabels
