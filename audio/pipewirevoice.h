#pragma once

// The voice as a node of PipeWire's own graph, where PipeWire is the sound
// server: one filter node with two input ports (the microphone's first two
// channels) and four output ports (left and right of the speakers and of the
// cable), linked by the program to the chosen devices and linked again when
// a device comes back. The graph calls `process` once per cycle on PipeWire's
// real-time thread, so the voice waits for the graph's quantum only, not for
// the stream buffers of the PulseAudio service.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class PipeWireVoice
{
public:
    // `left` and `right` hold the microphone's frames (the same for a mono
    // microphone; both null while none is linked); `outLeft` and `outRight`
    // receive the voice for both outputs. The graph's real-time thread.
    using Process = std::function<void(const float* left, const float* right, float* outLeft, float* outRight,
                                       int frames)>;

    explicit PipeWireVoice(Process process);
    ~PipeWireVoice();
    PipeWireVoice(const PipeWireVoice&) = delete;
    PipeWireVoice& operator=(const PipeWireVoice&) = delete;

    // Connects to the PipeWire server whose PulseAudio service listens at
    // `pulseAddress` and adds the node. False, with `error` set, when that
    // server is not PipeWire or cannot be reached; nothing is left behind.
    bool open(const QByteArray& pulseAddress, QString* error);
    void close();
    bool isOpen() const;

    // The microphone, by its PulseAudio source name ("X.monitor" takes the
    // monitor ports of sink X); empty unlinks it.
    void setInput(const QByteArray& sourceName);
    // An output (0 the speakers, 1 the cable), by its PulseAudio sink name;
    // empty unlinks it.
    void setOutput(int output, const QByteArray& sinkName);

    struct Stats
    {
        int quantumFrames = 0; // frames of the last cycle
        int rate = 0;          // the graph's rate
        std::uint64_t cycles = 0;
    };
    Stats stats() const;

    struct Private;

private:
    std::unique_ptr<Private> d;
};
