#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariant>

class QDialog;
class QWidget;

// Opens the dialogs and messages of the main screens, one of a kind at a
// time, and answers each caller with the dialog's result.
class ModuleDialogManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ModuleDialogManager)

public:
    enum DialogType
    {
        DT_Quit = 0,
        DT_DeviceDetection = 1,
        DT_VolumeAdjust = 2,
        DT_ResourcesInitFail = 3,
        DT_NetworkError = 4,
        DT_UninstallVirtual = 5,
        DT_DeviceDisconnect = 6,
        DT_KeyConflict = 7,
        DT_MoreGroup = 8,
        DT_ParamNoChanged = 9,
        DT_SaveParam = 10,
        DT_DeleteVoice = 11,
        DT_PlaySoundFail = 12,
        DT_SaveFailed = 13
    };
    Q_ENUM(DialogType)

    static ModuleDialogManager* instance();

    // Runs the dialog of `type` modally on `parent` and returns its result:
    // the 1-based button of a message, the choice of a dialog, or -1 when a
    // dialog of the type is already open, the type is unknown, or the dialog
    // gives no result. `data` depends on the type: the anchor point of the
    // volume pop-up, the conflicting binding's pair (a list of two ints) of
    // the key-conflict notice, {"count", "groupId", "groupType"} of the
    // group dialog (result 100 + the chosen id), the mode of the save dialog, the
    // file and the reason (a list of two strings) of the failed-save notice.
    int showDialog(int type, QWidget* parent = nullptr, const QVariant& data = QVariant());
    bool isOpen(int type) const;
    // The open dialog of `type`, if any (tests, the screens that update it).
    QDialog* dialog(int type) const;

signals:
    // A dialog of `type` has just been made and is about to run.
    void dialogOpened(int type, QDialog* dialog);

private:
    ModuleDialogManager() = default;
    QDialog* create(int type, QWidget* parent, const QVariant& data) const;

    QHash<int, QPointer<QDialog>> m_open;
};
