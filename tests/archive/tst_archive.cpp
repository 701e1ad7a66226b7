#include "base/log.h"
#include "archive/archiveschema.h"
#include "archive/calibrationstore.h"
#include "archive/gaugestudystore.h"
#include "archive/planstore.h"
#include "archive/measurementarchive.h"
#include "archive/sampleblob.h"
#include "archivesamples.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <cstring>
#include <unistd.h>

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newFileHasTheSchemaInWalMode();
    void recordsReadBackBitForBit();
    void downloadingAgainAddsNothing();
    void incompleteRecordsAreKeptFlagged();
    void quickLookupMatchesOnlyTheSameMeasurement_data();
    void quickLookupMatchesOnlyTheSameMeasurement();
    void browsingGroupsBySerialNewestFirst();
    void filters_data();
    void filters();
    void failedWriteStoresNothingAndSaysWhy_data();
    void failedWriteStoresNothingAndSaysWhy();
    void readOnlyFileIsReported();
    void damagedFileIsMovedAsideNeverWritten_data();
    void damagedFileIsMovedAsideNeverWritten();
    void newerSchemaIsLeftUntouched();
    void killedWriterLosesNothing();

private:
    QString archivePath() const { return m_dir->filePath(QStringLiteral("archive.sqlite")); }
    void storeFive(MeasurementArchive &archive);
    static QByteArray bits(const QList<float> &forces) { return samplesToBlob(forces); }

    std::unique_ptr<QTemporaryDir> m_dir;
    LogSink m_oldSink;
    const ArchiveDevice m_device{"SN-100", "3.1", 2};
};

void TestArchive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldSink = setLogSink([](const QByteArray &) {});
}

void TestArchive::cleanup()
{
    setLogSink(m_oldSink);
    m_dir.reset();
}

// Five measurements of two gauges over three days.
void TestArchive::storeFive(MeasurementArchive &archive)
{
    std::vector<std::unique_ptr<Measurement>> a;
    a.push_back(sampleRecord(1, "01;03;2024", "08;00;00"));
    a.push_back(sampleRecord(2, "01;03;2024", "17;30;00"));
    a.push_back(sampleRecord(3, "05;03;2024", "09;15;00"));
    QVERIFY(archive.storeTransfer(m_device, pointers(a), QDateTime::currentDateTimeUtc()).ok());
    std::vector<std::unique_ptr<Measurement>> b;
    b.push_back(sampleRecord(1, "02;03;2024", "12;00;00"));
    b.push_back(sampleRecord(2, "28;02;2024", "12;00;00"));
    QVERIFY(archive.storeTransfer({"AB-7", "1.0", 0}, pointers(b), QDateTime::currentDateTimeUtc())
                .ok());
}

void TestArchive::newFileHasTheSchemaInWalMode()
{
    const QString path = m_dir->filePath(QStringLiteral("new/folder/archive.sqlite"));
    MeasurementArchive archive;
    const ArchiveStatus status = archive.open(path);
    QVERIFY2(status.ok(), qPrintable(status.detail));
    QVERIFY(status.movedAside.isEmpty());
    QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
    QVERIFY(query.exec("PRAGMA journal_mode") && query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(query.exec("PRAGMA user_version") && query.next());
    QCOMPARE(query.value(0).toInt(), ArchiveSchema::kVersion);
    QCOMPARE(archive.count(), 0);
}

void TestArchive::recordsReadBackBitForBit()
{
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(7, "24;01;2017", "16;11;58", 10000));
    const QDateTime downloaded(QDate(2024, 5, 6), QTime(7, 8, 9, 123), Qt::UTC);
    int added = -1;
    QVERIFY(archive.storeTransfer(m_device, pointers(records), downloaded, &added).ok());
    QCOMPARE(added, 1);

    const QList<ArchiveEntry> entries = archive.entries();
    QCOMPARE(entries.size(), 1);
    archive.close();
    MeasurementArchive reopened;
    QVERIFY(reopened.open(archivePath()).ok());
    const auto back = reopened.load(entries.first().id);
    QVERIFY(back.has_value());
    const Measurement &m = back->measurement;
    const Measurement &sent = *records.front();
    QCOMPARE(bits(m.forces), bits(sent.forces));
    QCOMPARE(m.forces.size(), 10000);
    QCOMPARE(std::signbit(m.forces.first()), true);
    QCOMPARE(m.number, 7);
    QCOMPARE(m.sampleCount, 10000u);
    QCOMPARE(m.dateText, QByteArray("24;01;2017"));
    QCOMPARE(m.timeText, QByteArray("16;11;58"));
    QCOMPARE(m.sampleRate, 250.0f);
    QCOMPARE(m.forceStart, sent.forceStart);
    QCOMPARE(m.forceEnd, sent.forceEnd);
    QCOMPARE(m.forceMax, sent.forceMax);
    QCOMPARE(m.forceAvg, sent.forceAvg);
    QCOMPARE(back->device.serialNr, QByteArray("SN-100"));
    QCOMPARE(back->device.swVersion, QByteArray("3.1"));
    QCOMPARE(back->device.forceUnit, 2);
    QCOMPARE(back->downloadedAt, downloaded);
    QCOMPARE(back->source, QStringLiteral("gauge"));

    // The blob is the samples' little-endian float32 bytes, as documented.
    QSqlQuery raw(QSqlDatabase::database(reopened.connectionName()));
    QVERIFY(raw.exec("SELECT samples, taken_at FROM measurement") && raw.next());
    const QByteArray blob = raw.value(0).toByteArray();
    QCOMPARE(blob.left(8), QByteArray("\x00\x00\x00\x80\x01\x00\x00\x00", 8));
    QCOMPARE(raw.value(1).toString(), QStringLiteral("2017-01-24T16:11:58"));
}

