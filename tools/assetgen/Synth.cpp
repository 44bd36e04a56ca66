#include "Synth.h"

#include <algorithm>

namespace assetgen::synth {

double polyBlep(double phase, double step)
{
    if (phase < step) {
        double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double saw(double phase, double step) { return 2.0 * phase - 1.0 - polyBlep(phase, step); }

double square(double phase, double step)
{
    double v = phase < 0.5 ? 1.0 : -1.0;
    double shifted = phase + 0.5;
    if (shifted >= 1.0)
        shifted -= 1.0;
    return v + polyBlep(phase, step) - polyBlep(shifted, step);
}

double triangle(double phase) { return 1.0 - 4.0 * std::fabs(phase - 0.5); }

double sine(double phase)
{
    constexpr int Size = 4096;
    static const std::vector<double> table = [] {
        std::vector<double> t(Size + 1);
        for (int i = 0; i <= Size; ++i)
            t[i] = std::sin(TwoPi * i / Size);
        return t;
    }();
    double p = (phase - std::floor(phase)) * Size;
    int i = static_cast<int>(p);
    return table[i] + (table[i + 1] - table[i]) * (p - i);
}

double adsr(double t, double gate, double attack, double decay, double sustain, double release)
{
    if (t < 0.0)
        return 0.0;
    auto held = [&](double u) {
        if (u < attack)
            return u / attack;
        double d = (u - attack) / decay;
        return d > 4.0 ? sustain + (1.0 - sustain) * 6.1e-6 : sustain + (1.0 - sustain) * std::exp(-3.0 * d);
    };
    if (t < gate)
        return held(t);
    double r = (t - gate) / release;
    return r >= 1.0 ? 0.0 : held(gate) * (1.0 - r);
}

double OnePoleLowPass::process(double input, double cutoffHz)
{
    if (cutoffHz != cutoff_) {
        cutoff_ = cutoffHz;
        k_ = 1.0 - std::exp(-TwoPi * cutoffHz / SampleRate);
    }
    state_ += k_ * (input - state_);
    return state_;
}

StateVariable::Out StateVariable::process(double input, double cutoffHz, double resonance)
{
    // Clamped so that the filter stays stable at any cutoff.
    double f = std::min(1.2, 2.0 * std::sin(3.141592653589793 * std::min(cutoffHz, SampleRate / 6.0) / SampleRate));
    double q = 1.0 / std::max(0.5, resonance);
    double high = input - low_ - q * band_;
    band_ += f * high;
    low_ += f * band_;
    return {low_, band_, high};
}

std::vector<float> LoopBuffer::interleaved(double gain) const
{
    std::vector<float> out(left_.size() * 2);
    for (std::size_t i = 0; i < left_.size(); ++i) {
        out[2 * i] = static_cast<float>(left_[i] * gain);
        out[2 * i + 1] = static_cast<float>(right_[i] * gain);
    }
    return out;
}

void loopedEcho(LoopBuffer& buffer, double delaySeconds, double feedback, double wet)
{
    // Ping-pong: each repeat crosses to the other side.
    const std::size_t n = buffer.frames(), d = toSamples(delaySeconds);
    std::vector<double> l(d, 0.0), r(d, 0.0);
    std::size_t pos = 0;
    for (std::size_t lap = 0; lap < 2; ++lap) {
        for (std::size_t i = 0; i < n; ++i) {
            double outL = l[pos], outR = r[pos];
            double inL = buffer.left(i), inR = buffer.right(i);
            l[pos] = inR + outR * feedback;
            r[pos] = inL + outL * feedback;
            pos = (pos + 1) % d;
            if (lap == 1) {
                buffer.left(i) = inL + wet * outL;
                buffer.right(i) = inR + wet * outR;
            }
        }
    }
}

namespace {

class Comb {
public:
    Comb(std::size_t length, double feedback)
        : line_(length, 0.0)
        , feedback_(feedback)
    {
    }
    double process(double in)
    {
        double out = line_[pos_];
        damped_ = out * 0.7 + damped_ * 0.3; // high frequencies die first
        line_[pos_] = in + damped_ * feedback_;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

private:
    std::vector<double> line_;
    double feedback_;
    double damped_ = 0.0;
    std::size_t pos_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t length)
        : line_(length, 0.0)
    {
    }
    double process(double in)
    {
        double delayed = line_[pos_];
        line_[pos_] = in + delayed * 0.5;
        pos_ = (pos_ + 1) % line_.size();
        return delayed - in;
    }

private:
    std::vector<double> line_;
    std::size_t pos_ = 0;
};

// Schroeder-Moorer reverb for one channel; the two channels use slightly
// different lengths so the room sounds wide.
class Room {
public:
    Room(double roomSize, std::size_t spread)
    {
        for (std::size_t len : {1116, 1188, 1277, 1356, 1422, 1491})
            combs_.emplace_back(len + spread, roomSize);
        for (std::size_t len : {556, 441, 341})
            allPasses_.emplace_back(len + spread);
    }
    double process(double in)
    {
        double sum = 0.0;
        for (Comb& c : combs_)
            sum += c.process(in * 0.15);
        for (AllPass& a : allPasses_)
            sum = a.process(sum);
        return sum;
    }

private:
    std::vector<Comb> combs_;
    std::vector<AllPass> allPasses_;
};

} // namespace

void loopedReverb(LoopBuffer& buffer, double roomSize, double wet)
{
    Room left(roomSize, 0), right(roomSize, 23);
    const std::size_t n = buffer.frames();
    for (std::size_t lap = 0; lap < 2; ++lap) {
        for (std::size_t i = 0; i < n; ++i) {
            double inL = buffer.left(i), inR = buffer.right(i);
            double outL = left.process(inL), outR = right.process(inR);
            if (lap == 1) {
                buffer.left(i) = inL + wet * outL;
                buffer.right(i) = inR + wet * outR;
            }
        }
    }
}

void normalise(LoopBuffer& buffer, double peak)
{
    double loudest = 1e-9;
    for (std::size_t i = 0; i < buffer.frames(); ++i)
        loudest = std::max({loudest, std::fabs(buffer.left(i)), std::fabs(buffer.right(i))});
    double k = peak / loudest;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        buffer.left(i) *= k;
        buffer.right(i) *= k;
    }
}

void normalise(std::vector<float>& samples, double peak)
{
    float loudest = 1e-9f;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    float k = static_cast<float>(peak) / loudest;
    for (float& s : samples)
        s *= k;
}

} // namespace assetgen::synth
