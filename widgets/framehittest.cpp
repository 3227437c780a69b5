#include "framehittest.h"

FrameHit frameHitTest(const FrameGeometry& frame, QPoint point, TitleSpot spot)
{
    const QRect& r = frame.window;
    const int band = frame.borderWidth;
    if (frame.resizeable && band > 0 && r.contains(point)) {
        const bool horizontal = !frame.fixedWidth;
        const bool vertical = !frame.fixedHeight;
        // QRect::right() is the last pixel; the band covers [right - band + 1, right].
        const bool nearLeft = point.x() < r.left() + band;
        const bool nearRight = point.x() > r.right() - band;
        const bool nearTop = point.y() < r.top() + band;
        const bool nearBottom = point.y() > r.bottom() - band;
        if (horizontal && vertical) {
            if (nearBottom && nearLeft)
                return FrameHit::BottomLeft;
            if (nearBottom && nearRight)
                return FrameHit::BottomRight;
            if (nearTop && nearLeft)
                return FrameHit::TopLeft;
            if (nearTop && nearRight)
                return FrameHit::TopRight;
        }
        if (horizontal && nearLeft)
            return FrameHit::Left;
        if (horizontal && nearRight)
            return FrameHit::Right;
        if (vertical && nearBottom)
            return FrameHit::Bottom;
        if (vertical && nearTop)
            return FrameHit::Top;
    }
    return spot == TitleSpot::Caption ? FrameHit::Caption : FrameHit::Client;
}

Qt::Edges frameHitEdges(FrameHit hit)
{
    switch (hit) {
    case FrameHit::Left:
        return Qt::LeftEdge;
    case FrameHit::Right:
        return Qt::RightEdge;
    case FrameHit::Top:
        return Qt::TopEdge;
    case FrameHit::Bottom:
        return Qt::BottomEdge;
    case FrameHit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameHit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameHit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameHit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case FrameHit::Client:
    case FrameHit::Caption:
        break;
    }
    return {};
}
