// The user's stores survive what can happen to a running program: killed
// (SIGKILL) at random moments while it saves favourites, custom voices,
// imports, key bindings and settings, every store still reads back whole;
// on a full disk a save fails with the reason in the log and the old file
// stays as it was.

#include "appmanager.h"
#include "catalogueformat.h"
#include "cutesettings.h"
#include "hotkeytable.h"
#include "savereport.h"
#include "spdlogcore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStoresDurable : public QObject
{
    Q_OBJECT

    static QString config() { return CuteSettings::configPath(); }

    // Starts the writer, lets it save for `ms` after it is ready, kills it.
    static void runAndKill(int ms)
    {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral(ZELVANI_RESOURCES)});
        QVERIFY(writer.waitForStarted(10000));
        QElapsedTimer ready;
        ready.start();
        while (!writer.readAllStandardOutput().contains("writing")) {
            QVERIFY2(ready.elapsed() < 30000 && writer.state() == QProcess::Running,
                     writer.readAllStandardError().right(2000).constData());
            writer.waitForReadyRead(100);
        }
        QTest::qSleep(ms);
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    }

    // Every store reads back whole: not empty, not set aside as broken.
    static void checkStores(int round)
    {
        const QString at = QStringLiteral("after kill %1").arg(round);
        QList<int> ids;
        QVERIFY2(Catalogue::readIdList(config() + QStringLiteral("/Favorite.dat"), &ids) && !ids.isEmpty(),
                 qPrintable(at + QStringLiteral(": Favorite.dat")));
        QVERIFY2(!Catalogue::readObjectArrayFile(config() + QStringLiteral("/Custom.dat")).isEmpty(),
                 qPrintable(at + QStringLiteral(": Custom.dat")));
        QVERIFY2(!Catalogue::readObjectArrayFile(config() + QStringLiteral("/SoundImport.dat")).isEmpty(),
                 qPrintable(at + QStringLiteral(": SoundImport.dat")));
        HotKey::Table table;
        QVERIFY2(HotKey::readTable(config() + QStringLiteral("/HotKey.dat"), &table) && !table.isEmpty(),
                 qPrintable(at + QStringLiteral(": HotKey.dat")));
        const QByteArray ini = fileBytes(CuteSettings::settingsFile());
        QVERIFY2(CuteSettings::isWellFormedIni(ini) && ini.contains("DenoiseValue="),
                 qPrintable(at + QStringLiteral(": appconfig.ini")));
        const QStringList broken = QDir(config()).entryList({QStringLiteral("*.broken*")}, QDir::Files);
        QVERIFY2(broken.isEmpty(), qPrintable(at + QStringLiteral(": set aside ") + broken.join(',')));
    }

private slots:
    void initTestCase()
    {
        // The writer's folders: the program's identity decides them.
        AppManager::applyProcessIdentity();
    }

    void killedWhileSavingLosesNoStore()
    {
        runAndKill(400); // every store exists once this returns
        checkStores(0);
        QRandomGenerator random(20261207);
        for (int round = 1; round <= 100; ++round) {
            runAndKill(random.bounded(5, 120));
            if (QTest::currentTestFailed())
                return;
            checkStores(round);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("files in the config folder after 100 kills: %s",
              qPrintable(QDir(config()).entryList(QDir::Files).join(QLatin1Char(' '))));
    }

    void fullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small disk needs root");
        QTemporaryDir folder;
        const QByteArray target = QFile::encodeName(folder.path());
        QVERIFY2(::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") == 0, std::strerror(errno));
        struct Unmount
        {
            QByteArray path;
            ~Unmount() { ::umount(path.constData()); }
        } unmount{target};

        const QString favorites = folder.path() + QStringLiteral("/Favorite.dat");
        const QString custom = folder.path() + QStringLiteral("/Custom.dat");
        const QString keys = folder.path() + QStringLiteral("/HotKey.dat");
        QVERIFY(Catalogue::writeIdList(favorites, {1, 2, 3}));
        QVERIFY(Catalogue::writeJsonArray(custom, QJsonArray{QJsonObject{{QStringLiteral("id"), 10001}}}));
        HotKey::Table table{{{2, 1}, QStringLiteral("Ctrl+1")}};
        QVERIFY(HotKey::writeTable(keys, table));
        const QByteArray before[] = {fileBytes(favorites), fileBytes(custom), fileBytes(keys)};

        // Fill the disk, then save larger stores.
        QFile filler(folder.path() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        QTemporaryDir logFolder;
        InitSpdLogW(L"AppLog.log", logFolder.path().toStdWString().c_str());
        QSignalSpy reported(SaveReport::instance(), &SaveReport::saveFailed);
        QList<int> many;
        for (int i = 0; i < 20000; ++i)
            many.append(i);
        QVERIFY(!Catalogue::writeIdList(favorites, many));
        QJsonArray big;
        for (int i = 0; i < 2000; ++i)
            big.append(
                QJsonObject{{QStringLiteral("id"), 10001 + i}, {QStringLiteral("name"), QString(40, 'v')}});
        QVERIFY(!Catalogue::writeJsonArray(custom, big));
        for (int i = 0; i < 3000; ++i)
            table.insert({2, 100 + i}, QStringLiteral("Ctrl+Shift+%1").arg(i));
        QVERIFY(!HotKey::writeTable(keys, table));

        QCOMPARE(fileBytes(favorites), before[0]);
        QCOMPARE(fileBytes(custom), before[1]);
        QCOMPARE(fileBytes(keys), before[2]);
        const QString log = QString::fromUtf8(fileBytes(QString::fromLocal8Bit(SpdLogFilePath())));
        QVERIFY2(log.contains(QStringLiteral("No space left on device")), qPrintable(log.right(1000)));
        // The window is told once per file, with the system's reason.
        QCOMPARE(reported.count(), 3);
        QCOMPARE(reported.at(0).at(0).toString(), favorites);
        QVERIFY(reported.at(0).at(1).toString().contains(QLatin1String("No space left on device")));
        QVERIFY(!Catalogue::writeIdList(favorites, many));
        QCOMPARE(reported.count(), 3);
        QCOMPARE(SaveReport::instance()->failing().size(), 3);
        // Space again: the next save works and a later failure is told anew.
        filler.remove();
        QVERIFY(Catalogue::writeIdList(favorites, {4, 5, 6}));
        QCOMPARE(SaveReport::instance()->failing().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestStoresDurable)
#include "test_stores_durable.moc"
