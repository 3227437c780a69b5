#pragma once

#include "effectdata.h"
#include "hotkeytable.h"
#include "xlineedit.h"
#include "xlistview.h"

#include <QSet>
#include <QStyledItemDelegate>

class QMovie;
class QStandardItemModel;

using EffectPair = QPair<int, int>; // (group id, effect id)

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

class EffectItemListView;

// Draws the rows of the effect list (group headings, effects with picture,
// name, star and key box) and turns clicks into what their area means.
class EffectItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectItemDelegate)

public:
    enum Role
    {
        KindRole = Qt::UserRole + 1, // 0 heading, 1 effect
        GroupRole,
        EffectRole,
        ExpandedRole
    };

    // Where the parts of an effect row lie.
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

    explicit EffectItemDelegate(EffectItemListView* view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void effectClicked(int groupId, int effectId);
    void labelClicked(QModelIndex index);
    void effectHovered();
    void starClicked(int groupId, int effectId);
    void keyBoxClicked(int groupId, int effectId);
    void clearClicked(int groupId, int effectId);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    void paintHeading(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintEffect(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    EffectItemListView* m_view;
};

// The effects of a group or of a search, under foldable group headings; a
// click applies an effect (after the checks of applyEffect), the star keeps
// it among the favourites and the key box binds a global shortcut to it.
class EffectItemListView : public XListView
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectItemListView)

public:
    static EffectPair noPair() { return {-99, -99}; }

    explicit EffectItemListView(QWidget* parent = nullptr);
    ~EffectItemListView() override;

    // The applied pair from "GroupId"/"EffectId"; a pair that no longer
    // exists becomes (1, 0) (no effect) and is written back.
    static EffectPair storedPair();

    int currentGroup() const { return m_groupId; }
    // Shows a group (0 all but the favourites); while a search is active
    // only the group is remembered and the search runs again.
    void showGroup(int groupId);
    // The effects whose name in the interface language holds `text`, in
    // every group but the favourites; an empty text shows the group again.
    void search(const QString& text);
    QString searchText() const { return m_search; }
    // Builds the rows again (after a save, a delete, a language change).
    void refresh();
    bool isEmpty() const;

    // A click, a shortcut or a finished download: applies the effect unless
    // it is applied already, its files are missing (they are fetched) or the
    // voice is held.
    void applyEffect(int groupId, int effectId);
    EffectPair appliedPair() const { return m_applied; }
    void setAppliedPair(const EffectPair& pair);

    EffectPair hoveredPair() const { return m_hovered; }
    EffectPair editPair() const { return m_editPair; }
    QString pendingKey() const { return m_pendingKey; }
    bool isDownloading(const EffectPair& pair) const { return m_downloading.contains(pair); }
    QPixmap loadingFrame() const;
    // Ends key editing (no binding is lost).
    void endEditing();
    QStandardItemModel* effectModel() const { return m_model; }
    // The row of an effect of the list, or an invalid index.
    QModelIndex indexOf(const EffectPair& pair) const;

    // The effect that a pair stands for: in its group, else anywhere.
    static EffectData::VoiceEffect lookup(int groupId, int effectId);
    // An effect's name in the interface language.
    static QString displayName(const EffectData::VoiceEffect& effect);

signals:
    void effectClicked(int groupId, int effectId);
    void effectSave();
    // The list became empty or not; `searching` when a search is active.
    void emptyChanged(bool empty, bool searching);

public slots:
    void onHotkey(QPair<int, int> ids);
    void onDownloadFinished(bool result, int groupId, int itemId, int type);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void addGroupRows(int groupId, const QList<EffectData::VoiceEffect>& effects);
    void toggleHeading(const QModelIndex& index);
    void toggleFavorite(int groupId, int effectId);
    void startEditing(int groupId, int effectId);
    void scrollToApplied();
    QList<EffectData::VoiceEffect> membersInOrder(int groupId) const;

    EffectItemDelegate* m_delegate;
    QStandardItemModel* m_model;
    QMovie* m_loading;
    int m_groupId = 1;
    QString m_search;
    EffectPair m_applied = noPair();
    EffectPair m_hovered = noPair();
    EffectPair m_editPair = noPair();
    QString m_pendingKey;
    QSet<EffectPair> m_downloading;
    bool m_wasEmpty = false;
};
