#include "vstplugin.h"

#include "spdlog_qt"
#include "vst/vst2.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QVector>

#include <dlfcn.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Channels a plug-in may declare on either side; more is refused.
constexpr int kMaxPins = 16;
constexpr int kVstVersion = 2400;

// Libraries stay loaded once loaded: several plug-ins leave threads or
// memory behind at unload, and a second instance finds its code in place.
void* openLibrary(const QString& path, QString* error)
{
    static QMutex mutex;
    static QHash<QString, void*> libraries;
    QMutexLocker lock(&mutex);
    const QString key = QFileInfo(path).canonicalFilePath();
    if (void* handle = libraries.value(key))
        return handle;
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    libraries.insert(key, handle);
    return handle;
}

std::uint32_t bigEndian(const unsigned char* bytes)
{
    return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
           (std::uint32_t(bytes[2]) << 8) | std::uint32_t(bytes[3]);
}

float bigEndianFloat(const unsigned char* bytes)
{
    const std::uint32_t bits = bigEndian(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

struct VstPlugin::Private
{
    vst2::AEffect* effect = nullptr;
    QString name;
    bool prepared = false;
    // Read by the host callback, which may run on the processing thread.
    int sampleRate = 0;
    int blockSize = 0;
    // One buffer per declared pin (at least two on each side), and the
    // pointer arrays handed to the plug-in.
    std::vector<std::vector<float>> inputs;
    std::vector<std::vector<float>> outputs;
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;

    std::intptr_t dispatch(std::int32_t opcode, std::int32_t index = 0, std::intptr_t value = 0,
                           void* ptr = nullptr, float opt = 0.0f) const
    {
        return effect->dispatcher(effect, opcode, index, value, ptr, opt);
    }
    QString text(std::int32_t opcode, int index) const;
    void runBlock(float* samples, int frames);
    void release();

    // The host side of the interface. It allocates and locks nothing: it is
    // called on the processing thread and from inside the plug-in's calls.
    static std::intptr_t hostCallback(vst2::AEffect* effect, std::int32_t opcode, std::int32_t index,
                                      std::intptr_t value, void* ptr, float opt);
};

std::intptr_t VstPlugin::Private::hostCallback(vst2::AEffect* effect, std::int32_t opcode, std::int32_t,
                                               std::intptr_t, void*, float)
{
    // Before the record exists the effect is null; until prepared the host
    // knows no rate, and 0 lets the plug-in keep its own.
    const auto* self = effect ? reinterpret_cast<const Private*>(effect->hostReserved) : nullptr;
    switch (opcode) {
    case vst2::audioMasterVersion:
        return kVstVersion;
    case vst2::audioMasterGetSampleRate:
        return self ? self->sampleRate : 0;
    case vst2::audioMasterGetBlockSize:
        return self ? self->blockSize : 0;
    default:
        // Never 1: plug-ins take a 1 as "yes" to requests whose answer they
        // then read, and crash.
        return 0;
    }
}

QString VstPlugin::Private::text(std::int32_t opcode, int index) const
{
    if (!effect || index < 0 || index >= effect->numParams)
        return QString();
    char buffer[vst2::kHostStringBuffer] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof buffer - 1] = '\0';
    return QString::fromLocal8Bit(buffer).trimmed();
}

void VstPlugin::Private::runBlock(float* samples, int frames)
{
    const bool mono = effect->numOutputs == 1;
    float* left = inputs[0].data();
    float* right = inputs[1].data();
    if (mono || effect->numInputs == 1) {
        // A mono effect hears the voice as one channel on its first input;
        // a side-chain input gets silence.
        for (int i = 0; i < frames; ++i)
            left[i] = 0.5f * (samples[2 * i] + samples[2 * i + 1]);
        std::fill(right, right + frames, 0.0f);
    } else {
        for (int i = 0; i < frames; ++i) {
            left[i] = samples[2 * i];
            right[i] = samples[2 * i + 1];
        }
    }
    for (std::size_t c = 2; c < inputs.size(); ++c)
        std::fill(inputs[c].begin(), inputs[c].begin() + frames, 0.0f);

    if (effect->flags & vst2::effFlagsCanReplacing) {
        effect->processReplacing(effect, inputPointers.data(), outputPointers.data(), frames);
    } else {
        // The old call adds to what the outputs hold.
        for (std::vector<float>& output : outputs)
            std::fill(output.begin(), output.begin() + frames, 0.0f);
        effect->process(effect, inputPointers.data(), outputPointers.data(), frames);
    }

    const float* outLeft = outputs[0].data();
    const float* outRight = mono ? outLeft : outputs[1].data();
    for (int i = 0; i < frames; ++i) {
        samples[2 * i] = outLeft[i];
        samples[2 * i + 1] = outRight[i];
    }
}

void VstPlugin::Private::release()
{
    if (!effect)
        return;
    dispatch(vst2::effMainsChanged, 0, 0);
    dispatch(vst2::effStopProcess);
    dispatch(vst2::effClose);
    effect = nullptr;
    prepared = false;
}

VstPlugin::VstPlugin(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}

VstPlugin::~VstPlugin()
{
    d->release();
}

bool VstPlugin::load(const QString& path)
{
    d->release();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        LogError(QStringLiteral("[load] %1 isEmpty or not exists.").arg(path));
        return false;
    }
    QString error;
    void* library = openLibrary(path, &error);
    if (!library) {
        LogError(QStringLiteral("[load] load vst plugin fail: %1 %2").arg(path, error));
        return false;
    }
    auto entry = reinterpret_cast<vst2::EntryProc>(dlsym(library, "VSTPluginMain"));
    if (!entry)
        entry = reinterpret_cast<vst2::EntryProc>(dlsym(library, "main"));
    if (!entry) {
        LogError("[load] Plugin entry point not found");
        return false;
    }
    vst2::AEffect* effect = entry(&Private::hostCallback);
    if (!effect) {
        LogError("[load] Plugin initialization failed");
        return false;
    }
    if (effect->magic != vst2::kEffectMagic) {
        // Not a record we can trust, so not one we call into either.
        LogError("[load] Plugin magic number mismatch");
        return false;
    }
    if (effect->numOutputs > 2 || effect->numOutputs < 1 || effect->numInputs < 0 ||
        effect->numInputs > kMaxPins) {
        LogError(effect->numOutputs > 2 ? QStringLiteral("[load] Plugin has more than 2 output channels")
                                        : QStringLiteral("[load] Plugin has unusable channels: %1 in, %2 out")
                                              .arg(effect->numInputs)
                                              .arg(effect->numOutputs));
        effect->dispatcher(effect, vst2::effClose, 0, 0, nullptr, 0.0f);
        return false;
    }
    effect->hostReserved = reinterpret_cast<std::intptr_t>(d.get());
    d->effect = effect;
    const QString slashed = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = slashed.lastIndexOf(QLatin1Char('/'));
    const int dot = slashed.lastIndexOf(QLatin1Char('.'));
    d->name = slashed.mid(slash + 1, dot > slash ? dot - slash - 1 : -1);
    return true;
}

