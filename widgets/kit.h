#pragma once

#include <QBrush>
#include <QColor>
#include <QSize>
#include <QString>

class QPainter;
class QRect;
class QWidget;

// What every widget of the kit shares: the interface scale factors and the
// program's current top-level window. The application sets both; sizes in
// the kit and the screens are design pixels that pass through px()/py().
namespace Kit {

void setScale(double x, double y);
double scaleX();
double scaleY();

// Design pixels times the horizontal (px) or vertical (py) factor, rounded down.
int px(double design);
int py(double design);
QSize size(double width, double height);
// Design pixels at an explicit factor, rounded down (the style sheets use it).
int scaled(double design, double factor);

// A bar with round ends: the track, then its first `filled` pixels in `fill`.
void paintBar(QPainter& painter, const QRect& rect, int filled, const QBrush& track, const QBrush& fill);
// Fills `widget` with the panel colour in a rectangle with rounded corners
// (the pages and the tool bar of the main window).
void paintPanel(QWidget* widget);
// Fills a pop-up in `fill` with a thin frame, rounded where a compositor
// draws translucent windows.
void paintPopup(QWidget* popup, const QColor& fill);

// The style sheet of a rounded text button `designHeight` high: the
// accent-filled primary button or the outlined secondary one.
QString buttonStyle(bool primary, double designHeight);

// The style sheet of a flat icon button, lit while hovered or focused.
QString iconButtonStyle();

// An icon button's name: its tooltip and what assistive tools read.
void nameIconButton(QWidget* button, const QString& name);

// Whether translucent windows are drawn translucent (a compositor runs);
// without one, dialogs drop their shadow margin and round by a mask.
bool hasCompositor();

QWidget* currentWindow();
void setCurrentWindow(QWidget* window);

// The kit's colours.
inline QColor windowColor()
{
    return {23, 25, 40};
}
inline QColor panelColor()
{
    return {40, 40, 59};
}
inline QColor frameColor()
{
    return {53, 53, 67};
}
inline QColor textColor()
{
    return {255, 255, 255};
}
inline QColor dimTextColor()
{
    return {151, 151, 151};
}
inline QColor accentColor()
{
    return {213, 100, 253};
}
inline QColor trackColor()
{
    return {102, 102, 102};
}

} // namespace Kit
