#include "gatracker.h"

#include "cutesettings.h"
#include "gaservice.h"
#include "spdlog_qt"

#include <QCoreApplication>
#include <QDebug>

GaTracker* GaTracker::instance()
{
    // Never destroyed: events may still be queued while the process ends.
    static GaTracker* const tracker = new GaTracker;
    return tracker;
}

GaTracker::GaTracker()
    : m_service(
          new GaService(CuteSettings::instance()->configValue(QStringLiteral("AnalyticsMeasurementId"))))
{
    if (!m_service->isEnabled()) {
        LogInfo("[GA4] analytics off: no endpoint configured");
        return;
    }
    if (CuteSettings::instance()->value(QStringLiteral("AppFirstCycle"), true, Native).toBool())
        m_service->sendSystemInfo();
    m_service->track(QStringLiteral("Product"), QStringLiteral("ProductVersion"),
                     QCoreApplication::applicationVersion());
    m_service->track(QStringLiteral("Product"), QStringLiteral("Source"), QStringLiteral("SEO"));
}

void GaTracker::track(const QString& category, const QString& action)
{
    track(category, action, QString(), QVariant(), QVariantMap());
}

void GaTracker::track(const QString& category, const QString& action, const QString& label)
{
    track(category, action, label, QVariant(), QVariantMap());
}

void GaTracker::track(const QString& category, const QString& action, const QString& label,
                      const QVariant& value, const QVariantMap& extra)
{
    qDebug() << "[GA4] sendEvent:" << category << action << label << extra;
    m_service->track(category, action, label, value, extra);
}
