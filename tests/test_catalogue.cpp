// The effect and sound catalogues and the user's stores, read and written
// through the real settings store in the test's private home.

#include "appmanager.h"
#include "audiocommands.h"
#include "cataloguesetup.h"
#include "cutesettings.h"
#include "effectmanager.h"
#include "filetools.h"
#include "manifest.h"
#include "soundmanager.h"
#include "zaudio/zaudio.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray idList(quint32 count, const QList<qint32>& ids)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << count;
    for (qint32 id : ids)
        out << id;
    return bytes;
}

// effects.json with the reader's corner cases in it.
const char* kEffects = R"({
 "version": "2.0", "groupSort": [1, 2, 3, 7, 8],
 "groups": [
  {"id": 2, "name": "Old", "sort": [99], "languages": []},
  {"id": 2, "name": "People", "sort": [12, 11, 404], "languages": ["0:People", "1:人物"]},
  {"id": 3, "name": "Empty", "sort": []},
  {"id": 7, "name": "Favorites", "sort": []},
  {"id": 8, "name": "Custom", "sort": []}],
 "effects": [
  {"id": 11, "groupId": 2, "name": "First", "isHot": false, "languages": ["0:First"]},
  {"id": 11, "groupId": 2, "name": "Robot", "isHot": true,
   "languages": ["0:Robot", "2:Robot:Deep", "Plain", "9:Робот"],
   "settings": [{"type": 7, "values": ["3,0.5,0,100", "3,0.5,0", "4,,0,10", "5,2.5,1,9,extra",
                                       "vstplugins/Robotizer.so", "VST/Other.so", "fxp/A.fxp", "fxp/B.fxp"]},
                {"type": 100003, "values": ["vst/Robotizer.so"]}],
   "files": ["vst/Robotizer.so"],
   "edits": ["7,3,50,0,100", "7,3,50,0", "100003,0,30,0,100"]},
  {"id": 12, "groupId": 2, "name": "Echo", "languages": ["0:Echo"], "files": ["vst/Missing.so", "vst/Robotizer.so"]},
  {"id": 13, "groupId": 2, "name": "Plain", "languages": ["0:Plain"], "files": []}]
})";

const char* kLabels = R"({"version": "2.1", "settings": [
  {"type": 7, "index": 3, "languages": ["0:Gain", "4:Pegel"]},
  {"type": 7, "index": 3, "languages": ["0:Second"]}]})";

const char* kSounds = R"({"version": "1.0", "groupSort": [0, 1],
 "groups": [{"id": 1, "name": "Reactions", "sort": [12, 14], "languages": ["0:Reactions", "x:Bad"]},
            {"id": 3, "name": "Old", "sort": []}, {"id": 3, "name": "Fun", "sort": [14]}],
 "sounds": [{"id": 12, "groupId": 3, "name": "Applause", "suffix": ".mp3", "isHot": true},
            {"id": 14, "groupId": 1, "name": "fx/Laser", "suffix": ".wav"},
            {"id": 15, "groupId": 1, "name": "Horn", "suffix": ".ogg"}]})";

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_resources;
    QString m_config;

    std::unique_ptr<EffectManager> loadedEffects(const char* effects = kEffects)
    {
        writeFile(m_resources.filePath(QStringLiteral("effects.json")), effects);
        auto manager = std::make_unique<EffectManager>();
        manager->loadCatalogue(m_resources.filePath(QStringLiteral("effects.json")));
        manager->loadParamLabels(m_resources.filePath(QStringLiteral("settings.json")));
        manager->loadUserStores();
        return manager;
    }

    std::unique_ptr<SoundManager> loadedSounds(const char* sounds = kSounds)
    {
        writeFile(m_resources.filePath(QStringLiteral("sounds.json")), sounds);
        auto manager = std::make_unique<SoundManager>();
        manager->loadCatalogue(m_resources.filePath(QStringLiteral("sounds.json")));
        manager->loadUserStores();
        return manager;
    }

    QString config(const char* name) const { return m_config + QLatin1Char('/') + QLatin1String(name); }

