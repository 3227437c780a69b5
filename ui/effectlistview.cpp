#include "effectlistview.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "cutesettings.h"
#include "effectmanager.h"
#include "hotkeyhook.h"
#include "keycapture.h"
#include "kit.h"
#include "languagesettings.h"
#include "launchmanager.h"
#include "moduledialogmanager.h"

#include "spdlog_qt"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStandardItemModel>

namespace {

constexpr double kHeadingHeight = 40;
constexpr double kRowHeight = 60;
constexpr double kKeyBoxWidth = 122;
constexpr int kSearchLength = 30;

QPixmap image(const QString& name)
{
    static QHash<QString, QPixmap> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QPixmap(AppManager::imagePath(name)));
    return *it;
}

QPixmap picture(int id)
{
    return QPixmap(CuteSettings::resourcesPath() + QStringLiteral("/image/effect/%1.png").arg(id));
}

void setSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

QVariant setting(const QString& key)
{
    return CuteSettings::instance()->value(key);
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

EffectItemDelegate::EffectItemDelegate(EffectItemListView* view) : QStyledItemDelegate(view), m_view(view) {}

EffectItemDelegate::Areas EffectItemDelegate::areas(const QRect& row)
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

QSize EffectItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option)
    const bool heading = index.data(KindRole).toInt() == 0;
    return {m_view->viewport()->width(), Kit::py(heading ? kHeadingHeight : kRowHeight)};
}

void EffectItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (index.data(KindRole).toInt() == 0)
        paintHeading(painter, option, index);
    else
        paintEffect(painter, option, index);
    painter->restore();
}

