#include "catalogueview.h"

#include "appmanager.h"
#include "hotkeyhook.h"
#include "keycapture.h"
#include "kit.h"
#include "launchmanager.h"
#include "moduledialogmanager.h"
#include "ximagebox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr double kHeadingHeight = 40;
constexpr double kRowHeight = 60;
constexpr double kKeyBoxWidth = 122;
constexpr int kSearchLength = 30;

QPixmap cached(const QString& path)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

QPixmap image(const QString& name)
{
    return cached(AppManager::imagePath(name));
}

} // namespace

// ---------------------------------------------------------------- search field

SearchLineEdit::SearchLineEdit(QWidget* parent) : XLineEdit(parent)
{
    setMaxLength(kSearchLength);
    retranslate();
}

void SearchLineEdit::retranslate()
{
    setLeadingIcon(AppManager::imagePath(QStringLiteral("search.png")), tr("Search"));
    setPlaceholderText(tr("Search"));
    setAccessibleName(tr("Search"));
}

void SearchLineEdit::focusInEvent(QFocusEvent* event)
{
    XLineEdit::focusInEvent(event);
    HotKeyHook::instance()->setSuspended(true);
}

void SearchLineEdit::focusOutEvent(QFocusEvent* event)
{
    XLineEdit::focusOutEvent(event);
    HotKeyHook::instance()->setSuspended(false);
}

void SearchLineEdit::changeEvent(QEvent* event)
{
    XLineEdit::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// ---------------------------------------------------------------- delegate

CatalogueItemDelegate::CatalogueItemDelegate(CatalogueListView* view)
    : QStyledItemDelegate(view), m_view(view)
{}

CatalogueItemDelegate::Areas CatalogueItemDelegate::areas(const QRect& row)
{
    Areas a;
    const QRect inner = row.adjusted(Kit::px(8), Kit::py(4), -Kit::px(12), -Kit::py(4));
    const int middle = inner.center().y();
    a.picture = QRect(inner.left() + Kit::px(8), middle - Kit::py(18), Kit::px(48), Kit::py(36));
    a.keyBox = QRect(inner.right() - Kit::px(kKeyBoxWidth) - Kit::px(8), middle - Kit::py(12),
                     Kit::px(kKeyBoxWidth), Kit::py(24));
    a.clear = QRect(a.keyBox.right() - Kit::px(20), middle - Kit::py(8), Kit::px(16), Kit::py(16));
    a.star = QRect(a.keyBox.left() - Kit::px(36), middle - Kit::py(12), Kit::px(24), Kit::py(24));
    a.download = QRect(a.star.left() - Kit::px(32), middle - Kit::py(12), Kit::px(24), Kit::py(24));
    a.name = QRect(a.picture.right() + Kit::px(14), inner.top(),
                   a.download.left() - a.picture.right() - Kit::px(20), inner.height());
    return a;
}

QSize CatalogueItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option)
    const bool heading = index.data(KindRole).toInt() == HeadingRow;
    return {m_view->viewport()->width(), Kit::py(heading ? kHeadingHeight : kRowHeight)};
}

void CatalogueItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    switch (index.data(KindRole).toInt()) {
    case HeadingRow:
        paintHeading(painter, option, index);
        break;
    case TileRow:
        paintTile(painter, option, index);
        break;
    default:
        paintItem(painter, option, index);
    }
    painter->restore();
}

void CatalogueItemDelegate::paintHeading(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    const QRect row = option.rect.adjusted(Kit::px(16), 0, -Kit::px(12), 0);
    const bool expanded = index.data(ExpandedRole).toBool();
    const QRect arrow(row.left(), row.center().y() - Kit::py(8), Kit::px(16), Kit::py(16));
    painter->save();
    painter->translate(arrow.center());
    if (expanded)
        painter->rotate(90);
    painter->drawPixmap(QRect(-arrow.width() / 2, -arrow.height() / 2, arrow.width(), arrow.height()),
                        image(QStringLiteral("expand_1.png")));
    painter->restore();
    QFont font = option.font;
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(option.state & QStyle::State_HasFocus ? Kit::accentColor() : QColor(0xDC, 0xDC, 0xDC));
    const QRect text = row.adjusted(arrow.width() + Kit::px(8), 0, 0, 0);
    painter->drawText(
        text, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, text.width()));
}