void TestArchive::downloadingAgainAddsNothing()
{
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(1, "01;01;2024", "10;00;00"));
    records.push_back(sampleRecord(2, "01;01;2024", "11;00;00"));
    int added = 0;
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added)
            .ok());
    QCOMPARE(added, 2);
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added)
            .ok());
    QCOMPARE(added, 0);

    // Same date, time and count, other samples: another measurement. The same
    // samples under another serial number too.
    records.at(1)->forces[3] = 0.2f;
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added)
            .ok());
    QCOMPARE(added, 1);
    QVERIFY(archive
                .storeTransfer({"SN-200", "3.1", 2}, pointers(records),
                               QDateTime::currentDateTimeUtc(), &added)
                .ok());
    QCOMPARE(added, 2);
    QCOMPARE(archive.count(), 5);
    QVERIFY(archive.holds("SN-100", *records.at(1)));
    QVERIFY(!archive.holds("SN-300", *records.at(1)));
}

void TestArchive::incompleteRecordsAreKeptFlagged()
{
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(1, "01;01;2024", "10;00;00"));
    records.push_back(sampleRecord(2, "01;01;2024", "10;00;01"));
    records.back()->sampleCount = 6; // one sample short: a failed read
    records.push_back(sampleRecord(3, "", "10;00;02"));
    records.push_back(sampleRecord(4, "01;01;2024", "", 5));
    // Values that are no numbers, kept as sent.
    records.push_back(sampleRecord(5, "01;01;2024", "10;00;04"));
    records.back()->forces[1] = -std::numeric_limits<float>::quiet_NaN();
    records.back()->forceMax = std::numeric_limits<float>::quiet_NaN();
    records.back()->sampleRate = -std::numeric_limits<float>::infinity();
    int added = 0;
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added)
            .ok());
    // Every record as received; only the short one cannot stand for the gauge's.
    QCOMPARE(added, 5);
    for (int i : {0, 2, 3, 4})
        QVERIFY(archive.holds("SN-100", *records.at(i)));
    QVERIFY(!archive.holds("SN-100", *records.at(1)));
    QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
    QVERIFY(query.exec("SELECT slot, complete, id FROM measurement ORDER BY slot"));
    QList<int> complete;
    while (query.next())
        complete << query.value(1).toInt();
    QCOMPARE(complete, (QList<int>{1, 0, 0, 0, 0}));
    QVERIFY(query.last());
    const auto loaded = archive.load(query.value(2).toLongLong());
    QVERIFY(loaded);
    const Measurement &back = loaded->measurement;
    const auto bits = [](float value) { return QByteArray((const char *)&value, 4); };
    QCOMPARE(bits(back.forces.at(1)), bits(records.back()->forces.at(1)));
    QVERIFY(std::isnan(back.forceMax) && back.sampleRate == records.back()->sampleRate);
    QVERIFY(archive.verify().broken.isEmpty());
    // The quick look-up never offers a short copy's samples.
    QVERIFY(!archive.findQuick(QuickKey::of("SN-100", *records.at(1))));
}