void EffectItemDelegate::paintHeading(QPainter* painter, const QStyleOptionViewItem& option,
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

void EffectItemDelegate::paintEffect(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const auto effect = index.data(EffectRole).value<EffectData::VoiceEffect>();
    const EffectPair pair(index.data(GroupRole).toInt(), effect.id);
    const bool applied = pair == m_view->appliedPair();
    const bool hovered = pair == m_view->hoveredPair();
    const bool editing = pair == m_view->editPair();
    const QRect row = option.rect.adjusted(Kit::px(8), Kit::py(2), -Kit::px(12), -Kit::py(2));
    if (applied || hovered || (option.state & QStyle::State_HasFocus)) {
        painter->setPen(option.state & QStyle::State_HasFocus ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
        painter->setBrush(applied ? QColor(0x4A, 0x33, 0x63) : QColor(0x34, 0x34, 0x4C));
        painter->drawRoundedRect(QRectF(row).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(8), Kit::px(8));
    }
    const Areas a = areas(option.rect);

    QPainterPath clip;
    clip.addRoundedRect(a.picture, Kit::px(4), Kit::px(4));
    painter->save();
    painter->setClipPath(clip);
    const QPixmap shown = picture(effect.isCustom ? effect.oId : effect.id);
    if (shown.isNull())
        painter->fillRect(a.picture, Kit::windowColor());
    else
        painter->drawPixmap(a.picture, shown);
    painter->restore();

    painter->setPen(applied ? Kit::accentColor() : Kit::textColor());
    painter->drawText(a.name, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                    a.name.width()));
    if (!effect.filesReady) {
        const bool loading = m_view->isDownloading(pair);
        painter->drawPixmap(a.download,
                            loading ? m_view->loadingFrame() : image(QStringLiteral("download.png")));
    }
    const bool favorite = EffectManager::instance()->isFavorite(effect.id);
    painter->drawPixmap(
        a.star, image(favorite ? QStringLiteral("favorite_2.png") : QStringLiteral("favorite_1.png")));

    // The key box: the binding, the keys being typed, or the placeholder.
    painter->setPen(editing ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
    painter->setBrush(Kit::windowColor());
    painter->drawRoundedRect(QRectF(a.keyBox).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(4), Kit::px(4));
    const QString bound = HotKeyHook::instance()->bindingText(pair, HotKey::EffectKind);
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

bool EffectItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                     const QStyleOptionViewItem& option, const QModelIndex& index)
{
    Q_UNUSED(model)
    const bool heading = index.data(KindRole).toInt() == 0;
    const EffectPair pair(index.data(GroupRole).toInt(),
                          heading ? -1 : index.data(EffectRole).value<EffectData::VoiceEffect>().id);
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (heading) {
        emit labelClicked(index);
        return true;
    }
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
        emit effectClicked(pair.first, pair.second);
    }
    return true;
}

// ---------------------------------------------------------------- list

EffectItemListView::EffectItemListView(QWidget* parent)
    : XListView(parent), m_delegate(new EffectItemDelegate(this)), m_model(new QStandardItemModel(this)),
      m_loading(new QMovie(AppManager::imagePath(QStringLiteral("loading.gif")), QByteArray(), this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Voices"));
    connect(m_loading, &QMovie::frameChanged, viewport(), qOverload<>(&QWidget::update));

    connect(m_delegate, &EffectItemDelegate::effectClicked, this, [this](int groupId, int effectId) {
        endEditing();
        applyEffect(groupId, effectId);
    });
    connect(m_delegate, &EffectItemDelegate::labelClicked, this, [this](const QModelIndex& index) {
        endEditing();
        toggleHeading(index);
    });
    connect(m_delegate, &EffectItemDelegate::starClicked, this, [this](int groupId, int effectId) {
        endEditing();
        toggleFavorite(groupId, effectId);
    });
    connect(m_delegate, &EffectItemDelegate::keyBoxClicked, this, &EffectItemListView::startEditing);
    connect(m_delegate, &EffectItemDelegate::clearClicked, this, [this](int groupId, int effectId) {
        HotKeyHook::instance()->removeBinding({groupId, effectId}, HotKey::EffectKind);
        endEditing();
    });
    connect(HotKeyHook::instance(), &HotKeyHook::activated, this, &EffectItemListView::onHotkey);
    connect(LaunchManager::instance(), &LaunchManager::downloadFilesFinished, this,
            &EffectItemListView::onDownloadFinished);
}

EffectItemListView::~EffectItemListView()
{
    if (m_editPair != noPair())
        HotKeyHook::instance()->setSuspended(false);
}

EffectPair EffectItemListView::storedPair()
{
    const EffectPair stored(setting(QStringLiteral("GroupId")).toInt(),
                            setting(QStringLiteral("EffectId")).toInt());
    EffectManager* effects = EffectManager::instance();
    if (effects->effectsOfGroup(stored.first).contains(stored.second))
        return stored;
    // Gone from its group: the effect in its own group, else no effect at all.
    EffectPair fallback(1, 0);
    const auto all = effects->allEffects();
    if (all.contains(stored.second))
        fallback = {all.value(stored.second).groupId, stored.second};
    if (stored != fallback) {
        LogInfo(QStringLiteral("[EffectPage] applied pair (%1, %2) is gone, using (%3, %4)")
                    .arg(stored.first)
                    .arg(stored.second)
                    .arg(fallback.first)
                    .arg(fallback.second));
        setSetting(QStringLiteral("GroupId"), fallback.first);
        setSetting(QStringLiteral("EffectId"), fallback.second);
    }
    return fallback;
}

EffectData::VoiceEffect EffectItemListView::lookup(int groupId, int effectId)
{
    EffectManager* effects = EffectManager::instance();
    const auto members = effects->effectsOfGroup(groupId);
    if (members.contains(effectId))
        return members.value(effectId);
    if (effectId >= EffectManager::kFirstCustomId)
        return effects->customEffects().value(effectId);
    return effects->allEffects().value(effectId);
}

QString EffectItemListView::displayName(const EffectData::VoiceEffect& effect)
{
    return effect.languages.value(LanguageSettings::instance()->currentLanguage());
}

QList<EffectData::VoiceEffect> EffectItemListView::membersInOrder(int groupId) const
{
    EffectManager* effects = EffectManager::instance();
    const auto members = effects->effectsOfGroup(groupId);
    QList<EffectData::VoiceEffect> ordered;
    const QList<int> sort = effects->groups().value(groupId).sort;
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

void EffectItemListView::addGroupRows(int groupId, const QList<EffectData::VoiceEffect>& effects)
{
    const EffectData::VoiceGroup group = EffectManager::instance()->groups().value(groupId);
    QString name = group.languages.value(LanguageSettings::instance()->currentLanguage());
    auto* heading = new QStandardItem(name.isEmpty() ? group.name : name);
    heading->setData(0, EffectItemDelegate::KindRole);
    heading->setData(groupId, EffectItemDelegate::GroupRole);
    heading->setData(true, EffectItemDelegate::ExpandedRole);
    heading->setEditable(false);
    m_model->appendRow(heading);
    for (const EffectData::VoiceEffect& effect : effects) {
        auto* row = new QStandardItem(displayName(effect));
        row->setData(1, EffectItemDelegate::KindRole);
        row->setData(groupId, EffectItemDelegate::GroupRole);
        row->setData(QVariant::fromValue(effect), EffectItemDelegate::EffectRole);
        row->setEditable(false);
        m_model->appendRow(row);
    }
}

void EffectItemListView::rebuild()
{
    m_model->clear();
    m_hovered = noPair();
    const QList<int> order = EffectManager::instance()->groupOrder();
    if (!m_search.isEmpty()) {
        for (int groupId : order) {
            if (groupId == EffectManager::kFavoriteGroup)
                continue;
            QList<EffectData::VoiceEffect> matches;
            for (const EffectData::VoiceEffect& effect : membersInOrder(groupId)) {
                if (displayName(effect).contains(m_search, Qt::CaseInsensitive))
                    matches.append(effect);
            }
            if (!matches.isEmpty())
                addGroupRows(groupId, matches);
        }
    } else if (m_groupId == 0) {
        for (int groupId : order) {
            if (groupId != EffectManager::kFavoriteGroup)
                addGroupRows(groupId, membersInOrder(groupId));
        }
    } else {
        addGroupRows(m_groupId, membersInOrder(m_groupId));
    }
    // A group without effects shows the empty state, not a lone heading.
    if (m_model->rowCount() == 1)
        m_model->clear();
    const bool empty = m_model->rowCount() == 0;
    setVisible(!empty);
    emit emptyChanged(empty, !m_search.isEmpty());
    scrollToApplied();
}

bool EffectItemListView::isEmpty() const
{
    return m_model->rowCount() == 0;
}

void EffectItemListView::showGroup(int groupId)
{
    m_groupId = groupId;
    if (!m_search.isEmpty()) {
        rebuild();
        return;
    }
    m_applied = storedPair();
    rebuild();
}

void EffectItemListView::search(const QString& text)
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

void EffectItemListView::refresh()
{
    rebuild();
}

QModelIndex EffectItemListView::indexOf(const EffectPair& pair) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (index.data(EffectItemDelegate::KindRole).toInt() == 1 &&
            index.data(EffectItemDelegate::GroupRole).toInt() == pair.first &&
            index.data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id == pair.second)
            return index;
    }
    return {};
}

void EffectItemListView::scrollToApplied()
{
    const QModelIndex index = indexOf(m_applied);
    if (index.isValid())
        scrollTo(index);
}

void EffectItemListView::setAppliedPair(const EffectPair& pair)
{
    m_applied = pair;
    viewport()->update();
}

QPixmap EffectItemListView::loadingFrame() const
{
    return m_loading->currentPixmap();
}

void EffectItemListView::applyEffect(int groupId, int effectId)
{
    const EffectPair pair(groupId, effectId);
    if (pair == m_applied)
        return;
    emit effectSave();
    const EffectData::VoiceEffect effect = lookup(groupId, effectId);
    AudioManager* engine = AudioManager::instance();
    if (effect.id != 0 && !effect.filesReady) {
        setSetting(QStringLiteral("LastClickedEffect"),
                   QVariant::fromValue(QList<QVariant>{groupId, effectId}));
        if (!m_downloading.contains(pair)) {
            m_downloading.insert(pair);
            if (m_loading->state() != QMovie::Running)
                m_loading->start();
            LogInfo(QStringLiteral("[EffectPage] fetching the files of effect %1").arg(effectId));
            LaunchManager::instance()->downloadFiles(effect.files, groupId, effectId, 0);
        }
        viewport()->update();
        return;
    }
    if (engine->isVoiceSuspended())
        return;
    engine->setVoiceSuspended(true);
    setSetting(QStringLiteral("LastClickedEffect"), QVariant::fromValue(QList<QVariant>{groupId, effectId}));
    m_applied = pair;
    viewport()->update();
    emit effectClicked(groupId, effectId);
    engine->setVoiceSuspended(false);
}

void EffectItemListView::onDownloadFinished(bool result, int groupId, int itemId, int type)
{
    if (type != 0)
        return;
    const EffectPair pair(groupId, itemId);
    m_downloading.remove(pair);
    if (m_downloading.isEmpty())
        m_loading->stop();
    viewport()->update();
    if (!result) {
        LogInfo(QStringLiteral("[EffectPage] the files of effect %1 did not arrive").arg(itemId));
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_NetworkError, window());
        return;
    }
    EffectData::VoiceEffect effect = lookup(groupId, itemId);
    if (effect.id == 0)
        return;
    effect.filesReady = true;
    EffectManager::instance()->updateEffect(effect);
    // The rows carry copies of the records: bring them up to date.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem* item = m_model->item(row);
        if (item->data(EffectItemDelegate::KindRole).toInt() == 1 &&
            item->data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id == itemId)
            item->setData(
                QVariant::fromValue(lookup(item->data(EffectItemDelegate::GroupRole).toInt(), itemId)),
                EffectItemDelegate::EffectRole);
    }
    const QList<QVariant> last = setting(QStringLiteral("LastClickedEffect")).toList();
    if (last.size() == 2 && last[0].toInt() == groupId && last[1].toInt() == itemId)
        applyEffect(groupId, itemId);
}

