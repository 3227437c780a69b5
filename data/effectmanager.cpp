#include "effectmanager.h"

#include "catalogueformat.h"

#include <QRegularExpression>

struct EffectManager::Private
{
    QString version;
    QList<int> groupOrder;
    QMap<int, EffectData::VoiceGroup> groups;
    QMap<int, EffectData::VoiceEffect> effects;
    QList<EffectData::ParamLabel> labels;
    EffectData::VoiceEffect current;

    Catalogue::FavoriteList favorites;
    Catalogue::MarkerList newFavorites{QStringLiteral("EFNL")};
    QMap<int, EffectData::VoiceEffect> custom;
    QString customPath;
    Catalogue::MarkerList newCustom{QStringLiteral("ECNL")};
    QString resourcesPath;
    // Set once a store was read or changed: the quit's saveAll never writes
    // an empty list over a file that was never read.
    bool favoritesKnown = false;
    bool customKnown = false;

    void writeCustom() const
    {
        QJsonArray array;
        for (const EffectData::VoiceEffect& effect : custom)
            array.append(Catalogue::effectToJson(effect));
        Catalogue::writeJsonArray(customPath, array);
    }
};

EffectManager* EffectManager::instance()
{
    static EffectManager* manager = new EffectManager;
    return manager;
}

EffectManager::EffectManager(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    EffectData::registerMetaTypes();
    const Catalogue::Environment& environment = Catalogue::environment();
    d->resourcesPath = environment.resourcesPath;
    d->favorites.setPath(environment.configPath + QStringLiteral("/Favorite.dat"));
    d->customPath = environment.configPath + QStringLiteral("/Custom.dat");
}

EffectManager::~EffectManager() = default;

bool EffectManager::loadCatalogue(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->version = root.value(QLatin1String("version")).toString();
    for (const QJsonValue& id : root.value(QLatin1String("groupSort")).toArray())
        d->groupOrder.append(id.toInt());
    for (const QJsonValue& value : root.value(QLatin1String("groups")).toArray()) {
        const EffectData::VoiceGroup group = Catalogue::parseEffectGroup(value.toObject());
        d->groups.insert(group.id, group);
    }
    for (const QJsonValue& value : root.value(QLatin1String("effects")).toArray()) {
        const EffectData::VoiceEffect effect =
            Catalogue::parseEffect(value.toObject(), d->resourcesPath, false);
        d->effects.insert(effect.id, effect);
    }
    return true;
}

bool EffectManager::loadParamLabels(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->version = root.value(QLatin1String("version")).toString();
    for (const QJsonValue& value : root.value(QLatin1String("settings")).toArray())
        d->labels.append(Catalogue::parseParamLabel(value.toObject()));
    return true;
}

void EffectManager::loadUserStores()
{
    if (d->groups.contains(kFavoriteGroup)) {
        d->favorites.load();
        d->groups[kFavoriteGroup].sort.append(d->favorites.ids());
        d->favoritesKnown = true;
    }
    if (d->groups.contains(kCustomGroup)) {
        d->customKnown = true;
        const QList<QJsonObject> objects = Catalogue::readObjectArrayFile(d->customPath);
        if (!objects.isEmpty()) {
            for (const QJsonObject& object : objects) {
                const EffectData::VoiceEffect effect = Catalogue::parseEffect(object, d->resourcesPath, true);
                d->custom.insert(effect.id, effect);
            }
            d->groups[kCustomGroup].sort.append(d->custom.keys());
        }
    }
    d->newFavorites.load();
    d->newCustom.load();
}

QString EffectManager::version() const
{
    return d->version;
}

QMap<int, EffectData::VoiceGroup> EffectManager::groups() const
{
    return d->groups;
}

QList<int> EffectManager::groupOrder() const
{
    return d->groupOrder;
}

QMap<int, EffectData::VoiceEffect> EffectManager::allEffects() const
{
    return d->effects;
}

QMap<int, EffectData::VoiceEffect> EffectManager::customEffects() const
{
    return d->custom;
}

QMap<int, EffectData::VoiceEffect> EffectManager::effectsOfGroup(int groupId) const
{
    QMap<int, EffectData::VoiceEffect> members;
    if (d->effects.isEmpty())
        return members;
    switch (groupId) {
    case kHotGroup:
        for (const EffectData::VoiceEffect& effect : d->effects) {
            if (effect.isHot)
                members.insert(effect.id, effect);
        }
        break;
    case kFavoriteGroup:
        for (int id : d->favorites.ids())
            members.insert(id, id >= kFirstCustomId ? d->custom.value(id) : d->effects.value(id));
        break;
    case kCustomGroup:
        members = d->custom;
        break;
    default:
        for (int id : d->groups.value(groupId).sort)
            members.insert(id, d->effects.value(id));
        break;
    }
    return members;
}

