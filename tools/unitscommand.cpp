// zelvani-cli units, and the --unit chains of the commands that render: the
// built-in unit types of the audio library with their parameters.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"

#include "zaudio/unit.h"

#include <QJsonDocument>
#include <QMap>

#include <cmath>

namespace cli {

namespace {

QString number(float value)
{
    return QString::number(static_cast<double>(value), 'g', 7);
}

} // namespace

QJsonArray unitTableToJson()
{
    QJsonArray units;
    for (int i = 0; i < zaudio::unitInfoCount(); ++i) {
        const zaudio::UnitInfo& info = zaudio::unitInfoAt(i);
        QJsonArray parameters;
        for (int p = 0; p < info.parameterCount; ++p) {
            const zaudio::UnitParameter& parameter = info.parameters[p];
            QJsonObject object;
            object.insert(QStringLiteral("index"), p);
            object.insert(QStringLiteral("name"), QString::fromUtf8(parameter.name));
            object.insert(QStringLiteral("unit"), QString::fromUtf8(parameter.unit));
            object.insert(QStringLiteral("min"), static_cast<double>(parameter.min));
            object.insert(QStringLiteral("max"), static_cast<double>(parameter.max));
            object.insert(QStringLiteral("default"), static_cast<double>(parameter.defaultValue));
            parameters.append(object);
        }
        QJsonObject unit;
        unit.insert(QStringLiteral("type"), info.type);
        unit.insert(QStringLiteral("name"), QString::fromUtf8(info.name));
        unit.insert(QStringLiteral("parameters"), parameters);
        units.append(unit);
    }
    return units;
}

QString unitTableToText()
{
    QString text;
    for (int i = 0; i < zaudio::unitInfoCount(); ++i) {
        const zaudio::UnitInfo& info = zaudio::unitInfoAt(i);
        text += QStringLiteral("%1  %2\n").arg(info.type, 2).arg(QString::fromUtf8(info.name));
        for (int p = 0; p < info.parameterCount; ++p) {
            const zaudio::UnitParameter& parameter = info.parameters[p];
            const QString unit =
                *parameter.unit ? QStringLiteral(" ") + QString::fromUtf8(parameter.unit) : QString();
            text +=
                QStringLiteral("    %1  %2  %3 to %4%5 (default %6)\n")
                    .arg(p, 2)
                    .arg(QString::fromUtf8(parameter.name), -22)
                    .arg(number(parameter.min), number(parameter.max), unit, number(parameter.defaultValue));
        }
    }
    return text;
}

bool parseAssignments(const QString& list, const QString& option, QVector<QPair<int, float>>* values,
                      QString* error)
{
    values->clear();
    for (const QString& assignment : list.split(QLatin1Char(','))) {
        const int equals = assignment.indexOf(QLatin1Char('='));
        bool indexOk = false, valueOk = false;
        const int index = assignment.left(equals).trimmed().toInt(&indexOk);
        const float value = equals < 0 ? 0.0f : assignment.mid(equals + 1).trimmed().toFloat(&valueOk);
        if (!indexOk || !valueOk || !std::isfinite(value) || index < 0) {
            *error = QStringLiteral("'%1' in %2 is not INDEX=VALUE").arg(assignment, option);
            return false;
        }
        values->append({index, value});
    }
    return true;
}

bool parseChainUnit(const QString& text, ChainUnit* unit, QString* error)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    unit->type = text.left(colon).toInt(&ok);
    const zaudio::UnitInfo* info = ok ? zaudio::findUnitInfo(unit->type) : nullptr;
    if (!info) {
        *error =
            QStringLiteral("'%1' is not a built-in unit type (see zelvani-cli units)").arg(text.left(colon));
        return false;
    }
    unit->values.clear();
    if (colon < 0)
        return true;
    if (!parseAssignments(text.mid(colon + 1), QStringLiteral("--unit ") + text, &unit->values, error))
        return false;
    for (const auto& value : unit->values) {
        if (value.first >= info->parameterCount) {
            *error = QStringLiteral("unit %1 (%2) has no parameter %3; it has 0 to %4")
                         .arg(info->type)
                         .arg(QString::fromUtf8(info->name))
                         .arg(value.first)
                         .arg(info->parameterCount - 1);
            return false;
        }
    }
    return true;
}

zaudio::Result addChainUnits(const zaudio::System& system, const zaudio::ChannelGroup& master,
                             const QVector<ChainUnit>& units)
{
    // The engine keeps its capture unit at the head (the output end) and one
    // unit per type in its table; each new unit goes in at the position that
    // counts the table's entries, then the capture unit moves back to the
    // head. A 0 dB fader stands in for the capture unit, so the units run in
    // the same order as they do live.
    zaudio::DSP head;
    if (zaudio::Result r = system.createDSPByType(7, &head); r != zaudio::Ok)
        return r;
    if (zaudio::Result r = master.addDSP(0, head); r != zaudio::Ok)
        return r;
    QMap<int, zaudio::DSP> table;
    for (const ChainUnit& unit : units) {
        QMap<int, float> values;
        for (const auto& value : unit.values)
            values.insert(value.first, value.second);
        zaudio::DSP dsp;
        if (zaudio::Result r = system.createDSPByType(unit.type, &dsp); r != zaudio::Ok)
            return r;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (zaudio::Result r = dsp.setParameterFloat(it.key(), it.value()); r != zaudio::Ok)
                return r;
        }
        if (zaudio::Result r = master.addDSP(table.size(), dsp); r != zaudio::Ok)
            return r;
        if (zaudio::Result r = master.addDSP(0, head); r != zaudio::Ok)
            return r;
        table.insert(unit.type, dsp);
    }
    return system.update();
}

int runUnits(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {}, {QStringLiteral("--json")}, &parsed, &error))
        return usageError(err, "units", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "units", QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));
    const QByteArray text = parsed.has(QStringLiteral("--json"))
                                ? QJsonDocument(unitTableToJson()).toJson(QJsonDocument::Indented)
                                : unitTableToText().toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
    return std::fflush(out) == 0 ? Success : Failure;
}

} // namespace cli
