// zelvani-cli render: decodes a file through an offline system and a chain of
// built-in units, and writes the result as a 48000 Hz stereo WAV.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

constexpr int kMaxChannels = 32;
constexpr unsigned kWriteFrames = 4096; // frames gathered before each write to the file
constexpr unsigned kOutputChannels = 2;

// The output's temporary file: removed unless committed by renaming it over
// the destination.
class TemporaryOutput
{
public:
    ~TemporaryOutput()
    {
        if (m_file)
            sf_close(m_file);
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_path.constData());
        }
    }

    // Creates the file beside `destination`, so the final rename stays on one
    // file system and so is atomic.
    bool create(const QByteArray& destination, QString* error)
    {
        const QFileInfo info(QString::fromLocal8Bit(destination));
        m_path = QFile::encodeName(info.absolutePath()) + "/." + QFile::encodeName(info.fileName()) +
                 ".zelvani-XXXXXX";
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }

    bool open(RenderFormat format, int rate, QString* error)
    {
        SF_INFO info;
        std::memset(&info, 0, sizeof info);
        info.samplerate = rate;
        info.channels = static_cast<int>(kOutputChannels);
        info.format = SF_FORMAT_WAV | (format == RenderFormat::Pcm16 ? SF_FORMAT_PCM_16 : SF_FORMAT_FLOAT);
        m_file = sf_open_fd(m_fd, SFM_WRITE, &info, SF_FALSE);
        if (!m_file) {
            *error = QString::fromUtf8(sf_strerror(nullptr));
            return false;
        }
        // Integer output saturates instead of wrapping around on overs.
        sf_command(m_file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
        return true;
    }

    bool write(const float* frames, unsigned count, QString* error)
    {
        if (count == 0)
            return true;
        if (sf_writef_float(m_file, frames, count) != static_cast<sf_count_t>(count)) {
            *error = QString::fromUtf8(sf_strerror(m_file));
            return false;
        }
        return true;
    }

    // Completes the file and renames it over `destination`.
    bool commit(const QByteArray& destination, QString* error)
    {
        const int closed = sf_close(m_file);
        m_file = nullptr;
        if (closed != 0) {
            *error = QString::fromUtf8(sf_error_number(closed));
            return false;
        }
        // The permissions a new file gets, or those of the file replaced.
        struct stat existing;
        mode_t permissions;
        if (::stat(destination.constData(), &existing) == 0) {
            permissions = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            permissions = 0666 & ~mask;
        }
        if (::fchmod(m_fd, permissions) != 0 || ::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            m_fd = -1;
            ::unlink(m_path.constData());
            return false;
        }
        m_fd = -1;
        if (::rename(m_path.constData(), destination.constData()) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            ::unlink(m_path.constData());
            return false;
        }
        return true;
    }

private:
    QByteArray m_path;
    int m_fd = -1;
    SNDFILE* m_file = nullptr;
};

QString libraryError(const char* what, const QString& path, zaudio::Result result)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QLatin1String(what), path, QLatin1String(zaudio::errorString(result)));
}

} // namespace

std::uint64_t outputFrameCount(std::uint64_t sourceFrames, int sourceRate, int mixRate)
{
    if (sourceRate <= 0 || mixRate <= 0)
        return 0;
    const auto from = static_cast<std::uint64_t>(sourceRate);
    return (sourceFrames * static_cast<std::uint64_t>(mixRate) + from / 2) / from;
}

