#include "measurement/workbookexport.h"

#include "base/log.h"
#include "measurement/cnumericlocale.h"
#include "measurement/dblist.h"
#include "measurement/serieschart.h"
#include "measurement/statisticstable.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <cmath>
#include <xlsxwriter.h>

namespace {

constexpr int kMaxSheetNameLength = 31;
constexpr int kTimeColumnWidth = 14;
constexpr int kValueColumnWidth = 16;
constexpr int kStatisticsTitleWidth = 28;
// Excel's built-in formats that follow the reader's locale.
constexpr int kExcelShortDateFormat = 14;
constexpr int kExcelTimeFormat = 21;

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

QString trObject(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

struct Formats
{
    lxw_format *bold = nullptr;
    lxw_format *time = nullptr;  // sample times, 3 decimals
    lxw_format *force = nullptr; // forces, 1 decimal
    lxw_format *date = nullptr;  // measurement date
    lxw_format *clock = nullptr; // measurement time
    lxw_format *decimals2 = nullptr;
    lxw_format *decimals3 = nullptr;

    explicit Formats(lxw_workbook *book)
    {
        bold = workbook_add_format(book);
        format_set_bold(bold);
        time = workbook_add_format(book);
        format_set_num_format(time, "0.000");
        force = workbook_add_format(book);
        format_set_num_format(force, "0.0");
        date = workbook_add_format(book);
        format_set_num_format_index(date, kExcelShortDateFormat);
        clock = workbook_add_format(book);
        format_set_num_format_index(clock, kExcelTimeFormat);
        decimals2 = workbook_add_format(book);
        format_set_num_format(decimals2, "0.00");
        decimals3 = workbook_add_format(book);
        format_set_num_format(decimals3, "0.000");
    }

    // Counts without a format; percentages get two decimals as all others but three.
    lxw_format *forDecimals(int decimals) const
    {
        if (decimals == 0)
            return nullptr;
        return decimals == 3 ? decimals3 : decimals2;
    }
};

void writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QString &text,
               lxw_format *format = nullptr)
{
    if (!text.isEmpty())
        worksheet_write_string(sheet, row, col, utf8(text).constData(), format);
}

void writeOptional(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col,
                   const std::optional<double> &value, lxw_format *format)
{
    if (value)
        worksheet_write_number(sheet, row, col, *value, format);
}

void writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const StatisticsCell &cell,
               const Formats &formats)
{
    if (cell.applies)
        writeOptional(sheet, row, col, cell.value, formats.forDecimals(cell.decimals));
}

void writeDate(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const Measurement &m,
               const Formats &formats)
{
    const QDate date = measurementDate(m.dateText);
    if (!date.isValid())
        return;
    lxw_datetime value = {date.year(), date.month(), date.day(), 0, 0, 0.0};
    worksheet_write_datetime(sheet, row, col, &value, formats.date);
}

void writeClock(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const Measurement &m,
                const Formats &formats)
{
    const QTime time = measurementTime(m.timeText);
    if (!time.isValid())
        return;
    // Year, month and day 0: a time of day without a date.
    lxw_datetime value = {0, 0, 0, time.hour(), time.minute(), double(time.second())};
    worksheet_write_datetime(sheet, row, col, &value, formats.clock);
}

// Under the times, each measurement's calibration mark; the row stays empty
// when no measurement carries one.
void writeCalibrationRow(lxw_worksheet *sheet, lxw_row_t row, const MeasurementSet &set)
{
    bool marked = false;
    for (int k = 0; k < set.records.size(); ++k) {
        const QString mark =
            calibrationMarkText(calibrationMarkOf(*set.records.at(k), set.calibration));
        if (!mark.isEmpty())
            writeText(sheet, row, lxw_col_t(k + 1), mark);
        marked = marked || !mark.isEmpty();
    }
    if (marked)
        writeText(sheet, row, 0, GaugeCalibrationText::tr("Kalibrierung:"));
}

