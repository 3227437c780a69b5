#pragma once

// Where the catalogues and the user's stores live, and how they reach the
// settings store: the program wires this once at start (the settings store
// belongs to the application layer, above this library).

#include <QString>
#include <QVariant>

#include <functional>

namespace Catalogue {

// The settings stores the catalogues use, numbered as the settings store numbers them.
constexpr int kTransientStore = 0; // lost at exit
constexpr int kIniStore = 2;       // appconfig.ini

struct Environment
{
    QString resourcesPath; // without a trailing slash
    QString configPath;    // the folder of Favorite.dat, Custom.dat, ...
    // The stored value, or an invalid QVariant when the key is absent.
    std::function<QVariant(const QString& key, int store)> readSetting;
    std::function<void(const QString& key, const QVariant& value, int store)> writeSetting;
};

// Set before the first EffectManager or SoundManager is made: each takes its
// paths when it is constructed.
void setEnvironment(const Environment& environment);
const Environment& environment();

} // namespace Catalogue

namespace Catalogue {

// A list of new-item ids kept under one settings key of appconfig.ini
// ("EFNL", "ECNL", "SFNL", "SINL"). Every change is written at once.
class MarkerList
{
public:
    explicit MarkerList(const QString& key) : m_key(key) {}

    void load();
    void append(int id);
    void removeOne(int id);
    void clear();
    bool isEmpty() const { return m_ids.isEmpty(); }
    QVariantList ids() const { return m_ids; }
    void write() const;

private:
    QString m_key;
    QVariantList m_ids;
};

// Favourite ids in the order they were starred, kept in an id-list file.
class FavoriteList
{
public:
    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }
    void load();
    QList<int> ids() const { return m_ids; }
    bool contains(int id) const { return m_ids.contains(id); }
    void append(int id);
    // False when the id is not a favourite.
    bool removeOne(int id);
    void write() const;

private:
    QString m_path;
    QList<int> m_ids;
};

} // namespace Catalogue