void CatalogueItemDelegate::paintTile(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    const bool lit = m_view->isTileHovered() || (option.state & QStyle::State_HasFocus);
    const QRect row = option.rect.adjusted(Kit::px(8), Kit::py(4), -Kit::px(12), -Kit::py(4));
    QPen pen(lit ? Kit::accentColor() : Kit::trackColor(), 1, Qt::DashLine);
    painter->setPen(pen);
    painter->setBrush(lit ? QColor(0x34, 0x34, 0x4C) : Qt::transparent);
    painter->drawRoundedRect(QRectF(row).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(8), Kit::px(8));
    const QString text = index.data(Qt::DisplayRole).toString();
    const int iconSize = Kit::px(24);
    const int textWidth =
        qMin(option.fontMetrics.horizontalAdvance(text), row.width() - iconSize - Kit::px(40));
    const int left = row.center().x() - (iconSize + Kit::px(8) + textWidth) / 2;
    painter->drawPixmap(QRect(left, row.center().y() - iconSize / 2, iconSize, iconSize),
                        image(lit ? QStringLiteral("import_2.png") : QStringLiteral("import_1.png")));
    painter->setPen(lit ? Kit::textColor() : Kit::dimTextColor());
    painter->drawText(QRect(left + iconSize + Kit::px(8), row.top(), textWidth, row.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, textWidth));
}

