#include "grouplistview.h"

#include "cutesettings.h"
#include "effectmanager.h"
#include "kit.h"
#include "languagesettings.h"
#include "moduledialogmanager.h"
#include "soundmanager.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QToolButton>

namespace {

constexpr double kBarHeight = 75;
constexpr int kMoreColumns = 4;

QString iconPath(const QString& folder, int id, bool chosen)
{
    return CuteSettings::resourcesPath() +
           QStringLiteral("/image/%1/%2_%3.png").arg(folder).arg(id).arg(chosen ? 2 : 1);
}

template <typename Group> QString nameOf(const Group& group, int language)
{
    const QString name = group.languages.value(language);
    return name.isEmpty() ? group.name : name;
}

} // namespace

QList<GroupTab> groupTabs(int groupType)
{
    const int language = LanguageSettings::instance()->currentLanguage();
    QList<GroupTab> tabs;
    if (groupType == 0) {
        const auto groups = EffectManager::instance()->groups();
        for (int id : EffectManager::instance()->groupOrder())
            tabs.append({id, nameOf(groups.value(id), language), QStringLiteral("group")});
    } else {
        const auto groups = SoundManager::instance()->groups();
        for (int id : SoundManager::instance()->groupOrder())
            tabs.append({id, nameOf(groups.value(id), language), QStringLiteral("audioGroup")});
    }
    return tabs;
}

// ---------------------------------------------------------------- delegate

GroupTabDelegate::GroupTabDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QSize GroupTabDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    return {Kit::px(GroupListView::kTabWidth) + Kit::px(GroupListView::kTabSpacing), Kit::py(kBarHeight)};
}

void GroupTabDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const int id = index.data(IdRole).toInt();
    const bool chosen = id == m_current;
    const bool hovered = id == m_hovered;
    // An item is a tab with half the spacing on either side.
    const int half = Kit::px(GroupListView::kTabSpacing) / 2;
    const QRect tab(option.rect.left() + half, option.rect.top() + Kit::py(8),
                    Kit::px(GroupListView::kTabWidth), option.rect.height() - Kit::py(16));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (chosen || hovered || (option.state & QStyle::State_HasFocus)) {
        painter->setPen(option.state & QStyle::State_HasFocus ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
        painter->setBrush(chosen ? QColor(0x4A, 0x33, 0x63) : QColor(0x34, 0x34, 0x4C));
        painter->drawRoundedRect(QRectF(tab).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(8), Kit::px(8));
    }
    const QString folder = index.data(IconRole).toString();
    const QPixmap icon(iconPath(folder, id, chosen));
    const QSize side = Kit::size(24, 24);
    const QRect iconRect(tab.left() + (tab.width() - side.width()) / 2, tab.top() + Kit::py(7), side.width(),
                         side.height());
    if (!icon.isNull())
        painter->drawPixmap(iconRect, icon);
    if (hasNewItems(id)) {
        const int dot = Kit::px(6);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0xFF, 0x5A, 0x5A));
        painter->drawEllipse(QRect(iconRect.right() - dot / 2, iconRect.top() - dot / 2, dot, dot));
    }
    painter->setPen(chosen ? Kit::accentColor() : (hovered ? Kit::textColor() : Kit::dimTextColor()));
    // A name may run into the spacing beside its tab before it is cut short.
    const QRect textRect(option.rect.left(), iconRect.bottom() + Kit::py(4), option.rect.width(),
                         tab.bottom() - iconRect.bottom() - Kit::py(4));
    QFont font = option.font;
    // A long name gets a smaller type before it is cut short.
    const QString name = index.data(Qt::DisplayRole).toString();
    font.setPointSizeF(font.pointSizeF() * 0.92);
    if (QFontMetrics(font).horizontalAdvance(name) > textRect.width())
        font.setPointSizeF(font.pointSizeF() * 0.85);
    painter->setFont(font);
    const QString text = QFontMetrics(font).elidedText(name, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, text);
    painter->restore();
}

