#pragma once

// What the effect and sound catalogues share: groups in display order, the
// catalogue's items, the user's own items (custom effects, imported sounds)
// and the favourites with their new-item markers. Group needs `sort`; Item
// needs `id` and `isHot`.

#include "storeenvironment.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>

namespace Catalogue {

template <typename Group, typename Item> struct GroupedCatalogue
{
    // The special groups: hot items, favourites, the user's own items, whose
    // ids start at firstOwnId.
    const int hotGroup;
    const int favoriteGroup;
    const int ownGroup;
    const int firstOwnId;

    QString version;
    QList<int> groupOrder;
    QMap<int, Group> groups;
    QMap<int, Item> items;
    QMap<int, Item> own;
    FavoriteList favorites;
    MarkerList newFavorites;

    GroupedCatalogue(int hot, int favorite, int ownGroupId, int firstOwn, const QString& favoritesKey)
        : hotGroup(hot), favoriteGroup(favorite), ownGroup(ownGroupId), firstOwnId(firstOwn),
          newFavorites(favoritesKey)
    {}

    // "version", "groupSort" (appended) and "groups" (a later id replaces an
    // earlier one) of a catalogue file.
    template <typename ParseGroup> void readGroups(const QJsonObject& root, ParseGroup parseGroup)
    {
        version = root.value(QLatin1String("version")).toString();
        for (const QJsonValue& id : root.value(QLatin1String("groupSort")).toArray())
            groupOrder.append(id.toInt());
        for (const QJsonValue& value : root.value(QLatin1String("groups")).toArray()) {
            const Group group = parseGroup(value.toObject());
            groups.insert(group.id, group);
        }
    }

    // The members of a group by id: hot and own items and favourites are
    // computed, other groups list their sort. Nothing while the catalogue is empty.
    QMap<int, Item> members(int groupId) const
    {
        QMap<int, Item> result;
        if (items.isEmpty())
            return result;
        if (groupId == hotGroup) {
            for (const Item& item : items) {
                if (item.isHot)
                    result.insert(item.id, item);
            }
        } else if (groupId == favoriteGroup) {
            for (int id : favorites.ids())
                result.insert(id, id >= firstOwnId ? own.value(id) : items.value(id));
        } else if (groupId == ownGroup) {
            result = own;
        } else {
            for (int id : groups.value(groupId).sort)
                result.insert(id, items.value(id));
        }
        return result;
    }

    // Both write their file and the marker key at once.
    void addFavorite(int id)
    {
        favorites.append(id);
        groups[favoriteGroup].sort.append(id);
        newFavorites.append(id);
    }

    // False when the id is not a favourite.
    bool removeFavorite(int id)
    {
        if (!favorites.removeOne(id))
            return false;
        groups[favoriteGroup].sort.removeOne(id);
        newFavorites.removeOne(id);
        return true;
    }

    // The next id of the user's own items: one past the largest, or the first.
    int nextOwnId() const { return own.isEmpty() ? firstOwnId : own.lastKey() + 1; }
};

} // namespace Catalogue
