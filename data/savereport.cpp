#include "savereport.h"

#include "spdlog_qt"

#include <QSaveFile>

SaveReport* SaveReport::instance()
{
    static SaveReport* report = new SaveReport;
    return report;
}

void SaveReport::failed(const QString& path, const QString& reason)
{
    {
        QMutexLocker lock(&m_lock);
        if (m_failing.contains(path))
            return;
        m_failing.insert(path, reason);
    }
    emit saveFailed(path, reason);
}

void SaveReport::saved(const QString& path)
{
    QMutexLocker lock(&m_lock);
    m_failing.remove(path);
}

QHash<QString, QString> SaveReport::failing()
{
    QMutexLocker lock(&m_lock);
    return m_failing;
}

bool SaveReport::commit(QSaveFile& file, const QString& path, const char* area)
{
    if (file.isOpen() && file.commit()) {
        instance()->saved(path);
        return true;
    }
    const QString reason = file.errorString();
    LogError(QStringLiteral("[%1] cannot write %2: %3").arg(QLatin1String(area), path, reason));
    instance()->failed(path, reason);
    return false;
}
