// zelvani-cli update-check: the program's update check, run once and printed.

#include "updatecommand.h"

#include "appmanager.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>
#include <QUrl>

namespace cli {

namespace {

// The program itself waits without limit; a command gives up at some point.
constexpr int kAnswerTimeoutMs = 30000;

QString valueText(const QVariant& value)
{
    // Nested members (not part of the update document) are shown as compact JSON.
    if (value.type() == QVariant::List || value.type() == QVariant::Map)
        return QString::fromUtf8(QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact));
    return value.toString();
}

} // namespace

int runUpdateCheck(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {QStringLiteral("--server")}, {}, &parsed, &error))
        return usageError(err, "update-check", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "update-check",
                          QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));

    QString server;
    if (parsed.has(QStringLiteral("--server"))) {
        server = parsed.value(QStringLiteral("--server")).trimmed();
        const QUrl url(server, QUrl::StrictMode);
        const QString scheme = url.scheme();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return usageError(
                err, "update-check",
                QStringLiteral("--server wants a base address such as https://host[:port], not '%1'")
                    .arg(server));
    } else {
        server = CuteSettings::instance()->configValue(QStringLiteral("UpdateServer"));
        if (server.isEmpty()) {
            std::fprintf(
                err,
                "zelvani-cli: update-check: no update server: set UpdateServer in %s/appconfig.ini or "
                "%s, or give --server URL\n",
                qPrintable(CuteSettings::configPath()),
                qPrintable(CuteSettings::configEnvironmentVariable(QStringLiteral("UpdateServer"))));
            return Failure;
        }
    }

    AppManager* manager = AppManager::instance();
    QEventLoop loop;
    bool answered = false;
    QVariantMap info;
    QString failure;
    // Connected with the loop as context, so both go when the loop does.
    QObject::connect(manager, &AppManager::updateCheckFailed, &loop,
                     [&failure](const QString& reason) { failure = reason; });
    QObject::connect(manager, &AppManager::updateChecked, &loop, [&](const QVariantMap& answer, bool) {
        info = answer;
        answered = true;
        loop.quit();
    });
    QTimer::singleShot(kAnswerTimeoutMs, &loop, &QEventLoop::quit);
    manager->checkForUpdateAt(server);
    loop.exec();

    const QString url = AppManager::updateUrl(server).toString();
    if (!answered) {
        std::fprintf(err, "zelvani-cli: update-check: no answer from %s within %d s\n", qPrintable(url),
                     kAnswerTimeoutMs / 1000);
        return Failure;
    }

    const QString resultKey = QStringLiteral("CheckResult");
    const int result = info.value(resultKey).toInt();
    for (auto it = info.constBegin(); it != info.constEnd(); ++it) {
        if (it.key() != resultKey)
            std::fprintf(out, "%s: %s\n", it.key().toUtf8().constData(),
                         valueText(it.value()).toUtf8().constData());
    }
    std::fprintf(out, "CheckResult: %d\n", result);
    if (std::fflush(out) != 0)
        return Failure;
    if (result < 0) {
        // Transfer errors name the address already; others (a refused connection) do not.
        const QString reason = failure.contains(url) ? failure : QStringLiteral("%1: %2").arg(url, failure);
        std::fprintf(err, "zelvani-cli: update-check: the check failed: %s\n", qPrintable(reason));
        return Failure;
    }
    return Success;
}

} // namespace cli
