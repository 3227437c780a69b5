// `live`: the voice changer without windows. The engine starts as the
// program starts it, applies the chain as an effect and runs until stopped,
// printing the meters once a second.

#include "audiocapturepulse.h"
#include "audiocommands.h"
#include "audiomanager.h"
#include "audioplayback.h"
#include "cli.h"
#include "commandsupport.h"
#include "enginesetup.h"
#include "limiterwatch.h"
#include "utility.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace cli {
namespace {

// The exact name of the device that `query` names, or empty with `error` set.
QString resolveDevice(const QList<AudioDevice>& devices, const QString& query, const char* kind,
                      QString* error)
{
    QStringList names;
    for (const AudioDevice& device : devices)
        names.append(device.name);
    const int index = findOutputDriver(names, query, error);
    if (index < 0) {
        *error = QStringLiteral("%1: %2").arg(QLatin1String(kind), *error);
        return QString();
    }
    return names[index];
}

} // namespace

int runLive(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    QVector<ChainUnit> units;
    QVector<ChainPlugin> plugins;
    if (!parseArguments(
            arguments,
            QStringList{QStringLiteral("--input"), QStringLiteral("--output"), QStringLiteral("--seconds")} +
                chainOptionNames(),
            {QStringLiteral("--no-hear")}, &parsed, &error) ||
        !parseChain(parsed.options, &units, &plugins, &error, &resolveEffectOption))
        return usageError(err, "live", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "live", QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));
    double seconds = 0.0;
    if (parsed.has(QStringLiteral("--seconds"))) {
        bool ok = false;
        seconds = parsed.value(QStringLiteral("--seconds")).toDouble(&ok);
        if (!ok || !(seconds > 0.0) || seconds > 1e6)
            return usageError(err, "live",
                              QStringLiteral("--seconds needs a positive number, not '%1'")
                                  .arg(parsed.value(QStringLiteral("--seconds"))));
    }

    StopSignals stopSignals;
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    if (inputs.isEmpty() || outputs.isEmpty()) {
        std::fputs(inputs.isEmpty() && outputs.isEmpty() ? "zelvani-cli: no sound server or no devices\n"
                   : inputs.isEmpty()                    ? "zelvani-cli: no microphone\n"
                                                         : "zelvani-cli: no output device\n",
                   err);
        return Failure;
    }
    // --input and --output stand in for the stored names, exact names only.
    QHash<QString, QVariant> overrides;
    const struct
    {
        const char* option;
        const QList<AudioDevice>& devices;
        const char* key;
    } choices[] = {{"--input", inputs, "InputName"}, {"--output", outputs, "OutputName"}};
    for (const auto& choice : choices) {
        const QString option = QLatin1String(choice.option);
        if (!parsed.has(option))
            continue;
        const QString name = resolveDevice(choice.devices, parsed.value(option), choice.option, &error);
        if (name.isEmpty()) {
            std::fprintf(err, "zelvani-cli: %s\n", qPrintable(error));
            return Failure;
        }
        overrides.insert(QLatin1String(choice.key), name);
    }

    configureAudioEngine(overrides);
    AudioManager* engine = AudioManager::instance();
    engine->start();
    if (!units.isEmpty() || !plugins.isEmpty()) {
        // As the effect list applies an effect: the voice waits meanwhile.
        engine->setVoiceSuspended(true);
        engine->applyEffect(chainEffect(units, plugins));
        engine->setVoiceSuspended(false);
    }
    if (parsed.has(QStringLiteral("--no-hear")))
        engine->setHearMyself(false);
    std::fprintf(err, "zelvani-cli: live from '%s' to '%s'%s\n", qPrintable(engine->inputName()),
                 qPrintable(engine->outputName()),
                 engine->outputName().isEmpty() ? "" : " and the virtual cable");

    // The loudest meter values of each second.
    int mic = 0;
    int spk = 0;
    QObject::connect(engine, &AudioManager::deviceMeterValueChanger, engine, [&mic, &spk](int m, int s) {
        mic = std::max(mic, m);
        spk = std::max(spk, s);
    });
    QEventLoop loop;
    QTimer meters;
    meters.setInterval(1000);
    QObject::connect(&meters, &QTimer::timeout, &loop, [&] {
        std::fprintf(out, "mic=%d spk=%d\n", mic, spk);
        std::fflush(out);
        mic = spk = 0;
    });
    meters.start();
    // Effects and plug-ins run ahead of the voice's limiter; the cable gets its output.
    LimiterWatch limiterWatch(err);
    if (engine->voicePlayer())
        limiterWatch.add(QStringLiteral("the speakers and the cable"), engine->voicePlayer()->outputLimiter(),
                         AudioPlayback::kRate);
    limiterWatch.start();

    // With ZELVANI_LIVE_STAGES set, where the voice's time goes is printed to
    // standard error once a second (the latency benchmark reads it): the
    // mean processing time of a block and the mean latency of each output
    // stream, with its target and its counters.
    QTimer stages;
    double sums[2] = {};
    long samples = 0;
    if (qEnvironmentVariableIsSet("ZELVANI_LIVE_STAGES") && engine->voicePlayer()) {
        stages.setInterval(5);
        QObject::connect(&stages, &QTimer::timeout, &loop, [&] {
            const AudioPlayback::Levels levels = engine->voicePlayer()->levels();
            sums[0] += levels.output.latencyMs;
            sums[1] += levels.cable.latencyMs;
            if (++samples % 200 != 0)
                return;
            if (levels.native) {
                std::fprintf(
                    err,
                    "zelvani-cli: stages in PipeWire's graph (ms, mean): quantum %.2f, processing %.2f, "
                    "delay in the node %.2f; effect latency %.1f ms\n",
                    levels.graphRate > 0 ? 1000.0 * levels.quantumFrames / levels.graphRate : 0.0,
                    levels.processMs, levels.delayMs, engine->effectLatencyMs());
                std::fflush(err);
                return;
            }
            std::fprintf(err,
                         "zelvani-cli: stages (ms, mean): capture fragment %.1f, processing %.2f, speakers "
                         "stream %.1f, cable stream %.1f; targets %.1f and %.1f; underflows %llu and %llu; "
                         "dropped input %llu frames; effect latency %.1f ms\n",
                         1000.0 * AudioCapturePulse::kFragmentFrames / AudioPlayback::kRate, levels.processMs,
                         sums[0] / static_cast<double>(samples), sums[1] / static_cast<double>(samples),
                         levels.output.targetMs, levels.cable.targetMs,
                         static_cast<unsigned long long>(levels.output.underflows),
                         static_cast<unsigned long long>(levels.cable.underflows),
                         static_cast<unsigned long long>(engine->capture()->droppedFrames()),
                         engine->effectLatencyMs());
            std::fflush(err);
        });
        stages.start();
    }
    QTimer stopCheck;
    stopCheck.setInterval(50);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
        if (StopSignals::caught() || (seconds > 0.0 && clock.elapsed() >= seconds * 1000.0))
            loop.quit();
    });
    stopCheck.start();
    loop.exec();

    engine->release();
    return Success;
}

} // namespace cli