void TestArchive::quickLookupMatchesOnlyTheSameMeasurement_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("found");
    QTest::newRow("same") << "" << true;
    QTest::newRow("serial") << "serial" << false;
    QTest::newRow("date") << "date" << false;
    QTest::newRow("time") << "time" << false;
    QTest::newRow("count") << "count" << false;
    QTest::newRow("rate") << "rate" << false;
    QTest::newRow("start") << "start" << false;
    QTest::newRow("end") << "end" << false;
    QTest::newRow("max") << "max" << false;
    QTest::newRow("avg") << "avg" << false;
}

void TestArchive::quickLookupMatchesOnlyTheSameMeasurement()
{
    QFETCH(QString, change);
    QFETCH(bool, found);
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(4, "09;09;2024", "09;09;09", 7));
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc()).ok());

    QuickKey key = QuickKey::of("SN-100", *records.front());
    const float tiny = 1e-6f;
    if (change == "serial")
        key.serialNr = "SN-101";
    if (change == "date")
        key.dateText = "10;09;2024";
    if (change == "time")
        key.timeText = "09;09;10";
    if (change == "count")
        key.sampleCount = 8;
    if (change == "rate")
        key.sampleRate = 250.001f;
    if (change == "start")
        key.forceStart += 0.001f;
    if (change == "end")
        key.forceEnd += tiny;
    if (change == "max")
        key.forceMax += 0.001f;
    if (change == "avg")
        key.forceAvg += 0.001f;
    QCOMPARE(archive.findQuick(key).has_value(), found);
    if (found)
        QCOMPARE(bits(archive.load(*archive.findQuick(key))->measurement.forces),
                 bits(records.front()->forces));
}

void TestArchive::browsingGroupsBySerialNewestFirst()
{
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    storeFive(archive);
    QStringList order;
    for (const ArchiveEntry &e : archive.entries())
        order << QString::fromLatin1(e.serialNr + " " + e.dateText + " " + e.timeText);
    QCOMPARE(order, QStringList({"AB-7 02;03;2024 12;00;00", "AB-7 28;02;2024 12;00;00",
                                 "SN-100 05;03;2024 09;15;00", "SN-100 01;03;2024 17;30;00",
                                 "SN-100 01;03;2024 08;00;00"}));
    QCOMPARE(archive.entries().at(2).day, QDate(2024, 3, 5));
}

void TestArchive::filters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("designation, any case")
        << ""
        << "bolt"
        << "" << QDate() << QDate() << QStringList{"SN-100 01;03;2024 17;30;00"};
    QTest::newRow("designation with wildcard characters")
        << ""
        << "50%_"
        << "" << QDate() << QDate() << QStringList{"AB-7 28;02;2024 12;00;00"};
    QTest::newRow("serial part") << ""
                                 << ""
                                 << "b-7" << QDate() << QDate()
                                 << QStringList{"AB-7 02;03;2024 12;00;00",
                                                "AB-7 28;02;2024 12;00;00"};
    QTest::newRow("one day") << ""
                             << ""
                             << "" << QDate(2024, 3, 1) << QDate(2024, 3, 1)
                             << QStringList{"SN-100 01;03;2024 17;30;00",
                                            "SN-100 01;03;2024 08;00;00"};
    QTest::newRow("from") << ""
                          << ""
                          << "" << QDate(2024, 3, 2) << QDate()
                          << QStringList{"AB-7 02;03;2024 12;00;00", "SN-100 05;03;2024 09;15;00"};
    QTest::newRow("to, with serial")
        << ""
        << ""
        << "SN" << QDate() << QDate(2024, 3, 4)
        << QStringList{"SN-100 01;03;2024 17;30;00", "SN-100 01;03;2024 08;00;00"};
    QTest::newRow("search text in a designation")
        << "m8"
        << ""
        << "" << QDate() << QDate() << QStringList{"SN-100 01;03;2024 17;30;00"};
    QTest::newRow("search text in a serial number")
        << "ab-"
        << ""
        << "" << QDate() << QDate()
        << QStringList{"AB-7 02;03;2024 12;00;00", "AB-7 28;02;2024 12;00;00"};
    QTest::newRow("nothing matches") << ""
                                     << "nut"
                                     << "" << QDate() << QDate() << QStringList{};
}