void CatalogueItemDelegate::paintItem(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    const ItemPair pair(index.data(GroupRole).toInt(), index.data(IdRole).toInt());
    const bool selected = pair == m_view->selectedPair();
    const bool hovered = pair == m_view->hoveredPair();
    const bool editing = pair == m_view->editPair();
    const QRect row = option.rect.adjusted(Kit::px(8), Kit::py(2), -Kit::px(12), -Kit::py(2));
    if (selected || hovered || (option.state & QStyle::State_HasFocus)) {
        painter->setPen(option.state & QStyle::State_HasFocus ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
        painter->setBrush(selected ? QColor(0x4A, 0x33, 0x63) : QColor(0x34, 0x34, 0x4C));
        painter->drawRoundedRect(QRectF(row).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(8), Kit::px(8));
    }
    const Areas a = areas(option.rect);

    QPainterPath clip;
    clip.addRoundedRect(a.picture, Kit::px(4), Kit::px(4));
    painter->save();
    painter->setClipPath(clip);
    const QPixmap shown = cached(index.data(PictureRole).toString());
    if (shown.isNull() || shown.width() < a.picture.width() / 2) {
        painter->fillRect(a.picture, Kit::windowColor());
        if (!shown.isNull()) {
            const QSize size = shown.size().scaled(Kit::size(24, 24), Qt::KeepAspectRatio);
            painter->drawPixmap(QRect(QPoint(a.picture.center().x() - size.width() / 2,
                                             a.picture.center().y() - size.height() / 2),
                                      size),
                                shown);
        }
    } else {
        painter->drawPixmap(a.picture, shown);
    }
    painter->restore();

    painter->setPen(selected ? Kit::accentColor() : Kit::textColor());
    painter->drawText(a.name, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                    a.name.width()));
    if (!index.data(ReadyRole).toBool()) {
        const bool loading = m_view->isDownloading(pair);
        painter->drawPixmap(a.download,
                            loading ? m_view->loadingFrame() : image(QStringLiteral("download.png")));
    }
    const bool favorite = m_view->isFavorite(pair.second);
    painter->drawPixmap(
        a.star, image(favorite ? QStringLiteral("favorite_2.png") : QStringLiteral("favorite_1.png")));

    // The key box: the binding, the keys being typed, or the placeholder.
    painter->setPen(editing ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
    painter->setBrush(Kit::windowColor());
    painter->drawRoundedRect(QRectF(a.keyBox).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(4), Kit::px(4));
    const QString bound = HotKeyHook::instance()->bindingText(pair, m_view->hotKeyKind());
    QString text = editing && !m_view->pendingKey().isEmpty() ? m_view->pendingKey() : bound;
    const bool placeholder = text.isEmpty() && !editing;
    if (placeholder)
        text = tr("Add keybind");
    const bool clearShown = !bound.isEmpty() || (editing && !m_view->pendingKey().isEmpty());
    QRect textRect = a.keyBox.adjusted(Kit::px(8), 0, clearShown ? -Kit::px(26) : -Kit::px(6), 0);
    painter->setPen(placeholder ? Kit::dimTextColor()
                                : (editing ? Kit::textColor() : QColor(0xDC, 0xDC, 0xDC)));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    if (clearShown) {
        const bool overClear =
            hovered && m_view->viewport()->mapFromGlobal(QCursor::pos()).x() >= a.clear.left() - 2;
        painter->drawPixmap(a.clear,
                            image(overClear ? QStringLiteral("clear_2.png") : QStringLiteral("clear_1.png")));
    }
}

bool CatalogueItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                        const QStyleOptionViewItem& option, const QModelIndex& index)
{
    Q_UNUSED(model)
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const int kind = index.data(KindRole).toInt();
    if (kind == HeadingRow) {
        emit labelClicked(index);
        return true;
    }
    if (kind == TileRow) {
        emit tileClicked();
        return true;
    }
    const ItemPair pair(index.data(GroupRole).toInt(), index.data(IdRole).toInt());
    const Areas a = areas(option.rect);
    const QPoint at = mouse->pos();
    if (a.star.adjusted(-4, -4, 4, 4).contains(at)) {
        emit starClicked(pair.first, pair.second);
    } else if (a.keyBox.contains(at)) {
        if (pair == m_view->editPair() && a.clear.adjusted(-4, -4, 4, 4).contains(at))
            emit clearClicked(pair.first, pair.second);
        else
            emit keyBoxClicked(pair.first, pair.second);
    } else {
        emit itemClicked(pair.first, pair.second);
    }
    return true;
}

// ---------------------------------------------------------------- list