void EffectItemListView::onHotkey(QPair<int, int> ids)
{
    if (ids.first >= 100000 || ids.second >= 100000)
        return;
    HotKeyHook* hook = HotKeyHook::instance();
    if (hook->isSuspended() || m_editPair != noPair() ||
        ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_SaveParam))
        return;
    EffectManager* effects = EffectManager::instance();
    int groupId = ids.first;
    const int effectId = ids.second;
    if (groupId == EffectManager::kFavoriteGroup) {
        if (!effects->isFavorite(effectId))
            return;
    } else if (effectId >= EffectManager::kFirstCustomId) {
        groupId = EffectManager::kCustomGroup;
    }
    if (!effects->effectsOfGroup(groupId).contains(effectId))
        return;
    applyEffect(groupId, effectId);
}

void EffectItemListView::toggleHeading(const QModelIndex& index)
{
    const bool expanded = !index.data(EffectItemDelegate::ExpandedRole).toBool();
    m_model->setData(index, expanded, EffectItemDelegate::ExpandedRole);
    for (int row = index.row() + 1; row < m_model->rowCount(); ++row) {
        if (m_model->index(row, 0).data(EffectItemDelegate::KindRole).toInt() == 0)
            break;
        setRowHidden(row, !expanded);
    }
}

void EffectItemListView::toggleFavorite(int groupId, int effectId)
{
    EffectManager* effects = EffectManager::instance();
    if (effects->isFavorite(effectId)) {
        effects->removeFavorite(effectId);
        if (m_search.isEmpty() && m_groupId == EffectManager::kFavoriteGroup) {
            const QModelIndex index = indexOf({groupId, effectId});
            if (index.isValid())
                m_model->removeRow(index.row());
            if (m_model->rowCount() == 1) {
                m_model->clear();
                setVisible(false);
                emit emptyChanged(true, false);
            }
        }
    } else {
        effects->addFavorite(effectId);
    }
    viewport()->update();
}

