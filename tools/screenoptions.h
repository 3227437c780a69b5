#pragma once
// The options the screenshot tools share: the language, the interface scale,
// the file to write and the wait before it, and the look they set up.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRect>

class QWidget;

struct ScreenOptions
{
    QCommandLineOption language{QStringLiteral("language"), QStringLiteral("Language number 0-12."),
                                QStringLiteral("N"), QStringLiteral("0")};
    QCommandLineOption scale{QStringLiteral("scale"), QStringLiteral("Interface scale factor."),
                             QStringLiteral("F"), QStringLiteral("1")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"), QStringLiteral("Write the screen to FILE."),
                                  QStringLiteral("FILE")};
    QCommandLineOption delay{QStringLiteral("delay"), QStringLiteral("Wait before the screenshot."),
                             QStringLiteral("MS"), QStringLiteral("800")};

    void addTo(QCommandLineParser& parser) const { parser.addOptions({language, scale, screenshot, delay}); }
    // Scale, fonts, language and style sheet as the parser says; false when
    // the language cannot be loaded.
    bool applyLook(const QCommandLineParser& parser) const;
};

// Saves the screen's `area` (grown by a margin of the desktop) as a PNG;
// false, with a line on standard error, when it cannot.
bool saveScreenArea(const QString& file, QRect area);
