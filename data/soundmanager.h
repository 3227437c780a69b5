#pragma once

// The sound catalogue (sounds.json) and the user's own sound stores:
// favourite sounds (SoundFavorite.dat), imported files (SoundImport.dat)
// and the new-item markers of those two groups ("SFNL", "SINL").

#include "sounddata.h"
#include "storeenvironment.h"

#include <QMap>
#include <QObject>

#include <memory>

class SoundManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundManager)

public:
    static constexpr int kHotGroup = 0;
    static constexpr int kFavoriteGroup = 7;
    static constexpr int kImportGroup = 8;
    static constexpr int kFirstImportId = 10000;

    static SoundManager* instance();

    // A catalogue of its own (tests, tools). Takes its paths from the
    // environment now.
    explicit SoundManager(QObject* parent = nullptr);
    ~SoundManager() override;

    bool loadCatalogue(const QString& path);
    void loadUserStores();

    QString version() const;
    QMap<int, SoundData::SoundGroup> groups() const;
    QList<int> groupOrder() const;
    QMap<int, SoundData::SoundBoard> allSounds() const;
    QMap<int, SoundData::SoundBoard> importedSounds() const;
    // The members of a group; the hot, favourite and imported groups are computed.
    QMap<int, SoundData::SoundBoard> soundsOfGroup(int groupId) const;

    SoundData::SoundBoard currentSound() const;
    void setCurrentSound(const SoundData::SoundBoard& sound);
    // Memory only, into the catalogue.
    void updateSound(int id, const SoundData::SoundBoard& sound);

    QList<int> favorites() const;
    bool isFavorite(int id) const;
    void addFavorite(int id);
    void removeFavorite(int id);

    // Adds a local file to the imported sounds (referenced, not copied).
    // False when that exact path is imported already.
    bool importSound(const QString& path, bool markNew);
    void deleteImport(int id);

    bool hasNewFavorites() const;
    bool hasNewImports() const;
    void clearNewFavorites();
    void clearNewImports();

signals:
    void updateGroup();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
