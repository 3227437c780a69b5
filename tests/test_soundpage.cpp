// The soundboard page in process, with the real sound catalogue, the user's
// stores in the test's home and the engine on the private sound server:
// imports through the file dialog, play and pause heard on the cable and the
// speakers, Overlay, the volume, the per-sound states, sound keys, the
// broken-file and delete flows and an output that is unplugged.
#include "appmanager.h"
#include "audiomanager.h"
#include "audiosignal.h"
#include "cataloguesetup.h"
#include "cutesettings.h"
#include "dialogwait.h"
#include "enginesetup.h"
#include "filetools.h"
#include "grouplistview.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "launchmanager.h"
#include "moduledialogmanager.h"
#include "pagewindow.h"
#include "pulsetools.h"
#include "retry.h"
#include "soundactionview.h"
#include "soundlistview.h"
#include "soundmanager.h"
#include "soundpage.h"
#include "storeenvironment.h"
#include "unitsignal.h"
#include "utility.h"
#include "virtualcable.h"
#include "xlabel.h"
#include "xmessagebox.h"
#include "xprogressbar.h"
#include "xswitchbutton.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QTimer>
#include <algorithm>

#include <functional>
#include <memory>

namespace {

constexpr int kImported = SoundManager::kImportGroup;
constexpr double kQuiet = 0.1; // -20 dBFS: room to double without the limiter
constexpr double kLoud = 0.5;  // -6 dBFS, a loud sound file

// One test file: its name and the tone it holds.
struct ToneFile
{
    const char* name;
    int format;
    double hz;
    double amplitude;
    double seconds;
};

// The two quiet tones outlast every wait for them (5 s), so a stream that
// starts late on a busy machine is still heard.
const ToneFile kFiles[] = {
    {"low.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 440, kQuiet, 10},
    {"high.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1000, kQuiet, 10},
    {"loud.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 660, kLoud, 4},
    {"short.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 880, kLoud, 0.6},
    {"voice.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 550, kLoud, 2},
};

// Runs `action` on the first modal widget of type T as soon as it shows.
template <typename T> void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(widget);
        }
    });
    timer->start();
}

// Chooses files in the file dialog as a user types them, then opens them.
void chooseFiles(QFileDialog* dialog, const QStringList& paths)
{
    QStringList quoted;
    for (const QString& path : paths)
        quoted << QLatin1Char('"') + path + QLatin1Char('"');
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(quoted.join(QLatin1Char(' ')));
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace

class TestSoundPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QWidget> m_window;
    SoundPage* m_page = nullptr;
    std::unique_ptr<PulseRecorder> m_cable;
    std::unique_ptr<PulseRecorder> m_speakers;
    QHash<QString, int> m_ids; // imported sound ids by file name

    SoundItemListView* list() const { return m_page->soundList(); }
    SoundActionView* panel() const { return m_page->actionView(); }
    QString path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    void showGroup(int groupId)
    {
        m_page->groupBar()->setCurrentGroup(groupId);
        emit m_page->groupBar()->groupClicked(groupId);
    }
    bool clickSound(const SoundPair& pair)
    {
        const QModelIndex index = list()->indexOf(pair);
        if (!index.isValid())
            return false;
        list()->scrollTo(index);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          SoundItemDelegate::areas(list()->visualRect(index)).name.center());
        return true;
    }
    bool clickImported(const QString& name) { return clickSound({kImported, m_ids.value(name)}); }
    QStringList rowNames() const
    {
        QStringList names;
        QStandardItemModel* model = list()->itemModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->item(row)->data(SoundItemDelegate::KindRole).toInt() != SoundItemDelegate::HeadingRow)
                names << model->item(row)->text();
        }
        return names;
    }
    // 300 ms of both outputs, after 600 ms for what was started to arrive
    // (a stream that starts in a slow moment of the debug build needs that).
    std::pair<std::vector<float>, std::vector<float>> listen()
    {
        QTest::qWait(600);
        m_cable->take();
        m_speakers->take();
        QTest::qWait(300);
        return {m_cable->take(), m_speakers->take()};
    }
    // The level in the loudest 50 ms: a stream that fell behind on a busy
    // machine leaves gaps in a take, which are not what is checked here.
    static double levelDb(const std::vector<float>& stereo, double hz)
    {
        const std::vector<float> left = audiosignal::channelOf(stereo, 0, stereo.size() / 2);
        return unitsignal::db(unitsignal::steadyAmplitudeAt(left, hz));
    }
    double cableDb(double hz) { return levelDb(listen().first, hz); }
    // Whether one take of the cable holds every tone of `hzs` above `minDb`.
    bool cableHas(std::initializer_list<double> hzs, double minDb)
    {
        const std::vector<float> cable = listen().first;
        return std::all_of(hzs.begin(), hzs.end(), [&](double hz) { return levelDb(cable, hz) > minDb; });
    }
    // Whether one take of both outputs holds `hz` at `expectedDb` (within
    // 1 dB); `heard` says what they held. Retried by the callers: a stream
    // that starts in a slow moment of a busy machine arrives late.
    bool bothOutputsAt(double hz, double expectedDb, QString* heard)
    {
        const auto [cable, speakers] = listen();
        const double levels[] = {levelDb(cable, hz), levelDb(speakers, hz)};
        *heard = QStringLiteral("cable %1 dB, speakers %2 dB").arg(levels[0]).arg(levels[1]);
        return std::fabs(levels[0] - expectedDb) < 1.0 && std::fabs(levels[1] - expectedDb) < 1.0;
    }
    void stopAll()
    {
        panel()->stopAllButton()->click();
        QTest::qWait(200);
    }

