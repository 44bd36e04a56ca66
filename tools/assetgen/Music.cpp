#include "Music.h"

#include <array>

#include "Instruments.h"

namespace assetgen {

using namespace synth;
using namespace instruments;

namespace {

struct Chord {
    int bass;                 // MIDI note of the root, low octave
    std::array<int, 4> tones; // pad voicing, low to high
};

// Timeline helper: converts bars and beats to seconds for one tempo.
struct Tempo {
    double bpm;
    int beatsPerBar;
    double beat(double beats) const { return beats * 60.0 / bpm; }
    double bar(double bars) const { return beat(bars * beatsPerBar); }
};

// Melody notes: beat within the phrase, MIDI note, length in beats.
struct Melody {
    double beat, midi, beats;
};

// At the loop point the music is silent for an instant: the MP3 decoder
// adds a few milliseconds of silence at both ends anyway, and a short fade
// keeps that gap from clicking.
void fadeLoopEdges(std::vector<float>& stereo)
{
    const std::size_t frames = stereo.size() / 2, fade = toSamples(0.012);
    for (std::size_t i = 0; i < fade; ++i) {
        float k = static_cast<float>(i) / fade;
        stereo[2 * i] *= k;
        stereo[2 * i + 1] *= k;
        stereo[2 * (frames - 1 - i)] *= k;
        stereo[2 * (frames - 1 - i) + 1] *= k;
    }
}

std::vector<float> finish(LoopBuffer& buffer)
{
    normalise(buffer, 0.89);
    std::vector<float> out = buffer.interleaved(1.0);
    fadeLoopEdges(out);
    return out;
}

// ---- Menu: "Memory", A minor, slow and spacious ---------------------------

void menuPads(LoopBuffer& out, const Tempo& tempo, const std::vector<Chord>& chords)
{
    for (std::size_t bar = 0; bar < chords.size(); ++bar)
        for (std::size_t v = 0; v < 4; ++v)
            pad(out, {tempo.bar(bar), tempo.bar(1) * 0.95, static_cast<double>(chords[bar].tones[v]), 0.8,
                         -0.3 + 0.2 * v});
}

void menuArpeggio(LoopBuffer& out, const Tempo& tempo, const std::vector<Chord>& chords)
{
    // Rising and falling through the chord, an octave up, in eighth notes.
    const int order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const Chord& c = chords[bar];
        for (int step = 0; step < 8; ++step) {
            int k = order[step];
            int note = (k == 4 ? c.tones[0] + 12 : c.tones[k]) + 12;
            double velocity = step == 0 ? 0.9 : 0.6;
            bell(out, {tempo.bar(bar) + tempo.beat(step * 0.5), tempo.beat(0.4), static_cast<double>(note), velocity,
                          step % 2 == 0 ? -0.45 : 0.45});
        }
    }
}

void menuMelody(LoopBuffer& out, const Tempo& tempo, double fromBar, const std::vector<Melody>& notes)
{
    for (const Melody& m : notes)
        bell(out, {tempo.bar(fromBar) + tempo.beat(m.beat), tempo.beat(m.beats), m.midi, 1.2, 0.1});
}

} // namespace

std::vector<float> menuTheme()
{
    const Tempo tempo{76.0, 4};
    // Am F C G | Am F Dm E | F G Dm E -> back to Am at the loop.
    const Chord Am{45, {57, 60, 64, 69}}, F{41, {53, 57, 60, 65}}, C{48, {55, 60, 64, 67}}, G{43, {55, 59, 62, 67}},
        Dm{38, {50, 57, 62, 65}}, E{40, {52, 56, 59, 64}};
    const std::vector<Chord> chords = {Am, F, C, G, Am, F, Dm, E, F, G, Dm, E};

    LoopBuffer out(toSamples(tempo.bar(static_cast<double>(chords.size()))));
    menuPads(out, tempo, chords);
    menuArpeggio(out, tempo, chords);
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        softBass(out, {tempo.bar(bar), tempo.beat(2.8), static_cast<double>(chords[bar].bass), 0.9, 0.0});
        softBass(out, {tempo.bar(bar) + tempo.beat(3), tempo.beat(0.9), static_cast<double>(chords[bar].bass + 7), 0.6, 0.0});
    }
    // A slow tune over the second half, four beats to a bar.
    menuMelody(out, tempo, 4,
        {{0, 76, 2}, {2, 72, 2}, {4, 81, 3}, {7, 79, 1}, {8, 77, 2}, {10, 81, 2}, {12, 80, 4}, {16, 81, 2}, {18, 84, 2},
            {20, 83, 2}, {22, 86, 2}, {24, 81, 3}, {27, 77, 1}, {28, 76, 4}});
    loopedEcho(out, tempo.beat(0.75), 0.45, 0.5);
    loopedReverb(out, 0.86, 0.9);
    return finish(out);
}

