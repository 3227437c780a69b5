// The resource check and downloads against a real HTTP server on 127.0.0.1
// serving a tree laid out by the manifest builder.

#include "appmanager.h"
#include "filetools.h"
#include "httptestserver.h"
#include "launchmanager.h"
#include "manifest.h"
#include "resourcesync.h"
#include "spdlogcore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

const char* const kManifestPath = "/ton-morph/tonmorph_resources_linux.json";

} // namespace

class TestSync : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_logs;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<HttpTestServer> m_server;
    QJsonObject m_manifest;

    QString source(const QString& name = QString()) const
    {
        return m_work->filePath(QStringLiteral("source/") + name);
    }
    QString local(const QString& name = QString()) const
    {
        return m_work->filePath(QStringLiteral("local/") + name);
    }

    static QString logText()
    {
        SpdLogFlush();
        return QString::fromUtf8(fileBytes(QString::fromLocal8Bit(SpdLogFilePath())));
    }

    // Serves the source folder as the download server holds it, with the
    // manifest `edit` may change first.
    void serve(const std::function<void(QJsonObject&)>& edit = {})
    {
        QString error;
        QVERIFY2(cli::buildManifest(source(), m_server->baseUrl(), &m_manifest, &error), qPrintable(error));
        const QString tree = m_work->filePath(QStringLiteral("tree"));
        QVERIFY2(cli::writeServerTree(source(), m_manifest, tree, &error), qPrintable(error));
        if (edit)
            edit(m_manifest);
        QDirIterator it(tree, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            m_server->setResponse(path.mid(tree.size()).toUtf8(), 200, fileBytes(path),
                                  "application/octet-stream");
        }
        m_server->setResponse(kManifestPath, 200, QJsonDocument(m_manifest).toJson(), "application/json");
    }

    std::unique_ptr<LaunchManager> launcher() const
    {
        auto launch = std::make_unique<LaunchManager>();
        launch->setResourceServer(m_server->baseUrl());
        launch->setResourcesPath(local().chopped(1));
        return launch;
    }

    int requestsFor(const QByteArray& path) const
    {
        int count = 0;
        for (const HttpTestServer::Request& request : m_server->requests())
            count += request.path == path ? 1 : 0;
        return count;
    }

