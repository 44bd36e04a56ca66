#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "Rng.h"

// Small sound synthesis kit: oscillators, envelopes, filters and a stereo
// loop buffer. Everything works in doubles at 44.1 kHz.
namespace assetgen::synth {

inline constexpr int SampleRate = 44100;
inline constexpr double TwoPi = 6.283185307179586;

inline double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

inline std::size_t toSamples(double seconds) { return static_cast<std::size_t>(std::lround(seconds * SampleRate)); }

// Band-limited saw and square (polyBLEP), so high notes do not alias into
// a harsh whine. `phase` runs 0..1, `step` is frequency / sample rate.
double polyBlep(double phase, double step);
double saw(double phase, double step);
double square(double phase, double step);
double triangle(double phase);
// Table sine over one period of `phase` (any real number), much cheaper
// than std::sin for the thousands of voices in the music.
double sine(double phase);

// Exponential decay computed by repeated multiplication: one multiply per
// sample instead of an exp().
class Decay {
public:
    explicit Decay(double seconds)
        : factor_(std::exp(-1.0 / (seconds * SampleRate)))
    {
    }
    double next()
    {
        double v = value_;
        value_ *= factor_;
        return v;
    }

private:
    double factor_;
    double value_ = 1.0;
};

// Linear attack, exponential-ish decay to `sustain`, linear release after
// `gate` seconds. Returns 0 once the release has finished.
double adsr(double t, double gate, double attack, double decay, double sustain, double release);

class OnePoleLowPass {
public:
    // The coefficient is only recomputed when the cutoff changes, so a
    // cutoff that moves in steps costs one exp() per step, not per sample.
    double process(double input, double cutoffHz);

private:
    double state_ = 0.0;
    double cutoff_ = -1.0;
    double k_ = 0.0;
};

// Chamberlin state-variable filter: resonant low/band/high pass in one.
class StateVariable {
public:
    struct Out {
        double low, band, high;
    };
    Out process(double input, double cutoffHz, double resonance);

private:
    double low_ = 0.0, band_ = 0.0;
};

// Stereo buffer whose end wraps to its start: notes that ring past the end
// of a music loop come back in at the beginning, so the loop is seamless.
class LoopBuffer {
public:
    explicit LoopBuffer(std::size_t frames)
        : left_(frames, 0.0)
        , right_(frames, 0.0)
    {
    }

    std::size_t frames() const { return left_.size(); }

    void add(std::size_t frame, double l, double r)
    {
        frame %= left_.size();
        left_[frame] += l;
        right_[frame] += r;
    }

    double& left(std::size_t frame) { return left_[frame % left_.size()]; }
    double& right(std::size_t frame) { return right_[frame % right_.size()]; }

    // Interleaved floats for the encoder.
    std::vector<float> interleaved(double gain) const;

private:
    std::vector<double> left_;
    std::vector<double> right_;
};

// Equal-power panning: -1 hard left, +1 hard right.
inline double panLeft(double pan) { return std::cos((pan + 1.0) * 0.25 * 3.141592653589793); }
inline double panRight(double pan) { return std::sin((pan + 1.0) * 0.25 * 3.141592653589793); }

// Effects that run over the loop twice: the first lap fills the echoes, so
// on the second lap the tail of the loop's end is already heard at its start.
void loopedEcho(LoopBuffer& buffer, double delaySeconds, double feedback, double wet);
void loopedReverb(LoopBuffer& buffer, double roomSize, double wet);

// Scales the whole buffer so its loudest sample sits at `peak`.
void normalise(LoopBuffer& buffer, double peak);
void normalise(std::vector<float>& samples, double peak);

} // namespace assetgen::synth
