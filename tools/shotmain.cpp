// Saves what an X display shows, or a window of it, as a PNG: the program's
// screenshots are taken from outside, as a user would see them.
//
//   zelvani-shot OUT.png [WINDOW-ID | X Y W H]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 1 && arguments.size() != 2 && arguments.size() != 5) {
        err << "usage: zelvani-shot OUT.png [WINDOW-ID | X Y W H]\n";
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        err << "zelvani-shot: no screen\n";
        return 1;
    }
    QPixmap shot;
    if (arguments.size() == 2)
        shot = screen->grabWindow(static_cast<WId>(arguments.at(1).toULongLong(nullptr, 0)));
    else if (arguments.size() == 5)
        shot = screen->grabWindow(0, arguments.at(1).toInt(), arguments.at(2).toInt(),
                                  arguments.at(3).toInt(), arguments.at(4).toInt());
    else
        shot = screen->grabWindow(0);
    if (shot.isNull() || !shot.save(arguments.at(0))) {
        err << "zelvani-shot: cannot save " << arguments.at(0) << "\n";
        return 1;
    }
    return 0;
}
