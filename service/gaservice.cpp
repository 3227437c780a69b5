#include "gaservice.h"

#include "cutesettings.h"
#include "spdlog_qt"

#include <QDateTime>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScreen>
#include <QSysInfo>
#include <QThreadPool>
#include <QUrl>
#include <QWaitCondition>

namespace {

// An unreachable collector must not hold a worker (or the exit, which waits
// for the pool) for long.
constexpr int kRequestTimeoutMs = 10000;

// The collection address for a configured endpoint (scheme, host, port), or
// empty when none is configured or it is unusable.
QString collectionUrl(const QString& endpoint)
{
    if (endpoint.isEmpty())
        return {};
    const QUrl url(endpoint, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) || url.hasQuery() ||
        url.hasFragment()) {
        LogError(QStringLiteral("[GA4] analytics endpoint unusable, events are not sent: %1").arg(endpoint));
        return {};
    }
    QString base = endpoint;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/g/collect?v=2&sct=1&seg=1");
}

QString screenResolution()
{
    // Without a GUI application there are no screens to ask.
    QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                          ? QGuiApplication::primaryScreen()
                          : nullptr;
    if (!screen)
        return QStringLiteral("0x0");
    const QSize pixels = screen->size() * screen->devicePixelRatio();
    return QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height());
}

} // namespace

struct GaService::Private
{
    QString baseUrl;
    GaService* owner = nullptr;
    QString measurementId;
    QString clientId;
    QString sessionId;
    bool debug = false;
    QStringList queue;
    mutable QMutex mutex;
    bool busy = false;
    bool stop = false;
    QWaitCondition idle; // signalled when the worker ends
};

GaService::GaService(const QString& measurementId, QObject* parent) : QObject(parent), d(new Private)
{
    d->baseUrl = collectionUrl(CuteSettings::instance()->configValue(QStringLiteral("AnalyticsEndpoint")));
    d->owner = this;
    d->measurementId = measurementId.trimmed();
    d->clientId = clientIdFromMachineId(QSysInfo::machineUniqueId());
    d->sessionId = QString::number(QDateTime::currentSecsSinceEpoch());
}

GaService::~GaService()
{
    QMutexLocker lock(&d->mutex);
    d->stop = true;
    while (d->busy)
        d->idle.wait(&d->mutex);
}

QString GaService::measurementId() const
{
    QMutexLocker lock(&d->mutex);
    return d->measurementId;
}

void GaService::setMeasurementId(const QString& measurementId)
{
    {
        QMutexLocker lock(&d->mutex);
        if (d->measurementId == measurementId.trimmed())
            return;
        d->measurementId = measurementId.trimmed();
    }
    emit measurementIdChanged();
}

void GaService::setDebug(bool debug)
{
    QMutexLocker lock(&d->mutex);
    d->debug = debug;
}

bool GaService::isEnabled() const
{
    return !d->baseUrl.isEmpty() && !measurementId().isEmpty();
}

QString GaService::baseUrl() const
{
    return d->baseUrl;
}

QString GaService::clientId() const
{
    return d->clientId;
}

QString GaService::sessionId() const
{
    return d->sessionId;
}

QString GaService::clientIdFromMachineId(const QByteArray& machineId)
{
    QString digits;
    for (const char byte : machineId)
        digits += QString::number(static_cast<qint8>(byte));
    if (digits.size() < 15)
        return digits + QLatin1Char('.') + digits;
    return digits.left(15) + QLatin1Char('.') + digits.mid(15, 15);
}

void GaService::sendEvent(const QString& event, const QStringList& parameters, bool debug)
{
    QMutexLocker lock(&d->mutex);
    if (d->baseUrl.isEmpty() || d->measurementId.isEmpty())
        return;

    QString url = QStringLiteral("%1&tid=%2&cid=%3&sid=%4&en=%5")
                      .arg(d->baseUrl, d->measurementId, d->clientId, d->sessionId, event);
    for (int i = 0; i < parameters.size(); i += 2) {
        const QString value = i + 1 < parameters.size() ? parameters.at(i + 1) : QStringLiteral("1");
        url += QStringLiteral("&ep.") + parameters.at(i) + QLatin1Char('=') + value;
    }
    if (debug || d->debug)
        url += QStringLiteral("&_dbg=1");

    d->queue.append(url);
    if (!d->busy) {
        d->busy = true;
        QThreadPool::globalInstance()->start([this] { runWorker(); });
    }
}

void GaService::track(const QString& category, const QString& action, const QString& label,
                      const QVariant& value, const QVariantMap& extra)
{
    QStringList parameters{QStringLiteral("action"), action};
    if (!label.isEmpty())
        parameters << QStringLiteral("label") << label;
    if (value.isValid())
        parameters << QStringLiteral("value") << value.toString();
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        parameters << it.key() << it.value().toString();
    sendEvent(category, parameters, false);
}

void GaService::sendSystemInfo()
{
    const QString system = QStringLiteral("System");
    const QLocale locale = QLocale::system();
    track(system, QStringLiteral("SysOS"), QSysInfo::prettyProductName());
    track(system, QStringLiteral("SysLanguage"), locale.name());
    track(system, QStringLiteral("SysCountry"), QLocale::countryToString(locale.country()));
    track(system, QStringLiteral("SysScreenResolution"), screenResolution());
}

void GaService::runWorker()
{
    // Lives on a pool thread: its own manager, replies awaited in a local loop.
    auto manager = std::make_unique<QNetworkAccessManager>();
    for (;;) {
        QString url;
        {
            QMutexLocker lock(&d->mutex);
            if (d->queue.isEmpty() || d->stop) {
                d->busy = false;
                d->idle.wakeAll();
                break;
            }
            url = d->queue.takeFirst();
        }

        // Lenient parsing percent-encodes blanks and other unsafe characters in names.
        QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
        request.setTransferTimeout(kRequestTimeoutMs);
        QNetworkReply* reply = manager->get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        const int httpCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError) {
            const QString message = QStringLiteral("sendEvent failed! httpCode: %1, error: %2")
                                        .arg(httpCode)
                                        .arg(reply->errorString());
            const QString now =
                QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz"));
            qDebug("[%s][GaService][info] %s", now.toUtf8().constData(), message.toUtf8().constData());
        }
        delete reply;
    }
    // `this` may be gone from here on: the owner only waits for busy to clear.
    manager.reset();
}
