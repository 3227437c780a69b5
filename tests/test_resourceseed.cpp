// The per-user copy of an installed program's resources: seeded once, brought
// up to date by a newer bundle, and never at the cost of what the user or a
// download put there.

#include "resourceseed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file under `root` with its content's hash, links followed.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path),
                     QCryptographicHash::hash(read(path), QCryptographicHash::Md5).toHex() + ' ' +
                         QByteArray::number(int(QFileInfo(path).permissions())));
    }
    return files;
}

// A file's time moved on, as a newer package's unpacking does.
void touchLater(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QFileInfo(path).lastModified().addSecs(60), QFileDevice::FileModificationTime));
}

} // namespace

class TestResourceSeed : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_installed;
    QString m_copy;

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        const QString prefix = m_root.path() + QStringLiteral("/usr");
        QDir(prefix).removeRecursively();
        QDir(m_root.path() + QStringLiteral("/home")).removeRecursively();
        m_installed = prefix + QStringLiteral("/share/zelvani-voice-changer/resources");
        m_copy = m_root.path() + QStringLiteral("/home/resources");
        write(m_installed + QStringLiteral("/effects.json"), "{\"effects\": 1}");
        write(m_installed + QStringLiteral("/audio/Applause.mp3"), "applause");
        write(m_installed + QStringLiteral("/image/effect/Robot.png"), "robot");
        // Plug-ins live in lib/; the resources folder links to them.
        const QString plugins = prefix + QStringLiteral("/lib/zelvani-voice-changer/vst");
        write(plugins + QStringLiteral("/Radio.so"), "ELF radio");
        QVERIFY(QFile::setPermissions(plugins + QStringLiteral("/Radio.so"),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther));
        QVERIFY(QFile::link(QStringLiteral("../../../lib/zelvani-voice-changer/vst"),
                            m_installed + QStringLiteral("/vst")));
        QDir().mkpath(m_copy);
    }

    void theFirstStartCopiesTheBundleAndLaterStartsCopyNothing()
    {
        const QMap<QString, QByteArray> bundle = snapshot(m_root.path() + QStringLiteral("/usr"));
        const ResourceSeed::Result first = ResourceSeed::seed(m_installed, m_copy);
        QCOMPARE(first.copied, 4);
        QCOMPARE(first.failed, 0);
        QCOMPARE(read(m_copy + QStringLiteral("/vst/Radio.so")), QByteArray("ELF radio"));
        // A plug-in stays loadable, and the user may replace it.
        QVERIFY(QFileInfo(m_copy + QStringLiteral("/vst/Radio.so")).isExecutable());
        QVERIFY(QFileInfo(m_copy + QStringLiteral("/vst/Radio.so")).permissions() & QFileDevice::WriteOwner);
        QVERIFY(!QFileInfo(m_copy + QStringLiteral("/vst")).isSymLink());

        const ResourceSeed::Result again = ResourceSeed::seed(m_installed, m_copy);
        QCOMPARE(again.copied + again.refreshed + again.kept + again.failed, 0);
        QCOMPARE(snapshot(m_root.path() + QStringLiteral("/usr")), bundle);

        // A file the user removed from the copy comes back.
        QVERIFY(QFile::remove(m_copy + QStringLiteral("/audio/Applause.mp3")));
        QCOMPARE(ResourceSeed::seed(m_installed, m_copy).copied, 1);
        QCOMPARE(read(m_copy + QStringLiteral("/audio/Applause.mp3")), QByteArray("applause"));
    }

    void aNewerBundleRefreshesOnlyFilesNobodyReplaced()
    {
        QCOMPARE(ResourceSeed::seed(m_installed, m_copy).copied, 4);
        // A download replaced the catalogue and added a sound; the package
        // then brings a new catalogue and a new picture.
        write(m_copy + QStringLiteral("/effects.json"), "{\"effects\": 2, \"downloaded\": true}");
        write(m_copy + QStringLiteral("/audio/Downloaded.mp3"), "downloaded");
        write(m_installed + QStringLiteral("/effects.json"), "{\"effects\": 3}");
        touchLater(m_installed + QStringLiteral("/effects.json"));
        write(m_installed + QStringLiteral("/image/effect/Robot.png"), "robot, redrawn");
        touchLater(m_installed + QStringLiteral("/image/effect/Robot.png"));
        write(m_installed + QStringLiteral("/image/effect/Alien.png"), "alien");

        const ResourceSeed::Result result = ResourceSeed::seed(m_installed, m_copy);
        QCOMPARE(result.copied, 1);
        QCOMPARE(result.refreshed, 1);
        QCOMPARE(result.kept, 1);
        QCOMPARE(read(m_copy + QStringLiteral("/image/effect/Robot.png")), QByteArray("robot, redrawn"));
        QCOMPARE(read(m_copy + QStringLiteral("/image/effect/Alien.png")), QByteArray("alien"));
        QCOMPARE(read(m_copy + QStringLiteral("/effects.json")),
                 QByteArray("{\"effects\": 2, \"downloaded\": true}"));
        QCOMPARE(read(m_copy + QStringLiteral("/audio/Downloaded.mp3")), QByteArray("downloaded"));

        // The replaced file stays the user's through later bundles too.
        write(m_installed + QStringLiteral("/effects.json"), "{\"effects\": 4}");
        touchLater(m_installed + QStringLiteral("/effects.json"));
        QCOMPARE(ResourceSeed::seed(m_installed, m_copy).kept, 1);
        QCOMPARE(read(m_copy + QStringLiteral("/effects.json")),
                 QByteArray("{\"effects\": 2, \"downloaded\": true}"));
    }

    void aCopyFromBeforeSeedingKeepsItsOwnFilesAndAFailureStopsNothingElse()
    {
        // A copy an earlier version filled by downloads, without a record.
        write(m_copy + QStringLiteral("/audio/Applause.mp3"), "applause");
        write(m_copy + QStringLiteral("/effects.json"), "{\"effects\": \"the user's\"}");
        // A file where the pictures' folder would go: the picture cannot be written.
        write(m_copy + QStringLiteral("/image"), "in the way");
        const ResourceSeed::Result result = ResourceSeed::seed(m_installed, m_copy);
        QCOMPARE(result.copied, 1); // the plug-in
        QCOMPARE(result.kept, 1);
        QCOMPARE(result.failed, 1);
        QVERIFY2(result.error.contains(QStringLiteral("Robot.png")), qPrintable(result.error));
        QCOMPARE(read(m_copy + QStringLiteral("/effects.json")), QByteArray("{\"effects\": \"the user's\"}"));
        QCOMPARE(read(m_copy + QStringLiteral("/vst/Radio.so")), QByteArray("ELF radio"));
    }

    void onlyAnInstalledProgramHasABundle()
    {
        const QString bin = m_root.path() + QStringLiteral("/usr/bin");
        QCOMPARE(ResourceSeed::installedResources(bin), m_installed);
        QVERIFY(ResourceSeed::installedResources(m_root.path() + QStringLiteral("/build/bin")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResourceSeed)
#include "test_resourceseed.moc"
