#include "Instruments.h"

#include <algorithm>

namespace assetgen::instruments {

using namespace synth;

namespace {

// Renders `seconds` of a voice: `voice(t)` returns one mono sample at time t
// after the note start, spread to the two channels by the note's pan.
template <typename Voice>
void render(LoopBuffer& out, double start, double seconds, double velocity, double pan, Voice voice)
{
    const std::size_t first = toSamples(start), count = toSamples(seconds);
    const double l = panLeft(pan) * velocity, r = panRight(pan) * velocity;
    for (std::size_t i = 0; i < count; ++i) {
        double s = voice(static_cast<double>(i) / SampleRate);
        out.add(first + i, s * l, s * r);
    }
}

struct Phase {
    double value = 0.0;
    double advance(double hz)
    {
        value += hz / SampleRate;
        value -= std::floor(value);
        return value;
    }
};

} // namespace

void pad(LoopBuffer& out, const NoteOn& n)
{
    // Detuned saws spread across the stereo field, darkened and breathing.
    const double attack = 0.9, release = 1.6;
    const double detune[4] = {-0.11, -0.04, 0.05, 0.12};
    for (int v = 0; v < 4; ++v) {
        Phase phase;
        phase.value = 0.23 * v;
        OnePoleLowPass lp1, lp2;
        double f = midiToHz(n.midi + detune[v]);
        int counter = 0;
        double cutoff = 0.0;
        render(out, n.start, n.gate + release, n.velocity * 0.25, std::clamp(n.pan + (v - 1.5) * 0.4, -1.0, 1.0),
            [&, f](double t) {
                double p = phase.advance(f);
                // The filter breathes slowly; moving it every 64 samples is inaudible.
                if (counter++ % 64 == 0)
                    cutoff = 700.0 + 500.0 * (0.5 + 0.5 * std::sin(t * 0.9 + v));
                double s = lp2.process(lp1.process(saw(p, f / SampleRate), cutoff), cutoff * 1.5);
                return s * adsr(t, n.gate, attack, 1.0, 0.8, release);
            });
    }
}

void bell(LoopBuffer& out, const NoteOn& n)
{
    // Two-operator FM: the bright strike fades to a pure tone.
    const double hz = midiToHz(n.midi);
    Phase carrier, modulator;
    Decay strike(0.25), ring(0.9);
    render(out, n.start, n.gate + 2.0, n.velocity * 0.35, n.pan, [&](double t) {
        double index = 2.2 * strike.next();
        double m = sine(modulator.advance(hz * 3.0));
        double c = sine(carrier.advance(hz) + index * m / TwoPi);
        return c * std::min(1.0, t / 0.004) * ring.next();
    });
}

void softBass(LoopBuffer& out, const NoteOn& n)
{
    const double hz = midiToHz(n.midi);
    Phase phase;
    OnePoleLowPass lp;
    render(out, n.start, n.gate + 0.6, n.velocity * 0.5, n.pan, [&](double t) {
        double p = phase.advance(hz);
        double s = sine(p) + 0.3 * lp.process(triangle(p), 400.0);
        return s * adsr(t, n.gate, 0.05, 0.6, 0.7, 0.6);
    });
}

void pluck(LoopBuffer& out, const NoteOn& n)
{
    // Short square pluck with a filter that snaps shut.
    const double hz = midiToHz(n.midi);
    Phase phase;
    StateVariable filter;
    render(out, n.start, n.gate + 0.25, n.velocity * 0.22, n.pan, [&](double t) {
        double p = phase.advance(hz);
        double s = square(p, hz / SampleRate);
        s = filter.process(s, 500.0 + 4500.0 * std::exp(-t / 0.05), 1.4).low;
        return s * adsr(t, n.gate, 0.002, 0.12, 0.3, 0.2);
    });
}

void drivingBass(LoopBuffer& out, const NoteOn& n)
{
    const double hz = midiToHz(n.midi);
    Phase a, b;
    StateVariable filter;
    render(out, n.start, n.gate + 0.08, n.velocity * 0.45, n.pan, [&](double t) {
        double s = 0.6 * saw(a.advance(hz), hz / SampleRate) + 0.6 * sine(b.advance(hz * 0.5));
        s = filter.process(s, 180.0 + 1600.0 * std::exp(-t / 0.06), 2.0).low;
        return s * adsr(t, n.gate, 0.003, 0.1, 0.75, 0.08);
    });
}

void lead(LoopBuffer& out, const NoteOn& n)
{
    // Saw and square an octave apart, with a delayed vibrato.
    const double hz = midiToHz(n.midi);
    Phase a, b, vibrato;
    StateVariable filter;
    render(out, n.start, n.gate + 0.3, n.velocity * 0.2, n.pan, [&](double t) {
        double depth = 0.006 * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
        double f = hz * (1.0 + depth * sine(vibrato.advance(5.5)));
        double s = saw(a.advance(f), f / SampleRate) + 0.5 * square(b.advance(f * 0.5), f * 0.5 / SampleRate);
        s = filter.process(s, 1800.0 + 2500.0 * std::exp(-t / 0.15), 1.2).low;
        return s * adsr(t, n.gate, 0.01, 0.2, 0.7, 0.25);
    });
}

void stab(LoopBuffer& out, const NoteOn& n)
{
    const double hz = midiToHz(n.midi);
    Phase a, b;
    OnePoleLowPass lp;
    render(out, n.start, n.gate + 0.15, n.velocity * 0.15, n.pan, [&](double t) {
        double s = saw(a.advance(hz * 1.004), hz / SampleRate) + saw(b.advance(hz * 0.996), hz / SampleRate);
        s = lp.process(s, 900.0 + 3000.0 * std::exp(-t / 0.08));
        return s * adsr(t, n.gate, 0.004, 0.15, 0.4, 0.12);
    });
}

void kick(LoopBuffer& out, double start, double velocity)
{
    Phase phase;
    render(out, start, 0.45, velocity * 0.9, 0.0, [&](double t) {
        double f = 45.0 + 110.0 * std::exp(-t / 0.035);
        double body = sine(phase.advance(f)) * std::exp(-t / 0.16);
        double click = std::exp(-t / 0.002) * 0.4;
        return body + click;
    });
}

void snare(LoopBuffer& out, double start, double velocity, unsigned seed)
{
    Rng rng(seed);
    Phase tone;
    StateVariable filter;
    render(out, start, 0.3, velocity * 0.45, 0.05, [&](double t) {
        double noise = filter.process(rng.range(-1, 1), 3500.0, 0.8).band * std::exp(-t / 0.07);
        double body = sine(tone.advance(185.0 - 30.0 * t)) * std::exp(-t / 0.05);
        return 1.4 * noise + 0.7 * body;
    });
}

void hat(LoopBuffer& out, double start, double velocity, bool open, unsigned seed)
{
    Rng rng(seed);
    StateVariable filter;
    const double decay = open ? 0.12 : 0.03;
    render(out, start, decay * 5.0, velocity * 0.18, -0.3, [&](double t) {
        return filter.process(rng.range(-1, 1), 9000.0, 1.0).high * std::exp(-t / decay);
    });
}

} // namespace assetgen::instruments
