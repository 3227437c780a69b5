// The bundled voice effects: the catalogues the build copies into the
// resources folder are complete and consistent, and every effect, rendered
// through zelvani-cli on synthetic speech, stays below full scale, sounds
// different from the dry voice and keeps its sliders usable at both ends.

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString kResources = QStringLiteral(ZELVANI_RESOURCES);
constexpr int kLanguages = 13;
constexpr int kPluginTypeBase = 100000;
constexpr int kRate = 48000; // zelvani-cli renders at this rate

// How far (spectralDistance, dB) an effect must take the dry voice. Measured
// on this clip: chains of latency and gain alone (a limiter, the pitch
// shifter at ratio 1, the Harmonizer with its copies off) score at most
// 0.6, the VoiceShifter at no shift 1.8, barely audible changes (a 2 % pitch
// shift, an echo 30 dB down) 2.0, the mildest bundled effect 3.5.
constexpr double kAudible = 2.8;
constexpr double kTransparent = 1.0; // the most a chain of latency and gain may score
// How far apart a slider's two ends must sound: a render is deterministic
// (0 from itself), so this asks for at least a barely audible change; the
// closest bundled slider ends measure 2.7.
constexpr double kSliderMatters = 2.0;
constexpr double kSilentDb = -50.0;
constexpr double kDefaultLevelDb = 6.0; // default render's RMS against the dry voice
constexpr double kEndLevelDb = 10.0;    // a slider end's RMS against the dry voice

// ---- Catalogue reading

QJsonObject readJson(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return {};
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2 at offset %3")
                     .arg(path, parse.errorString())
                     .arg(parse.offset);
        return {};
    }
    return document.object();
}

// Problems with a "languages" array: one "CODE:Text" for each UI language.
QStringList languageProblems(const QJsonValue& value, const QString& owner)
{
    QStringList problems;
    const QJsonArray array = value.toArray();
    QSet<int> codes;
    for (const QJsonValue& entry : array) {
        const QString text = entry.toString();
        const int colon = text.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int code = colon > 0 ? text.left(colon).toInt(&ok) : -1;
        const QString words = text.mid(colon + 1).trimmed();
        if (!ok || code < 0 || code >= kLanguages || words.isEmpty() || words.contains(QLatin1Char(':')))
            problems << QStringLiteral("%1: bad language entry '%2'").arg(owner, text);
        else if (codes.contains(code))
            problems << QStringLiteral("%1: language %2 twice").arg(owner).arg(code);
        codes.insert(code);
    }
    if (codes.size() != kLanguages)
        problems << QStringLiteral("%1: %2 of %3 languages").arg(owner).arg(codes.size()).arg(kLanguages);
    return problems;
}

// "A,B,C,..." as numbers; false when a field is not one.
bool numbers(const QString& text, int count, std::vector<double>* out)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != count)
        return false;
    out->clear();
    for (const QString& field : fields) {
        bool ok = false;
        out->push_back(field.toDouble(&ok));
        if (!ok)
            return false;
    }
    return true;
}

struct SliderEnd
{
    int type;
    int index;
    double value; // in the parameter's units (slider position / 100)
};

// The zelvani-cli chain that makes `effect`'s sound, built from its settings
// as the engine builds it: plug-ins with their presets and values, then the
// built-in units in catalogue order (the CLI adds them as the engine does).
// `change`, when given, replaces one parameter, as moving a slider does.
QStringList chainArguments(const QJsonObject& effect, const QString& resources,
                           const std::optional<SliderEnd>& change = std::nullopt)
{
    QStringList arguments;
    for (const QJsonValue& settingValue : effect.value(QStringLiteral("settings")).toArray()) {
        const QJsonObject setting = settingValue.toObject();
        const int type = setting.value(QStringLiteral("type")).toInt();
        QString vst, fxp;
        QStringList assignments;
        bool changed = false;
        for (const QJsonValue& v : setting.value(QStringLiteral("values")).toArray()) {
            const QString text = v.toString();
            if (text.startsWith(QLatin1String("vst/"))) {
                vst = resources + QLatin1Char('/') + text;
            } else if (text.startsWith(QLatin1String("fxp/"))) {
                fxp = resources + QLatin1Char('/') + text;
            } else {
                const QStringList fields = text.split(QLatin1Char(','));
                const int index = fields.value(0).toInt();
                QString value = fields.value(1);
                if (change && change->type == type && change->index == index) {
                    value = QString::number(change->value, 'g', 10);
                    changed = true;
                }
                assignments << QStringLiteral("%1=%2").arg(index).arg(value);
            }
        }
        if (change && change->type == type && !changed)
            assignments << QStringLiteral("%1=%2").arg(change->index).arg(change->value, 0, 'g', 10);
        const QString values = assignments.isEmpty() ? QString() : QLatin1Char(':') + assignments.join(',');
        if (type > kPluginTypeBase) {
            arguments << QStringLiteral("--vst") << vst + values;
            if (!fxp.isEmpty())
                arguments << QStringLiteral("--fxp") << fxp;
        } else {
            arguments << QStringLiteral("--unit") << QString::number(type) + values;
        }
    }
    return arguments;
}

