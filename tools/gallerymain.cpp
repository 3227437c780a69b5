// zelvani-gallery: the widget kit in every state, for screenshots and for
// looking at a language or a scale.
//   zelvani-gallery [--language N] [--scale F] [--open dialog|message|notice]
//                   [--screenshot FILE [--delay MS]]
// With --screenshot it grabs the gallery's part of the screen into FILE after
// the delay and ends.

#include "appmanager.h"
#include "appstylesheet.h"
#include "kit.h"
#include "kitgallery.h"
#include "languagesettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AppManager::applyProcessIdentity();
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("Language number 0-12."),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Interface scale factor."),
                                   QStringLiteral("F"), QStringLiteral("1"));
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("dialog, message or notice."),
                                  QStringLiteral("WHAT"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write the screen to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Wait before the screenshot."),
                                   QStringLiteral("MS"), QStringLiteral("800"));
    parser.addOptions({language, scale, open, screenshot, delay});
    parser.process(app);

    const double factor = parser.value(scale).toDouble();
    Kit::setScale(factor, factor);
    AppManager::registerFontSubstitutes();
    const int languageNumber = parser.value(language).toInt();
    const FontEntry font = AppManager::fontEntry(languageNumber);
    QApplication::setFont(QFont(QString::fromLatin1(font.family), font.applicationSize));
    if (!LanguageSettings::instance()->setLanguage(languageNumber))
        return 1;
    AppStyleSheet::instance()->apply();

    KitGallery gallery;
    Kit::setCurrentWindow(&gallery);
    gallery.move(Kit::px(20), Kit::py(20));
    gallery.show();

    const QString what = parser.value(open);
    QTimer::singleShot(100, &gallery, [&gallery, what] {
        if (what == QLatin1String("dialog"))
            gallery.openDialog();
        else if (what == QLatin1String("message"))
            gallery.openMessage();
        else if (what == QLatin1String("notice"))
            gallery.openNotice();
    });

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(parser.value(delay).toInt(), &app, [file, &gallery] {
            // The gallery and what opened over it, with a margin of the desktop.
            const int margin = Kit::px(16);
            const QRect area = gallery.frameGeometry().adjusted(-margin, -margin, margin, margin);
            QScreen* screen = QGuiApplication::primaryScreen();
            const bool saved =
                screen &&
                screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file, "PNG");
            if (!saved)
                std::fprintf(stderr, "zelvani-gallery: could not write %s\n", qPrintable(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
