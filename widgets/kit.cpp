#include "kit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QX11Info>

#include <cmath>

namespace Kit {
namespace {

double g_scaleX = 1.0;
double g_scaleY = 1.0;
QPointer<QWidget> g_currentWindow;

} // namespace

void setScale(double x, double y)
{
    g_scaleX = x > 0 ? x : 1.0;
    g_scaleY = y > 0 ? y : 1.0;
}

double scaleX()
{
    return g_scaleX;
}

double scaleY()
{
    return g_scaleY;
}

int scaled(double design, double factor)
{
    // A small epsilon keeps 28 x 1.25 at 35 when the product lands just under it.
    return static_cast<int>(std::floor(design * factor + 1e-9));
}

int px(double design)
{
    return scaled(design, g_scaleX);
}

int py(double design)
{
    return scaled(design, g_scaleY);
}

QSize size(double width, double height)
{
    return {px(width), py(height)};
}

void paintPanel(QWidget* widget)
{
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(panelColor());
    painter.drawRoundedRect(widget->rect(), px(8), px(8));
}

void paintPopup(QWidget* popup, const QColor& fill)
{
    QPainter painter(popup);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(frameColor(), 1));
    painter.setBrush(fill);
    const int radius = hasCompositor() ? px(8) : 0;
    painter.drawRoundedRect(QRectF(popup->rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void paintBar(QPainter& painter, const QRect& rect, int filled, const QBrush& track, const QBrush& fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double radius = rect.height() / 2.0;
    painter.setBrush(track);
    painter.drawRoundedRect(rect, radius, radius);
    if (filled > 0) {
        // Clip rather than shrink, so the left end keeps its round cap.
        painter.setClipRect(QRect(rect.left(), rect.top(), filled, rect.height()));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius);
    }
    painter.restore();
}

QString buttonStyle(bool primary, double designHeight)
{
    const QString sheet =
        primary
            ? QStringLiteral(
                  "QPushButton { color: #FFFFFF; border: none; border-radius: %1px; padding: 0 %2px; "
                  "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgb(205,94,240), "
                  "stop:1 rgb(106,50,255)); } QPushButton:focus { border: 1px solid #FFFFFF; } "
                  "QPushButton:disabled { color: #979797; background: #45455E; }")
            : QStringLiteral("QPushButton { color: #DCDCDC; border: 1px solid #5A5A70; border-radius: %1px; "
                             "padding: 0 %2px; background: transparent; } QPushButton:hover { border-color: "
                             "#9797A8; } QPushButton:focus { border-color: #FFFFFF; } QPushButton:disabled { "
                             "color: #666677; "
                             "border-color: #3A3A4C; }");
    return sheet.arg(py(designHeight / 2)).arg(px(16));
}

QString iconButtonStyle()
{
    return QStringLiteral(
               "QPushButton { border: none; background: transparent; }"
               "QPushButton:hover, QPushButton:focus { background: #45455E; border-radius: %1px; }")
        .arg(px(4));
}

void nameIconButton(QWidget* button, const QString& name)
{
    button->setToolTip(name);
    button->setAccessibleName(name);
}

bool hasCompositor()
{
    return QGuiApplication::platformName() != QLatin1String("xcb") || QX11Info::isCompositingManagerRunning();
}

QWidget* currentWindow()
{
    return g_currentWindow.data();
}

void setCurrentWindow(QWidget* window)
{
    g_currentWindow = window;
}

} // namespace Kit