// ---- Renders

struct Render
{
    QStringList chain;
    QString output;
    QString error; // empty when the render succeeded
};

// Renders `input` through each chain, two at a time (one per core); a render
// that hangs fails after its timeout instead of stalling the suite.
void renderAll(const QString& input, std::vector<Render>& renders)
{
    constexpr std::size_t kParallel = 2;
    constexpr int kTimeoutMs = 180000;
    std::vector<std::unique_ptr<QProcess>> processes(renders.size());
    std::deque<std::size_t> running;
    std::size_t next = 0;
    while (next < renders.size() || !running.empty()) {
        while (running.size() < kParallel && next < renders.size()) {
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral(ZELVANI_CLI),
                           QStringList{QStringLiteral("render"), QStringLiteral("--input"), input,
                                       QStringLiteral("--output"), renders[next].output} +
                               renders[next].chain);
            processes[next] = std::move(process);
            running.push_back(next++);
        }
        const std::size_t i = running.front();
        running.pop_front();
        QProcess& process = *processes[i];
        if (!process.waitForFinished(kTimeoutMs)) {
            process.kill();
            process.waitForFinished();
            renders[i].error = QStringLiteral("no result within %1 s").arg(kTimeoutMs / 1000);
        } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            renders[i].error = QStringLiteral("exit %1: %2")
                                   .arg(process.exitCode())
                                   .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        }
        processes[i].reset();
    }
}

// ---- Measurement

struct Sound
{
    std::vector<float> mono; // mean of the channels
    double peak = 0.0;       // largest |sample| over all channels
    double rmsDb = -300.0;   // over all channels and the whole length
    bool finite = true;
};

bool readSound(const QString& path, Sound* sound, QString* error)
{
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    std::vector<float> frames(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    if (read != info.frames || info.frames == 0 || info.samplerate != kRate || info.channels < 1) {
        *error = QStringLiteral("%1: %2 of %3 frames at %4 Hz")
                     .arg(path)
                     .arg(read)
                     .arg(info.frames)
                     .arg(info.samplerate);
        return false;
    }
    *sound = Sound();
    sound->mono.assign(static_cast<std::size_t>(info.frames), 0.0f);
    double sum = 0.0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const float x = frames[i];
        if (!std::isfinite(x)) {
            sound->finite = false;
            continue;
        }
        sound->peak = std::max(sound->peak, static_cast<double>(std::fabs(x)));
        sum += static_cast<double>(x) * x;
        sound->mono[i / static_cast<std::size_t>(info.channels)] += x / static_cast<float>(info.channels);
    }
    sound->rmsDb = 10.0 * std::log10(std::max(sum / static_cast<double>(frames.size()), 1e-30));
    return true;
}

double decibels(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-15));
}

// An in-place radix-2 FFT of one fixed size.
class Fft
{
public:
    explicit Fft(std::size_t size) : m_size(size), m_twiddles(size / 2)
    {
        for (std::size_t k = 0; k < size / 2; ++k)
            m_twiddles[k] = std::polar(1.0, -2.0 * M_PI * static_cast<double>(k) / static_cast<double>(size));
    }

    void transform(std::vector<std::complex<double>>& a) const
    {
        for (std::size_t i = 1, j = 0; i < m_size; ++i) {
            std::size_t bit = m_size >> 1;
            for (; j & bit; bit >>= 1)
                j ^= bit;
            j ^= bit;
            if (i < j)
                std::swap(a[i], a[j]);
        }
        for (std::size_t length = 2; length <= m_size; length <<= 1) {
            const std::size_t stride = m_size / length;
            for (std::size_t start = 0; start < m_size; start += length) {
                for (std::size_t k = 0; k < length / 2; ++k) {
                    const std::complex<double> u = a[start + k];
                    const std::complex<double> v = a[start + k + length / 2] * m_twiddles[k * stride];
                    a[start + k] = u + v;
                    a[start + k + length / 2] = u - v;
                }
            }
        }
    }

private:
    std::size_t m_size;
    std::vector<std::complex<double>> m_twiddles;
};

