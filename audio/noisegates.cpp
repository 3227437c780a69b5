#include "noisegates.h"

#include <algorithm>

namespace {

constexpr int kThreshold = 2;
constexpr int kClosedGain = 11;
constexpr int kMaxDenoise = 70;

} // namespace

NoiseGates::NoiseGates(QObject* parent) : QObject(parent) {}

QString NoiseGates::pluginPath(const QString& resourcesFolder)
{
    return resourcesFolder + QStringLiteral("/vst/NoiseGate.so");
}

std::pair<float, float> NoiseGates::denoiseParameters(int percent)
{
    // Not clamped below: a negative strength opens the gate further.
    const double v = std::min(percent, kMaxDenoise);
    return {static_cast<float>(v / 100.0), static_cast<float>((100.0 - v) / 100.0)};
}

void NoiseGates::load(const QString& resourcesFolder, int sampleRate, bool denoiseEnabled, int denoiseValue)
{
    const QString path = pluginPath(resourcesFolder);
    if (!m_fixed)
        m_fixed = new VstPlugin(this);
    if (m_fixed->load(path)) {
        m_fixed->prepare(sampleRate);
        m_fixed->setParameter(kThreshold, 0.2f);
        m_fixed->setParameter(kClosedGain, 0.8f);
    }
    if (!m_denoise)
        m_denoise = new VstPlugin(this);
    if (m_denoise->load(path)) {
        m_denoise->prepare(sampleRate);
        m_denoiseEnabled = denoiseEnabled;
        setDenoiseValue(denoiseValue);
    }
}

void NoiseGates::release()
{
    delete m_fixed;
    m_fixed = nullptr;
    delete m_denoise;
    m_denoise = nullptr;
}

void NoiseGates::setDenoiseValue(int percent)
{
    if (!m_denoise)
        return;
    const std::pair<float, float> parameters = denoiseParameters(percent);
    m_denoise->setParameter(kThreshold, parameters.first);
    m_denoise->setParameter(kClosedGain, parameters.second);
}

void NoiseGates::process(float* samples, int count)
{
    if (m_fixed)
        m_fixed->process(samples, count);
    if (m_denoiseEnabled && m_denoise)
        m_denoise->process(samples, count);
}
