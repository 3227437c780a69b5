// zelvani-cli board: sound files through the two soundboard players, one on
// the output device and one on the virtual cable, as the engine plays them.

#include "audiocommands.h"
#include "audiomanager.h"
#include "audiomulitplayback.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"
#include "limiterwatch.h"
#include "utility.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cmath>
#include <cstdint>

namespace cli {

namespace {

constexpr int kTickMs = 50;
// What the sound server still holds when the last block left the mixer.
constexpr int kDrainMs = 100;

enum class TrackState
{
    Waiting,
    Playing,
    Finished
};

struct Track
{
    QString path;
    QString name;
    int players = 0; // the players it plays on; each reports its end
    int ends = 0;
    TrackState state = TrackState::Waiting;
};

void printLine(std::FILE* out, const char* verb, const QString& name)
{
    std::fprintf(out, "%s %s\n", verb, name.toUtf8().constData());
    std::fflush(out);
}

} // namespace

int runBoard(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {QStringLiteral("--seconds")},
                        {QStringLiteral("--overlay"), QStringLiteral("--loop")}, &parsed, &error))
        return usageError(err, "board", error);
    if (parsed.positional.isEmpty())
        return usageError(err, "board", QStringLiteral("missing FILE"));
    const bool timed = parsed.has(QStringLiteral("--seconds"));
    double seconds = 0.0;
    if (timed) {
        bool ok = false;
        seconds = parsed.value(QStringLiteral("--seconds")).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds <= 0.0)
            return usageError(err, "board",
                              QStringLiteral("--seconds needs a number above 0, not '%1'")
                                  .arg(parsed.value(QStringLiteral("--seconds"))));
    }
    const bool overlay = parsed.has(QStringLiteral("--overlay"));
    const bool loop = parsed.has(QStringLiteral("--loop"));

    LibraryLog libraryLog(err);
    StopSignals stopSignals;

    // The devices of the engine's two soundboard players; id 0 when none fits.
    const QString outputName =
        CuteSettings::instance()->value(QStringLiteral("OutputName"), QString(), Ini).toString();
    const AudioDevice output =
        Utility::instance()->chooseDevice(DeviceSelection::KindOutput, QString(), outputName).device;
    const AudioDevice cable =
        Utility::instance()->chooseDevice(DeviceSelection::KindVirtualOutput, QString(), outputName).device;

    AudioMulitPlayback outputPlayer;
    AudioMulitPlayback cablePlayer;
    AudioMulitPlayback* const players[] = {&outputPlayer, &cablePlayer};
    outputPlayer.init(output.id);
    cablePlayer.init(cable.id);
    if (outputPlayer.system().isNull() || cablePlayer.system().isNull()) {
        std::fputs("zelvani-cli: cannot start the audio library\n", err);
        return Failure;
    }
    zaudio::OutputType outputType = zaudio::OutputType::Pulse;
    outputPlayer.system().getOutput(&outputType);
    if (outputType == zaudio::OutputType::NoSound)
        std::fputs("zelvani-cli: no sound server: playing to the NoSound Driver\n", err);
    else if (cable.name.isEmpty())
        std::fputs("zelvani-cli: no virtual cable: its player plays to the first output\n", err);

    // Sound ids 1..N, as the files are given; index 0 stays unused.
    QVector<Track> tracks(parsed.positional.size() + 1);
    bool failed = false;
    for (int id = 1; id < tracks.size(); ++id) {
        Track& track = tracks[id];
        track.path = parsed.positional[id - 1];
        track.name = QFileInfo(track.path).fileName();
        bool loaded = false;
        for (AudioMulitPlayback* player : players) {
            player->loadSound(id, track.path);
            player->setMultiPlay(overlay);
            player->setSoundLoop(id, loop);
            loaded = loaded || player->isSoundPaused(id);
        }
        if (!loaded) {
            std::fprintf(err, "zelvani-cli: cannot play %s\n", qPrintable(track.path));
            track.state = TrackState::Finished;
            failed = true;
        }
    }

    QEventLoop eventLoop;
    bool stopping = false;
    bool endedByItself = false;

    const auto start = [&](int id) {
        Track& track = tracks[id];
        track.players = 0;
        for (AudioMulitPlayback* player : players) {
            if (player->isSoundPaused(id) && player->replaySound(id) && !player->channel(id).isNull())
                ++track.players;
        }
        if (track.players == 0) {
            std::fprintf(err, "zelvani-cli: cannot play %s\n", qPrintable(track.path));
            track.state = TrackState::Finished;
            failed = true;
            return false;
        }
        track.state = TrackState::Playing;
        printLine(out, "playing", track.name);
        return true;
    };
    const auto startNext = [&] {
        for (int id = 1; id < tracks.size(); ++id) {
            if (tracks[id].state == TrackState::Waiting && start(id))
                return;
        }
    };
    const auto anyLeft = [&] {
        for (const Track& track : tracks) {
            if (track.state != TrackState::Finished)
                return true;
        }
        return false;
    };

    // Index 0 counts as done.
    tracks[0].state = TrackState::Finished;
    QObject::connect(AudioManager::instance(), &AudioManager::playFinished, &eventLoop, [&](int id) {
        // Both players report every end, and stopping one sound reports the
        // others too: only the ends of a playing file count.
        if (id <= 0 || id >= tracks.size() || tracks[id].state != TrackState::Playing)
            return;
        Track& track = tracks[id];
        if (++track.ends < track.players)
            return;
        track.state = TrackState::Finished;
        printLine(out, "finished", track.name);
        if (stopping)
            return;
        if (!overlay)
            startNext();
        if (!anyLeft()) {
            endedByItself = true;
            eventLoop.quit();
        }
    });

    if (overlay) {
        for (int id = 1; id < tracks.size(); ++id) {
            if (tracks[id].state == TrackState::Waiting)
                start(id);
        }
    } else {
        startNext();
    }

    LimiterWatch limiterWatch(err);
    int rate = 0;
    outputPlayer.system().getMixerFormat(&rate, nullptr);
    limiterWatch.add(QStringLiteral("the output device"), outputPlayer.outputLimiter(), rate);
    cablePlayer.system().getMixerFormat(&rate, nullptr);
    limiterWatch.add(QStringLiteral("the virtual cable"), cablePlayer.outputLimiter(), rate);
    limiterWatch.start();

    if (anyLeft()) {
        QElapsedTimer clock;
        clock.start();
        QTimer tick;
        tick.setInterval(kTickMs);
        QObject::connect(&tick, &QTimer::timeout, &eventLoop, [&] {
            if (!StopSignals::caught() && !(timed && clock.elapsed() >= std::llround(seconds * 1000.0)))
                return;
            stopping = true;
            for (AudioMulitPlayback* player : players)
                player->stopAllSounds();
            eventLoop.quit();
        });
        tick.start();
        eventLoop.exec();
        tick.stop();
    }
    if (endedByItself && outputType == zaudio::OutputType::Pulse) {
        QTimer::singleShot(kDrainMs, &eventLoop, &QEventLoop::quit);
        eventLoop.exec();
    }
    // With ZELVANI_BOARD_STATS set, the times each player's stream ran dry
    // (the soundboard benchmark reads this line).
    if (qEnvironmentVariableIsSet("ZELVANI_BOARD_STATS")) {
        std::uint64_t underflows[2] = {0, 0};
        outputPlayer.system().getOutputUnderflows(&underflows[0]);
        cablePlayer.system().getOutputUnderflows(&underflows[1]);
        std::fprintf(err, "zelvani-cli: underflows output=%llu cable=%llu\n",
                     static_cast<unsigned long long>(underflows[0]),
                     static_cast<unsigned long long>(underflows[1]));
    }
    // Stopped by Ctrl+C, SIGTERM or --seconds counts as a normal end.
    return failed ? Failure : Success;
}

} // namespace cli
