#include "appstylesheet.h"

#include "kit.h"

#include <QApplication>

#include <initializer_list>

namespace {

// `text` with %1, %2, ... filled with floor(scale x base) of each base; every
// occurrence of a placeholder gets the same value.
QString scaled(const char* text, double scale, std::initializer_list<int> bases)
{
    QString sheet = QString::fromLatin1(text);
    for (const int base : bases)
        sheet = sheet.arg(Kit::scaled(base, scale));
    return sheet;
}

} // namespace

AppStyleSheet* AppStyleSheet::instance()
{
    static AppStyleSheet sheet;
    return &sheet;
}

void AppStyleSheet::apply()
{
    qApp->setStyleSheet(build(Kit::scaleX()));
}

QString AppStyleSheet::build(double scale)
{
    QString sheet;
    sheet += scaled("QMenu { background: #3F3F4E; border: 1px solid #2C2C3F; } "
                    "QMenu::item { height: %1px; padding: 0px %2px 0px %3px; color: #DCDCDC; } "
                    "QMenu::item:selected { background: rgb(148,95,238); color: #FFFFFF } "
                    "QMenu::icon { margin-left: %4px; } "
                    "QMenu::right-arrow { image: url(:/images/expand_1.png); } "
                    "QMenu::right-arrow:selected { image: url(:/images/expand_2.png); }",
                    scale, {28, 25, 20, 12});
    sheet += scaled(
        "QScrollBar:horizontal { border: none; background: transparent; height: %1px; margin: 0px 0px 0px "
        "0px; } "
        "QScrollBar::handle:horizontal { background: rgba(153,153,153,210); min-width: %2px; border-radius: "
        "%3px } "
        "QScrollBar::handle:horizontal:hover, QScrollBar::handle:horizontal:pressed { background: "
        "rgba(153,153,153,180); } "
        "QScrollBar::add-line:horizontal { width: 0px; subcontrol-position: right; subcontrol-origin: "
        "margin; } "
        "QScrollBar::sub-line:horizontal { width: 0px; subcontrol-position: left; subcontrol-origin: margin; "
        "} "
        "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; } "
        "QScrollBar:vertical { border: none; background: transparent; width: %1px; margin: 0px 0px 0px 0px; "
        "} "
        "QScrollBar::handle:vertical { background: rgba(153,153,153,210); min-height: %2px; border-radius: "
        "%3px } "
        "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: "
        "rgba(153,153,153,180); } "
        "QScrollBar::add-line:vertical { height: 0px; subcontrol-position: bottom; subcontrol-origin: "
        "margin; } "
        "QScrollBar::sub-line:vertical { height: 0px; subcontrol-position: top; subcontrol-origin: margin; } "
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }",
        scale, {4, 4, 2});
    sheet += scaled(
        "QComboBox{ color: #999999; background: #171718; padding: 1px %1px 1px %1px; padding-left: %5px; "
        "border: 1px solid #171718; border-radius: %1px %1px 0px 0px; } "
        "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right; width: %2px; "
        "border: none; } "
        "QComboBox::down-arrow { padding-right: %3px; width: %2px; height: %2px; image: "
        "url(:/images/drop-down.png); } "
        "QComboBox QAbstractItemView { background: rgba(40,40,46,1); border:1px solid rgba(40,40,46,1); "
        "border-radius: 0px 0px %1px %1px; outline: 0px; } "
        "QComboBox QAbstractItemView::item { height: %4px; color: #999999; padding-left: %5px; "
        "background-color: #28282E; } "
        "QComboBox QAbstractItemView::item:hover { background-color: rgb(23,23,24); color: #999999; } "
        "QComboBox QAbstractItemView::item:selected { background-color: rgb(23,23,24); color: #999999; }",
        scale, {5, 20, 15, 32, 9});
    sheet += QStringLiteral(
        "QListView[style='transparent'] { background: transparent; border: none; outline:none; } "
        "QListView[style='transparent']::item { border: none; outline:none; }");
    sheet += scaled(
        "QSlider::sub-page:horizontal { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgb(205, "
        "94, "
        "240), stop:1 rgb(106, 50, 255)); border: none; border-radius: %1px; } "
        "QSlider::add-page:horizontal { background: rgb(102, 102, 102); border: 1px solid rgb(102, 102, "
        "102); "
        "border-radius: %1px; } "
        "QSlider::groove:horizontal { height: %2px; background: rgb(102, 102, 102); border: 1px solid "
        "rgb(102, "
        "102, 102); border-radius: %1px; padding-left: -1px; padding-right: -1px; } "
        "QSlider::handle:horizontal { width: %3px; background: qradialgradient(spread:pad, cx:0.5, cy:0.5, "
        "radius:0.5, fx:0.5, fy:0.5, stop:0.55 rgb(255, 255, 255), stop:0.778409 rgb(205, 94, 240)); "
        "margin-top: "
        "-%4px; margin-bottom: -%4px; border-radius: %5px; } "
        "QSlider::sub-page:horizontal:disabled { background: rgb(102, 102, 102); border: 1px solid rgb(102, "
        "102, "
        "102); border-radius: %1px; } "
        "QSlider::handle:horizontal:disabled { width: %3px; background: qradialgradient(spread:pad, cx:0.5, "
        "cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0.55 rgb(255, 255, 255), stop:0.778409 rgb(102, 102, "
        "102)); "
        "margin-top: -%4px; margin-bottom: -%4px; border-radius: %5px; }",
        scale, {2, 3, 15, 6, 7});
    sheet +=
        scaled("QRadioButton { color: rgb(255, 255, 255); } QRadioButton::indicator { width: %1px; height: "
               "%1px; } QRadioButton::indicator::unchecked { image: url(:/images/radio_1.png); } "
               "QRadioButton::indicator::checked { image: url(:/images/radio_2.png); }",
               scale, {20});
    return sheet;
}
