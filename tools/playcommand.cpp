// zelvani-cli play: plays a sound file through the audio library to an output.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <thread>

namespace cli {

namespace {

constexpr int kMaxChannels = 32;
constexpr auto kPollInterval = std::chrono::milliseconds(50);
// What the sound server still holds when the last block left the mixer.
constexpr auto kDrainTime = std::chrono::milliseconds(100);

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(QLatin1Char('\'') + name + QLatin1Char('\''));
    return quoted.join(QLatin1String(", "));
}

} // namespace

int findOutputDriver(const QStringList& names, const QString& query, QString* error)
{
    const int exact = names.indexOf(query);
    if (exact >= 0)
        return exact;
    QVector<int> sameName;
    QVector<int> containing;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(query, Qt::CaseInsensitive) == 0)
            sameName.append(i);
        else if (names[i].contains(query, Qt::CaseInsensitive))
            containing.append(i);
    }
    if (sameName.size() == 1)
        return sameName[0];
    if (sameName.isEmpty() && containing.size() == 1)
        return containing[0];

    const QVector<int>& matches = sameName.isEmpty() ? containing : sameName;
    if (names.isEmpty()) {
        *error = QStringLiteral("no output is named '%1': there are no outputs").arg(query);
    } else if (matches.isEmpty()) {
        *error = QStringLiteral("no output is named '%1'; the outputs are: %2").arg(query, quotedList(names));
    } else {
        QStringList matched;
        for (int i : matches)
            matched.append(names[i]);
        *error = QStringLiteral("'%1' matches several outputs: %2; give more of the name")
                     .arg(query, quotedList(matched));
    }
    return -1;
}

bool parseVolume(const QString& text, float* volume)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value) || value < 0.0f || value > 10.0f)
        return false;
    *volume = value;
    return true;
}

QString formatClock(unsigned milliseconds)
{
    const unsigned seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int runPlay(const QStringList& arguments, std::FILE*, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {QStringLiteral("--output"), QStringLiteral("--volume")},
                        {QStringLiteral("--loop")}, &parsed, &error))
        return usageError(err, "play", error);
    if (parsed.positional.isEmpty())
        return usageError(err, "play", QStringLiteral("missing FILE"));
    if (parsed.positional.size() > 1)
        return usageError(err, "play", QStringLiteral("unexpected argument '%1'").arg(parsed.positional[1]));
    const QString path = parsed.positional[0];
    float volume = 1.0f;
    if (parsed.has(QStringLiteral("--volume")) &&
        !parseVolume(parsed.value(QStringLiteral("--volume")), &volume))
        return usageError(err, "play",
                          QStringLiteral("--volume needs a number from 0 to 10, not '%1'")
                              .arg(parsed.value(QStringLiteral("--volume"))));
    const bool selectOutput = parsed.has(QStringLiteral("--output"));
    const QString outputName = parsed.value(QStringLiteral("--output"));
    if (selectOutput && outputName.isEmpty())
        return usageError(err, "play", QStringLiteral("--output needs a device name"));
    const bool loop = parsed.has(QStringLiteral("--loop"));

    LibraryLog libraryLog(err);
    // Caught from here on, so a stop during a slow open still ends cleanly.
    StopSignals stopSignals;
    zaudio::System system;
    if (zaudio::Result r = zaudio::createSystem(&system); r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot start the audio library: %s\n", zaudio::errorString(r));
        return Failure;
    }
    SystemGuard guard(system);

    if (selectOutput) {
        int count = 0;
        if (zaudio::Result r = system.getNumDrivers(&count); r != zaudio::Ok) {
            std::fprintf(err, "zelvani-cli: cannot list the outputs: %s\n", zaudio::errorString(r));
            return Failure;
        }
        QStringList names;
        for (int id = 0; id < count; ++id) {
            char name[512] = {};
            system.getDriverInfo(id, name, sizeof name, nullptr, nullptr, nullptr, nullptr);
            names.append(QString::fromUtf8(name));
        }
        const int driver = findOutputDriver(names, outputName, &error);
        if (driver < 0) {
            std::fprintf(err, "zelvani-cli: %s\n", qPrintable(error));
            return Failure;
        }
        if (zaudio::Result r = system.setDriver(driver); r != zaudio::Ok) {
            std::fprintf(err, "zelvani-cli: cannot select the output '%s': %s\n", qPrintable(names[driver]),
                         zaudio::errorString(r));
            return Failure;
        }
    } else {
        // The output the engine would choose; none without a server.
        const AudioDevice chosen = deviceReport().chosen[DeviceSelection::KindOutput].device;
        if (!chosen.name.isEmpty() && system.setDriver(chosen.id) != zaudio::Ok)
            std::fprintf(err, "zelvani-cli: cannot select the output '%s'; playing to the default output\n",
                         chosen.name.toUtf8().constData());
    }

    if (zaudio::Result r = system.init(kMaxChannels); r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot start the audio output: %s\n", zaudio::errorString(r));
        return Failure;
    }
    zaudio::OutputType output = zaudio::OutputType::Pulse;
    system.getOutput(&output);
    if (output == zaudio::OutputType::NoSound)
        std::fputs("zelvani-cli: no sound server: playing to the NoSound Driver\n", err);

    zaudio::Sound sound;
    const unsigned mode =
        zaudio::CreateStream | zaudio::AccurateTime | (loop ? zaudio::LoopNormal : zaudio::LoopOff);
    if (zaudio::Result r = system.createSound(QFile::encodeName(path).constData(), mode, nullptr, &sound);
        r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot open %s: %s\n", qPrintable(path), zaudio::errorString(r));
        return Failure;
    }
    unsigned lengthMs = 0;
    sound.getLength(&lengthMs, zaudio::TimeUnitMs);

    // Started paused so the first block already has the asked volume.
    zaudio::Channel channel;
    zaudio::Result r = system.playSound(sound, nullptr, true, &channel);
    if (r == zaudio::Ok)
        r = channel.setVolume(volume);
    if (r == zaudio::Ok)
        r = channel.setPaused(false);
    if (r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot play %s: %s\n", qPrintable(path), zaudio::errorString(r));
        return Failure;
    }

    ProgressLine progress(err);
    const QString name = QFileInfo(path).fileName();
    const QString total = formatClock(lengthMs);
    bool endedByItself = false;
    for (;;) {
        if (StopSignals::caught()) {
            channel.stop();
            break;
        }
        bool playing = false;
        if (channel.isPlaying(&playing) != zaudio::Ok || !playing) {
            endedByItself = true;
            break;
        }
        if (progress.enabled()) {
            unsigned positionMs = 0;
            if (channel.getPosition(&positionMs, zaudio::TimeUnitMs) == zaudio::Ok)
                progress.show(
                    QStringLiteral("playing %1  %2 / %3").arg(name, formatClock(positionMs), total));
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    if (endedByItself) {
        progress.show(QStringLiteral("playing %1  %2 / %2").arg(name, total), true);
        if (output == zaudio::OutputType::Pulse)
            std::this_thread::sleep_for(kDrainTime);
    }
    progress.finish(true);
    // Stopped by Ctrl+C or SIGTERM counts as a normal end: exit code 0.
    return Success;
}

} // namespace cli
