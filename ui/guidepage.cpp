#include "guidepage.h"

#include "cutesettings.h"
#include "gatracker.h"
#include "kit.h"
#include "webpages.h"
#include "xlistview.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int kTiles = 5;
constexpr int kTileWidth = 160;
constexpr int kTileHeight = 100;
constexpr int kTileGap = 16;

struct GuideRow
{
    const char* folder;
    const char* title;
    const char* anchors[kTiles];
    const char* names[kTiles];
};

const GuideRow kRows[] = {
    {"guide1",
     QT_TRANSLATE_NOOP("GuidePage", "Use voice changer for gaming"),
     {"pbg", "lol", "cf", "wow", "ow"},
     {QT_TRANSLATE_NOOP("GuidePage", "Battle royale"), QT_TRANSLATE_NOOP("GuidePage", "Arena games"),
      QT_TRANSLATE_NOOP("GuidePage", "Shooters"), QT_TRANSLATE_NOOP("GuidePage", "Online RPGs"),
      QT_TRANSLATE_NOOP("GuidePage", "Team games")}},
    {"guide2",
     QT_TRANSLATE_NOOP("GuidePage", "Use voice changer on social platforms"),
     {"discord", "skype", "zoom", "twitch", "gm"},
     {QT_TRANSLATE_NOOP("GuidePage", "Voice chat"), QT_TRANSLATE_NOOP("GuidePage", "Calls"),
      QT_TRANSLATE_NOOP("GuidePage", "Video meetings"), QT_TRANSLATE_NOOP("GuidePage", "Live streaming"),
      QT_TRANSLATE_NOOP("GuidePage", "Group chat")}},
};

} // namespace

GuideDelegate::GuideDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void GuideDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect tile = option.rect.adjusted(0, 0, -Kit::px(kTileGap), 0);
    QPainterPath path;
    path.addRoundedRect(tile, Kit::px(6), Kit::px(6));
    painter->setClipPath(path);
    const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
    if (picture.isNull())
        painter->fillRect(tile, Kit::frameColor());
    else
        painter->drawPixmap(tile, picture);
    painter->setClipping(false);
    if (option.state & (QStyle::State_MouseOver | QStyle::State_HasFocus)) {
        painter->setPen(QPen(Kit::accentColor(), Kit::px(2)));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
    }
    painter->restore();
}

QSize GuideDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    return QSize(Kit::px(kTileWidth + kTileGap), Kit::py(kTileHeight));
}

bool GuideDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->pos())) {
            emit itemClicked(index.data(FileRole).toString());
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

GuidePage::GuidePage(QWidget* parent) : PageWidget(parent)
{
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(Kit::px(30), Kit::py(26), Kit::px(30), Kit::py(20));
    layout->setSpacing(0);
    m_heading = new QLabel(contentWidget());
    m_heading->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold;"));
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    layout->addSpacing(Kit::py(10));
    m_text = new QLabel(contentWidget());
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("color: #979797;"));
    layout->addWidget(m_text);

    const QString pictures = CuteSettings::resourcesPath() + QStringLiteral("/image/");
    for (const GuideRow& entry : kRows) {
        layout->addSpacing(Kit::py(26));
        auto* title = new QLabel(contentWidget());
        title->setStyleSheet(QStringLiteral("color: #DCDCDC;"));
        layout->addWidget(title);
        layout->addSpacing(Kit::py(12));
        m_rowTitles.append(title);

        auto* model = new QStandardItemModel(this);
        for (int tile = 0; tile < kTiles; ++tile) {
            const QString file = QStringLiteral("%1/%2.png").arg(QLatin1String(entry.folder)).arg(tile + 1);
            auto* item = new QStandardItem;
            item->setData(file, GuideDelegate::FileRole);
            QPixmap picture(pictures + file);
            if (!picture.isNull())
                picture = picture.scaled(Kit::size(kTileWidth, kTileHeight), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
            item->setData(picture, Qt::DecorationRole);
            item->setEditable(false);
            model->appendRow(item);
        }
        m_models.append(model);

        auto* view = new XListView(contentWidget());
        view->setViewMode(QListView::IconMode);
        view->setFlow(QListView::LeftToRight);
        view->setWrapping(false);
        view->setMovement(QListView::Static);
        view->setResizeMode(QListView::Adjust);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setMouseTracking(true);
        view->setCursor(Qt::PointingHandCursor);
        view->setFixedHeight(Kit::py(kTileHeight + 8));
        view->setModel(model);
        auto* delegate = new GuideDelegate(view);
        view->setItemDelegate(delegate);
        connect(delegate, &GuideDelegate::itemClicked, this, &GuidePage::openTile);
        connect(view, &QListView::activated, this, [this](const QModelIndex& index) {
            openTile(index.data(GuideDelegate::FileRole).toString());
        });
        layout->addWidget(view);
        m_rows.append(view);
    }
    layout->addStretch();
    retranslate();
}

QString GuidePage::anchorOf(const QString& file)
{
    for (const GuideRow& entry : kRows) {
        for (int tile = 0; tile < kTiles; ++tile) {
            if (file == QStringLiteral("%1/%2.png").arg(QLatin1String(entry.folder)).arg(tile + 1))
                return QString::fromLatin1(entry.anchors[tile]);
        }
    }
    return QString();
}

QListView* GuidePage::row(int index) const
{
    return m_rows.value(index);
}

void GuidePage::openTile(const QString& file)
{
    const QString anchor = anchorOf(file);
    if (anchor.isEmpty())
        return;
    WebPages::open(WebPages::Page::ThirdParty, anchor);
    const QString folder = file.section(QLatin1Char('/'), 0, 0);
    const QString tile = file.section(QLatin1Char('/'), 1).section(QLatin1Char('.'), 0, 0);
    GaTracker::instance()->track(QStringLiteral("OperatingGuidelines"), folder, tile);
}

void GuidePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    PageWidget::changeEvent(event);
}

void GuidePage::retranslate()
{
    m_heading->setText(tr("Applied to third-party platforms"));
    m_text->setText(tr("Users can change the input microphone of the third-party application to our virtual "
                       "microphone to change voice  on the third-party platform."));
    for (int row = 0; row < m_rows.size(); ++row) {
        m_rowTitles.at(row)->setText(tr(kRows[row].title));
        m_rows.at(row)->setAccessibleName(tr(kRows[row].title));
        QStandardItemModel* model = m_models.at(row);
        for (int tile = 0; tile < model->rowCount(); ++tile) {
            const QString name = tr(kRows[row].names[tile]);
            model->item(tile)->setData(name, Qt::AccessibleTextRole);
            model->item(tile)->setToolTip(name);
        }
    }
}
