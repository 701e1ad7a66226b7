#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <Qt>
#include <cstdint>

// One measurement read from the device's slot `number`.
struct Measurement
{
    explicit Measurement(int number) : number(number) {}

    int number;
    uint32_t sampleCount = 0;
    float sampleRate = 0.0f;
    QList<float> forces;
    float forceStart = 0.0f;
    float forceEnd = 0.0f;
    float forceMax = 0.0f;
    float forceAvg = 0.0f;
    QByteArray timeText; // "HH;mm;ss" as the device sends it
    QByteArray dateText; // "dd;MM;yyyy" as the device sends it
    // The samples were taken from the archive by a quick transfer, not read
    // from the gauge: they are the archived copy's, which the gauge's summary
    // values matched.
    bool samplesFromArchive = false;

    // The sample j when it is below sampleCount and held in forces.
    bool hasSample(uint32_t j) const { return j < sampleCount && j < uint32_t(forces.size()); }
};

// Whether the rate, the summary forces and every sample are finite numbers.
// A record that holds another value is kept as sent, but left out of
// statistics, control charts and DFQ files.
bool holdsOnlyNumbers(const Measurement &m);

// The most samples a measurement can have: the gauge sends them in one
// answer line of at most 32 MiB, each sample at least a digit and a separator.
constexpr quint32 kMostSamplesPerMeasurement = 16 * 1024 * 1024;

// The product name: the device row of the tree and the first cell of an export.
constexpr char kDeviceName[] = "Tensimo Parl";

// Dates and times as the device sends them.
QDate measurementDate(const QByteArray &dateText);
QTime measurementTime(const QByteArray &timeText);
QDateTime measurementDateTime(const Measurement &m);
// In the default locale's short formats; empty when the text does not parse.
QString formatMeasurementDate(const QByteArray &dateText);
QString formatMeasurementTime(const QByteArray &timeText);

// A force in newtons in the shown unit: one decimal, "." whatever the locale.
QString formatForce(float newtons, double factor);
// The same followed by a blank and the unit text, as shown and printed.
QString formatForce(float newtons, double factor, const QString &unitText);

// True when b was taken earlier than a; false when either is missing.
bool isNewerThan(const Measurement *a, const Measurement *b);
// Sorts newest first; records with the same date and time keep their order.
void sortNewestFirst(QList<Measurement *> &list);

// The record with that number (the last one when several have it), or null.
Measurement *findMeasurement(const QList<Measurement *> &list, int number);
