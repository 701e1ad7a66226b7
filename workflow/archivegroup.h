#pragma once

#include "archive/archivetypes.h"
#include "measurement/devicedata.h"

#include <QList>

class MeasurementArchive;

// An archive group (a station, a gauge, a range of days, a search) as the
// window's rows and `tspx-cli stats --archive` chart it: the measurements the
// filter lets through, loaded with their samples.

// The window charts at most this many of a group, the first its rows list
// (a gauge's newest days first): their samples are loaded on the window's
// thread.
constexpr int kLargestChartedGroup = 2000;

// The ids of the measurements the filter lets through.
QList<qint64> archiveGroupIds(MeasurementArchive &archive, const ArchiveFilter &filter,
                              ArchiveStatus *status = nullptr);

// Loads the records of `ids` into `into`: the first record's firmware and
// unit, the serial numbers joined by ", ". False, with the failure in
// `status`, when one cannot be read; `into` is then empty.
bool loadArchiveRecords(MeasurementArchive &archive, const QList<qint64> &ids, DeviceData &into,
                        ArchiveStatus *status = nullptr);