CatalogueListView::CatalogueListView(int kind, int favoriteGroup, const QString& accessibleName,
                                     QWidget* parent)
    : XListView(parent), m_kind(kind), m_favoriteGroup(favoriteGroup),
      m_delegate(new CatalogueItemDelegate(this)), m_model(new QStandardItemModel(this)),
      m_loading(new QMovie(AppManager::imagePath(QStringLiteral("loading.gif")), QByteArray(), this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    connect(m_loading, &QMovie::frameChanged, viewport(), qOverload<>(&QWidget::update));

    connect(m_delegate, &CatalogueItemDelegate::itemClicked, this, [this](int groupId, int itemId) {
        endEditing();
        activate(groupId, itemId);
    });
    connect(m_delegate, &CatalogueItemDelegate::labelClicked, this, [this](const QModelIndex& index) {
        endEditing();
        toggleHeading(index);
    });
    connect(m_delegate, &CatalogueItemDelegate::tileClicked, this, [this] {
        endEditing();
        activateTile();
    });
    connect(m_delegate, &CatalogueItemDelegate::starClicked, this, [this](int groupId, int itemId) {
        endEditing();
        toggleFavorite(groupId, itemId);
    });
    connect(m_delegate, &CatalogueItemDelegate::keyBoxClicked, this, &CatalogueListView::startEditing);
    connect(m_delegate, &CatalogueItemDelegate::clearClicked, this, [this](int groupId, int itemId) {
        HotKeyHook::instance()->removeBinding({groupId, itemId}, m_kind);
        endEditing();
    });
}

CatalogueListView::~CatalogueListView()
{
    if (m_editPair != noPair())
        HotKeyHook::instance()->setSuspended(false);
}

ItemPair CatalogueListView::pairOf(const QModelIndex& index)
{
    if (index.data(CatalogueItemDelegate::KindRole).toInt() != CatalogueItemDelegate::ItemRow)
        return noPair();
    return {index.data(CatalogueItemDelegate::GroupRole).toInt(),
            index.data(CatalogueItemDelegate::IdRole).toInt()};
}

void CatalogueListView::addGroupRows(int groupId, const QList<CatalogueEntry>& items, bool tile)
{
    auto* heading = new QStandardItem(groupName(groupId));
    heading->setData(CatalogueItemDelegate::HeadingRow, CatalogueItemDelegate::KindRole);
    heading->setData(groupId, CatalogueItemDelegate::GroupRole);
    heading->setData(true, CatalogueItemDelegate::ExpandedRole);
    heading->setEditable(false);
    m_model->appendRow(heading);
    if (tile) {
        auto* row = new QStandardItem(tr("Import local audio"));
        row->setData(CatalogueItemDelegate::TileRow, CatalogueItemDelegate::KindRole);
        row->setData(groupId, CatalogueItemDelegate::GroupRole);
        row->setEditable(false);
        m_model->appendRow(row);
    }
    for (const CatalogueEntry& entry : items) {
        auto* row = new QStandardItem(entry.name);
        row->setData(CatalogueItemDelegate::ItemRow, CatalogueItemDelegate::KindRole);
        row->setData(groupId, CatalogueItemDelegate::GroupRole);
        row->setData(entry.id, CatalogueItemDelegate::IdRole);
        row->setData(entry.picture, CatalogueItemDelegate::PictureRole);
        row->setData(entry.ready, CatalogueItemDelegate::ReadyRole);
        row->setEditable(false);
        m_model->appendRow(row);
    }
}

void CatalogueListView::rebuild()
{
    m_model->clear();
    m_hovered = noPair();
    m_tileHovered = false;
    const QList<int> order = groupOrder();
    if (!m_search.isEmpty()) {
        for (int groupId : order) {
            if (groupId == m_favoriteGroup)
                continue;
            QList<CatalogueEntry> matches;
            for (const CatalogueEntry& entry : entries(groupId)) {
                if (entry.name.contains(m_search, Qt::CaseInsensitive))
                    matches.append(entry);
            }
            if (!matches.isEmpty())
                addGroupRows(groupId, matches, false);
        }
    } else if (showsAllGroups(m_groupId)) {
        for (int groupId : order) {
            if (groupId != m_favoriteGroup)
                addGroupRows(groupId, entries(groupId), false);
        }
    } else {
        addGroupRows(m_groupId, entries(m_groupId), hasTile(m_groupId));
    }
    // A group without items shows the empty state, not a lone heading.
    if (m_model->rowCount() == 1)
        m_model->clear();
    const bool empty = m_model->rowCount() == 0;
    setVisible(!empty);
    emit emptyChanged(empty, !m_search.isEmpty());
    scrollToSelected();
}

bool CatalogueListView::isEmpty() const
{
    return m_model->rowCount() == 0;
}

void CatalogueListView::showGroup(int groupId)
{
    m_groupId = groupId;
    if (m_search.isEmpty())
        m_selected = storedSelection();
    rebuild();
}

void CatalogueListView::search(const QString& text)
{
    m_search = text;
    scrollToTop();
    if (text.isEmpty())
        showGroup(m_groupId);
    else
        rebuild();
    if (!text.isEmpty())
        scrollToTop();
}

void CatalogueListView::refresh()
{
    rebuild();
}

QModelIndex CatalogueListView::indexOf(const ItemPair& pair) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (pairOf(index) == pair)
            return index;
    }
    return {};
}

