#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QDialog;

// Opens the dialogs of the main menu (about, update), one of a kind at a time.
class DialogManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DialogManager)

public:
    enum DialogType
    {
        DT_About = 0,
        DT_Upgrade = 3
    };

    static DialogManager* instance();

    // Runs the dialog of `type` modally on the program's current window. The
    // update dialog starts waiting, or shows `data` at once when it holds a
    // result. Returns the dialog's result, -1 when it is already open or the
    // type is unknown.
    int showDialog(int type, const QVariantMap& data = QVariantMap());
    // Hands an open update dialog a new result; nothing when it is not open.
    void updateDialog(int type, const QVariantMap& data);
    bool isOpen(int type) const;
    QDialog* dialog(int type) const;

signals:
    void dialogOpened(int type, QDialog* dialog);

private:
    DialogManager() = default;
    QHash<int, QPointer<QDialog>> m_open;
};
