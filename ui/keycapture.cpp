#include "keycapture.h"

#include "hotkeyhook.h"
#include "moduledialogmanager.h"

#include <QVariantList>

namespace {

// The digit row's shifted symbols on a US layout.
int foldShiftedDigit(int key)
{
    switch (key) {
    case Qt::Key_Exclam:
        return Qt::Key_1;
    case Qt::Key_At:
        return Qt::Key_2;
    case Qt::Key_NumberSign:
        return Qt::Key_3;
    case Qt::Key_Dollar:
        return Qt::Key_4;
    case Qt::Key_Percent:
        return Qt::Key_5;
    case Qt::Key_AsciiCircum:
        return Qt::Key_6;
    case Qt::Key_Ampersand:
        return Qt::Key_7;
    case Qt::Key_Asterisk:
        return Qt::Key_8;
    case Qt::Key_ParenLeft:
        return Qt::Key_9;
    case Qt::Key_ParenRight:
        return Qt::Key_0;
    default:
        return key;
    }
}

bool hasModifier(const QString& text)
{
    return text.contains(QLatin1String("Ctrl")) || text.contains(QLatin1String("Shift")) ||
           text.contains(QLatin1String("Alt"));
}

} // namespace

QString KeyCapture::press(const QString& pending, int key)
{
    switch (key) {
    case Qt::Key_Shift:
        return QStringLiteral("Shift");
    case Qt::Key_Control:
        return QStringLiteral("Ctrl");
    case Qt::Key_Alt:
        return QStringLiteral("Alt");
    default:
        break;
    }
    key = foldShiftedDigit(key);
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    if (!digit && !letter)
        return pending;
    const QString character = QChar(key);
    if (!hasModifier(pending))
        return character;
    const int plus = pending.indexOf(QLatin1Char('+'));
    return (plus < 0 ? pending : pending.left(plus)) + QLatin1Char('+') + character;
}

bool KeyCapture::commit(const HotKey::Ids& item, const QString& text, int kind, QWidget* parent)
{
    HotKeyHook* hook = HotKeyHook::instance();
    if (hook->setBinding(item, text, kind))
        return true;
    const HotKey::Ids holder = hook->bindingForText(text);
    ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_KeyConflict, parent,
                                                QVariantList{holder.first, holder.second});
    return false;
}
