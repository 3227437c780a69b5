// soundmaker: synthesises the soundboard's bundled sounds and writes each one
// as OUTPUT_DIR/<name>.ogg (Ogg Vorbis, 48 kHz stereo). Every sound is built
// here from oscillators, noise, filters, resonators and envelopes with a
// fixed random seed, so each build makes the same audio.
//
//   soundmaker OUTPUT_DIR [NAME...]   make the named sounds (all when none)
//   soundmaker --list                 print the names, one a line

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr double kRate = 48000.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

double clamp01(double x)
{
    return std::min(1.0, std::max(0.0, x));
}
double smoothstep(double x)
{
    x = clamp01(x);
    return x * x * (3.0 - 2.0 * x);
}
double dbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}
// Equal-tempered pitch: note 69 is A4, 440 Hz.
double noteHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
size_t frameAt(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<size_t>(seconds * kRate + 0.5);
}

// SplitMix64: small, fast and the same on every platform.
class Rng
{
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double bipolar() { return 2.0 * uniform() - 1.0; }
    double gauss()
    {
        const double u1 = std::max(uniform(), 1e-12);
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(kTwoPi * uniform());
    }

private:
    uint64_t state_;
};

struct Sound
{
    std::vector<double> left;
    std::vector<double> right;

    explicit Sound(double seconds) : left(frameAt(seconds)), right(frameAt(seconds)) {}
    size_t size() const { return left.size(); }
    void add(size_t i, double l, double r)
    {
        if (i < size()) {
            left[i] += l;
            right[i] += r;
        }
    }
};

// Equal-power panning with unity gain in the centre; -1 is hard left.
struct Pan
{
    double l;
    double r;
    explicit Pan(double pan)
    {
        const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
        l = std::cos(angle) * std::sqrt(2.0);
        r = std::sin(angle) * std::sqrt(2.0);
    }
};

// Correction for the step of a naive waveform, so saws and squares do not alias.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Osc
{
public:
    explicit Osc(double phase = 0.0) : phase_(phase) {}
    double sine(double freq)
    {
        const double v = std::sin(kTwoPi * phase_);
        step(freq);
        return v;
    }
    double saw(double freq)
    {
        const double dt = std::min(freq / kRate, 0.5);
        const double v = 2.0 * phase_ - 1.0 - polyBlep(phase_, dt);
        step(freq);
        return v;
    }
    double square(double freq, double duty = 0.5)
    {
        const double dt = std::min(freq / kRate, 0.5);
        double v = phase_ < duty ? 1.0 : -1.0;
        v += polyBlep(phase_, dt);
        v -= polyBlep(std::fmod(phase_ + 1.0 - duty, 1.0), dt);
        step(freq);
        return v;
    }
    double triangle(double freq)
    {
        const double v = 4.0 * std::fabs(phase_ - 0.5) - 1.0;
        step(freq);
        return v;
    }
    double phase() const { return phase_; }

private:
    void step(double freq)
    {
        phase_ += freq / kRate;
        phase_ -= std::floor(phase_);
    }
    double phase_;
};

// Second-order filter (the usual cookbook designs), transposed direct form II.
class Biquad
{
public:
    void lowpass(double freq, double q)
    {
        const Parts p(freq, q);
        set((1.0 - p.cosw) / 2.0, 1.0 - p.cosw, (1.0 - p.cosw) / 2.0, 1.0 + p.alpha, -2.0 * p.cosw,
            1.0 - p.alpha);
    }
    void highpass(double freq, double q)
    {
        const Parts p(freq, q);
        set((1.0 + p.cosw) / 2.0, -(1.0 + p.cosw), (1.0 + p.cosw) / 2.0, 1.0 + p.alpha, -2.0 * p.cosw,
            1.0 - p.alpha);
    }
    // Band-pass with 0 dB at the centre.
    void bandpass(double freq, double q)
    {
        const Parts p(freq, q);
        set(p.alpha, 0.0, -p.alpha, 1.0 + p.alpha, -2.0 * p.cosw, 1.0 - p.alpha);
    }
    void peaking(double freq, double q, double gainDb)
    {
        const Parts p(freq, q);
        const double a = std::pow(10.0, gainDb / 40.0);
        set(1.0 + p.alpha * a, -2.0 * p.cosw, 1.0 - p.alpha * a, 1.0 + p.alpha / a, -2.0 * p.cosw,
            1.0 - p.alpha / a);
    }
    double process(double x)
    {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }

private:
    struct Parts
    {
        double cosw;
        double alpha;
        Parts(double freq, double q)
        {
            const double w = kTwoPi * std::clamp(freq, 10.0, 0.45 * kRate) / kRate;
            cosw = std::cos(w);
            alpha = std::sin(w) / (2.0 * q);
        }
    };
    void set(double b0, double b1, double b2, double a0, double a1, double a2)
    {
        b0_ = b0 / a0;
        b1_ = b1 / a0;
        b2_ = b2 / a0;
        a1_ = a1 / a0;
        a2_ = a2 / a0;
    }
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double z1_ = 0.0, z2_ = 0.0;
};

class OnePole
{
public:
    explicit OnePole(double freq = 1000.0) { setFreq(freq); }
    void setFreq(double freq) { a_ = 1.0 - std::exp(-kTwoPi * std::min(freq, 0.45 * kRate) / kRate); }
    double process(double x) { return y_ += a_ * (x - y_); }

private:
    double a_ = 0.0;
    double y_ = 0.0;
};

// Pink noise from white (a sum of leaky integrators, -3 dB per octave).
class Pink
{
public:
    double process(double white)
    {
        b_[0] = 0.99886 * b_[0] + white * 0.0555179;
        b_[1] = 0.99332 * b_[1] + white * 0.0750759;
        b_[2] = 0.96900 * b_[2] + white * 0.1538520;
        b_[3] = 0.86650 * b_[3] + white * 0.3104856;
        b_[4] = 0.55000 * b_[4] + white * 0.5329522;
        b_[5] = -0.7616 * b_[5] - white * 0.0168980;
        const double pink = b_[0] + b_[1] + b_[2] + b_[3] + b_[4] + b_[5] + b_[6] + white * 0.5362;
        b_[6] = white * 0.115926;
        return pink * 0.11;
    }

private:
    double b_[7] = {};
};

// A slowly wandering value in [0, 1]: new random targets `rate` times a
// second, joined by cosine curves.
class Drift
{
public:
    Drift(Rng& rng, double rate) : rng_(rng), rate_(rate), from_(rng.uniform()), to_(rng.uniform()) {}
    double next()
    {
        phase_ += rate_ / kRate;
        if (phase_ >= 1.0) {
            phase_ -= 1.0;
            from_ = to_;
            to_ = rng_.uniform();
        }
        return from_ + (to_ - from_) * (0.5 - 0.5 * std::cos(kPi * phase_));
    }

private:
    Rng& rng_;
    double rate_;
    double from_;
    double to_;
    double phase_ = 0.0;
};

// Two-pole resonator: an impulse makes a decaying sine of peak 1.
class Resonator
{
public:
    Resonator(double freq, double tau)
    {
        const double w = kTwoPi * std::min(freq, 0.45 * kRate) / kRate;
        const double r = std::exp(-1.0 / (tau * kRate));
        c1_ = 2.0 * r * std::cos(w);
        c2_ = -r * r;
        gain_ = std::sin(w);
    }
    double process(double x)
    {
        const double y = gain_ * x + c1_ * y1_ + c2_ * y2_;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double c1_, c2_, gain_;
    double y1_ = 0.0, y2_ = 0.0;
};

// Freeverb-style room: parallel damped combs into series all-passes, the
// right side with slightly longer delays for width.
class Reverb
{
public:
    Reverb(double feedback, double damping)
    {
        static const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
        static const int allpasses[] = {556, 441, 341, 225};
        const double scale = kRate / 44100.0;
        for (int side = 0; side < 2; ++side) {
            const int spread = side * 23;
            for (int length : combs)
                combs_[side].push_back({std::vector<double>(static_cast<size_t>((length + spread) * scale)),
                                        0, 0.0, feedback, damping});
            for (int length : allpasses)
                allpasses_[side].push_back(
                    {std::vector<double>(static_cast<size_t>((length + spread) * scale)), 0});
        }
    }
    void process(double in, double* outL, double* outR)
    {
        double out[2] = {0.0, 0.0};
        for (int side = 0; side < 2; ++side) {
            for (Comb& comb : combs_[side])
                out[side] += comb.process(in);
            for (Allpass& allpass : allpasses_[side])
                out[side] = allpass.process(out[side]);
        }
        *outL = out[0];
        *outR = out[1];
    }

private:
    struct Comb
    {
        std::vector<double> buffer;
        size_t index;
        double store;
        double feedback;
        double damping;
        double process(double x)
        {
            const double y = buffer[index];
            store = y * (1.0 - damping) + store * damping;
            buffer[index] = x + store * feedback;
            index = (index + 1) % buffer.size();
            return y;
        }
    };
    struct Allpass
    {
        std::vector<double> buffer;
        size_t index;
        double process(double x)
        {
            const double b = buffer[index];
            buffer[index] = x + b * 0.5;
            index = (index + 1) % buffer.size();
            return b - x;
        }
    };
    std::vector<Comb> combs_[2];
    std::vector<Allpass> allpasses_[2];
};

// Smooth fade in over `in` seconds and out over the `out` seconds before `end`.
void fadeInOut(Sound& s, double in, double end, double out)
{
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double fade = smoothstep(t / in) * smoothstep((end - t) / out);
        s.left[i] *= fade;
        s.right[i] *= fade;
    }
}

// Adds a room to the sound: `wet` is the level of the reverberation.
void addReverb(Sound& s, double feedback, double damping, double wet)
{
    Reverb reverb(feedback, damping);
    for (size_t i = 0; i < s.size(); ++i) {
        double l = 0.0;
        double r = 0.0;
        reverb.process((s.left[i] + s.right[i]) * 0.5 * 0.03, &l, &r);
        s.left[i] += wet * l;
        s.right[i] += wet * r;
    }
}

// Ping-pong echo: repeats alternate sides and lose their highs.
void addEcho(Sound& s, double delay, double feedback, double mix, double cutoff)
{
    const size_t length = std::max<size_t>(frameAt(delay), 1);
    std::vector<double> lineL(length);
    std::vector<double> lineR(length);
    OnePole toneL(cutoff);
    OnePole toneR(cutoff);
    size_t index = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double outL = lineL[index];
        const double outR = lineR[index];
        lineL[index] = toneL.process((s.left[i] + s.right[i]) * 0.5 + outR * feedback);
        lineR[index] = toneR.process(outL * feedback);
        index = (index + 1) % length;
        s.left[i] += mix * outL;
        s.right[i] += mix * outR;
    }
}

// A decaying sine partial: rises with time constant `attack`, falls with
// `tau`; stops once it is inaudible or the sound ends.
void addMode(Sound& s, double start, double freq, double amp, double tau, double pan, double phase = 0.0,
             double attack = 0.0005)
{
    if (freq <= 0.0 || freq >= 0.45 * kRate || amp == 0.0)
        return;
    const Pan p(pan);
    const size_t first = frameAt(start);
    if (first >= s.size())
        return;
    const size_t count = std::min(s.size() - first, frameAt(tau * 9.3 + attack * 4.0) + 1);
    const double w = kTwoPi * freq / kRate;
    const double c = std::cos(w);
    const double sn = std::sin(w);
    double x = std::cos(phase);
    double y = std::sin(phase);
    const double fall = std::exp(-1.0 / (tau * kRate));
    const double rise = std::exp(-1.0 / (attack * kRate));
    double decay = amp;
    double pending = 1.0;
    for (size_t k = 0; k < count; ++k) {
        const double v = decay * (1.0 - pending) * y;
        s.left[first + k] += v * p.l;
        s.right[first + k] += v * p.r;
        const double nx = x * c - y * sn;
        y = x * sn + y * c;
        x = nx;
        decay *= fall;
        pending *= rise;
    }
}