void CatalogueListView::scrollToSelected()
{
    const QModelIndex index = indexOf(m_selected);
    if (index.isValid())
        scrollTo(index);
}

void CatalogueListView::setSelectedPair(const ItemPair& pair)
{
    m_selected = pair;
    viewport()->update();
}

QPixmap CatalogueListView::loadingFrame() const
{
    return m_loading->currentPixmap();
}

bool CatalogueListView::shortcutsResting() const
{
    return HotKeyHook::instance()->isSuspended() || m_editPair != noPair() ||
           ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_SaveParam);
}

void CatalogueListView::startDownload(const ItemPair& pair, const QStringList& files, int type)
{
    if (!m_downloading.contains(pair)) {
        m_downloading.insert(pair);
        if (m_loading->state() != QMovie::Running)
            m_loading->start();
        LaunchManager::instance()->downloadFiles(files, pair.first, pair.second, type);
    }
    viewport()->update();
}

bool CatalogueListView::finishDownload(const ItemPair& pair, bool result)
{
    m_downloading.remove(pair);
    if (m_downloading.isEmpty())
        m_loading->stop();
    viewport()->update();
    if (!result) {
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_NetworkError, window());
        return false;
    }
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem* item = m_model->item(row);
        if (item->data(CatalogueItemDelegate::KindRole).toInt() == CatalogueItemDelegate::ItemRow &&
            item->data(CatalogueItemDelegate::IdRole).toInt() == pair.second)
            item->setData(true, CatalogueItemDelegate::ReadyRole);
    }
    return true;
}

void CatalogueListView::toggleHeading(const QModelIndex& index)
{
    const bool expanded = !index.data(CatalogueItemDelegate::ExpandedRole).toBool();
    m_model->setData(index, expanded, CatalogueItemDelegate::ExpandedRole);
    for (int row = index.row() + 1; row < m_model->rowCount(); ++row) {
        if (m_model->index(row, 0).data(CatalogueItemDelegate::KindRole).toInt() ==
            CatalogueItemDelegate::HeadingRow)
            break;
        setRowHidden(row, !expanded);
    }
}

void CatalogueListView::toggleFavorite(int groupId, int itemId)
{
    if (isFavorite(itemId)) {
        setFavorite(itemId, false);
        if (m_search.isEmpty() && m_groupId == m_favoriteGroup) {
            const QModelIndex index = indexOf({groupId, itemId});
            if (index.isValid())
                m_model->removeRow(index.row());
            if (m_model->rowCount() == 1) {
                m_model->clear();
                setVisible(false);
                emit emptyChanged(true, false);
            }
        }
    } else {
        setFavorite(itemId, true);
    }
    viewport()->update();
}

void CatalogueListView::startEditing(int groupId, int itemId)
{
    if (m_editPair == noPair())
        HotKeyHook::instance()->setSuspended(true);
    m_editPair = {groupId, itemId};
    m_pendingKey.clear();
    setFocus(Qt::MouseFocusReason);
    viewport()->update();
}

void CatalogueListView::endEditing()
{
    if (m_editPair == noPair())
        return;
    m_editPair = noPair();
    m_pendingKey.clear();
    HotKeyHook::instance()->setSuspended(false);
    viewport()->update();
}

void CatalogueListView::keyPressEvent(QKeyEvent* event)
{
    if (m_editPair != noPair()) {
        if (event->key() == Qt::Key_Escape) {
            endEditing();
            return;
        }
        m_pendingKey = KeyCapture::press(m_pendingKey, event->key());
        viewport()->update();
        return;
    }
    const QModelIndex index = currentIndex();
    const int kind = index.data(CatalogueItemDelegate::KindRole).toInt();
    // F2 opens the current item's key box, as a click on it does.
    if (index.isValid() && event->key() == Qt::Key_F2 && kind == CatalogueItemDelegate::ItemRow) {
        const ItemPair pair = pairOf(index);
        startEditing(pair.first, pair.second);
        return;
    }
    if (index.isValid() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        if (kind == CatalogueItemDelegate::HeadingRow) {
            toggleHeading(index);
        } else if (kind == CatalogueItemDelegate::TileRow) {
            activateTile();
        } else {
            const ItemPair pair = pairOf(index);
            activate(pair.first, pair.second);
        }
        return;
    }
    XListView::keyPressEvent(event);
}

