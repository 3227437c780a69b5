#pragma once

#include <QMetaType>
#include <QString>

// One device as the audio library lists it. Inputs carry the library's state
// bits (1 connected, 2 the system default); outputs carry -1.
struct AudioDevice
{
    int id = 0; // index in the library's record list (inputs) or output list
    QString name;
    int sampleRate = 0;
    int channel = 0;
    int state = 0;
    int mode = 0;
    QString guid;
};

Q_DECLARE_METATYPE(AudioDevice)

// Device types in signals.
enum DeviceFlow
{
    DeviceOutput = 0,
    DeviceInput = 1
};

// The marker in the names of the virtual cable's two sides.
inline const QString& virtualCableMarker()
{
    static const QString marker = QStringLiteral("VB-Audio Virtual Cable");
    return marker;
}

inline bool isVirtualCable(const QString& name)
{
    return name.contains(virtualCableMarker(), Qt::CaseSensitive);
}
