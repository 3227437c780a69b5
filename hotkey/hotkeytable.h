#pragma once

// The table of global shortcuts: which key text is bound to which item, how
// items are encoded as pairs, the HotKey.dat file, and the rules that match
// a pressed key against the bindings. Plain values and free functions.

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

namespace HotKey {

using Ids = QPair<int, int>;
using Table = QHash<Ids, QString>;

// What a pair stands for.
enum Kind
{
    EffectKind = 0, // (group id, effect id)
    SoundKind = 1,  // (group id + 100000, sound id + 100000)
    ActionKind = 2, // (action id + 1000000, action id + 1000000)
    NoKind = 3
};

// The fixed actions.
constexpr int kHearMyself = 1;
constexpr int kApplyVoiceChanger = 2;

// The absence of a binding, and what an unknown kind encodes to.
inline Ids noIds()
{
    return {-99, -99};
}

Ids encode(const Ids& item, int kind);
int classify(const Ids& pair);
// The item of an encoded pair (the pair itself when it has no kind).
Ids decode(const Ids& pair);

// Virtual-key numbers the matchers compare: letters and digits are their
// upper-case character codes.
constexpr int kKeypad0 = 96; // to 105
constexpr int kLeftShift = 160;
constexpr int kRightShift = 161;
constexpr int kLeftCtrl = 162;
constexpr int kRightCtrl = 163;
constexpr int kLeftAlt = 164;
constexpr int kRightAlt = 165;

struct Modifiers
{
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The bindings a key-down fires, in the order they fire. `code` is the
// virtual key (keypad digits count as their digits). Ctrl and Shift
// combinations stop at the first match; single characters and modifiers
// alone go on walking.
QList<Ids> matchKeyDown(const Table& table, int code, const Modifiers& modifiers);
// The same for a key pressed with Alt (or an Alt key itself).
QList<Ids> matchSystemKey(const Table& table, int code, const Modifiers& modifiers);

// HotKey.dat: a big-endian count, then per entry first, second and the key
// text as a Qt stream string, in the table's reverse iteration order.
// Reading replaces `table`; a file that ends early gives an empty table.
// False when the file cannot be opened.
bool readTable(const QString& path, Table* table);
bool writeTable(const QString& path, const Table& table);

} // namespace HotKey
