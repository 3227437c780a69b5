#pragma once

#include "abstractmodulewidget.h"

#include <QStyledItemDelegate>

class QLabel;
class QListView;
class QStandardItemModel;

// Draws a guide tile (its picture with rounded corners, a frame when
// hovered) and reports the tile clicked or activated by keyboard.
class GuideDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(GuideDelegate)

public:
    static constexpr int FileRole = Qt::UserRole + 1;

    explicit GuideDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    // `file` is "<row folder>/<n>.png", as "guide1/3.png".
    void itemClicked(const QString& file);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

// The guide to third-party programs: two rows of tiles, each opening the
// guide at its program's section.
class GuidePage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(GuidePage)

public:
    explicit GuidePage(QWidget* parent = nullptr);

    // The anchor of a tile's file ("guide2/1.png" → "discord"), empty when unknown.
    static QString anchorOf(const QString& file);
    QListView* row(int index) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void openTile(const QString& file);

    QLabel* m_heading;
    QLabel* m_text;
    QList<QLabel*> m_rowTitles;
    QList<QListView*> m_rows;
    QList<QStandardItemModel*> m_models;
};

// The module of the guide page; built afresh each time it is shown.
class GuideModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(GuideModule)

public:
    explicit GuideModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }

protected:
    QWidget* createPage(int index) override { return index == 0 ? new GuidePage : nullptr; }
};
