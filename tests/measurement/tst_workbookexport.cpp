// The Excel workbook read back: unpacked with unzip, its sheets' XML cells
// compared with the measurements, the statistics and the limits.
#include "logcapture.h"
#include "measurement/seriesstatistics.h"
#include "measurement/workbookexport.h"
#include "workbookreader.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using Sheet = WorkbookReader::Sheet;

QString text(const Sheet &sheet, const QString &ref)
{
    return WorkbookReader::text(sheet, ref);
}

double number(const Sheet &sheet, const QString &ref)
{
    return WorkbookReader::number(sheet, ref);
}

int rowOf(const Sheet &sheet, const QString &title)
{
    return WorkbookReader::rowOf(sheet, title);
}

Sheet readSheet(const QString &file, int index)
{
    return WorkbookReader(file).sheet(index);
}

QStringList sheetNames(const QString &file)
{
    return WorkbookReader(file).sheetNames();
}

bool near(double actual, double wanted)
{
    return std::fabs(actual - wanted) < 1e-9 * std::max(1.0, std::fabs(wanted));
}

} // namespace

class TestWorkbookExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void measurementsSideBySideAsNumbers();
    void statisticsSheetWithLimitsAndVerdicts();
    void oneSheetPairPerSetWithNamesExcelTakes();
    void aPlansCharacteristicsBesideTheVerdicts();
    void nothingToWriteOrNoPlaceToWriteIt();

private:
    Measurement *record(int number, const char *date, const char *time, float rate,
                        QList<float> forces, float forceMax = 0.0f);
    QString path(const QString &name = QStringLiteral("set.xlsx")) const
    {
        return m_dir->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<Measurement>> m_records;
    std::unique_ptr<LogCapture> m_log;
};

void TestWorkbookExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_log = std::make_unique<LogCapture>();
}

void TestWorkbookExport::cleanup()
{
    m_log.reset();
    m_records.clear();
}

Measurement *TestWorkbookExport::record(int number, const char *date, const char *time, float rate,
                                        QList<float> forces, float forceMax)
{
    m_records.push_back(std::make_unique<Measurement>(number));
    Measurement *m = m_records.back().get();
    m->dateText = date;
    m->timeText = time;
    m->sampleRate = rate;
    m->sampleCount = uint32_t(forces.size());
    m->forces = std::move(forces);
    m->forceMax = forceMax;
    return m;
}

void TestWorkbookExport::measurementsSideBySideAsNumbers()
{
    MeasurementSet set;
    set.label = QStringLiteral("Tensimo Parl");
    set.serialNr = QStringLiteral("TP-0815");
    set.unitText = QStringLiteral("lbf");
    set.factor = 0.224809;
    Measurement *seven = record(7, "24;01;2017", "16;11;58", 100.0f, {1.5f, 20.25f, 3.0f});
    Measurement *three = record(3, "bad", "06;05;04", 50.0f, {100.0f, 7.0f});
    three->sampleCount = 5; // more than held: the rest stays empty
    set.records = {seven, three};
    set.calibration.known = true;
    set.calibration.dueOn = QDate(2017, 1, 23); // seven was taken after it
    QCOMPARE(writeWorkbook(path(), {set}), 0);
    QCOMPARE(m_log->lines(),
             QList<QByteArray>{"WorkbookExport::write: " + path().toUtf8() + " Anzahl Zeilen: 5"});

    const Sheet sheet = readSheet(path(), 1);
    QCOMPARE(text(sheet, "A1"), QStringLiteral("Tensimo Parl"));
    QCOMPARE(text(sheet, "A3"), QStringLiteral("Seriennummer Gerät:"));
    QCOMPARE(text(sheet, "B3"), QStringLiteral("TP-0815"));
    QCOMPARE(text(sheet, "A6"), QStringLiteral("Messung-Nr:"));
    QCOMPARE(number(sheet, "B6"), 7.0);
    QCOMPARE(number(sheet, "C6"), 3.0);
    // Excel counts days from 30 Dec 1899 and times in parts of a day.
    QCOMPARE(number(sheet, "B7"), double(QDate(1899, 12, 30).daysTo(QDate(2017, 1, 24))));
    QVERIFY(!sheet.contains("C7")); // a date that does not parse
    QVERIFY(near(number(sheet, "B8"), (16 * 3600 + 11 * 60 + 58) / 86400.0));
    QVERIFY(near(number(sheet, "C8"), (6 * 3600 + 5 * 60 + 4) / 86400.0));
    QCOMPARE(text(sheet, "A9"), QStringLiteral("Kalibrierung:"));
    QCOMPARE(text(sheet, "B9"), QStringLiteral("Kalibrierung überfällig"));
    QVERIFY(!sheet.contains("C9")); // no date: no mark
    QCOMPARE(text(sheet, "A10"), QStringLiteral("Zeit / s"));
    QCOMPARE(text(sheet, "B10"), QStringLiteral("Kraft / lbf"));
    QCOMPARE(text(sheet, "C10"), QStringLiteral("Kraft / lbf"));

    // Times follow the first record's rate; forces are the full value in the unit.
    const QList<float> sevens = {1.5f, 20.25f, 3.0f};
    double t = 0.0;
    for (int j = 0; j < 5; ++j) {
        const QString row = QString::number(11 + j);
        QVERIFY2(near(number(sheet, "A" + row), t), qPrintable(row));
        t += 1.0 / 100.0;
        if (j < 3)
            QVERIFY(near(number(sheet, "B" + row), double(sevens.at(j)) * 0.224809));
        else
            QVERIFY(!sheet.contains("B" + row));
        QCOMPARE(sheet.contains("C" + row), j < 2);
    }
    QVERIFY(near(number(sheet, "C11"), 100.0 * 0.224809));
    QVERIFY(!sheet.contains("A16"));
}

