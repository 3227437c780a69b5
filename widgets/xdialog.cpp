#include "xdialog.h"

#include "kit.h"

#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr double kFrameWidth = 1.0;
constexpr int kCornerRadius = 10;
constexpr int kShadowBlur = 18;
// Room around the drawn frame for the shadow.
constexpr int kShadowMargin = 12;
constexpr int kTitleHeight = 40;

const QColor kActiveShadow(22, 22, 34);
const QColor kInactiveShadow(23, 25, 40);

} // namespace

struct XDialog::Private
{
    QWidget* frame = nullptr;
    QWidget* titleArea = nullptr;
    int margin = 0;
    QLabel* titleLabel = nullptr;
    QPushButton* closeButton = nullptr;
    QVBoxLayout* content = nullptr;
    int titleAreaHeight = 0;
    bool dragging = false;
    QPoint lastGlobal;
    bool shadowFollowsActivation = false;
    bool dragAnywhere = false;
    bool draggable = true;
    bool closeGuard = false;
    bool closeAllowed = false;
    bool translucent = true;

    void setShadow(bool active)
    {
        auto* shadow = new QGraphicsDropShadowEffect;
        shadow->setOffset(0, 0);
        shadow->setBlurRadius(kShadowBlur);
        shadow->setColor(active ? kActiveShadow : kInactiveShadow);
        frame->setGraphicsEffect(shadow); // deletes the previous one
    }
};

XDialog::XDialog(QWidget* parent) : QDialog(parent), d(std::make_unique<Private>())
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Dialog);
    d->translucent = Kit::hasCompositor();
    setAttribute(Qt::WA_TranslucentBackground, d->translucent);
    const int margin = d->translucent ? kShadowMargin : 0;

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(margin, margin, margin, margin);
    d->frame = new QWidget(this);
    d->frame->setObjectName(QStringLiteral("XDialogFrame"));
    outer->addWidget(d->frame);

    auto* layout = new QVBoxLayout(d->frame);
    layout->setContentsMargins(0, 0, 0, Kit::py(16));
    layout->setSpacing(0);

    d->margin = margin;
    auto* titleArea = new QWidget(d->frame);
    d->titleArea = titleArea;
    titleArea->setFixedHeight(Kit::py(kTitleHeight));
    auto* titleRow = new QHBoxLayout(titleArea);
    titleRow->setContentsMargins(Kit::px(16), 0, Kit::px(10), 0);
    d->titleLabel = new QLabel(titleArea);
    d->titleLabel->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    titleRow->addWidget(d->titleLabel, 1);
    d->closeButton = new QPushButton(titleArea);
    d->closeButton->setIcon(QIcon(QStringLiteral(":/images/close.png")));
    d->closeButton->setIconSize(Kit::size(16, 16));
    d->closeButton->setFixedSize(Kit::size(24, 24));
    d->closeButton->setFlat(true);
    d->closeButton->setCursor(Qt::PointingHandCursor);
    d->closeButton->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"
                                                 "QPushButton:hover { background: rgba(255,255,255,20); "
                                                 "border-radius: 4px; }"));
    connect(d->closeButton, &QPushButton::clicked, this, &QDialog::close);
    titleRow->addWidget(d->closeButton);
    layout->addWidget(titleArea);
    d->titleAreaHeight = margin + titleArea->height();

    d->content = new QVBoxLayout;
    d->content->setContentsMargins(Kit::px(20), Kit::py(4), Kit::px(20), 0);
    d->content->setSpacing(Kit::py(12));
    layout->addLayout(d->content, 1);

    d->setShadow(true);
    retranslate();
}

XDialog::~XDialog() = default;

void XDialog::setTitle(const QString& title)
{
    d->titleLabel->setText(title);
    setWindowTitle(title);
}

QString XDialog::title() const
{
    return d->titleLabel->text();
}

void XDialog::setDraggable(bool draggable)
{
    d->draggable = draggable;
}

void XDialog::setDragAnywhere(bool dragAnywhere)
{
    d->dragAnywhere = dragAnywhere;
}

void XDialog::setShadowFollowsActivation(bool follows)
{
    d->shadowFollowsActivation = follows;
}

void XDialog::setCloseGuard(bool guard)
{
    d->closeGuard = guard;
}

void XDialog::setCloseAllowed(bool allowed)
{
    d->closeAllowed = allowed;
}

void XDialog::setCloseButtonVisible(bool visible)
{
    d->closeButton->setVisible(visible);
}

void XDialog::setTitleAreaVisible(bool visible)
{
    d->titleArea->setVisible(visible);
    d->titleAreaHeight = d->margin + (visible ? d->titleArea->height() : 0);
    d->content->setContentsMargins(Kit::px(20), visible ? Kit::py(4) : Kit::py(16), Kit::px(20), 0);
}

QVBoxLayout* XDialog::contentLayout() const
{
    return d->content;
}

QPushButton* XDialog::closeButton() const
{
    return d->closeButton;
}

int XDialog::titleAreaHeight() const
{
    return d->titleAreaHeight;
}

bool XDialog::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        const bool active = event->type() == QEvent::WindowActivate;
        if (d->shadowFollowsActivation)
            d->setShadow(active);
        emit ncActive(active);
    }
    return QDialog::event(event);
}

void XDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(d->frame->geometry())
                             .adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2);
    painter.setPen(QPen(Kit::frameColor(), kFrameWidth));
    painter.setBrush(Kit::panelColor());
    painter.drawRoundedRect(frame, kCornerRadius, kCornerRadius);
}

void XDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // a dialog never closes by Escape
        return;
    }
    QDialog::keyPressEvent(event);
}

void XDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() &&
        (event->pos().y() < d->titleAreaHeight || d->dragAnywhere)) {
        // The window manager moves it when it can; otherwise by hand.
        if (d->draggable && windowHandle() && windowHandle()->startSystemMove())
            return;
        d->dragging = true;
        d->lastGlobal = event->globalPos();
        return;
    }
    QDialog::mousePressEvent(event);
}

void XDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (d->dragging && d->draggable && (event->buttons() & Qt::LeftButton)) {
        move(pos() + event->globalPos() - d->lastGlobal);
        d->lastGlobal = event->globalPos();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void XDialog::mouseReleaseEvent(QMouseEvent* event)
{
    d->dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void XDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!d->translucent) {
        // Nothing draws the corners translucent: cut them off instead.
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
    }
    QWidget* window = Kit::currentWindow();
    if (!window || window == this)
        return;
    const QRect host = window->frameGeometry();
    const QRect own = frameGeometry();
    move(host.x() + (host.width() - own.width()) / 2, host.y() + (host.height() - own.height()) / 2);
}

void XDialog::closeEvent(QCloseEvent* event)
{
    if (d->closeGuard && !d->closeAllowed) {
        event->ignore();
        emit tryClosed();
        return;
    }
    QDialog::closeEvent(event);
}

void XDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void XDialog::retranslate()
{
    Kit::nameIconButton(d->closeButton, tr("Close"));
}