// Rising and falling edges of a gate, `attack` and `release` seconds long.
double gate(double t, double length, double attack, double release)
{
    if (t < 0.0 || t > length + release)
        return 0.0;
    double g = attack > 0.0 ? smoothstep(t / attack) : 1.0;
    if (t > length)
        g *= 1.0 - smoothstep((t - length) / release);
    return g;
}

// 1 for most of `length`, falling smoothly to 0 over its last quarter: ends
// a fixed-length loop without cutting off a tail.
double taper(double t, double length)
{
    return 1.0 - smoothstep((t - 0.75 * length) / (0.25 * length));
}

// ---------------------------------------------------------------------------
// Instruments shared by several sounds.

void addSnare(Sound& s, double start, double vel, double pan, Rng& rng)
{
    const Pan p(pan);
    Biquad wires;
    wires.highpass(1800.0, 0.7);
    Biquad sizzle;
    sizzle.peaking(5000.0, 0.8, 5.0);
    Osc head1;
    Osc head2(0.25);
    const size_t first = frameAt(start);
    const double wireTau = 0.06 + 0.06 * vel;
    for (size_t k = 0; k < frameAt(0.45); ++k) {
        const double t = k / kRate;
        const double bend = 1.0 + 0.3 * std::exp(-t / 0.01);
        const double body = 0.9 * std::exp(-t / 0.045) * head1.sine(180.0 * bend) +
                            0.5 * std::exp(-t / 0.03) * head2.sine(330.0 * bend);
        const double noise = sizzle.process(wires.process(rng.bipolar())) * std::exp(-t / wireTau);
        const double attack = smoothstep(t / 0.0004) * taper(t, 0.45);
        const double v = vel * attack * (0.55 * body + 0.9 * noise);
        s.add(first + k, v * p.l, v * p.r);
    }
}

void addKick(Sound& s, double start, double vel)
{
    Osc osc;
    Biquad click;
    click.bandpass(3000.0, 0.8);
    Rng rng(7);
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(0.6); ++k) {
        const double t = k / kRate;
        const double freq = 48.0 + 110.0 * std::exp(-t / 0.035);
        double v =
            std::tanh(1.6 * osc.sine(freq) * std::exp(-t / 0.22)) * smoothstep(t / 0.001) * taper(t, 0.6);
        v += 0.3 * click.process(rng.bipolar()) * std::exp(-t / 0.004);
        s.add(first + k, vel * v, vel * v);
    }
}

void addTom(Sound& s, double start, double freq, double vel, double pan, Rng& rng)
{
    const Pan p(pan);
    Osc a;
    Osc b(0.3);
    Biquad stick;
    stick.bandpass(2500.0, 1.0);
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(0.9); ++k) {
        const double t = k / kRate;
        const double bend = 1.0 + 0.22 * std::exp(-t / 0.05);
        double v = std::exp(-t / 0.22) * a.sine(freq * bend) +
                   0.35 * std::exp(-t / 0.12) * b.sine(freq * 1.59 * bend);
        v += 0.5 * stick.process(rng.bipolar()) * std::exp(-t / 0.012);
        v *= vel * smoothstep(t / 0.0006) * taper(t, 0.9);
        s.add(first + k, v * p.l, v * p.r);
    }
}

// Crash cymbal: a dense cluster of inharmonic partials over shaped noise.
void addCymbal(Sound& s, double start, double amp, double decay, Rng& rng)
{
    for (int i = 0; i < 70; ++i) {
        const double freq = std::exp(rng.range(std::log(420.0), std::log(14000.0)));
        const double tau = decay * rng.range(0.4, 1.0) * std::pow(2000.0 / freq, 0.25);
        addMode(s, start, freq, amp * 0.06 * rng.range(0.3, 1.0), tau, rng.range(-0.7, 0.7),
                rng.range(0.0, kTwoPi), 0.002);
    }
    Biquad hpL, hpR, bandL, bandR;
    hpL.highpass(2500.0, 0.7);
    hpR.highpass(2500.0, 0.7);
    bandL.peaking(6500.0, 0.7, 6.0);
    bandR.peaking(7000.0, 0.7, 6.0);
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(decay * 7.0); ++k) {
        const double t = k / kRate;
        const double env =
            amp * smoothstep(t / 0.0015) * (0.7 * std::exp(-t / (decay * 0.55)) + 0.8 * std::exp(-t / 0.03));
        s.add(first + k, env * bandL.process(hpL.process(rng.bipolar())),
              env * bandR.process(hpR.process(rng.bipolar())));
    }
}

// Timpani: a struck drum head; the partials of a kettledrum are close to
// harmonic thanks to the air inside.
void addTimpani(Sound& s, double start, double freq, double amp, double pan, Rng& rng)
{
    static const double ratios[] = {1.0, 1.504, 1.742, 2.0, 2.245, 2.494};
    static const double levels[] = {1.0, 0.5, 0.3, 0.35, 0.2, 0.15};
    static const double taus[] = {1.3, 0.8, 0.5, 0.6, 0.4, 0.35};
    for (int i = 0; i < 6; ++i)
        addMode(s, start, freq * ratios[i], amp * levels[i], taus[i], pan, rng.range(0.0, kTwoPi), 0.002);
    Biquad thump;
    thump.lowpass(300.0, 0.7);
    const Pan p(pan);
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(0.15); ++k) {
        const double v = amp * 2.0 * thump.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.025);
        s.add(first + k, v * p.l, v * p.r);
    }
}

// A brass voice: a saw through a low-pass that opens with loudness, with a
// brighter "blat" at the start, a scoop up into pitch and delayed vibrato.
struct BrassNote
{
    double start;
    double length;
    double freq;
    double amp;
    double pan;
};

void addBrass(Sound& s, const BrassNote& note, double brightness, double vibrato, Rng& rng)
{
    const Pan p(note.pan);
    Osc osc(rng.uniform());
    Osc osc2(rng.uniform());
    Biquad lp1, lp2;
    Drift wobble(rng, 6.0);
    // Short notes are tongued apart; long ones die away more slowly.
    const double release = std::clamp(0.25 * note.length, 0.03, 0.15);
    const size_t first = frameAt(note.start);
    const size_t count = frameAt(note.length + release);
    for (size_t k = 0; k < count; ++k) {
        const double t = k / kRate;
        const double env = gate(t, note.length, 0.035, release);
        const double vib = vibrato * smoothstep((t - 0.25) / 0.3) * std::sin(kTwoPi * 5.3 * t);
        const double freq = note.freq * (1.0 - 0.03 * std::exp(-t / 0.03)) * (1.0 + vib) *
                            (1.0 + 0.002 * (wobble.next() - 0.5));
        if (k % 16 == 0) {
            const double cutoff = note.freq * (1.0 + brightness * env * (1.0 + 0.8 * std::exp(-t / 0.07)));
            lp1.lowpass(cutoff, 0.8);
            lp2.lowpass(cutoff * 1.3, 0.6);
        }
        double v = osc.saw(freq) + 0.5 * osc2.saw(freq * 1.003);
        v = lp2.process(lp1.process(v));
        v = std::tanh(1.4 * v) * env * note.amp;
        s.add(first + k, v * p.l, v * p.r);
    }
}

// A chiptune pulse voice with clean edges.
void addChip(Sound& s, double start, double length, double freq, double amp, double duty, double pan,
             double decayTau = 0.0, double vibrato = 0.0)
{
    const Pan p(pan);
    Osc osc;
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(length + 0.006); ++k) {
        const double t = k / kRate;
        double env = gate(t, length, 0.002, 0.005) * amp;
        if (decayTau > 0.0)
            env *= std::exp(-t / decayTau);
        const double f = freq * (1.0 + vibrato * smoothstep((t - 0.15) / 0.2) * std::sin(kTwoPi * 6.0 * t));
        const double v = env * osc.square(f, duty);
        s.add(first + k, v * p.l, v * p.r);
    }
}

// ---------------------------------------------------------------------------
// The sounds.

void addClap(Sound& s, double start, double amp, double freq, double q, double pan, Rng& rng)
{
    Biquad body;
    body.bandpass(freq, q);
    Biquad air;
    air.highpass(3000.0, 0.7);
    const Pan p(pan);
    const size_t first = frameAt(start);
    const double decay = rng.range(0.005, 0.009);
    for (size_t k = 0; k < frameAt(0.06); ++k) {
        const double t = k / kRate;
        const double env = t < 0.0007 ? t / 0.0007 : std::exp(-(t - 0.0007) / decay);
        const double w = rng.bipolar();
        const double v = amp * env * (1.6 * body.process(w) + 0.12 * air.process(w));
        s.add(first + k, v * p.l, v * p.r);
    }
}

// A crowd of people clapping at their own pace; they join in over the first
// half second and stop one by one.
Sound applause(Rng& rng)
{
    Sound s(5.0);
    for (int person = 0; person < 70; ++person) {
        const double period = 1.0 / rng.range(3.4, 5.2);
        const double pan = rng.range(-0.85, 0.85);
        const double level = rng.range(0.35, 1.0);
        const double freq = rng.range(800.0, 2400.0);
        const double q = rng.range(1.2, 3.0);
        const double stop = rng.range(3.0, 4.4);
        for (double t = rng.range(0.0, 0.4); t < stop; t += period * (1.0 + 0.06 * rng.gauss())) {
            const double join = 0.3 + 0.7 * smoothstep(t / 0.5);
            const double tire = 1.0 - 0.6 * smoothstep((t - (stop - 0.8)) / 0.8);
            addClap(s, t + 0.005, level * join * tire * rng.range(0.7, 1.0),
                    freq * std::exp(0.08 * rng.gauss()), q, pan, rng);
        }
    }
    addReverb(s, 0.82, 0.35, 0.25);
    return s;
}

// A compressed-air horn: detuned reeds through a horn bell, overdriven;
// two short blasts and a long one.
Sound airHorn(Rng& rng)
{
    Sound s(2.6);
    const double blasts[][2] = {{0.02, 0.28}, {0.42, 0.28}, {0.82, 1.25}};
    const double tones[] = {415.0, 421.0, 553.0};
    const double levels[] = {1.0, 0.8, 0.55};
    Osc reeds[3] = {Osc(0.0), Osc(0.37), Osc(0.71)};
    Drift jitter(rng, 11.0);
    Biquad hp, formant1, formant2, lp, breath;
    hp.highpass(280.0, 0.7);
    formant1.peaking(1300.0, 1.2, 6.0);
    formant2.peaking(2900.0, 1.5, 5.0);
    lp.lowpass(7000.0, 0.7);
    breath.bandpass(2200.0, 1.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        double level = 0.0;
        double since = 10.0;
        for (const auto& blast : blasts) {
            level += gate(t - blast[0], blast[1], 0.03, 0.05);
            if (t >= blast[0])
                since = t - blast[0];
        }
        const double pitch = (1.0 - 0.07 * std::exp(-since / 0.04)) * (1.0 + 0.004 * (jitter.next() - 0.5));
        double v = 0.0;
        for (int k = 0; k < 3; ++k)
            v += levels[k] * reeds[k].saw(tones[k] * pitch);
        v = std::tanh(2.5 * v * level);
        v = lp.process(formant2.process(formant1.process(hp.process(v))));
        v += 0.08 * level * breath.process(rng.bipolar());
        s.left[i] = v;
        s.right[i] = v;
    }
    addReverb(s, 0.86, 0.3, 0.22);
    return s;
}

