// zelvani-gallery: the widget kit in every state, for screenshots and for
// looking at a language or a scale.
//   zelvani-gallery [--language N] [--scale F] [--open dialog|message|notice]
//                   [--screenshot FILE [--delay MS]]
// With --screenshot it grabs the gallery's part of the screen into FILE after
// the delay and ends.

#include "appmanager.h"
#include "kit.h"
#include "kitgallery.h"
#include "screenoptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AppManager::applyProcessIdentity();
    QCommandLineParser parser;
    parser.addHelpOption();
    const ScreenOptions options;
    options.addTo(parser);
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("dialog, message or notice."),
                                  QStringLiteral("WHAT"));
    parser.addOption(open);
    parser.process(app);
    if (!options.applyLook(parser))
        return 1;

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

    if (parser.isSet(options.screenshot)) {
        const QString file = parser.value(options.screenshot);
        QTimer::singleShot(parser.value(options.delay).toInt(), &app, [file, &gallery] {
            // The gallery and what opened over it.
            QCoreApplication::exit(saveScreenArea(file, gallery.frameGeometry()) ? 0 : 1);
        });
    }
    return app.exec();
}
