#pragma once

// Writes of the user's own files that failed (a full disk, a read-only
// folder). Each file is reported once until a write of it works again, so
// the window tells the user without repeating itself on every change. The
// earlier file is always left as it was: every writer goes through QSaveFile.

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>

class QSaveFile;

class SaveReport : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SaveReport)

public:
    static SaveReport* instance();

    void failed(const QString& path, const QString& reason);
    void saved(const QString& path);
    // The files failing now, with their reasons: reported before a window was there to tell.
    QHash<QString, QString> failing();

    // Commits `file` (opened on `path`, or not: then its opening failed),
    // logs a failure under the `area` tag and reports either outcome.
    static bool commit(QSaveFile& file, const QString& path, const char* area);

signals:
    // Any thread; receivers in the window get it queued.
    void saveFailed(const QString& path, const QString& reason);

private:
    SaveReport() = default;
    QMutex m_lock;
    QHash<QString, QString> m_failing;
};