void VstPlugin::prepare(int sampleRate)
{
    if (!d->effect || sampleRate < 100)
        return;
    if (d->prepared) {
        d->dispatch(vst2::effMainsChanged, 0, 0);
        d->dispatch(vst2::effStopProcess);
    }
    const int block = 2 * (sampleRate / 100);
    auto buffers = [block](std::vector<std::vector<float>>* list, std::vector<float*>* pointers, int pins) {
        list->assign(static_cast<std::size_t>(std::max(pins, 2)),
                     std::vector<float>(static_cast<std::size_t>(block)));
        pointers->clear();
        for (std::vector<float>& buffer : *list)
            pointers->push_back(buffer.data());
    };
    buffers(&d->inputs, &d->inputPointers, d->effect->numInputs);
    buffers(&d->outputs, &d->outputPointers, d->effect->numOutputs);
    d->sampleRate = sampleRate;
    d->blockSize = block;
    if (!d->prepared)
        d->dispatch(vst2::effOpen);
    d->dispatch(vst2::effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    d->dispatch(vst2::effSetBlockSize, 0, block);
    d->dispatch(vst2::effMainsChanged, 0, 1);
    d->dispatch(vst2::effStartProcess);
    d->prepared = true;
}

void VstPlugin::process(float* samples, int count)
{
    if (!d->effect || !d->prepared || !samples || count < 2)
        return;
    const int frames = count / 2;
    for (int done = 0; done < frames; done += d->blockSize)
        d->runBlock(samples + 2 * done, std::min(d->blockSize, frames - done));
}

void VstPlugin::setParameter(int index, float value)
{
    if (d->effect && index >= 0 && index < d->effect->numParams)
        d->effect->setParameter(d->effect, index, value);
}

bool VstPlugin::loadFxp(const QString& path)
{
    if (!d->effect)
        return false;
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        LogError(QStringLiteral("[load fxp] %1 isEmpty or not exists").arg(path));
        return false;
    }
    if (path.size() < 4 || !path.endsWith(QLatin1String(".fxp")))
        return false;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file) {
        LogError(QStringLiteral("[load fxp] open %1 file fail, error code %2").arg(path).arg(errno));
        return false;
    }
    unsigned char header[vst2::kFxpHeaderBytes + vst2::kFxpNameBytes];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header)
        return false;
    const bool chunks = d->effect->flags & vst2::effFlagsProgramChunks;
    const std::int32_t expectedMagic = chunks ? vst2::kFxpChunkMagic : vst2::kFxpParamsMagic;
    if (static_cast<std::int32_t>(bigEndian(header)) != vst2::kChunkMagic ||
        static_cast<std::int32_t>(bigEndian(header + 8)) != expectedMagic || bigEndian(header + 12) != 1 ||
        static_cast<std::int32_t>(bigEndian(header + 16)) != d->effect->uniqueID ||
        static_cast<std::int32_t>(bigEndian(header + 24)) != d->effect->numParams)
        return false;

    if (!chunks) {
        for (int i = 0; i < d->effect->numParams; ++i) {
            unsigned char bytes[4];
            if (std::fread(bytes, 1, sizeof bytes, file.get()) != sizeof bytes)
                return false;
            const float value = bigEndianFloat(bytes);
            if (!(value >= 0.0f && value <= 1.0f))
                return false;
            d->effect->setParameter(d->effect, i, value);
        }
        return true;
    }
    unsigned char sizeBytes[4];
    if (std::fread(sizeBytes, 1, sizeof sizeBytes, file.get()) != sizeof sizeBytes)
        return false;
    const auto size = static_cast<std::int32_t>(bigEndian(sizeBytes));
    if (size <= 0)
        return true;
    // A size beyond the file's end is a damaged preset, not a reason to allocate it.
    const long at = std::ftell(file.get());
    if (at < 0 || QFileInfo(path).size() - at < size)
        return false;
    QByteArray chunk(size, Qt::Uninitialized);
    if (std::fread(chunk.data(), 1, static_cast<std::size_t>(size), file.get()) !=
        static_cast<std::size_t>(size))
        return false;
    d->dispatch(vst2::effSetChunk, 1, size, chunk.data());
    return true;
}

