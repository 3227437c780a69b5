#include "appmanager.h"
#include "gaservice.h"
#include "gatracker.h"
#include "httptestserver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>
#include <QUrl>

#include <utility>

namespace {

const QByteArray kMeasurementId = "G-TEST012345";

QMutex g_messagesMutex;
QStringList g_messages;
QtMessageHandler g_previousHandler = nullptr;

// Debug output arrives from the worker's pool thread as well as from this one.
void captureMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        QMutexLocker lock(&g_messagesMutex);
        g_messages << message;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QStringList takeMessages()
{
    QMutexLocker lock(&g_messagesMutex);
    return std::exchange(g_messages, QStringList());
}

void configure(const QString& endpoint, const QByteArray& measurementId)
{
    qputenv("ZELVANI_ANALYTICS_ENDPOINT", endpoint.toUtf8());
    qputenv("ZELVANI_ANALYTICS_MEASUREMENT_ID", measurementId);
}

// The request path the collector sees for an event of `service`, up to "en=".
QByteArray fixedPart(const GaService& service)
{
    return "/g/collect?v=2&sct=1&seg=1&tid=" + service.measurementId().toUtf8() +
           "&cid=" + service.clientId().toUtf8() + "&sid=" + service.sessionId().toUtf8() + "&en=";
}

QList<QByteArray> paths(const HttpTestServer& server)
{
    QList<QByteArray> result;
    for (const HttpTestServer::Request& request : server.requests())
        result << request.path;
    return result;
}

} // namespace

