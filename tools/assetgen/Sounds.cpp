#include "Sounds.h"

#include <algorithm>

#include "Noise.h"
#include "Synth.h"

namespace assetgen {

using namespace synth;

namespace {

// Short fades at both ends, so no effect starts or stops with a click.
void softEdges(std::vector<float>& s, double inSeconds, double outSeconds)
{
    std::size_t in = toSamples(inSeconds), out = toSamples(outSeconds);
    for (std::size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < out && i < s.size(); ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

} // namespace

std::vector<float> laserShot()
{
    // A bright falling zap over a short thump.
    const double length = 0.2;
    std::vector<float> out(toSamples(length));
    Rng rng(0x1A5E);
    OnePoleLowPass tone;
    double phase = 0.0, subPhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        double freq = 220.0 + 1500.0 * std::exp(-t / 0.035);
        double step = freq / SampleRate;
        phase += step;
        phase -= std::floor(phase);
        double zap = 0.55 * square(phase, step) + 0.45 * saw(phase, step);
        zap = tone.process(zap, 7000.0) * std::exp(-t / 0.055);
        subPhase += (60.0 + 110.0 * std::exp(-t / 0.02)) / SampleRate;
        double thump = std::sin(TwoPi * subPhase) * std::exp(-t / 0.04);
        double click = t < 0.012 ? rng.range(-1, 1) * (1.0 - t / 0.012) : 0.0;
        double attack = std::min(1.0, t / 0.002);
        out[i] = static_cast<float>(attack * (0.5 * zap + 0.6 * thump + 0.25 * click));
    }
    normalise(out, 0.85);
    softEdges(out, 0.001, 0.02);
    return out;
}

std::vector<float> explosionBlast()
{
    // Crack, roaring noise whose brightness falls away, and a low rumble.
    const double length = 1.2;
    std::vector<float> out(toSamples(length));
    Rng rng(0xB1A57);
    StateVariable roar;
    OnePoleLowPass brown;
    double rumblePhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        double white = rng.range(-1, 1);
        double cutoff = 150.0 + 4200.0 * std::exp(-t / 0.12);
        double noise = roar.process(white, cutoff, 0.9).low * (0.8 * std::exp(-t / 0.28) + 0.2 * std::exp(-t / 0.7));
        double crack = t < 0.01 ? white * (1.0 - t / 0.01) : 0.0;
        rumblePhase += (32.0 + 28.0 * std::exp(-t / 0.3)) / SampleRate;
        double rumble = std::sin(TwoPi * rumblePhase) * std::exp(-t / 0.45);
        double low = brown.process(white, 90.0) * 6.0 * std::exp(-t / 0.5);
        // Debris crackle during the first half second.
        double crackle = (t < 0.6 && rng.chance(0.004)) ? rng.range(-1, 1) * (1.0 - t / 0.6) : 0.0;
        out[i] = static_cast<float>(1.1 * noise + 0.8 * crack + 0.7 * rumble + 0.6 * low + 0.5 * crackle);
    }
    normalise(out, 0.9);
    softEdges(out, 0.0005, 0.25);
    return out;
}

std::vector<float> rayCharge()
{
    // Three seconds of rising, quickening hum, then the discharge.
    const double charge = 3.0, length = 3.7;
    std::vector<float> out(toSamples(length));
    Rng rng(0x4A7B);
    StateVariable filter;
    StateVariable hiss;
    double phases[3] = {0.0, 0.33, 0.67};
    double whinePhase = 0.0, tremoloPhase = 0.0, dropPhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / SampleRate;
        double u = std::min(1.0, t / charge); // charge progress
        double base = 70.0 * std::pow(6.0, u * u);
        double hum = 0.0;
        const double detune[3] = {1.0, 1.007, 0.993};
        for (int v = 0; v < 3; ++v) {
            double step = base * detune[v] / SampleRate;
            phases[v] += step;
            phases[v] -= std::floor(phases[v]);
            hum += saw(phases[v], step) / 3.0;
        }
        hum = filter.process(hum, 300.0 + 4500.0 * u * u, 2.5).low;
        whinePhase += base * 8.0 / SampleRate;
        double whine = std::sin(TwoPi * whinePhase) * 0.15 * u * u;
        tremoloPhase += (4.0 + 24.0 * u) / SampleRate;
        double tremolo = 1.0 - 0.4 * (0.5 + 0.5 * std::sin(TwoPi * tremoloPhase));
        double crackle = hiss.process(rng.range(-1, 1), 2500.0 + 3000.0 * u, 1.5).band * 0.35 * u;
        double chargeLevel = (0.15 + 0.85 * u * u) * smoothstep(charge + 0.05, charge - 0.1, t);
        double sample = chargeLevel * (tremolo * hum + whine + crackle);

        if (t >= charge) {
            // The discharge: a falling roar that fades out.
            double r = t - charge;
            dropPhase += (320.0 * std::exp(-r / 0.15) + 45.0) / SampleRate;
            double burst = std::sin(TwoPi * dropPhase) + 0.6 * hiss.process(rng.range(-1, 1), 900.0, 0.8).low;
            sample += burst * std::exp(-r / 0.22) * smoothstep(0.0, 0.01, r);
        }
        out[i] = static_cast<float>(sample);
    }
    normalise(out, 0.85);
    softEdges(out, 0.01, 0.1);
    return out;
}

} // namespace assetgen
