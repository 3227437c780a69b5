#pragma once

// One VST 2 plug-in from a shared library, run on interleaved stereo blocks
// in place. Loading, presets and processing all happen on one thread.

#include <QObject>
#include <QString>

#include <memory>

class VstPlugin : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VstPlugin)

public:
    explicit VstPlugin(QObject* parent = nullptr);
    ~VstPlugin() override;

    // Loads the library and creates the plug-in; false (with a log line) when
    // the file, its entry or its record is unusable.
    bool load(const QString& path);
    // Starts the plug-in at `sampleRate` for blocks of up to
    // 2 × (sampleRate / 100) frames; longer blocks are run in slices.
    void prepare(int sampleRate);
    // `count` interleaved stereo floats; an odd last float is left alone.
    void process(float* samples, int count);
    // A normalised 0..1 value.
    void setParameter(int index, float value);
    // Reads one program of an .fxp preset into the plug-in.
    bool loadFxp(const QString& path);

    bool isLoaded() const;
    bool isPrepared() const;
    QString name() const; // the file's base name
    int uniqueId() const;
    int parameterCount() const;
    int inputCount() const;
    int outputCount() const;
    int latency() const; // frames
    float parameter(int index) const;
    QString parameterName(int index) const;
    QString parameterDisplay(int index) const; // value and unit, as the plug-in shows it
    int blockSize() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
