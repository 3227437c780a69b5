#pragma once

// Follows the median F0 of whoever speaks, slowly, so a voice can be moved to
// a target pitch rather than by a fixed ratio.
//
// Each voiced analysis frame adds its F0 to a histogram of log F0 (1/24
// octave bins, linear between neighbours), whose weights fade with the voiced
// time that follows (about 1.5 s of voiced speech), and the median of
// the histogram is glided towards (0.3 s of voiced speech). So:
// - unvoiced and silent frames change nothing;
// - a word's intonation is a small part of the histogram and hardly moves the
//   median;
// - raw estimates an octave off, as long as they are a minority, do not move
//   a median at all;
// - a speaker whose voice really moves is followed within about three seconds.
// The first 0.1 s of voiced frames are taken at once, so the first word is
// already near the speaker's pitch. No memory is taken; update() is cheap
// enough for every 5 ms frame of a real-time thread.

namespace zplug {

class SpeakerPitch
{
public:
    static constexpr double kLowestHz = 50.0;
    static constexpr int kBinsPerOctave = 24;
    static constexpr int kBins = 5 * kBinsPerOctave + 1; // 50..1600 Hz

    // `framesPerSecond`: how often update() is called. Forgets what was heard.
    void prepare(double framesPerSecond);
    // One analysis frame: its F0 in Hz when voiced, 0 when not.
    void update(double hz);

    // Whether any voiced frame has been heard yet.
    bool known() const { return m_known; }
    // The speaker's median F0 as followed (glided); 0 until known.
    double hz() const;
    // The median of the histogram itself, not glided; 0 until known.
    double medianHz() const;

private:
    double medianPosition() const;

    double m_bins[kBins] = {};
    double m_total = 0.0;
    double m_keep = 1.0;                     // a voiced frame's fade of the older weights
    double m_glide = 1.0;                    // per frame, towards the median
    double m_target = 0.0, m_position = 0.0; // bin positions (1/24 octaves above kLowestHz)
    int m_warmUp = 0;                        // voiced frames taken at once
    int m_heard = 0;
    bool m_known = false;
};

} // namespace zplug
