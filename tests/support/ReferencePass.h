#pragma once

class Stage1;

// The level's frame written the slow, obvious way: every ordered pair of
// entities meets every rule, each rule picks its pairs by the exact run-time
// class, and nothing is skipped. The game's own Stage1::Update must agree
// with it bit for bit; the differential test and the benchmarks hold the
// fast pass against this one. Returns what Stage1::Update returns.
bool ReferenceUpdate(Stage1& stage, float seconds);
