#include "measurement/csvexportreader.h"

#include "measurement/csvexportlayout.h"
#include "measurement/devicedata.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

using CsvExportLayout::Row;
constexpr int kDeviceRow = CsvExportLayout::rowIndex(Row::Device);
constexpr int kSerialRow = CsvExportLayout::rowIndex(Row::Serial);
constexpr int kNumberRow = CsvExportLayout::rowIndex(Row::Number);
constexpr int kDateRow = CsvExportLayout::rowIndex(Row::Date);
constexpr int kTimeRow = CsvExportLayout::rowIndex(Row::Time);
constexpr int kTitleRow = CsvExportLayout::rowIndex(Row::Titles);
constexpr int kHeaderRows = CsvExportLayout::kHeaderRowCount;
// Two-digit years before this one belong to the next century.
constexpr int kEarliestYear = 1970;
// The sample rate is found to a thousandth of a hertz.
constexpr double kRateResolution = 1000.0;
constexpr double kTimeRounding = 0.0005;
const QString kDevicePattern = QStringLiteral("dd;MM;yyyy");
const QString kTimePattern = QStringLiteral("HH;mm;ss");

QStringList splitCells(const QString &line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            cells.append(std::exchange(cell, QString()));
        else
            cell.append(c);
    }
    cells.append(cell);
    return cells;
}

QList<QLocale> exportLocales()
{
    return {QLocale(),
            QLocale(QLocale::German, QLocale::Germany),
            QLocale(QLocale::English, QLocale::UnitedStates),
            QLocale(QLocale::English, QLocale::UnitedKingdom),
            QLocale(QLocale::French, QLocale::France),
            QLocale(QLocale::Italian, QLocale::Italy),
            QLocale::c()};
}

QDate parseShownDate(const QString &text)
{
    for (const QLocale &locale : exportLocales()) {
        QDate date = locale.toDate(text, QLocale::ShortFormat);
        if (date.isValid())
            return date.year() < kEarliestYear ? date.addYears(100) : date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

QTime parseShownTime(const QString &text)
{
    for (const QLocale &locale : exportLocales()) {
        const QTime time = locale.toTime(text, QLocale::ShortFormat);
        if (time.isValid())
            return time;
    }
    return QTime::fromString(text, Qt::ISODate);
}

bool unitCodeOf(const QString &forceTitle, int &forceUnit)
{
    const std::optional<int> code =
        forceUnitOfText(CsvExportLayout::unitOfForceTitle(forceTitle));
    if (code)
        forceUnit = *code;
    return code.has_value();
}

// Where a measurement's cells are: its forces, and the times they were taken.
struct RecordColumns
{
    int time;
    int force;
};

// One time column for all (column 0, forces from column 1 on), or, when the
// rates differed, a time column before each force column: the title row
// repeats the time title there.
QList<RecordColumns> recordColumns(const QList<QStringList> &rows)
{
    const QStringList &titles = rows.at(kTitleRow);
    const bool ownTimes = titles.size() > 2 && titles.at(2) == titles.at(0);
    const int cells = rows.at(kNumberRow).size();
    QList<RecordColumns> columns;
    if (ownTimes) {
        for (int force = 1; force < cells; force += 2)
            columns.append({force - 1, force});
    } else {
        for (int force = 1; force < cells; ++force)
            columns.append({0, force});
    }
    return columns;
}

// The times of a column up to its first empty cell.
QStringList timeCells(const QList<QStringList> &rows, int column)
{
    QStringList times;
    for (const QStringList &row : rows) {
        const QString cell = row.value(column);
        if (cell.isEmpty())
            break;
        times.append(cell);
    }
    return times;
}

float rateFromTimes(const QStringList &times)
{
    if (times.size() < 2)
        return 0.0f;
    const double last = times.last().toDouble();
    if (!(last > 0.0))
        return 0.0f;
    // The times are rounded to a thousandth: the rate lies between the rates
    // of the last time plus and minus half of that. Gauges sample at whole
    // rates; take one when it fits.
    const double steps = double(times.size() - 1);
    const double rate = steps / last;
    const double lowest = steps / (last + kTimeRounding);
    const double highest = last > kTimeRounding ? steps / (last - kTimeRounding) : rate;
    const double whole = std::round(rate);
    if (whole >= lowest && whole <= highest)
        return float(whole);
    if (std::ceil(lowest) <= highest)
        return float(std::ceil(lowest));
    return float(std::round(rate * kRateResolution) / kRateResolution);
}

// A force cell back in newtons. "-0.0" stands for a small negative force:
// it comes back as the smallest one, so that it shows as the file shows it.
// A cell that is no number comes back as NaN, which refuses its measurement.
float shownForce(const QString &cell, double factor)
{
    bool isNumber = false;
    const float force = float(cell.toDouble(&isNumber) / factor);
    if (!isNumber)
        return std::numeric_limits<float>::quiet_NaN();
    if (force == 0.0f && cell.startsWith(QLatin1Char('-')))
        return -std::numeric_limits<float>::denorm_min();
    return force;
}

void fillSummary(Measurement &m)
{
    if (m.forces.isEmpty())
        return;
    m.forceStart = m.forces.first();
    m.forceEnd = m.forces.last();
    double sum = 0.0;
    float largest = m.forces.first();
    for (float f : qAsConst(m.forces)) {
        sum += double(f);
        largest = std::max(largest, f);
    }
    m.forceMax = largest;
    m.forceAvg = float(sum / double(m.forces.size()));
}

} // namespace

CsvImportProblem readExportFile(const QString &path, CsvExportFile &file)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return CsvImportProblem::NotReadable;
    QList<QStringList> rows;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (rows.isEmpty() && line == CsvExportLayout::kSeparatorLine)
            continue;
        // With its size: a NUL byte must not end the line unseen.
        rows.append(splitCells(QString::fromLatin1(line.constData(), line.size())));
    }
    if (rows.size() < kHeaderRows || rows.at(kDeviceRow).value(0) != QLatin1String(kDeviceName))
        return CsvImportProblem::NotAnExport;

    const QList<RecordColumns> columns = recordColumns(rows);
    if (columns.isEmpty())
        return CsvImportProblem::NotAnExport;
    file.serialNr = rows.at(kSerialRow).value(1).toLatin1();
    if (!unitCodeOf(rows.at(kTitleRow).value(1), file.forceUnit))
        return CsvImportProblem::UnknownUnit;
    const double factor = forceUnitFactorFor(file.forceUnit);
    const QList<QStringList> samples = rows.mid(kHeaderRows);

    for (const RecordColumns &column : columns) {
        const int k = column.force;
        bool isNumber = false;
        Measurement m(rows.at(kNumberRow).value(k).toInt(&isNumber));
        if (!isNumber)
            return CsvImportProblem::NotAnExport;
        const QDate date = parseShownDate(rows.at(kDateRow).value(k));
        const QTime time = parseShownTime(rows.at(kTimeRow).value(k));
        m.dateText = date.toString(kDevicePattern).toLatin1();
        m.timeText = time.toString(kTimePattern).toLatin1();
        m.sampleRate = rateFromTimes(timeCells(samples, column.time));
        QStringList shown;
        for (const QStringList &row : samples) {
            const QString cell = row.value(k);
            if (cell.isEmpty())
                break;
            shown.append(cell);
            m.forces.append(shownForce(cell, factor));
        }
        m.sampleCount = uint32_t(m.forces.size());
        fillSummary(m);
        file.records.append(m);
        file.shownForces.append(shown);
    }
    return CsvImportProblem::None;
}

