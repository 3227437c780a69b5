#pragma once

// What the voice list and the sound list share: rows of a catalogue under
// foldable group headings, the search over every group but the favourites,
// the favourite star, the key box that binds a global shortcut, the files
// fetched on first use, and the keyboard.

#include "xlineedit.h"
#include "xlistview.h"

#include <QMap>
#include <QSet>
#include <QStyledItemDelegate>

class QHBoxLayout;
class QLabel;
class QMovie;
class QStandardItemModel;

using ItemPair = QPair<int, int>; // (group id, item id)

// The search field of a list: 30 characters, a search glass, a clear
// button. The global shortcuts rest while it has the focus.
class SearchLineEdit : public XLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(SearchLineEdit)

public:
    explicit SearchLineEdit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};

// One row of a catalogue list as the list shows it.
struct CatalogueEntry
{
    int id = 0;
    QString name;
    QString picture;   // file path; a picture smaller than its box is drawn centred
    bool ready = true; // false while its files are not downloaded
};

// The entries of a group in the group's order; members the order does not
// name come last.
template <typename Item> QList<Item> inGroupOrder(const QMap<int, Item>& members, const QList<int>& sort)
{
    QList<Item> ordered;
    for (int id : sort) {
        if (members.contains(id))
            ordered.append(members.value(id));
    }
    for (auto it = members.cbegin(); it != members.cend(); ++it) {
        if (!sort.contains(it.key()))
            ordered.append(it.value());
    }
    return ordered;
}

class CatalogueListView;

// Draws the rows (headings, items with picture, name, download mark, star
// and key box, the import tile) and turns clicks into what their area means.
class CatalogueItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(CatalogueItemDelegate)