// A snare roll that swells, then an accent with bass drum and crash.
Sound drumRoll(Rng& rng)
{
    Sound s(5.2);
    const double end = 3.1;
    int stroke = 0;
    for (double t = 0.02; t < end; t += 1.0 / 21.0 + 0.002 * rng.gauss(), ++stroke) {
        const double swell = 0.18 + 0.82 * std::pow(t / end, 1.6);
        const double hand = stroke % 2 == 0 ? 1.0 : 0.85;
        addSnare(s, t, swell * hand * rng.range(0.85, 1.0), 0.05 * (stroke % 2 == 0 ? -1 : 1), rng);
    }
    addSnare(s, end + 0.02, 1.3, 0.0, rng);
    addKick(s, end + 0.02, 1.3);
    addCymbal(s, end + 0.02, 0.9, 0.9, rng);
    addReverb(s, 0.8, 0.4, 0.18);
    return s;
}

// "Ba-dum-tss": snare, tom with bass drum, cymbal.
Sound rimshot(Rng& rng)
{
    Sound s(2.4);
    addSnare(s, 0.02, 0.9, -0.1, rng);
    addTom(s, 0.2, 125.0, 0.9, 0.1, rng);
    addKick(s, 0.2, 0.9);
    addCymbal(s, 0.56, 0.8, 0.6, rng);
    addKick(s, 0.56, 0.5);
    addReverb(s, 0.78, 0.4, 0.15);
    return s;
}

// Two blaster shots: fast downward sweeps with FM grit, echoed.
Sound laser(Rng&)
{
    Sound s(1.4);
    const double shots[][3] = {{0.01, 2600.0, 160.0}, {0.3, 2200.0, 140.0}};
    for (const auto& shot : shots) {
        const double length = 0.26;
        double phase = 0.0;
        double modPhase = 0.0;
        Osc sub;
        const size_t first = frameAt(shot[0]);
        for (size_t k = 0; k < frameAt(length); ++k) {
            const double t = k / kRate;
            const double x = t / length;
            const double freq = shot[1] * std::pow(shot[2] / shot[1], std::pow(x, 0.6));
            phase += freq / kRate;
            modPhase += freq * 0.5 / kRate;
            const double index = 0.5 + 2.5 * std::exp(-t / 0.05);
            double v = std::sin(kTwoPi * phase + index * std::sin(kTwoPi * modPhase));
            v += 0.25 * sub.square(freq * 0.5);
            v *= smoothstep(t / 0.0015) * std::exp(-t / 0.12) * (1.0 - smoothstep((x - 0.8) / 0.2));
            s.add(first + k, v, v);
        }
    }
    addEcho(s, 0.11, 0.4, 0.45, 3500.0);
    return s;
}

// An explosion: a crack, a rumbling body whose brightness falls away, a
// sub-bass push and falling debris.
Sound explosion(Rng& rng)
{
    Sound s(4.6);
    const double start = 0.01;
    Biquad crackL, crackR, bodyL1, bodyL2, bodyR1, bodyR2;
    crackL.highpass(600.0, 0.7);
    crackR.highpass(600.0, 0.7);
    Drift rumble(rng, 7.0);
    Osc sub;
    double brownL = 0.0;
    double brownR = 0.0;
    for (size_t i = frameAt(start); i < s.size(); ++i) {
        const double t = i / kRate - start;
        if (i % 16 == 0) {
            const double cutoff = 220.0 + 3800.0 * std::exp(-t / 0.3);
            bodyL1.lowpass(cutoff, 0.7);
            bodyL2.lowpass(cutoff * 1.2, 0.6);
            bodyR1.lowpass(cutoff, 0.7);
            bodyR2.lowpass(cutoff * 1.2, 0.6);
        }
        const double wl = rng.bipolar();
        const double wr = rng.bipolar();
        brownL = 0.97 * brownL + 0.25 * wl;
        brownR = 0.97 * brownR + 0.25 * wr;
        const double crackEnv = smoothstep(t / 0.001) * std::exp(-t / 0.02);
        const double bodyEnv = smoothstep(t / 0.006) *
                               (0.4 * std::exp(-t / 0.25) + 0.6 * std::exp(-t / 1.1)) *
                               (0.6 + 0.8 * rumble.next());
        const double subEnv = smoothstep(t / 0.01) * std::exp(-t / 0.55);
        const double boom = 1.3 * subEnv * sub.sine(28.0 + 50.0 * std::exp(-t / 0.3));
        double l =
            1.2 * crackEnv * crackL.process(wl) + bodyEnv * bodyL2.process(bodyL1.process(brownL)) + boom;
        double r =
            1.2 * crackEnv * crackR.process(wr) + bodyEnv * bodyR2.process(bodyR1.process(brownR)) + boom;
        s.left[i] = std::tanh(1.5 * l);
        s.right[i] = std::tanh(1.5 * r);
    }
    // Debris: short, bright knocks that thin out.
    for (int i = 0; i < 70; ++i) {
        const double t = 0.25 + 2.6 * std::pow(rng.uniform(), 1.8);
        Biquad bp;
        bp.bandpass(rng.range(900.0, 4000.0), 2.0);
        const Pan p(rng.range(-0.9, 0.9));
        const double amp = 0.25 * rng.range(0.2, 1.0) * std::exp(-(t - 0.25) / 1.2);
        const double tau = rng.range(0.004, 0.02);
        const size_t first = frameAt(t);
        for (size_t k = 0; k < frameAt(tau * 6.0); ++k) {
            const double v = amp * bp.process(rng.bipolar()) * std::exp(-(k / kRate) / tau);
            s.add(first + k, v * p.l, v * p.r);
        }
    }
    addReverb(s, 0.88, 0.5, 0.3);
    return s;
}

// The wrong-answer buzzer: two beating square waves, clipped, through a
// small loudspeaker.
Sound buzzer(Rng& rng)
{
    Sound s(1.2);
    Osc a;
    Osc b(0.4);
    Drift flutter(rng, 25.0);
    Biquad hp, mid, presence, lp;
    hp.highpass(170.0, 0.7);
    mid.peaking(900.0, 1.0, 6.0);
    presence.peaking(2600.0, 1.2, 4.0);
    lp.lowpass(5500.0, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double level = gate(t - 0.01, 1.0, 0.006, 0.04);
        double v = a.square(110.0) + 0.8 * b.square(116.5) + 0.3 * a.phase();
        v = std::tanh(3.0 * v) * level * (0.9 + 0.1 * flutter.next());
        v = lp.process(presence.process(mid.process(hp.process(v))));
        s.left[i] = v;
        s.right[i] = v;
    }
    return s;
}

// A bright bell "ding": bell partials, each a close pair that beats.
Sound ding(Rng& rng)
{
    Sound s(3.2);
    const double f0 = 1318.5;
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4, 8.93};
    const double levels[] = {1.0, 0.45, 0.35, 0.15, 0.12, 0.05};
    const double taus[] = {1.2, 0.8, 0.5, 0.3, 0.2, 0.1};
    for (int i = 0; i < 6; ++i) {
        const double f = f0 * ratios[i];
        addMode(s, 0.01, f - 0.7, levels[i] * 0.5, taus[i], -0.2, rng.range(0.0, kTwoPi), 0.0004);
        addMode(s, 0.01, f + 0.7, levels[i] * 0.5, taus[i], 0.2, rng.range(0.0, kTwoPi), 0.0004);
    }
    Biquad click;
    click.highpass(4000.0, 0.7);
    for (size_t k = 0; k < frameAt(0.004); ++k) {
        const double v = 0.3 * click.process(rng.bipolar()) * (1.0 - k / (0.004 * kRate));
        s.add(frameAt(0.01) + k, v, v);
    }
    addReverb(s, 0.8, 0.3, 0.15);
    return s;
}

// Field crickets at night: each chirp is a few pulses of a 4-5 kHz tone.
Sound crickets(Rng& rng)
{
    Sound s(5.5);
    struct Cricket
    {
        double freq, pan, level, period, pulses;
    };
    const Cricket band[] = {{4350.0, -0.6, 1.0, 0.55, 4},
                            {4620.0, 0.45, 0.7, 0.63, 3},
                            {4880.0, -0.1, 0.45, 0.47, 4},
                            {5150.0, 0.85, 0.3, 0.71, 3}};
    for (const Cricket& c : band) {
        Biquad distance;
        distance.lowpass(9000.0 * c.level + 2000.0, 0.7);
        for (double t = rng.range(0.0, c.period); t < 5.3; t += c.period * (1.0 + 0.05 * rng.gauss())) {
            for (int pulse = 0; pulse < c.pulses; ++pulse) {
                const double start = t + pulse * 0.033;
                const double length = 0.016;
                const double amp = c.level * (pulse == 0 ? 0.8 : 1.0) * rng.range(0.85, 1.0);
                const Pan p(c.pan);
                const size_t first = frameAt(start);
                for (size_t k = 0; k < frameAt(length); ++k) {
                    const double x = k / (length * kRate);
                    const double f = c.freq * (1.0 - 0.015 * x);
                    const double ph = kTwoPi * f * k / kRate;
                    const double env = std::pow(std::sin(kPi * x), 2.0);
                    const double v = amp * env * (std::sin(ph) + 0.06 * std::sin(2.0 * ph));
                    s.add(first + k, v * p.l, v * p.r);
                }
            }
        }
    }
    // The quiet of the night around them.
    Pink pinkL, pinkR;
    OnePole lpL(1200.0), lpR(1200.0);
    for (size_t i = 0; i < s.size(); ++i) {
        s.left[i] += 0.02 * lpL.process(pinkL.process(rng.bipolar()));
        s.right[i] += 0.02 * lpR.process(pinkR.process(rng.bipolar()));
    }
    addReverb(s, 0.7, 0.5, 0.12);
    fadeInOut(s, 0.3, 5.5, 0.5);
    return s;
}

