#include "effectmanager.h"

#include "catalogueformat.h"
#include "groupedcatalogue.h"

#include <QRegularExpression>

#include <algorithm>

struct EffectManager::Private
{
    Catalogue::GroupedCatalogue<EffectData::VoiceGroup, EffectData::VoiceEffect> c{
        kHotGroup, kFavoriteGroup, kCustomGroup, kFirstCustomId, QStringLiteral("EFNL")};
    QList<EffectData::ParamLabel> labels;
    EffectData::VoiceEffect current;
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
        for (const EffectData::VoiceEffect& effect : c.own)
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
    d->c.favorites.setPath(environment.configPath + QStringLiteral("/Favorite.dat"));
    d->customPath = environment.configPath + QStringLiteral("/Custom.dat");
}

EffectManager::~EffectManager() = default;

bool EffectManager::loadCatalogue(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->c.readGroups(root, &Catalogue::parseEffectGroup);
    for (const QJsonValue& value : root.value(QLatin1String("effects")).toArray()) {
        const EffectData::VoiceEffect effect =
            Catalogue::parseEffect(value.toObject(), d->resourcesPath, false);
        d->c.items.insert(effect.id, effect);
    }
    return true;
}

bool EffectManager::loadParamLabels(const QString& path)
{
    QJsonObject root;
    if (!Catalogue::readObjectFile(path, &root))
        return false;
    d->c.version = root.value(QLatin1String("version")).toString();
    for (const QJsonValue& value : root.value(QLatin1String("settings")).toArray())
        d->labels.append(Catalogue::parseParamLabel(value.toObject()));
    return true;
}

void EffectManager::loadUserStores()
{
    if (d->c.groups.contains(kFavoriteGroup)) {
        d->c.favorites.load();
        d->c.groups[kFavoriteGroup].sort.append(d->c.favorites.ids());
        d->favoritesKnown = true;
    }
    if (d->c.groups.contains(kCustomGroup)) {
        d->customKnown = true;
        const QList<QJsonObject> objects = Catalogue::readObjectArrayFile(d->customPath);
        if (!objects.isEmpty()) {
            for (const QJsonObject& object : objects) {
                const EffectData::VoiceEffect effect = Catalogue::parseEffect(object, d->resourcesPath, true);
                d->c.own.insert(effect.id, effect);
            }
            d->c.groups[kCustomGroup].sort.append(d->c.own.keys());
        }
    }
    d->c.newFavorites.load();
    d->newCustom.load();
}

QString EffectManager::version() const
{
    return d->c.version;
}

QMap<int, EffectData::VoiceGroup> EffectManager::groups() const
{
    return d->c.groups;
}

QList<int> EffectManager::groupOrder() const
{
    return d->c.groupOrder;
}

QMap<int, EffectData::VoiceEffect> EffectManager::allEffects() const
{
    return d->c.items;
}

QMap<int, EffectData::VoiceEffect> EffectManager::customEffects() const
{
    return d->c.own;
}

QMap<int, EffectData::VoiceEffect> EffectManager::effectsOfGroup(int groupId) const
{
    return d->c.members(groupId);
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
        d->c.own.insert(effect.id, effect);
    else
        d->c.items.insert(effect.id, effect);
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
    for (const EffectData::VoiceEffect& effect : d->c.items) {
        for (const QString& text : effect.languages) {
            if (text.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    for (const EffectData::VoiceEffect& effect : d->c.own) {
        if (effect.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QList<int> EffectManager::favorites() const
{
    return d->c.favorites.ids();
}

bool EffectManager::isFavorite(int id) const
{
    return d->c.favorites.contains(id);
}

void EffectManager::addFavorite(int id)
{
    d->favoritesKnown = true;
    d->c.addFavorite(id);
    emit updateGroup();
}

void EffectManager::removeFavorite(int id)
{
    if (d->c.removeFavorite(id))
        emit updateGroup();
}

void EffectManager::addCustomEffect(const EffectData::VoiceEffect& base, bool markNew)
{
    EffectData::VoiceEffect effect = base;
    effect.id = d->c.nextOwnId();
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
        if (param.editValue == -1.0f)
            continue;
        param.value = param.editValue;
        param.editValue = -1.0f;
        // The chain carries the new value too (a slider's value / 100), so
        // the saved voice sounds as it was adjusted.
        for (EffectData::VoiceSetting& unit : effect.settings) {
            if (unit.type != param.type)
                continue;
            auto stored =
                std::find_if(unit.values.begin(), unit.values.end(),
                             [&param](const EffectData::PluginParam& p) { return p.index == param.index; });
            EffectData::PluginParam chained = param;
            chained.value = param.value / 100.0f;
            if (stored == unit.values.end())
                unit.values.append(chained);
            else
                stored->value = chained.value;
        }
    }
    d->customKnown = true;
    d->c.own.insert(effect.id, effect);
    d->c.groups[kCustomGroup].sort.append(effect.id);
    d->writeCustom();
    if (markNew) {
        d->newCustom.append(effect.id);
        emit updateGroup();
    }
}

void EffectManager::deleteCustomEffect(int id)
{
    if (!d->c.own.remove(id))
        return;
    d->c.groups[kCustomGroup].sort.removeOne(id);
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
        for (const EffectData::VoiceEffect& effect : d->c.own) {
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
    return !d->c.newFavorites.isEmpty();
}

bool EffectManager::hasNewCustomEffects() const
{
    return !d->newCustom.isEmpty();
}

void EffectManager::clearNewFavorites()
{
    d->c.newFavorites.clear();
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
        d->c.favorites.write();
    if (d->customKnown)
        d->writeCustom();
    d->c.newFavorites.write();
    d->newCustom.write();
}
