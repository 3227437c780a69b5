#include "xframelesswindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

struct XFramelessWindow::Private
{
    QPointer<QWidget> titleBar;
    QList<QPointer<QWidget>> captionWidgets;
    int borderWidth = 5;
    bool resizeable = true;

    // A move or resize done by hand when the window manager takes none.
    FrameHit dragging = FrameHit::Client;
    QPoint pressPos;
    QRect pressGeometry;
    bool cursorSet = false;
    bool captionPressed = false;

    // Maximised by hand: the geometry to restore.
    QRect manualNormalGeometry;
    bool manuallyMaximized = false;
};

XFramelessWindow::XFramelessWindow(QWidget* parent) : QMainWindow(parent), d(std::make_unique<Private>())
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setMouseTracking(true);
}

void XFramelessWindow::showEvent(QShowEvent* event)
{
    // The native window's mouse events pass the filter before any child
    // widget sees them. A change of window flags makes a new native window,
    // so the filter goes on at every show (installing twice keeps one).
    windowHandle()->installEventFilter(this);
    QMainWindow::showEvent(event);
}

XFramelessWindow::~XFramelessWindow() = default;

void XFramelessWindow::setTitleBar(QWidget* titleBar)
{
    d->titleBar = titleBar; // a guarded pointer: null once the widget is gone
}

QWidget* XFramelessWindow::titleBar() const
{
    return d->titleBar;
}

void XFramelessWindow::addCaptionWidget(QWidget* widget)
{
    if (!widget || d->captionWidgets.contains(widget))
        return;
    d->captionWidgets.append(widget);
}

void XFramelessWindow::setResizeable(bool resizeable)
{
    d->resizeable = resizeable;
    setWindowFlag(Qt::WindowMaximizeButtonHint, resizeable);
}

bool XFramelessWindow::isResizeable() const
{
    return d->resizeable;
}

int XFramelessWindow::borderWidth() const
{
    return d->borderWidth;
}

FrameHit XFramelessWindow::hitTest(const QPoint& globalPos) const
{
    FrameGeometry frame;
    frame.window = frameGeometry();
    frame.borderWidth = d->borderWidth;
    frame.resizeable = d->resizeable && !isMaximized() && !isFullScreen();
    frame.fixedWidth = minimumWidth() == maximumWidth();
    frame.fixedHeight = minimumHeight() == maximumHeight();

    TitleSpot spot = TitleSpot::Outside;
    if (d->titleBar && d->titleBar->isVisible()) {
        const QPoint local = d->titleBar->mapFromGlobal(globalPos);
        if (d->titleBar->rect().contains(local)) {
            QWidget* child = d->titleBar->childAt(local);
            // A child counts as caption when it, or a parent of it below the
            // title bar, is a caption widget: a label inside the logo box too.
            spot = TitleSpot::Caption;
            for (QWidget* w = child; w && w != d->titleBar; w = w->parentWidget()) {
                spot = TitleSpot::OtherChild;
                if (d->captionWidgets.contains(w)) {
                    spot = TitleSpot::Caption;
                    break;
                }
            }
        }
    }
    return frameHitTest(frame, globalPos, spot);
}

void XFramelessWindow::toggleMaximized()
{
    if (isMaximized() || d->manuallyMaximized) {
        showNormal();
        if (d->manuallyMaximized) {
            d->manuallyMaximized = false;
            setGeometry(d->manualNormalGeometry);
        }
        return;
    }
    d->manualNormalGeometry = geometry();
    showMaximized();
    // Without a window manager nothing answers the request: take the
    // screen's available area by hand, so the content stays on the screen.
    QTimer::singleShot(300, this, [this] {
        const QRect available = screen() ? screen()->availableGeometry() : QRect();
        if (isMaximized() && available.isValid() && frameGeometry() != available) {
            d->manuallyMaximized = true;
            setGeometry(available);
        }
    });
}

void XFramelessWindow::showFullScreen()
{
    d->manuallyMaximized = false;
    QMainWindow::showFullScreen();
}

void XFramelessWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && !isMaximized())
        d->manuallyMaximized = false;
    QMainWindow::changeEvent(event);
}

namespace {

Qt::CursorShape cursorFor(FrameHit hit)
{
    switch (hit) {
    case FrameHit::Left:
    case FrameHit::Right:
        return Qt::SizeHorCursor;
    case FrameHit::Top:
    case FrameHit::Bottom:
        return Qt::SizeVerCursor;
    case FrameHit::TopLeft:
    case FrameHit::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameHit::TopRight:
    case FrameHit::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FrameHit::Client:
    case FrameHit::Caption:
        break;
    }
    return Qt::ArrowCursor;
}

// The rectangle `start` with the edges of `hit` moved by `delta`, kept within
// the minimum and maximum size.
QRect resized(const QRect& start, FrameHit hit, const QPoint& delta, const QSize& min, const QSize& max)
{
    const Qt::Edges edges = frameHitEdges(hit);
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qBound(start.right() - max.width() + 1, start.left() + delta.x(),
                         start.right() - min.width() + 1));
    if (edges & Qt::RightEdge)
        r.setRight(qBound(start.left() + min.width() - 1, start.right() + delta.x(),
                          start.left() + max.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qBound(start.bottom() - max.height() + 1, start.top() + delta.y(),
                        start.bottom() - min.height() + 1));
    if (edges & Qt::BottomEdge)
        r.setBottom(qBound(start.top() + min.height() - 1, start.bottom() + delta.y(),
                           start.top() + max.height() - 1));
    return r;
}

} // namespace

bool XFramelessWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != windowHandle())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const FrameHit hit = hitTest(mouse->globalPos());
        if (hit == FrameHit::Client)
            break;
        d->pressPos = mouse->globalPos();
        d->pressGeometry = geometry();
        if (hit == FrameHit::Caption) {
            // The move starts once the pointer travels, so that a click and a
            // double click on the caption stay ours.
            d->captionPressed = true;
            return true;
        }
        if (!windowHandle()->startSystemResize(frameHitEdges(hit)))
            d->dragging = hit;
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (d->captionPressed && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->globalPos() - d->pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            d->captionPressed = false;
            if (!windowHandle()->startSystemMove())
                d->dragging = FrameHit::Caption;
        }
        if (d->dragging != FrameHit::Client) {
            const QPoint delta = mouse->globalPos() - d->pressPos;
            if (d->dragging == FrameHit::Caption)
                move(d->pressGeometry.topLeft() + delta);
            else
                setGeometry(resized(d->pressGeometry, d->dragging, delta, minimumSize(), maximumSize()));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton) {
            const FrameHit hit = hitTest(mouse->globalPos());
            const bool band = hit != FrameHit::Client && hit != FrameHit::Caption;
            if (band) {
                windowHandle()->setCursor(cursorFor(hit));
                d->cursorSet = true;
            } else if (d->cursorSet) {
                windowHandle()->unsetCursor();
                d->cursorSet = false;
            }
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        d->captionPressed = false;
        if (d->dragging != FrameHit::Client) {
            d->dragging = FrameHit::Client;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && d->resizeable &&
            hitTest(mouse->globalPos()) == FrameHit::Caption) {
            toggleMaximized();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