// Wind: pink noise through wandering band-passes, with gusts and a faint
// howl.
Sound wind(Rng& rng)
{
    const double length = 6.5;
    Sound s(length);
    Drift gustSlow(rng, 0.35);
    Drift gustFast(rng, 1.3);
    Drift howlPitch(rng, 0.5);
    Pink pinkL, pinkR;
    Biquad rushL, rushR, howlL, howlR;
    OnePole lowL(150.0), lowR(150.0);
    double delayed[4096] = {};
    size_t index = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double gust = 0.65 * gustSlow.next() + 0.35 * gustFast.next();
        // The right side hears each gust a little later, as it passes by.
        delayed[index] = gust;
        const double gustR = delayed[(index + 1) % 4096];
        index = (index + 1) % 4096;
        const double pitch = howlPitch.next();
        if (i % 32 == 0) {
            rushL.bandpass(200.0 + 900.0 * gust, 0.8);
            rushR.bandpass(200.0 + 900.0 * gustR, 0.8);
            const double howl = 380.0 + 450.0 * pitch + 500.0 * gust;
            howlL.bandpass(howl, 25.0);
            howlR.bandpass(howl * 1.04, 25.0);
        }
        const double wl = pinkL.process(rng.bipolar());
        const double wr = pinkR.process(rng.bipolar());
        const double levelL = 0.15 + 0.85 * gust * gust;
        const double levelR = 0.15 + 0.85 * gustR * gustR;
        const double fade = smoothstep(t / 1.0) * smoothstep((length - t) / 1.3);
        s.left[i] = fade * levelL *
                    (rushL.process(wl) + 5.0 * howlL.process(wl) * gust * gust + 0.8 * lowL.process(wl));
        s.right[i] = fade * levelR *
                     (rushR.process(wr) + 5.0 * howlR.process(wr) * gustR * gustR + 0.8 * lowR.process(wr));
    }
    return s;
}

// A heartbeat through a stethoscope: "lub" and a shorter, higher "dub".
Sound heartbeat(Rng& rng)
{
    Sound s(4.2);
    const double period = 60.0 / 70.0;
    for (double beat = 0.05; beat < 3.5; beat += period) {
        const double sounds[][4] = {{0.0, 52.0, 0.06, 1.0}, {0.29, 68.0, 0.045, 0.75}};
        for (const auto& part : sounds) {
            Osc osc;
            Osc second;
            Biquad thud;
            thud.lowpass(250.0, 0.7);
            const size_t first = frameAt(beat + part[0]);
            for (size_t k = 0; k < frameAt(0.3); ++k) {
                const double t = k / kRate;
                const double env = smoothstep(t / 0.012) * std::exp(-t / part[2]);
                const double f = part[1] * (1.0 + 0.35 * std::exp(-t / 0.02));
                double v = osc.sine(f) + 0.35 * second.sine(2.1 * f) + 0.6 * thud.process(rng.bipolar());
                v = std::tanh(2.2 * v * env * part[3]);
                s.add(first + k, v, v);
            }
        }
    }
    Biquad muffleL, muffleR;
    muffleL.lowpass(700.0, 0.7);
    muffleR.lowpass(700.0, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        s.left[i] = muffleL.process(s.left[i]);
        s.right[i] = muffleR.process(s.right[i]);
    }
    return s;
}

// A race start: three low beeps a second apart, then a long high one.
Sound countdown(Rng&)
{
    Sound s(4.3);
    const double beeps[][3] = {
        {0.02, 0.2, 740.0}, {1.02, 0.2, 740.0}, {2.02, 0.2, 740.0}, {3.02, 0.9, 1480.0}};
    for (const auto& beep : beeps) {
        Osc osc;
        const size_t first = frameAt(beep[0]);
        for (size_t k = 0; k < frameAt(beep[1] + 0.02); ++k) {
            const double t = k / kRate;
            const double ph = osc.phase();
            osc.sine(beep[2]);
            const double v =
                gate(t, beep[1], 0.004, 0.012) * (std::sin(kTwoPi * ph) + 0.2 * std::sin(3.0 * kTwoPi * ph) +
                                                  0.08 * std::sin(5.0 * kTwoPi * ph));
            s.add(first + k, v, v);
        }
    }
    addReverb(s, 0.75, 0.4, 0.12);
    return s;
}

// "Wah wah wah waaah": a muted trombone sliding down by semitones, the
// plunger opening on each note and shaking on the last.
Sound sadTrombone(Rng& rng)
{
    Sound s(3.8);
    const double notes[][2] = {{0.02, 0.44}, {0.52, 0.44}, {1.02, 0.44}, {1.52, 1.75}};
    for (int n = 0; n < 4; ++n) {
        const double start = notes[n][0];
        const double length = notes[n][1];
        const double base = noteHz(58.0 - n); // B flat 3 down to G3
        const bool last = n == 3;
        Osc osc(rng.uniform());
        Biquad body1, body2, mute;
        const size_t first = frameAt(start);
        for (size_t k = 0; k < frameAt(length + 0.15); ++k) {
            const double t = k / kRate;
            const double env = gate(t, length, 0.05, 0.15);
            double vib = 0.0;
            if (last)
                vib = 0.012 * smoothstep((t - 0.3) / 0.4) * std::sin(kTwoPi * 5.0 * t);
            const double freq = base * (1.0 - 0.035 * std::exp(-t / 0.04)) * (1.0 + vib);
            double open = smoothstep((t - 0.02) / 0.16);
            if (last)
                open = open * (1.0 - smoothstep((t - 0.3) / 0.3)) +
                       smoothstep((t - 0.3) / 0.3) * (0.5 + 0.45 * std::sin(kTwoPi * 5.0 * (t - 0.3)));
            if (k % 16 == 0) {
                const double cutoff = base * (1.5 + 6.0 * env);
                body1.lowpass(cutoff, 0.8);
                body2.lowpass(cutoff * 1.2, 0.6);
                mute.lowpass(380.0 + 1900.0 * open, 2.5);
            }
            double v = body2.process(body1.process(osc.saw(freq)));
            v = mute.process(v);
            v = std::tanh(1.8 * v * env);
            s.add(first + k, v, v);
        }
    }
    addReverb(s, 0.8, 0.35, 0.18);
    return s;
}

// A platform-game coin: two quick square-wave notes, the second ringing out.
Sound coin(Rng&)
{
    Sound s(0.9);
    addChip(s, 0.005, 0.075, noteHz(81.0), 0.5, 0.5, 0.0);
    addChip(s, 0.08, 0.75, noteHz(86.0), 0.5, 0.5, 0.0, 0.22);
    return s;
}

// A power-up: rising arpeggios, each a step higher than the last.
Sound powerUp(Rng&)
{
    Sound s(1.35);
    const int chord[] = {0, 4, 7, 12};
    double t = 0.005;
    for (int step = 0; step < 6; ++step) {
        for (int note : chord) {
            const double freq = noteHz(72.0 + 2.0 * step + note);
            addChip(s, t, 0.042, freq, 0.45, 0.25, 0.0);
            addChip(s, t, 0.042, freq * 0.5, 0.2, 0.5, 0.0);
            t += 0.04;
        }
    }
    addChip(s, t, 0.12, noteHz(96.0), 0.45, 0.25, 0.0, 0.06);
    addEcho(s, 0.075, 0.3, 0.3, 6000.0);
    return s;
}

// A platform-game jump: a square wave sweeping up.
Sound jump(Rng&)
{
    Sound s(0.45);
    Osc osc;
    for (size_t i = frameAt(0.005); i < frameAt(0.4); ++i) {
        const double t = i / kRate - 0.005;
        const double freq = 250.0 * std::pow(3.0, smoothstep(t / 0.2) * 0.9 + 0.1 * t / 0.4);
        const double v = 0.5 * gate(t, 0.3, 0.003, 0.09) * osc.square(freq, 0.5);
        s.add(i, v, v);
    }
    return s;
}

// Game over: a falling minor arpeggio, then a low note fading away.
Sound gameOver(Rng&)
{
    Sound s(3.2);
    const double lead[][3] = {{0.0, 0.14, 72.0},  {0.16, 0.14, 67.0}, {0.32, 0.14, 63.0},
                              {0.48, 0.14, 60.0}, {0.72, 0.26, 61.0}, {1.0, 1.6, 60.0}};
    for (const auto& n : lead) {
        const bool last = n[1] > 1.0;
        addChip(s, 0.01 + n[0], n[1], noteHz(n[2]), 0.4, 0.5, 0.0, last ? 0.7 : 0.0, last ? 0.012 : 0.0);
    }
    // Triangle bass, as on the old consoles.
    const double bass[][3] = {{0.0, 0.62, 48.0}, {0.72, 0.26, 49.0}, {1.0, 1.6, 36.0}};
    for (const auto& n : bass) {
        Osc osc;
        const size_t first = frameAt(0.01 + n[0]);
        for (size_t k = 0; k < frameAt(n[1] + 0.01); ++k) {
            const double t = k / kRate;
            double env = gate(t, n[1], 0.003, 0.008) * 0.55;
            if (n[1] > 1.0)
                env *= std::exp(-t / 0.7);
            const double v = env * osc.triangle(noteHz(n[2]));
            s.add(first + k, v, v);
        }
    }
    return s;
}

// A tam-tam: hundreds of inharmonic modes; the high ones bloom after the
// strike and shimmer while the low ones hum on.
Sound gong(Rng& rng)
{
    const double length = 7.5;
    Sound s(length);
    const double start = 0.02;
    for (int i = 0; i < 220; ++i) {
        const double freq =
            i < 60 ? std::exp(rng.range(std::log(65.0), std::log(600.0))) : rng.range(300.0, 7000.0);
        const double octaves = std::log2(freq / 65.0);
        const double amp = rng.range(0.3, 1.0) * std::pow(65.0 / freq, 0.45) * (i < 60 ? 1.0 : 0.6);
        const double attack = 0.005 + 0.09 * std::pow(octaves, 1.3) * rng.range(0.5, 1.0);
        const double tau = rng.range(0.6, 1.0) * 5.0 / (1.0 + 0.45 * octaves);
        addMode(s, start, freq, amp, tau, rng.range(-0.6, 0.6), rng.range(0.0, kTwoPi), attack);
    }
    // The felt mallet's thump.
    Biquad thump;
    thump.lowpass(180.0, 0.7);
    for (size_t k = 0; k < frameAt(0.3); ++k) {
        const double t = k / kRate;
        const double v = 3.0 * thump.process(rng.bipolar()) * smoothstep(t / 0.004) * std::exp(-t / 0.05);
        s.add(frameAt(start) + k, v, v);
    }
    addReverb(s, 0.86, 0.4, 0.2);
    for (size_t i = 0; i < s.size(); ++i) {
        const double fade = smoothstep((length - i / kRate) / 1.5);
        s.left[i] *= fade;
        s.right[i] *= fade;
    }
    return s;
}

// A cowbell: two clashing square tones through a band-pass, struck with a
// stick, plus a few metal partials; a short rhythm.
Sound cowbell(Rng& rng)
{
    Sound s(2.1);
    const double hits[][2] = {{0.02, 0.8}, {0.32, 0.7}, {0.62, 1.0}, {0.77, 0.7}, {0.92, 0.8}, {1.22, 1.0}};
    for (const auto& hit : hits) {
        Osc a;
        Osc b(0.5);
        Biquad band1, band2;
        band1.bandpass(850.0, 1.2);
        band2.bandpass(2100.0, 1.5);
        Biquad stick;
        stick.bandpass(4500.0, 1.0);
        const size_t first = frameAt(hit[0]);
        for (size_t k = 0; k < frameAt(0.8); ++k) {
            const double t = k / kRate;
            const double env = smoothstep(t / 0.0008) *
                               (0.6 * std::exp(-t / 0.02) + 0.4 * std::exp(-t / 0.22)) * taper(t, 0.8);
            const double tone = a.square(562.0) + b.square(845.0);
            double v = env * (band1.process(tone) + 0.5 * band2.process(tone));
            v += 0.4 * stick.process(rng.bipolar()) * std::exp(-t / 0.003);
            s.add(first + k, hit[1] * v, hit[1] * v);
        }
        addMode(s, hit[0], 1351.0, 0.08 * hit[1], 0.12, 0.0, 0.0);
        addMode(s, hit[0], 2330.0, 0.05 * hit[1], 0.08, 0.0, 0.0);
    }
    addReverb(s, 0.75, 0.4, 0.12);
    return s;
}

