// The program's front for usage events: owns the one GaService of the process,
// reports the start-up facts when first used, and offers the calls the screens use.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

class GaService;

class GaTracker
{
    Q_DISABLE_COPY(GaTracker)

public:
    // Created on first use from any thread; lives until the process ends.
    static GaTracker* instance();

    void track(const QString& category, const QString& action);
    void track(const QString& category, const QString& action, const QString& label);
    void track(const QString& category, const QString& action, const QString& label, const QVariant& value,
               const QVariantMap& extra = QVariantMap());

    GaService* service() const { return m_service; }

private:
    GaTracker();
    ~GaTracker() = default;

    GaService* m_service;
};
