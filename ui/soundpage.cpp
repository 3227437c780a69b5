#include "soundpage.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "catalogueview.h"
#include "cutesettings.h"
#include "gatracker.h"
#include "grouplistview.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "moduledialogmanager.h"
#include "soundactionview.h"
#include "soundlistview.h"
#include "soundmanager.h"
#include "xmessagebox.h"
#include "xswitchbutton.h"

#include "spdlog_qt"

#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kRefreshDelayMs = 100;

void setSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

} // namespace

SoundPage::SoundPage(QWidget* parent) : PageWidget(parent)
{
    QElapsedTimer clock;
    clock.start();
    m_groups = new SoundGroupListView(contentWidget());
    m_search = new SearchLineEdit(contentWidget());
    m_list = new SoundItemListView(contentWidget());
    m_panel = new SoundActionView(contentWidget());
    const CataloguePageParts parts =
        layoutCataloguePage(contentWidget(), m_groups, m_search, m_list, m_panel);
    m_empty = parts.empty;

    m_import = new QPushButton(contentWidget());
    m_import->setFixedSize(Kit::size(34, 34));
    m_import->setIcon(QIcon(AppManager::imagePath(QStringLiteral("import_1.png"))));
    m_import->setIconSize(Kit::size(24, 24));
    m_import->setCursor(Qt::PointingHandCursor);
    m_import->setStyleSheet(Kit::iconButtonStyle());
    parts.searchRow->addWidget(m_import);
    parts.searchRow->addSpacing(Kit::px(16));
    m_overlayLabel = new QLabel(contentWidget());
    m_overlayLabel->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    parts.searchRow->addWidget(m_overlayLabel);
    m_overlay = new XSwitchButton(contentWidget());
    parts.searchRow->addWidget(m_overlay);

    connect(m_groups, &GroupListView::groupClicked, this, &SoundPage::onGroupClicked);
    connect(m_list, &SoundItemListView::soundClicked, this, &SoundPage::onSoundClicked);
    connect(m_list, &SoundItemListView::importClicked, this, [this] { importSounds(true); });
    connect(m_list, &SoundItemListView::importSoundNotExits, this,
            [this](int, int soundId) { offerDelete(soundId); });
    connect(m_import, &QPushButton::clicked, this, [this] { importSounds(false); });
    connect(m_panel, &SoundActionView::importSoundisBroken, this,
            [this] { offerDelete(m_panel->soundId()); });
    connect(m_panel, &SoundActionView::soundDelete, this, &SoundPage::deleteSound);
    connect(m_overlay, &XSwitchButton::stateChanged, this, [](int state) {
        setSetting(QStringLiteral("Overlay"), state == 0);
        AudioManager::instance()->setMultiPlay(state == 0);
    });

    AudioManager* engine = AudioManager::instance();
    connect(engine, &AudioManager::deviceReady, this, &SoundPage::onDeviceReady);
    connect(engine, &AudioManager::deviceDisconnect, this, [](const QString& deviceName) {
        AudioManager* engine = AudioManager::instance();
        if (!deviceName.isEmpty() && deviceName == engine->outputName()) {
            LogInfo(QStringLiteral("[SoundPage] %1 is gone: every sound stops").arg(deviceName));
            engine->stopAllSounds();
        }
    });

    const SoundPair stored = SoundItemListView::storedPair();
    m_groups->setCurrentGroup(stored.first);
    m_list->showGroup(stored.first);
    onDeviceReady();
    setTabOrder(m_groups, m_search);
    setTabOrder(m_search, m_import);
    setTabOrder(m_import, m_overlay);
    setTabOrder(m_overlay, m_list);
    retranslate();
    LogInfo(QStringLiteral("[SoundPage] built in %1 ms").arg(clock.nsecsElapsed() / 1.0e6, 0, 'f', 1));
}

QLabel* SoundPage::emptyText() const
{
    return m_empty->textLabel();
}

QString SoundPage::importFilter()
{
    return QStringLiteral("Audios (*.mp3 *.wav *.flac *.ogg *.opus);; MP3 (*.mp3);; WAV (*.wav);; "
                          "FLAC (*.flac);; OGG (*.ogg);; OPUS (*.opus)");
}

void SoundPage::onDeviceReady()
{
    const bool overlay = CuteSettings::instance()->value(QStringLiteral("Overlay")).toBool();
    AudioManager::instance()->setMultiPlay(overlay);
    {
        const QSignalBlocker block(m_overlay);
        m_overlay->setOn(overlay);
    }
    // The players may be new: the stored sound is loaded again.
    const SoundPair stored = SoundItemListView::storedPair();
    if (SoundItemListView::lookup(stored.first, stored.second).id == 0)
        return;
    m_list->setSelectedPair(stored);
    m_panel->showSound(stored.first, stored.second, true);
}