void TestArchive::filters()
{
    QFETCH(QString, text);
    QFETCH(QString, designation);
    QFETCH(QString, serial);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, expected);
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath()).ok());
    storeFive(archive);
    for (const ArchiveEntry &e : archive.entries()) {
        if (e.timeText == "17;30;00")
            QVERIFY(archive.setDesignation(e.id, QStringLiteral("Bolt M8 Prüfung")).ok());
        if (e.dateText == "28;02;2024")
            QVERIFY(archive.setDesignation(e.id, QStringLiteral("Seil 50%_A")).ok());
    }
    QStringList found;
    ArchiveStatus status;
    for (const ArchiveEntry &e : archive.entries({text, designation, serial, from, to}, &status))
        found << QString::fromLatin1(e.serialNr + " " + e.dateText + " " + e.timeText);
    QVERIFY(status.ok());
    QCOMPARE(found, expected);
}

void TestArchive::failedWriteStoresNothingAndSaysWhy_data()
{
    QTest::addColumn<int>("expected");
    QTest::newRow("locked by another program") << int(ArchiveStatus::Locked);
    QTest::newRow("disk full") << int(ArchiveStatus::DiskFull);
    QTest::newRow("not open") << int(ArchiveStatus::NotOpen);
}

void TestArchive::failedWriteStoresNothingAndSaysWhy()
{
    QFETCH(int, expected);
    MeasurementArchive archive;
    QVERIFY(archive.open(archivePath(), 200).ok());
    storeFive(archive);

    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
    other.setDatabaseName(archivePath());
    QVERIFY(other.open());
    QSqlQuery otherQuery(other);
    if (expected == ArchiveStatus::Locked)
        QVERIFY(otherQuery.exec("BEGIN IMMEDIATE"));
    if (expected == ArchiveStatus::DiskFull) {
        // No page beyond those in use: the next big write runs out of room.
        QSqlQuery pages(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(pages.exec("PRAGMA page_count") && pages.next());
        const int used = pages.value(0).toInt();
        QVERIFY(pages.exec(QStringLiteral("PRAGMA max_page_count=%1").arg(used)));
    }
    if (expected == ArchiveStatus::NotOpen)
        archive.close();

    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(9, "09;09;2024", "09;09;09", 100000));
    records.push_back(sampleRecord(10, "09;09;2024", "09;09;10", 3));
    int added = -1;
    const ArchiveStatus status =
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added);
    QCOMPARE(int(status.kind), expected);
    QCOMPARE(added, 0);
    otherQuery.exec("ROLLBACK");
    otherQuery.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other-program");

    // The archive keeps what it had, nothing of the failed transfer, and
    // takes the transfer once it can.
    archive.close();
    QVERIFY(archive.open(archivePath()).ok());
    QCOMPARE(archive.count(), 5);
    QVERIFY(!archive.holds("SN-100", *records.back()));
    QVERIFY(
        archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc(), &added)
            .ok());
    QCOMPARE(added, 2);
}

void TestArchive::readOnlyFileIsReported()
{
    if (geteuid() == 0)
        QSKIP("file modes do not bind the superuser");
    {
        MeasurementArchive archive;
        QVERIFY(archive.open(archivePath()).ok());
        storeFive(archive);
    }
    QFile::setPermissions(archivePath(), QFile::ReadOwner);
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
    MeasurementArchive archive;
    const ArchiveStatus opened = archive.open(archivePath());
    std::vector<std::unique_ptr<Measurement>> records;
    records.push_back(sampleRecord(9, "09;09;2024", "09;09;09"));
    const ArchiveStatus stored =
        opened.ok()
            ? archive.storeTransfer(m_device, pointers(records), QDateTime::currentDateTimeUtc())
            : opened;
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(stored.kind == ArchiveStatus::ReadOnly || stored.kind == ArchiveStatus::CannotOpen);
}

void TestArchive::damagedFileIsMovedAsideNeverWritten_data()
{
    QTest::addColumn<bool>("keepHeader");
    QTest::addColumn<bool>("readBack");
    QTest::newRow("not a database") << false << false;
    QTest::newRow("damaged pages") << true << false;
    QTest::newRow("signature overwritten") << false << true;
}

