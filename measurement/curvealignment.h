#pragma once

struct Measurement;

// How the overlay lines up curves taken at different moments.
enum class CurveAlignment
{
    None,    // as recorded: every curve starts at 0 s
    Start,   // the force rise (kStartShareOfMaximum of the curve's maximum) at 0 s
    Maximum, // the maximum at 0 s
};

// A curve counts as started when its force first reaches this share of its maximum.
constexpr double kStartShareOfMaximum = 0.05;

// The time in seconds of the record's curve that the alignment moves to 0 s;
// 0 for a record without samples.
double alignmentTime(const Measurement &m, CurveAlignment alignment);