constexpr std::size_t kWindow = 1024; // 21 ms
constexpr std::size_t kHop = 240;     // 5 ms
constexpr double kFloorDb = 50.0;     // cells this far under the loudest are floored there
constexpr int kBlock = 48;            // 1 ms, for finding the delay between two renders
constexpr int kLongestLagBlocks = 150;

// Third-octave band levels (dB) of Hann-windowed frames, 125 Hz to 8 kHz,
// floored kFloorDb under the loudest cell: one row per frame, starting
// `shift` samples into the sound (negative: that much silence first).
std::vector<std::vector<double>> spectrogram(const std::vector<float>& x, long shift)
{
    static const Fft fft(kWindow);
    std::vector<std::size_t> edges; // FFT bins
    for (double hz = 125.0; hz < 8001.0; hz *= std::cbrt(2.0))
        edges.push_back(static_cast<std::size_t>(std::ceil(hz * kWindow / kRate)));
    std::vector<std::vector<double>> rows;
    std::vector<std::complex<double>> frame(kWindow);
    double top = -300.0;
    for (long start = 0; start + static_cast<long>(kWindow) <= static_cast<long>(x.size()); start += kHop) {
        for (std::size_t i = 0; i < kWindow; ++i) {
            const long at = start + shift + static_cast<long>(i);
            const double sample =
                at >= 0 && at < static_cast<long>(x.size()) ? x[static_cast<std::size_t>(at)] : 0.0;
            frame[i] = sample * (0.5 - 0.5 * std::cos(2.0 * M_PI * static_cast<double>(i) / kWindow));
        }
        fft.transform(frame);
        std::vector<double> row;
        for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
            double power = 1e-30;
            for (std::size_t k = edges[b]; k < edges[b + 1]; ++k)
                power += std::norm(frame[k]);
            row.push_back(10.0 * std::log10(power / static_cast<double>(edges[b + 1] - edges[b])));
            top = std::max(top, row.back());
        }
        rows.push_back(std::move(row));
    }
    for (auto& row : rows)
        for (double& cell : row)
            cell = std::max(cell, top - kFloorDb);
    return rows;
}

// Root mean square of the cell differences of two equally long level series
// (floored), after removing their mean offset: a gain change scores 0.
double offsetFreeRms(const std::vector<double>& a, const std::vector<double>& b)
{
    double mean = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        mean += b[i] - a[i];
    mean /= static_cast<double>(std::max<std::size_t>(a.size(), 1));
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += (b[i] - a[i] - mean) * (b[i] - a[i] - mean);
    return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(a.size(), 1)));
}

// The delay of `b` behind `a` (samples, within +-150 ms) that best lines up
// their 1 ms level envelopes, so a chain's latency does not count as change.
long delayBetween(const std::vector<float>& a, const std::vector<float>& b)
{
    auto envelope = [](const std::vector<float>& x) {
        std::vector<double> levels;
        double top = -300.0;
        for (std::size_t s = 0; s + kBlock <= x.size(); s += kBlock) {
            double power = 1e-30;
            for (std::size_t i = s; i < s + kBlock; ++i)
                power += static_cast<double>(x[i]) * x[i];
            levels.push_back(10.0 * std::log10(power));
            top = std::max(top, levels.back());
        }
        for (double& level : levels)
            level = std::max(level, top - kFloorDb);
        return levels;
    };
    const std::vector<double> x = envelope(a), y = envelope(b);
    double best = 1e300;
    long bestLag = 0;
    std::vector<double> left, right;
    for (long lag = -kLongestLagBlocks; lag <= kLongestLagBlocks; ++lag) {
        left.clear();
        right.clear();
        for (std::size_t t = 0; t < x.size(); ++t) {
            const long at = static_cast<long>(t) + lag;
            if (at >= 0 && at < static_cast<long>(y.size())) {
                left.push_back(x[t]);
                right.push_back(y[static_cast<std::size_t>(at)]);
            }
        }
        const double distance = offsetFreeRms(left, right);
        if (distance < best) {
            best = distance;
            bestLag = lag;
        }
    }
    return bestLag * kBlock;
}