void TestArchive::damagedFileIsMovedAsideNeverWritten()
{
    QFETCH(bool, keepHeader);
    QFETCH(bool, readBack);
    GaugeStudyRecord study;
    study.serialNr = "SN-100";
    study.input = {QVector<double>(25, 2.0), 2.0, 5.0};
    study.measurementIds = QList<qint64>::fromVector(QVector<qint64>(25, 99));
    study.measurementIds[0] = 5;
    {
        MeasurementArchive archive;
        QVERIFY(archive.open(archivePath()).ok());
        storeFive(archive);
        const CalibrationRecord calibration{
            0, "SN-100", "K-9", QDate(2024, 1, 2), QDate(2025, 1, 2), "", {}, "", "", "", ""};
        QVERIFY(CalibrationStore(archive).add(calibration).ok());
        QVERIFY(GaugeStudyStore(archive).add(study).ok());
        Characteristic fmax;
        fmax.name = "Fmax";
        fmax.upper = 15.0;
        TestPlan plan{"Clip", "P-1", 1, 0.5, {fmax}};
        QVERIFY(PlanStore(archive).save(plan).ok());
    }
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 8192);
    // Overwrite everything past the first page (or the header too; or only the signature).
    const int from = keepHeader ? 100 : 0;
    for (int i = from; i < (readBack ? 16 : bytes.size()); ++i)
        bytes[i] = char(0xA5 ^ (i * 31));
    file.seek(0);
    file.write(bytes);
    file.close();

    MeasurementArchive archive;
    const ArchiveStatus status = archive.open(archivePath());
    QVERIFY2(status.ok(), qPrintable(status.detail));
    QVERIFY(!status.movedAside.isEmpty());
    QVERIFY(status.movedAside.startsWith(archivePath() + ".corrupt-"));
    QFile moved(status.movedAside);
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), bytes);
    QCOMPARE(archive.count(), readBack ? 5 : 0);
    const QList<CalibrationRecord> calibrations = CalibrationStore(archive).list("SN-100");
    const QList<GaugeStudyRecord> studies = GaugeStudyStore(archive).list();
    const std::optional<TestPlan> plan = PlanStore(archive).load("Clip");
    QCOMPARE(calibrations.size() + studies.size() + int(plan.has_value()), readBack ? 3 : 0);
    QCOMPARE(status.keptRecordsRecovered, readBack ? 3 : 0);
    if (readBack) {
        QVERIFY(calibrations.first().certificate == "K-9" && plan->partNumber == "P-1");
        QCOMPARE(studies.first().measurementIds.mid(0, 2), (QList<qint64>{5, 0}));
    }
    storeFive(archive);
    QCOMPARE(archive.count(), 5);
    moved.close();
    QCOMPARE(QFile(status.movedAside).size(), qint64(bytes.size()));
}

void TestArchive::newerSchemaIsLeftUntouched()
{
    {
        MeasurementArchive archive;
        QVERIFY(archive.open(archivePath()).ok());
        QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(
            query.exec(QStringLiteral("PRAGMA user_version=%1").arg(ArchiveSchema::kVersion + 1)));
    }
    MeasurementArchive archive;
    const ArchiveStatus status = archive.open(archivePath());
    QCOMPARE(int(status.kind), int(ArchiveStatus::NewerVersion));
    QVERIFY(!archive.isOpen());
    QVERIFY(QFileInfo::exists(archivePath()));
    // The current version without its table of measurements is refused too.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dropped");
        db.setDatabaseName(archivePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version=%1").arg(ArchiveSchema::kVersion)));
        QVERIFY(query.exec("DROP TABLE measurement"));
    }
    QSqlDatabase::removeDatabase("dropped");
    const ArchiveStatus dropped = archive.open(archivePath());
    QVERIFY2(!dropped.ok() && dropped.detail.contains("measurement"), qPrintable(dropped.detail));
}

void TestArchive::killedWriterLosesNothing()
{
    QProcess writer;
    writer.start(QStringLiteral(TSPX_ARCHIVEWRITER), {archivePath()});
    QVERIFY(writer.waitForStarted());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += writer.readAllStandardOutput()).contains("stored"), 20000);
    writer.kill();
    QVERIFY(writer.waitForFinished());

    MeasurementArchive archive;
    const ArchiveStatus status = archive.open(archivePath());
    QVERIFY2(status.ok(), qPrintable(status.detail));
    QVERIFY(status.movedAside.isEmpty());
    const QList<ArchiveEntry> entries = archive.entries();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().dateText, QByteArray("01;02;2024"));
    const auto kept = archive.load(entries.first().id);
    QVERIFY(kept.has_value());
    QCOMPARE(bits(kept->measurement.forces),
             bits(sampleRecord(1, "01;02;2024", "10;00;00")->forces));
    // The interrupted transfer can be stored in full now.
    std::vector<std::unique_ptr<Measurement>> again;
    again.push_back(sampleRecord(2, "02;02;2024", "11;00;00", 10000));
    int added = 0;
    QVERIFY(archive
                .storeTransfer({"SN-KILL", "2.0", 0}, pointers(again),
                               QDateTime::currentDateTimeUtc(), &added)
                .ok());
    QCOMPARE(added, 1);
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