namespace {

// ---- Level: "Stompin' little scouts", D minor, four on the floor -----------

void levelDrums(LoopBuffer& out, const Tempo& tempo, int bars)
{
    unsigned seed = 1;
    for (int bar = 0; bar < bars; ++bar) {
        bool breakdown = bar >= 12 && bar < 16;
        bool fill = bar == bars - 1;
        for (int beat = 0; beat < 4; ++beat) {
            double t = tempo.bar(bar) + tempo.beat(beat);
            if (!breakdown || beat == 0)
                kick(out, t, 1.0);
            if (beat % 2 == 1 && !(fill && beat == 3))
                snare(out, t, breakdown ? 0.6 : 1.0, seed++);
            hat(out, t + tempo.beat(0.5), 0.9, !breakdown, seed++);
            if (bar >= 4 && !breakdown) {
                hat(out, t + tempo.beat(0.25), 0.45, false, seed++);
                hat(out, t + tempo.beat(0.75), 0.45, false, seed++);
            }
        }
        if (fill)
            for (int i = 0; i < 8; ++i)
                snare(out, tempo.bar(bar) + tempo.beat(2.0 + i * 0.25), 0.5 + 0.07 * i, seed++);
    }
}

void levelBass(LoopBuffer& out, const Tempo& tempo, const std::vector<int>& roots, int bars)
{
    // Eighth notes on the root with an octave kick on the off-beats.
    const int pattern[8] = {0, 0, 12, 0, 0, 12, 0, 7};
    for (int bar = 0; bar < bars; ++bar) {
        int root = roots[bar % roots.size()];
        for (int step = 0; step < 8; ++step)
            drivingBass(out, {tempo.bar(bar) + tempo.beat(step * 0.5), tempo.beat(0.38),
                                 static_cast<double>(root + pattern[step]), step % 2 == 0 ? 1.0 : 0.75, 0.0});
    }
}

void levelArpeggio(LoopBuffer& out, const Tempo& tempo, const std::vector<std::array<int, 3>>& chords, int bars)
{
    const int order[16] = {0, 1, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1};
    for (int bar = 0; bar < bars; ++bar) {
        const auto& c = chords[bar % chords.size()];
        for (int step = 0; step < 16; ++step) {
            int k = order[step];
            int note = (k == 3 ? c[0] + 12 : c[k]) + 12;
            pluck(out, {tempo.bar(bar) + tempo.beat(step * 0.25), tempo.beat(0.2), static_cast<double>(note),
                           step % 4 == 0 ? 1.0 : 0.7, step % 2 == 0 ? -0.5 : 0.5});
        }
    }
}

void levelStabs(LoopBuffer& out, const Tempo& tempo, const std::vector<std::array<int, 3>>& chords, int fromBar, int toBar)
{
    // Off-beat chord stabs: "and" of beats 2 and 4.
    for (int bar = fromBar; bar < toBar; ++bar)
        for (double beat : {1.5, 3.5})
            for (int tone : chords[bar % chords.size()])
                stab(out, {tempo.bar(bar) + tempo.beat(beat), tempo.beat(0.3), static_cast<double>(tone + 12), 1.0, 0.25});
}

void levelLead(LoopBuffer& out, const Tempo& tempo, int fromBar, const std::vector<Melody>& notes)
{
    for (const Melody& m : notes)
        lead(out, {tempo.bar(fromBar) + tempo.beat(m.beat), tempo.beat(m.beats * 0.9), m.midi, 1.0, -0.1});
}

} // namespace

std::vector<float> levelTheme()
{
    const Tempo tempo{130.0, 4};
    const int bars = 20;
    // Dm Bb C A, round and round; A major pulls back to D minor each time.
    const std::vector<int> roots = {38, 34, 36, 33};
    const std::vector<std::array<int, 3>> chords = {{{62, 65, 69}}, {{58, 62, 65}}, {{60, 64, 67}}, {{57, 61, 64}}};
    const std::vector<Melody> themeA = {{0, 81, 1}, {1, 77, 0.5}, {1.5, 74, 0.5}, {2, 81, 0.5}, {2.5, 79, 0.5},
        {3, 77, 1}, {4, 77, 1.5}, {5.5, 74, 0.5}, {6, 77, 0.5}, {6.5, 79, 0.5}, {7, 81, 1}, {8, 79, 1}, {9, 76, 0.5},
        {9.5, 72, 0.5}, {10, 79, 0.5}, {10.5, 81, 0.5}, {11, 79, 1}, {12, 76, 1}, {13, 73, 1}, {14, 76, 0.5},
        {14.5, 79, 0.5}, {15, 81, 1}};
    const std::vector<Melody> themeB = {{0, 86, 1}, {1, 84, 0.5}, {1.5, 81, 0.5}, {2, 77, 1}, {3, 81, 1},
        {4, 82, 1.5}, {5.5, 81, 0.5}, {6, 79, 0.5}, {6.5, 77, 0.5}, {7, 74, 1}, {8, 84, 1}, {9, 79, 0.5},
        {9.5, 76, 0.5}, {10, 79, 1}, {11, 84, 1}, {12, 85, 2}, {14, 88, 1}, {15, 85, 1}};

    LoopBuffer out(toSamples(tempo.bar(bars)));
    levelDrums(out, tempo, bars);
    levelBass(out, tempo, roots, bars);
    levelArpeggio(out, tempo, chords, bars);
    // Bars 0-3 groove, 4-7 theme A, 8-11 theme B with stabs, 12-15 a
    // lighter break, 16-19 everything with theme A again and a fill.
    levelLead(out, tempo, 4, themeA);
    levelLead(out, tempo, 8, themeB);
    levelStabs(out, tempo, chords, 8, 12);
    for (int bar = 12; bar < 16; ++bar)
        for (int tone : chords[bar % chords.size()])
            pad(out, {tempo.bar(bar), tempo.bar(1) * 0.9, static_cast<double>(tone), 0.7, 0.0});
    levelLead(out, tempo, 16, themeA);
    levelStabs(out, tempo, chords, 16, 20);
    loopedEcho(out, tempo.beat(0.75), 0.3, 0.25);
    loopedReverb(out, 0.7, 0.35);
    return finish(out);
}

