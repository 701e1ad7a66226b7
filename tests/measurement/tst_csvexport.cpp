#include "logcapture.h"
#include "measurement/dblist.h"

#include <QTest>
#include <QTranslator>
#include <cmath>
#include <memory>
#include <vector>

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void twoRecordsWithSeparatorHeader();
    void withoutSeparatorHeaderStartsWithTheDeviceRow();
    void zeroRateCountsSecondsAndMissingSamplesAreEmpty();
    void differentRatesGiveEachItsOwnTimeColumn();
    void existingFileIsReplacedWhole();
    void recordsWithoutSamplesGiveOnlyTheHeader();
    void textsBeyondLatin1BecomeQuestionMarks();
    void titlesComeFromTheTranslation();
    void emptyListWritesNothing();
    void directoryInPlaceOfTheFileFails();
    void failedWriteFails();
    void nameBeyondLatin1IsUsedAsGiven();
    void largeTablesCrossTheOutputBufferUnchanged();
    void sampleRowsAreBoundedByTheLongestAnswer();

private:
    Measurement *record(int number, const char *date, const char *time, float rate,
                        QList<float> forces);
    QString csvPath(const QString &name = QStringLiteral("export.csv")) const;
    static QByteArray readAll(const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<Measurement>> m_records;
    std::unique_ptr<LogCapture> m_log;
};

namespace {

// The ten header rows of a table with `recordCount` record columns, each
// record given by number, date, time; serial number and unit as given.
QByteArray headerRows(const QByteArray &serial, const QByteArray &unit,
                      const QList<QByteArray> &numbers, const QList<QByteArray> &dates,
                      const QList<QByteArray> &times)
{
    const int n = numbers.size();
    const QByteArray empties = QByteArray(",\"\"").repeated(n);
    QByteArray rows = "\"Tensimo Parl\"" + empties + "\r\n";
    rows += "\"\"" + empties + "\r\n";
    rows += "\"Seriennummer Ger\xe4t:\",\"" + serial + "\"" + QByteArray(",\"\"").repeated(n - 1) +
            "\r\n";
    rows += "\"\"" + empties + "\r\n";
    rows += "\"\"" + empties + "\r\n";
    const auto recordRow = [](const QByteArray &title, const QList<QByteArray> &cells) {
        QByteArray row = "\"" + title + "\"";
        for (const QByteArray &cell : cells)
            row += ",\"" + cell + "\"";
        return row + "\r\n";
    };
    rows += recordRow("Messung-Nr:", numbers);
    rows += recordRow("Datum:", dates);
    rows += recordRow("Zeit:", times);
    rows += "\"\"" + empties + "\r\n";
    QList<QByteArray> forceTitles;
    for (int i = 0; i < n; ++i)
        forceTitles.append("Kraft / " + unit);
    rows += recordRow("Zeit / s", forceTitles);
    return rows;
}

// A translation that answers only in the context the export must use.
class EnglishTitles : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        const QString source = QString::fromUtf8(sourceText);
        if (source == QStringLiteral("Seriennummer Gerät:"))
            return QStringLiteral("Device serial number:");
        if (source == QStringLiteral("Messung-Nr:"))
            return QStringLiteral("Measurement no.:");
        if (source == QStringLiteral("Datum:"))
            return QStringLiteral("Date:");
        if (source == QStringLiteral("Zeit:"))
            return QStringLiteral("Time:");
        if (source == QStringLiteral("Zeit"))
            return QStringLiteral("Time");
        if (source == QStringLiteral("Kraft"))
            return QStringLiteral("Force");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void TestCsvExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestCsvExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_log = std::make_unique<LogCapture>();
}

void TestCsvExport::cleanup()
{
    m_log.reset();
    m_records.clear();
    m_dir.reset();
}

Measurement *TestCsvExport::record(int number, const char *date, const char *time, float rate,
                                   QList<float> forces)
{
    m_records.push_back(std::make_unique<Measurement>(number));
    Measurement *m = m_records.back().get();
    m->dateText = date;
    m->timeText = time;
    m->sampleRate = rate;
    m->sampleCount = uint32_t(forces.size());
    m->forces = std::move(forces);
    return m;
}

QString TestCsvExport::csvPath(const QString &name) const
{
    return m_dir->path() + QLatin1Char('/') + name;
}