bool GroupTabDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    Q_UNUSED(model)
    const int id = index.data(IdRole).toInt();
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QRect tab(option.rect.topLeft() + QPoint(Kit::px(GroupListView::kTabSpacing) / 2, 0),
                    QSize(Kit::px(GroupListView::kTabWidth), option.rect.height()));
    if (mouse->button() != Qt::LeftButton || !tab.contains(mouse->pos()))
        return false;
    if (id == kMoreId) {
        emit moreGroupClicked(index.data(CountRole).toInt());
    } else {
        m_current = id;
        emit groupClicked(id);
    }
    return true;
}

// ---------------------------------------------------------------- bar

GroupListView::GroupListView(int groupType, GroupTabDelegate* delegate, QWidget* parent)
    : XListView(parent), m_groupType(groupType), m_delegate(delegate), m_model(new QStandardItemModel(this))
{
    m_delegate->setParent(this);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    setFixedHeight(Kit::py(kBarHeight));
    setViewportMargins(Kit::px(kTabSpacing) - Kit::px(kTabSpacing) / 2, 0, 0, 0);
    setAccessibleName(tr("Groups"));
    connect(m_delegate, &GroupTabDelegate::groupClicked, this, &GroupListView::groupClicked);
    connect(m_delegate, &GroupTabDelegate::moreGroupClicked, this, &GroupListView::openMore);
}

int GroupListView::capacity(int width)
{
    const int tab = Kit::px(kTabWidth);
    const int spacing = Kit::px(kTabSpacing);
    return std::max(1, (width - spacing) / (tab + spacing));
}

int GroupListView::currentGroup() const
{
    return m_delegate->currentId();
}

void GroupListView::setCurrentGroup(int groupId)
{
    m_delegate->setCurrentId(groupId);
    reload();
}

void GroupListView::reload()
{
    const QList<GroupTab> tabs = groupTabs(m_groupType);
    const int fits = capacity(width());
    m_laidOutCapacity = fits;
    const bool more = tabs.size() > fits;
    const int shown = more ? fits - 1 : tabs.size();
    const int current = currentGroup();
    m_model->clear();
    bool currentShown = false;
    for (int i = 0; i < shown; ++i) {
        auto* item = new QStandardItem(tabs[i].name);
        item->setToolTip(tabs[i].name);
        item->setData(tabs[i].id, GroupTabDelegate::IdRole);
        item->setData(tabs[i].iconFolder, GroupTabDelegate::IconRole);
        item->setEditable(false);
        m_model->appendRow(item);
        currentShown = currentShown || tabs[i].id == current;
    }
    if (more) {
        const int hidden = tabs.size() - fits + 1;
        auto* item = new QStandardItem(tr("More") + QStringLiteral(" (+%1)").arg(hidden));
        item->setData(GroupTabDelegate::kMoreId, GroupTabDelegate::IdRole);
        item->setData(tabs.first().iconFolder, GroupTabDelegate::IconRole);
        item->setData(hidden, GroupTabDelegate::CountRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
    // A group behind the More tab is shown chosen through it.
    if (!currentShown && more)
        m_moreChoice = current;
    else if (currentShown)
        m_moreChoice = 0;
    viewport()->update();
}

void GroupListView::choose(int groupId)
{
    if (groupId == GroupTabDelegate::kMoreId) {
        const QModelIndex more = m_model->index(m_model->rowCount() - 1, 0);
        openMore(more.data(GroupTabDelegate::CountRole).toInt());
        return;
    }
    m_delegate->setCurrentId(groupId);
    viewport()->update();
    emit groupClicked(groupId);
}

void GroupListView::openMore(int count)
{
    // The dialog stands under the More tab.
    const QRect more = visualRect(m_model->index(m_model->rowCount() - 1, 0));
    const QVariantMap data{
        {QStringLiteral("count"), count},
        {QStringLiteral("groupId"), currentGroup()},
        {QStringLiteral("groupType"), m_groupType},
        {QStringLiteral("anchor"), viewport()->mapToGlobal(QPoint(more.center().x(), height()))}};
    const int result =
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_MoreGroup, window(), data);
    if (result <= 100)
        return;
    const int id = result - 100;
    if (id == currentGroup())
        return;
    m_delegate->setCurrentId(id);
    reload();
    emit groupClicked(id);
}

void GroupListView::resizeEvent(QResizeEvent* event)
{
    XListView::resizeEvent(event);
    if (capacity(width()) != m_laidOutCapacity)
        reload();
}

void GroupListView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) &&
        currentIndex().isValid()) {
        choose(currentIndex().data(GroupTabDelegate::IdRole).toInt());
        return;
    }
    XListView::keyPressEvent(event);
}

