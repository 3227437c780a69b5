#include "soundmanager.h"

#include "catalogueformat.h"

#include <QFileInfo>

struct SoundManager::Private
{
    QString version;
    QList<int> groupOrder;
    QMap<int, SoundData::SoundGroup> groups;
    QMap<int, SoundData::SoundBoard> sounds;
    SoundData::SoundBoard current;

    Catalogue::FavoriteList favorites;
    Catalogue::MarkerList newFavorites{QStringLiteral("SFNL")};
    QMap<int, SoundData::SoundBoard> imports;
    QString importsPath;
    Catalogue::MarkerList newImports{QStringLiteral("SINL")};
    QString resourcesPath;

    void writeImports() const
    {
        QJsonArray array;
        for (const SoundData::SoundBoard& sound : imports)
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
    d->favorites.setPath(environment.configPath + QStringLiteral("/SoundFavorite.dat"));
    d->importsPath = environment.configPath + QStringLiteral("/SoundImport.dat");
}

SoundManager::~SoundManager() = default;

bool SoundManager::loadCatalogue(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->version = root.value(QLatin1String("version")).toString();
    for (const QJsonValue& id : root.value(QLatin1String("groupSort")).toArray())
        d->groupOrder.append(id.toInt());
    for (const QJsonValue& value : root.value(QLatin1String("groups")).toArray()) {
        const SoundData::SoundGroup group = Catalogue::parseSoundGroup(value.toObject());
        d->groups.insert(group.id, group);
    }
    for (const QJsonValue& value : root.value(QLatin1String("sounds")).toArray()) {
        const SoundData::SoundBoard sound = Catalogue::parseSound(value.toObject(), d->resourcesPath);
        d->sounds.insert(sound.id, sound);
    }
    return true;
}

void SoundManager::loadUserStores()
{
    // Unlike the effects' favourites, group 7 exists afterwards whether or not
    // the catalogue had it.
    d->favorites.load();
    SoundData::SoundGroup favorites = d->groups.value(kFavoriteGroup);
    favorites.sort.append(d->favorites.ids());
    d->groups.insert(kFavoriteGroup, favorites);

    const QList<QJsonObject> objects = Catalogue::readObjectArrayFile(d->importsPath);
    if (!objects.isEmpty()) {
        for (const QJsonObject& object : objects) {
            const SoundData::SoundBoard sound = Catalogue::parseImportedSound(object);
            d->imports.insert(sound.id, sound);
        }
        SoundData::SoundGroup imported = d->groups.value(kImportGroup);
        imported.sort.append(d->imports.keys());
        d->groups.insert(kImportGroup, imported);
    }
    d->newFavorites.load();
    d->newImports.load();
}

QString SoundManager::version() const
{
    return d->version;
}

QMap<int, SoundData::SoundGroup> SoundManager::groups() const
{
    return d->groups;
}

QList<int> SoundManager::groupOrder() const
{
    return d->groupOrder;
}

QMap<int, SoundData::SoundBoard> SoundManager::allSounds() const
{
    return d->sounds;
}

QMap<int, SoundData::SoundBoard> SoundManager::importedSounds() const
{
    return d->imports;
}

QMap<int, SoundData::SoundBoard> SoundManager::soundsOfGroup(int groupId) const
{
    QMap<int, SoundData::SoundBoard> members;
    if (d->sounds.isEmpty())
        return members;
    switch (groupId) {
    case kHotGroup:
        for (const SoundData::SoundBoard& sound : d->sounds) {
            if (sound.isHot)
                members.insert(sound.id, sound);
        }
        break;
    case kFavoriteGroup:
        for (int id : d->favorites.ids())
            members.insert(id, id >= kFirstImportId ? d->imports.value(id) : d->sounds.value(id));
        break;
    case kImportGroup:
        members = d->imports;
        break;
    default:
        for (int id : d->groups.value(groupId).sort)
            members.insert(id, d->sounds.value(id));
        break;
    }
    return members;
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
    d->sounds.insert(id, sound);
}

QList<int> SoundManager::favorites() const
{
    return d->favorites.ids();
}

bool SoundManager::isFavorite(int id) const
{
    return d->favorites.contains(id);
}

void SoundManager::addFavorite(int id)
{
    d->favorites.append(id);
    d->groups[kFavoriteGroup].sort.append(id);
    d->newFavorites.append(id);
    emit updateGroup();
}

void SoundManager::removeFavorite(int id)
{
    if (!d->favorites.removeOne(id))
        return;
    d->groups[kFavoriteGroup].sort.removeOne(id);
    d->newFavorites.removeOne(id);
    emit updateGroup();
}

bool SoundManager::importSound(const QString& path, bool markNew)
{
    for (const SoundData::SoundBoard& sound : d->imports) {
        if (sound.path == path)
            return false;
    }
    SoundData::SoundBoard sound;
    sound.id = d->imports.isEmpty() ? kFirstImportId : d->imports.lastKey() + 1;
    sound.groupId = kImportGroup;
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    sound.name = dot < 0 ? fileName : fileName.left(dot);
    sound.suffix = dot < 0 ? QString() : fileName.mid(dot);
    sound.path = path;
    sound.fileReady = QFileInfo::exists(path);
    sound.isImport = true;
    d->imports.insert(sound.id, sound);
    d->groups[kImportGroup].sort.append(sound.id);
    d->writeImports();
    if (markNew) {
        d->newImports.append(sound.id);
        emit updateGroup();
    }
    return true;
}

void SoundManager::deleteImport(int id)
{
    d->imports.remove(id);
    d->groups[kImportGroup].sort.removeOne(id);
    d->writeImports();
    d->newImports.removeOne(id);
    emit updateGroup();
}

bool SoundManager::hasNewFavorites() const
{
    return !d->newFavorites.isEmpty();
}

bool SoundManager::hasNewImports() const
{
    return !d->newImports.isEmpty();
}

void SoundManager::clearNewFavorites()
{
    d->newFavorites.clear();
    emit updateGroup();
}

void SoundManager::clearNewImports()
{
    d->newImports.clear();
    emit updateGroup();
}
