#include "unitlabels.h"

#include <cmath>
#include <initializer_list>

namespace {

enum class Unit
{
    None,
    Hertz,
    Milliseconds,
    Decibels,
    Percent,
    PitchRatio // shown in semitones
};

struct Entry
{
    int type;
    int first; // indexes first..last share the unit
    int last;
    Unit unit;
};

constexpr Entry kTable[] = {
    {2, 1, 1, Unit::Hertz},         {3, 0, 0, Unit::Hertz},          {4, 0, 0, Unit::Hertz},
    {4, 1, 1, Unit::Decibels},      {5, 0, 0, Unit::Hertz},          {6, 0, 0, Unit::Milliseconds},
    {6, 1, 1, Unit::Percent},       {6, 2, 3, Unit::Decibels},       {7, 0, 0, Unit::Decibels},
    {8, 0, 0, Unit::Percent},       {8, 2, 2, Unit::Hertz},          {10, 0, 0, Unit::Milliseconds},
    {11, 0, 0, Unit::Milliseconds}, {11, 1, 2, Unit::Decibels},      {12, 0, 0, Unit::Hertz},
    {12, 2, 2, Unit::Decibels},     {13, 0, 0, Unit::PitchRatio},    {14, 0, 0, Unit::Percent},
    {14, 1, 1, Unit::Hertz},        {14, 2, 2, Unit::Milliseconds},  {17, 0, 1, Unit::Percent},
    {17, 2, 3, Unit::Milliseconds}, {18, 0, 0, Unit::Decibels},      {18, 2, 3, Unit::Milliseconds},
    {18, 4, 4, Unit::Decibels},     {19, 0, 2, Unit::Milliseconds},  {19, 3, 3, Unit::Hertz},
    {19, 4, 6, Unit::Percent},      {19, 7, 7, Unit::Hertz},         {19, 8, 8, Unit::Decibels},
    {19, 9, 9, Unit::Hertz},        {19, 10, 10, Unit::Percent},     {19, 11, 12, Unit::Decibels},
    {20, 0, 0, Unit::Hertz},        {21, 0, 16, Unit::Milliseconds}, {22, 0, 0, Unit::Hertz},
    {26, 0, 0, Unit::Hertz},        {28, 0, 2, Unit::Decibels},      {28, 3, 4, Unit::Hertz},
};

Unit unitOf(int type, int index)
{
    for (const Entry& entry : kTable) {
        if (entry.type == type && index >= entry.first && index <= entry.last)
            return entry.unit;
    }
    return Unit::None;
}

// Whole numbers from 100 up, one decimal below.
QString number(double value)
{
    return QString::number(value, 'f', std::fabs(value) >= 100.0 ? 0 : 1);
}

} // namespace

QString UnitLabels::format(int type, int index, double value)
{
    switch (unitOf(type, index)) {
    case Unit::Hertz:
        return value >= 1000.0
                   ? QString::number(value / 1000.0, 'f', value >= 10000.0 ? 1 : 2) + QStringLiteral(" kHz")
                   : number(value) + QStringLiteral(" Hz");
    case Unit::Milliseconds:
        return number(value) + QStringLiteral(" ms");
    case Unit::Decibels:
        return QString::number(value, 'f', 1) + QStringLiteral(" dB");
    case Unit::Percent:
        return QString::number(value, 'f', 0) + QStringLiteral(" %");
    case Unit::PitchRatio: {
        if (value <= 0.0)
            return QString();
        const double semitones = 12.0 * std::log2(value);
        const QString text = QString::number(semitones, 'f', 1);
        return (semitones > 0.05 ? QStringLiteral("+") : QString()) + text + QStringLiteral(" st");
    }
    case Unit::None:
        break;
    }
    return QString();
}