// The measurements side by side, as the CSV export lays them out.
quint32 writeDataSheet(lxw_worksheet *sheet, const MeasurementSet &set, const Formats &formats)
{
    const QList<const Measurement *> &records = set.records;
    worksheet_set_column(sheet, 0, 0, kTimeColumnWidth, nullptr);
    worksheet_set_column(sheet, 1, lxw_col_t(records.size()), kValueColumnWidth, nullptr);

    // Row by row: a sheet written in constant memory drops a row once the next begins.
    writeText(sheet, 0, 0, QString::fromLatin1(kDeviceName), formats.bold);
    writeText(sheet, 2, 0, trObject("Seriennummer Gerät:"));
    writeText(sheet, 2, 1, set.serialNr);
    writeText(sheet, 5, 0, trObject("Messung-Nr:"));
    for (int k = 0; k < records.size(); ++k)
        worksheet_write_number(sheet, 5, lxw_col_t(k + 1), records.at(k)->number, nullptr);
    writeText(sheet, 6, 0, trObject("Datum:"));
    for (int k = 0; k < records.size(); ++k)
        writeDate(sheet, 6, lxw_col_t(k + 1), *records.at(k), formats);
    writeText(sheet, 7, 0, trObject("Zeit:"));
    for (int k = 0; k < records.size(); ++k)
        writeClock(sheet, 7, lxw_col_t(k + 1), *records.at(k), formats);
    writeCalibrationRow(sheet, 8, set);
    writeText(sheet, 9, 0, trObject("Zeit") + QStringLiteral(" / s"), formats.bold);
    const QString forceTitle = trObject("Kraft") + QStringLiteral(" / ") + set.unitText;
    for (int k = 0; k < records.size(); ++k)
        writeText(sheet, 9, lxw_col_t(k + 1), forceTitle, formats.bold);

    // The same rows, times and bound as the CSV export.
    const DbList bounds(records, set.serialNr, set.unitText, set.factor);
    const quint32 rows = bounds.sampleRowCount();
    const double dt = sampleInterval(*records.first());
    constexpr lxw_row_t kFirstSampleRow = 10;
    double t = 0.0;
    for (quint32 j = 0; j < rows; ++j) {
        const lxw_row_t row = kFirstSampleRow + j;
        worksheet_write_number(sheet, row, 0, t, formats.time);
        for (int k = 0; k < records.size(); ++k) {
            const Measurement &m = *records.at(k);
            if (m.hasSample(j) && std::isfinite(m.forces.at(int(j))))
                worksheet_write_number(sheet, row, lxw_col_t(k + 1),
                                       double(m.forces.at(int(j))) * set.factor, formats.force);
        }
        t += dt;
    }
    return rows;
}

// The titles of the plan's characteristics beside the verdicts' titles.
void writeCharacteristicTitles(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t firstColumn,
                               const SeriesStatistics &statistics, const Formats &formats)
{
    for (int c = 0; c < statistics.characteristics.size(); ++c)
        writeText(sheet, row, firstColumn + lxw_col_t(c),
                  statistics.characteristics.at(c).quantity.label(), formats.bold);
}

// Each plan characteristic's value of measurement `k` in its row (the
// workbook is written row by row): a number, else its verdict.
void writeCharacteristicCells(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t firstColumn,
                              const SeriesStatistics &statistics, int k)
{
    for (int c = 0; c < statistics.characteristics.size(); ++c) {
        const QuantityStatistics &q = statistics.characteristics.at(c);
        const lxw_col_t column = firstColumn + lxw_col_t(c);
        const QuantityValue &v = q.values.at(k);
        if (v.state == QuantityValue::Found && !q.quantity.passFail)
            worksheet_write_number(sheet, row, column, v.value, nullptr);
        else if (v.state == QuantityValue::Found)
            writeText(sheet, row, column, verdictText(v.value > 0.0));
        else
            writeText(sheet, row, column, StatisticsText::verdict(q.verdicts.at(k)));
    }
}

