#pragma once

#include <QString>

// The application-wide style sheet of the standard widgets the screens use
// (menus, scroll bars, combo boxes, transparent lists, sliders, radio
// buttons), with every size scaled by the interface scale factor.
class AppStyleSheet
{
public:
    static AppStyleSheet* instance();

    // Builds the sheet at the kit's scale and sets it on the application.
    void apply();
    static QString build(double scale);

private:
    AppStyleSheet() = default;
};