QByteArray TestCsvExport::readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestCsvExport::twoRecordsWithSeparatorHeader()
{
    // 1.25 lies halfway: rounded away from zero, as everywhere else shown.
    Measurement *seven = record(7, "24;01;2017", "16;11;58", 100.0f, {1.25f, 2.0f, -0.5f});
    Measurement *three = record(3, "03;02;2018", "08;05;09", 100.0f, {10.0f, 12.34f});
    const DbList table({seven, three}, QStringLiteral("TP-0815"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), true), 0);
    const QByteArray expected =
        "sep=,\r\n" +
        headerRows("TP-0815", "N", {"7", "3"}, {"24.01.17", "03.02.18"}, {"16:11", "08:05"}) +
        "\"0.000\",\"1.3\",\"10.0\"\r\n"
        "\"0.010\",\"2.0\",\"12.3\"\r\n"
        "\"0.020\",\"-0.5\",\"\"\r\n";
    QCOMPARE(readAll(csvPath()), expected);
    QCOMPARE(m_log->lines(), QList<QByteArray>{"DbList::exportListCSV: " + csvPath().toUtf8() +
                                               " Anzahl Zeilen: 3"});
}

void TestCsvExport::withoutSeparatorHeaderStartsWithTheDeviceRow()
{
    Measurement *m = record(12, "01;12;2019", "23;59;00", 2.0f, {100.0f, 10.0f});
    const DbList table({m}, QStringLiteral("A1"), QStringLiteral("lbf"), 0.224809);

    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    const QByteArray expected = headerRows("A1", "lbf", {"12"}, {"01.12.19"}, {"23:59"}) +
                                "\"0.000\",\"22.5\"\r\n"
                                "\"0.500\",\"2.2\"\r\n";
    QCOMPARE(readAll(csvPath()), expected);
}

void TestCsvExport::zeroRateCountsSecondsAndMissingSamplesAreEmpty()
{
    // A sample that is no number leaves its cell empty.
    Measurement *first = record(1, "01;01;2020", "00;00;00", 0.0f, {1.0f, std::nanf("")});
    first->sampleCount = 5; // the device reports more samples than it sent
    Measurement *second = record(2, "01;01;2020", "00;00;01", 0.0f, {3.0f, 4.0f, 5.0f, 6.0f});
    second->sampleCount = 3; // and fewer than it sent
    const DbList table({first, second}, QStringLiteral("X"), QStringLiteral("kg"), 0.101972);

    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    const QByteArray expected =
        headerRows("X", "kg", {"1", "2"}, {"01.01.20", "01.01.20"}, {"00:00", "00:00"}) +
        "\"0.000\",\"0.1\",\"0.3\"\r\n"
        "\"1.000\",\"\",\"0.4\"\r\n"
        "\"2.000\",\"\",\"0.5\"\r\n"
        "\"3.000\",\"\",\"\"\r\n"
        "\"4.000\",\"\",\"\"\r\n";
    QCOMPARE(readAll(csvPath()), expected);
    QCOMPARE(m_log->lines().size(), 1);
    QVERIFY(m_log->lines().first().endsWith(" Anzahl Zeilen: 5"));
}

void TestCsvExport::differentRatesGiveEachItsOwnTimeColumn()
{
    Measurement *slow = record(4, "10;10;2021", "12;00;00", 4.0f, {1.0f, 5.0f});
    Measurement *fast = record(5, "10;10;2021", "12;01;00", 1000.0f, {1.0f, 2.0f, 3.0f});
    const DbList table({slow, fast}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    QCOMPARE(readAll(csvPath()),
             QByteArray("\"Tensimo Parl\",\"\",\"\",\"\"\r\n"
                        "\"\",\"\",\"\",\"\"\r\n"
                        "\"Seriennummer Ger\xe4t:\",\"X\",\"\",\"\"\r\n"
                        "\"\",\"\",\"\",\"\"\r\n"
                        "\"\",\"\",\"\",\"\"\r\n"
                        "\"Messung-Nr:\",\"4\",\"\",\"5\"\r\n"
                        "\"Datum:\",\"10.10.21\",\"\",\"10.10.21\"\r\n"
                        "\"Zeit:\",\"12:00\",\"\",\"12:01\"\r\n"
                        "\"\",\"\",\"\",\"\"\r\n"
                        "\"Zeit / s\",\"Kraft / N\",\"Zeit / s\",\"Kraft / N\"\r\n"
                        "\"0.000\",\"1.0\",\"0.000\",\"1.0\"\r\n"
                        "\"0.250\",\"5.0\",\"0.001\",\"2.0\"\r\n"
                        "\"\",\"\",\"0.002\",\"3.0\"\r\n"));
}

void TestCsvExport::existingFileIsReplacedWhole()
{
    QFile old(csvPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    Measurement *m = record(1, "01;01;2020", "00;00;00", 1.0f, {1.0f});
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), true), 0);
    QVERIFY(readAll(csvPath()).endsWith("\"Zeit / s\",\"Kraft / N\"\r\n\"0.000\",\"1.0\"\r\n"));
    QVERIFY(!readAll(csvPath()).contains('x'));
}