private slots:
    void initTestCase()
    {
        AppManager::instance()->initialize();
        configureCatalogues();
        Catalogue::Environment environment = Catalogue::environment();
        environment.resourcesPath = QStringLiteral(ZELVANI_RESOURCES);
        Catalogue::setEnvironment(environment);
        LaunchManager::instance()->setResourcesPath(environment.resourcesPath);
        LaunchManager::instance()->loadCatalogues();
        QVERIFY(!SoundManager::instance()->allSounds().isEmpty());
        for (const ToneFile& file : kFiles)
            QVERIFY2(audiosignal::writeSine(path(file.name).toUtf8(), file.format, 48000, 2, file.seconds,
                                            file.hz, file.amplitude),
                     file.name);
        // What does not play: text named as an mp3, and an m4a, which the library does not decode.
        writeFile(path("notes.mp3"), "shopping list: bread, milk\n");
        writeFile(path("broken.m4a"), QByteArray("\0\0\0\x20"
                                                 "ftypM4A ",
                                                 12) +
                                          QByteArray(4000, '\x5a'));

        pactl({QStringLiteral("set-default-sink"), QStringLiteral("speakers")});
        QString error;
        QVERIFY2(VirtualCable::load(&error), qPrintable(error));
        m_cable = std::make_unique<PulseRecorder>("zelvani_cable_output");
        m_speakers = std::make_unique<PulseRecorder>("speakers.monitor");
        configureAudioEngine();
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
        AudioManager::instance()->start();
        HotKeyHook::instance()->loadTable();

        m_page = showPage<SoundPage>(m_window);
        QVERIFY(m_page);
    }

    void cleanupTestCase()
    {
        m_window.reset();
        AudioManager::instance()->release();
        m_cable.reset();
        m_speakers.reset();
        QString error;
        VirtualCable::unload(&error);
    }

    void importTakesWhatPlaysAndRefusesTheRest()
    {
        const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        const auto importPath = [] { return CuteSettings::instance()->value(QStringLiteral("ImportPath")); };
        QCOMPARE(importPath().toString(), music);
        QVERIFY(QDir().mkpath(music)); // as on a desktop
        SoundManager* sounds = SoundManager::instance();
        showGroup(1);

        // Cancelled after moving to another folder: nothing changes.
        QString title;
        QStringList filters;
        QString startedIn;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            startedIn = dialog->directory().absolutePath();
            dialog->setDirectory(m_folder.path());
            dialog->reject();
        });
        m_page->importButton()->click();
        QCOMPARE(title, QStringLiteral("Import"));
        QCOMPARE(startedIn, QDir(music).absolutePath());
        QVERIFY2(filters.first().contains(QLatin1String("*.opus")),
                 qPrintable(filters.join(QLatin1Char('|'))));
        QCOMPARE(importPath().toString(), music);
        QVERIFY(sounds->importedSounds().isEmpty());

        // Every file at once: the five that play are added, the other is named.
        QStringList chosen;
        for (const char* name : {"low.wav", "notes.mp3", "high.flac", "loud.ogg", "short.mp3", "voice.opus"})
            chosen << path(name);
        QString refusal;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            chooseFiles(dialog, chosen);
            whenModal<XMessageBox>([&](XMessageBox* box) {
                refusal = box->text();
                box->buttons().first()->click();
            });
        });
        m_page->importButton()->click();
        QVERIFY2(refusal.contains(QLatin1String("notes.mp3")), qPrintable(refusal));
        QVERIFY(!refusal.contains(QLatin1String("low.wav")));
        const auto imported = sounds->importedSounds();
        QCOMPARE(imported.size(), 5);
        for (const SoundData::SoundBoard& sound : imported)
            m_ids.insert(sound.name, sound.id);
        QCOMPARE(m_ids.keys().size(), 5);
        QVERIFY(m_ids.contains(QStringLiteral("voice")));
        QCOMPARE(importPath().toString(), m_folder.path());
        QVERIFY(sounds->hasNewImports());
        QVERIFY(fileBytes(Catalogue::environment().configPath + QStringLiteral("/SoundImport.dat"))
                    .contains("low.wav"));

        // The dialog offers no m4a; one that comes another way is refused too.
        whenModal<XMessageBox>([&](XMessageBox* box) {
            refusal = box->text();
            box->buttons().first()->click();
        });
        QCOMPARE(m_page->importFiles({path("broken.m4a")}), 0);
        QVERIFY2(refusal.contains(QLatin1String("broken.m4a")), qPrintable(refusal));

        // The same file again is skipped without a word.
        whenModal<QFileDialog>([&](QFileDialog* dialog) { chooseFiles(dialog, {path("low.wav")}); });
        m_page->importButton()->click();
        QCOMPARE(sounds->importedSounds().size(), 5);

        // The group opened: the marker goes, the tile leads, the imports follow.
        showGroup(kImported);
        QVERIFY(!sounds->hasNewImports());
        QCOMPARE(rowNames(), QStringList({QStringLiteral("Import local audio"), QStringLiteral("low"),
                                          QStringLiteral("high"), QStringLiteral("loud"),
                                          QStringLiteral("short"), QStringLiteral("voice")}));
        // An import from the tile while the group is shown is not new, and shows.
        QFile::copy(path("low.wav"), path("extra.wav"));
        whenModal<QFileDialog>([&](QFileDialog* dialog) { chooseFiles(dialog, {path("extra.wav")}); });
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualRect(list()->itemModel()->index(1, 0)).center());
        QVERIFY(!sounds->hasNewImports());
        QTRY_VERIFY(rowNames().contains(QStringLiteral("extra")));
    }

    void clickPlaysOnBothOutputsPausesAndResumes()
    {
        showGroup(kImported);
        QVERIFY(clickImported(QStringLiteral("low")));
        QCOMPARE(panel()->nameLabel()->fullText(), QStringLiteral("low"));
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("SID")).toInt(), m_ids.value("low"));
        QVERIFY(panel()->showsPause());
        const double expected = unitsignal::db(kQuiet);
        QString heard;
        QVERIFY2(retryUntil([&] { return bothOutputsAt(440, expected, &heard); }, 20000), qPrintable(heard));
        QTRY_VERIFY(panel()->progressBar()->value() > 0);

        // The shown, playing sound clicked: paused; again: on from where it was.
        QVERIFY(clickImported(QStringLiteral("low")));
        QVERIFY(!panel()->showsPause());
        QVERIFY(cableDb(440) < expected - 40);
        const int pausedAt = panel()->progressBar()->value();
        QVERIFY(clickImported(QStringLiteral("low")));
        QVERIFY(panel()->showsPause());
        QVERIFY(retryUntil([&] { return std::fabs(cableDb(440) - expected) < 1.0; }, 20000));
        QVERIFY(panel()->progressBar()->value() >= pausedAt);

        // Stop: the play button and the progress line go back.
        panel()->stopButton()->click();
        QTRY_VERIFY(!panel()->showsPause());
        QCOMPARE(panel()->progressBar()->value(), 0);
        QVERIFY(cableDb(440) < expected - 40);

        // A short sound ends on its own, and the button says so.
        QVERIFY(clickImported(QStringLiteral("short")));
        QVERIFY(panel()->showsPause());
        QTRY_VERIFY_WITH_TIMEOUT(!panel()->showsPause(), 3000);
        QCOMPARE(panel()->playButton()->accessibleName(), QStringLiteral("Play"));
    }

    void overlayDecidesWhetherSoundsMix()
    {
        showGroup(kImported);
        QVERIFY(!m_page->overlaySwitch()->isOn());
        QVERIFY(clickImported(QStringLiteral("low")));
        QVERIFY(clickImported(QStringLiteral("high")));
        // A stream that starts in a slow moment of a busy machine arrives late:
        // what must be heard is listened for again, what must not is not.
        const double full = unitsignal::db(kQuiet) - 1.0;
        QVERIFY(retryUntil([&] { return cableHas({1000}, full); }, 20000));
        QVERIFY(cableDb(440) < unitsignal::db(kQuiet) - 40);
        stopAll();

        QTest::mouseClick(m_page->overlaySwitch(), Qt::LeftButton);
        QVERIFY(CuteSettings::instance()->value(QStringLiteral("Overlay")).toBool());
        QVERIFY(clickImported(QStringLiteral("low")));
        QVERIFY(clickImported(QStringLiteral("high")));
        QVERIFY(retryUntil([&] { return cableHas({1000, 440}, full); }, 20000));
        stopAll();
        QTest::mouseClick(m_page->overlaySwitch(), Qt::LeftButton);
        QVERIFY(!CuteSettings::instance()->value(QStringLiteral("Overlay")).toBool());
    }

    void volumeScalesBothOutputsWithoutClipping()
    {
        showGroup(kImported);
        QVERIFY(clickImported(QStringLiteral("low")));
        QSlider* volume = panel()->volumeSlider();
        QCOMPARE(volume->value(), 50);
        auto [cable, speakers] = listen();
        const double cableAt50 = levelDb(cable, 440);
        const double speakersAt50 = levelDb(speakers, 440);
        volume->setValue(100);
        QCOMPARE(panel()->volumeText()->text(), QStringLiteral("100"));
        std::tie(cable, speakers) = listen();
        QVERIFY2(std::fabs(levelDb(cable, 440) - cableAt50 - 6.02) < 0.5,
                 qPrintable(QString::number(levelDb(cable, 440) - cableAt50)));
        QVERIFY2(std::fabs(levelDb(speakers, 440) - speakersAt50 - 6.02) < 0.5,
                 qPrintable(QString::number(levelDb(speakers, 440) - speakersAt50)));
        volume->setValue(0);
        std::tie(cable, speakers) = listen();
        QVERIFY(audiosignal::rms(cable) < 1e-4 && audiosignal::rms(speakers) < 1e-4);
        volume->setValue(50);
        stopAll();

        // A loud file at twice its level comes out lowered, not clipped.
        QVERIFY(clickImported(QStringLiteral("loud")));
        panel()->volumeSlider()->setValue(100);
        cable = listen().first;
        QVERIFY2(audiosignal::peak(cable) <= 1.0f, qPrintable(QString::number(audiosignal::peak(cable))));
        QCOMPARE(audiosignal::flatTops(cable, 2), 0);
        QVERIFY(levelDb(cable, 660) > unitsignal::db(kLoud));
        panel()->volumeSlider()->setValue(50);
        stopAll();
    }

    void statesBelongToTheirSoundForTheRun()
    {
        showGroup(kImported);
        QVERIFY(clickImported(QStringLiteral("short")));
        panel()->volumeSlider()->setValue(80);
        QTest::mouseClick(panel()->loopSwitch(), Qt::LeftButton);
        QTest::mouseClick(panel()->blockSwitch(), Qt::LeftButton);
        QVERIFY(panel()->loopSwitch()->isOn());
        // Looping: still playing well after its 0.6 s.
        panel()->replayButton()->click();
        QTest::qWait(1500);
        QVERIFY(panel()->showsPause());
        QVERIFY(cableDb(880) > unitsignal::db(kLoud) - 3.0);
        stopAll();

        QVERIFY(clickImported(QStringLiteral("high")));
        QCOMPARE(panel()->volumeSlider()->value(), 50);
        QVERIFY(!panel()->loopSwitch()->isOn() && !panel()->muteSwitch()->isOn() &&
                !panel()->blockSwitch()->isOn());
        stopAll();
        QVERIFY(clickImported(QStringLiteral("short")));
        QCOMPARE(panel()->volumeSlider()->value(), 80);
        QVERIFY(panel()->loopSwitch()->isOn() && panel()->blockSwitch()->isOn() &&
                !panel()->muteSwitch()->isOn());
        QTest::mouseClick(panel()->loopSwitch(), Qt::LeftButton);
        QTest::mouseClick(panel()->blockSwitch(), Qt::LeftButton);
        panel()->volumeSlider()->setValue(50);
        stopAll();
    }

    void soundKeysFireLikeARowClick()
    {
        showGroup(1);
        HotKeyHook* hook = HotKeyHook::instance();
        const int low = m_ids.value("low");
        const auto fire = [hook](const SoundPair& pair) {
            emit hook->activated(HotKey::encode(pair, HotKey::SoundKind));
        };
        // An imported sound's key, bound in its group, while another group is shown.
        fire({kImported, low});
        QTRY_COMPARE(panel()->soundId(), low);
        QVERIFY(retryUntil([&] { return std::fabs(cableDb(440) - unitsignal::db(kQuiet)) < 1.0; }, 20000));
        stopAll();

        // A key of the favourites fires only while the sound is a favourite.
        const int high = m_ids.value("high");
        fire({SoundManager::kFavoriteGroup, high});
        QTest::qWait(100);
        QCOMPARE(panel()->soundId(), low);
        SoundManager::instance()->addFavorite(high);
        fire({SoundManager::kFavoriteGroup, high});
        QCOMPARE(panel()->soundId(), high);
        stopAll();

        // While the search field has the focus the keys rest.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_page->searchEdit()->setFocus();
        QTRY_VERIFY(hook->isSuspended());
        fire({kImported, low});
        QTest::qWait(100);
        QCOMPARE(panel()->soundId(), high);
        list()->setFocus();
        QTRY_VERIFY(!hook->isSuspended());
        SoundManager::instance()->removeFavorite(high);
    }

    void missingFileOffersToDeleteTheEntry()
    {
        showGroup(kImported);
        const int id = m_ids.value("voice");
        SoundManager::instance()->addFavorite(id);
        QVERIFY(HotKeyHook::instance()->setBinding({kImported, id}, QStringLiteral("Ctrl+Alt+V"),
                                                   HotKey::SoundKind));
        QVERIFY(QFile::remove(path("voice.opus")));

        whenOpen(ModuleDialogManager::DT_PlaySoundFail, [](QDialog* dialog) { dialog->done(1); });
        QVERIFY(clickImported(QStringLiteral("voice")));
        QVERIFY(SoundManager::instance()->importedSounds().contains(id));
        QVERIFY(panel()->soundId() != id);

        whenOpen(ModuleDialogManager::DT_PlaySoundFail, [](QDialog* dialog) { dialog->done(2); });
        QVERIFY(clickImported(QStringLiteral("voice")));
        QVERIFY(!SoundManager::instance()->importedSounds().contains(id));
        QVERIFY(!SoundManager::instance()->isFavorite(id));
        QVERIFY(HotKeyHook::instance()->bindingText({kImported, id}, HotKey::SoundKind).isEmpty());
        QTRY_VERIFY(!rowNames().contains(QStringLiteral("voice")));
    }

    void deleteRemovesTheImportWithItsFavoriteAndKey()
    {
        // A catalogue sound offers no delete button.
        showGroup(1);
        const int catalogueId = SoundManager::instance()->groups().value(1).sort.first();
        QVERIFY(clickSound({1, catalogueId}));
        QVERIFY(panel()->deleteButton()->isHidden());
        stopAll();

        showGroup(kImported);
        const int id = m_ids.value("high");
        SoundManager::instance()->addFavorite(id);
        QVERIFY(HotKeyHook::instance()->setBinding({kImported, id}, QStringLiteral("Ctrl+Alt+H"),
                                                   HotKey::SoundKind));
        QVERIFY(clickImported(QStringLiteral("high")));
        QVERIFY(!panel()->deleteButton()->isHidden());
        panel()->volumeSlider()->setValue(80);
        stopAll();

        whenOpen(ModuleDialogManager::DT_DeleteVoice, [](QDialog* dialog) { dialog->done(1); });
        panel()->deleteButton()->click();
        QVERIFY(SoundManager::instance()->importedSounds().contains(id));
        QCOMPARE(panel()->soundId(), id);

        whenOpen(ModuleDialogManager::DT_DeleteVoice, [](QDialog* dialog) { dialog->done(2); });
        panel()->deleteButton()->click();
        QVERIFY(!SoundManager::instance()->importedSounds().contains(id));
        QVERIFY(!SoundManager::instance()->isFavorite(id));
        QVERIFY(HotKeyHook::instance()->bindingText({kImported, id}, HotKey::SoundKind).isEmpty());
        QVERIFY(!rowNames().contains(QStringLiteral("high")));
        QCOMPARE(panel()->soundId(), 0);
        // An import that takes the freed id later starts afresh.
        CuteSettings* settings = CuteSettings::instance();
        QCOMPARE(settings->value(QStringLiteral("volume_%1").arg(id)).toInt(), 50);
        QCOMPARE(settings->value(QStringLiteral("SID")).toInt(), 0);
        QVERIFY(!fileBytes(Catalogue::environment().configPath + QStringLiteral("/SoundImport.dat"))
                     .contains("high.flac"));
        // The file itself stays where the user keeps it.
        QVERIFY(QFile::exists(path("high.flac")));
    }

    void devicesReadyAgainRestoreTheStoredSoundAndOverlay()
    {
        CuteSettings* settings = CuteSettings::instance();
        settings->setValue(QStringLiteral("Overlay"), true, Ini);
        settings->setValue(QStringLiteral("SGID"), kImported, Ini);
        settings->setValue(QStringLiteral("SID"), m_ids.value("loud"), Ini);
        emit AudioManager::instance()->deviceReady();
        QVERIFY(m_page->overlaySwitch()->isOn());
        QCOMPARE(panel()->soundId(), m_ids.value("loud"));
        QCOMPARE(list()->selectedPair(), SoundPair(kImported, m_ids.value("loud")));
        QTest::mouseClick(m_page->overlaySwitch(), Qt::LeftButton);
    }

    void unpluggingTheOutputInUseStopsEverySound()
    {
        const int module =
            loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=headset"),
                        QStringLiteral("sink_properties=device.description=Headset")});
        QVERIFY(module >= 0);
        const auto headset = [] {
            QList<AudioDevice> inputs;
            QList<AudioDevice> outputs;
            Utility::instance()->audioDeviceList(inputs, outputs);
            for (const AudioDevice& device : outputs) {
                if (device.name == QLatin1String("Headset"))
                    return device;
            }
            return AudioDevice();
        };
        QTRY_VERIFY(!headset().name.isEmpty());
        AudioManager* engine = AudioManager::instance();
        engine->setOutputDevice(headset());
        QCOMPARE(engine->outputName(), QStringLiteral("Headset"));

        showGroup(kImported);
        QVERIFY(clickImported(QStringLiteral("low")));
        QTest::mouseClick(panel()->loopSwitch(), Qt::LeftButton);
        QVERIFY(retryUntil([&] { return cableDb(440) > unitsignal::db(kQuiet) - 1.0; }, 20000));
        pactl({QStringLiteral("unload-module"), QString::number(module)});
        QTRY_VERIFY_WITH_TIMEOUT(!panel()->showsPause(), 5000);
        QVERIFY(cableDb(440) < unitsignal::db(kQuiet) - 40);
        QTest::mouseClick(panel()->loopSwitch(), Qt::LeftButton);
    }
};

QTEST_MAIN(TestSoundPage)
#include "test_soundpage.moc"