class TestAnalytics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppManager::applyProcessIdentity();
        g_previousHandler = qInstallMessageHandler(captureMessage);
    }

    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    void clientIdJoinsUpToFifteenDigitsTwice()
    {
        // Shorter than 15 digits: the whole string twice.
        QCOMPARE(GaService::clientIdFromMachineId("ab"), QStringLiteral("9798.9798"));
        // Bytes are signed: a UTF-8 "é" is -61, -87.
        QCOMPARE(GaService::clientIdFromMachineId("\xc3\xa9"), QStringLiteral("-61-87.-61-87"));
        // Exactly 15 digits is no longer short: nothing follows the dot.
        QCOMPARE(GaService::clientIdFromMachineId("abcdef"), QStringLiteral("979899100101102."));
        // Longer: 15 digits, then at most 15 more.
        QCOMPARE(GaService::clientIdFromMachineId("abcdefghij"),
                 QStringLiteral("979899100101102.103104105106"));
        QCOMPARE(GaService::clientIdFromMachineId("3d1219c7c4c5404aaa1f6d2a48adfda4"),
                 QStringLiteral("511004950495799.559952995352485"));
    }

    void requestsCarryTheEventAndItsParametersInOrder()
    {
        HttpTestServer server;
        QVERIFY(server.listen());
        configure(server.baseUrl() + QStringLiteral("/"), kMeasurementId);
        GaService service(QString::fromLatin1(kMeasurementId));
        QVERIFY(service.isEnabled());
        QCOMPARE(service.clientId(), GaService::clientIdFromMachineId(QSysInfo::machineUniqueId()));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(qAbs(service.sessionId().toLongLong() - now) <= 2);

        service.track(QStringLiteral("Lifecycle"), QStringLiteral("Start"));
        service.track(QStringLiteral("Sound"), QStringLiteral("Air horn"), QStringLiteral("big room"),
                      QVariant(3), {{QStringLiteral("b"), 2}, {QStringLiteral("a"), QStringLiteral("x")}});
        service.sendEvent(QStringLiteral("Odd"),
                          {QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("last")});
        service.sendEvent(QStringLiteral("Checked"), {QStringLiteral("k"), QStringLiteral("v")}, true);
        QVERIFY(server.waitForRequests(4));

        const QByteArray fixed = fixedPart(service);
        const QList<QByteArray> expected{
            fixed + "Lifecycle&ep.action=Start",
            fixed + "Sound&ep.action=Air%20horn&ep.label=big%20room&ep.value=3&ep.a=x&ep.b=2",
            fixed + "Odd&ep.k=v&ep.last=1",
            fixed + "Checked&ep.k=v&_dbg=1",
        };
        QCOMPARE(paths(server), expected);
        for (const HttpTestServer::Request& request : server.requests())
            QCOMPARE(request.method, QByteArray("GET"));

        // The service's own debug switch marks every request.
        service.setDebug(true);
        service.track(QStringLiteral("Voice"), QStringLiteral("Robot"));
        QVERIFY(server.waitForRequests(5));
        QCOMPARE(server.requests().last().path, fixed + "Voice&ep.action=Robot&_dbg=1");
    }

    void quickEventsGoOutInOrder()
    {
        HttpTestServer server;
        QVERIFY(server.listen());
        configure(server.baseUrl(), kMeasurementId);
        GaService service(QString::fromLatin1(kMeasurementId));
        const int count = 25;
        for (int i = 0; i < count; ++i)
            service.track(QStringLiteral("Voice"), QString::number(i));
        QVERIFY(server.waitForRequests(count));
        QTest::qWait(100);
        const QList<QByteArray> received = paths(server);
        QCOMPARE(received.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(received.at(i), fixedPart(service) + "Voice&ep.action=" + QByteArray::number(i));
    }

    void nothingIsSentWithoutEndpointOrMeasurementId()
    {
        HttpTestServer server;
        QVERIFY(server.listen());

        configure(server.baseUrl(), QByteArray());
        GaService noId(QString{});
        noId.track(QStringLiteral("Voice"), QStringLiteral("Robot"));
        noId.sendEvent(QStringLiteral("Voice"), {QStringLiteral("k")}, true);

        configure(QString(), kMeasurementId);
        GaService noEndpoint(QString::fromLatin1(kMeasurementId));
        noEndpoint.track(QStringLiteral("Voice"), QStringLiteral("Robot"));

        // An endpoint that is not an http(s) base address switches analytics off too.
        configure(QStringLiteral("ftp://127.0.0.1:%1").arg(server.port()), kMeasurementId);
        GaService badEndpoint(QString::fromLatin1(kMeasurementId));
        badEndpoint.track(QStringLiteral("Voice"), QStringLiteral("Robot"));

        QVERIFY(!noId.isEnabled());
        QVERIFY(!noEndpoint.isEnabled());
        QVERIFY(!badEndpoint.isEnabled());
        QTest::qWait(300);
        QCOMPARE(server.requests().size(), 0);
        QCOMPARE(server.connectionCount(), 0);
    }

    void serverErrorOnlyWritesTheDebugLine()
    {
        HttpTestServer server;
        QVERIFY(server.listen());
        server.setDefaultResponse(500, "broken");
        configure(server.baseUrl(), kMeasurementId);
        GaService service(QString::fromLatin1(kMeasurementId));
        takeMessages();
        service.track(QStringLiteral("Voice"), QStringLiteral("Robot"));
        service.track(QStringLiteral("Voice"), QStringLiteral("Alien"));
        QVERIFY(server.waitForRequests(2));

        // One line per failed request; the worker carries on with the queue.
        const QRegularExpression line(
            QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d:\d{3}\]\[GaService\]\[info\] )"
                           R"(sendEvent failed! httpCode: 500, error: \S.*$)"));
        QStringList failures;
        QTRY_VERIFY(
            (failures += takeMessages().filter(QStringLiteral("sendEvent failed!")), failures.size() >= 2));
        QCOMPARE(failures.size(), 2);
        for (const QString& failure : failures)
            QVERIFY2(line.match(failure).hasMatch(), qPrintable(failure));

        // Once the collector recovers, events go out again without a word.
        server.setDefaultResponse(200);
        service.track(QStringLiteral("Voice"), QStringLiteral("Echo"));
        QVERIFY(server.waitForRequests(3));
        QCOMPARE(server.requests().last().path, fixedPart(service) + "Voice&ep.action=Echo");
        QTest::qWait(100);
        QCOMPARE(takeMessages().filter(QStringLiteral("sendEvent failed!")), QStringList());
    }

    void trackerReportsStartUpFactsThenEvents()
    {
        HttpTestServer server;
        QVERIFY(server.listen());
        configure(server.baseUrl(), kMeasurementId);
        GaTracker* tracker = GaTracker::instance();
        QCOMPARE(GaTracker::instance(), tracker);
        QVERIFY(server.waitForRequests(6));

        // Labels as the collector decodes them.
        QStringList received;
        for (const QByteArray& path : paths(server))
            received << QUrl::fromPercentEncoding(path.mid(fixedPart(*tracker->service()).size()));
        const QLocale locale = QLocale::system();
        const QStringList expected{
            QStringLiteral("System&ep.action=SysOS&ep.label=") + QSysInfo::prettyProductName(),
            QStringLiteral("System&ep.action=SysLanguage&ep.label=") + locale.name(),
            QStringLiteral("System&ep.action=SysCountry&ep.label=") +
                QLocale::countryToString(locale.country()),
            QStringLiteral("System&ep.action=SysScreenResolution&ep.label=0x0"),
            QStringLiteral("Product&ep.action=ProductVersion&ep.label=3.1.0"),
            QStringLiteral("Product&ep.action=Source&ep.label=SEO"),
        };
        QCOMPARE(received, expected);

        // The screens' calls: a debug line first, then the request.
        takeMessages();
        tracker->track(QStringLiteral("DeviceTesting"), QStringLiteral("ClickDebug"));
        tracker->track(QStringLiteral("Sound"), QStringLiteral("Horn"), QStringLiteral("l"), QVariant(),
                       {{QStringLiteral("n"), 1}});
        QVERIFY(server.waitForRequests(8));
        QCOMPARE(server.requests().at(6).path,
                 fixedPart(*tracker->service()) + "DeviceTesting&ep.action=ClickDebug");
        QCOMPARE(server.requests().at(7).path,
                 fixedPart(*tracker->service()) + "Sound&ep.action=Horn&ep.label=l&ep.n=1");
        const QStringList lines = takeMessages().filter(QStringLiteral("[GA4] sendEvent:"));
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).contains(QStringLiteral("DeviceTesting")) &&
                     lines.at(0).contains(QStringLiteral("ClickDebug")),
                 qPrintable(lines.at(0)));
    }
};

QTEST_GUILESS_MAIN(TestAnalytics)
#include "test_analytics.moc"
