#include "hotkeytable.h"

#include "catalogueformat.h"
#include "savereport.h"
#include "spdlog_qt"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QVector>

namespace HotKey {

namespace {

constexpr int kSoundOffset = 100000;
constexpr int kActionOffset = 1000000;

// A key text's character: its first byte in UTF-8.
int characterOf(const QString& piece)
{
    const QByteArray bytes = piece.toUtf8();
    return bytes.isEmpty() ? -1 : static_cast<unsigned char>(bytes.at(0));
}

int pressedCharacter(int code)
{
    return code >= kKeypad0 && code <= kKeypad0 + 9 ? code - kKeypad0 + '0' : code;
}

} // namespace

Ids encode(const Ids& item, int kind)
{
    switch (kind) {
    case EffectKind:
        return item;
    case SoundKind:
        return {item.first + kSoundOffset, item.second + kSoundOffset};
    case ActionKind:
        return {item.first + kActionOffset, item.second + kActionOffset};
    default:
        return noIds();
    }
}

int classify(const Ids& pair)
{
    if (pair.first >= 0 && pair.first < kSoundOffset && pair.second >= 0 && pair.second < kSoundOffset)
        return EffectKind;
    if (pair.first >= kSoundOffset && pair.first < kActionOffset && pair.second >= kSoundOffset &&
        pair.second < kActionOffset)
        return SoundKind;
    if (pair.first >= kActionOffset && pair.second >= kActionOffset)
        return ActionKind;
    return NoKind;
}

Ids decode(const Ids& pair)
{
    switch (classify(pair)) {
    case SoundKind:
        return {pair.first - kSoundOffset, pair.second - kSoundOffset};
    case ActionKind:
        return {pair.first - kActionOffset, pair.second - kActionOffset};
    default:
        return pair;
    }
}

QList<Ids> matchKeyDown(const Table& table, int code, const Modifiers& modifiers)
{
    QList<Ids> fired;
    const int c = pressedCharacter(code);
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        const QStringList pieces = it.value().split(QLatin1Char('+'));
        if (pieces.size() == 2) {
            const bool matched =
                characterOf(pieces[1]) == c &&
                (modifiers.ctrl
                     ? pieces[0].contains(QLatin1String("Ctrl"), Qt::CaseInsensitive)
                     : modifiers.shift && pieces[0].contains(QLatin1String("Shift"), Qt::CaseInsensitive));
            if (matched) {
                fired.append(it.key());
                break;
            }
        } else if (pieces.size() == 1 && pieces[0].size() == 1) {
            if (!modifiers.ctrl && !modifiers.shift && !modifiers.alt && characterOf(pieces[0]) == c)
                fired.append(it.key());
        } else if (pieces.size() == 1) {
            const bool ctrlKey = c == kLeftCtrl || c == kRightCtrl;
            const bool shiftKey = c == kLeftShift || c == kRightShift;
            if ((ctrlKey && pieces[0].contains(QLatin1String("Ctrl"), Qt::CaseInsensitive)) ||
                (shiftKey && pieces[0].contains(QLatin1String("Shift"), Qt::CaseInsensitive)))
                fired.append(it.key());
        }
    }
    return fired;
}

QList<Ids> matchSystemKey(const Table& table, int code, const Modifiers& modifiers)
{
    QList<Ids> fired;
    const int c = pressedCharacter(code);
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        const QStringList pieces = it.value().split(QLatin1Char('+'));
        if (pieces.size() == 2) {
            if (modifiers.alt && pieces[0].contains(QLatin1String("Alt"), Qt::CaseInsensitive) &&
                characterOf(pieces[1]) == c) {
                fired.append(it.key());
                break;
            }
        } else if ((c == kLeftAlt || c == kRightAlt) &&
                   it.value().contains(QLatin1String("Alt"), Qt::CaseInsensitive)) {
            fired.append(it.key());
        }
    }
    return fired;
}

bool readTable(const QString& path, Table* table)
{
    table->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    quint32 count = 0;
    in >> count;
    // Entry by entry: a count larger than the file ends at the first failed read.
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 first = 0;
        qint32 second = 0;
        QString text;
        in >> first >> second >> text;
        if (in.status() == QDataStream::Ok)
            table->insert({first, second}, text);
    }
    if (in.status() != QDataStream::Ok) {
        table->clear();
        if (file.size() > 0) {
            file.close();
            Catalogue::keepBrokenFile(path); // the next write would replace it
        }
    }
    return true;
}

bool writeTable(const QString& path, const Table& table)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveReport::commit(file, path, "HotKey");
    QDataStream out(&file);
    out << static_cast<quint32>(table.size());
    // Reverse iteration order, as Qt streams a hash.
    QVector<Table::const_iterator> entries;
    entries.reserve(table.size());
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        entries.append(it);
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
        out << static_cast<qint32>((*entry).key().first) << static_cast<qint32>((*entry).key().second)
            << (*entry).value();
    return SaveReport::commit(file, path, "HotKey");
}

} // namespace HotKey
