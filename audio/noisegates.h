#pragma once

// The two noise gates on the microphone: a fixed, gentle one that always
// runs, and the user's "Denoise" gate, whose strength moves its threshold
// and its reduction together. Both are the NoiseGate plug-in of the
// resources folder.

#include "vstplugin.h"

#include <QObject>
#include <QString>

#include <utility>

class NoiseGates : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(NoiseGates)

public:
    explicit NoiseGates(QObject* parent = nullptr);

    // "<resources>/vst/NoiseGate.so"
    static QString pluginPath(const QString& resourcesFolder);
    // Threshold (parameter 2) and closed gain (parameter 11) for a strength
    // in percent; strengths above 70 act as 70.
    static std::pair<float, float> denoiseParameters(int percent);

    // Loads and starts both gates at `sampleRate`. A gate that fails to load
    // stays silent: processing with it does nothing.
    void load(const QString& resourcesFolder, int sampleRate, bool denoiseEnabled, int denoiseValue);
    // Destroys the fixed gate, then the denoise gate.
    void release();
    void setDenoiseEnabled(bool enabled) { m_denoiseEnabled = enabled; }
    bool denoiseEnabled() const { return m_denoiseEnabled; }
    void setDenoiseValue(int percent);
    // Interleaved stereo, in place: the fixed gate, then the denoise gate when enabled.
    void process(float* samples, int count);

    VstPlugin* fixedGate() const { return m_fixed; }
    VstPlugin* denoiseGate() const { return m_denoise; }

private:
    VstPlugin* m_fixed = nullptr;
    VstPlugin* m_denoise = nullptr;
    bool m_denoiseEnabled = false;
};
