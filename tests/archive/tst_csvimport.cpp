#include "base/log.h"
#include "archive/csvimport.h"
#include "archive/measurementarchive.h"
#include "measurement/measurementset.h"
#include "archivesamples.h"
#include "measurement/dblist.h"
#include "measurement/devicedata.h"

#include <QTest>

class TestCsvImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exportsComeBackAsShown_data();
    void exportsComeBackAsShown();
    void exportOfArchivedMeasurementsAddsNothing();
    void filesThatAreNoExport_data();
    void filesThatAreNoExport();
    void everyMeasurementIsCountedOnce_data();
    void everyMeasurementIsCountedOnce();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Forces as the gauge sends them: three decimals, some negative.
    static std::unique_ptr<Measurement> gaugeRecord(int slot, const char *date, const char *time,
                                                    int count, float rate);

    std::unique_ptr<QTemporaryDir> m_dir;
    LogSink m_oldSink;
};

void TestCsvImport::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldSink = setLogSink([](const QByteArray &) {});
}

void TestCsvImport::cleanup()
{
    setLogSink(m_oldSink);
    m_dir.reset();
}

std::unique_ptr<Measurement> TestCsvImport::gaugeRecord(int slot, const char *date,
                                                        const char *time, int count, float rate)
{
    auto m = std::make_unique<Measurement>(slot);
    m->dateText = date;
    m->timeText = time;
    m->sampleRate = rate;
    for (int j = 0; j < count; ++j)
        m->forces.append(float((j * 7919 + slot * 104729) % 200003 - 50000) / 1000.0f);
    m->sampleCount = uint32_t(count);
    m->forceStart = m->forces.first();
    m->forceEnd = m->forces.last();
    m->forceMax = *std::max_element(m->forces.begin(), m->forces.end());
    m->forceAvg = 1.0f;
    return m;
}

void TestCsvImport::exportsComeBackAsShown_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("forceUnit");
    QTest::addColumn<bool>("sepHeader");
    QTest::addColumn<QList<float>>("rates");
    const QList<float> same{300.0f, 300.0f, 300.0f};
    QTest::newRow("one measurement, N, separator line") << 1 << 0 << true << same;
    QTest::newRow("all of three, lbf") << 3 << 2 << false << same;
    QTest::newRow("all of two, kg, separator line") << 2 << 1 << true << same;
    QTest::newRow("three rates, N") << 3 << 0 << false << QList<float>{300.0f, 1000.0f, 50.0f};
}

void TestCsvImport::exportsComeBackAsShown()
{
    QFETCH(int, records);
    QFETCH(int, forceUnit);
    QFETCH(bool, sepHeader);
    QFETCH(QList<float>, rates);
    std::vector<std::unique_ptr<Measurement>> list;
    list.push_back(gaugeRecord(7, "24;01;2017", "16;11;58", 300, rates.at(0)));
    list.push_back(gaugeRecord(3, "03;02;2018", "08;05;09", 120, rates.at(1)));
    list.push_back(gaugeRecord(12, "31;12;2019", "23;59;59", 5, rates.at(2)));
    list.resize(size_t(records));
    const double factor = forceUnitFactorFor(forceUnit);
    const DbList table(constRecords(pointers(list)), "SN-42", forceUnitTextFor(forceUnit), factor);
    QCOMPARE(table.exportListCSV(path("export.csv"), sepHeader), 0);

    MeasurementArchive archive;
    QVERIFY(archive.open(path("archive.sqlite")).ok());
    CsvImportReport report = importExportFile(archive, path("export.csv"));
    QVERIFY(report.ok());
    QCOMPARE(report.found, records);
    QCOMPARE(report.added, records);

    const QList<ArchiveEntry> entries = archive.entries();
    QCOMPARE(entries.size(), records);
    for (const auto &sent : list) {
        const QByteArray minute = sent->timeText.left(5);
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const ArchiveEntry &e) {
            return e.dateText == sent->dateText && e.timeText == minute + ";00";
        });
        QVERIFY(entry != entries.end());
        const auto back = archive.load(entry->id);
        QVERIFY(back.has_value());
        QCOMPARE(back->device.serialNr, QByteArray("SN-42"));
        QCOMPARE(back->device.forceUnit, forceUnit);
        QCOMPARE(back->measurement.number, sent->number);
        QCOMPARE(back->measurement.sampleCount, sent->sampleCount);
        QCOMPARE(back->measurement.sampleRate, sent->sampleRate);
        QCOMPARE(back->source, QStringLiteral("CSV: export.csv"));
        for (int j = 0; j < sent->forces.size(); ++j)
            QCOMPARE(formatForce(back->measurement.forces.at(j), factor),
                     formatForce(sent->forces.at(j), factor));
        QCOMPARE(back->measurement.forceStart, back->measurement.forces.first());
        QCOMPARE(back->measurement.forceEnd, back->measurement.forces.last());
    }

    // The same file again adds nothing.
    report = importExportFile(archive, path("export.csv"));
    QVERIFY(report.ok());
    QCOMPARE(report.added, 0);
    QCOMPARE(report.alreadyKept, records);
    QCOMPARE(archive.count(), records);
}

void TestCsvImport::exportOfArchivedMeasurementsAddsNothing()
{
    std::vector<std::unique_ptr<Measurement>> list;
    list.push_back(gaugeRecord(1, "05;06;2024", "10;20;30", 1000, 1000.0f));
    list.push_back(gaugeRecord(2, "05;06;2024", "10;20;45", 1000, 1000.0f));
    MeasurementArchive archive;
    QVERIFY(archive.open(path("archive.sqlite")).ok());
    QVERIFY(
        archive.storeTransfer({"SN-9", "1.0", 2}, pointers(list), QDateTime::currentDateTimeUtc())
            .ok());
    const DbList table(constRecords(pointers(list)), "SN-9", "lbf", forceUnitFactorFor(2));
    QCOMPARE(table.exportListCSV(path("all.csv"), true), 0);

    const CsvImportReport report = importExportFile(archive, path("all.csv"));
    QVERIFY(report.ok());
    QCOMPARE(report.added, 0);
    QCOMPARE(report.alreadyKept, 2);
    QCOMPARE(archive.count(), 2);
}

