#include "measurement/devicedata.h"
#include "measurement/fixednumber.h"
#include "measurement/measurement.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <random>

class TestMeasurement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void forceUnits();
    void forcesInTheShownUnit();
    void fixedNumbersRoundLikeQt();
    void deviceDatesAndTimes();
    void newerThan();
    void sortIsNewestFirstAndStable();
    void findByNumber();
};

namespace {

Measurement *record(int number, const char *date, const char *time)
{
    auto *m = new Measurement(number);
    m->dateText = date;
    m->timeText = time;
    return m;
}

QString fixed(double x, int decimals)
{
    std::string out = "x"; // appends to what is there
    appendFixed(out, x, decimals);
    return QString::fromStdString(out.substr(1));
}

} // namespace

void TestMeasurement::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestMeasurement::forceUnits()
{
    QCOMPARE(forceUnitTextFor(1), QStringLiteral("kg"));
    QCOMPARE(forceUnitFactorFor(1), 0.101972);
    QCOMPARE(forceUnitTextFor(2), QStringLiteral("lbf"));
    QCOMPARE(forceUnitFactorFor(2), 0.224809);
    for (int code : {0, 3, -1}) {
        QCOMPARE(forceUnitTextFor(code), QStringLiteral("N"));
        QCOMPARE(forceUnitFactorFor(code), 1.0);
    }

    DeviceData device;
    QCOMPARE(device.forceUnitText, QStringLiteral("N"));
    device.forceUnit = 2;
    device.updateForceUnit();
    QCOMPARE(device.forceUnitText, QStringLiteral("lbf"));
    QCOMPARE(device.forceUnitFactor, 0.224809);
    device.forceUnit = 7;
    device.updateForceUnit();
    QCOMPARE(device.forceUnitText, QStringLiteral("N"));
    QCOMPARE(device.forceUnitFactor, 1.0);
}

void TestMeasurement::forcesInTheShownUnit()
{
    QCOMPARE(double(100.0f) * forceUnitFactorFor(1), 10.1972);
    QCOMPARE(double(100.0f) * forceUnitFactorFor(2), 22.4809);
    // The point whatever the locale (German is the default here).
    QCOMPARE(formatForce(100.0f, 0.101972), QStringLiteral("10.2"));
    QCOMPARE(formatForce(100.0f, 0.224809, QStringLiteral("lbf")), QStringLiteral("22.5 lbf"));
    QCOMPARE(formatForce(1234.56f, 1.0, QStringLiteral("N")), QStringLiteral("1234.6 N"));
    // The float is widened before multiplying: 0.1f is 0.100000001490116...
    QCOMPARE(formatForce(0.15f, 1.0), QStringLiteral("0.2"));
    QCOMPARE(formatForce(-2.25f, 1.0), QStringLiteral("-2.3"));
}

void TestMeasurement::fixedNumbersRoundLikeQt()
{
    const double special[] = {0.0,     -0.0,     0.25,
                              0.75,    -0.25,    1.25,
                              9.95,    99.95,    0.05,
                              0.15,    2.5,      -2.5,
                              0.0005,  0.0625,   9.9999,
                              -9.9999, 999.9996, 1e15 + 0.25,
                              1e300,   -1e-300,  std::numeric_limits<double>::infinity()};
    for (double x : special) {
        for (int decimals : {1, 3})
            QCOMPARE(fixed(x, decimals), QString::number(x, 'f', decimals));
    }

    // Samples as the device sends them, times the unit factors; and sums of
    // time steps.
    std::mt19937 random(4711);
    std::uniform_real_distribution<float> force(-5000.0f, 5000.0f);
    std::uniform_int_distribution<int> quarter(-40000, 40000);
    for (int i = 0; i < 20000; ++i) {
        const double sample = double(force(random));
        const double exactQuarter = quarter(random) / 4.0;
        for (double factor : {1.0, 0.101972, 0.224809}) {
            QCOMPARE(fixed(sample * factor, 1), QString::number(sample * factor, 'f', 1));
            QCOMPARE(fixed(exactQuarter * factor, 1),
                     QString::number(exactQuarter * factor, 'f', 1));
        }
        QCOMPARE(fixed(sample / 1000.0, 3), QString::number(sample / 1000.0, 'f', 3));
    }

    // Right at and beside the halves, where scaling by a power of ten could
    // round the wrong way; small negatives that round to zero; both sides of
    // the size where the integer shortcut stops.
    for (int k = -3000; k <= 3000; ++k) {
        for (int decimals : {1, 3}) {
            const double half = (2 * k + 1) / (2 * std::pow(10.0, decimals));
            for (double x : {std::nextafter(half, -1e300), half, std::nextafter(half, 1e300)})
                QCOMPARE(fixed(x, decimals), QString::number(x, 'f', decimals));
        }
    }
    for (double x : {-0.04, -0.0004, -0.00049, 0.45, double(123.45f), 99999999999999.95,
                     99999999999999.9, 999999999999.9996, 1e14 + 0.45}) {
        for (int decimals : {0, 1, 3})
            QCOMPARE(fixed(x, decimals), QString::number(x, 'f', decimals));
    }
}