EffectData::VoiceEffect EffectManager::currentEffect() const
{
    return d->current;
}

void EffectManager::setCurrentEffect(const EffectData::VoiceEffect& effect)
{
    d->current = effect;
}

void EffectManager::updateEffect(const EffectData::VoiceEffect& effect)
{
    if (effect.groupId == kCustomGroup)
        d->custom.insert(effect.id, effect);
    else
        d->effects.insert(effect.id, effect);
}

QHash<int, QString> EffectManager::paramLabels(int type, int index) const
{
    for (const EffectData::ParamLabel& label : d->labels) {
        if (label.type == type && label.index == index)
            return label.languages;
    }
    return {};
}

bool EffectManager::nameExists(const QString& name) const
{
    for (const EffectData::VoiceEffect& effect : d->effects) {
        for (const QString& text : effect.languages) {
            if (text.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    for (const EffectData::VoiceEffect& effect : d->custom) {
        if (effect.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QList<int> EffectManager::favorites() const
{
    return d->favorites.ids();
}

bool EffectManager::isFavorite(int id) const
{
    return d->favorites.contains(id);
}

void EffectManager::addFavorite(int id)
{
    d->favoritesKnown = true;
    d->favorites.append(id);
    d->groups[kFavoriteGroup].sort.append(id);
    d->newFavorites.append(id);
    emit updateGroup();
}

void EffectManager::removeFavorite(int id)
{
    if (!d->favorites.removeOne(id))
        return;
    d->groups[kFavoriteGroup].sort.removeOne(id);
    d->newFavorites.removeOne(id);
    emit updateGroup();
}

void EffectManager::addCustomEffect(const EffectData::VoiceEffect& base, bool markNew)
{
    EffectData::VoiceEffect effect = base;
    effect.id = d->custom.isEmpty() ? kFirstCustomId : d->custom.lastKey() + 1;
    effect.oId = base.oId >= 0 ? base.oId : base.id;
    effect.groupId = kCustomGroup;
    const Catalogue::Environment& environment = Catalogue::environment();
    effect.name =
        environment.readSetting
            ? environment.readSetting(QStringLiteral("CustomName"), Catalogue::kTransientStore).toString()
            : QString();
    for (QString& text : effect.languages)
        text = effect.name;
    effect.isCustom = true;
    for (EffectData::PluginParam& param : effect.edits) {
        if (param.editValue != -1.0f) {
            param.value = param.editValue;
            param.editValue = -1.0f;
        }
    }
    d->customKnown = true;
    d->custom.insert(effect.id, effect);
    d->groups[kCustomGroup].sort.append(effect.id);
    d->writeCustom();
    if (markNew) {
        d->newCustom.append(effect.id);
        emit updateGroup();
    }
}

void EffectManager::deleteCustomEffect(int id)
{
    if (!d->custom.remove(id))
        return;
    d->groups[kCustomGroup].sort.removeOne(id);
    d->writeCustom();
    d->newCustom.removeOne(id);
    emit updateGroup();
}

QString EffectManager::uniqueCustomName(const QString& proposed) const
{
    static const QRegularExpression trailingDigits(QStringLiteral("\\d+$"));
    QString candidate = proposed.contains(QLatin1Char('-')) && trailingDigits.match(proposed).hasMatch()
                            ? proposed
                            : proposed + QStringLiteral("-1");
    const auto taken = [this](const QString& name) {
        for (const EffectData::VoiceEffect& effect : d->custom) {
            if (effect.name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    while (taken(candidate)) {
        const int dash = candidate.lastIndexOf(QLatin1Char('-'));
        const int number = Catalogue::toInt(candidate.mid(dash + 1));
        candidate = candidate.left(dash) + QStringLiteral("-%1").arg(number + 1);
    }
    return candidate;
}

bool EffectManager::hasNewFavorites() const
{
    return !d->newFavorites.isEmpty();
}

bool EffectManager::hasNewCustomEffects() const
{
    return !d->newCustom.isEmpty();
}

void EffectManager::clearNewFavorites()
{
    d->newFavorites.clear();
    emit updateGroup();
}

void EffectManager::clearNewCustomEffects()
{
    d->newCustom.clear();
    emit updateGroup();
}

void EffectManager::saveAll()
{
    if (d->favoritesKnown)
        d->favorites.write();
    if (d->customKnown)
        d->writeCustom();
    d->newFavorites.write();
    d->newCustom.write();
}
