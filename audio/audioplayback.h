#pragma once

// The voice player. The microphone's fragments arrive on the voice thread
// (the loop thread of a sound-server connection of its own, raised to
// real-time priority where the system allows); there they are gathered into
// 5 ms blocks, each block runs through the VoiceChain once, and the result
// is written to two playback streams, the user's output device and the
// virtual cable, each held at a small latency by its VoiceOutput. Nothing
// on that path waits for the GUI thread.
//
// Where PipeWire is the server, the same chain runs instead in a node of
// PipeWire's graph (PipeWireVoice), linked from the microphone to both
// outputs; the graph's cycle then sets the latency.

#include "voicechain.h"
#include "voiceoutput.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

class PulseSession;
class QTimer;

class AudioPlayback : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioPlayback)

public:
    static constexpr int kRate = VoiceChain::kRate;
    static constexpr int kBlockFrames = VoiceChain::kBlockFrames;
    // Input waiting beyond this (the thread was held up long) is dropped,
    // oldest first; each output drops a smaller excess itself.
    static constexpr int kMaxBacklogFrames = 40 * kBlockFrames;
    // Without input this long, the voice counts as paused.
    static constexpr int kSilenceMs = 500;

    explicit AudioPlayback(QObject* parent = nullptr);
    ~AudioPlayback() override;

    // Connects to the sound server and opens both outputs on the devices
    // described `outputName` and `cableName` (empty: that output stays
    // closed). False when there is no server.
    bool init(const QString& outputName, const QString& cableName);
    // After the sound server restarted: connects again (in PipeWire's graph,
    // a new node) with both outputs closed; setOutputDevice and
    // setVirtualDevice open them as their devices appear. The effects and
    // their state stay.
    bool reconnect();
    // The connection whose loop thread is the voice thread; the capture runs on it.
    PulseSession* session() const;
    // Whether the voice runs in PipeWire's graph; the microphone is then
    // linked by setInputSource, not captured through handleCapture.
    bool isNative() const;
    // The microphone of the PipeWire node, by the server's source name.
    void setInputSource(const QByteArray& sourceName);

    // The voice thread: one capture fragment, `count` samples of `channels`
    // interleaved channels at 48000 Hz; null for a hole.
    void handleCapture(const float* samples, int count, int channels);
    // The same without a server: processes `frames` frames of stereo `in`
    // into `out` block by block (tests, the command line). Answers the
    // frames written, a whole number of blocks.
    int processOffline(const float* in, int frames, float* out);

    // One cycle of PipeWire's graph, on its real-time thread (tests call it
    // directly): `frames` frames of the microphone in (`left` null while none
    // is linked), the voice for both outputs out, lagging its input by less
    // than a block when the cycle is no multiple of one.
    void processCycle(const float* left, const float* right, float* outLeft, float* outRight, int frames);

    // Hear-myself: both outputs fall silent (over one block) while paused.
    void pauseVoice(bool pause);
    // Paused by hear-myself or because no input came for kSilenceMs.
    bool isVoicePaused() const;
    void setSuspended(bool suspended);
    // Forgets the input gathered so far; the next block starts from silence.
    void flush();
    // Moves an output to another device (found by description).
    bool setOutputDevice(const QString& name);
    bool setVirtualDevice(const QString& name);

    VoiceChain* chain() const;
    zaudio::DSP outputLimiter() const;

    struct Levels
    {
        VoiceOutput::Stats output;
        VoiceOutput::Stats cable;
        std::uint64_t blocks = 0;
        double processMs = 0.0; // mean time one block takes to process
        // In PipeWire's graph: the last cycle's frames, the graph's rate and
        // how far the node's output lags its input (a block gathered across cycles).
        bool native = false;
        int quantumFrames = 0;
        int graphRate = 0;
        double delayMs = 0.0;
    };
    Levels levels() const;

    // Tests: the voice thread sleeps `ms` in its next block.
    void injectStall(int ms);

    struct Private;

private:
    std::unique_ptr<Private> d;
};