void writeStatisticsSheet(lxw_worksheet *sheet, const MeasurementSet &set,
                          const ChartSettings &chart, const Formats &formats)
{
    const SeriesStatistics statistics = computeSeriesStatistics(set, chart.withinSpread());
    const StatisticsTable content = statisticsTable(set, statistics);
    worksheet_set_column(sheet, 0, 0, kStatisticsTitleWidth, nullptr);
    worksheet_set_column(sheet, 1, lxw_col_t(content.columns.size()), kValueColumnWidth, nullptr);

    lxw_row_t row = 0;
    writeText(sheet, row, 0, content.title, formats.bold);
    ++row;
    for (const StatisticsLimit &limit : content.limits) {
        writeText(sheet, ++row, 0, limit.caption);
        writeCell(sheet, row, 1, limit.value, formats);
    }
    row += 2;

    for (int c = 0; c < content.columns.size(); ++c)
        writeText(sheet, row, lxw_col_t(c + 1), content.columns.at(c).name, formats.bold);
    for (const StatisticsRow &quantity : content.rows) {
        writeText(sheet, ++row, 0, quantity.label);
        for (int c = 0; c < quantity.cells.size(); ++c)
            writeCell(sheet, row, lxw_col_t(c + 1), quantity.cells.at(c), formats);
    }
    row += 1;
    for (const QString &note : {content.leftOutNote, content.note})
        if (!note.isEmpty())
            writeText(sheet, ++row, 0, note);
    writeText(sheet, ++row, 0, content.estimateNote);
    for (const QString &note : content.characteristicNotes())
        writeText(sheet, ++row, 0, note);
    row += 2;

    writeText(sheet, row, 0, content.measurementTitle, formats.bold);
    writeText(sheet, row, 1, trObject("Datum:"), formats.bold);
    writeText(sheet, row, 2, trObject("Zeit:"), formats.bold);
    writeText(sheet, row, 3, content.rows.first().label, formats.bold);
    writeText(sheet, row, 4, content.resultTitle, formats.bold);
    constexpr lxw_col_t kFirstCharacteristicColumn = 5;
    writeCharacteristicTitles(sheet, row, kFirstCharacteristicColumn, statistics, formats);
    for (int k = 0; k < content.verdicts.size(); ++k) {
        const StatisticsVerdict &verdict = content.verdicts.at(k);
        const Measurement &m = *verdict.record;
        ++row;
        worksheet_write_number(sheet, row, 0, m.number, nullptr);
        writeDate(sheet, row, 1, m, formats);
        writeClock(sheet, row, 2, m, formats);
        if (std::isfinite(verdict.forceMax))
            worksheet_write_number(sheet, row, 3, verdict.forceMax, formats.force);
        writeText(sheet, row, 4, verdict.verdictText);
        writeCharacteristicCells(sheet, row, kFirstCharacteristicColumn, statistics, k);
    }
}

void writeLine(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const ChartLine &line)
{
    worksheet_write_number(sheet, row, col, line.centre, nullptr);
    worksheet_write_number(sheet, row, col + 1, line.lower, nullptr);
    worksheet_write_number(sheet, row, col + 2, line.upper, nullptr);
}

// The rules a point breaks, on either chart.
QString violationsAt(const SeriesChart &chart, int point)
{
    QStringList rules;
    for (const RuleViolation &v : chart.violations) {
        const int at = v.part == ChartPart::Location ? v.point
                                                      : v.point + chart.chart->dispersionOffset;
        if (at == point)
            rules << ruleText(v.ruleSet, v.rule);
    }
    return rules.join(QStringLiteral("; "));
}