// How different two sounds are, independent of level and latency: the
// offset-free RMS difference (dB) of their third-octave spectrograms (5 ms
// frames, 125 Hz - 8 kHz), once lined up. Pitch, timbre, echoes, tails and
// modulation all show; a plain gain or delay scores about 0.
double spectralDistance(const Sound& a, const Sound& b)
{
    const auto x = spectrogram(a.mono, 0);
    const auto y = spectrogram(b.mono, delayBetween(a.mono, b.mono));
    std::vector<double> left, right;
    for (std::size_t t = 0; t < std::min(x.size(), y.size()); ++t) {
        left.insert(left.end(), x[t].begin(), x[t].end());
        right.insert(right.end(), y[t].begin(), y[t].end());
    }
    return offsetFreeRms(left, right);
}

// Speech from espeak-ng at -3 dBFS peak with 0.4 s of silence after it (for
// tails), written as a float WAV at espeak's rate; the render resamples it.
bool makeSpeech(const QString& directory, QString* path, QString* error)
{
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (espeak.isEmpty()) {
        *error = QStringLiteral("espeak-ng is not installed (scripts/install-deps installs it)");
        return false;
    }
    const QString raw = directory + QStringLiteral("/espeak.wav");
    QProcess process;
    process.start(espeak,
                  {QStringLiteral("-v"), QStringLiteral("en"), QStringLiteral("-s"), QStringLiteral("165"),
                   QStringLiteral("-w"), raw, QStringLiteral("Hello, this is my new voice.")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *error = QStringLiteral("espeak-ng failed: %1")
                     .arg(QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE* in = sf_open(QFile::encodeName(raw).constData(), SFM_READ, &info);
    if (!in || info.channels != 1) {
        if (in)
            sf_close(in);
        *error = QStringLiteral("cannot read espeak-ng's output");
        return false;
    }
    std::vector<float> x(static_cast<std::size_t>(info.frames));
    sf_readf_float(in, x.data(), info.frames);
    sf_close(in);
    double peak = 0.0;
    for (float v : x)
        peak = std::max(peak, static_cast<double>(std::fabs(v)));
    if (x.empty() || peak <= 0.0) {
        *error = QStringLiteral("espeak-ng made silence");
        return false;
    }
    const double gain = std::pow(10.0, -3.0 / 20.0) / peak;
    for (float& v : x)
        v = static_cast<float>(v * gain);
    x.resize(x.size() + static_cast<std::size_t>(0.4 * info.samplerate), 0.0f);

    *path = directory + QStringLiteral("/speech.wav");
    SF_INFO outInfo;
    std::memset(&outInfo, 0, sizeof outInfo);
    outInfo.samplerate = info.samplerate;
    outInfo.channels = 1;
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open(QFile::encodeName(*path).constData(), SFM_WRITE, &outInfo);
    const bool written = out && sf_writef_float(out, x.data(), static_cast<sf_count_t>(x.size())) ==
                                    static_cast<sf_count_t>(x.size());
    if (out)
        sf_close(out);
    if (!written)
        *error = QStringLiteral("cannot write %1").arg(*path);
    return written;
}

struct Edit
{
    int type = 0;
    int index = 0;
    int value = 0;
    int min = 0;
    int max = 0;
};

std::vector<Edit> editsOf(const QJsonObject& effect)
{
    std::vector<Edit> edits;
    std::vector<double> fields;
    for (const QJsonValue& v : effect.value(QStringLiteral("edits")).toArray()) {
        if (numbers(v.toString(), 5, &fields))
            edits.push_back({static_cast<int>(fields[0]), static_cast<int>(fields[1]),
                             static_cast<int>(fields[2]), static_cast<int>(fields[3]),
                             static_cast<int>(fields[4])});
    }
    return edits;
}

} // namespace

class TestBundledEffects : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueContent();
    void everyEffectRenders();
    void slidersWorkAtBothEnds();

private:
    // The speech clip and its render through an empty chain (once).
    bool prepareSpeech(QString* error);

    QJsonObject m_catalogue;
    QJsonObject m_labels;
    QJsonArray m_effects;
    QTemporaryDir m_dir;
    QString m_speech;
    Sound m_dry;
};

void TestBundledEffects::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    m_catalogue = readJson(kResources + QStringLiteral("/effects.json"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_labels = readJson(kResources + QStringLiteral("/settings.json"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_effects = m_catalogue.value(QStringLiteral("effects")).toArray();
    // The build bundles the catalogues as they are in the sources.
    for (const char* name : {"effects.json", "settings.json"}) {
        QFile bundled(kResources + QLatin1Char('/') + QLatin1String(name));
        QFile source(QStringLiteral(ZELVANI_RESOURCES_SOURCE "/") + QLatin1String(name));
        QVERIFY(bundled.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QVERIFY2(bundled.readAll() == source.readAll(), name);
    }
}

bool TestBundledEffects::prepareSpeech(QString* error)
{
    if (!m_speech.isEmpty())
        return true;
    QString speech;
    if (!makeSpeech(m_dir.path(), &speech, error))
        return false;
    std::vector<Render> dry{{{}, m_dir.filePath(QStringLiteral("dry.wav")), {}}};
    renderAll(speech, dry);
    if (!dry[0].error.isEmpty()) {
        *error = QStringLiteral("dry render: ") + dry[0].error;
        return false;
    }
    if (!readSound(dry[0].output, &m_dry, error))
        return false;
    m_speech = speech;
    return true;
}

void TestBundledEffects::catalogueContent()
{
    QStringList problems;
    const QString version = m_catalogue.value(QStringLiteral("version")).toString();
    if (version.isEmpty() || m_labels.value(QStringLiteral("version")).toString().isEmpty())
        problems << QStringLiteral("a catalogue has no version");

    // Groups: the special ones (1 hot, 7 favourites, 8 custom) with empty
    // sort lists, and at least six ordinary ones listing their effects.
    const QSet<int> special{1, 7, 8};
    QHash<int, QJsonObject> groups;
    for (const QJsonValue& value : m_catalogue.value(QStringLiteral("groups")).toArray()) {
        const QJsonObject group = value.toObject();
        const int id = group.value(QStringLiteral("id")).toInt();
        const QString owner = QStringLiteral("group %1").arg(id);
        if (id <= 0 || groups.contains(id))
            problems << owner + QStringLiteral(": id missing, 0 or repeated");
        if (group.value(QStringLiteral("name")).toString().isEmpty())
            problems << owner + QStringLiteral(": no name");
        problems << languageProblems(group.value(QStringLiteral("languages")), owner);
        if (special.contains(id) && !group.value(QStringLiteral("sort")).toArray().isEmpty())
            problems << owner + QStringLiteral(": a special group lists effects");
        groups.insert(id, group);
    }
    for (int id : special)
        if (!groups.contains(id))
            problems << QStringLiteral("group %1 is missing").arg(id);
    if (groups.contains(8) && groups[8].value(QStringLiteral("name")).toString() != QLatin1String("Custom"))
        problems << QStringLiteral("group 8 is not named Custom");
    QSet<int> sorted;
    for (const QJsonValue& id : m_catalogue.value(QStringLiteral("groupSort")).toArray())
        sorted.insert(id.toInt());
    if (sorted != QSet<int>(groups.keyBegin(), groups.keyEnd()))
        problems << QStringLiteral("groupSort does not list each group once");
    const int ordinary = static_cast<int>(groups.size()) -
                         static_cast<int>((QSet<int>(groups.keyBegin(), groups.keyEnd()) & special).size());
    if (ordinary < 6)
        problems << QStringLiteral("%1 ordinary groups, fewer than 6").arg(ordinary);
    if (m_effects.size() < 36)
        problems << QStringLiteral("%1 effects, fewer than 36").arg(m_effects.size());

    // Where each effect is listed.
    QHash<int, QList<int>> listedIn;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        for (const QJsonValue& id : it->value(QStringLiteral("sort")).toArray())
            listedIn[id.toInt()] << it.key();

    // Slider labels, and the built-in units' parameter ranges.
    QHash<QPair<int, int>, QString> labelled; // the English label
    for (const QJsonValue& value : m_labels.value(QStringLiteral("settings")).toArray()) {
        const QJsonObject label = value.toObject();
        const QPair<int, int> key(label.value(QStringLiteral("type")).toInt(-1),
                                  label.value(QStringLiteral("index")).toInt(-1));
        const QString owner = QStringLiteral("label %1:%2").arg(key.first).arg(key.second);
        if (labelled.contains(key))
            problems << owner + QStringLiteral(" repeated");
        labelled.insert(key, label.value(QStringLiteral("languages")).toArray().first().toString());
        problems << languageProblems(label.value(QStringLiteral("languages")), owner);
    }
    QProcess units;
    units.start(QStringLiteral(ZELVANI_CLI), {QStringLiteral("units"), QStringLiteral("--json")});
    QVERIFY2(units.waitForFinished(60000) && units.exitCode() == 0, "zelvani-cli units --json failed");
    QHash<QPair<int, int>, QPair<double, double>> ranges;
    for (const QJsonValue& unit : QJsonDocument::fromJson(units.readAllStandardOutput()).array())
        for (const QJsonValue& parameter : unit.toObject().value(QStringLiteral("parameters")).toArray())
            ranges.insert({unit.toObject().value(QStringLiteral("type")).toInt(),
                           parameter.toObject().value(QStringLiteral("index")).toInt()},
                          {parameter.toObject().value(QStringLiteral("min")).toDouble(),
                           parameter.toObject().value(QStringLiteral("max")).toDouble()});
    QVERIFY(!ranges.isEmpty());

    QSet<int> ids;
    QSet<QString> names;
    std::vector<double> fields;
    for (const QJsonValue& value : m_effects) {
        const QJsonObject effect = value.toObject();
        const int id = effect.value(QStringLiteral("id")).toInt();
        const QString name = effect.value(QStringLiteral("name")).toString();
        const QString owner = QStringLiteral("effect %1 '%2'").arg(id).arg(name);
        if (id < 1 || id > 9999 || ids.contains(id))
            problems << owner + QStringLiteral(": id outside 1-9999 or repeated");
        if (name.isEmpty() || names.contains(name))
            problems << owner + QStringLiteral(": name empty or repeated");
        ids.insert(id);
        names.insert(name);
        problems << languageProblems(effect.value(QStringLiteral("languages")), owner);
        if (!effect.value(QStringLiteral("isHot")).isBool())
            problems << owner + QStringLiteral(": isHot is not true or false");
        const int groupId = effect.value(QStringLiteral("groupId")).toInt();
        const QList<int> ordinaryLists = [&] {
            QList<int> lists;
            for (int g : listedIn.value(id))
                if (!special.contains(g))
                    lists << g;
            return lists;
        }();
        if (special.contains(groupId) || !groups.contains(groupId) || ordinaryLists != QList<int>{groupId})
            problems << owner + QStringLiteral(": not listed in exactly its own ordinary group");

        // Settings: plug-ins with their library (and preset) and 0..1 values,
        // built-in units with values inside their ranges, one unit per type.
        QHash<QPair<int, int>, double> stored;
        QSet<int> types;
        QSet<QString> paths;
        for (const QJsonValue& settingValue : effect.value(QStringLiteral("settings")).toArray()) {
            const QJsonObject setting = settingValue.toObject();
            const int type = setting.value(QStringLiteral("type")).toInt();
            if (type <= 0 || types.contains(type))
                problems << owner + QStringLiteral(": unit type %1 invalid or repeated").arg(type);
            types.insert(type);
            bool library = false;
            for (const QJsonValue& v : setting.value(QStringLiteral("values")).toArray()) {
                const QString text = v.toString();
                if (text.startsWith(QLatin1String("vst/")) || text.startsWith(QLatin1String("fxp/"))) {
                    library = library || text.startsWith(QLatin1String("vst/"));
                    paths.insert(text);
                    if (type <= kPluginTypeBase)
                        problems << owner + QStringLiteral(": built-in unit %1 names %2").arg(type).arg(text);
                    continue;
                }
                if (!numbers(text, 4, &fields)) {
                    problems << owner + QStringLiteral(": bad value '%1'").arg(text);
                    continue;
                }
                const QPair<int, int> key(type, static_cast<int>(fields[0]));
                stored.insert(key, fields[1]);
                const bool inRange = type > kPluginTypeBase
                                         ? fields[1] >= 0.0 && fields[1] <= 1.0
                                         : ranges.contains(key) && fields[1] >= ranges[key].first &&
                                               fields[1] <= ranges[key].second;
                if (!inRange)
                    problems
                        << owner + QStringLiteral(": value '%1' of type %2 out of range").arg(text).arg(type);
            }
            if (type > kPluginTypeBase && !library)
                problems << owner + QStringLiteral(": plug-in %1 without a library").arg(type);
        }
        QSet<QString> files;
        for (const QJsonValue& file : effect.value(QStringLiteral("files")).toArray()) {
            files.insert(file.toString());
            if (!QFileInfo::exists(kResources + QLatin1Char('/') + file.toString()))
                problems << owner +
                                QStringLiteral(": %1 is not in the resources folder").arg(file.toString());
        }
        if (files != paths)
            problems << owner + QStringLiteral(": files do not match the settings' libraries and presets");

        // Sliders: labelled, starting where the sound is, ranges that hold
        // their value and stay inside what the parameter takes.
        const QJsonArray editStrings = effect.value(QStringLiteral("edits")).toArray();
        const std::vector<Edit> edits = editsOf(effect);
        if (edits.size() < 2 || edits.size() > 4 || static_cast<int>(edits.size()) != editStrings.size())
            problems << owner +
                            QStringLiteral(": %1 edits, not 2 to 4 well-formed ones").arg(editStrings.size());
        QSet<QString> sliderLabels;
        for (const Edit& edit : edits) {
            const QPair<int, int> key(edit.type, edit.index);
            const QString slider = owner + QStringLiteral(" slider %1:%2").arg(edit.type).arg(edit.index);
            if (!labelled.contains(key))
                problems << slider + QStringLiteral(": no label in settings.json");
            else if (sliderLabels.contains(labelled[key]))
                problems << slider + QStringLiteral(": a second slider labelled %1").arg(labelled[key]);
            sliderLabels.insert(labelled.value(key));
            if (!stored.contains(key) || std::fabs(stored[key] * 100.0 - edit.value) > 1e-3)
                problems << slider + QStringLiteral(": value %1 is not 100 x a stored value").arg(edit.value);
            if (edit.min > edit.value || edit.value > edit.max || edit.min == edit.max)
                problems << slider + QStringLiteral(": range %1..%2 around %3")
                                         .arg(edit.min)
                                         .arg(edit.max)
                                         .arg(edit.value);
            const QPair<double, double> allowed =
                edit.type > kPluginTypeBase ? QPair<double, double>(0.0, 1.0) : ranges.value(key, {1.0, 0.0});
            if (edit.min / 100.0 < allowed.first - 1e-9 || edit.max / 100.0 > allowed.second + 1e-9)
                problems << slider + QStringLiteral(": range %1..%2 beyond the parameter's")
                                         .arg(edit.min)
                                         .arg(edit.max);
        }
    }
    for (auto it = listedIn.cbegin(); it != listedIn.cend(); ++it)
        if (!ids.contains(it.key()))
            problems << QStringLiteral("group %1 lists a missing effect %2").arg(it->value(0)).arg(it.key());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestBundledEffects::everyEffectRenders()
{
    QString error;
    QVERIFY2(prepareSpeech(&error), qPrintable(error));
    // Each effect as the user picks it (--effect ID), and as the chain built
    // here from its settings: the two must be the same sound.
    std::vector<Render> renders;
    for (int i = 0; i < m_effects.size(); ++i)
        renders.push_back({{QStringLiteral("--effect"),
                            QString::number(m_effects[i].toObject().value(QStringLiteral("id")).toInt())},
                           m_dir.filePath(QStringLiteral("effect-%1.wav").arg(i)),
                           {}});
    for (int i = 0; i < m_effects.size(); ++i)
        renders.push_back({chainArguments(m_effects[i].toObject(), kResources),
                           m_dir.filePath(QStringLiteral("chain-%1.wav").arg(i)),
                           {}});
    // A control: latency (the pitch shifter at ratio 1) and a gain change
    // only, which the measure must not count as an effect.
    renders.push_back({{QStringLiteral("--unit"), QStringLiteral("13:0=1"), QStringLiteral("--unit"),
                        QStringLiteral("7:0=-6")},
                       m_dir.filePath(QStringLiteral("control.wav")),
                       {}});
    renderAll(m_speech, renders);

    QStringList problems;
    Sound control;
    QVERIFY2(renders.back().error.isEmpty() && readSound(renders.back().output, &control, &error),
             qPrintable(renders.back().error + error));
    const double transparent = spectralDistance(m_dry, control);
    qInfo("control (latency and gain only): distance %.2f dB", transparent);
    QVERIFY2(transparent < kTransparent, "the distance counts latency or gain as a change");
    double mildest = 1e9;
    for (int i = 0; i < m_effects.size(); ++i) {
        const QString name = m_effects[i].toObject().value(QStringLiteral("name")).toString();
        Sound sound;
        error.clear();
        if (!renders[static_cast<std::size_t>(i)].error.isEmpty() ||
            !readSound(renders[static_cast<std::size_t>(i)].output, &sound, &error)) {
            problems << name + QStringLiteral(": ") + renders[static_cast<std::size_t>(i)].error + error;
            continue;
        }
        Sound chain;
        const Render& chainRender = renders[static_cast<std::size_t>(m_effects.size() + i)];
        if (!chainRender.error.isEmpty() || !readSound(chainRender.output, &chain, &error) ||
            chain.mono != sound.mono)
            problems << name + QStringLiteral(": --effect does not sound like its chain ") +
                            chainRender.error + error;
        const double distance = spectralDistance(m_dry, sound);
        const double level = sound.rmsDb - m_dry.rmsDb;
        mildest = std::min(mildest, distance);
        qInfo("%-16s distance %5.2f dB  peak %6.2f dBFS  level %+5.1f dB", qPrintable(name), distance,
              decibels(sound.peak), level);
        if (!sound.finite || sound.peak >= 1.0)
            problems
                << QStringLiteral("%1: NaN/Inf or a peak of %2 dBFS").arg(name).arg(decibels(sound.peak));
        if (distance <= kAudible)
            problems << QStringLiteral("%1: only %2 dB from the dry voice").arg(name).arg(distance);
        if (std::fabs(level) > kDefaultLevelDb)
            problems << QStringLiteral("%1: %2 dB against the dry voice").arg(name).arg(level, 0, 'f', 1);
    }
    qInfo("mildest effect: %.2f dB from the dry voice (at least %.1f needed)", mildest, kAudible);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestBundledEffects::slidersWorkAtBothEnds()
{
    QString error;
    QVERIFY2(prepareSpeech(&error), qPrintable(error));
    struct End
    {
        QString what;
        std::size_t low; // its render; the high end follows
    };
    std::vector<Render> renders;
    std::vector<End> ends;
    for (int i = 0; i < m_effects.size(); ++i) {
        const QJsonObject effect = m_effects[i].toObject();
        for (const Edit& edit : editsOf(effect)) {
            ends.push_back({QStringLiteral("%1 slider %2:%3 (%4..%5)")
                                .arg(effect.value(QStringLiteral("name")).toString())
                                .arg(edit.type)
                                .arg(edit.index)
                                .arg(edit.min)
                                .arg(edit.max),
                            renders.size()});
            for (int position : {edit.min, edit.max})
                renders.push_back(
                    {chainArguments(effect, kResources, SliderEnd{edit.type, edit.index, position / 100.0}),
                     m_dir.filePath(QStringLiteral("slider-%1.wav").arg(renders.size())),
                     {}});
        }
    }
    renderAll(m_speech, renders);

    QStringList problems;
    double closest = 1e9;
    for (const End& end : ends) {
        Sound sounds[2];
        bool read = true;
        for (std::size_t k = 0; k < 2; ++k) {
            const Render& render = renders[end.low + k];
            error.clear();
            if (!render.error.isEmpty() || !readSound(render.output, &sounds[k], &error)) {
                problems << end.what + QStringLiteral(": ") + render.error + error;
                read = false;
            }
        }
        if (!read)
            continue;
        const double apart = spectralDistance(sounds[0], sounds[1]);
        closest = std::min(closest, apart);
        qInfo("%-44s ends %5.2f dB apart  peaks %6.2f %6.2f dBFS  levels %+5.1f %+5.1f dB",
              qPrintable(end.what), apart, decibels(sounds[0].peak), decibels(sounds[1].peak),
              sounds[0].rmsDb - m_dry.rmsDb, sounds[1].rmsDb - m_dry.rmsDb);
        for (const Sound& sound : sounds) {
            if (!sound.finite || sound.peak >= 1.0)
                problems << QStringLiteral("%1: NaN/Inf or a peak of %2 dBFS")
                                .arg(end.what)
                                .arg(decibels(sound.peak));
            if (sound.rmsDb < kSilentDb || std::fabs(sound.rmsDb - m_dry.rmsDb) > kEndLevelDb)
                problems << QStringLiteral("%1: an end at %2 dBFS RMS (dry %3)")
                                .arg(end.what)
                                .arg(sound.rmsDb)
                                .arg(m_dry.rmsDb);
        }
        if (apart <= kSliderMatters)
            problems << QStringLiteral("%1: the ends are only %2 dB apart").arg(end.what).arg(apart);
    }
    qInfo("closest slider ends: %.2f dB apart (more than %.1f needed)", closest, kSliderMatters);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestBundledEffects)
#include "test_bundled_effects.moc"
