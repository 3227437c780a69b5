// A small program around XApplication for the single-instance tests. It
// reports its role on stdout, one flushed line per event:
//   primary <block name>
//   secondary <instance id> <primary pid>
//   instanceStarted
//   message <instance id> <body>
// A primary runs until --run-ms passes or its stdin closes; a secondary ends
// right after construction.
//
// Options: --app-name N, --version V, --options N, --timeout MS,
//          --no-secondary, --run-ms MS
// With --try NAME it starts nothing: it tries to read the shared block and
// to connect to the socket of NAME and prints "block open|denied" and
// "socket open|denied" (the exposure test runs it as another user).

#include "xapplication.h"

#include <QLocalSocket>
#include <QSharedMemory>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void say(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int tryOthers(const QString& name)
{
    QSharedMemory block(name);
    say(block.attach(QSharedMemory::ReadOnly) ? "block open" : "block denied");
    QLocalSocket socket;
    socket.connectToServer(name);
    say(socket.waitForConnected(2000) ? "socket open" : "socket denied");
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "--try")) {
        QCoreApplication app(argc, argv);
        return tryOthers(QString::fromLocal8Bit(argv[2]));
    }
    QString appName = QStringLiteral("XAppProbe");
    QString version = QStringLiteral("1");
    int options = XApplication::NotifyPrimary;
    int timeoutMs = 1000;
    int runMs = -1;
    bool allowSecondary = true;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--app-name") && hasValue)
            appName = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--version") && hasValue)
            version = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--options") && hasValue)
            options = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--timeout") && hasValue)
            timeoutMs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--run-ms") && hasValue)
            runMs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--no-secondary"))
            allowSecondary = false;
    }

    QCoreApplication::setOrganizationName(QStringLiteral("Zelvani"));
    QCoreApplication::setApplicationName(appName);
    QCoreApplication::setApplicationVersion(version);

    XApplication app(argc, argv, allowSecondary, options, timeoutMs);
    if (app.isSecondary()) {
        say("secondary " + QByteArray::number(app.instanceId()) + ' ' + QByteArray::number(app.primaryPid()));
        return 0;
    }

    say("primary " + app.blockName().toLatin1());
    QObject::connect(&app, &XApplication::instanceStarted, [] { say("instanceStarted"); });
    QObject::connect(&app, &XApplication::receivedMessage, [](quint32 id, const QByteArray& body) {
        say("message " + QByteArray::number(id) + ' ' + body);
    });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof(buffer)) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    if (runMs >= 0)
        QTimer::singleShot(runMs, &app, &QCoreApplication::quit);
    return app.exec();
}