void GroupListView::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    m_delegate->setHoveredId(index.isValid() ? index.data(GroupTabDelegate::IdRole).toInt() : -1);
    viewport()->update();
    XListView::mouseMoveEvent(event);
}

void GroupListView::leaveEvent(QEvent* event)
{
    m_delegate->setHoveredId(-1);
    viewport()->update();
    XListView::leaveEvent(event);
}

void GroupListView::changeEvent(QEvent* event)
{
    XListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Groups"));
        reload();
    }
}

bool EffectGroupDelegate::hasNewItems(int groupId) const
{
    EffectManager* effects = EffectManager::instance();
    return (groupId == EffectManager::kFavoriteGroup && effects->hasNewFavorites()) ||
           (groupId == EffectManager::kCustomGroup && effects->hasNewCustomEffects());
}

EffectGroupListView::EffectGroupListView(QWidget* parent) : GroupListView(0, new EffectGroupDelegate, parent)
{
    connect(EffectManager::instance(), &EffectManager::updateGroup, viewport(),
            qOverload<>(&QWidget::update));
}

bool SoundGroupDelegate::hasNewItems(int groupId) const
{
    SoundManager* sounds = SoundManager::instance();
    return (groupId == SoundManager::kFavoriteGroup && sounds->hasNewFavorites()) ||
           (groupId == SoundManager::kImportGroup && sounds->hasNewImports());
}

SoundGroupListView::SoundGroupListView(QWidget* parent) : GroupListView(1, new SoundGroupDelegate, parent)
{
    connect(SoundManager::instance(), &SoundManager::updateGroup, viewport(), qOverload<>(&QWidget::update));
}

// ---------------------------------------------------------------- More dialog

MoreGroupDialog::MoreGroupDialog(int groupType, int count, int currentId, const QPoint& anchor,
                                 QWidget* parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint), m_anchor(anchor)
{
    setAttribute(Qt::WA_TranslucentBackground, Kit::hasCompositor());
    setModal(true);
    setAccessibleName(tr("More"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Kit::px(14), Kit::py(14), Kit::px(14), Kit::py(14));
    grid->setSpacing(Kit::px(10));
    const QList<GroupTab> tabs = groupTabs(groupType);
    const QList<GroupTab> hidden = tabs.mid(std::max(0, int(tabs.size()) - count));
    for (int i = 0; i < hidden.size(); ++i) {
        const GroupTab& tab = hidden[i];
        auto* tile = new QToolButton(this);
        tile->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tile->setIcon(QIcon(iconPath(tab.iconFolder, tab.id, tab.id == currentId)));
        tile->setIconSize(Kit::size(24, 24));
        tile->setText(fontMetrics().elidedText(tab.name, Qt::ElideRight, Kit::px(88)));
        tile->setToolTip(tab.name);
        tile->setAccessibleName(tab.name);
        tile->setFixedSize(Kit::size(96, 64));
        tile->setCursor(Qt::PointingHandCursor);
        tile->setStyleSheet(
            QStringLiteral(
                "QToolButton { color: %1; background: #34344C; border: none; border-radius: %2px; }"
                "QToolButton:hover, QToolButton:focus { color: #FFFFFF; background: #45455E; }")
                .arg(tab.id == currentId ? Kit::accentColor().name() : QStringLiteral("#DCDCDC"))
                .arg(Kit::px(8)));
        const int id = tab.id;
        connect(tile, &QToolButton::clicked, this, [this, id] { done(100 + id); });
        grid->addWidget(tile, i / kMoreColumns, i % kMoreColumns);
    }
}

void MoreGroupDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred under its anchor, inside the window.
    QPoint at = m_anchor - QPoint(width() / 2, 0);
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->geometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() - width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - height())));
    }
    move(at);
}

void MoreGroupDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Kit::paintPopup(this, QColor(0x28, 0x28, 0x3B));
}