// The chart's numbers, a row per point: the measurements it stands for, its
// value on both charts, their centre lines and limits, and the rules broken.
void writeChartSheet(lxw_worksheet *sheet, const MeasurementSet &set,
                     const ChartSettings &settings, const Formats &formats)
{
    const SeriesChart chart = seriesChart(set, settings);
    const ChartType type = settings.type;
    worksheet_set_column(sheet, 0, 1, kTimeColumnWidth, nullptr);
    worksheet_set_column(sheet, 2, 10, kValueColumnWidth, nullptr);
    writeText(sheet, 0, 0, ChartText::title() + QLatin1Char(' ') + ChartText::typeName(type),
              formats.bold);
    writeText(sheet, 0, 2, chart.quantity.label(), formats.bold);
    if (!chart.chart) {
        writeText(sheet, 1, 0, chart.quantity.passFail ? ChartText::passFailNotCharted()
                                                       : ChartText::tooFewPoints());
        return;
    }
    const ControlChart &c = *chart.chart;
    writeText(sheet, 1, 0, QStringLiteral("σ = ") + StatisticsText::estimateFormula(
                                                        settings.withinSpread()));
    writeOptional(sheet, 1, 2, c.sigmaWithin, formats.decimals3);
    writeText(sheet, 2, 4, ChartText::locationName(type), formats.bold);
    writeText(sheet, 2, 7, ChartText::dispersionName(type), formats.bold);
    const QStringList titles = {ChartText::point(),       ChartText::records(),
                                ChartText::locationName(type), ChartText::dispersionName(type),
                                ChartText::centreLine(),  ChartText::lowerControlLimit(),
                                ChartText::upperControlLimit(), ChartText::centreLine(),
                                ChartText::lowerControlLimit(), ChartText::upperControlLimit(),
                                ChartText::rule()};
    for (int t = 0; t < titles.size(); ++t)
        writeText(sheet, 3, lxw_col_t(t), titles.at(t), formats.bold);
    for (int k = 0; k < c.location.size(); ++k) {
        const lxw_row_t row = lxw_row_t(4 + k);
        worksheet_write_number(sheet, row, 0, k + 1, nullptr);
        writeText(sheet, row, 1, chart.pointRecordsText(ChartPart::Location, k));
        worksheet_write_number(sheet, row, 2, c.location.at(k), nullptr);
        const int d = k - c.dispersionOffset;
        if (d >= 0 && d < c.dispersion.size())
            worksheet_write_number(sheet, row, 3, c.dispersion.at(d), nullptr);
        writeLine(sheet, row, 4, c.limits.location);
        writeLine(sheet, row, 7, c.limits.dispersion);
        writeText(sheet, row, 10, violationsAt(chart, k));
    }
}

// A name not yet used in the workbook; Excel compares sheet names without case.
QString uniqueSheetName(const QString &wanted, QSet<QString> &used)
{
    QString name = workbookSheetName(wanted);
    for (int n = 2; used.contains(name.toLower()); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = workbookSheetName(wanted).left(kMaxSheetNameLength - suffix.size()) + suffix;
    }
    used.insert(name.toLower());
    return name;
}

} // namespace

QString workbookSheetName(const QString &text)
{
    QString name = text;
    for (QChar &c : name)
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = QLatin1Char('_');
    name = name.left(kMaxSheetNameLength).trimmed();
    return name.isEmpty() ? QStringLiteral("_") : name;
}

int writeWorkbook(const QString &fileName, const QList<MeasurementSet> &sets,
                  const ChartSettings &chart)
{
    QList<MeasurementSet> filled;
    for (const MeasurementSet &set : sets)
        if (!set.records.isEmpty())
            filled.append(set);
    if (filled.isEmpty())
        return 0;

    // libxlsxwriter writes numbers with snprintf; the file needs points.
    const CNumericLocale numbersWithPoint;
    // One row at a time: a million samples do not sit in memory.
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    const QByteArray name = QFile::encodeName(fileName);
    lxw_workbook *book = workbook_new_opt(name.constData(), &options);
    quint64 rows = 0;
    int result = -1;
    if (book) {
        const Formats formats(book);
        QSet<QString> used;
        bool sheetsAdded = true;
        for (const MeasurementSet &set : filled) {
            const QByteArray dataName = utf8(uniqueSheetName(set.label, used));
            const QByteArray statsName =
                utf8(uniqueSheetName(StatisticsText::title() + QLatin1Char(' ') + set.label, used));
            const QByteArray chartName =
                utf8(uniqueSheetName(ChartText::title() + QLatin1Char(' ') + set.label, used));
            lxw_worksheet *data = workbook_add_worksheet(book, dataName.constData());
            lxw_worksheet *statistics = workbook_add_worksheet(book, statsName.constData());
            lxw_worksheet *chartSheet = workbook_add_worksheet(book, chartName.constData());
            if (!data || !statistics || !chartSheet) {
                sheetsAdded = false;
                break;
            }
            rows += writeDataSheet(data, set, formats);
            writeStatisticsSheet(statistics, set, chart, formats);
            writeChartSheet(chartSheet, set, chart, formats);
        }
        // Closing writes the file; it also frees the workbook after a failure.
        if (workbook_close(book) == LXW_NO_ERROR && sheetsAdded)
            result = 0;
    }
    if (result != 0)
        rows = 0;
    logLine("WorkbookExport::write: " + fileName.toLocal8Bit() +
            " Anzahl Zeilen: " + QByteArray::number(rows));
    return result;
}
