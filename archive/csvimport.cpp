#include "archive/csvimport.h"

#include "archive/measurementarchive.h"
#include "measurement/devicedata.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The archived samples show in the file's unit exactly as the file shows them.
bool showsAs(const Measurement &archived, const QStringList &shown, double factor)
{
    if (archived.forces.size() != shown.size())
        return false;
    for (int j = 0; j < shown.size(); ++j) {
        if (formatForce(archived.forces.at(j), factor) != shown.at(j))
            return false;
    }
    return true;
}

bool keptFromGauge(MeasurementArchive &archive, const QByteArray &serialNr, const Measurement &m,
                   const QStringList &shown, double factor)
{
    for (qint64 id : archive.sameMinute(serialNr, m)) {
        const auto archived = archive.load(id);
        if (archived && showsAs(archived->measurement, shown, factor))
            return true;
    }
    return false;
}

// Checked before storing: the archive takes only what it can keep whole.
std::optional<CsvRefusal> refusalOf(const QByteArray &serialNr, const Measurement &m)
{
    if (serialNr.contains('\0'))
        return CsvRefusal::SerialNumberWithNul;
    if (m.number < 0)
        return CsvRefusal::NegativeNumber;
    if (m.forces.isEmpty())
        return CsvRefusal::NoSamples;
    if (!std::all_of(m.forces.begin(), m.forces.end(), [](float f) { return std::isfinite(f); }))
        return CsvRefusal::ForceNotFinite;
    if (!(m.sampleRate > 0.0f) || !std::isfinite(m.sampleRate))
        return CsvRefusal::NoRate;
    if (!isCompleteRecord(m))
        return CsvRefusal::DateOrTimeUnreadable;
    return std::nullopt;
}

} // namespace

QString csvRefusalText(CsvRefusal reason)
{
    switch (reason) {
    case CsvRefusal::SerialNumberWithNul:
        return QCoreApplication::translate("CsvImport", "die Seriennummer enthält ein Nullzeichen");
    case CsvRefusal::NegativeNumber:
        return QCoreApplication::translate("CsvImport", "negative Messungsnummer");
    case CsvRefusal::NoSamples:
        return QCoreApplication::translate("CsvImport", "keine Messwerte");
    case CsvRefusal::ForceNotFinite:
        return QCoreApplication::translate("CsvImport", "ein Messwert ist keine endliche Zahl");
    case CsvRefusal::NoRate:
        return QCoreApplication::translate("CsvImport", "keine Abtastrate aus den Zeiten");
    case CsvRefusal::DateOrTimeUnreadable:
        return QCoreApplication::translate("CsvImport", "Datum oder Zeit nicht lesbar");
    }
    return QString();
}

CsvImportReport importExportFile(MeasurementArchive &archive, const QString &path)
{
    CsvImportReport report;
    CsvExportFile file;
    report.problem = readExportFile(path, file);
    if (report.problem != CsvImportProblem::None)
        return report;
    report.found = file.records.size();

    const double factor = forceUnitFactorFor(file.forceUnit);
    QList<Measurement *> fresh;
    for (int i = 0; i < file.records.size(); ++i) {
        Measurement &m = file.records[i];
        if (const auto reason = refusalOf(file.serialNr, m)) {
            report.refused.append({m.number, *reason});
            continue;
        }
        if (keptFromGauge(archive, file.serialNr, m, file.shownForces.at(i), factor))
            ++report.alreadyKept;
        else
            fresh.append(&m);
    }
    if (fresh.isEmpty() && report.alreadyKept == 0) {
        report.problem = CsvImportProblem::NoMeasurements;
        return report;
    }
    const ArchiveDevice device{file.serialNr, QByteArray(""), file.forceUnit};
    const QString source = QStringLiteral("CSV: ") + QFileInfo(path).fileName();
    int added = 0;
    report.status =
        archive.storeRecords(device, fresh, QDateTime::currentDateTimeUtc(), source, &added);
    report.added = added;
    report.alreadyKept += fresh.size() - added;
    return report;
}