// A slide whistle: a breathy, nearly pure tone gliding up and back down.
Sound slideWhistle(Rng& rng)
{
    Sound s(1.9);
    Osc osc;
    Biquad breath;
    Biquad air;
    air.highpass(3000.0, 0.7);
    Drift flutter(rng, 14.0);
    const double begin = 0.02;
    const double end = 1.55;
    for (size_t i = frameAt(begin); i < frameAt(end + 0.1); ++i) {
        const double t = i / kRate - begin;
        const double up = smoothstep(t / 0.65);
        const double down = smoothstep((t - 0.75) / 0.7);
        const double glide = up * (1.0 - down);
        const double freq = (500.0 * std::pow(3.6, glide)) * (1.0 + 0.006 * std::sin(kTwoPi * 6.0 * t));
        if (i % 32 == 0)
            breath.bandpass(freq, 6.0);
        const double level = gate(t, end - begin, 0.04, 0.08) * (0.92 + 0.08 * flutter.next());
        const double ph = osc.phase();
        osc.sine(freq);
        const double w = rng.bipolar();
        const double v = level * (std::sin(kTwoPi * ph) + 0.07 * std::sin(2.0 * kTwoPi * ph) +
                                  0.8 * breath.process(w) + 0.03 * air.process(w));
        s.add(i, v, v);
    }
    addReverb(s, 0.75, 0.35, 0.12);
    return s;
}

// Bubbles rising and popping: sine "bloops" whose pitch rises as each
// bubble nears the surface, then one pop.
Sound bubblePop(Rng& rng)
{
    Sound s(1.4);
    const double bubbles[][3] = {{0.02, 420.0, 0.9}, {0.17, 620.0, 0.6}, {0.26, 520.0, 0.7},
                                 {0.45, 760.0, 0.5}, {0.6, 360.0, 1.0},  {0.8, 680.0, 0.6}};
    for (const auto& bubble : bubbles) {
        const double pan = rng.range(-0.5, 0.5);
        const Pan p(pan);
        double phase = 0.0;
        const size_t first = frameAt(bubble[0]);
        for (size_t k = 0; k < frameAt(0.18); ++k) {
            const double t = k / kRate;
            const double freq = bubble[1] * (1.0 + 1.8 * (1.0 - std::exp(-t / 0.05)));
            phase += freq / kRate;
            const double v =
                bubble[2] * smoothstep(t / 0.002) * std::exp(-t / 0.035) * std::sin(kTwoPi * phase);
            s.add(first + k, v * p.l, v * p.r);
        }
    }
    // The pop: a sharp click with a short bright ring.
    Biquad click;
    click.highpass(1500.0, 0.7);
    for (size_t k = 0; k < frameAt(0.02); ++k) {
        const double t = k / kRate;
        const double v = 1.2 * click.process(rng.bipolar()) * smoothstep(t / 0.0003) * std::exp(-t / 0.0025);
        s.add(frameAt(1.0) + k, v, v);
    }
    addMode(s, 1.0, 1850.0, 0.5, 0.018, 0.0, 0.0, 0.0003);
    addReverb(s, 0.7, 0.5, 0.12);
    return s;
}

// A submarine sonar: two pings ringing into the water, each with a faint
// echo coming back.
Sound sonar(Rng& rng)
{
    Sound s(6.0);
    const double pings[] = {0.02, 2.8};
    for (double ping : pings) {
        addMode(s, ping, 1180.0, 1.0, 0.45, 0.0, 0.0, 0.004);
        addMode(s, ping, 2361.0, 0.08, 0.2, 0.0, 0.0, 0.004);
        addMode(s, ping + 1.25, 1172.0, 0.18, 0.35, 0.3, 0.0, 0.02);
    }
    OnePole deep(160.0);
    double brown = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        brown = 0.995 * brown + 0.05 * rng.bipolar();
        const double v = 0.08 * deep.process(brown);
        s.left[i] += v;
        s.right[i] += v;
    }
    addReverb(s, 0.9, 0.6, 0.6);
    fadeInOut(s, 0.01, 6.0, 0.8);
    return s;
}

// Something passing by fast: noise through a sweeping band-pass, moving
// left to right.
Sound whoosh(Rng& rng)
{
    const double length = 1.5;
    Sound s(length);
    Pink pink;
    Biquad sharp, broad;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        const double x = t / length;
        const double near = std::exp(-std::pow((x - 0.45) / 0.17, 2.0));
        if (i % 16 == 0) {
            const double centre = 250.0 * std::pow(14.0, near);
            sharp.bandpass(centre, 3.0);
            broad.bandpass(centre * 0.8, 0.7);
        }
        const double w = pink.process(rng.bipolar());
        const double v = near * (1.2 * sharp.process(w) + broad.process(w)) * smoothstep(t / 0.02) *
                         smoothstep((length - t) / 0.05);
        const Pan p(std::tanh(3.0 * (x - 0.45)));
        s.add(i, v * p.l, v * p.r);
    }
    addReverb(s, 0.7, 0.5, 0.1);
    return s;
}

// A cartoon spring: a twangy tone whose pitch wobbles fast and settles.
Sound boing(Rng& rng)
{
    Sound s(1.5);
    double phase = 0.0;
    Biquad twang;
    twang.peaking(900.0, 1.5, 6.0);
    for (size_t i = frameAt(0.01); i < s.size(); ++i) {
        const double t = i / kRate - 0.01;
        const double wobble = 0.28 * std::exp(-t / 0.35) * std::sin(kTwoPi * 13.0 * t);
        const double freq = 170.0 * (1.0 + 0.6 * (1.0 - std::exp(-t / 0.12))) * (1.0 + wobble);
        phase += freq / kRate;
        const double ph = kTwoPi * phase;
        double v =
            std::sin(ph) + 0.5 * std::sin(2.0 * ph) + 0.3 * std::sin(3.0 * ph) + 0.15 * std::sin(4.0 * ph);
        v = twang.process(v) * smoothstep(t / 0.003) * std::exp(-t / 0.4) * smoothstep((1.49 - t) / 0.1);
        s.add(i, v, v);
    }
    Biquad thud;
    thud.lowpass(400.0, 0.7);
    for (size_t k = 0; k < frameAt(0.06); ++k) {
        const double v = 1.5 * thud.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.01);
        s.add(frameAt(0.01) + k, v, v);
    }
    addReverb(s, 0.72, 0.4, 0.1);
    return s;
}

// Magic: a fast rising run of glassy FM bells with sparkles.
Sound magic(Rng& rng)
{
    Sound s(3.0);
    const int scale[] = {0, 2, 4, 7, 9};
    for (int n = 0; n < 14; ++n) {
        const double note = 79.0 + 12.0 * (n / 5) + scale[n % 5];
        const double start = 0.02 + n * 0.05;
        const double freq = noteHz(note);
        const Pan p(-0.7 + 1.4 * n / 13.0);
        double car = 0.0;
        double mod = 0.0;
        const size_t first = frameAt(start);
        for (size_t k = 0; k < frameAt(1.6); ++k) {
            const double t = k / kRate;
            car += freq / kRate;
            mod += freq * 3.5 / kRate;
            const double index = 1.8 * std::exp(-t / 0.15);
            const double v = 0.35 * smoothstep(t / 0.002) * std::exp(-t / 0.45) * taper(t, 1.6) *
                             std::sin(kTwoPi * car + index * std::sin(kTwoPi * mod));
            s.add(first + k, v * p.l, v * p.r);
        }
    }
    for (int i = 0; i < 60; ++i) {
        const double t = 0.1 + 1.6 * std::pow(rng.uniform(), 1.3);
        addMode(s, t, rng.range(4500.0, 10000.0), 0.08 * rng.range(0.3, 1.0), rng.range(0.03, 0.12),
                rng.range(-0.9, 0.9));
    }
    addReverb(s, 0.88, 0.3, 0.35);
    return s;
}

// Birds in the morning: a warbler's varied phrases, a whistled two-note
// call and quick chips, over a faint rustle.
void addSyllable(Sound& s, double start, double length, double f0, double f1, double trillRate,
                 double trillDepth, double amp, double pan)
{
    const Pan p(pan);
    double phase = 0.0;
    const size_t first = frameAt(start);
    for (size_t k = 0; k < frameAt(length); ++k) {
        const double t = k / kRate;
        const double x = t / length;
        const double freq = f0 + (f1 - f0) * x + trillDepth * std::sin(kTwoPi * trillRate * t);
        phase += freq / kRate;
        const double env = std::pow(std::sin(kPi * x), 2.0);
        const double v = amp * env * (std::sin(kTwoPi * phase) + 0.06 * std::sin(2.0 * kTwoPi * phase));
        s.add(first + k, v * p.l, v * p.r);
    }
}

Sound birds(Rng& rng)
{
    const double length = 5.5;
    Sound s(length);
    // The warbler: phrases of sweeps and trills picked at random.
    const double phrases[] = {0.2, 2.5, 4.3};
    for (double phrase : phrases) {
        double t = phrase;
        const int syllables = phrase > 4.0 ? 5 : 8;
        for (int i = 0; i < syllables; ++i) {
            const double kind = rng.uniform();
            double len = 0.0;
            if (kind < 0.35) {
                len = rng.range(0.05, 0.09);
                addSyllable(s, t, len, rng.range(2400.0, 3000.0), rng.range(3800.0, 4600.0), 0, 0, 0.8,
                            -0.45);
            } else if (kind < 0.7) {
                len = rng.range(0.05, 0.08);
                addSyllable(s, t, len, rng.range(4600.0, 5400.0), rng.range(2600.0, 3200.0), 0, 0, 0.8,
                            -0.45);
            } else {
                len = rng.range(0.15, 0.25);
                addSyllable(s, t, len, 3300.0, 3600.0, rng.range(30.0, 45.0), 450.0, 0.6, -0.45);
            }
            t += len + rng.range(0.03, 0.07);
        }
    }
    // A whistled "fee-bee", further away.
    const double calls[] = {1.4, 3.6};
    for (double call : calls) {
        addSyllable(s, call, 0.28, 4050.0, 3950.0, 0, 0, 0.45, 0.6);
        addSyllable(s, call + 0.33, 0.3, 3400.0, 3350.0, 8.0, 25.0, 0.4, 0.6);
    }
    // Quick chips from a third bird.
    for (int i = 0; i < 6; ++i)
        addSyllable(s, 3.0 + i * 0.11 + 0.01 * rng.gauss(), 0.03, 6200.0, 3600.0, 0, 0, 0.35, 0.15);
    Pink pinkL, pinkR;
    Biquad bandL, bandR;
    bandL.bandpass(1200.0, 0.5);
    bandR.bandpass(1200.0, 0.5);
    for (size_t i = 0; i < s.size(); ++i) {
        s.left[i] += 0.05 * bandL.process(pinkL.process(rng.bipolar()));
        s.right[i] += 0.05 * bandR.process(pinkR.process(rng.bipolar()));
    }
    addReverb(s, 0.72, 0.5, 0.14);
    fadeInOut(s, 0.2, length, 0.5);
    return s;
}

