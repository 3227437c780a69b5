#pragma once

#include <QPoint>
#include <QRect>

// Where a point of a frameless window lies: a resize band, the caption (which
// drags the window) or the client area (the widget under it gets the mouse).
enum class FrameHit
{
    Client,
    Caption,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

// What lies under the point inside the title bar.
enum class TitleSpot
{
    Outside,   // not over the title bar, or there is none
    Caption,   // the title bar itself or one of its caption widgets
    OtherChild // a child that handles the mouse itself (a button)
};

struct FrameGeometry
{
    QRect window;             // the window's rectangle
    int borderWidth = 5;      // the resize band along each edge
    bool resizeable = true;   // the window resizes by its borders at all
    bool fixedWidth = false;  // minimum width equals maximum width
    bool fixedHeight = false; // minimum height equals maximum height
};

// Bands come first, corners before edges; a fixed axis has no band and no
// corners. Outside the bands, a caption spot drags and anything else is client.
FrameHit frameHitTest(const FrameGeometry& frame, QPoint point, TitleSpot spot);

// The edges that a band resizes (none for Client and Caption).
Qt::Edges frameHitEdges(FrameHit hit);
