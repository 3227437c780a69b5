// zelvani-cli effects, and --effect in chains: the effect catalogue as the
// program loads it, and a catalogue effect turned into a chain.

#include "audiocommands.h"
#include "cataloguesetup.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"
#include "effectmanager.h"

#include <QJsonDocument>

#include <algorithm>

namespace cli {

namespace {

// Language codes of the interface, in code order, as short tags for text output.
constexpr const char* kLanguageTags[] = {"en", "zh-cn", "zh-tw", "it", "de", "fr", "es",
                                         "pt", "ja",    "ru",    "id", "ko", "vi"};

QJsonObject languagesToJson(const QHash<int, QString>& languages)
{
    QList<int> codes = languages.keys();
    std::sort(codes.begin(), codes.end());
    QJsonObject object;
    for (int code : codes)
        object.insert(QString::number(code), languages.value(code));
    return object;
}

QString languagesToText(const QHash<int, QString>& languages)
{
    QList<int> codes = languages.keys();
    std::sort(codes.begin(), codes.end());
    QStringList texts;
    for (int code : codes) {
        const QString tag = code >= 0 && code < static_cast<int>(std::size(kLanguageTags))
                                ? QLatin1String(kLanguageTags[code])
                                : QString::number(code);
        texts.append(QStringLiteral("%1 %2").arg(tag, languages.value(code)));
    }
    return texts.join(QStringLiteral(" \u00b7 "));
}

QJsonObject paramToJson(const EffectData::PluginParam& param, bool withType)
{
    QJsonObject object;
    if (withType)
        object.insert(QStringLiteral("type"), param.type);
    object.insert(QStringLiteral("index"), param.index);
    object.insert(QStringLiteral("value"), static_cast<double>(param.value));
    object.insert(QStringLiteral("min"), param.min);
    object.insert(QStringLiteral("max"), param.max);
    return object;
}

QJsonObject effectToJson(const EffectData::VoiceEffect& effect)
{
    QJsonArray settings;
    for (const EffectData::VoiceSetting& setting : effect.settings) {
        QJsonArray values;
        for (const EffectData::PluginParam& param : setting.values)
            values.append(paramToJson(param, false));
        settings.append(QJsonObject{{QStringLiteral("type"), setting.type},
                                    {QStringLiteral("vst"), setting.vst},
                                    {QStringLiteral("fxp"), setting.fxp},
                                    {QStringLiteral("values"), values}});
    }
    QJsonArray edits;
    for (const EffectData::PluginParam& param : effect.edits)
        edits.append(paramToJson(param, true));
    return QJsonObject{{QStringLiteral("id"), effect.id},
                       {QStringLiteral("oId"), effect.oId},
                       {QStringLiteral("groupId"), effect.groupId},
                       {QStringLiteral("name"), effect.name},
                       {QStringLiteral("isHot"), effect.isHot},
                       {QStringLiteral("isCustom"), effect.isCustom},
                       {QStringLiteral("filesReady"), effect.filesReady},
                       {QStringLiteral("languages"), languagesToJson(effect.languages)},
                       {QStringLiteral("settings"), settings},
                       {QStringLiteral("files"), QJsonArray::fromStringList(effect.files)},
                       {QStringLiteral("edits"), edits}};
}

// The members of a group in display order: the group's own order, the
// favourites' order, or ascending id for the computed groups.
QList<int> displayOrder(const EffectManager& catalogue, int groupId)
{
    if (groupId == EffectManager::kFavoriteGroup)
        return catalogue.favorites();
    if (groupId == EffectManager::kHotGroup || groupId == EffectManager::kCustomGroup)
        return catalogue.effectsOfGroup(groupId).keys();
    return catalogue.groups().value(groupId).sort;
}

QString effectLine(const EffectManager& catalogue, const EffectData::VoiceEffect& effect)
{
    QStringList sliders;
    for (const EffectData::PluginParam& param : effect.edits) {
        const QString label = catalogue.paramLabels(param.type, param.index).value(0);
        sliders.append(
            QStringLiteral("%1 %2 (%3..%4)")
                .arg(label.isEmpty() ? QStringLiteral("%1:%2").arg(param.type).arg(param.index) : label)
                .arg(static_cast<double>(param.value))
                .arg(param.min)
                .arg(param.max));
    }
    QString flags;
    if (effect.isHot)
        flags += QStringLiteral(" [hot]");
    if (!effect.filesReady)
        flags += QStringLiteral(" [files missing]");
    return QStringLiteral("  %1  %2%3\n        %4\n        sliders: %5\n")
        .arg(effect.id, 5)
        .arg(effect.name, flags, languagesToText(effect.languages),
             sliders.isEmpty() ? QStringLiteral("none") : sliders.join(QStringLiteral(", ")));
}

} // namespace

EffectManager* loadEffectCatalogue()
{
    static EffectManager* catalogue = [] {
        configureCatalogues();
        EffectManager* manager = EffectManager::instance();
        const QString resources = CuteSettings::resourcesPath();
        manager->loadCatalogue(resources + QStringLiteral("/effects.json"));
        manager->loadParamLabels(resources + QStringLiteral("/settings.json"));
        manager->loadUserStores();
        return manager;
    }();
    return catalogue;
}

QJsonObject effectCatalogueToJson(const EffectManager& catalogue)
{
    QJsonArray groups;
    for (const EffectData::VoiceGroup& group : catalogue.groups()) {
        QJsonArray sort;
        for (int id : group.sort)
            sort.append(id);
        groups.append(QJsonObject{{QStringLiteral("id"), group.id},
                                  {QStringLiteral("name"), group.name},
                                  {QStringLiteral("languages"), languagesToJson(group.languages)},
                                  {QStringLiteral("sort"), sort}});
    }
    QJsonArray effects;
    for (const EffectData::VoiceEffect& effect : catalogue.allEffects())
        effects.append(effectToJson(effect));
    for (const EffectData::VoiceEffect& effect : catalogue.customEffects())
        effects.append(effectToJson(effect));
    QJsonArray order;
    for (int id : catalogue.groupOrder())
        order.append(id);
    return QJsonObject{{QStringLiteral("version"), catalogue.version()},
                       {QStringLiteral("groupSort"), order},
                       {QStringLiteral("groups"), groups},
                       {QStringLiteral("effects"), effects}};
}

QString effectCatalogueToText(const EffectManager& catalogue)
{
    const QMap<int, EffectData::VoiceGroup> groups = catalogue.groups();
    QString text = QStringLiteral("Effect catalogue %1: %2 effects in %3 groups, %4 custom\n")
                       .arg(catalogue.version().isEmpty() ? QStringLiteral("(none)") : catalogue.version())
                       .arg(catalogue.allEffects().size())
                       .arg(groups.size())
                       .arg(catalogue.customEffects().size());
    QList<int> order = catalogue.groupOrder();
    for (int id : groups.keys()) {
        if (!order.contains(id))
            order.append(id);
    }
    for (int groupId : order) {
        const EffectData::VoiceGroup group = groups.value(groupId);
        text += QStringLiteral("\n%1 (group %2)\n").arg(group.name).arg(groupId);
        if (!group.languages.isEmpty())
            text += QStringLiteral("    %1\n").arg(languagesToText(group.languages));
        const QMap<int, EffectData::VoiceEffect> members = catalogue.effectsOfGroup(groupId);
        for (int id : displayOrder(catalogue, groupId)) {
            if (members.contains(id))
                text += effectLine(catalogue, members.value(id));
        }
    }
    return text;
}

bool findEffect(const EffectManager& catalogue, const QString& query, EffectData::VoiceEffect* effect,
                QString* error)
{
    const QMap<int, EffectData::VoiceEffect> effects = catalogue.allEffects();
    const QMap<int, EffectData::VoiceEffect> custom = catalogue.customEffects();
    if (effects.isEmpty() && custom.isEmpty()) {
        *error = QStringLiteral("--effect %1: the effect catalogue is empty (no effects.json in %2)")
                     .arg(query, CuteSettings::resourcesPath());
        return false;
    }
    bool isId = false;
    const int id = query.trimmed().toInt(&isId, 10);
    if (isId) {
        if (effects.contains(id) || custom.contains(id)) {
            *effect = effects.contains(id) ? effects.value(id) : custom.value(id);
            return true;
        }
        *error =
            QStringLiteral("--effect %1: no effect has that id ('zelvani-cli effects' lists them)").arg(id);
        return false;
    }
    QList<EffectData::VoiceEffect> matches;
    for (const EffectData::VoiceEffect& candidate : effects) {
        const QStringList texts = candidate.languages.values();
        if (candidate.name.compare(query, Qt::CaseInsensitive) == 0 ||
            std::any_of(texts.begin(), texts.end(),
                        [&](const QString& text) { return text.compare(query, Qt::CaseInsensitive) == 0; }))
            matches.append(candidate);
    }
    for (const EffectData::VoiceEffect& candidate : custom) {
        if (candidate.name.compare(query, Qt::CaseInsensitive) == 0)
            matches.append(candidate);
    }
    if (matches.size() == 1) {
        *effect = matches.first();
        return true;
    }
    if (matches.isEmpty()) {
        *error = QStringLiteral("--effect %1: no effect has that name in any language ('zelvani-cli effects' "
                                "lists them)")
                     .arg(query);
        return false;
    }
    QStringList names;
    for (const EffectData::VoiceEffect& match : matches)
        names.append(QStringLiteral("%1 (%2)").arg(match.id).arg(match.name));
    *error = QStringLiteral("--effect %1 names several effects: %2; give its id")
                 .arg(query, names.join(QStringLiteral(", ")));
    return false;
}

void appendEffectChain(const EffectData::VoiceEffect& effect, const QString& resourcesPath,
                       QVector<ChainUnit>* units, QVector<ChainPlugin>* plugins)
{
    const auto resource = [&resourcesPath](const QString& path) {
        return path.isEmpty() || path.startsWith(QLatin1Char('/')) ? path
                                                                   : resourcesPath + QLatin1Char('/') + path;
    };
    // Where each type's unit or plug-in went: the sliders address the newest one.
    QHash<int, int> unitOfType;
    QHash<int, int> pluginOfType;
    for (const EffectData::VoiceSetting& setting : effect.settings) {
        if (EffectData::isPluginType(setting.type)) {
            ChainPlugin plugin;
            plugin.path = resource(setting.vst);
            plugin.fxp = resource(setting.fxp);
            for (const EffectData::PluginParam& param : setting.values)
                plugin.values.append({param.index, param.value});
            pluginOfType.insert(setting.type, plugins->size());
            plugins->append(plugin);
        } else {
            ChainUnit unit;
            unit.type = setting.type;
            for (const EffectData::PluginParam& param : setting.values)
                unit.values.append({param.index, param.value});
            unitOfType.insert(setting.type, units->size());
            units->append(unit);
        }
    }
    // The sliders then set their parameters to position / 100, as the
    // parameter panel does when it shows the effect: the saved positions of a
    // custom effect live only here.
    for (const EffectData::PluginParam& param : effect.edits) {
        const float value = static_cast<float>(param.effectiveValue() / 100.0);
        if (EffectData::isPluginType(param.type) && pluginOfType.contains(param.type))
            (*plugins)[pluginOfType.value(param.type)].values.append({param.index, value});
        else if (!EffectData::isPluginType(param.type) && unitOfType.contains(param.type))
            (*units)[unitOfType.value(param.type)].values.append({param.index, value});
    }
}

bool resolveEffectOption(const QString& query, QVector<ChainUnit>* units, QVector<ChainPlugin>* plugins,
                         QString* error)
{
    EffectData::VoiceEffect effect;
    if (!findEffect(*loadEffectCatalogue(), query, &effect, error))
        return false;
    appendEffectChain(effect, CuteSettings::resourcesPath(), units, plugins);
    return true;
}

int runEffects(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {}, {QStringLiteral("--json")}, &parsed, &error))
        return usageError(err, "effects", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "effects",
                          QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));
    const EffectManager* catalogue = loadEffectCatalogue();
    if (parsed.has(QStringLiteral("--json")))
        std::fputs(
            QJsonDocument(effectCatalogueToJson(*catalogue)).toJson(QJsonDocument::Indented).constData(),
            out);
    else
        std::fputs(effectCatalogueToText(*catalogue).toUtf8().constData(), out);
    if (std::fflush(out) != 0)
        return Failure;
    if (catalogue->allEffects().isEmpty()) {
        std::fprintf(err,
                     "zelvani-cli: effects: no effect catalogue in %s (effects.json missing or unreadable)\n",
                     qPrintable(CuteSettings::resourcesPath()));
        return Failure;
    }
    return Success;
}

} // namespace cli