void EffectItemListView::startEditing(int groupId, int effectId)
{
    if (m_editPair == noPair())
        HotKeyHook::instance()->setSuspended(true);
    m_editPair = {groupId, effectId};
    m_pendingKey.clear();
    setFocus(Qt::MouseFocusReason);
    viewport()->update();
}

void EffectItemListView::endEditing()
{
    if (m_editPair == noPair())
        return;
    m_editPair = noPair();
    m_pendingKey.clear();
    HotKeyHook::instance()->setSuspended(false);
    viewport()->update();
}

void EffectItemListView::keyPressEvent(QKeyEvent* event)
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
    // F2 opens the current effect's key box, as a click on it does.
    if (index.isValid() && event->key() == Qt::Key_F2 &&
        index.data(EffectItemDelegate::KindRole).toInt() == 1) {
        startEditing(index.data(EffectItemDelegate::GroupRole).toInt(),
                     index.data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id);
        return;
    }
    if (index.isValid() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        if (index.data(EffectItemDelegate::KindRole).toInt() == 0)
            toggleHeading(index);
        else
            applyEffect(index.data(EffectItemDelegate::GroupRole).toInt(),
                        index.data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id);
        return;
    }
    XListView::keyPressEvent(event);
}

void EffectItemListView::keyReleaseEvent(QKeyEvent* event)
{
    if (m_editPair == noPair() || event->isAutoRepeat()) {
        XListView::keyReleaseEvent(event);
        return;
    }
    if (m_pendingKey.isEmpty())
        return;
    const QString text = m_pendingKey;
    m_pendingKey.clear();
    if (KeyCapture::commit(m_editPair, text, HotKey::EffectKind, window()))
        endEditing();
    viewport()->update();
}

void EffectItemListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (m_editPair != noPair()) {
        bool onEditedBox = false;
        if (index.isValid() && index.data(EffectItemDelegate::KindRole).toInt() == 1) {
            const EffectPair pair(
                index.data(EffectItemDelegate::GroupRole).toInt(),
                index.data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id);
            onEditedBox = EffectItemDelegate::areas(visualRect(index)).keyBox.contains(event->pos()) &&
                          pair == m_editPair;
        }
        if (!onEditedBox && (!index.isValid() || index.data(EffectItemDelegate::KindRole).toInt() == 0))
            endEditing();
    }
    XListView::mousePressEvent(event);
}

void EffectItemListView::focusOutEvent(QFocusEvent* event)
{
    // A notice about a taken key takes the focus for a moment: editing goes on.
    if (!ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_KeyConflict))
        endEditing();
    XListView::focusOutEvent(event);
}

void EffectItemListView::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    EffectPair pair = noPair();
    if (index.isValid() && index.data(EffectItemDelegate::KindRole).toInt() == 1)
        pair = {index.data(EffectItemDelegate::GroupRole).toInt(),
                index.data(EffectItemDelegate::EffectRole).value<EffectData::VoiceEffect>().id};
    m_hovered = pair;
    viewport()->update();
    emit m_delegate->effectHovered();
    XListView::mouseMoveEvent(event);
}

void EffectItemListView::leaveEvent(QEvent* event)
{
    m_hovered = noPair();
    viewport()->update();
    XListView::leaveEvent(event);
}

void EffectItemListView::changeEvent(QEvent* event)
{
    XListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Voices"));
        rebuild();
    }
}