private slots:
    void initTestCase()
    {
        AppManager::applyProcessIdentity();
        InitSpdLogW(L"AppLog.log", m_logs.path().toStdWString().c_str());
    }

    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        m_server = std::make_unique<HttpTestServer>();
        QVERIFY(m_server->listen());
        m_server->setDefaultResponse(404, "not here");
        writeFile(source("effects.json"), "{\"version\": \"2\"}");
        writeFile(source("vst/Robotizer.so"), "robot plug-in, new");
        writeFile(source("vst/Whisper.so"), "whisper plug-in");
        writeFile(source("audio/Gong.ogg"), "gong");
    }

    void startUpFetchesStaleFilesAndLeavesMissingOnesForLater()
    {
        serve([](QJsonObject& manifest) {
            // The catalogue's hash in upper case still matches.
            QJsonArray jsons = manifest.value(QLatin1String("jsons")).toArray();
            QJsonObject entry = jsons[0].toObject();
            entry.insert(QStringLiteral("md5"), entry.value(QLatin1String("md5")).toString().toUpper());
            jsons[0] = entry;
            manifest.insert(QStringLiteral("jsons"), jsons);
        });
        writeFile(local("effects.json"), "{\"version\": \"2\"}");
        writeFile(local("vst/Robotizer.so"), "robot plug-in, old"); // stale

        auto launch = launcher();
        QSignalSpy progress(launch.get(), &LaunchManager::stepValueChange);
        launch->checkResources();
        QVERIFY(launch->isManifestLoaded());
        QCOMPARE(requestsFor("/resources/effects.json"), 0);
        QCOMPARE(requestsFor("/resources/vst/linux/Robotizer.so"), 1);
        QCOMPARE(fileBytes(local("vst/Robotizer.so")), QByteArray("robot plug-in, new"));
        // Missing plug-ins and sounds wait for a request.
        QCOMPARE(requestsFor("/resources/vst/linux/Whisper.so"), 0);
        QVERIFY(!QFile::exists(local("vst/Whisper.so")));
        QCOMPARE(launch->pendingItems().size(), 3);
        QList<int> values;
        for (const QList<QVariant>& step : progress)
            values.append(step.at(0).toInt());
        // 6, 8, one step per category, then 1 of 3 pending downloads done.
        QCOMPARE(values, (QList<int>{6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 50}));

        QSignalSpy finished(launch.get(), &LaunchManager::downloadFilesFinished);
        launch->downloadFiles({QStringLiteral("vst/whisper.so")}, 4, 24, 0); // any case
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0), (QList<QVariant>{true, 4, 24, 0}));
        QCOMPARE(fileBytes(local("vst/Whisper.so")), QByteArray("whisper plug-in"));
        QVERIFY(!QFile::exists(local("audio/Gong.ogg")));
    }

    void requestsDuringADownloadAreServedInOrder()
    {
        serve();
        auto launch = launcher();
        launch->checkResources();
        QSignalSpy finished(launch.get(), &LaunchManager::downloadFilesFinished);
        // While the first file downloads (inside its nested loop), two more
        // requests arrive.
        bool asked = false;
        connect(m_server.get(), &HttpTestServer::requestReceived, this, [&] {
            if (asked)
                return;
            asked = true;
            launch->downloadFiles({QStringLiteral("Gong.ogg")}, 2, 7, 1);
            launch->downloadFiles({QStringLiteral("Missing.so")}, 3, 8, 0);
        });
        launch->downloadFiles({QStringLiteral("Whisper.so")}, 1, 6, 0);
        QCOMPARE(finished.count(), 3);
        QCOMPARE(finished.at(0), (QList<QVariant>{true, 1, 6, 0}));
        QCOMPARE(finished.at(1), (QList<QVariant>{true, 2, 7, 1}));
        QCOMPARE(finished.at(2), (QList<QVariant>{true, 3, 8, 0})); // nothing matched: nothing failed
        QCOMPARE(fileBytes(local("audio/Gong.ogg")), QByteArray("gong"));
    }

    void failuresAreLoggedAndReported()
    {
        serve();
        m_server->setResponse("/resources/vst/linux/Whisper.so", 500, "broken");
        auto launch = launcher();
        launch->checkResources();
        QSignalSpy finished(launch.get(), &LaunchManager::downloadFilesFinished);
        launch->downloadFiles({QStringLiteral("Whisper.so"), QStringLiteral("Gong.ogg")}, 1, 2, 0);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QCOMPARE(requestsFor("/resources/vst/linux/Whisper.so"), 3);
        QCOMPARE(requestsFor("/resources/audio/Gong.ogg"), 0); // the rest of the request is skipped
        QVERIFY(logText().contains(
            QStringLiteral("[Download] %1/resources/vst/linux/Whisper.so download failed 3 "
                           "times.")
                .arg(m_server->baseUrl())));

        // An empty manifest: loaded, nothing scheduled, so a request has nothing to fetch.
        m_server->setResponse(kManifestPath, 200, "{}", "application/json");
        auto empty = launcher();
        empty->checkResources();
        QVERIFY(empty->isManifestLoaded() && empty->pendingItems().isEmpty());
        QSignalSpy none(empty.get(), &LaunchManager::downloadFilesFinished);
        empty->downloadFiles({QStringLiteral("Whisper.so")}, 1, 2, 0);
        QCOMPARE(none.at(0).at(0).toBool(), false);
        QVERIFY(logText().contains(QStringLiteral("[downloadFiles] resources http path is empty.")));

        // No server configured: skipped with a log line, no dialog, no request.
        auto unconfigured = launcher();
        unconfigured->setResourceServer(QString());
        QSignalSpy failed(unconfigured.get(), &LaunchManager::resourcesInitFailed);
        const int before = static_cast<int>(m_server->requests().size());
        unconfigured->checkResources();
        QCOMPARE(failed.count(), 0);
        QCOMPARE(static_cast<int>(m_server->requests().size()), before);
        QVERIFY(logText().contains(QStringLiteral("no resource server configured")));
    }

    void silentServerTimesOutAndStartGoesOn()
    {
        QTcpServer silent; // takes the connection and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        auto launch = launcher();
        launch->setResourceServer(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()));
        QSignalSpy failed(launch.get(), &LaunchManager::resourcesInitFailed);
        QElapsedTimer clock;
        clock.start();
        launch->checkResources();
        QVERIFY2(clock.elapsed() >= LaunchManager::kManifestTimeoutMs - 100,
                 qPrintable(QString::number(clock.elapsed()) + logText().right(300)));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!launch->isManifestLoaded());
        QVERIFY(logText().contains(QStringLiteral("Check resources failed! describe: timeout")));
    }

    void hostileNamesAreRefused()
    {
        serve([](QJsonObject& manifest) {
            QJsonArray audios = manifest.value(QLatin1String("audios")).toArray();
            for (const char* name : {"../../escape.txt", "/etc/evil", "a\\b.ogg", "sub/../../x.ogg"})
                audios.append(QJsonObject{{QStringLiteral("name"), QLatin1String(name)},
                                          {QStringLiteral("md5"), QStringLiteral("00")}});
            audios.append(QJsonObject{
                {QStringLiteral("name"), QStringLiteral("nul") + QChar(0) + QStringLiteral(".ogg")},
                {QStringLiteral("md5"), QStringLiteral("00")}});
            manifest.insert(QStringLiteral("audios"), audios);
            QJsonArray jsons = manifest.value(QLatin1String("jsons")).toArray();
            jsons.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("../outside.json")}});
            manifest.insert(QStringLiteral("jsons"), jsons);
        });
        m_server->setDefaultResponse(200, "payload");
        auto launch = launcher();
        launch->checkResources();
        QCOMPARE(launch->records().value(7).size(), 1); // Gong.ogg alone
        QCOMPARE(launch->records().value(0).size(), 1);
        QVERIFY(logText().contains(QStringLiteral("manifest entry \"../../escape.txt\" refused")));
        // Nothing landed outside the resources folder.
        QDirIterator it(m_work->path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QVERIFY2(path.startsWith(local()) || path.startsWith(source()) ||
                         path.startsWith(m_work->filePath(QStringLiteral("tree/"))),
                     qPrintable(path));
        }
    }

    // Files come from the configured server alone: a manifest that sends the
    // downloads elsewhere gets nothing fetched, a relative rootPath stays on
    // the server, and a plain-HTTP server off this computer is not used.
    void downloadsStayOnTheConfiguredServer()
    {
        HttpTestServer elsewhere;
        QVERIFY(elsewhere.listen());
        elsewhere.setDefaultResponse(200, "payload from elsewhere");
        const QString other = elsewhere.baseUrl();
        for (const QString& root : {other, m_server->baseUrl() + QStringLiteral("@") +
                                               QUrl(other).authority() + QStringLiteral("/")}) {
            serve([&](QJsonObject& manifest) { manifest.insert(QStringLiteral("rootPath"), root); });
            auto launch = launcher();
            launch->checkResources();
            QVERIFY(launch->pendingItems().isEmpty());
            QVERIFY(elsewhere.requests().empty());
            QVERIFY2(logText().contains(QStringLiteral("is not on the resource server")), qPrintable(root));
        }

        serve(
            [](QJsonObject& manifest) { manifest.insert(QStringLiteral("rootPath"), QStringLiteral("/")); });
        auto relative = launcher();
        relative->checkResources();
        QVERIFY(QFileInfo::exists(local(QStringLiteral("effects.json"))));
        QVERIFY(requestsFor("/resources/effects.json") >= 1);

        for (const char* server : {"http://resources.example.org", "ftp://127.0.0.1/", "not a server"}) {
            auto plain = launcher();
            plain->setResourceServer(QLatin1String(server));
            QSignalSpy failed(plain.get(), &LaunchManager::resourcesInitFailed);
            plain->checkResources();
            QCOMPARE(failed.count(), 1);
        }
        QVERIFY(logText().contains(QStringLiteral(
            "the resource server http://resources.example.org is not used: only HTTPS is used")));
        QString reason;
        QVERIFY(ResourceSync::isAllowedServer(QStringLiteral("https://resources.example.org"), &reason));
        QVERIFY(ResourceSync::isAllowedServer(QStringLiteral("http://[::1]:8080"), &reason));
        QVERIFY(ResourceSync::isAllowedServer(QStringLiteral("http://localhost:8080"), &reason));
    }
};

QTEST_GUILESS_MAIN(TestSync)
#include "test_sync.moc"
