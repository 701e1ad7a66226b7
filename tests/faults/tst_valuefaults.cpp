// Odd values from the gauge under the real window: counts out of range or
// not numbers, empty values, sample lists with empty pieces. The tree, the
// value labels and the plot show what the conversion rules make of them.
#include "windowharness.h"

#include "measurement/measurement.h"
#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <qwt_plot_curve.h>

#include <memory>

class TestValueFaults : public QObject
{
    Q_OBJECT

private slots:
    void oddValues_data();
    void oddValues();
};

void TestValueFaults::oddValues_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<qint64>("sampleCount");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("lastTime");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelText");

    // The gauge's slot 3 holds 1;100;50;3 at 10 per second: start 1, end 3,
    // maximum 100, mean 38.5 newtons. Only the sample count's second read
    // decides the count; the first one only whether the slot is filled.
    QTest::newRow("count 4294967295")
        << "3:dMsCt=4294967295" << true << 4294967295LL << 4 << 0.3 << "labelForceMax"
        << "100.0 N";
    // The unsigned reading negates modulo 2^32.
    QTest::newRow("count -1") << "3:dMsCt=-1" << true << 4294967295LL << 4 << 0.3 << "labelForceMax"
                              << "100.0 N";
    QTest::newRow("count not a number") << "3:dMsCt=abc" << false << 0LL << 0 << 0.0 << ""
                                        << "";
    QTest::newRow("count empty") << "3:dMsCt=" << false << 0LL << 0 << 0.0 << ""
                                 << "";
    // A rate that is not a number is 0: one second per sample.
    QTest::newRow("rate not a number")
        << "3:dMsSR=abc" << true << 4LL << 4 << 3.0 << "labelForceMax"
        << "100.0 N";
    QTest::newRow("maximum empty") << "3:dMsFX=" << true << 4LL << 4 << 0.3 << "labelForceMax"
                                   << "0.0 N";
    QTest::newRow("mean with exponent")
        << "3:dMsFA=1e3" << true << 4LL << 4 << 0.3 << "labelForceAvg"
        << "1000.0 N";
    QTest::newRow("start with trailing letters")
        << "3:dMsFS=-5.5x" << true << 4LL << 4 << 0.3 << "labelForceStart"
        << "-5.5 N";
    QTest::newRow("end with a comma")
        << "3:dMsFP=12,5" << true << 4LL << 4 << 0.3 << "labelForceEnd"
        << "12.0 N";
    // An empty piece is a sample of 0; the count stays what the gauge said.
    QTest::newRow("samples with an empty piece")
        << "3:dMsFc=1;;2" << true << 4LL << 3 << 0.2 << "labelForceMax"
        << "100.0 N";
    QTest::newRow("no samples") << "3:dMsFc=" << true << 4LL << 0 << 0.0 << "labelForceMax"
                                << "100.0 N";
    QTest::newRow("unit with trailing letters")
        << "sFcUn=2lbf" << true << 4LL << 4 << 0.3 << "labelForceMax"
        << "22.5 lbf";
    QTest::newRow("unit not a number") << "sFcUn=kg" << true << 4LL << 4 << 0.3 << "labelForceMax"
                                       << "100.0 N";
    QTest::newRow("date not a date")
        << "3:dMsDt=31;02;2018" << true << 4LL << 4 << 0.3 << "labelMeasDate"
        << "";
}

void TestValueFaults::oddValues()
{
    QFETCH(QString, answer);
    QFETCH(bool, listed);
    QFETCH(qint64, sampleCount);
    QFETCH(int, points);
    QFETCH(double, lastTime);
    QFETCH(QString, label);
    QFETCH(QString, labelText);

    WindowHarness harness;
    QVERIFY(harness.setUp());
    QVERIFY(harness.startGauge(gaugeWithSlots({3, 7}), {"--override", answer}));
    harness.transfer();

    // A record with fewer samples than its count is kept as sent, and said so.
    const QString incomplete = QStringLiteral(
        "Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es "
        "angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: #3");
    QCOMPARE(harness.shownError(), listed && points < sampleCount ? incomplete : QString());
    QCOMPARE(harness.rowNumbers().contains(3), listed);
    // The neighbour is untouched.
    QVERIFY(harness.rowNumbers().contains(7));
    if (!listed) {
        QCOMPARE(harness.recordNumbers(), QList<int>({7}));
        return;
    }
    QVERIFY(harness.select(3));
    const Measurement *record = nullptr;
    for (const Measurement *candidate : harness.window()->deviceData().records)
        if (candidate->number == 3)
            record = candidate;
    QVERIFY(record);
    QCOMPARE(qint64(record->sampleCount), sampleCount);

    // The plot draws only the samples held, however large the count.
    const QwtPlotCurve *curve = harness.window()->plotCurve();
    QCOMPARE(int(curve->dataSize()), points);
    if (points > 0)
        QVERIFY(qAbs(curve->sample(points - 1).x() - lastTime) < 1e-6);
    QCOMPARE(harness.window()->findChild<QLabel *>(label)->text(), labelText);

    const QString rowText = harness.window()
                                ->model()
                                ->index(harness.rowNumbers().indexOf(3), 0, harness.deviceIndex())
                                .data()
                                .toString();
    QVERIFY2(rowText.startsWith(QStringLiteral("#3 - ")), qPrintable(rowText));
}

QTEST_MAIN(TestValueFaults)
#include "tst_valuefaults.moc"
