#pragma once

#include "measurement/measurementset.h"

#include <QByteArray>
#include <QString>

// The Q-DAS ASCII transfer format (DFQ) of a set: one part with three
// characteristics (maximum force, mean force, duration), then one per
// characteristic of the set's test plan, and one value of each per
// measurement, oldest first.
//
// Each line is a key, an optional "/" and characteristic number, one blank
// and the value, ended by CR LF; numbers with "." as the decimal point in
// every locale; the text in Latin-1 (characters beyond it become "?").
//   K0100        number of characteristics
//   K1001, K1002 part number and part description
//   K2001/i      characteristic number ("Fmax", "Fmean", "t"; a plan's
//                characteristic: its name, cut to 20 characters)
//   K2002/i      characteristic description (a plan's: its name)
//   K2142/i      unit
//   K2110/i      lower tolerance limit (only where set)
//   K2111/i      upper tolerance limit (only where set)
//   K2022/i      decimal places of the values
//   K0001/i      value
//   K0004/i      date and time of the value, dd.MM.yyyy/HH:mm:ss
//   K0009/i      text: the gauge's serial number and the slot, "12345 #7"
// Measurements with a value that is no number are left out (leftOutCount).
// A plan's characteristic not found on a curve ("kein Bruch") has no K0001/i
// (nor K0004/i, K0009/i) for that measurement. A pass and fail
// characteristic is 1 for i.O. and 0 for n.i.O. with the lower limit 1 and
// no unit.

struct DfqPart
{
    QString number;      // K1001
    QString description; // K1002
};

// The format's field lengths of K1001 and K1002; longer texts are cut.
constexpr int kDfqPartNumberLength = 30;
constexpr int kDfqPartDescriptionLength = 80;
// The part as the file holds it; `cut` tells whether a text was too long.
DfqPart fittedDfqPart(const DfqPart &part, bool *cut = nullptr);

QByteArray dfqDocument(const MeasurementSet &set, const DfqPart &part);

// Writes the document to `fileName`; false when the file could not be written.
bool writeDfqFile(const QString &fileName, const MeasurementSet &set, const DfqPart &part);

constexpr char kDfqSuffix[] = "dfq";