// Thunder: a close crack tearing across the sky, then a long, rolling
// rumble.
Sound thunder(Rng& rng)
{
    const double length = 7.0;
    Sound s(length);
    // The crack: noise torn into ragged bursts as the channel discharges.
    Biquad crackL, crackR, topL, topR;
    crackL.highpass(300.0, 0.7);
    crackR.highpass(300.0, 0.7);
    topL.lowpass(7000.0, 0.7);
    topR.lowpass(7000.0, 0.7);
    Drift tearing(rng, 90.0);
    for (size_t k = 0; k < frameAt(0.9); ++k) {
        const double t = k / kRate;
        const double crackle = 0.5 + 4.0 * std::pow(tearing.next(), 3.0);
        const double env = 3.0 * smoothstep(t / 0.002) *
                           (0.6 * std::exp(-t / 0.05) + 0.4 * std::exp(-t / 0.15)) * crackle * taper(t, 0.9);
        s.add(frameAt(0.05) + k, env * topL.process(crackL.process(rng.bipolar())),
              env * topR.process(crackR.process(rng.bipolar())));
    }
    // The rumble: brown noise, low-passed, swelling in uneven rolls.
    struct Roll
    {
        double time, width, level;
    };
    std::vector<Roll> rolls;
    for (int i = 0; i < 14; ++i) {
        const double time = 0.15 + 4.2 * std::pow(rng.uniform(), 1.4);
        rolls.push_back({time, rng.range(0.15, 0.6), rng.range(0.4, 1.0) * std::exp(-time / 2.2)});
    }
    Biquad lowL1, lowL2, lowR1, lowR2, midL, midR;
    lowL1.lowpass(220.0, 0.7);
    lowL2.lowpass(300.0, 0.6);
    lowR1.lowpass(220.0, 0.7);
    lowR2.lowpass(300.0, 0.6);
    midL.lowpass(900.0, 0.7);
    midR.lowpass(900.0, 0.7);
    double brownL = 0.0;
    double brownR = 0.0;
    for (size_t i = frameAt(0.05); i < s.size(); ++i) {
        const double t = i / kRate;
        double level = 0.35 * smoothstep((t - 0.05) / 0.15) * std::exp(-(t - 0.05) / 2.0);
        for (const Roll& roll : rolls)
            level += roll.level * std::exp(-std::pow((t - roll.time) / roll.width, 2.0));
        brownL = 0.98 * brownL + 0.2 * rng.bipolar();
        brownR = 0.98 * brownR + 0.2 * rng.bipolar();
        const double l = level * (lowL2.process(lowL1.process(brownL)) + 0.45 * midL.process(brownL));
        const double r = level * (lowR2.process(lowR1.process(brownR)) + 0.45 * midR.process(brownR));
        s.left[i] += 2.0 * std::tanh(l);
        s.right[i] += 2.0 * std::tanh(r);
    }
    addReverb(s, 0.88, 0.5, 0.3);
    for (size_t i = 0; i < s.size(); ++i) {
        const double fade = smoothstep((length - i / kRate) / 1.5);
        s.left[i] *= fade;
        s.right[i] *= fade;
    }
    return s;
}

// Rain: a steady hiss of distant drops and, close by, single drops - each a
// tick and often a small bubble whose pitch rises.
Sound rain(Rng& rng)
{
    const double length = 6.0;
    Sound s(length);
    Pink pinkL, pinkR;
    Biquad hpL, hpR, lpL, lpR;
    hpL.highpass(500.0, 0.7);
    hpR.highpass(500.0, 0.7);
    lpL.lowpass(7000.0, 0.7);
    lpR.lowpass(7000.0, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        s.left[i] = 0.35 * lpL.process(hpL.process(pinkL.process(rng.bipolar())));
        s.right[i] = 0.35 * lpR.process(hpR.process(pinkR.process(rng.bipolar())));
    }
    for (int drop = 0; drop < 700; ++drop) {
        const double t = rng.range(0.0, length - 0.1);
        const double amp = 0.3 * std::exp(0.8 * rng.gauss()) * 0.4;
        const double pan = rng.range(-0.95, 0.95);
        const Pan p(pan);
        Biquad tick;
        tick.highpass(rng.range(1500.0, 4000.0), 0.7);
        const size_t first = frameAt(t);
        for (size_t k = 0; k < frameAt(0.004); ++k) {
            const double v = amp * tick.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.0008);
            s.add(first + k, v * p.l, v * p.r);
        }
        if (rng.uniform() < 0.35) {
            const double f0 = rng.range(1400.0, 4500.0);
            const double tau = rng.range(0.004, 0.012);
            double phase = 0.0;
            for (size_t k = 0; k < frameAt(tau * 6.0); ++k) {
                const double time = k / kRate;
                phase += f0 * (1.0 + 8.0 * time) / kRate;
                const double v =
                    0.6 * amp * std::exp(-time / tau) * smoothstep(time / 0.0005) * std::sin(kTwoPi * phase);
                s.add(first + k, v * p.l, v * p.r);
            }
        }
    }
    fadeInOut(s, 0.6, length, 1.0);
    addReverb(s, 0.7, 0.5, 0.1);
    return s;
}

// A victory fanfare for brass: "ta-ta-ta taaa, ta-ta taaaa" ending on a
// full chord with timpani and cymbal.
Sound victoryFanfare(Rng& rng)
{
    Sound s(4.0);
    const double beat = 0.125;
    const double melody[][3] = {{0.0, 0.1, 67.0},  {1.0, 0.1, 67.0},  {2.0, 0.1, 67.0}, {3.0, 0.45, 72.0},
                                {7.0, 0.11, 76.0}, {8.0, 0.11, 79.0}, {9.0, 1.6, 84.0}};
    for (const auto& n : melody) {
        const bool last = n[1] > 1.0;
        addBrass(s, {0.02 + n[0] * beat, n[1], noteHz(n[2]), 0.8, -0.2}, 5.0, last ? 0.006 : 0.0, rng);
    }
    // Harmony under the long notes.
    addBrass(s, {0.02 + 3.0 * beat, 0.45, noteHz(64.0), 0.55, 0.35}, 4.0, 0.0, rng);
    addBrass(s, {0.02 + 9.0 * beat, 1.6, noteHz(79.0), 0.6, 0.35}, 4.5, 0.005, rng);
    addBrass(s, {0.02 + 9.0 * beat, 1.6, noteHz(76.0), 0.55, 0.15}, 4.5, 0.005, rng);
    addBrass(s, {0.02 + 9.0 * beat, 1.6, noteHz(72.0), 0.55, -0.35}, 4.0, 0.004, rng);
    addBrass(s, {0.02 + 3.0 * beat, 0.45, noteHz(48.0), 0.6, 0.0}, 3.0, 0.0, rng);
    addBrass(s, {0.02 + 9.0 * beat, 1.6, noteHz(48.0), 0.6, 0.0}, 3.0, 0.0, rng);
    addTimpani(s, 0.02 + 3.0 * beat, noteHz(43.0), 0.6, 0.0, rng);
    addTimpani(s, 0.02 + 9.0 * beat, noteHz(36.0), 0.8, 0.0, rng);
    addCymbal(s, 0.02 + 9.0 * beat, 0.35, 1.0, rng);
    addReverb(s, 0.86, 0.35, 0.3);
    return s;
}

// The dramatic sting "dun dun duuun": low brass and strings in octaves,
// timpani on each note, the last held with trembling strings.
Sound dunDunDun(Rng& rng)
{
    Sound s(4.8);
    const double notes[][3] = {{0.02, 0.3, 50.0}, {0.5, 0.3, 53.0}, {0.98, 2.3, 49.0}};
    for (const auto& n : notes) {
        const double freq = noteHz(n[2]);
        addBrass(s, {n[0], n[1], freq, 0.8, -0.15}, 4.0, 0.0, rng);
        addBrass(s, {n[0], n[1], freq * 2.0, 0.5, 0.15}, 3.5, 0.0, rng);
        addBrass(s, {n[0], n[1], freq * 0.5, 0.6, 0.0}, 3.0, 0.0, rng);
        addTimpani(s, n[0], freq * 0.5, 0.9, 0.0, rng);
    }
    // Strings: a section of detuned saws, bowed in tremolo on the last note.
    const double start = 0.98;
    const double length = 2.3;
    for (int player = 0; player < 8; ++player) {
        Osc osc(rng.uniform());
        Biquad tone;
        tone.lowpass(2200.0, 0.7);
        const double freq = noteHz(player % 2 == 0 ? 61.0 : 49.0) * (1.0 + 0.004 * rng.gauss());
        const double rate = rng.range(10.0, 13.0);
        const Pan p(rng.range(-0.8, 0.8));
        const size_t first = frameAt(start);
        for (size_t k = 0; k < frameAt(length + 0.3); ++k) {
            const double t = k / kRate;
            const double tremolo = 0.6 + 0.4 * std::sin(kTwoPi * rate * t);
            const double swell = 0.6 + 0.4 * smoothstep(t / 1.5);
            const double v =
                0.12 * gate(t, length, 0.08, 0.3) * tremolo * swell * tone.process(osc.saw(freq));
            s.add(first + k, v * p.l, v * p.r);
        }
    }
    for (int hit = 0; hit < 20; ++hit)
        addTimpani(s, start + 0.3 + hit * 0.09, noteHz(37.0), 0.15 + 0.015 * hit, 0.0, rng);
    addReverb(s, 0.88, 0.35, 0.32);
    return s;
}

// A bass drop: a rising noise sweep, a breath of silence, then a deep,
// distorted 808 boom.
Sound bassDrop(Rng& rng)
{
    Sound s(4.6);
    const double rise = 1.3;
    Biquad sweep;
    Osc saw;
    Biquad sawTone;
    for (size_t i = 0; i < frameAt(rise); ++i) {
        const double t = i / kRate;
        const double x = t / rise;
        if (i % 16 == 0) {
            sweep.bandpass(300.0 * std::pow(25.0, x), 2.0);
            sawTone.lowpass(400.0 + 3000.0 * x, 0.7);
        }
        const double level = x * x * smoothstep((rise - t) / 0.01);
        const double v = level * (1.2 * sweep.process(rng.bipolar()) +
                                  0.25 * sawTone.process(saw.saw(110.0 * std::pow(4.0, x))));
        s.add(i, v, v);
    }
    const double drop = rise + 0.09;
    Osc boom;
    Biquad click;
    click.bandpass(2500.0, 0.8);
    for (size_t i = frameAt(drop); i < s.size(); ++i) {
        const double t = i / kRate - drop;
        const double freq = 41.0 + 90.0 * std::exp(-t / 0.06);
        const double env = smoothstep(t / 0.002) * std::exp(-t / 0.9);
        double v = std::tanh(3.0 * boom.sine(freq) * env) * 0.8;
        v += 0.3 * click.process(rng.bipolar()) * std::exp(-t / 0.005);
        s.add(i, v, v);
    }
    addCymbal(s, drop, 0.25, 0.8, rng);
    addReverb(s, 0.8, 0.5, 0.12);
    return s;
}

