#pragma once

// The effect catalogue (effects.json, settings.json) and the user's own
// effect stores: favourites (Favorite.dat), custom effects (Custom.dat) and
// the new-item markers of those two groups ("EFNL", "ECNL").

#include "effectdata.h"
#include "storeenvironment.h"

#include <QMap>
#include <QObject>

#include <memory>

class EffectManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectManager)

public:
    static constexpr int kHotGroup = 1;
    static constexpr int kFavoriteGroup = 7;
    static constexpr int kCustomGroup = 8;
    static constexpr int kFirstCustomId = 10000;

    // The program's catalogue, made on first use.
    static EffectManager* instance();

    // A catalogue of its own (tests, tools). Takes its paths from the
    // environment now.
    explicit EffectManager(QObject* parent = nullptr);
    ~EffectManager() override;

    bool loadCatalogue(const QString& path);
    bool loadParamLabels(const QString& path);
    void loadUserStores();

    QString version() const;
    QMap<int, EffectData::VoiceGroup> groups() const;
    QList<int> groupOrder() const;
    QMap<int, EffectData::VoiceEffect> allEffects() const;
    QMap<int, EffectData::VoiceEffect> customEffects() const;
    // The members of a group; the hot, favourite and custom groups are computed.
    QMap<int, EffectData::VoiceEffect> effectsOfGroup(int groupId) const;

    EffectData::VoiceEffect currentEffect() const;
    void setCurrentEffect(const EffectData::VoiceEffect& effect);
    // Memory only: into the custom effects when the effect's group is the
    // custom group, else into the catalogue.
    void updateEffect(const EffectData::VoiceEffect& effect);

    QHash<int, QString> paramLabels(int type, int index) const;
    // A catalogue effect's name in any language, or a custom effect's name, ignoring case.
    bool nameExists(const QString& name) const;

    QList<int> favorites() const;
    bool isFavorite(int id) const;
    void addFavorite(int id);
    void removeFavorite(int id);

    // Saves `base` with its unsaved slider values as a new custom effect named
    // by the transient setting "CustomName".
    void addCustomEffect(const EffectData::VoiceEffect& base, bool markNew);
    void deleteCustomEffect(int id);
    // `proposed`, or it with "-N" so that no custom effect has that name.
    QString uniqueCustomName(const QString& proposed) const;

    bool hasNewFavorites() const;
    bool hasNewCustomEffects() const;
    void clearNewFavorites();
    void clearNewCustomEffects();

    void saveAll();

signals:
    void updateGroup();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