void TestWorkbookExport::statisticsSheetWithLimitsAndVerdicts()
{
    MeasurementSet set;
    set.label = QStringLiteral("Tensimo Parl");
    set.limits = ForceLimits{11.0, 18.0};
    set.records = {record(1, "01;02;2020", "10;00;00", 10.0f, {1, 2}, 10.0f),
                   record(2, "01;02;2020", "10;01;00", 10.0f, {1, 2, 3, 4}, 12.0f),
                   record(3, "01;02;2020", "10;02:00", 10.0f, {1}, 14.0f)};
    QCOMPARE(writeWorkbook(path(), {set}), 0);
    QCOMPARE(sheetNames(path()), (QStringList{QStringLiteral("Tensimo Parl"),
                                              QStringLiteral("Statistik Tensimo Parl"),
                                              QStringLiteral("Regelkarte Tensimo Parl")}));

    const Sheet sheet = readSheet(path(), 2);
    QCOMPARE(number(sheet, QStringLiteral("B%1").arg(rowOf(sheet, "Untere Grenze:"))), 11.0);
    QCOMPARE(number(sheet, QStringLiteral("B%1").arg(rowOf(sheet, "Obere Grenze:"))), 18.0);

    const int force = rowOf(sheet, QStringLiteral("Maximalkraft / N"));
    QVERIFY(force > 0);
    const QString r = QString::number(force);
    // Titles one row above: n, mean, sd, CV %, minimum, maximum, range, Pp, Ppk, Cp, Cpk.
    QCOMPARE(text(sheet, "B" + QString::number(force - 1)), QStringLiteral("n"));
    QCOMPARE(text(sheet, "J" + QString::number(force - 1)), QStringLiteral("Ppk"));
    QCOMPARE(text(sheet, "L" + QString::number(force - 1)), QStringLiteral("Cpk"));
    QCOMPARE(number(sheet, "B" + r), 3.0);
    QVERIFY(near(number(sheet, "C" + r), 12.0));
    QVERIFY(near(number(sheet, "D" + r), 2.0));
    QVERIFY(near(number(sheet, "E" + r), 100.0 / 6));
    QCOMPARE(number(sheet, "F" + r), 10.0);
    QCOMPARE(number(sheet, "G" + r), 14.0);
    QCOMPARE(number(sheet, "H" + r), 4.0);
    QVERIFY(near(number(sheet, "I" + r), 7.0 / 12)); // (18 - 11) / (6 * 2)
    QVERIFY(near(number(sheet, "J" + r), 1.0 / 6));  // (12 - 11) / (3 * 2)
    // Within: in time order (#3's time does not parse: midnight) 14, 10, 12, MR̄ = 3.
    QVERIFY(near(number(sheet, "L" + r), 1.128379 / 9)); // (12 - 11) / (3 * 3 / d2)
    const int duration = rowOf(sheet, QStringLiteral("Dauer / s"));
    QVERIFY(near(number(sheet, QStringLiteral("C%1").arg(duration)), 0.7 / 3)); // 0.2, 0.4, 0.1 s
    QVERIFY(!sheet.contains(QStringLiteral("I%1").arg(duration)));
    QVERIFY(rowOf(sheet, QStringLiteral("Hinweis: weniger als 30 Messungen, Pp, Ppk, Cp und "
                                        "Cpk sind nur ein Anhalt.")) > 0);

    // The chart's numbers, oldest first: #3 (14), #1 (10), #2 (12); CL 12,
    // UCL 12 + 3 MR̄ / d2 with MR̄ 3; the first point has no moving range.
    const Sheet chart = readSheet(path(), 3);
    QCOMPARE(text(chart, "B5"), QStringLiteral("#3"));
    QCOMPARE(number(chart, "C5"), 14.0);
    QVERIFY(!chart.contains("D5"));
    QCOMPARE(number(chart, "D6"), 4.0);
    QVERIFY(near(number(chart, "E7"), 12.0));
    QVERIFY(near(number(chart, "G7"), 12.0 + 9.0 / 1.128379));

    // One row per measurement: number, maximum force, verdict.
    const int first = rowOf(sheet, QStringLiteral("Messung")) + 1;
    const QStringList verdicts = {QStringLiteral("NIO"), QStringLiteral("IO"),
                                  QStringLiteral("IO")};
    for (int k = 0; k < 3; ++k) {
        const QString row = QString::number(first + k);
        QCOMPARE(number(sheet, "A" + row), double(k + 1));
        QCOMPARE(number(sheet, "D" + row), 10.0 + 2 * k);
        QCOMPARE(text(sheet, "E" + row), verdicts.at(k));
    }
}