void CatalogueListView::keyReleaseEvent(QKeyEvent* event)
{
    if (m_editPair == noPair() || event->isAutoRepeat()) {
        XListView::keyReleaseEvent(event);
        return;
    }
    if (m_pendingKey.isEmpty())
        return;
    const QString text = m_pendingKey;
    m_pendingKey.clear();
    if (KeyCapture::commit(m_editPair, text, m_kind, window()))
        endEditing();
    viewport()->update();
}

void CatalogueListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (m_editPair != noPair()) {
        const ItemPair pair = pairOf(index);
        const bool onEditedBox =
            pair == m_editPair &&
            CatalogueItemDelegate::areas(visualRect(index)).keyBox.contains(event->pos());
        if (!onEditedBox && pair == noPair())
            endEditing();
    }
    XListView::mousePressEvent(event);
}

void CatalogueListView::focusOutEvent(QFocusEvent* event)
{
    // A notice about a taken key takes the focus for a moment: editing goes on.
    if (!ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_KeyConflict))
        endEditing();
    XListView::focusOutEvent(event);
}

void CatalogueListView::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    m_hovered = pairOf(index);
    m_tileHovered = index.data(CatalogueItemDelegate::KindRole).toInt() == CatalogueItemDelegate::TileRow &&
                    index.isValid();
    viewport()->update();
    emit m_delegate->itemHovered();
    XListView::mouseMoveEvent(event);
}

void CatalogueListView::leaveEvent(QEvent* event)
{
    m_hovered = noPair();
    m_tileHovered = false;
    viewport()->update();
    XListView::leaveEvent(event);
}

void CatalogueListView::changeEvent(QEvent* event)
{
    XListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(accessibleListName());
        rebuild();
    }
}

// ---------------------------------------------------------------- empty state

CatalogueEmptyState::CatalogueEmptyState(CatalogueListView* list, QWidget* parent)
    : QWidget(parent), m_list(list), m_text(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* picture = new XImageBox(this);
    picture->setImage(AppManager::imagePath(QStringLiteral("none.png")));
    picture->setFixedSize(Kit::size(120, 120));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("color: #979797; background: transparent;"));
    layout->addWidget(m_text);
    layout->addStretch(2);
    hide();
    connect(list, &CatalogueListView::emptyChanged, this, &CatalogueEmptyState::update);
}

void CatalogueEmptyState::update(bool empty, bool searching)
{
    setVisible(empty);
    m_text->setText(searching ? tr("Sorry, there is no result, please try other keywords") : QString());
}

void CatalogueEmptyState::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        update(m_list->isEmpty(), !m_list->searchText().isEmpty());
}

CataloguePageParts layoutCataloguePage(QWidget* content, QWidget* groups, SearchLineEdit* search,
                                       CatalogueListView* list, QWidget* panel)
{
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(groups);

    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(Kit::px(16), Kit::py(2), Kit::px(20), Kit::py(8));
    search->setFixedSize(Kit::size(260, 34));
    searchRow->addWidget(search);
    searchRow->addStretch(1);
    column->addLayout(searchRow);

    column->addWidget(list, 1);
    auto* empty = new CatalogueEmptyState(list, content);
    column->addWidget(empty, 1);
    layout->addLayout(column, 1);

    auto* divider = new QWidget(content);
    divider->setFixedWidth(1);
    divider->setStyleSheet(QStringLiteral("background: %1;").arg(Kit::frameColor().name()));
    layout->addWidget(divider);
    layout->addWidget(panel);
    QObject::connect(search, &QLineEdit::textChanged, list, &CatalogueListView::search);
    return {searchRow, empty};
}
