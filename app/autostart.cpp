#include "autostart.h"

#include "spdlog_qt"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {
namespace {

// An Exec argument quoted as desktop entries want it when it needs quoting.
QString execArgument(const QString& path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = true;
    for (const QChar c : path)
        plain = plain && !reserved.contains(c);
    // A percent sign would start a field code.
    QString quoted = path;
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (plain)
        return quoted;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\\\\\"));
    for (const char* special : {"\"", "`", "$"})
        quoted.replace(QLatin1String(special), QLatin1String("\\\\") + QLatin1String(special));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/org.zelvani.VoiceChanger.desktop");
}

bool isEnabled()
{
    return QFileInfo::exists(entryPath());
}

bool setEnabled(bool enabled, QString* error)
{
    const QString path = entryPath();
    if (!enabled) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            if (error)
                *error = QStringLiteral("cannot remove %1").arg(path);
            LogError(QStringLiteral("[Settings] start with the system: cannot remove %1").arg(path));
            return false;
        }
        LogInfo("[Settings] start with the system off");
        return true;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Zelvani Voice Changer\n"
                                         "Comment=Starts the voice changer in the system tray\n"
                                         "Exec=%1 --minimized\n"
                                         "Icon=org.zelvani.VoiceChanger\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execArgument(QCoreApplication::applicationFilePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        LogError(QStringLiteral("[Settings] start with the system: cannot write %1: %2")
                     .arg(path, file.errorString()));
        return false;
    }
    LogInfo(QStringLiteral("[Settings] start with the system on: %1").arg(path));
    return true;
}

} // namespace Autostart
