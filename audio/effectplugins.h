#pragma once

// The VST 2 plug-ins of the current effect, keyed by their unit's type code
// (above 100000). They run on the microphone block in the order they were
// added; two units of one type are both kept and both run.

#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

class VstPlugin;

class EffectPlugins : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectPlugins)

public:
    using Values = QVector<QPair<int, float>>; // parameter index, normalised value

    explicit EffectPlugins(QObject* parent = nullptr);

    // Loads a unit's plug-in the way an effect is built: the library, its
    // preset, the stored values in order, then started at `sampleRate`. A
    // library that does not load is dropped (its cause is logged) and false
    // is returned; a preset that does not fit leaves the plug-in's defaults,
    // and an empty `preset` means none.
    bool add(int type, const QString& library, const QString& preset, const Values& values, int sampleRate,
             bool* presetLoaded = nullptr);
    // Destroys every plug-in.
    void clear();
    // Interleaved stereo, in place, through every plug-in.
    void process(float* samples, int count);
    // Sets a parameter of the most recently added plug-in of `type`; false when there is none.
    bool setParameter(int type, int index, float value);
    // The most recently added plug-in of `type`, or null.
    VstPlugin* find(int type) const;

    int count() const { return m_plugins.size(); }
    VstPlugin* plugin(int position) const { return m_plugins.value(position).second; }

private:
    QVector<QPair<int, VstPlugin*>> m_plugins;
};
