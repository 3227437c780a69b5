// Usage events for the analytics collection endpoint: one GET per event,
// queued and sent in order by a single background worker so callers never wait.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class GaService : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(GaService)
    Q_PROPERTY(QString measurementId READ measurementId WRITE setMeasurementId NOTIFY measurementIdChanged)

public:
    // The endpoint comes from the "AnalyticsEndpoint" setting. Without an endpoint
    // or a measurement id every send does nothing.
    explicit GaService(const QString& measurementId, QObject* parent = nullptr);
    // Waits for the request in flight; events still queued are dropped.
    ~GaService() override;

    QString measurementId() const;
    void setMeasurementId(const QString& measurementId);

    // Every request carries "&_dbg=1" while set.
    void setDebug(bool debug);
    // True when an endpoint and a measurement id are configured.
    bool isEnabled() const;

    // The collection address with the fixed query, or empty when analytics is off.
    QString baseUrl() const;
    QString clientId() const;
    QString sessionId() const;

    // `parameters` alternates key and value; a key without a value is sent as "=1".
    Q_INVOKABLE void sendEvent(const QString& event, const QStringList& parameters, bool debug = false);
    // The category is the event name; action, label, value and the extras (in key
    // order) are its parameters. An empty label and an invalid value are left out.
    void track(const QString& category, const QString& action, const QString& label = QString(),
               const QVariant& value = QVariant(), const QVariantMap& extra = QVariantMap());
    // Operating system, locale, country and primary screen size as "System" events.
    Q_INVOKABLE void sendSystemInfo();

    // The client id for a machine id: the decimal values of its bytes (signed)
    // in one string, cut into two parts of up to 15 digits joined by ".".
    static QString clientIdFromMachineId(const QByteArray& machineId);

signals:
    void measurementIdChanged();

private:
    void runWorker();

    struct Private;
    std::unique_ptr<Private> d;
};
