#pragma once

// What the side panels of the voice and sound pages share.

#include <QString>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;
class XLabel;

namespace PanelParts {

// A label in `color` on the panel.
QLabel* plainLabel(const char* color, QWidget* parent);
// A flat square icon button of `size` design pixels.
QPushButton* iconButton(const QString& image, double size, QWidget* parent);
// A rounded text button across the panel: accent-filled when `primary`.
QPushButton* textButton(bool primary, QWidget* parent);
// Makes `panel` a column of the panel's width headed by the item's name and
// a delete button (hidden); returns the column for the rest.
QVBoxLayout* column(QWidget* panel, XLabel** name, QPushButton** deleteButton);

} // namespace PanelParts