bool renderFile(const RenderJob& job, RenderOutcome* outcome)
{
    *outcome = RenderOutcome();
    const auto started = std::chrono::steady_clock::now();
    const QByteArray inputPath = QFile::encodeName(job.input);
    const QByteArray outputPath = QFile::encodeName(job.output);

    zaudio::System system;
    if (zaudio::Result r = zaudio::createSystem(&system); r != zaudio::Ok) {
        outcome->error = QStringLiteral("cannot start the audio library: %1").arg(zaudio::errorString(r));
        return false;
    }
    SystemGuard guard(system);
    zaudio::Result r = system.setOutput(zaudio::OutputType::Offline);
    if (r == zaudio::Ok)
        r = system.init(kMaxChannels);
    if (r != zaudio::Ok) {
        outcome->error = QStringLiteral("cannot start the audio library: %1").arg(zaudio::errorString(r));
        return false;
    }
    int mixRate = 0;
    unsigned blockFrames = 0;
    system.getMixerFormat(&mixRate, &blockFrames);

    zaudio::Sound sound;
    if (r = system.createSound(inputPath.constData(),
                               zaudio::CreateStream | zaudio::AccurateTime | zaudio::LoopOff, nullptr,
                               &sound);
        r != zaudio::Ok) {
        outcome->error = libraryError("cannot open", job.input, r);
        return false;
    }
    unsigned sourceFrames = 0;
    int sourceRate = 0;
    if ((r = sound.getLength(&sourceFrames, zaudio::TimeUnitPcm)) != zaudio::Ok ||
        (r = sound.getFormat(&sourceRate, nullptr)) != zaudio::Ok) {
        outcome->error = libraryError("cannot read", job.input, r);
        return false;
    }
    const std::uint64_t expected = outputFrameCount(sourceFrames, sourceRate, mixRate);

    if (job.buildChain) {
        zaudio::ChannelGroup master;
        if ((r = system.getMasterChannelGroup(&master)) == zaudio::Ok)
            r = job.buildChain(system, master);
        if (r != zaudio::Ok) {
            outcome->error = QStringLiteral("cannot set up the effect chain: %1").arg(zaudio::errorString(r));
            return false;
        }
    }

    TemporaryOutput file;
    QString error;
    if (!file.create(outputPath, &error) || !file.open(job.format, mixRate, &error)) {
        outcome->error = QStringLiteral("cannot write %1: %2").arg(job.output, error);
        return false;
    }

    zaudio::Channel channel;
    if (r = system.playSound(sound, nullptr, false, &channel); r != zaudio::Ok) {
        outcome->error = libraryError("cannot play", job.input, r);
        return false;
    }

    // Block by block, so the end of the input is found to within a block; the
    // stream's exact length then trims the last one. A damaged file that ends
    // early ends with the block in which it stopped.
    std::vector<float> buffer(static_cast<std::size_t>(kWriteFrames + blockFrames) * kOutputChannels);
    unsigned buffered = 0;
    std::uint64_t written = 0;
    bool playing = true;
    while (playing && written + buffered < expected) {
        if (job.cancelled && job.cancelled()) {
            outcome->cancelled = true;
            outcome->error = QStringLiteral("render interrupted; %1 left as it was").arg(job.output);
            return false;
        }
        if ((r = system.render(&buffer[static_cast<std::size_t>(buffered) * kOutputChannels], blockFrames)) !=
            zaudio::Ok) {
            outcome->error = libraryError("cannot render", job.input, r);
            return false;
        }
        buffered += blockFrames;
        if ((r = channel.isPlaying(&playing)) != zaudio::Ok) {
            outcome->error = libraryError("cannot render", job.input, r);
            return false;
        }
        const std::uint64_t wanted = expected - written;
        const unsigned keep = static_cast<unsigned>(std::min<std::uint64_t>(buffered, wanted));
        if (buffered >= kWriteFrames || !playing || keep < buffered) {
            if (!file.write(buffer.data(), keep, &error)) {
                outcome->error = QStringLiteral("cannot write %1: %2").arg(job.output, error);
                return false;
            }
            written += keep;
            buffered = 0;
            if (job.progress)
                job.progress(static_cast<double>(written) / static_cast<double>(expected));
        }
    }
    if (buffered > 0) {
        if (!file.write(buffer.data(), buffered, &error)) {
            outcome->error = QStringLiteral("cannot write %1: %2").arg(job.output, error);
            return false;
        }
        written += buffered;
    }

    if (!file.commit(outputPath, &error)) {
        outcome->error = QStringLiteral("cannot write %1: %2").arg(job.output, error);
        return false;
    }
    outcome->frames = written;
    outcome->sampleRate = mixRate;
    outcome->seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return true;
}

int runRender(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    QVector<ChainUnit> chain;
    QVector<ChainPlugin> plugins;
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(
            arguments,
            QStringList{QStringLiteral("--input"), QStringLiteral("--output"), QStringLiteral("--format")} +
                chainOptionNames(),
            {}, &parsed, &error) ||
        !parseChain(parsed.options, &chain, &plugins, &error, &resolveEffectOption))
        return usageError(err, "render", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "render",
                          QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));

    RenderJob job;
    job.input = parsed.value(QStringLiteral("--input"));
    job.output = parsed.value(QStringLiteral("--output"));
    if (job.input.isEmpty())
        return usageError(err, "render", QStringLiteral("missing --input IN"));
    if (job.output.isEmpty())
        return usageError(err, "render", QStringLiteral("missing --output OUT"));
    if (parsed.has(QStringLiteral("--format"))) {
        const QString format = parsed.value(QStringLiteral("--format"));
        if (format == QLatin1String("float"))
            job.format = RenderFormat::Float;
        else if (format == QLatin1String("pcm16"))
            job.format = RenderFormat::Pcm16;
        else
            return usageError(err, "render",
                              QStringLiteral("--format is float or pcm16, not '%1'").arg(format));
    }

    LibraryLog libraryLog(err);
    std::shared_ptr<PluginRack> rack;
    if (!plugins.isEmpty()) {
        rack = loadPluginRack(plugins, 48000, &error);
        if (!rack) {
            std::fprintf(err, "zelvani-cli: %s\n", qPrintable(error));
            return Failure;
        }
    }
    if (!chain.isEmpty() || rack) {
        job.buildChain = [chain, rack](const zaudio::System& system, const zaudio::ChannelGroup& master) {
            zaudio::Result r = chain.isEmpty() ? zaudio::Ok : addChainUnits(system, master, chain);
            if (r == zaudio::Ok && rack)
                r = addPluginRack(system, master, rack);
            return r;
        };
    }

    StopSignals stopSignals;
    ProgressLine progress(err);
    const QString name = QFileInfo(job.input).fileName();
    if (progress.enabled()) {
        job.progress = [&progress, &name](double done) {
            progress.show(QStringLiteral("rendering %1  %2%").arg(name).arg(static_cast<int>(done * 100.0)));
        };
    }
    job.cancelled = [] { return StopSignals::caught() != 0; };

    RenderOutcome outcome;
    const bool rendered = renderFile(job, &outcome);
    progress.finish(false);
    if (!rendered) {
        std::fprintf(err, "zelvani-cli: %s\n", qPrintable(outcome.error));
        // Interrupted: the conventional 128 + signal number.
        return outcome.cancelled ? 128 + StopSignals::caught() : Failure;
    }
    const double audioSeconds = static_cast<double>(outcome.frames) / outcome.sampleRate;
    const double speed = outcome.seconds > 0.0 ? audioSeconds / outcome.seconds : 0.0;
    std::fprintf(out, "rendered %llu frames in %.2f s (%.1f\u00d7 real time)\n",
                 static_cast<unsigned long long>(outcome.frames), outcome.seconds, speed);
    return std::fflush(out) == 0 ? Success : Failure;
}

} // namespace cli
