#include "soundlistview.h"

#include "cutesettings.h"
#include "hotkeyhook.h"
#include "languagesettings.h"
#include "launchmanager.h"
#include "soundmanager.h"

#include "spdlog_qt"

#include <QFileInfo>

namespace {

void setSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

} // namespace

SoundItemListView::SoundItemListView(QWidget* parent)
    : CatalogueListView(HotKey::SoundKind, SoundManager::kFavoriteGroup, tr("Sounds"), parent)
{
    connect(HotKeyHook::instance(), &HotKeyHook::activated, this, &SoundItemListView::onHotkey);
    connect(LaunchManager::instance(), &LaunchManager::downloadFilesFinished, this,
            &SoundItemListView::onDownloadFinished);
}

SoundPair SoundItemListView::storedPair()
{
    const CuteSettings* settings = CuteSettings::instance();
    return {settings->value(QStringLiteral("SGID")).toInt(), settings->value(QStringLiteral("SID")).toInt()};
}

SoundData::SoundBoard SoundItemListView::lookup(int groupId, int soundId)
{
    SoundManager* sounds = SoundManager::instance();
    const auto members = sounds->soundsOfGroup(groupId);
    if (members.contains(soundId))
        return members.value(soundId);
    if (soundId >= SoundManager::kFirstImportId)
        return sounds->importedSounds().value(soundId);
    return sounds->allSounds().value(soundId);
}

QString SoundItemListView::picturePath(const SoundData::SoundBoard& sound)
{
    // Imported files have no picture of their own: the imported group's icon.
    if (sound.isImport)
        return CuteSettings::resourcesPath() +
               QStringLiteral("/image/audioGroup/%1_2.png").arg(SoundManager::kImportGroup);
    return CuteSettings::resourcesPath() + QStringLiteral("/image/audioIcon/%1.png").arg(sound.id);
}

bool SoundItemListView::isFavorite(int id) const
{
    return SoundManager::instance()->isFavorite(id);
}

void SoundItemListView::setFavorite(int id, bool favorite)
{
    if (favorite)
        SoundManager::instance()->addFavorite(id);
    else
        SoundManager::instance()->removeFavorite(id);
}

QList<int> SoundItemListView::groupOrder() const
{
    return SoundManager::instance()->groupOrder();
}

QString SoundItemListView::groupName(int groupId) const
{
    const SoundData::SoundGroup group = SoundManager::instance()->groups().value(groupId);
    const QString name = group.languages.value(LanguageSettings::instance()->currentLanguage());
    return name.isEmpty() ? group.name : name;
}

QList<CatalogueEntry> SoundItemListView::entries(int groupId) const
{
    SoundManager* sounds = SoundManager::instance();
    QList<CatalogueEntry> result;
    for (const SoundData::SoundBoard& sound :
         inGroupOrder(sounds->soundsOfGroup(groupId), sounds->groups().value(groupId).sort))
        // An imported file is never fetched: a missing one is reported at the click.
        result.append({sound.id, sound.name, picturePath(sound), sound.fileReady || sound.isImport});
    return result;
}

bool SoundItemListView::hasTile(int groupId) const
{
    return groupId == SoundManager::kImportGroup;
}

void SoundItemListView::clickSound(int groupId, int soundId)
{
    const SoundData::SoundBoard sound = lookup(groupId, soundId);
    if (sound.id == 0)
        return;
    const SoundPair pair(groupId, soundId);
    const QVariant clicked = QVariant::fromValue(QList<QVariant>{groupId, soundId});
    if (sound.isImport) {
        if (!sound.fileReady || !QFileInfo::exists(sound.path)) {
            LogInfo(QStringLiteral("[SoundPage] imported sound %1 has no file at %2")
                        .arg(soundId)
                        .arg(sound.path));
            emit importSoundNotExits(SoundManager::kImportGroup, soundId);
            return;
        }
    } else if (!sound.fileReady) {
        setSetting(QStringLiteral("LastClickedSound"), clicked);
        if (!isDownloading(pair))
            LogInfo(QStringLiteral("[SoundPage] fetching the file of sound %1").arg(soundId));
        startDownload(pair, {QStringLiteral("audio/") + sound.name + sound.suffix}, 1);
        return;
    }
    setSetting(QStringLiteral("LastClickedSound"), clicked);
    setSelectedPair(pair);
    emit soundClicked(groupId, soundId, true);
}

void SoundItemListView::onDownloadFinished(bool result, int groupId, int itemId, int type)
{
    if (type != 1)
        return;
    if (!result)
        LogInfo(QStringLiteral("[SoundPage] the file of sound %1 did not arrive").arg(itemId));
    if (!finishDownload({groupId, itemId}, result))
        return;
    SoundData::SoundBoard sound = SoundManager::instance()->allSounds().value(itemId);
    if (sound.id == 0)
        return;
    sound.fileReady = QFileInfo::exists(sound.path);
    SoundManager::instance()->updateSound(itemId, sound);
    const QList<QVariant> last = CuteSettings::instance()->value(QStringLiteral("LastClickedSound")).toList();
    if (last.size() == 2 && last[0].toInt() == groupId && last[1].toInt() == itemId)
        clickSound(groupId, itemId);
}

void SoundItemListView::onHotkey(QPair<int, int> ids)
{
    if (HotKey::classify(ids) != HotKey::SoundKind || shortcutsResting())
        return;
    SoundManager* sounds = SoundManager::instance();
    const HotKey::Ids item = HotKey::decode(ids);
    int groupId = item.first;
    const int soundId = item.second;
    if (groupId == SoundManager::kFavoriteGroup) {
        if (!sounds->isFavorite(soundId))
            return;
    } else if (soundId >= SoundManager::kFirstImportId) {
        groupId = SoundManager::kImportGroup;
    }
    if (!sounds->soundsOfGroup(groupId).contains(soundId))
        return;
    clickSound(groupId, soundId);
}
