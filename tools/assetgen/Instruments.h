#pragma once

#include "Synth.h"

// The voices the two music tracks are played on. Each call renders one
// note into the loop buffer: start and gate length in seconds, pitch as a
// MIDI note number, velocity 0..1, pan -1..1.
namespace assetgen::instruments {

struct NoteOn {
    double start;
    double gate;
    double midi;
    double velocity;
    double pan;
};

void pad(synth::LoopBuffer& out, const NoteOn& n);
void bell(synth::LoopBuffer& out, const NoteOn& n);
void softBass(synth::LoopBuffer& out, const NoteOn& n);
void pluck(synth::LoopBuffer& out, const NoteOn& n);
void drivingBass(synth::LoopBuffer& out, const NoteOn& n);
void lead(synth::LoopBuffer& out, const NoteOn& n);
void stab(synth::LoopBuffer& out, const NoteOn& n);

void kick(synth::LoopBuffer& out, double start, double velocity);
void snare(synth::LoopBuffer& out, double start, double velocity, unsigned seed);
void hat(synth::LoopBuffer& out, double start, double velocity, bool open, unsigned seed);

} // namespace assetgen::instruments
