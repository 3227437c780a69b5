#pragma once

#include "xlistview.h"

#include <QDialog>
#include <QStyledItemDelegate>

class QStandardItemModel;

// One tab of a group bar: a catalogue group with its name in the interface
// language and the folder of its icons ("%1_%2.png", 1 plain, 2 chosen).
struct GroupTab
{
    int id = 0;
    QString name;
    QString iconFolder;
};

// The groups of a catalogue in display order: 0 the voice effects, 1 the sounds.
QList<GroupTab> groupTabs(int groupType);

// Draws a tab of the group bar (icon over name) and turns clicks on it into
// group choices.
class GroupTabDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(GroupTabDelegate)

public:
    static constexpr int IdRole = Qt::UserRole + 1;
    static constexpr int IconRole = Qt::UserRole + 2;
    static constexpr int CountRole = Qt::UserRole + 3; // the More tab: groups behind it
    static constexpr int kMoreId = 1000;

    explicit GroupTabDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    int hoveredId() const { return m_hovered; }
    int currentId() const { return m_current; }
    void setCurrentId(int id) { m_current = id; }
    void setHoveredId(int id) { m_hovered = id; }

signals:
    void groupClicked(int groupId);
    void moreGroupClicked(int count);

protected:
    // Whether the group holds items the user has not looked at yet (a dot on its tab).
    virtual bool hasNewItems(int groupId) const
    {
        Q_UNUSED(groupId)
        return false;
    }
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    int m_hovered = -1;
    int m_current = -1;
};

// The voice effect groups' delegate.
class EffectGroupDelegate : public GroupTabDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectGroupDelegate)

public:
    using GroupTabDelegate::GroupTabDelegate;

protected:
    // New favourites and new custom voices.
    bool hasNewItems(int groupId) const override;
};

// The sound groups' delegate.
class SoundGroupDelegate : public GroupTabDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundGroupDelegate)

public:
    using GroupTabDelegate::GroupTabDelegate;

protected:
    // New favourite sounds and new imports.
    bool hasNewItems(int groupId) const override;
};

// A bar of equal group tabs; the groups that do not fit wait behind a last
// "More (+N)" tab that opens the group dialog.
class GroupListView : public XListView
{
    Q_OBJECT
    Q_DISABLE_COPY(GroupListView)

public:
    static constexpr double kTabWidth = 66;
    static constexpr double kTabSpacing = 15;

    GroupListView(int groupType, GroupTabDelegate* delegate, QWidget* parent = nullptr);

    // Tabs a bar of `width` pixels holds.
    static int capacity(int width);

    int currentGroup() const;
    // Marks the group as chosen without a signal.
    void setCurrentGroup(int groupId);
    // The group chosen through the More dialog, 0 when none.
    int moreChoice() const { return m_moreChoice; }
    // Reads the catalogue again (names, new groups) and lays the tabs out.
    void reload();
    QStandardItemModel* tabModel() const { return m_model; }

signals:
    void groupClicked(int groupId);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void choose(int groupId);
    void openMore(int count);

    int m_groupType;
    GroupTabDelegate* m_delegate;
    QStandardItemModel* m_model;
    int m_moreChoice = 0;
    int m_laidOutCapacity = -1;
};

// The voice effects' group bar.
class EffectGroupListView : public GroupListView
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectGroupListView)

public:
    explicit EffectGroupListView(QWidget* parent = nullptr);
};

// The sounds' group bar.
class SoundGroupListView : public GroupListView
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundGroupListView)

public:
    explicit SoundGroupListView(QWidget* parent = nullptr);
};

// The groups behind the More tab as tiles; a click on one closes the dialog
// with 100 + its id, a press outside closes it with no choice.
class MoreGroupDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(MoreGroupDialog)

public:
    // The last `count` groups of the catalogue `groupType`; `currentId` is
    // drawn chosen. The dialog stands under `anchor` (global).
    MoreGroupDialog(int groupType, int count, int currentId, const QPoint& anchor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPoint m_anchor;
};