// A two-tone doorbell: a plunger strikes two tuned bars, "ding-dong".
Sound doorbell(Rng& rng)
{
    Sound s(3.8);
    const double strikes[][2] = {{0.02, noteHz(76.0)}, {0.72, noteHz(72.0)}};
    for (const auto& strike : strikes) {
        const double f = strike[1];
        addMode(s, strike[0], f - 0.4, 0.5, 1.4, -0.1, rng.range(0.0, kTwoPi), 0.0006);
        addMode(s, strike[0], f + 0.4, 0.5, 1.4, 0.1, rng.range(0.0, kTwoPi), 0.0006);
        addMode(s, strike[0], f * 2.0, 0.08, 0.6, 0.0, 0.0, 0.0006);
        addMode(s, strike[0], f * 2.76, 0.22, 0.35, 0.0, rng.range(0.0, kTwoPi), 0.0006);
        addMode(s, strike[0], f * 5.4, 0.07, 0.12, 0.0, rng.range(0.0, kTwoPi), 0.0006);
        Biquad plunger;
        plunger.bandpass(2800.0, 1.5);
        for (size_t k = 0; k < frameAt(0.01); ++k) {
            const double v = 0.4 * plunger.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.002);
            s.add(frameAt(strike[0]) + k, v, v);
        }
    }
    addReverb(s, 0.78, 0.4, 0.2);
    return s;
}

// An old telephone: a clapper hammering between two bells twenty times a
// second, in the double ring "ring-ring ... ring-ring".
Sound phoneRing(Rng& rng)
{
    Sound s(5.0);
    const double bells[2] = {1180.0, 1420.0};
    const double ratios[] = {1.0, 2.32, 3.74, 5.12};
    const double levels[] = {1.0, 0.5, 0.3, 0.15};
    const double taus[] = {0.5, 0.3, 0.18, 0.1};
    const double bursts[][2] = {{0.02, 0.4}, {0.62, 0.4}, {2.42, 0.4}, {3.02, 0.4}};
    for (const auto& burst : bursts) {
        int stroke = 0;
        for (double t = burst[0]; t < burst[0] + burst[1]; t += 0.025 + 0.001 * rng.gauss(), ++stroke) {
            const int side = stroke % 2;
            const double amp = 0.25 * rng.range(0.8, 1.0);
            for (int m = 0; m < 4; ++m)
                addMode(s, t, bells[side] * ratios[m], amp * levels[m], taus[m], side == 0 ? -0.25 : 0.25,
                        rng.range(0.0, kTwoPi), 0.0003);
            Biquad hammer;
            hammer.highpass(3000.0, 0.7);
            for (size_t k = 0; k < frameAt(0.004); ++k) {
                const double v = 0.3 * amp * hammer.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.0008);
                s.add(frameAt(t) + k, v, v);
            }
        }
    }
    addReverb(s, 0.75, 0.4, 0.12);
    return s;
}

// A digital alarm clock: groups of four piezo beeps.
Sound alarmClock(Rng&)
{
    Sound s(3.3);
    Biquad tone;
    tone.lowpass(8000.0, 0.7);
    Biquad piezo;
    piezo.peaking(2730.0, 4.0, 6.0);
    Osc osc;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate - 0.02;
        double level = 0.0;
        for (int group = 0; group < 4; ++group)
            for (int beep = 0; beep < 4; ++beep)
                level += gate(t - group * 0.8 - beep * 0.13, 0.065, 0.002, 0.004);
        const double v = 0.5 * level * piezo.process(tone.process(osc.square(2730.0)));
        s.add(i, v, v);
    }
    return s;
}

// A knock or tick: a short excitation ringing a bank of resonances.
struct Resonance
{
    double freq;
    double tau;
    double level;
};

void addStrike(Sound& s, double start, const std::vector<Resonance>& modes, double amp, double pan,
               double impact, Rng& rng)
{
    const Pan p(pan);
    std::vector<Resonator> bank;
    for (const Resonance& m : modes)
        bank.emplace_back(m.freq, m.tau);
    double longest = 0.0;
    for (const Resonance& m : modes)
        longest = std::max(longest, m.tau);
    const size_t first = frameAt(start);
    const size_t pulse = std::max<size_t>(frameAt(impact), 1);
    for (size_t k = 0; k < frameAt(longest * 8.0); ++k) {
        double x = 0.0;
        if (k < pulse)
            x = std::sin(kPi * k / pulse) * (0.7 + 0.3 * rng.bipolar());
        double v = 0.0;
        for (size_t m = 0; m < bank.size(); ++m)
            v += modes[m].level * bank[m].process(x);
        v *= amp;
        s.add(first + k, v * p.l, v * p.r);
    }
}

// A clock ticking: a high "tick" and a lower "tock" from the escapement,
// through the wooden case.
Sound tickTock(Rng& rng)
{
    Sound s(4.2);
    const std::vector<Resonance> tick = {{3150.0, 0.012, 1.0}, {4420.0, 0.008, 0.7}, {6100.0, 0.006, 0.5},
                                         {7900.0, 0.004, 0.3}, {820.0, 0.025, 0.5},  {1310.0, 0.02, 0.4}};
    const std::vector<Resonance> tock = {{2050.0, 0.014, 1.0},
                                         {3230.0, 0.01, 0.7},
                                         {4700.0, 0.007, 0.4},
                                         {640.0, 0.03, 0.6},
                                         {1010.0, 0.022, 0.5}};
    for (int i = 0; i < 8; ++i)
        addStrike(s, 0.02 + i * 0.5, i % 2 == 0 ? tick : tock, 0.8 * rng.range(0.95, 1.0), 0.0, 0.00015, rng);
    addReverb(s, 0.7, 0.45, 0.12);
    return s;
}

// Knocking on a wooden door: knuckles ringing the door panel's modes, three
// knocks twice.
Sound knockKnock(Rng& rng)
{
    Sound s(2.2);
    const double door[][3] = {{95.0, 0.09, 0.9},   {160.0, 0.07, 1.0},  {215.0, 0.06, 0.8},
                              {290.0, 0.05, 0.7},  {385.0, 0.04, 0.6},  {520.0, 0.03, 0.5},
                              {705.0, 0.025, 0.4}, {960.0, 0.018, 0.3}, {1320.0, 0.012, 0.25},
                              {1780.0, 0.008, 0.2}};
    const double knocks[] = {0.02, 0.2, 0.38, 1.1, 1.28, 1.46};
    for (double knock : knocks) {
        std::vector<Resonance> modes;
        for (const auto& m : door)
            modes.push_back({m[0] * rng.range(0.98, 1.02), m[1], m[2] * rng.range(0.8, 1.1)});
        addStrike(s, knock, modes, 1.0 * rng.range(0.85, 1.0), 0.0, 0.0008, rng);
        Biquad knuckle;
        knuckle.bandpass(2400.0, 1.0);
        for (size_t k = 0; k < frameAt(0.006); ++k) {
            const double v = 0.35 * knuckle.process(rng.bipolar()) * std::exp(-(k / kRate) / 0.0012);
            s.add(frameAt(knock) + k, v, v);
        }
    }
    addReverb(s, 0.78, 0.45, 0.2);
    return s;
}

// A cash register: keys, then the drawer springs open with a bell and
// rattling coins - "cha-ching".
Sound cashRegister(Rng& rng)
{
    Sound s(2.6);
    const std::vector<Resonance> key = {
        {2400.0, 0.01, 1.0}, {3700.0, 0.007, 0.6}, {5200.0, 0.005, 0.4}, {420.0, 0.02, 0.5}};
    const double keys[] = {0.02, 0.14, 0.27};
    for (double k : keys)
        addStrike(s, k, key, 0.5, rng.range(-0.2, 0.2), 0.0005, rng);
    const double open = 0.48;
    // The bell.
    const double bell = 2637.0;
    const double ratios[] = {1.0, 2.41, 3.86, 5.3};
    const double levels[] = {1.0, 0.45, 0.25, 0.12};
    for (int m = 0; m < 4; ++m) {
        addMode(s, open, bell * ratios[m] - 1.5, 0.6 * levels[m], 0.8 / (1 + m), -0.15,
                rng.range(0.0, kTwoPi));
        addMode(s, open, bell * ratios[m] + 1.5, 0.6 * levels[m], 0.8 / (1 + m), 0.15,
                rng.range(0.0, kTwoPi));
    }
    // The drawer sliding out and hitting its stop.
    Biquad slide;
    for (size_t k = 0; k < frameAt(0.22); ++k) {
        const double t = k / kRate;
        if (k % 16 == 0)
            slide.bandpass(700.0 + 1200.0 * t / 0.22, 1.5);
        const double v = 0.5 * slide.process(rng.bipolar()) * std::sin(kPi * t / 0.22) *
                         (0.7 + 0.3 * std::sin(kTwoPi * 60.0 * t));
        s.add(frameAt(open) + k, v, v);
    }
    const std::vector<Resonance> stop = {
        {180.0, 0.05, 1.0}, {330.0, 0.04, 0.7}, {610.0, 0.03, 0.5}, {1150.0, 0.015, 0.4}};
    addStrike(s, open + 0.22, stop, 0.35, 0.0, 0.002, rng);
    // Coins jostling in their trays.
    for (int i = 0; i < 50; ++i) {
        const double t = open + 0.2 + 0.35 * std::pow(rng.uniform(), 1.5);
        const double f = rng.range(3500.0, 7500.0);
        const double pan = rng.range(-0.6, 0.6);
        const double amp = 0.12 * rng.range(0.3, 1.0);
        addMode(s, t, f, amp, rng.range(0.01, 0.04), pan);
        addMode(s, t, f * 1.83, amp * 0.5, 0.015, pan);
    }
    addReverb(s, 0.76, 0.4, 0.15);
    return s;
}

// A wolf whistle: a quick whistle up, then a longer one up and down.
Sound wolfWhistle(Rng& rng)
{
    Sound s(1.6);
    struct Glide
    {
        double start, length, from, peak, to;
    };
    const Glide glides[] = {{0.02, 0.35, 1000.0, 2700.0, 2650.0}, {0.52, 0.72, 1250.0, 2650.0, 1000.0}};
    for (const Glide& g : glides) {
        double phase = 0.0;
        Biquad breath;
        const size_t first = frameAt(g.start);
        for (size_t k = 0; k < frameAt(g.length + 0.06); ++k) {
            const double t = k / kRate;
            const double x = t / g.length;
            double freq = 0.0;
            if (g.to > 2000.0)
                freq = g.from + (g.peak - g.from) * smoothstep(x / 0.75);
            else
                freq = x < 0.4 ? g.from + (g.peak - g.from) * smoothstep(x / 0.4)
                               : g.peak + (g.to - g.peak) * smoothstep((x - 0.45) / 0.55);
            if (k % 32 == 0)
                breath.bandpass(freq, 8.0);
            phase += freq / kRate;
            const double level = gate(t, g.length, 0.03, 0.06);
            const double v = level * (std::sin(kTwoPi * phase) + 0.03 * std::sin(2.0 * kTwoPi * phase) +
                                      0.25 * breath.process(rng.bipolar()));
            s.add(first + k, v, v);
        }
    }
    addReverb(s, 0.75, 0.4, 0.12);
    return s;
}