// ---- Level 2: "Ember run", E minor, faster and brighter --------------------

std::vector<float> emberTheme()
{
    const Tempo tempo{146.0, 4};
    const int bars = 20;
    // Em C G D: the open fifths of a chase.
    const std::vector<int> roots = {40, 36, 43, 38};
    const std::vector<std::array<int, 3>> chords = {{{64, 67, 71}}, {{60, 64, 67}}, {{67, 71, 74}}, {{62, 66, 69}}};
    const std::vector<Melody> hook = {{0, 83, 0.5}, {0.5, 79, 0.5}, {1, 76, 0.5}, {1.5, 79, 0.5}, {2, 83, 1},
        {3, 84, 1}, {4, 83, 0.5}, {4.5, 79, 0.5}, {5, 76, 1}, {6, 74, 1}, {7, 76, 1}, {8, 79, 1.5}, {9.5, 81, 0.5},
        {10, 83, 1}, {11, 86, 1}, {12, 88, 2}, {14, 86, 1}, {15, 83, 1}};
    const std::vector<Melody> answer = {{0, 88, 1}, {1, 86, 0.5}, {1.5, 83, 0.5}, {2, 84, 1}, {3, 79, 1},
        {4, 83, 1.5}, {5.5, 81, 0.5}, {6, 79, 1}, {7, 76, 1}, {8, 79, 1}, {9, 81, 1}, {10, 83, 2}, {12, 78, 1},
        {13, 81, 1}, {14, 83, 2}};

    LoopBuffer out(toSamples(tempo.bar(bars)));
    levelDrums(out, tempo, bars);
    levelBass(out, tempo, roots, bars);
    levelArpeggio(out, tempo, chords, bars);
    levelLead(out, tempo, 4, hook);
    levelLead(out, tempo, 8, answer);
    levelStabs(out, tempo, chords, 4, 12);
    for (int bar = 12; bar < 16; ++bar)
        for (int tone : chords[bar % chords.size()])
            pad(out, {tempo.bar(bar), tempo.bar(1) * 0.9, static_cast<double>(tone), 0.8, 0.0});
    levelLead(out, tempo, 16, hook);
    levelStabs(out, tempo, chords, 16, 20);
    loopedEcho(out, tempo.beat(0.5), 0.35, 0.3);
    loopedReverb(out, 0.65, 0.3);
    return finish(out);
}

// ---- Level 3: "Abyss", C minor, slow, dark and heavy ------------------------

std::vector<float> abyssTheme()
{
    const Tempo tempo{116.0, 4};
    const int bars = 20;
    // Cm Ab Eb G: the leading tone pulls back down into the dark.
    const std::vector<int> roots = {36, 32, 39, 31};
    const std::vector<std::array<int, 3>> chords = {{{60, 63, 67}}, {{56, 60, 63}}, {{63, 67, 70}}, {{55, 59, 62}}};
    const std::vector<Melody> dread = {{0, 72, 2}, {2, 75, 1}, {3, 74, 1}, {4, 72, 3}, {7, 68, 1}, {8, 70, 2},
        {10, 67, 2}, {12, 71, 3}, {15, 74, 1}};

    LoopBuffer out(toSamples(tempo.bar(bars)));
    levelDrums(out, tempo, bars);
    for (int bar = 0; bar < bars; ++bar) {
        const int root = roots[bar % roots.size()];
        softBass(out, {tempo.bar(bar), tempo.beat(3.5), static_cast<double>(root - 12), 1.0, 0.0});
        for (int tone : chords[bar % chords.size()])
            pad(out, {tempo.bar(bar), tempo.bar(1) * 0.95, static_cast<double>(tone - 12), 0.9, 0.0});
    }
    levelBass(out, tempo, roots, bars);
    levelArpeggio(out, tempo, chords, bars);
    menuMelody(out, tempo, 4, dread);
    levelLead(out, tempo, 8, dread);
    levelLead(out, tempo, 16, dread);
    loopedEcho(out, tempo.beat(0.75), 0.45, 0.35);
    loopedReverb(out, 0.88, 0.5);
    return finish(out);
}

} // namespace assetgen
