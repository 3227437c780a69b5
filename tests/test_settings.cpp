#include "appmanager.h"
#include "cutesettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private:
    static CuteSettings* settings() { return CuteSettings::instance(); }
    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { AppManager::applyProcessIdentity(); }

    void foldersLiveInTheDataFolderWithoutTrailingSlash()
    {
        const QString home = qEnvironmentVariable("XDG_DATA_HOME");
        QCOMPARE(CuteSettings::dataPath(), home + QStringLiteral("/Zelvani/Zelvani Voice Changer"));
        QCOMPARE(CuteSettings::configPath(), CuteSettings::dataPath() + QStringLiteral("/config"));
        QCOMPARE(CuteSettings::logPath(), CuteSettings::dataPath() + QStringLiteral("/log"));
        QCOMPARE(CuteSettings::settingsFile(), CuteSettings::configPath() + QStringLiteral("/appconfig.ini"));
        for (const QString& folder :
             {CuteSettings::configPath(), CuteSettings::logPath(), CuteSettings::resourcesPath()}) {
            QVERIFY2(QDir(folder).exists(), qPrintable(folder));
            QVERIFY(!folder.endsWith(QLatin1Char('/')));
        }
        // Removed folders come back on the next call.
        QVERIFY(QDir(CuteSettings::logPath()).removeRecursively());
        QVERIFY(QDir(CuteSettings::logPath()).exists());
    }

    void freshInstallReadsDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("scope");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char* key, int scope, const QVariant& expected) {
            QTest::newRow(key) << QString::fromLatin1(key) << scope << expected;
        };
        row("InputName", Ini, QString());
        row("OutputName", Ini, QString());
        row("DenoiseEnable", Ini, false);
        row("DenoiseValue", Ini, 25);
        row("GroupId", Ini, 1);
        row("EffectId", Ini, 0);
        row("EFNL", Ini, QVariantList());
        row("SINL", Ini, QVariantList());
        row("SGID", Ini, 0);
        row("Overlay", Ini, false);
        row("ImportPath", Ini, QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
        row("SSC", Ini, true);
        row("ResourceServer", Ini, QString());
        row("Language", Native, 0);
        row("firstLaunch", Native, true);
        row("AppFirstCycle", Native, true);
        row("LastClickedEffect", Transient, QVariant());
        row("volume_12", Transient, 50);
        row("loop_3", Transient, 1);
        row("mute_0", Transient, 1);
        row("otherMute_999", Transient, 1);
    }

    void freshInstallReadsDefaults()
    {
        QFETCH(QString, key);
        QFETCH(int, scope);
        QFETCH(QVariant, expected);
        QCOMPARE(CuteSettings::defaultScope(key), scope);
        QCOMPARE(settings()->value(key), expected);
    }

    void keyPatternsNeedANumber()
    {
        QCOMPARE(CuteSettings::defaultScope(QStringLiteral("volume_")), -1);
        QCOMPARE(CuteSettings::defaultScope(QStringLiteral("volume_x")), -1);
        QCOMPARE(CuteSettings::defaultScope(QStringLiteral("Volume_1")), -1);
        QVERIFY(!CuteSettings::defaultValue(QStringLiteral("NoSuchKey")).isValid());
    }

    void permanentWritesReachTheDiskAtOnce()
    {
        settings()->setValue(QStringLiteral("InputName"), QStringLiteral("USB Mic"), Ini);
        settings()->setValue(QStringLiteral("EFNL"), QVariantList{3, 17, 42}, Ini);
        settings()->setValue(QStringLiteral("Language"), 11, Native);

        // A separate reader, as another process would see the files.
        QSettings ini(CuteSettings::settingsFile(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("InputName")).toString(), QStringLiteral("USB Mic"));
        QCOMPARE(ini.childGroups(), QStringList());
        QSettings native(QStringLiteral("Zelvani"), QStringLiteral("Zelvani Voice Changer"));
        QCOMPARE(native.value(QStringLiteral("Language")).toInt(), 11);
        QVERIFY(!ini.contains(QStringLiteral("Language")));

        const QVariantList ids = settings()->value(QStringLiteral("EFNL"), QVariantList(), Ini).toList();
        QCOMPARE(ids.size(), 3);
        QCOMPARE(ids.at(2).toInt(), 42);
        QVERIFY(!QFile::exists(CuteSettings::settingsFile() + QStringLiteral(".lock")));
    }

    void storesAreSeparate()
    {
        settings()->setValue(QStringLiteral("GroupId"), 4, Transient);
        QCOMPARE(settings()->value(QStringLiteral("GroupId"), 1, Ini).toInt(), 1);
        settings()->setValue(QStringLiteral("SID"), 9, Ini);
        QVERIFY(!settings()->value(QStringLiteral("SID"), QVariant(), Transient).isValid());
        QCOMPARE(settings()->value(QStringLiteral("GroupId"), 1, Transient).toInt(), 4);

        settings()->setValue(QStringLiteral("volume_1"), 80, Transient);
        QCOMPARE(settings()->value(QStringLiteral("volume_1")).toInt(), 80);
        QCOMPARE(settings()->value(QStringLiteral("volume_2")).toInt(), 50);

        // Unknown store numbers read the default and write nothing.
        settings()->setValue(QStringLiteral("SGID"), 5, 3);
        QCOMPARE(settings()->value(QStringLiteral("SGID"), 77, 3).toInt(), 77);
        QCOMPARE(settings()->value(QStringLiteral("SGID")).toInt(), 0);
    }

    void serverSettingsFollowTheEnvironment()
    {
        settings()->setValue(QStringLiteral("UpdateServer"), QStringLiteral("https://updates.example"), Ini);
        QCOMPARE(settings()->configValue(QStringLiteral("UpdateServer")),
                 QStringLiteral("https://updates.example"));
        qputenv("ZELVANI_UPDATE_SERVER", "http://127.0.0.1:9");
        QCOMPARE(settings()->configValue(QStringLiteral("UpdateServer")),
                 QStringLiteral("http://127.0.0.1:9"));
        qunsetenv("ZELVANI_UPDATE_SERVER");
        QCOMPARE(settings()->configValue(QStringLiteral("WebSite")), QString());
    }

    void deletedConfigFolderComesBackAtTheNextWrite()
    {
        QVERIFY(QDir(CuteSettings::configPath()).removeRecursively());
        settings()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
        QSettings ini(CuteSettings::settingsFile(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("OutputName")).toString(), QStringLiteral("Speakers"));
    }

    void brokenSettingsFileIsNeverRewritten()
    {
        const QString path = CuteSettings::settingsFile();
        QByteArray garbage("\x00\x01\xff\xfe[[[=\n\x00", 10);
        garbage += QByteArray(4096, '\xee');
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(garbage);
        }
        QCOMPARE(settings()->value(QStringLiteral("GroupId"), 1, Ini).toInt(), 1);
        settings()->setValue(QStringLiteral("GroupId"), 6, Ini);
        QCOMPARE(fileBytes(path), garbage);
        // The program keeps working with what the user chose.
        QCOMPARE(settings()->value(QStringLiteral("GroupId"), 1, Ini).toInt(), 6);
    }

    void handEditedFileWithAStrayLineIsReadButNotRewritten()
    {
        const QString path = CuteSettings::settingsFile();
        const QByteArray text("[General]\nInputName=Headset\nthis line is not a setting\nSSC=false\n");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
        }
        QCOMPARE(settings()->value(QStringLiteral("InputName"), QString(), Ini).toString(),
                 QStringLiteral("Headset"));
        QCOMPARE(settings()->value(QStringLiteral("SSC"), true, Ini).toBool(), false);
        settings()->setValue(QStringLiteral("OutputName"), QStringLiteral("HDMI"), Ini);
        QCOMPARE(fileBytes(path), text);
        QCOMPARE(settings()->value(QStringLiteral("OutputName"), QString(), Ini).toString(),
                 QStringLiteral("HDMI"));

        // Once the user mends the file, writes reach it again.
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("[General]\nInputName=Headset\n; a comment\n\nSSC=false\n");
        }
        QTest::qWait(20);
        settings()->setValue(QStringLiteral("SID"), 3, Ini);
        QSettings ini(path, QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("SID")).toInt(), 3);
        QCOMPARE(ini.value(QStringLiteral("InputName")).toString(), QStringLiteral("Headset"));
    }

    void unreadableSettingsFileYieldsDefaults()
    {
        // A folder where the file should be cannot be read even by root.
        const QString path = CuteSettings::settingsFile();
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(settings()->value(QStringLiteral("DenoiseValue"), 25, Ini).toInt(), 25);
        settings()->setValue(QStringLiteral("DenoiseValue"), 60, Ini);
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(settings()->value(QStringLiteral("DenoiseValue"), 25, Ini).toInt(), 60);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