void TestMeasurement::deviceDatesAndTimes()
{
    QCOMPARE(measurementDate("24;01;2017"), QDate(2017, 1, 24));
    QCOMPARE(measurementTime("16;11;58"), QTime(16, 11, 58));
    QVERIFY(!measurementDate("24.01.2017").isValid());
    QVERIFY(!measurementTime("16:11:58").isValid());
    QVERIFY(!measurementDate("31;02;2017").isValid());

    QCOMPARE(formatMeasurementDate("24;01;2017"), QStringLiteral("24.01.17"));
    QCOMPARE(formatMeasurementTime("16;11;58"), QStringLiteral("16:11"));
    QCOMPARE(formatMeasurementDate("24.01.2017"), QString());
    QCOMPARE(formatMeasurementTime(""), QString());

    QLocale::setDefault(QLocale::c());
    QCOMPARE(formatMeasurementDate("24;01;2017"), QStringLiteral("24 Jan 2017"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Measurement m(1);
    m.dateText = "24;01;2017";
    m.timeText = "16;11;58";
    QCOMPARE(measurementDateTime(m), QDateTime(QDate(2017, 1, 24), QTime(16, 11, 58)));
    m.dateText = "24.01.2017";
    QVERIFY(!measurementDateTime(m).isValid());
}

void TestMeasurement::newerThan()
{
    QScopedPointer<Measurement> older(record(1, "24;01;2017", "16;11;58"));
    QScopedPointer<Measurement> newer(record(2, "24;01;2017", "16;11;59"));
    QScopedPointer<Measurement> same(record(3, "24;01;2017", "16;11;59"));
    QScopedPointer<Measurement> broken(record(4, "24.01.2017", "16;11;59"));
    QVERIFY(isNewerThan(newer.data(), older.data()));
    QVERIFY(!isNewerThan(older.data(), newer.data()));
    QVERIFY(!isNewerThan(newer.data(), same.data()));
    QVERIFY(!isNewerThan(same.data(), newer.data()));
    QVERIFY(isNewerThan(older.data(), broken.data()));
    QVERIFY(!isNewerThan(broken.data(), older.data()));
    QVERIFY(!isNewerThan(nullptr, older.data()));
    QVERIFY(!isNewerThan(older.data(), nullptr));
}

void TestMeasurement::sortIsNewestFirstAndStable()
{
    DeviceData device; // owns and deletes the records
    device.records = {record(1, "01;03;2017", "10;00;00"), record(2, "05;03;2017", "08;00;00"),
                      record(3, "xx", "10;00;00"),         record(4, "01;03;2017", "10;00;00"),
                      record(5, "31;12;2016", "23;59;59"), record(6, "05;03;2017", "08;00;00"),
                      record(7, "01;03;2017", "10;00;00"), record(8, "", "")};
    sortNewestFirst(device.records);
    QList<int> order;
    for (const Measurement *m : device.records)
        order.append(m->number);
    QCOMPARE(order, QList<int>({2, 6, 1, 4, 7, 5, 3, 8}));
}

void TestMeasurement::findByNumber()
{
    DeviceData device;
    device.records = {record(3, "", ""), record(9, "", ""), record(12, "", "")};
    QCOMPARE(findMeasurement(device.records, 9), device.records.at(1));
    QCOMPARE(findMeasurement(device.records, 4), nullptr);
    QCOMPARE(findMeasurement(device.records, 0), nullptr);
    device.clear();
    QVERIFY(device.records.isEmpty());
}

QTEST_GUILESS_MAIN(TestMeasurement)
#include "tst_measurement.moc"