bool VstPlugin::isLoaded() const
{
    return d->effect != nullptr;
}

bool VstPlugin::isPrepared() const
{
    return d->prepared;
}

QString VstPlugin::name() const
{
    return d->name;
}

int VstPlugin::uniqueId() const
{
    return d->effect ? d->effect->uniqueID : 0;
}

int VstPlugin::parameterCount() const
{
    return d->effect ? d->effect->numParams : 0;
}

int VstPlugin::inputCount() const
{
    return d->effect ? d->effect->numInputs : 0;
}

int VstPlugin::outputCount() const
{
    return d->effect ? d->effect->numOutputs : 0;
}

int VstPlugin::latency() const
{
    return d->effect ? d->effect->initialDelay : 0;
}

float VstPlugin::parameter(int index) const
{
    if (!d->effect || index < 0 || index >= d->effect->numParams)
        return 0.0f;
    return d->effect->getParameter(d->effect, index);
}

QString VstPlugin::parameterName(int index) const
{
    return d->text(vst2::effGetParamName, index);
}

QString VstPlugin::parameterDisplay(int index) const
{
    const QString value = d->text(vst2::effGetParamDisplay, index);
    const QString label = d->text(vst2::effGetParamLabel, index);
    return label.isEmpty() ? value : value + QLatin1Char(' ') + label;
}

int VstPlugin::blockSize() const
{
    return d->blockSize;
}
