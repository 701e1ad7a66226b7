#pragma once

#include "device/linktiming.h"
#include "measurement/characteristic.h"

#include <QByteArray>
#include <QList>
#include <optional>

// One command line as the gauge's transcript shows it ("#dMsEr009!").
QByteArray wireCommand(const char *name, int index, char verb);

// A gauge data file with one small curve (4 samples at 10 Hz, maximum 100 N)
// in each of the given slots; serial number "SN-4711".
QByteArray gaugeWithSlots(const QList<int> &numbers);

// The gauge's memory: slots 3, 12 and 30, listed newest first as 12, 3, 30.
QByteArray threeMeasurements();

// Short answer time-outs and pauses for tests where the gauge stays silent.
LinkTiming quickLinkTiming();

// A test plan's entry of that kind with those limits and nothing else set.
Characteristic characteristic(const char *name, CharacteristicKind kind,
                              std::optional<double> lower = {}, std::optional<double> upper = {});
