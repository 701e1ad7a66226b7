// Calibration records, type-1 studies and test plans kept in a file and on a server.
#include "archive/archiveschema.h"
#include "archive/calibrationstore.h"
#include "archive/gaugestudystore.h"
#include "archive/measurementarchive.h"
#include "archive/planstore.h"
#include "testserver.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

CalibrationRecord calibration(const QString &certificate, const QDate &due)
{
    CalibrationRecord r;
    r.serialNr = "TP-4711";
    r.certificate = certificate;
    r.calibratedOn = due.addYears(-1);
    r.dueOn = due;
    r.laboratory = QStringLiteral("DAkkS D-K-15071");
    r.uncertainty = 0.012;
    r.referenceStandard = QStringLiteral("Gewichtssatz M1 Nr. 88");
    r.note = QStringLiteral("Ä-Änderung");
    return r;
}

GaugeStudyRecord study()
{
    GaugeStudyRecord s;
    s.serialNr = "TP-4711";
    s.input.reference = 50.0;
    s.input.tolerance = 2.0;
    s.input.resolution = 0.1;
    for (int i = 0; i < 25; ++i) {
        s.input.values << 50.0 + 0.01 * (i % 5) + 0.1 / 3.0;
        s.measurementIds << 100 + i;
    }
    return s;
}

} // namespace

class TestGaugeRecords : public QObject
{
    Q_OBJECT

    // Adds two records (the second corrects the first) and a study, reads
    // them back whole, newest first; no changes are taken.
    void roundTrip(MeasurementArchive &archive, const QString &expectedStation)
    {
        CalibrationStore calibrations(archive);
        QVERIFY(!calibrations.add(calibration(QString(), QDate(2027, 1, 1))).ok());
        qint64 first = 0, second = 0;
        QVERIFY(calibrations.add(calibration(QStringLiteral("K-1"), QDate(2026, 5, 1)), &first).ok());
        QVERIFY(calibrations.add(calibration(QStringLiteral("K-1a"), QDate(2026, 6, 1)), &second).ok());
        QVERIFY(second > first && first > 0);
        const QList<CalibrationRecord> kept = calibrations.list("TP-4711");
        QCOMPARE(kept.size(), 2);
        QCOMPARE(calibrations.current("TP-4711")->certificate, QStringLiteral("K-1a"));
        const CalibrationRecord &r = kept.last();
        QCOMPARE(r.id, first);
        QCOMPARE(r.dueOn, QDate(2026, 5, 1));
        QCOMPARE(r.calibratedOn, QDate(2025, 5, 1));
        QCOMPARE(*r.uncertainty, 0.012);
        QCOMPARE(r.note, QStringLiteral("Ä-Änderung"));
        QCOMPARE(r.station, expectedStation);
        QVERIFY(QDateTime::fromString(r.receivedAt, Qt::ISODateWithMs).isValid());
        QVERIFY(!calibrations.current("OTHER"));

        GaugeStudyStore studies(archive);
        qint64 studyId = 0;
        const ArchiveStatus added = studies.add(study(), &studyId);
        QVERIFY2(added.ok(), qPrintable(added.detail));
        const GaugeStudyRecord back = studies.list("TP-4711").value(0);
        QCOMPARE(back.id, studyId);
        QCOMPARE(back.input.values, study().input.values);
        QCOMPARE(back.measurementIds, study().measurementIds);
        QCOMPARE(back.capable, type1Study(study().input).capable);
        QCOMPARE(back.station, expectedStation);

        // A plan saved unchanged keeps its version; a change is the next one.
        PlanStore plans(archive);
        TestPlan plan;
        plan.name = QStringLiteral("Clip");
        Characteristic fmax;
        fmax.name = QStringLiteral("Fmax");
        fmax.upper = 15.0;
        plan.characteristics = {fmax};
        QVERIFY(plans.save(plan).ok() && plan.version == 1);
        QVERIFY(plans.save(plan).ok() && plan.version == 1);
        plan.characteristics.first().upper = 25.0;
        QVERIFY(plans.save(plan).ok() && plan.version == 2);
        QCOMPARE(*plans.load(QStringLiteral("Clip"), 1)->characteristics.first().upper, 15.0);
        QCOMPARE(plans.load(QStringLiteral("Clip"))->version, 2);
        QCOMPARE(plans.names(), QStringList{QStringLiteral("Clip")});

        QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(!query.exec(QStringLiteral("UPDATE test_plan SET plan_json = ''")));
        QVERIFY(!query.exec(QStringLiteral("UPDATE gauge_calibration SET due_on = '2099-01-01'")));
        QVERIFY(!query.exec(QStringLiteral("DELETE FROM gauge_study")));
        QCOMPARE(calibrations.list("TP-4711").first().dueOn, QDate(2026, 6, 1));
    }

    TestServer m_server;
    QTemporaryDir m_folder;

private slots:
    void keptInAFile()
    {
        MeasurementArchive archive;
        QVERIFY(archive.open(m_folder.filePath(QStringLiteral("file.sqlite"))).ok());
        roundTrip(archive, archive.station());
    }

    // The server makes id, station and time; stations add, readers only read.
    void keptOnAServer()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = m_server.freshDatabase(QStringLiteral("gauge_records"));
        ArchiveConfig config;
        config.backend = ArchiveConfig::PostgreSQL;
        config.station = QStringLiteral("says-so");
        config.filePath = m_folder.filePath(QStringLiteral("spool.sqlite"));
        config.server = owner;
        MeasurementArchive prepared;
        QVERIFY(prepared.open(config).ok());
        prepared.close();

        config.server = m_server.asMember(owner, QStringLiteral("calib1"), ArchiveSchema::kStationRole);
        MeasurementArchive station;
        QVERIFY(station.open(config).ok() && station.isOnline());
        roundTrip(station, QStringLiteral("calib1"));
        QSqlQuery forged(QSqlDatabase::database(station.connectionName()));
        QVERIFY(!forged.exec(QStringLiteral("INSERT INTO gauge_calibration (id, serial_nr, certificate,"
                                            " calibrated_on, due_on, laboratory, reference_standard,"
                                            " note, station) VALUES (1, 'X', 'K', '2025-01-01',"
                                            " '2026-01-01', '', '', '', 'other')")));

        config.server = m_server.asMember(owner, QStringLiteral("calibreader"), ArchiveSchema::kReaderRole);
        config.filePath = m_folder.filePath(QStringLiteral("reader-spool.sqlite"));
        MeasurementArchive reader;
        QVERIFY(reader.open(config).ok() && reader.isOnline());
        CalibrationStore readerCalibrations(reader);
        QCOMPARE(readerCalibrations.list("TP-4711").size(), 2);
        QCOMPARE(GaugeStudyStore(reader).list().size(), 1);
        QVERIFY(!readerCalibrations.add(calibration(QStringLiteral("K-2"), QDate(2027, 1, 1))).ok());
    }
};

QTEST_GUILESS_MAIN(TestGaugeRecords)
#include "tst_gaugerecords.moc"
