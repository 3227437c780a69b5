#include "screenoptions.h"

#include "appmanager.h"
#include "appstylesheet.h"
#include "kit.h"
#include "languagesettings.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

bool ScreenOptions::applyLook(const QCommandLineParser& parser) const
{
    const double factor = parser.value(scale).toDouble();
    Kit::setScale(factor, factor);
    AppManager::registerFontSubstitutes();
    const int languageNumber = parser.value(language).toInt();
    const FontEntry font = AppManager::fontEntry(languageNumber);
    QApplication::setFont(QFont(QString::fromLatin1(font.family), font.applicationSize));
    if (!LanguageSettings::instance()->setLanguage(languageNumber))
        return false;
    AppStyleSheet::instance()->apply();
    return true;
}

bool saveScreenArea(const QString& file, QRect area)
{
    const int margin = Kit::px(16);
    area.adjust(-margin, -margin, margin, margin);
    QScreen* screen = QGuiApplication::primaryScreen();
    const bool saved =
        screen && screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file, "PNG");
    if (!saved)
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    return saved;
}
