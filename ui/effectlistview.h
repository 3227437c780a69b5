#pragma once

#include "catalogueview.h"
#include "effectdata.h"

using EffectPair = ItemPair; // (group id, effect id)

using EffectItemDelegate = CatalogueItemDelegate;

// The effects of a group or of a search; a click applies an effect (after
// the checks of applyEffect).
class EffectItemListView : public CatalogueListView
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectItemListView)

public:
    explicit EffectItemListView(QWidget* parent = nullptr);

    // The applied pair from "GroupId"/"EffectId"; a pair that no longer
    // exists becomes (1, 0) (no effect) and is written back.
    static EffectPair storedPair();

    // A click, a shortcut or a finished download: applies the effect unless
    // it is applied already, its files are missing (they are fetched) or the
    // voice is held.
    void applyEffect(int groupId, int effectId);
    EffectPair appliedPair() const { return selectedPair(); }
    void setAppliedPair(const EffectPair& pair) { setSelectedPair(pair); }
    QStandardItemModel* effectModel() const { return itemModel(); }

    // The effect that a pair stands for: in its group, else anywhere.
    static EffectData::VoiceEffect lookup(int groupId, int effectId);
    // An effect's name in the interface language.
    static QString displayName(const EffectData::VoiceEffect& effect);

    bool isFavorite(int id) const override;

signals:
    void effectClicked(int groupId, int effectId);
    void effectSave();

public slots:
    void onHotkey(QPair<int, int> ids);
    void onDownloadFinished(bool result, int groupId, int itemId, int type);

protected:
    QList<int> groupOrder() const override;
    QString groupName(int groupId) const override;
    QList<CatalogueEntry> entries(int groupId) const override;
    void setFavorite(int id, bool favorite) override;
    void activate(int groupId, int itemId) override { applyEffect(groupId, itemId); }
    ItemPair storedSelection() const override { return storedPair(); }
    bool showsAllGroups(int groupId) const override { return groupId == 0; }
    QString accessibleListName() const override { return tr("Voices"); }
};
