#pragma once

#include <QByteArray>

struct Measurement;

// What a quick transfer asks before it reads a slot's samples: whether the
// measurement is kept already (the archive answers). The session itself stays
// free of any storage.
class KnownMeasurements
{
public:
    virtual ~KnownMeasurements() = default;

    // `measurement` holds everything of the slot but its samples. When a kept
    // copy of this gauge's measurement matches it, fills in the samples from
    // there and returns true.
    virtual bool fillKnownSamples(const QByteArray &serialNr, Measurement &measurement) = 0;
};