// A police siren: two slow wails, then the fast yelp, through a horn
// loudspeaker.
Sound siren(Rng&)
{
    const double length = 5.6;
    Sound s(length);
    Osc osc;
    Biquad hp, horn, lp;
    hp.highpass(450.0, 0.7);
    horn.peaking(1800.0, 1.0, 5.0);
    lp.lowpass(6000.0, 0.7);
    const double low = 650.0;
    const double high = 1450.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        double x = 0.0;
        if (t < 3.4) {
            const double cycle = std::fmod(t, 1.7);
            x = cycle < 1.0 ? std::sin(0.5 * kPi * cycle / 1.0) : 1.0 - smoothstep((cycle - 1.0) / 0.7);
        } else {
            const double cycle = std::fmod(t - 3.4, 0.3) / 0.3;
            x = std::pow(cycle, 0.6) * (1.0 - smoothstep((cycle - 0.85) / 0.15));
        }
        const double freq = low * std::pow(high / low, x);
        double v = 0.6 * osc.saw(freq) + 0.4 * std::sin(kTwoPi * osc.phase());
        v = std::tanh(2.0 * v);
        v = lp.process(horn.process(hp.process(v))) * smoothstep(t / 0.08) * smoothstep((length - t) / 0.2);
        s.add(i, v, v);
    }
    addEcho(s, 0.16, 0.25, 0.18, 3000.0);
    addReverb(s, 0.8, 0.4, 0.15);
    return s;
}

// ---------------------------------------------------------------------------
// Finishing and writing.

struct Recipe
{
    const char* name;
    Sound (*make)(Rng&);
    double trimDb; // level below the common loudness, for backgrounds
};

const Recipe kRecipes[] = {
    {"Applause", applause, 0.0},
    {"Drum Roll", drumRoll, 0.0},
    {"Rimshot", rimshot, 0.0},
    {"Sad Trombone", sadTrombone, 0.0},
    {"Buzzer", buzzer, 0.0},
    {"Ding", ding, 0.0},
    {"Wolf Whistle", wolfWhistle, -2.0},
    {"Air Horn", airHorn, 0.0},
    {"Laser", laser, 0.0},
    {"Explosion", explosion, 0.0},
    {"Siren", siren, -1.0},
    {"Sonar", sonar, 0.0},
    {"Whoosh", whoosh, 0.0},
    {"Boing", boing, 0.0},
    {"Slide Whistle", slideWhistle, -2.0},
    {"Bubble Pop", bubblePop, 0.0},
    {"Magic", magic, 0.0},
    {"Crickets", crickets, -4.0},
    {"Birds", birds, -3.0},
    {"Wind", wind, -3.0},
    {"Rain", rain, -4.0},
    {"Thunder", thunder, 0.0},
    {"Heartbeat", heartbeat, 0.0},
    {"Victory Fanfare", victoryFanfare, 0.0},
    {"Dun Dun Dun", dunDunDun, 0.0},
    {"Gong", gong, 0.0},
    {"Cowbell", cowbell, 0.0},
    {"Bass Drop", bassDrop, 0.0},
    {"Coin", coin, -2.0},
    {"Power Up", powerUp, -2.0},
    {"Jump", jump, -2.0},
    {"Game Over", gameOver, -2.0},
    {"Countdown", countdown, -3.0},
    {"Doorbell", doorbell, 0.0},
    {"Phone Ring", phoneRing, -1.0},
    {"Alarm Clock", alarmClock, -4.0},
    {"Tick Tock", tickTock, 0.0},
    {"Knock Knock", knockKnock, 0.0},
    {"Cash Register", cashRegister, 0.0},
};

// The seed of a sound: a hash of its name, so adding a sound leaves the
// others unchanged.
uint64_t seedOf(const char* name)
{
    uint64_t hash = 1469598103934665603ull;
    for (const char* c = name; *c != '\0'; ++c)
        hash = (hash ^ static_cast<unsigned char>(*c)) * 1099511628211ull;
    return hash;
}

constexpr double kLoudnessDb = -14.0; // loudest 0.4 s, RMS
constexpr double kPeakDb = -2.0;      // before encoding
constexpr double kCeilingDb = -1.0;   // after decoding
constexpr double kLimitDb = 4.0;      // most a limiter may take off the peaks

// Holds the peaks under `ceiling` with a smooth gain that starts to fall a
// little before each peak and recovers over tens of milliseconds after it.
void limit(Sound& s, double ceiling)
{
    const size_t n = s.size();
    std::vector<double> gain(n, 1.0);
    for (size_t i = 0; i < n; ++i) {
        const double level = std::max(std::fabs(s.left[i]), std::fabs(s.right[i]));
        if (level > ceiling)
            gain[i] = ceiling / level;
    }
    const double ahead = std::exp(-1.0 / (0.0015 * kRate));
    for (size_t i = n - 1; i-- > 0;)
        gain[i] = std::min(gain[i], 1.0 - (1.0 - gain[i + 1]) * ahead);
    const double behind = std::exp(-1.0 / (0.05 * kRate));
    for (size_t i = 1; i < n; ++i)
        gain[i] = std::min(gain[i], 1.0 - (1.0 - gain[i - 1]) * behind);
    for (size_t i = 0; i < n; ++i) {
        s.left[i] *= gain[i];
        s.right[i] *= gain[i];
    }
}

// Removes the DC and any sub-audio drift, fades the ends to silence and sets
// the level: a common loudness, with the peaks limited (by at most kLimitDb)
// under kPeakDb.
void finish(Sound& s, double trimDb)
{
    for (std::vector<double>* channel : {&s.left, &s.right}) {
        Biquad hp1, hp2;
        hp1.highpass(20.0, 0.54);
        hp2.highpass(20.0, 1.31);
        for (double& v : *channel)
            v = hp2.process(hp1.process(v));
        double mean = 0.0;
        for (double v : *channel)
            mean += v;
        mean /= static_cast<double>(channel->size());
        for (double& v : *channel)
            v -= mean;
    }
    const size_t fadeIn = frameAt(0.003);
    // Tails still ringing at the end die away rather than stop.
    const size_t fadeOut = std::min(frameAt(0.4), s.size() * 15 / 100);
    for (size_t i = 0; i < s.size(); ++i) {
        double g = 1.0;
        if (i < fadeIn)
            g *= 0.5 - 0.5 * std::cos(kPi * i / fadeIn);
        if (i + fadeOut > s.size())
            g *= 0.5 - 0.5 * std::cos(kPi * (s.size() - 1 - i) / fadeOut);
        s.left[i] *= g;
        s.right[i] *= g;
    }
    double peak = 0.0;
    for (size_t i = 0; i < s.size(); ++i)
        peak = std::max({peak, std::fabs(s.left[i]), std::fabs(s.right[i])});
    const size_t window = frameAt(0.4);
    const size_t hop = frameAt(0.05);
    double loudest = 0.0;
    for (size_t begin = 0; begin < s.size(); begin += hop) {
        const size_t end = std::min(s.size(), begin + window);
        double energy = 0.0;
        for (size_t i = begin; i < end; ++i)
            energy += s.left[i] * s.left[i] + s.right[i] * s.right[i];
        loudest = std::max(loudest, std::sqrt(energy / (2.0 * window)));
    }
    if (peak <= 0.0 || loudest <= 0.0)
        return;
    const double gain =
        std::min(dbToGain(kLoudnessDb + trimDb) / loudest, dbToGain(kPeakDb + kLimitDb) / peak);
    for (size_t i = 0; i < s.size(); ++i) {
        s.left[i] *= gain;
        s.right[i] *= gain;
    }
    limit(s, dbToGain(kPeakDb));
}

bool writeOgg(const std::string& path, const Sound& s, double gain, std::string* error)
{
    SF_INFO info = {};
    info.samplerate = static_cast<int>(kRate);
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        *error = sf_strerror(nullptr);
        return false;
    }
    double quality = 0.5;
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
    std::vector<float> frames(2 * s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        frames[2 * i] = static_cast<float>(s.left[i] * gain);
        frames[2 * i + 1] = static_cast<float>(s.right[i] * gain);
    }
    const sf_count_t written = sf_writef_float(file, frames.data(), static_cast<sf_count_t>(s.size()));
    if (written != static_cast<sf_count_t>(s.size()))
        *error = sf_strerror(file);
    if (sf_close(file) != 0 && error->empty())
        *error = "could not finish the file";
    return error->empty();
}

// The peak of a written file as it decodes; negative when it cannot be read.
double decodedPeak(const std::string& path)
{
    SF_INFO info = {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        return -1.0;
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    double peak = 0.0;
    sf_count_t got = 0;
    while ((got = sf_readf_float(file, block.data(), 4096)) > 0) {
        for (sf_count_t i = 0; i < got * info.channels; ++i)
            peak = std::max(peak, static_cast<double>(std::fabs(block[static_cast<size_t>(i)])));
    }
    sf_close(file);
    return peak;
}

// Removes a half-written file (and nothing that is not a plain file).
void removePartial(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        std::filesystem::remove(path, ec);
}

// Makes one sound and writes it; the file appears whole or not at all.
bool makeSound(const Recipe& recipe, const std::string& folder)
{
    Rng rng(seedOf(recipe.name));
    Sound s = recipe.make(rng);
    finish(s, recipe.trimDb);
    const std::string path = folder + "/" + recipe.name + ".ogg";
    const std::string partial = path + ".part";
    double gain = 1.0;
    // Lossy coding can overshoot the peak a little; lower the level until
    // the decoded file stays under the ceiling.
    for (int attempt = 0;; ++attempt) {
        std::string error;
        if (!writeOgg(partial, s, gain, &error)) {
            std::fprintf(stderr, "soundmaker: cannot write %s: %s\n", partial.c_str(), error.c_str());
            removePartial(partial);
            return false;
        }
        const double peak = decodedPeak(partial);
        if (peak < 0.0) {
            std::fprintf(stderr, "soundmaker: cannot read back %s\n", partial.c_str());
            removePartial(partial);
            return false;
        }
        if (peak <= dbToGain(kCeilingDb))
            break;
        if (attempt == 4) {
            std::fprintf(stderr, "soundmaker: %s stays above %.1f dBFS once encoded\n", partial.c_str(),
                         kCeilingDb);
            removePartial(partial);
            return false;
        }
        gain *= dbToGain(kCeilingDb - 0.3) / peak;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "soundmaker: cannot rename %s to %s: %s\n", partial.c_str(), path.c_str(),
                     std::strerror(errno));
        removePartial(partial);
        return false;
    }
    return true;
}

const Recipe* findRecipe(const std::string& name)
{
    for (const Recipe& recipe : kRecipes) {
        if (name == recipe.name)
            return &recipe;
    }
    return nullptr;
}

void usage()
{
    std::fputs("usage: soundmaker OUTPUT_DIR [NAME...]\n"
               "       soundmaker --list\n"
               "Writes the soundboard's sounds as OUTPUT_DIR/NAME.ogg (all of them when no NAME is given).\n",
               stderr);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const Recipe& recipe : kRecipes)
            std::printf("%s\n", recipe.name);
        return 0;
    }
    if (argc < 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
        usage();
        return 2;
    }
    std::vector<const Recipe*> chosen;
    for (int i = 2; i < argc; ++i) {
        const Recipe* recipe = findRecipe(argv[i]);
        if (recipe == nullptr) {
            std::fprintf(stderr, "soundmaker: no sound named \"%s\" (see soundmaker --list)\n", argv[i]);
            return 2;
        }
        chosen.push_back(recipe);
    }
    if (chosen.empty()) {
        for (const Recipe& recipe : kRecipes)
            chosen.push_back(&recipe);
    }
    const std::string folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "soundmaker: cannot create the folder %s: %s\n", folder.c_str(),
                     ec ? ec.message().c_str() : "not a folder");
        return 1;
    }
    for (const Recipe* recipe : chosen) {
        if (!makeSound(*recipe, folder))
            return 1;
    }
    return 0;
}