// The highest force within the first second (2, 4, 1 N) and the time to
// 3 N, which only #2 reaches (0.2 s): a row and a note each, a column each
// beside the measurements' verdicts.
void TestWorkbookExport::aPlansCharacteristicsBesideTheVerdicts()
{
    auto plan = std::make_shared<TestPlan>();
    plan->characteristics = {Characteristic{}, Characteristic{}};
    plan->characteristics[0].name = QString::fromUtf8("Höchstkraft");
    plan->characteristics[0].kind = CharacteristicKind::WindowMaximum;
    plan->characteristics[0].to = 1.0;
    plan->characteristics[1].name = QStringLiteral("t3");
    plan->characteristics[1].kind = CharacteristicKind::TimeToForce;
    plan->characteristics[1].force = 3.0;
    MeasurementSet set;
    set.plan = plan;
    set.records = {record(1, "01;02;2020", "10;00;00", 10.0f, {1, 2}, 2.0f),
                   record(2, "01;02;2020", "10;01;00", 10.0f, {1, 2, 3, 4}, 4.0f),
                   record(3, "01;02;2020", "10;02;00", 10.0f, {1}, 1.0f)};
    QCOMPARE(writeWorkbook(path(), {set}), 0);
    const Sheet sheet = readSheet(path(), 2);
    const QString row = QString::number(rowOf(sheet, QString::fromUtf8("Höchstkraft / N")));
    QCOMPARE(number(sheet, "B" + row), 3.0);
    QVERIFY(near(number(sheet, "C" + row), 7.0 / 3));
    QVERIFY(rowOf(sheet, QString::fromUtf8("t3 / s: 2 Messungen ohne Wert für t3: nicht auf der "
                                           "Kurve gefunden.")) > 0);
    const int titles = rowOf(sheet, QStringLiteral("Messung"));
    QCOMPARE(text(sheet, QStringLiteral("F%1").arg(titles)), QString::fromUtf8("Höchstkraft / N"));
    QCOMPARE(number(sheet, QStringLiteral("F%1").arg(titles + 2)), 4.0);
    QCOMPARE(text(sheet, QStringLiteral("G%1").arg(titles + 1)), QStringLiteral("nicht gefunden"));
    QCOMPARE(number(sheet, QStringLiteral("A%1").arg(titles + 1)), 1.0); // written row by row
    QVERIFY(near(number(sheet, QStringLiteral("G%1").arg(titles + 2)), 0.2));
}

void TestWorkbookExport::oneSheetPairPerSetWithNamesExcelTakes()
{
    MeasurementSet gauge;
    gauge.label = QStringLiteral("Gauge [1]: a/b*c?");
    gauge.records = {record(1, "01;02;2020", "10;00;00", 10.0f, {1})};
    MeasurementSet same = gauge;
    MeasurementSet empty;
    empty.label = QStringLiteral("Leer");
    MeasurementSet archive = gauge;
    archive.label = QStringLiteral("Archiv mit einem sehr langen Namen für Excel");
    QCOMPARE(writeWorkbook(path(), {gauge, same, empty, archive}), 0);
    QCOMPARE(sheetNames(path()), (QStringList{QStringLiteral("Gauge _1__ a_b_c_"),
                                              QStringLiteral("Statistik Gauge _1__ a_b_c_"),
                                              QStringLiteral("Regelkarte Gauge _1__ a_b_c_"),
                                              QStringLiteral("Gauge _1__ a_b_c_ (2)"),
                                              QStringLiteral("Statistik Gauge _1__ a_b_c_ (2)"),
                                              QStringLiteral("Regelkarte Gauge _1__ a_b_c (2)"),
                                              QStringLiteral("Archiv mit einem sehr langen Na"),
                                              QStringLiteral("Statistik Archiv mit einem sehr"),
                                              QStringLiteral("Regelkarte Archiv mit einem seh")}));
}

void TestWorkbookExport::nothingToWriteOrNoPlaceToWriteIt()
{
    MeasurementSet empty;
    QCOMPARE(writeWorkbook(path(), {empty}), 0);
    QVERIFY(!QFile::exists(path()));
    QVERIFY(m_log->lines().isEmpty());

    MeasurementSet set;
    set.records = {record(1, "01;02;2020", "10;00;00", 10.0f, {1})};
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.xlsx")));
    QCOMPARE(writeWorkbook(path(QStringLiteral("folder.xlsx")), {set}), -1);
    QCOMPARE(m_log->lines().last(),
             "WorkbookExport::write: " + path("folder.xlsx").toUtf8() + " Anzahl Zeilen: 0");
    QCOMPARE(writeWorkbook(path(QStringLiteral("missing/set.xlsx")), {set}), -1);
}

QTEST_GUILESS_MAIN(TestWorkbookExport)
#include "tst_workbookexport.moc"