void TestCsvImport::filesThatAreNoExport_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("problem");
    QTest::newRow("missing file") << QByteArray() << int(CsvImportProblem::NotReadable);
    QTest::newRow("another CSV") << QByteArray("a,b,c\r\n1,2,3\r\n")
                                 << int(CsvImportProblem::NotAnExport);
    const QByteArray header =
        "\"Tensimo Parl\",\"\"\r\n\"\",\"\"\r\n\"Seriennummer Ger\xe4t:\",\"X\"\r\n"
        "\"\",\"\"\r\n\"\",\"\"\r\n\"Messung-Nr:\",\"1\"\r\n"
        "\"Datum:\",\"01.01.20\"\r\n\"Zeit:\",\"00:00\"\r\n\"\",\"\"\r\n";
    QTest::newRow("unknown unit") << header + "\"Zeit / s\",\"Kraft / oz\"\r\n\"0.000\",\"1.0\"\r\n"
                                  << int(CsvImportProblem::UnknownUnit);
    QTest::newRow("no samples") << header + "\"Zeit / s\",\"Kraft / N\"\r\n"
                                << int(CsvImportProblem::NoMeasurements);
    QTest::newRow("number not a number")
        << QByteArray(header).replace("\"Messung-Nr:\",\"1\"", "\"Messung-Nr:\",\"x\"") +
               "\"Zeit / s\",\"Kraft / N\"\r\n\"0.000\",\"1.0\"\r\n"
        << int(CsvImportProblem::NotAnExport);
}

void TestCsvImport::filesThatAreNoExport()
{
    QFETCH(QByteArray, content);
    QFETCH(int, problem);
    if (!content.isNull()) {
        QFile file(path("in.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    MeasurementArchive archive;
    QVERIFY(archive.open(path("archive.sqlite")).ok());
    const CsvImportReport report = importExportFile(archive, path("in.csv"));
    QCOMPARE(int(report.problem), problem);
    QCOMPARE(archive.count(), 0);
}

// Three measurements, numbered as given, taken a minute apart; the reader
// takes LF line ends as well.
static QByteArray threeMeasurementFile(const QByteArray &serial, const QByteArray &numbers,
                                       const QByteArray &sampleRows)
{
    return QByteArray(R"("Tensimo Parl","","",""
"","","",""
"Seriennummer:","SERIAL","",""
"","","",""
"","","",""
"Messung-Nr:",NUMBERS
"Datum:","01.01.20","01.01.20","01.01.20"
"Zeit:","00:00","00:01","00:02"
"","","",""
"Zeit / s","Kraft / N","Kraft / N","Kraft / N"
)")
               .replace("SERIAL", serial)
               .replace("NUMBERS", numbers) +
           sampleRows;
}

void TestCsvImport::everyMeasurementIsCountedOnce_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("refusedNumbers");
    QTest::addColumn<int>("reason");
    const QByteArray numbers = R"("1","2","3")";
    const QByteArray full =
        "\"0.000\",\"1.0\",\"2.0\",\"3.0\"\n\"0.100\",\"2.0\",\"3.0\",\"4.0\"\n";
    QTest::newRow("two without samples")
        << threeMeasurementFile("S", numbers,
                                "\"0.000\",\"1.0\",\"\",\"\"\n\"0.100\",\"2.0\",\"\",\"\"\n")
        << QList<int>{2, 3} << int(CsvRefusal::NoSamples);
    QTest::newRow("NaN and overflow")
        << threeMeasurementFile("S", numbers,
                                QByteArray(full).replace("\"3.0\",\"4.0\"", "\"nan\",\"1e999\""))
        << QList<int>{2, 3} << int(CsvRefusal::ForceNotFinite);
    QTest::newRow("negative number") << threeMeasurementFile("S", R"("1","-2","3")", full)
                                     << QList<int>{-2} << int(CsvRefusal::NegativeNumber);
    QTest::newRow("times stand still: 0 Hz")
        << threeMeasurementFile("S", numbers, QByteArray(full).replace("0.100", "0.000"))
        << QList<int>{1, 2, 3} << int(CsvRefusal::NoRate);
    QTest::newRow("serial number with NUL")
        << threeMeasurementFile(QByteArray("A\0B", 3), numbers, full) << QList<int>{1, 2, 3}
        << int(CsvRefusal::SerialNumberWithNul);
}

// Each measurement of the file is added, already kept or refused with its
// reason; nothing refused reaches the archive.
void TestCsvImport::everyMeasurementIsCountedOnce()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, refusedNumbers);
    QFETCH(int, reason);
    QFile file(path("in.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    MeasurementArchive archive;
    QVERIFY(archive.open(path("archive.sqlite")).ok());
    const CsvImportReport report = importExportFile(archive, path("in.csv"));
    QList<int> numbers;
    for (const RefusedMeasurement &refused : report.refused) {
        numbers << refused.number;
        QCOMPARE(int(refused.reason), reason);
    }
    QCOMPARE(numbers, refusedNumbers);
    QCOMPARE(report.found, 3);
    QCOMPARE(report.added, 3 - refusedNumbers.size());
    QCOMPARE(report.alreadyKept, 0);
    QCOMPARE(archive.count(), report.added);
}

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
