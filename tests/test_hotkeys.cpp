// The hotkey table: binding rules, HotKey.dat, the key matchers (keys fed in
// directly) and the descriptions of bound items.

#include "appmanager.h"
#include "cataloguesetup.h"
#include "effectmanager.h"
#include "hotkeyhook.h"
#include "soundmanager.h"
#include "x11keylistener.h"

#include <QDataStream>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using HotKey::Ids;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QList<Ids> firedBy(HotKeyHook& hook, int code, HotKey::Modifiers modifiers, bool system = false)
{
    QSignalSpy spy(&hook, &HotKeyHook::activated);
    hook.keyPressed(code, modifiers, system);
    QList<Ids> fired;
    for (const QList<QVariant>& arguments : spy)
        fired.append(arguments.at(0).value<Ids>());
    return fired;
}

HotKey::Modifiers mods(bool ctrl, bool shift, bool alt)
{
    HotKey::Modifiers modifiers;
    modifiers.ctrl = ctrl;
    modifiers.shift = shift;
    modifiers.alt = alt;
    return modifiers;
}

} // namespace

class TestHotkeys : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const char* name = "HotKey.dat") const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        AppManager::applyProcessIdentity();
        QVERIFY(m_dir.isValid());
    }

    void init() { QFile::remove(path()); }

    void pairsEncodeByKind()
    {
        QCOMPARE(HotKey::encode({2, 5}, HotKey::SoundKind), Ids(100002, 100005));
        QCOMPARE(HotKey::encode({1, 1}, HotKey::ActionKind), Ids(1000001, 1000001));
        QCOMPARE(HotKey::encode({1, 1}, 7), HotKey::noIds());
        QCOMPARE(HotKey::classify({99999, 99999}), int(HotKey::EffectKind));
        QCOMPARE(HotKey::classify({100000, 5}), int(HotKey::NoKind));
        QCOMPARE(HotKey::classify({100002, 100005}), int(HotKey::SoundKind));
        QCOMPARE(HotKey::decode({1000002, 1000002}), Ids(2, 2));
        QCOMPARE(HotKey::classify(HotKey::noIds()), int(HotKey::NoKind));
    }

    void keysymsMapToVirtualKeys()
    {
        // Letters either case, digits, keypad digits, both sides of each modifier.
        const QList<QPair<unsigned long, int>> keys{
            {0x61, 'A'},   {0x5a, 'Z'},   {0x35, '5'},   {0xffb5, 101}, {0xffe1, 160}, {0xffe2, 161},
            {0xffe3, 162}, {0xffe4, 163}, {0xffe9, 164}, {0xffea, 165}, {0xffc2, 0},   {0x21, 0}};
        for (const auto& key : keys)
            QCOMPARE(X11KeyListener::virtualKey(key.first), key.second);
    }

    void setBindingMovesRefusesAndReplaces()
    {
        HotKeyHook hook(path());
        QVERIFY(!hook.setBinding({3, 12}, QString(), HotKey::EffectKind));
        QVERIFY(hook.setBinding({1, 12}, QStringLiteral("Ctrl+K"), HotKey::EffectKind));
        // The same effect reached through another group: the binding moves.
        QVERIFY(hook.setBinding({3, 12}, QStringLiteral("Ctrl+K"), HotKey::EffectKind));
        QCOMPARE(hook.table(), (HotKey::Table{{{3, 12}, QStringLiteral("Ctrl+K")}}));
        // The text belongs to another item: refused, nothing changes.
        QVERIFY(!hook.setBinding({2, 5}, QStringLiteral("Ctrl+K"), HotKey::SoundKind));
        QCOMPARE(hook.table().size(), 1);
        // A new text for an item replaces its old one; lookups by item use its id alone.
        QVERIFY(hook.setBinding({7, 12}, QStringLiteral("Ctrl+J"), HotKey::EffectKind));
        QCOMPARE(hook.table(), (HotKey::Table{{{7, 12}, QStringLiteral("Ctrl+J")}}));
        QCOMPARE(hook.bindingText({3, 12}, HotKey::EffectKind), QStringLiteral("Ctrl+J"));
        QCOMPARE(hook.bindingForText(QStringLiteral("Ctrl+J")), Ids(7, 12));
        QCOMPARE(hook.bindingForText(QStringLiteral("Ctrl+K")), HotKey::noIds());
        QVERIFY(hook.setBinding({2, 5}, QStringLiteral("Ctrl+K"), HotKey::SoundKind));
        QVERIFY(hook.setBinding({1, 1}, QStringLiteral("Alt"), HotKey::ActionKind));

        // Every change is on disk: a fresh hook reads the same table.
        HotKeyHook reread(path());
        reread.loadTable();
        QCOMPARE(reread.table(), hook.table());
        reread.removeBinding({1, 12}, HotKey::EffectKind); // by the item, through another group
        QCOMPARE(reread.bindingText({7, 12}, HotKey::EffectKind), QString());
        QCOMPARE(reread.table().size(), 2);

        // Without an X display nothing listens, and the table loads all the same.
        qunsetenv("DISPLAY");
        HotKeyHook installed(path());
        installed.installHook();
        QVERIFY(!installed.isListening());
        QCOMPARE(installed.table(), reread.table());
    }

    void hotKeyFileReadsQtStreamsAndRejectsShortFiles()
    {
        // A table streamed by Qt's own code, with texts beyond ASCII.
        const HotKey::Table written{{{1, 2}, QStringLiteral("Ctrl+Ä")},
                                    {{100001, 100003}, QStringLiteral("Ж")},
                                    {{1000002, 1000002}, QStringLiteral("Shift")}};
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << written;
        }
        writeFile(path(), bytes);
        HotKey::Table table;
        QVERIFY(HotKey::readTable(path(), &table));
        QCOMPARE(table, written);
        // Ours is what Qt would stream, so Qt reads it back too.
        QVERIFY(HotKey::writeTable(path(), table));
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDataStream in(&file);
        HotKey::Table readByQt;
        in >> readByQt;
        QCOMPARE(readByQt, written);
        file.close();

        // Count 0, and a count larger than the entries: empty tables.
        writeFile(path(), QByteArray(4, '\0'));
        QVERIFY(HotKey::readTable(path(), &table));
        QVERIFY(table.isEmpty());
        writeFile(path(), QByteArray::fromHex("00000004") + bytes.mid(4));
        QVERIFY(HotKey::readTable(path(), &table));
        QVERIFY(table.isEmpty());
        QVERIFY(QFile::exists(path("HotKey.dat.broken")));
        QVERIFY(!HotKey::readTable(path("absent.dat"), &table));
    }

    void matchersFollowModifiersAndKeys()
    {
        HotKeyHook hook(path());
        const Ids ctrlK{1, 1}, shiftK{1, 2}, five{1, 3}, ctrl{1, 4}, alt{1, 5}, altM{1, 6};
        hook.setBinding(ctrlK, QStringLiteral("Ctrl+K"), 0);
        hook.setBinding(shiftK, QStringLiteral("Shift+K"), 0);
        hook.setBinding(five, QStringLiteral("5"), 0);
        hook.setBinding(ctrl, QStringLiteral("Ctrl"), 0);
        hook.setBinding(alt, QStringLiteral("Alt"), 0);
        hook.setBinding(altM, QStringLiteral("Alt+M"), 0);

        QCOMPARE(firedBy(hook, 'K', mods(true, false, false)), QList<Ids>{ctrlK});
        QCOMPARE(firedBy(hook, 'K', mods(true, true, false)), QList<Ids>{ctrlK}); // Shift plays no part
        QCOMPARE(firedBy(hook, 'K', mods(false, true, false)), QList<Ids>{shiftK});
        QVERIFY(firedBy(hook, 'K', mods(false, false, false)).isEmpty());
        QCOMPARE(firedBy(hook, '5', mods(false, false, false)), QList<Ids>{five});
        QCOMPARE(firedBy(hook, HotKey::kKeypad0 + 5, mods(false, false, false)), QList<Ids>{five});
        QVERIFY(firedBy(hook, '5', mods(false, true, false)).isEmpty());
        QCOMPARE(firedBy(hook, HotKey::kLeftCtrl, mods(false, false, false)), QList<Ids>{ctrl});
        QCOMPARE(firedBy(hook, HotKey::kRightCtrl, mods(true, false, false)), QList<Ids>{ctrl});
        // Alt goes through the system-key path only.
        QVERIFY(firedBy(hook, HotKey::kLeftAlt, mods(false, false, false)).isEmpty());
        QCOMPARE(firedBy(hook, HotKey::kRightAlt, mods(false, false, false), true), QList<Ids>{alt});
        QCOMPARE(firedBy(hook, 'M', mods(false, false, true), true), QList<Ids>{altM});

        hook.setSuspended(true);
        QVERIFY(firedBy(hook, 'K', mods(true, false, false)).isEmpty());
        hook.setSuspended(false);
        hook.setEnabled(false);
        QVERIFY(firedBy(hook, 'K', mods(true, false, false)).isEmpty());
    }

    void describeBindingNamesTheItem()
    {
        configureCatalogues();
        Catalogue::Environment environment = Catalogue::environment();
        environment.resourcesPath = m_dir.path();
        Catalogue::setEnvironment(environment);
        writeFile(path("effects.json"), R"({"groups": [{"id": 2, "sort": [12]}, {"id": 7}],
            "effects": [{"id": 12, "languages": ["0:Robot"]}, {"id": 13, "languages": ["0:Echo"]}]})");
        writeFile(path("sounds.json"), R"({"groups": [{"id": 3, "sort": [4]}],
            "sounds": [{"id": 4, "name": "Applause", "suffix": ".ogg"}]})");
        QVERIFY(EffectManager::instance()->loadCatalogue(path("effects.json")));
        QVERIFY(SoundManager::instance()->loadCatalogue(path("sounds.json")));

        HotKeyHook hook(path());
        using Description = QPair<QString, QString>;
        QCOMPARE(hook.describeBinding({2, 12}), Description("VoiceBox", "Robot"));
        QCOMPARE(hook.describeBinding({7, 13}), Description("VoiceBox", "Echo")); // from the whole catalogue
        QCOMPARE(hook.describeBinding({100003, 100004}), Description("Soundboard", "Applause"));
        QCOMPARE(hook.describeBinding({1000002, 1000002}), Description("Settings", "Apply voice changer"));
        QCOMPARE(hook.describeBinding({-99, -99}), Description());
    }
};

QTEST_GUILESS_MAIN(TestHotkeys)
#include "test_hotkeys.moc"
