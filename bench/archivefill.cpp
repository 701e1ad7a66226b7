#include "archivefill.h"

#include "archive/measurementarchive.h"
#include "sim/curvegenerator.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int kGauges = 8;
constexpr int kPerDay = 50;
constexpr int kBatch = 20000;
constexpr int kDesignationEvery = 25;
const QDate kNewestDay(2026, 12, 1);

QByteArray serialOf(int gauge)
{
    return "TP-" + QByteArray::number(24070 + gauge * 13);
}

// The k-th measurement of a gauge: fifty a day from 06:00, every 12 minutes.
std::unique_ptr<Measurement> syntheticMeasurement(int gauge, int k, quint32 seed, int samples)
{
    auto m = std::make_unique<Measurement>(k % kPerDay + 1);
    const QDateTime taken(kNewestDay.addDays(-(k / kPerDay)),
                          QTime(6, 0).addSecs((k % kPerDay) * 12 * 60 + gauge * 7));
    m->dateText = taken.toString(QStringLiteral("dd;MM;yyyy")).toLatin1();
    m->timeText = taken.toString(QStringLiteral("HH;mm;ss")).toLatin1();
    m->sampleRate = 100.0f;
    const qint32 peak = 150000 + gauge * 40000 + qint32(seed % 20000);
    for (qint32 milliNewtons : generateCurve(seed, samples, peak))
        m->forces.append(float(milliNewtons) / 1000.0f);
    m->sampleCount = uint32_t(samples);
    m->forceStart = m->forces.first();
    m->forceEnd = m->forces.last();
    m->forceMax = *std::max_element(m->forces.begin(), m->forces.end());
    m->forceAvg = std::accumulate(m->forces.begin(), m->forces.end(), 0.0f) / samples;
    return m;
}

QString designationOf(int n)
{
    static const char *const kParts[] = {"Bolzen M8", "Seil 6 mm", "Haken", "Öse DIN 582",
                                         "Kabelschuh 2,5"};
    return QStringLiteral("Los %1 %2").arg(n / 5).arg(QString::fromUtf8(kParts[n % 5]));
}

// Every 25th measurement gets a designation, in one transaction.
QString designate(MeasurementArchive &archive, int count)
{
    QSqlDatabase db = QSqlDatabase::database(archive.connectionName());
    if (!db.transaction())
        return QStringLiteral("cannot begin the designations");
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE measurement SET designation = ? WHERE id = ?"));
    for (int id = 1; id <= count; id += kDesignationEvery) {
        update.addBindValue(designationOf(id / kDesignationEvery));
        update.addBindValue(id);
        if (!update.exec())
            return QStringLiteral("designation of %1 failed").arg(id);
    }
    return db.commit() ? QString() : QStringLiteral("cannot commit the designations");
}

} // namespace

QString fillArchive(const QString &path, int count, int samples)
{
    if (QFileInfo::exists(path))
        return QStringLiteral("%1 exists already").arg(path);
    MeasurementArchive archive;
    const ArchiveStatus opened = archive.open(path);
    if (!opened.ok())
        return opened.detail;
    for (int first = 0; first < count; first += kBatch) {
        // One transfer per gauge and batch.
        const int last = std::min(count, first + kBatch);
        for (int gauge = 0; gauge < kGauges; ++gauge) {
            std::vector<std::unique_ptr<Measurement>> records;
            QList<Measurement *> pointers;
            for (int n = first + gauge; n < last; n += kGauges) {
                records.push_back(syntheticMeasurement(gauge, n / kGauges, quint32(n + 1), samples));
                pointers.append(records.back().get());
            }
            const ArchiveStatus stored = archive.storeTransfer(
                {serialOf(gauge), "2.14", 0}, pointers, QDateTime::currentDateTimeUtc());
            if (!stored.ok())
                return stored.detail;
        }
    }
    return designate(archive, count);
}
