#pragma once

// Pitch and formant shifting of a voice by pitch-synchronous overlap-add.
//
// PitchAnalyzer takes the stereo input frame by frame. It tracks F0 with YIN
// on a low-passed, decimated mono sum and lays pitch marks one period apart
// on voiced stretches (each aligned to the previous by normalised
// correlation, so all marks sit at the same phase of the glottal cycle), and
// marks at a fixed hop on unvoiced ones. Several PitchVoices can share one
// analyzer: each lays its own synthesis marks, takes a two-period Hann grain
// around the latest analysis mark for each, resamples it by the formant
// factor (a shorter grain raises the formants) and overlap-adds it at the new
// spacing. Unvoiced sound is taken in grains at the very place it is heard,
// only resampled, so noise and clicks keep their timing.
//
// The delay is fixed: two of the longest periods tracked (70 Hz) plus a few
// frames, 28.9 ms at 48 kHz. All memory is taken in prepare().

#include "dsp/biquad.h"

#include <cstdint>
#include <vector>

namespace zplug {

class PitchAnalyzer
{
public:
    static constexpr int kChannels = 2;
    static constexpr double kLowestF0 = 70.0;
    static constexpr double kHighestF0 = 800.0;

    struct Mark
    {
        double time = 0.0; // input frame, fractional
        double period = 0.0;
        bool voiced = false;
    };

    void prepare(double sampleRate);
    // The F0 range searched, within [kLowestF0, kHighestF0].
    void setRange(double lowHz, double highHz);
    // Takes the next input frame and updates the pitch and the marks.
    void push(float left, float right);

    int latency() const { return m_latency; }
    int longestPeriod() const { return m_longestPeriod; }
    int unvoicedHop() const { return m_unvoicedHop; }
    std::int64_t now() const { return m_now; } // the newest frame
    // The input frame `latency()` frames ago: the dry signal aligned with the shifted one.
    float delayed(int channel) const
    {
        return m_input[static_cast<std::size_t>(channel)]
                      [static_cast<std::size_t>((m_now - m_latency) & m_mask)];
    }
    // The input at a fractional frame (cubic interpolation).
    float read(int channel, double time) const;
    // The latest mark at or before `time`; an unvoiced one when none is kept.
    Mark markAtOrBefore(double time) const;

    bool voiced() const { return m_voiced; }
    double period() const { return m_period; } // frames, while voiced

private:
    float decimated(std::int64_t index) const { return m_dec[static_cast<std::size_t>(index & m_decMask)]; }
    void track();
    bool placeMark();
    void addMark(double time, double period, bool voiced);

    double m_rate = 48000.0;
    int m_decimation = 4;
    double m_decRate = 12000.0;
    double m_groupDelay = 0.0;   // of the low-pass, in input frames
    zdsp::Biquad<> m_lowpass[2]; // before decimation
    int m_latency = 0;
    int m_longestPeriod = 0;
    int m_unvoicedHop = 0;

    std::vector<std::vector<float>> m_input; // per channel, ring
    std::int64_t m_mask = 0;
    std::int64_t m_now = -1;

    std::vector<float> m_dec; // decimated mono ring
    std::int64_t m_decMask = 0;
    std::int64_t m_decCount = 0;

    // YIN
    int m_window = 0;   // decimated frames compared
    int m_tauLimit = 0; // longest lag, decimated frames
    int m_trackHop = 0;
    int m_untilTrack = 0;
    std::vector<float> m_frame;
    std::vector<double> m_difference;
    double m_low = kLowestF0;
    double m_high = 600.0;
    bool m_voiced = false;
    bool m_onset = false; // voiced since the last track(), marks not yet laid again
    double m_period = 0.0;

    static constexpr int kMarks = 128;
    Mark m_marks[kMarks];
    int m_newest = 0;
    int m_markCount = 0;
};

// One shifted copy of the analysed voice.
class PitchVoice
{
public:
    void prepare(const PitchAnalyzer& analyzer, double sampleRate);
    // Pitch (0.125..8) and formant (0.25..4) factors; glided over about 30 ms.
    void setShift(double ratio, double formant);
    // The shifted frame that goes with PitchAnalyzer::delayed(); call once after each push().
    void render(const PitchAnalyzer& analyzer, float& left, float& right);

private:
    void addGrain(const PitchAnalyzer& analyzer);

    std::vector<float> m_out[PitchAnalyzer::kChannels]; // overlap-add rings
    std::int64_t m_mask = 0;
    double m_next = 0.0; // the next synthesis mark, input frames
    double m_ratio = 1.0, m_formant = 1.0;
    double m_ratioTarget = 1.0, m_formantTarget = 1.0;
    double m_glide = 0.0;
    bool m_snap = true;
};

} // namespace zplug
