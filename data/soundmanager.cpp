#include "soundmanager.h"

#include "catalogueformat.h"
#include "groupedcatalogue.h"

#include <QFileInfo>

struct SoundManager::Private
{
    Catalogue::GroupedCatalogue<SoundData::SoundGroup, SoundData::SoundBoard> c{
        kHotGroup, kFavoriteGroup, kImportGroup, kFirstImportId, QStringLiteral("SFNL")};
    SoundData::SoundBoard current;
    QString importsPath;
    Catalogue::MarkerList newImports{QStringLiteral("SINL")};
    QString resourcesPath;

    void writeImports() const
    {
        QJsonArray array;
        for (const SoundData::SoundBoard& sound : c.own)
            array.append(Catalogue::importedSoundToJson(sound));
        Catalogue::writeJsonArray(importsPath, array);
    }
};

SoundManager* SoundManager::instance()
{
    static SoundManager* manager = new SoundManager;
    return manager;
}

SoundManager::SoundManager(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    SoundData::registerMetaTypes();
    const Catalogue::Environment& environment = Catalogue::environment();
    d->resourcesPath = environment.resourcesPath;
    d->c.favorites.setPath(environment.configPath + QStringLiteral("/SoundFavorite.dat"));
    d->importsPath = environment.configPath + QStringLiteral("/SoundImport.dat");
}

SoundManager::~SoundManager() = default;

bool SoundManager::loadCatalogue(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->c.readGroups(root, &Catalogue::parseSoundGroup);
    for (const QJsonValue& value : root.value(QLatin1String("sounds")).toArray()) {
        const SoundData::SoundBoard sound = Catalogue::parseSound(value.toObject(), d->resourcesPath);
        d->c.items.insert(sound.id, sound);
    }
    return true;
}

void SoundManager::loadUserStores()
{
    // Unlike the effects' favourites, group 7 exists afterwards whether or not
    // the catalogue had it.
    d->c.favorites.load();
    SoundData::SoundGroup favorites = d->c.groups.value(kFavoriteGroup);
    favorites.sort.append(d->c.favorites.ids());
    d->c.groups.insert(kFavoriteGroup, favorites);

    const QList<QJsonObject> objects = Catalogue::readObjectArrayFile(d->importsPath);
    if (!objects.isEmpty()) {
        for (const QJsonObject& object : objects) {
            const SoundData::SoundBoard sound = Catalogue::parseImportedSound(object);
            d->c.own.insert(sound.id, sound);
        }
        SoundData::SoundGroup imported = d->c.groups.value(kImportGroup);
        imported.sort.append(d->c.own.keys());
        d->c.groups.insert(kImportGroup, imported);
    }
    d->c.newFavorites.load();
    d->newImports.load();
}

QString SoundManager::version() const
{
    return d->c.version;
}

QMap<int, SoundData::SoundGroup> SoundManager::groups() const
{
    return d->c.groups;
}

QList<int> SoundManager::groupOrder() const
{
    return d->c.groupOrder;
}

QMap<int, SoundData::SoundBoard> SoundManager::allSounds() const
{
    return d->c.items;
}

QMap<int, SoundData::SoundBoard> SoundManager::importedSounds() const
{
    return d->c.own;
}

QMap<int, SoundData::SoundBoard> SoundManager::soundsOfGroup(int groupId) const
{
    return d->c.members(groupId);
}

SoundData::SoundBoard SoundManager::currentSound() const
{
    return d->current;
}

void SoundManager::setCurrentSound(const SoundData::SoundBoard& sound)
{
    d->current = sound;
}

void SoundManager::updateSound(int id, const SoundData::SoundBoard& sound)
{
    d->c.items.insert(id, sound);
}

QList<int> SoundManager::favorites() const
{
    return d->c.favorites.ids();
}

bool SoundManager::isFavorite(int id) const
{
    return d->c.favorites.contains(id);
}

void SoundManager::addFavorite(int id)
{
    d->c.addFavorite(id);
    emit updateGroup();
}

void SoundManager::removeFavorite(int id)
{
    if (d->c.removeFavorite(id))
        emit updateGroup();
}

bool SoundManager::importSound(const QString& path, bool markNew)
{
    for (const SoundData::SoundBoard& sound : d->c.own) {
        if (sound.path == path)
            return false;
    }
    SoundData::SoundBoard sound;
    sound.id = d->c.nextOwnId();
    sound.groupId = kImportGroup;
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    sound.name = dot < 0 ? fileName : fileName.left(dot);
    sound.suffix = dot < 0 ? QString() : fileName.mid(dot);
    sound.path = path;
    sound.fileReady = QFileInfo::exists(path);
    sound.isImport = true;
    d->c.own.insert(sound.id, sound);
    d->c.groups[kImportGroup].sort.append(sound.id);
    d->writeImports();
    if (markNew) {
        d->newImports.append(sound.id);
        emit updateGroup();
    }
    return true;
}

void SoundManager::deleteImport(int id)
{
    d->c.own.remove(id);
    d->c.groups[kImportGroup].sort.removeOne(id);
    d->writeImports();
    d->newImports.removeOne(id);
    emit updateGroup();
}

bool SoundManager::hasNewFavorites() const
{
    return !d->c.newFavorites.isEmpty();
}

bool SoundManager::hasNewImports() const
{
    return !d->newImports.isEmpty();
}

void SoundManager::clearNewFavorites()
{
    d->c.newFavorites.clear();
    emit updateGroup();
}

void SoundManager::clearNewImports()
{
    d->newImports.clear();
    emit updateGroup();
}