void TestCsvExport::recordsWithoutSamplesGiveOnlyTheHeader()
{
    Measurement *m = record(2, "01;01;2020", "00;00;00", 100.0f, {});
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    QCOMPARE(readAll(csvPath()), headerRows("X", "N", {"2"}, {"01.01.20"}, {"00:00"}));
    QCOMPARE(m_log->lines(), QList<QByteArray>{"DbList::exportListCSV: " + csvPath().toUtf8() +
                                               " Anzahl Zeilen: 0"});
}

void TestCsvExport::textsBeyondLatin1BecomeQuestionMarks()
{
    Measurement *m = record(1, "bad", "bad", 1.0f, {});
    // Omega, then a character beyond the basic plane: one "?" each.
    const DbList table({m}, QString::fromUtf8("S\xc3\xbc-\xce\xa9-\xf0\x9f\x98\x80!"),
                       QString::fromUtf8("\xc2\xb5N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    const QByteArray csv = readAll(csvPath());
    QVERIFY(csv.contains("\"Seriennummer Ger\xe4t:\",\"S\xfc-?-?!\"\r\n"));
    QVERIFY(csv.contains("\"Datum:\",\"\"\r\n\"Zeit:\",\"\"\r\n"));
    QVERIFY(csv.endsWith("\"Zeit / s\",\"Kraft / \xb5N\"\r\n"));
}

void TestCsvExport::titlesComeFromTheTranslation()
{
    EnglishTitles english;
    QVERIFY(QCoreApplication::installTranslator(&english));
    Measurement *m = record(1, "01;01;2020", "00;00;00", 1.0f, {});
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);
    const int result = table.exportListCSV(csvPath(), false);
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(result, 0);
    QCOMPARE(readAll(csvPath()), QByteArray("\"Tensimo Parl\",\"\"\r\n"
                                            "\"\",\"\"\r\n"
                                            "\"Device serial number:\",\"X\"\r\n"
                                            "\"\",\"\"\r\n"
                                            "\"\",\"\"\r\n"
                                            "\"Measurement no.:\",\"1\"\r\n"
                                            "\"Date:\",\"01.01.20\"\r\n"
                                            "\"Time:\",\"00:00\"\r\n"
                                            "\"\",\"\"\r\n"
                                            "\"Time / s\",\"Force / N\"\r\n"));
}

void TestCsvExport::emptyListWritesNothing()
{
    const DbList table({}, QStringLiteral("X"), QStringLiteral("N"), 1.0);
    QCOMPARE(table.exportListCSV(csvPath(), true), 0);
    QVERIFY(!QFileInfo::exists(csvPath()));
    QVERIFY(m_log->lines().isEmpty());
}

void TestCsvExport::directoryInPlaceOfTheFileFails()
{
    QVERIFY(QDir().mkpath(csvPath()));
    Measurement *m = record(1, "01;01;2020", "00;00;00", 1.0f, {1.0f, 2.0f});
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(), true), -1);
    QCOMPARE(m_log->lines(), QList<QByteArray>{"DbList::exportListCSV: " + csvPath().toUtf8() +
                                               " Anzahl Zeilen: 0"});
    QVERIFY(QFileInfo(csvPath()).isDir());
}

void TestCsvExport::failedWriteFails()
{
    // Opens fine, but every write runs out of space.
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo::exists(full))
        QSKIP("no /dev/full here");
    Measurement *m = record(1, "01;01;2020", "00;00;00", 1.0f, QVector<float>(5000, 1.0f).toList());
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(full, true), -1);
    QCOMPARE(m_log->lines(),
             QList<QByteArray>{"DbList::exportListCSV: /dev/full Anzahl Zeilen: 0"});
}

void TestCsvExport::nameBeyondLatin1IsUsedAsGiven()
{
    const QString name = QString::fromUtf8("Messung \xce\xa9 \xe2\x82\xac \xe6\xb8\xac.csv");
    Measurement *m = record(1, "01;01;2020", "00;00;00", 1.0f, {1.0f});
    const DbList table({m}, QStringLiteral("X"), QStringLiteral("N"), 1.0);

    QCOMPARE(table.exportListCSV(csvPath(name), false), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{name});
    QVERIFY(readAll(csvPath(name)).endsWith("\"0.000\",\"1.0\"\r\n"));
    QCOMPARE(m_log->lines(), QList<QByteArray>{"DbList::exportListCSV: " + csvPath(name).toUtf8() +
                                               " Anzahl Zeilen: 1"});
}

