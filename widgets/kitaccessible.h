#pragma once

class QWidget;

// What assistive tools read from the kit's custom-painted widgets: the switch
// as a check box with its state and a toggle action, a navigation entry as a
// page tab, the level bar as a progress bar with its value.
namespace KitAccessible {

// Registers the interfaces once; every custom-painted widget calls it.
void install();
void stateChanged(QWidget* widget);
void valueChanged(QWidget* widget, int value);

} // namespace KitAccessible