public:
    enum Kind
    {
        HeadingRow = 0,
        ItemRow = 1,
        TileRow = 2
    };
    enum Role
    {
        KindRole = Qt::UserRole + 1,
        GroupRole,
        IdRole,
        ExpandedRole,
        PictureRole,
        ReadyRole
    };

    // Where the parts of an item row lie.
    struct Areas
    {
        QRect picture;
        QRect name;
        QRect download;
        QRect star;
        QRect keyBox;
        QRect clear;
    };
    static Areas areas(const QRect& row);

    explicit CatalogueItemDelegate(CatalogueListView* view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void itemClicked(int groupId, int itemId);
    void labelClicked(QModelIndex index);
    void itemHovered();
    void starClicked(int groupId, int itemId);
    void keyBoxClicked(int groupId, int itemId);
    void clearClicked(int groupId, int itemId);
    void tileClicked();

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    void paintHeading(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintTile(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    CatalogueListView* m_view;
};

// A catalogue's items of a group or of a search. A click (or Enter, Space)
// activates an item, the star keeps it among the favourites, the key box
// (or F2) binds a global shortcut of the list's kind to it.
class CatalogueListView : public XListView
{
    Q_OBJECT
    Q_DISABLE_COPY(CatalogueListView)

public:
    static ItemPair noPair() { return {-99, -99}; }

    ~CatalogueListView() override;

    int currentGroup() const { return m_groupId; }
    // Shows a group (or all, see showsAllGroups); while a search is active
    // only the group is remembered and the search runs again.
    void showGroup(int groupId);
    // The items whose name holds `text` (case ignored), in every group but
    // the favourites; an empty text shows the group again.
    void search(const QString& text);
    QString searchText() const { return m_search; }
    // Builds the rows again (after an import, a delete, a language change).
    void refresh();
    bool isEmpty() const;

    // The chosen pair: the applied effect, the selected sound.
    ItemPair selectedPair() const { return m_selected; }
    void setSelectedPair(const ItemPair& pair);

    ItemPair hoveredPair() const { return m_hovered; }
    bool isTileHovered() const { return m_tileHovered; }
    ItemPair editPair() const { return m_editPair; }
    QString pendingKey() const { return m_pendingKey; }
    int hotKeyKind() const { return m_kind; }
    bool isDownloading(const ItemPair& pair) const { return m_downloading.contains(pair); }
    QPixmap loadingFrame() const;
    // Ends key editing (no binding is lost).
    void endEditing();
    QStandardItemModel* itemModel() const { return m_model; }
    // The row of an item of the list, or an invalid index.
    QModelIndex indexOf(const ItemPair& pair) const;
    // Whether an item is a favourite (the delegate draws its star).
    virtual bool isFavorite(int id) const = 0;

signals:
    // The list became empty or not; `searching` when a search is active.
    void emptyChanged(bool empty, bool searching);

protected:
    // `kind` is the shortcut kind of the key boxes, `favoriteGroup` the group
    // whose rows leave at once when unstarred.
    CatalogueListView(int kind, int favoriteGroup, const QString& accessibleName, QWidget* parent);

    virtual QList<int> groupOrder() const = 0;
    virtual QString groupName(int groupId) const = 0;
    virtual QList<CatalogueEntry> entries(int groupId) const = 0;
    virtual void setFavorite(int id, bool favorite) = 0;
    // A click, Enter or Space on an item.
    virtual void activate(int groupId, int itemId) = 0;
    // The pair stored as chosen, read again when a group is shown.
    virtual ItemPair storedSelection() const = 0;
    // A group whose list starts with the import tile, and the tile's action.
    virtual bool hasTile(int groupId) const
    {
        Q_UNUSED(groupId)
        return false;
    }
    virtual void activateTile() {}
    // A group id that stands for every group but the favourites.
    virtual bool showsAllGroups(int groupId) const
    {
        Q_UNUSED(groupId)
        return false;
    }
    virtual QString accessibleListName() const = 0;

    // Whether a fired shortcut is to be ignored: the hook rests, a key box is
    // being edited, or the save dialog is open.
    bool shortcutsResting() const;
    // Fetches the files of an item once (rows show the loading mark until
    // finishDownload); `type` is the download's item type.
    void startDownload(const ItemPair& pair, const QStringList& files, int type);
    // Ends a download: on failure the network notice, on success the rows of
    // the item are marked ready. Returns `result`.
    bool finishDownload(const ItemPair& pair, bool result);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void addGroupRows(int groupId, const QList<CatalogueEntry>& items, bool tile);
    void toggleHeading(const QModelIndex& index);
    void toggleFavorite(int groupId, int itemId);
    void startEditing(int groupId, int itemId);
    void scrollToSelected();
    static ItemPair pairOf(const QModelIndex& index);

    const int m_kind;
    const int m_favoriteGroup;
    CatalogueItemDelegate* m_delegate;
    QStandardItemModel* m_model;
    QMovie* m_loading;
    int m_groupId = 1;
    QString m_search;
    ItemPair m_selected = noPair();
    ItemPair m_hovered = noPair();
    bool m_tileHovered = false;
    ItemPair m_editPair = noPair();
    QString m_pendingKey;
    QSet<ItemPair> m_downloading;
};

// What stands in place of an empty list: "none.png", and under it the
// no-result text while a search is active.
class CatalogueEmptyState : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CatalogueEmptyState)

public:
    explicit CatalogueEmptyState(CatalogueListView* list, QWidget* parent = nullptr);
    QLabel* textLabel() const { return m_text; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void update(bool empty, bool searching);

    CatalogueListView* m_list;
    QLabel* m_text;
};

// Lays out a catalogue page in `content`: the group bar over the search row
// and the list (or its empty state) on the left, a divider, the panel on the
// right. The search field searches the list. Returns the search row (its
// stretch is last, for what follows on the right) and the empty state.
struct CataloguePageParts
{
    QHBoxLayout* searchRow;
    CatalogueEmptyState* empty;
};
CataloguePageParts layoutCataloguePage(QWidget* content, QWidget* groups, SearchLineEdit* search,
                                       CatalogueListView* list, QWidget* panel);
