#include "moduledialogmanager.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "devicedetectiondialog.h"
#include "effectactionview.h"
#include "grouplistview.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "shelldialogs.h"
#include "xmessagebox.h"

#include "spdlog_qt"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QSystemTrayIcon>

namespace {

constexpr int kLastType = ModuleDialogManager::DT_SaveFailed;

// Plain text for a rich-text message box: escaped, line breaks kept.
QString richText(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
}

XMessageBox* message(const QString& text, const QStringList& buttons, QWidget* parent)
{
    return new XMessageBox(richText(text), buttons, parent);
}

QString conflictText(const QVariant& data)
{
    const QVariantList pair = data.toList();
    const HotKey::Ids ids(pair.value(0).toInt(), pair.value(1).toInt());
    const QPair<QString, QString> binding = HotKeyHook::instance()->describeBinding(ids);
    return richText(QCoreApplication::translate("ModuleDialogManager", "Repeated keybind")) +
           QStringLiteral("<br/><br/><font style='color: %1; font-size: %4pt;'>【%2】-【%3】</font>")
               .arg(Kit::accentColor().name(), binding.first.toHtmlEscaped(), binding.second.toHtmlEscaped())
               .arg(AppManager::instance()->applicationFontSize());
}

} // namespace

ModuleDialogManager* ModuleDialogManager::instance()
{
    static ModuleDialogManager manager;
    return &manager;
}

bool ModuleDialogManager::isOpen(int type) const
{
    return !m_open.value(type).isNull();
}

QDialog* ModuleDialogManager::dialog(int type) const
{
    return m_open.value(type).data();
}

QDialog* ModuleDialogManager::create(int type, QWidget* parent, const QVariant& data) const
{
    switch (type) {
    case DT_Quit:
        return new QuitDialog(QSystemTrayIcon::isSystemTrayAvailable(), parent);
    case DT_DeviceDetection:
        return new DeviceDetectionDialog(parent);
    case DT_VolumeAdjust: {
        QPoint anchor = data.toPoint();
        if (data.isNull() && parent)
            anchor = parent->mapToGlobal(QPoint(parent->width() / 2, parent->height()));
        return new VolumeAdjustDailog(AudioManager::instance()->outputName(), anchor, parent);
    }
    case DT_ResourcesInitFail:
        return message(
            QCoreApplication::translate(
                "ModuleDialogManager",
                "Resource initialization failed, restart the software if you want to use the new voice"),
            {QCoreApplication::translate("ModuleDialogManager", "OK")}, parent);
    case DT_NetworkError:
        return message(QCoreApplication::translate("ModuleDialogManager",
                                                   "Download failed. Please check the internet connection!"),
                       {QCoreApplication::translate("ModuleDialogManager", "OK")}, parent);
    case DT_UninstallVirtual:
        return message(QCoreApplication::translate(
                           "ModuleDialogManager",
                           "Please install the virtual driver first \n\nThe software can only be used after "
                           "installing the virtual driver, please click \"Install\"."),
                       {QCoreApplication::translate("ModuleDialogManager", "Install")}, parent);
    case DT_DeviceDisconnect:
        return message(QCoreApplication::translate(
                           "ModuleDialogManager",
                           "Kind tips \n\nThere is something wrong with your microphone/headphones, please "
                           "click \"Detect\" to re-detect the device."),
                       {QCoreApplication::translate("ModuleDialogManager", "Detection")}, parent);
    case DT_KeyConflict:
        return new XMessageBox(conflictText(data), {}, parent);
    case DT_ParamNoChanged:
        return message(QCoreApplication::translate("ModuleDialogManager", "Non-adjustment for parameters"),
                       {}, parent);
    case DT_DeleteVoice:
        return message(QCoreApplication::translate("ModuleDialogManager",
                                                   "Are you sure you want to delete the selected sound?"),
                       {QCoreApplication::translate("ModuleDialogManager", "Cancel"),
                        QCoreApplication::translate("ModuleDialogManager", "Delete")},
                       parent);
    case DT_PlaySoundFail:
        return message(
            QCoreApplication::translate(
                "ModuleDialogManager",
                "Fail to play, the file does not exist or is damaged! Do you want to delete this sound?"),
            {QCoreApplication::translate("ModuleDialogManager", "Cancel"),
             QCoreApplication::translate("ModuleDialogManager", "Delete")},
            parent);
    case DT_SaveFailed: {
        const QStringList fileAndReason = data.toStringList();
        return message(
            QCoreApplication::translate(
                "ModuleDialogManager",
                "Cannot save %1 (%2).\n\nThe file keeps its earlier content, and your changes last "
                "until the program closes. Free some disk space or make the folder writable.")
                .arg(QDir::toNativeSeparators(fileAndReason.value(0)), fileAndReason.value(1)),
            {QCoreApplication::translate("ModuleDialogManager", "OK")}, parent);
    }
    case DT_MoreGroup: {
        const QVariantMap map = data.toMap();
        return new MoreGroupDialog(map.value(QStringLiteral("groupType")).toInt(),
                                   map.value(QStringLiteral("count")).toInt(),
                                   map.value(QStringLiteral("groupId")).toInt(),
                                   map.value(QStringLiteral("anchor"), QCursor::pos()).toPoint(), parent);
    }
    case DT_SaveParam:
        return new SaveParamDialog(data.toInt(), parent);
    default:
        return nullptr;
    }
}

int ModuleDialogManager::showDialog(int type, QWidget* parent, const QVariant& data)
{
    if (isOpen(type))
        return -1;
    AppManager::restoreCurrentWindow();
    if (type < 0 || type > kLastType)
        return -1;
    QDialog* created = create(type, parent, data);
    if (!created) {
        LogInfo(QStringLiteral("[Dialog] no dialog of type %1 in this version").arg(type));
        return -1;
    }
    created->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(type, created);
    emit dialogOpened(type, created);
    const int result = created->exec();
    switch (type) {
    case DT_DeviceDetection:
    case DT_VolumeAdjust:
    case DT_KeyConflict:
    case DT_ParamNoChanged:
        return -1;
    default:
        return result;
    }
}