void TestCsvExport::largeTablesCrossTheOutputBufferUnchanged()
{
    // Every cell written independently of the export's formatter; the file
    // is many times the output buffer, a serial number longer than it fills
    // one cell, and 300 columns make one row longer than it. Forces come with
    // three decimals, as the gauge sends them, some negative, some huge.
    QList<const Measurement *> list;
    for (int number = 1; number <= 300; ++number) {
        QList<float> forces;
        const int count = number == 1 ? 9000 : number % 7;
        for (int j = 0; j < count; ++j) {
            const int thousandths = (j * 7919 + number * 104729) % 2000003 - 1000001;
            forces.append(j % 997 == 5 ? 3.0e12f : float(thousandths) / 1000.0f);
        }
        list.append(record(number, "01;01;2020", "00;00;00", 250.0f, forces));
    }
    const QString serial(100000, QLatin1Char('S'));
    const double factor = 0.224809;
    const DbList table(list, serial, QStringLiteral("lbf"), factor);

    QCOMPARE(table.exportListCSV(csvPath(), true), 0);
    QByteArray expected;
    double t = 0.0;
    for (int j = 0; j < 9000; ++j, t += 1.0 / 250.0) {
        expected += '"' + QString::number(t, 'f', 3).toLatin1() + '"';
        for (const Measurement *m : list) {
            expected += ",\"";
            if (j < m->forces.size())
                expected += QString::number(double(m->forces.at(j)) * factor, 'f', 1).toLatin1();
            expected += '"';
        }
        expected += "\r\n";
    }
    const QByteArray csv = readAll(csvPath());
    QVERIFY(csv.size() > 3 * 1024 * 1024);
    QVERIFY(csv.contains("\"Seriennummer Ger\xe4t:\",\"" + serial.toLatin1() + "\","));
    const QByteArray titles =
        "\"Zeit / s\"" + QByteArray(",\"Kraft / lbf\"").repeated(300) + "\r\n";
    QVERIFY(csv.contains(titles));
    QCOMPARE(csv.mid(csv.indexOf(titles) + titles.size()), expected);
    QVERIFY(m_log->lines().first().endsWith(" Anzahl Zeilen: 9000"));
}

void TestCsvExport::sampleRowsAreBoundedByTheLongestAnswer()
{
    // A damaged count (or -1 read as unsigned) would ask for 4.3 billion
    // rows; no answer line can carry more than half its length in samples.
    const quint32 bound = kMostSamplesPerMeasurement;
    Measurement *damaged = record(1, "01;01;2020", "00;00;00", 10.0f, {1.0f, 2.0f, 3.0f});
    Measurement *other = record(2, "01;01;2020", "00;00;00", 10.0f, {1.0f});
    QCOMPARE(DbList({damaged, other}, "X", "N", 1.0).sampleRowCount(), 3u);
    for (quint32 count : {0xffffffffu, bound + 1, bound}) {
        damaged->sampleCount = count;
        QCOMPARE(DbList({other, damaged}, "X", "N", 1.0).sampleRowCount(), bound);
    }
    damaged->sampleCount = bound - 1;
    QCOMPARE(DbList({damaged, other}, "X", "N", 1.0).sampleRowCount(), bound - 1);
    damaged->sampleCount = 0;
    other->sampleCount = 0;
    QCOMPARE(DbList({damaged, other}, "X", "N", 1.0).sampleRowCount(), 0u);

    // Below the bound a count beyond the held samples still gives its rows.
    other->sampleCount = 40000;
    const DbList table({other, damaged}, QStringLiteral("X"), QStringLiteral("N"), 1.0);
    QCOMPARE(table.exportListCSV(csvPath(), false), 0);
    const QList<QByteArray> lines = readAll(csvPath()).split('\n');
    QCOMPARE(lines.size(), 10 + 40000 + 1);
    QCOMPARE(lines.at(10), QByteArray("\"0.000\",\"1.0\",\"\"\r"));
    QCOMPARE(lines.at(10 + 39999), QByteArray("\"3999.900\",\"\",\"\"\r"));
    QVERIFY(m_log->lines().first().endsWith(" Anzahl Zeilen: 40000"));
}

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
