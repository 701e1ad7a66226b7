#pragma once

#include "measurement/measurement.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The outcome of an archive operation, as a value: what went wrong in words
// the window can show, and the database's own text for the log.
struct ArchiveStatus
{
    enum Kind
    {
        Ok,
        CannotOpen,   // the file or its folder cannot be opened or created
        ReadOnly,     // the file or its folder may not be written
        DiskFull,     // no room left on the disk
        Locked,       // another program holds the archive
        Corrupt,      // the file is damaged (it is moved aside on open)
        NewerVersion, // written by a newer program; left untouched
        NotOpen,      // no archive is open (or its server does not answer)
        Failed,       // any other database error
        Misconfigured, // the settings name no archive this program knows: none is used
    };

    Kind kind = Ok;
    QString detail;     // the database's message
    QString movedAside; // set on open when a damaged file was moved to this path
    // After a damaged file was moved aside: the records read back from it
    // and kept in the new file, how many of its records waited for a server
    // (-1: unknown) and how many of those wait again in the new file.
    int recovered = 0;
    int waitingBefore = -1;
    int waitingRecovered = 0;
    // Calibration records, type-1 studies and test plans read back and kept.
    int keptRecordsRecovered = 0;

    bool ok() const { return kind == Ok; }
    static ArchiveStatus failure(Kind kind, const QString &detail = QString())
    {
        ArchiveStatus status;
        status.kind = kind;
        status.detail = detail;
        return status;
    }
};

// The gauge a transfer came from.
struct ArchiveDevice
{
    QByteArray serialNr;
    QByteArray swVersion;
    int forceUnit = 0;
};

// What a quick transfer reads of a slot before its samples: enough to tell
// whether the archive holds the measurement already.
struct QuickKey
{
    QByteArray serialNr;
    QByteArray dateText;
    QByteArray timeText;
    uint32_t sampleCount = 0;
    float sampleRate = 0.0f;
    float forceStart = 0.0f;
    float forceEnd = 0.0f;
    float forceMax = 0.0f;
    float forceAvg = 0.0f;

    static QuickKey of(const QByteArray &serialNr, const Measurement &m);
};

// One archived measurement with its samples.
struct ArchivedMeasurement
{
    qint64 id = 0;
    ArchiveDevice device;
    Measurement measurement{0};
    QDateTime downloadedAt; // UTC
    QString source;         // "gauge", or "CSV: " and the imported file's name
    QString designation;
    QString station; // who downloaded it
};

// What the archive finds a record by (its unique key), with its id.
struct RecordIdentity
{
    qint64 id = 0;
    QString serialNr;
    QString dateText;
    QString timeText;
    qint64 sampleCount = 0;
    QByteArray samplesSha256;
    // Whether it waits in a spool's upload queue.
    bool queued = false;
};

// One row of the archive's browsing list (no samples).
struct ArchiveEntry
{
    qint64 id = 0;
    QByteArray serialNr;
    int slot = 0;
    QByteArray dateText;
    QByteArray timeText;
    QDate day; // invalid when the gauge's date does not parse
    uint32_t sampleCount = 0;
    float forceMax = 0.0f; // newtons
    QString designation;
    QString station;
};

// The connection a browsing list reads; `spool`: a server's spool, whose
// records MeasurementArchive names by negative ids.
struct ArchiveReadSource
{
    QString connection;
    bool spool = false;
};

// Which entries to list; empty or invalid fields do not filter.
struct ArchiveFilter
{
    QString text;        // part of the designation or of the serial number, any case
    QString designation; // part of the designation, any case
    QString serialNr;    // part of the serial number, any case
    QDate from;          // first day, inclusive
    QDate to;            // last day, inclusive
    // Only the measurements this station downloaded (the tree's station rows).
    std::optional<QString> station = std::nullopt;

    bool isEmpty() const
    {
        return text.isEmpty() && designation.isEmpty() && serialNr.isEmpty() && !from.isValid() &&
               !to.isValid() && !station;
    }
};

// Whether the record holds what the gauge reported for it: every sample of its
// count, only finite numbers, and a date and time that parse. Every record is archived; one that is
// not complete is flagged so.
bool isCompleteRecord(const Measurement &m);
// Whether the record holds every sample of its count (at least one). Only
// such a copy can stand for the gauge's measurement when that is erased.
bool holdsAllSamples(const Measurement &m);