void SoundPage::onGroupClicked(int groupId)
{
    SoundManager* sounds = SoundManager::instance();
    GaTracker::instance()->track(QStringLiteral("SoundCategory"), sounds->groups().value(groupId).name);
    if (groupId == SoundManager::kFavoriteGroup)
        sounds->clearNewFavorites();
    else if (groupId == SoundManager::kImportGroup)
        sounds->clearNewImports();
    m_list->showGroup(groupId);
}

void SoundPage::onSoundClicked(int groupId, int soundId, bool play)
{
    if (soundId != m_panel->soundId()) {
        const SoundData::SoundBoard sound = SoundItemListView::lookup(groupId, soundId);
        GaTracker::instance()->track(QStringLiteral("Sound"), sound.name);
        setSetting(QStringLiteral("SGID"), groupId);
        setSetting(QStringLiteral("SID"), soundId);
        m_panel->showSound(groupId, soundId);
    }
    if (play)
        m_panel->clickPlay();
}

int SoundPage::importFiles(const QStringList& paths)
{
    SoundManager* sounds = SoundManager::instance();
    const bool markNew = m_list->currentGroup() != SoundManager::kImportGroup;
    QStringList refused;
    int added = 0;
    for (const QString& path : paths) {
        QString error;
        if (!AudioManager::canPlaySound(path, &error)) {
            LogInfo(QStringLiteral("[SoundPage] %1 is not imported: %2").arg(path, error));
            refused.append(QFileInfo(path).fileName());
            continue;
        }
        // False: that file is imported already.
        if (sounds->importSound(path, markNew))
            ++added;
    }
    LogInfo(QStringLiteral("[SoundPage] %1 of %2 files imported").arg(added).arg(paths.size()));
    if (!refused.isEmpty())
        XMessageBox::ask(window(), tr("Import"),
                         tr("These files cannot be played and were not imported:") + QStringLiteral("\n\n") +
                             refused.join(QLatin1Char('\n')),
                         {tr("OK")});
    return added;
}

void SoundPage::importSounds(bool fromTile)
{
    GaTracker::instance()->track(QStringLiteral("Import"), fromTile ? QStringLiteral("ImportFromCategory")
                                                                    : QStringLiteral("ImportFromGlobal"));
    QFileDialog dialog(window(), tr("Import"),
                       CuteSettings::instance()->value(QStringLiteral("ImportPath")).toString(),
                       importFilter());
    dialog.setObjectName(QStringLiteral("importDialog"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return;
    const int added = importFiles(files);
    setSetting(QStringLiteral("ImportPath"), files.first().left(files.first().lastIndexOf(QLatin1Char('/'))));
    if (added > 0 && m_list->currentGroup() == SoundManager::kImportGroup)
        QTimer::singleShot(kRefreshDelayMs, m_list, &CatalogueListView::refresh);
}

void SoundPage::removeSound(int soundId)
{
    AudioManager* engine = AudioManager::instance();
    engine->stopSound(soundId);
    engine->removeSound(soundId);
    SoundManager* sounds = SoundManager::instance();
    sounds->deleteImport(soundId);
    sounds->removeFavorite(soundId);
    for (int groupId : {SoundManager::kImportGroup, SoundManager::kFavoriteGroup})
        HotKeyHook::instance()->removeBinding({groupId, soundId}, HotKey::SoundKind);
    // The next import may take the freed id: it must start afresh, not as this sound was.
    if (m_panel->soundId() == soundId)
        m_panel->clear();
    for (const char* prefix : {"volume_", "loop_", "mute_", "otherMute_"}) {
        const QString key = QLatin1String(prefix) + QString::number(soundId);
        CuteSettings::instance()->setValue(key, CuteSettings::defaultValue(key), Transient);
    }
    if (SoundItemListView::storedPair().second == soundId) {
        setSetting(QStringLiteral("SGID"), 0);
        setSetting(QStringLiteral("SID"), 0);
    }
    LogInfo(QStringLiteral("[SoundPage] imported sound %1 deleted").arg(soundId));
}

void SoundPage::deleteSound()
{
    const int soundId = m_panel->soundId();
    if (soundId == 0 ||
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_DeleteVoice, window()) != 2)
        return;
    removeSound(soundId);
    m_list->refresh();
}

void SoundPage::offerDelete(int soundId)
{
    if (soundId == 0 ||
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_PlaySoundFail, window()) != 2)
        return;
    removeSound(soundId);
    QTimer::singleShot(kRefreshDelayMs, m_list, &CatalogueListView::refresh);
}

void SoundPage::retranslate()
{
    Kit::nameIconButton(m_import, tr("Import"));
    m_overlayLabel->setText(tr("Overlay"));
    m_overlay->setAccessibleName(tr("Overlay"));
}

void SoundPage::changeEvent(QEvent* event)
{
    PageWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
