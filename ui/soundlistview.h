#pragma once

#include "catalogueview.h"
#include "sounddata.h"

using SoundPair = ItemPair; // (group id, sound id)
using SoundItemDelegate = CatalogueItemDelegate;

// The sounds of a group or of a search. A click selects a sound and asks
// the panel to play it, after the checks of clickSound; the imported group
// starts with the import tile.
class SoundItemListView : public CatalogueListView
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundItemListView)

public:
    explicit SoundItemListView(QWidget* parent = nullptr);

    // The selected pair from "SGID"/"SID".
    static SoundPair storedPair();
    // The sound that a pair stands for: in its group, else anywhere.
    static SoundData::SoundBoard lookup(int groupId, int soundId);
    // Where a sound's picture is.
    static QString picturePath(const SoundData::SoundBoard& sound);

    // A click or a shortcut: an imported sound whose file is gone is
    // reported, a catalogue sound whose file is missing is fetched first,
    // any other is selected and played.
    void clickSound(int groupId, int soundId);

    bool isFavorite(int id) const override;

signals:
    // `play` asks the panel to act as a click on its play button.
    void soundClicked(int groupId, int soundId, bool play);
    void importSoundNotExits(int groupId, int soundId);
    void importClicked();

public slots:
    void onHotkey(QPair<int, int> ids);
    void onDownloadFinished(bool result, int groupId, int itemId, int type);

protected:
    QList<int> groupOrder() const override;
    QString groupName(int groupId) const override;
    QList<CatalogueEntry> entries(int groupId) const override;
    void setFavorite(int id, bool favorite) override;
    void activate(int groupId, int itemId) override { clickSound(groupId, itemId); }
    ItemPair storedSelection() const override { return storedPair(); }
    bool hasTile(int groupId) const override;
    void activateTile() override { emit importClicked(); }
    QString accessibleListName() const override { return tr("Sounds"); }
};
