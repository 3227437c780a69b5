// zelvani-cli hotkeys: the table of global shortcuts and, with --listen, the
// bindings that fire while the keyboard is watched.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"
#include "hotkeyhook.h"
#include "soundmanager.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>

namespace cli {

namespace {

struct Binding
{
    HotKey::Ids pair;
    QString text;
    int kind;
    QPair<QString, QString> description;
};

QList<Binding> bindings(const HotKeyHook& hook)
{
    const HotKey::Table table = hook.table();
    QList<Binding> list;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        list.append({it.key(), it.value(), HotKey::classify(it.key()), hook.describeBinding(it.key())});
    std::sort(list.begin(), list.end(), [](const Binding& a, const Binding& b) { return a.pair < b.pair; });
    return list;
}

void loadSoundCatalogue()
{
    SoundManager* sounds = SoundManager::instance();
    sounds->loadCatalogue(CuteSettings::resourcesPath() + QStringLiteral("/sounds.json"));
    sounds->loadUserStores();
}

} // namespace

int runHotkeys(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {QStringLiteral("--listen")}, {QStringLiteral("--json")}, &parsed, &error))
        return usageError(err, "hotkeys", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "hotkeys",
                          QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));
    double seconds = 0.0;
    const bool listen = parsed.has(QStringLiteral("--listen"));
    if (listen) {
        bool ok = false;
        seconds = parsed.value(QStringLiteral("--listen")).toDouble(&ok);
        if (!ok || !(seconds > 0.0) || seconds > 1e6)
            return usageError(err, "hotkeys",
                              QStringLiteral("--listen needs a positive number of seconds, not '%1'")
                                  .arg(parsed.value(QStringLiteral("--listen"))));
    }

    // The names of bound effects and sounds come from the catalogues.
    loadEffectCatalogue();
    loadSoundCatalogue();
    HotKeyHook* hook = HotKeyHook::instance();
    hook->loadTable();

    const QList<Binding> table = bindings(*hook);
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray array;
        for (const Binding& binding : table)
            array.append(QJsonObject{{QStringLiteral("first"), binding.pair.first},
                                     {QStringLiteral("second"), binding.pair.second},
                                     {QStringLiteral("kind"), binding.kind},
                                     {QStringLiteral("text"), binding.text},
                                     {QStringLiteral("category"), binding.description.first},
                                     {QStringLiteral("name"), binding.description.second}});
        std::fputs(QJsonDocument(array).toJson(QJsonDocument::Indented).constData(), out);
    } else if (table.isEmpty()) {
        std::fputs("no shortcuts\n", out);
    } else {
        for (const Binding& binding : table)
            std::fprintf(out, "%-10s %8d %8d  %s: %s\n", qPrintable(binding.text), binding.pair.first,
                         binding.pair.second, qPrintable(binding.description.first),
                         qPrintable(binding.description.second));
    }
    if (std::fflush(out) != 0)
        return Failure;
    if (!listen)
        return Success;

    StopSignals stopSignals;
    hook->installHook();
    if (!hook->isListening()) {
        std::fprintf(err,
                     "zelvani-cli: hotkeys: cannot watch the keyboard: no X display, or no RECORD extension "
                     "on it (see the log)\n");
        return Failure;
    }
    QObject::connect(hook, &HotKeyHook::activated, hook, [out](QPair<int, int> ids) {
        std::fprintf(out, "activated %d %d\n", ids.first, ids.second);
        std::fflush(out);
    });
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
        if (StopSignals::caught() || clock.elapsed() >= seconds * 1000.0)
            loop.quit();
    });
    stopCheck.start(50);
    loop.exec();
    return Success;
}

} // namespace cli
