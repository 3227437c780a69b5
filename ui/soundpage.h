#pragma once

#include "abstractmodulewidget.h"

class CatalogueEmptyState;
class QLabel;
class QPushButton;
class SearchLineEdit;
class SoundActionView;
class SoundGroupListView;
class SoundItemListView;
class XSwitchButton;

// The soundboard: the group bar over the sound list with its search field,
// the import button and the "Overlay" switch, and the shown sound's panel on
// the right.
class SoundPage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundPage)

public:
    explicit SoundPage(QWidget* parent = nullptr);

    SoundGroupListView* groupBar() const { return m_groups; }
    SoundItemListView* soundList() const { return m_list; }
    SearchLineEdit* searchEdit() const { return m_search; }
    SoundActionView* actionView() const { return m_panel; }
    QPushButton* importButton() const { return m_import; }
    XSwitchButton* overlaySwitch() const { return m_overlay; }
    QLabel* emptyText() const;

    // The import dialog's filter: the formats the soundboard plays.
    static QString importFilter();
    // Imports files into the imported group: those the soundboard cannot play
    // are refused with a notice naming them. Returns how many were added.
    int importFiles(const QStringList& paths);

protected:
    void changeEvent(QEvent* event) override;

private:
    void onGroupClicked(int groupId);
    void onSoundClicked(int groupId, int soundId, bool play);
    // `fromTile`: the tile of the imported group, else the header button.
    void importSounds(bool fromTile);
    void deleteSound();
    void offerDelete(int soundId);
    // Removes an imported sound from the engine, the stores, the favourites
    // and the keys, and clears the panel.
    void removeSound(int soundId);
    void onDeviceReady();
    void retranslate();

    SoundGroupListView* m_groups;
    SearchLineEdit* m_search;
    QPushButton* m_import;
    QLabel* m_overlayLabel;
    XSwitchButton* m_overlay;
    SoundItemListView* m_list;
    CatalogueEmptyState* m_empty;
    SoundActionView* m_panel;
};