private slots:
    void initTestCase()
    {
        AppManager::applyProcessIdentity();
        QVERIFY(m_resources.isValid());
        configureCatalogues();
        Catalogue::Environment environment = Catalogue::environment();
        environment.resourcesPath = m_resources.path();
        Catalogue::setEnvironment(environment);
        m_config = CuteSettings::configPath();
        writeFile(m_resources.filePath(QStringLiteral("vst/Robotizer.so")), "elf");
        writeFile(m_resources.filePath(QStringLiteral("settings.json")), kLabels);
        writeFile(m_resources.filePath(QStringLiteral("audio/Applause.mp3")), "id3");
    }

    void init()
    {
        // Every case starts without user stores.
        for (const char* name : {"Favorite.dat", "Custom.dat", "SoundFavorite.dat", "SoundImport.dat",
                                 "Favorite.dat.broken", "Custom.dat.broken"})
            QFile::remove(config(name));
        for (const char* key : {"EFNL", "ECNL", "SFNL", "SINL"})
            CuteSettings::instance()->setValue(QLatin1String(key), QVariantList(), Ini);
    }

    void effectCatalogueReadsEveryEntryRule()
    {
        const auto manager = loadedEffects();
        QCOMPARE(manager->version(), QStringLiteral("2.1")); // the labels file is read last
        QCOMPARE(manager->groupOrder(), (QList<int>{1, 2, 3, 7, 8}));
        QCOMPARE(manager->groups().value(2).name, QStringLiteral("People")); // a later duplicate wins
        QCOMPARE(manager->groups().value(2).languages.value(1), QStringLiteral("人物"));

        const EffectData::VoiceEffect robot = manager->allEffects().value(11);
        QCOMPARE(robot.name, QStringLiteral("Robot")); // a later duplicate wins
        QCOMPARE(robot.oId, -1);
        QVERIFY(robot.isHot && !robot.isCustom);
        // Language entries: the last piece is the text; no colon gives code 0.
        QCOMPARE(robot.languages.value(2), QStringLiteral("Deep"));
        QCOMPARE(robot.languages.value(0), QStringLiteral("Plain"));
        QCOMPARE(robot.languages.value(9), QStringLiteral("Робот"));

        QCOMPARE(robot.settings.size(), 2);
        const EffectData::VoiceSetting unit = robot.settings[0];
        QCOMPARE(unit.vst, QStringLiteral("vstplugins/Robotizer.so")); // a prefix test, case-sensitive
        QCOMPARE(unit.fxp, QStringLiteral("fxp/B.fxp"));               // a later path replaces an earlier one
        QCOMPARE(unit.values.size(), 3); // three pieces and "VST/..." are dropped
        const EffectData::PluginParam first = unit.values[0];
        QCOMPARE(first.type, 7);
        QCOMPARE(first.index, 3);
        QCOMPARE(first.value, 0.5f);
        QCOMPARE(first.editValue, -1.0f);
        QCOMPARE(first.min, 0);
        QCOMPARE(first.max, 100);
        QCOMPARE(unit.values[1].value, 0.0f); // an empty value reads as 0
        QCOMPARE(unit.values[2].value, 2.5f); // pieces past the fourth are ignored
        QCOMPARE(unit.values[2].max, 9);
        QCOMPARE(robot.settings[1].vst, QStringLiteral("vst/Robotizer.so"));

        QCOMPARE(robot.edits.size(), 2);
        QCOMPARE(robot.edits[1].type, 100003);
        QCOMPARE(robot.edits[1].value, 30.0f);

        // filesReady: all present; one missing; none listed.
        QVERIFY(robot.filesReady);
        QVERIFY(!manager->allEffects().value(12).filesReady);
        QVERIFY(manager->allEffects().value(13).filesReady);

        // The first label of a (type, index) listed twice.
        QCOMPARE(manager->paramLabels(7, 3).value(4), QStringLiteral("Pegel"));
        QVERIFY(manager->paramLabels(7, 4).isEmpty());
    }

    void brokenCatalogueFilesChangeNothing()
    {
        EffectManager manager;
        for (const QByteArray& bad : {QByteArray("{\"version\": \"1\", \"groups\": ["), QByteArray("{}"),
                                      QByteArray("[1, 2]"), QByteArray()}) {
            writeFile(m_resources.filePath(QStringLiteral("bad.json")), bad);
            QVERIFY(!manager.loadCatalogue(m_resources.filePath(QStringLiteral("bad.json"))));
            QVERIFY(!manager.loadParamLabels(m_resources.filePath(QStringLiteral("bad.json"))));
        }
        QVERIFY(!manager.loadCatalogue(m_resources.filePath(QStringLiteral("absent.json"))));
        QVERIFY(manager.groups().isEmpty() && manager.version().isEmpty());
        QVERIFY(manager.effectsOfGroup(EffectManager::kHotGroup).isEmpty());
    }

    void effectGroupsComputeTheirMembers()
    {
        const auto manager = loadedEffects();
        QCOMPARE(manager->effectsOfGroup(1).keys(), QList<int>{11});
        // An ordinary group lists its sort; an id found nowhere gives a default record.
        const QMap<int, EffectData::VoiceEffect> people = manager->effectsOfGroup(2);
        QCOMPARE(people.keys(), (QList<int>{11, 12, 404}));
        QCOMPARE(people.value(404).id, 0);
        QVERIFY(manager->effectsOfGroup(3).isEmpty());
        QVERIFY(manager->effectsOfGroup(42).isEmpty());

        const auto noHot = loadedEffects(R"({"groups": [{"id": 1}], "effects": [{"id": 4}]})");
        QVERIFY(noHot->effectsOfGroup(1).isEmpty());
    }

    void favouritesKeepTheirOrderInFileAndGroup()
    {
        auto manager = loadedEffects();
        QSignalSpy updates(manager.get(), &EffectManager::updateGroup);
        for (int id : {5, 10002, 3})
            manager->addFavorite(id);
        QCOMPARE(updates.count(), 3);
        QCOMPARE(fileBytes(config("Favorite.dat")), idList(3, {5, 10002, 3}));
        QCOMPARE(manager->groups().value(7).sort, (QList<int>{5, 10002, 3}));
        QVERIFY(manager->hasNewFavorites());

        manager->removeFavorite(10002);
        manager->removeFavorite(77); // not a favourite: nothing happens
        QCOMPARE(updates.count(), 4);
        QCOMPARE(fileBytes(config("Favorite.dat")), idList(2, {5, 3}));
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("EFNL"), QVariant(), Ini).toList().size(), 2);

        // A fresh start reads them back, into group 7 after its catalogue members.
        manager = loadedEffects();
        QCOMPARE(manager->favorites(), (QList<int>{5, 3}));
        QCOMPARE(manager->groups().value(7).sort, (QList<int>{5, 3}));
        QVERIFY(manager->hasNewFavorites());
        manager->clearNewFavorites();
        QVERIFY(!loadedEffects()->hasNewFavorites());
    }

    void brokenUserStoresReadAsEmptyAndAreKept()
    {
        const QByteArray truncated = idList(3, {5, 6});
        writeFile(config("Favorite.dat"), truncated);
        auto manager = loadedEffects();
        QVERIFY(manager->favorites().isEmpty());
        QCOMPARE(fileBytes(config("Favorite.dat.broken")), truncated);

        // Without group 7 in the catalogue the file is not even read, and the
        // quit's saveAll leaves it alone.
        writeFile(config("Favorite.dat"), idList(1, {5}));
        manager = loadedEffects(R"({"groups": [{"id": 8}], "effects": [{"id": 5}]})");
        QVERIFY(manager->favorites().isEmpty());
        manager->saveAll();
        QCOMPARE(fileBytes(config("Favorite.dat")), idList(1, {5}));

        // A cut custom store likewise; an empty one is simply no custom effects.
        writeFile(config("Custom.dat"), "[{\"id\": 10000, ");
        manager = loadedEffects();
        QVERIFY(manager->customEffects().isEmpty());
        QCOMPARE(fileBytes(config("Custom.dat.broken")), QByteArray("[{\"id\": 10000, "));
        writeFile(config("Custom.dat"), "");
        manager = loadedEffects(R"({"groups": [{"id": 8, "sort": [3]}], "effects": [{"id": 3}]})");
        QCOMPARE(manager->groups().value(8).sort, QList<int>{3});
    }

    // A custom voice saved while the VoiceShifter's presets were fixed
    // ratios keeps its ratio: a mode of 0 follows its values. One saved with
    // a mode, or without a preset, stays as it was.
    void customVoicesFromBeforeTargetsKeepTheirRatio()
    {
        writeFile(config("Custom.dat"), R"([
            {"id": 10000, "oId": 1, "name": "Old", "settings": [{"type": 100001, "values":
                ["vst/VoiceShifter.so", "fxp/VoiceShifter_Female.fxp", "0,0.9,0,100"]}]},
            {"id": 10001, "oId": 1, "name": "New", "settings": [{"type": 100001, "values":
                ["vst/VoiceShifter.so", "fxp/VoiceShifter_Female.fxp", "7,0.6,0,100", "8,1,0,100"]}]},
            {"id": 10002, "oId": 12, "name": "Plain", "settings": [{"type": 100001, "values":
                ["vst/VoiceShifter.so", "0,0.7,0,100"]}]}])");
        const auto manager = loadedEffects();
        const auto modes = [&](int id) {
            QList<QPair<int, float>> values;
            for (const EffectData::PluginParam& param :
                 manager->customEffects().value(id).settings.value(0).values)
                values.append({param.index, param.value});
            return values;
        };
        QCOMPARE(modes(10000), (QList<QPair<int, float>>{{0, 0.9f}, {8, 0.0f}}));
        QCOMPARE(modes(10001), (QList<QPair<int, float>>{{7, 0.6f}, {8, 1.0f}}));
        QCOMPARE(modes(10002), (QList<QPair<int, float>>{{0, 0.7f}}));
    }

    void customEffectsTakeIdsNamesAndSliderValues()
    {
        auto manager = loadedEffects();
        QSignalSpy updates(manager.get(), &EffectManager::updateGroup);
        EffectData::VoiceEffect base = manager->allEffects().value(11);
        base.edits[0].editValue = 70.0f; // moved and not saved
        base.edits[1].value = 1234567.0f;
        CuteSettings::instance()->setValue(QStringLiteral("CustomName"), QStringLiteral("My Robot"),
                                           Transient);
        manager->addCustomEffect(base, true);
        QCOMPARE(updates.count(), 1);

        const EffectData::VoiceEffect saved = manager->customEffects().value(10000);
        QCOMPARE(saved.id, 10000);
        QCOMPARE(saved.oId, 11);
        QCOMPARE(saved.groupId, 8);
        QVERIFY(saved.isCustom);
        QCOMPARE(saved.name, QStringLiteral("My Robot"));
        // Every language the base had now holds the new name; none is added.
        QCOMPARE(saved.languages.keys().size(), base.languages.size());
        for (const QString& text : saved.languages)
            QCOMPARE(text, QStringLiteral("My Robot"));
        QCOMPARE(saved.edits[0].value, 70.0f);
        QCOMPARE(saved.edits[0].editValue, -1.0f);
        QCOMPARE(saved.edits[1].value, 1234567.0f);
        QVERIFY(fileBytes(config("Custom.dat")).contains("\"100003,0,1.23457e+06,0,100\""));

        // Made from a custom effect: the same catalogue origin, the next id.
        EffectData::VoiceEffect fromCustom = saved;
        fromCustom.id = 10003;
        fromCustom.oId = 12;
        manager->updateEffect(fromCustom); // a custom record: kept apart from the catalogue
        QVERIFY(!manager->allEffects().contains(10003));
        manager->addCustomEffect(fromCustom, false);
        QCOMPARE(manager->customEffects().keys(), (QList<int>{10000, 10003, 10004}));
        QCOMPARE(manager->customEffects().value(10004).oId, 12);
        QCOMPARE(updates.count(), 1); // not marked new: no marker written

        // Read back in a fresh start: every stored field survives.
        const auto reloaded = loadedEffects();
        const EffectData::VoiceEffect read = reloaded->customEffects().value(10000);
        QCOMPARE(read.oId, saved.oId);
        QCOMPARE(read.groupId, 8);
        QCOMPARE(read.name, saved.name);
        QCOMPARE(read.isHot, saved.isHot);
        QVERIFY(read.isCustom);
        QCOMPARE(read.languages, saved.languages);
        QCOMPARE(read.files, saved.files);
        QVERIFY(read.filesReady);
        QCOMPARE(read.settings.size(), saved.settings.size());
        for (int i = 0; i < read.settings.size(); ++i) {
            QCOMPARE(read.settings[i].type, saved.settings[i].type);
            QCOMPARE(read.settings[i].vst, saved.settings[i].vst);
            QCOMPARE(read.settings[i].fxp, saved.settings[i].fxp);
            QCOMPARE(read.settings[i].values.size(), saved.settings[i].values.size());
            for (int v = 0; v < read.settings[i].values.size(); ++v)
                QCOMPARE(read.settings[i].values[v].value, saved.settings[i].values[v].value);
        }
        QCOMPARE(read.edits.size(), saved.edits.size());
        QCOMPARE(read.edits[0].value, 70.0f);
        QCOMPARE(read.edits[1].value, 1234570.0f); // six significant digits
        QCOMPARE(reloaded->groups().value(8).sort, (QList<int>{10000, 10003, 10004}));
        QVERIFY(reloaded->hasNewCustomEffects());
        QVERIFY(reloaded->nameExists(QStringLiteral("my robot")));
        QVERIFY(reloaded->nameExists(QStringLiteral("РОБОТ"))); // catalogue names in any language
        QVERIFY(!reloaded->nameExists(QStringLiteral("Echo2")));
    }

    void deletingACustomEffectRemovesItEverywhere()
    {
        auto manager = loadedEffects();
        CuteSettings::instance()->setValue(QStringLiteral("CustomName"), QStringLiteral("A"), Transient);
        manager->addCustomEffect(manager->allEffects().value(13), true);
        manager->addCustomEffect(manager->allEffects().value(13), true);
        manager->deleteCustomEffect(10001);
        manager->deleteCustomEffect(10001); // gone already: nothing happens
        QCOMPARE(manager->groups().value(8).sort, QList<int>{10000});
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("ECNL"), QVariant(), Ini).toList(),
                 QVariantList{10000});
        // The largest id was deleted, so it is taken again.
        manager->addCustomEffect(manager->allEffects().value(13), false);
        QCOMPARE(manager->customEffects().keys(), (QList<int>{10000, 10001}));
        manager->deleteCustomEffect(10000);
        const auto reloaded = loadedEffects();
        QCOMPARE(reloaded->customEffects().keys(), QList<int>{10001});
    }

    void uniqueCustomNameCountsUp_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList() << "Robot"
                              << "Robot-1";
        QTest::newRow("taken in other case") << QStringList{"Robot-1", "ROBOT-2"} << "Robot"
                                             << "Robot-3";
        QTest::newRow("hyphen without digits") << QStringList() << "My-Voice"
                                               << "My-Voice-1";
        QTest::newRow("numbered and free") << QStringList() << "Echo-7"
                                           << "Echo-7";
        QTest::newRow("numbered and taken") << QStringList{"echo-7"} << "Echo-7"
                                            << "Echo-8";
    }

    void uniqueCustomNameCountsUp()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, proposed);
        QFETCH(QString, expected);
        auto manager = loadedEffects();
        for (const QString& name : taken) {
            CuteSettings::instance()->setValue(QStringLiteral("CustomName"), name, Transient);
            manager->addCustomEffect(manager->allEffects().value(13), false);
        }
        QCOMPARE(manager->uniqueCustomName(proposed), expected);
    }

    void soundCatalogueBuildsPathsAndGroups()
    {
        const auto manager = loadedSounds();
        const QMap<int, SoundData::SoundBoard> sounds = manager->allSounds();
        QCOMPARE(sounds.value(12).path, m_resources.filePath(QStringLiteral("audio/Applause.mp3")));
        QVERIFY(sounds.value(12).fileReady);
        QCOMPARE(sounds.value(14).path, m_resources.filePath(QStringLiteral("audio/fx/Laser.wav")));
        QVERIFY(!sounds.value(14).fileReady);
        QCOMPARE(manager->groups().value(3).name, QStringLiteral("Fun")); // a later duplicate wins
        QCOMPARE(manager->groups().value(1).languages.value(0), QStringLiteral("Bad")); // "x" reads as 0
        QCOMPARE(manager->soundsOfGroup(0).keys(), QList<int>{12});
        QCOMPARE(manager->soundsOfGroup(1).keys(), (QList<int>{12, 14})); // 1 is ordinary for sounds
        // Group 7 exists after loading even though neither file nor catalogue has it.
        QVERIFY(manager->groups().contains(7));
        QVERIFY(manager->groups().value(7).sort.isEmpty());
    }

    void importsTakeNamesIdsAndPaths()
    {
        auto manager = loadedSounds();
        QSignalSpy updates(manager.get(), &SoundManager::updateGroup);
        const QString laugh = m_resources.filePath(QStringLiteral("Laugh Track.mp3"));
        writeFile(laugh, "id3");
        QVERIFY(manager->importSound(laugh, true));
        QVERIFY(!manager->importSound(laugh, true));
        QVERIFY(manager->importSound(QStringLiteral("/music/a.b.wav"), false));
        QVERIFY(manager->importSound(QStringLiteral("/Music/A.b.wav"), false)); // another spelling
        QCOMPARE(updates.count(), 1);
        const QMap<int, SoundData::SoundBoard> imports = manager->importedSounds();
        QCOMPARE(imports.keys(), (QList<int>{10000, 10001, 10002}));
        QCOMPARE(imports.value(10000).name, QStringLiteral("Laugh Track"));
        QCOMPARE(imports.value(10000).suffix, QStringLiteral(".mp3"));
        QVERIFY(imports.value(10000).fileReady);
        QCOMPARE(imports.value(10001).name, QStringLiteral("a.b"));
        QCOMPARE(imports.value(10001).suffix, QStringLiteral(".wav"));
        QVERIFY(!imports.value(10001).fileReady && imports.value(10001).isImport);

        manager->deleteImport(10002);
        QVERIFY(manager->importSound(QStringLiteral("/music/c.ogg"), true));
        QCOMPARE(manager->importedSounds().keys(), (QList<int>{10000, 10001, 10002}));
        manager->addFavorite(10001);
        manager->addFavorite(12);

        // A fresh start: the moved file is still listed, in its place, not ready.
        QVERIFY(QFile::remove(laugh));
        const auto reloaded = loadedSounds();
        QCOMPARE(reloaded->groups().value(8).sort, (QList<int>{10000, 10001, 10002}));
        QVERIFY(!reloaded->importedSounds().value(10000).fileReady);
        QCOMPARE(reloaded->importedSounds().value(10000).path, laugh);
        QCOMPARE(reloaded->soundsOfGroup(7).keys(), (QList<int>{12, 10001}));
        QCOMPARE(reloaded->soundsOfGroup(7).value(10001).name, QStringLiteral("a.b"));
        QVERIFY(reloaded->hasNewImports() && reloaded->hasNewFavorites());
        // With no catalogue sounds nothing is listed, imports included.
        QVERIFY(loadedSounds(R"({"groups": [{"id": 8}]})")->soundsOfGroup(8).isEmpty());
    }

    void effectOptionFindsAnEffectAndItsSliders()
    {
        auto manager = loadedEffects();
        EffectData::VoiceEffect effect;
        QString error;
        QVERIFY(
            cli::findEffect(*manager, QStringLiteral("робот"), &effect, &error)); // any language, any case
        QCOMPARE(effect.id, 11);
        QVERIFY(cli::findEffect(*manager, QStringLiteral("12"), &effect, &error));
        QCOMPARE(effect.id, 12);
        QVERIFY(!cli::findEffect(*manager, QStringLiteral("99"), &effect, &error));
        QVERIFY(!cli::findEffect(*manager, QStringLiteral("Plain"), &effect, &error)); // 11 and 13
        QVERIFY2(error.contains(QLatin1String("11 (Robot)")) && error.contains(QLatin1String("13 (Plain)")),
                 qPrintable(error));

        // Units and plug-ins as the engine builds them, then the sliders'
        // positions / 100 on the newest unit or plug-in of their type.
        EffectData::VoiceEffect custom = manager->allEffects().value(11);
        custom.edits[0].value = 70.0f;
        QVector<cli::ChainUnit> units;
        QVector<cli::ChainPlugin> plugins;
        cli::appendEffectChain(custom, QStringLiteral("/res"), &units, &plugins);
        QCOMPARE(units.size(), 1);
        QCOMPARE(units[0].type, 7);
        QCOMPARE(units[0].values.last(), (QPair<int, float>(3, 0.7f)));
        QCOMPARE(plugins.size(), 1);
        QCOMPARE(plugins[0].path, QStringLiteral("/res/vst/Robotizer.so"));
        QVERIFY(plugins[0].fxp.isEmpty());
        QCOMPARE(plugins[0].values, (QVector<QPair<int, float>>{{0, 0.3f}}));
    }

    void manifestListsEveryCategoryWithItsHash()
    {
        QTemporaryDir folder;
        const QString resources = folder.filePath(QStringLiteral("resources"));
        writeFile(resources + QStringLiteral("/effects.json"), "abc");
        writeFile(resources + QStringLiteral("/vst/Robotizer.so"), "elf");
        writeFile(resources + QStringLiteral("/audio/fx/Laser.wav"), "RIFF");
        writeFile(resources + QStringLiteral("/image/effect/3.png"), "png");
        QJsonObject manifest;
        QString error;
        QVERIFY2(cli::buildManifest(resources, QStringLiteral("http://127.0.0.1:1"), &manifest, &error),
                 qPrintable(error));
        QCOMPARE(manifest.value(QLatin1String("rootPath")).toString(), QStringLiteral("http://127.0.0.1:1"));
        // Only the top of the resources folder is the catalogue category.
        const QJsonArray jsons = manifest.value(QLatin1String("jsons")).toArray();
        QCOMPARE(jsons.size(), 1);
        QCOMPARE(jsons[0].toObject().value(QLatin1String("md5")).toString(),
                 QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
        QCOMPARE(manifest.value(QLatin1String("audios")).toArray()[0].toObject().value(QLatin1String("name")),
                 QJsonValue(QStringLiteral("fx/Laser.wav")));
        QCOMPARE(manifest.value(QLatin1String("effects")).toArray().size(), 1);
        QCOMPARE(manifest.value(QLatin1String("guide2s")).toArray().size(), 0);

        const QString tree = folder.filePath(QStringLiteral("server"));
        QVERIFY2(cli::writeServerTree(resources, manifest, tree, &error), qPrintable(error));
        QCOMPARE(fileBytes(tree + QStringLiteral("/resources/vst/linux/Robotizer.so")), QByteArray("elf"));
        QCOMPARE(fileBytes(tree + QStringLiteral("/resources/audio/fx/Laser.wav")), QByteArray("RIFF"));
        QCOMPARE(QJsonDocument::fromJson(
                     fileBytes(tree + QStringLiteral("/ton-morph/tonmorph_resources_linux.json")))
                     .object(),
                 manifest);
        QVERIFY(!cli::buildManifest(folder.filePath(QStringLiteral("absent")), QString(), &manifest, &error));
    }

    void bundledSoundsDecodeAndAreNamedInEveryLanguage()
    {
        Catalogue::Environment environment = Catalogue::environment();
        environment.resourcesPath = QStringLiteral(ZELVANI_RESOURCES);
        Catalogue::setEnvironment(environment);
        SoundManager manager;
        environment.resourcesPath = m_resources.path();
        Catalogue::setEnvironment(environment);
        QVERIFY(manager.loadCatalogue(QStringLiteral(ZELVANI_RESOURCES "/sounds.json")));

        const QMap<int, SoundData::SoundGroup> groups = manager.groups();
        int ordinary = 0;
        for (const SoundData::SoundGroup& group : groups) {
            for (int language = 0; language < 13; ++language)
                QVERIFY2(!group.languages.value(language).isEmpty(),
                         qPrintable(QStringLiteral("group %1, language %2").arg(group.id).arg(language)));
            if (group.id != SoundManager::kHotGroup && group.id != SoundManager::kFavoriteGroup &&
                group.id != SoundManager::kImportGroup) {
                ++ordinary;
                for (int id : group.sort)
                    QCOMPARE(manager.allSounds().value(id).groupId, group.id);
            }
        }
        QVERIFY(groups.contains(SoundManager::kHotGroup) && groups.contains(SoundManager::kImportGroup));
        QVERIFY(ordinary >= 4);
        QVERIFY(!manager.soundsOfGroup(SoundManager::kHotGroup).isEmpty());

        const QMap<int, SoundData::SoundBoard> sounds = manager.allSounds();
        QVERIFY(sounds.size() >= 24);
        zaudio::System system;
        QCOMPARE(zaudio::createSystem(&system), zaudio::Ok);
        QCOMPARE(system.setOutput(zaudio::OutputType::Offline), zaudio::Ok);
        QCOMPARE(system.init(4), zaudio::Ok);
        for (const SoundData::SoundBoard& sound : sounds) {
            QVERIFY2(sound.fileReady, qPrintable(sound.path));
            zaudio::Sound decoded;
            QVERIFY2(system.createSound(QFile::encodeName(sound.path).constData(), zaudio::ModeDefault,
                                        nullptr, &decoded) == zaudio::Ok,
                     qPrintable(sound.path));
            unsigned milliseconds = 0;
            QCOMPARE(decoded.getLength(&milliseconds, zaudio::TimeUnitMs), zaudio::Ok);
            QVERIFY2(milliseconds >= 300 && milliseconds <= 8000, qPrintable(sound.path));
            decoded.release();
        }
        system.release();
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
