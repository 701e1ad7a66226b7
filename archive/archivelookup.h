#pragma once

#include "device/knownmeasurements.h"

class MeasurementArchive;

// The archive as the gauge session's source of known measurements: a quick
// transfer takes a kept measurement's samples from the file.
class ArchiveLookup : public KnownMeasurements
{
public:
    explicit ArchiveLookup(MeasurementArchive &archive) : m_archive(archive) {}

    bool fillKnownSamples(const QByteArray &serialNr, Measurement &measurement) override;

    // How many slots the last transfers took from the archive.
    int filledCount() const { return m_filled; }
    void resetCount() { m_filled = 0; }

private:
    MeasurementArchive &m_archive;
    int m_filled = 0;
};
