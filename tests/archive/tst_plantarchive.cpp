// The archive on a PostgreSQL server shared by stations, against a real server.
#include "archivesamples.h"
#include "archive/archiveschema.h"
#include "archive/measurementarchive.h"
#include "archive/recordchain.h"
#include "archive/sampleblob.h"
#include "archive/serveruploadcheck.h"
#include "testserver.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <future>

namespace {

const ArchiveDevice kGauge{"TP-4711", "1.07", 0};

// `count` records of one day, told apart by their time and samples.
std::vector<std::unique_ptr<Measurement>> dayOfRecords(int count, int firstMinute = 0)
{
    std::vector<std::unique_ptr<Measurement>> records;
    for (int i = 0; i < count; ++i) {
        const int minute = firstMinute + i;
        const QByteArray time =
            QStringLiteral("%1:%2:00").arg(8 + minute / 60, 2, 10, QLatin1Char('0'))
                .arg(minute % 60, 2, 10, QLatin1Char('0')).toLatin1();
        records.push_back(sampleRecord(1 + i % 50, "08.12.26", time.constData(), 8, float(minute)));
    }
    return records;
}

} // namespace

class TestPlantArchive : public QObject
{
    Q_OBJECT

private:
    ArchiveConfig stationConfig(const ArchiveServer &server, const QString &station)
    {
        ArchiveConfig config;
        config.backend = ArchiveConfig::PostgreSQL;
        config.server = server;
        config.station = station;
        config.filePath = m_folder.filePath(station + QStringLiteral("-spool.sqlite"));
        return config;
    }

    // The server's schema and roles, made by its owner.
    ArchiveServer preparedDatabase(const QString &name)
    {
        const ArchiveServer owner = m_server.freshDatabase(name);
        MeasurementArchive archive;
        archive.open(stationConfig(owner, QStringLiteral("owner")));
        return owner;
    }

    TestServer m_server;
    QTemporaryDir m_folder;

private slots:
    void twoStationsWritingAtOnceLoseAndDoubleNothing()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("two_stations"));
        const ArchiveServer login =
            m_server.asMember(owner, QStringLiteral("line1"), ArchiveSchema::kStationRole);
        // Both stations download the same 40 records, each ten times over.
        auto station = [&](const QString &name) {
            MeasurementArchive archive;
            archive.open(stationConfig(login, name));
            const auto records = dayOfRecords(40);
            int added = 0;
            for (int round = 0; round < 10; ++round) {
                int n = 0;
                if (!archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc(), &n).ok())
                    return -1;
                added += n;
            }
            return archive.waitingCount() == 0 ? added : -2;
        };
        auto a = std::async(std::launch::async, station, QStringLiteral("A"));
        auto b = std::async(std::launch::async, station, QStringLiteral("B"));
        QCOMPARE(a.get() + b.get(), 40);

        MeasurementArchive reader;
        QVERIFY(reader.open(stationConfig(owner, QStringLiteral("reader"))).ok());
        QCOMPARE(reader.count(), 40);
        const ChainReport chains = reader.verify();
        QVERIFY(chains.broken.isEmpty());
        QCOMPARE(chains.checked, 40);
    }

    void aTransferCutOffLandsInTheSpoolAndIsUploadedOnce()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("cut_off"));
        MeasurementArchive archive;
        QVERIFY(archive.open(stationConfig(owner, QStringLiteral("cut"))).ok());
        QVERIFY(archive.isOnline());
        const auto records = dayOfRecords(6);
        // The plug is pulled after the third record of the transaction.
        auto pullPlug = [&](int stored) {
            if (stored == 3) {
                m_server.runAsAdmin(QStringLiteral("postgres"),
                                    QStringLiteral("ALTER DATABASE cut_off ALLOW_CONNECTIONS false"));
                m_server.runAsAdmin(QStringLiteral("postgres"),
                                    QStringLiteral("SELECT pg_terminate_backend(pid) FROM"
                                                   " pg_stat_activity WHERE datname = 'cut_off'"));
            }
        };
        int added = 0;
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc(),
                                      &added, pullPlug).ok());
        QCOMPARE(added, 6);
        QVERIFY(!archive.isOnline());
        QCOMPARE(archive.waitingCount(), 6);
        // Kept in the spool file: an erase may count on it.
        QVERIFY(archive.holds(kGauge.serialNr, *records[4]));
        QVERIFY(!archive.sync().ok());

        m_server.runAsAdmin(QStringLiteral("postgres"),
                            QStringLiteral("ALTER DATABASE cut_off ALLOW_CONNECTIONS true"));
        int uploaded = -1;
        QVERIFY(archive.sync(&uploaded).ok());
        QCOMPARE(uploaded, 6);
        QCOMPARE(archive.waitingCount(), 0);
        QVERIFY(archive.sync(&uploaded).ok());
        QCOMPARE(uploaded, 0);
        QCOMPARE(archive.count(), 6);
        QVERIFY(archive.idOf(kGauge.serialNr, *records[4]).value_or(-1) > 0);
    }

    void theStationRoleMayAddAndNameButNeverChangeOrRemove()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("station_role"));
        const ArchiveServer login =
            m_server.asMember(owner, QStringLiteral("line2"), ArchiveSchema::kStationRole);
        MeasurementArchive archive;
        QVERIFY(archive.open(stationConfig(login, QStringLiteral("line2"))).ok());
        QVERIFY2(archive.isOnline(), qPrintable(archive.serverStatus().detail));
        const auto records = dayOfRecords(2);
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
        QCOMPARE(archive.waitingCount(), 0);
        const qint64 id = archive.idOf(kGauge.serialNr, *records[0]).value_or(0);
        QVERIFY(archive.setDesignation(id, QStringLiteral("Feder 3")).ok());

        QSqlDatabase db = QSqlDatabase::database(archive.connectionName());
        QSqlQuery query(db);
        QVERIFY(!query.exec(QStringLiteral("UPDATE measurement SET force_max = 1")));
        QVERIFY(query.lastError().text().contains(QLatin1String("permission denied")));
        QVERIFY(!query.exec(QStringLiteral("DELETE FROM measurement")));
        QCOMPARE(archive.count(), 2);
    }

    void anotherStationHearsOfEveryNewRecord()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("live"));
        const ArchiveServer login =
            m_server.asMember(owner, QStringLiteral("line3"), ArchiveSchema::kStationRole);
        MeasurementArchive listener, writer;
        QVERIFY(listener.open(stationConfig(owner, QStringLiteral("office"))).ok());
        QVERIFY(writer.open(stationConfig(login, QStringLiteral("Linie 3"))).ok());
        QSqlDriver *driver = listener.liveDriver();
        QVERIFY(driver && driver->subscribeToNotification(ArchiveSchema::kLiveChannel));
        QStringList heard;
        connect(driver,
                QOverload<const QString &, QSqlDriver::NotificationSource, const QVariant &>::of(
                    &QSqlDriver::notification),
                this, [&](const QString &, QSqlDriver::NotificationSource, const QVariant &payload) {
                    heard.append(payload.toString());
                });
        const auto records = dayOfRecords(1);
        QVERIFY(writer.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
        QTRY_COMPARE_WITH_TIMEOUT(heard, QStringList{QStringLiteral("line3")}, 5000);
    }

    void verifyNamesTheRecordChangedByHand_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::addColumn<QString>("edit"); // %1 the second record, %2 the last
        QTest::addColumn<int>("brokenAt"); // index of the record named; 4: the one slipped in
        QTest::addColumn<QString>("reason");
        const QString clearAndChange = QStringLiteral(
            "UPDATE measurement SET chain_hash = NULL;UPDATE measurement SET force_max = 1 WHERE id = %1");
        const QString slipIn = QStringLiteral(
            "INSERT INTO measurement (%3serial_nr, sw_version, slot, date_text, time_text, taken_at,"
            " force_unit, sample_rate, sample_count, samples, samples_sha256, force_start, force_end,"
            " force_max, force_avg, downloaded_at, source, designation, complete, station)"
            " SELECT %4serial_nr, sw_version, slot, date_text, '23:59:00', taken_at, force_unit,"
            " sample_rate, sample_count, samples, samples_sha256, force_start, force_end, force_max,"
            " force_avg, downloaded_at, source, designation, complete, station FROM measurement"
            " WHERE id = %2");
        for (bool server : {false, true}) {
            const char *where = server ? "server" : "file";
            auto row = [&](const char *what) {
                return &QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(where, what)));
            };
            *row("a value") << server << "UPDATE measurement SET force_max = 99.5 WHERE id = %1" << 1 << "values";
            *row("the samples") << server << "UPDATE measurement SET samples = '\\x00000000' WHERE id = %1" << 1 << "samples";
            *row("a record taken out") << server << "DELETE FROM measurement WHERE id = %1" << 2 << "values";
            *row("the time taken") << server << "UPDATE measurement SET taken_at = '2001-01-01T00:00:00' WHERE id = %1" << 1 << "values";
            *row("the newest taken out") << server << "DELETE FROM measurement WHERE id = %2" << 3 << "end";
            *row("all taken out") << server << "DELETE FROM measurement" << 3 << "gone";
            *row("links cleared, a value changed") << server << clearAndChange << 0 << "missing";
            // A server links every row it is given: only with its triggers off
            // (its superuser) does a row without a link get in.
            *row("a row without a link slipped in")
                << server
                << (server ? QStringLiteral("ALTER TABLE measurement DISABLE TRIGGER USER;") +
                                 slipIn.arg(QStringLiteral("%2"), QStringLiteral("id, "),
                                            QStringLiteral("%2 + 1, ")) +
                                 QStringLiteral(";ALTER TABLE measurement ENABLE TRIGGER USER")
                           : slipIn.arg(QStringLiteral("%2"), QString(), QString()))
                << 4 << "missing";
        }
    }

    void verifyNamesTheRecordChangedByHand()
    {
        QFETCH(bool, onServer);
        QFETCH(QString, edit);
        QFETCH(int, brokenAt);
        QFETCH(QString, reason);
        MeasurementArchive archive;
        ArchiveServer owner;
        if (onServer) {
            TSPX_REQUIRE_SERVER(m_server);
            owner = m_server.freshDatabase(QStringLiteral("tampered"));
            QVERIFY(archive.open(stationConfig(owner, QStringLiteral("line4"))).ok());
        } else {
            QVERIFY(archive.open(m_folder.filePath(QLatin1String(QTest::currentDataTag()))).ok());
        }
        const auto records = dayOfRecords(4);
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
        QVERIFY(archive.verify().broken.isEmpty());
        QList<qint64> ids;
        for (const auto &record : records)
            ids.append(archive.idOf(kGauge.serialNr, *record).value_or(0));
        ids.append(ids.last() + 1);
        edit = edit.replace(QLatin1String("'\\x00000000'"),
                            onServer ? QLatin1String("'\\x00000000'") : QLatin1String("x'00000000'"));
        edit.replace(QLatin1String("%1"), QString::number(ids[1]));
        edit.replace(QLatin1String("%2"), QString::number(ids[3]));
        for (const QString &statement : edit.split(QLatin1Char(';'))) {
            if (onServer) {
                QCOMPARE(m_server.runAsAdmin(owner.database, statement), QString());
            } else {
                QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
                QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
            }
        }
        const ChainReport report = archive.verify();
        QCOMPARE(report.broken.size(), 1);
        QCOMPARE(report.broken.first().reason, reason);
        QCOMPARE(report.broken.first().id, ids[brokenAt]);
    }

    // What a station sends for the id, the station or the link does not
    // count: the server makes them, and a station cannot take ids.
    void theServerMakesWhatAStationCannotBeTrustedWith()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("vouched"));
        const ArchiveServer login =
            m_server.asMember(owner, QStringLiteral("line5"), ArchiveSchema::kStationRole);
        MeasurementArchive archive;
        QVERIFY(archive.open(stationConfig(login, QStringLiteral("line6"))).ok());
        QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(!query.exec(QStringLiteral("SELECT nextval('measurement_id_seq')")));
        QVERIFY(!query.exec(QStringLiteral(
            "INSERT INTO measurement (id, station, serial_nr, sw_version, slot, date_text, time_text,"
            " force_unit, sample_rate, sample_count, samples, samples_sha256, force_start, force_end,"
            " force_max, force_avg, downloaded_at, source) VALUES (999, 'line6', 'X', '1', 1, 'd',"
            " 't', 0, 1, 0, '', '', 0, 0, 0, 0, '', 'gauge')")));
        QVERIFY(!query.exec(QStringLiteral("UPDATE chain_head SET record_count = 0")));

        const auto records = dayOfRecords(3);
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
        QCOMPARE(archive.waitingCount(), 0);
        const QList<ArchiveEntry> entries = archive.entries();
        QCOMPARE(entries.size(), 3);
        for (const ArchiveEntry &entry : entries)
            QCOMPARE(entry.station, QStringLiteral("line5"));
        QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM measurement WHERE received_at IS NULL"
                                          " OR link_version <> 2")) && query.next());
        QCOMPARE(query.value(0).toInt(), 0);
        const ChainReport chains = archive.verify();
        QVERIFY(chains.broken.isEmpty());
        QCOMPARE(chains.checked, 3);
    }

    // A record leaves the upload queue only once the server holds it; one the
    // server refuses waits, named, and holds back no other.
    void aRefusedRecordWaitsAndHoldsBackNoOther()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("refusing"));
        const ArchiveServer login =
            m_server.asMember(owner, QStringLiteral("line7"), ArchiveSchema::kStationRole);
        QCOMPARE(m_server.runAsAdmin(owner.database, QStringLiteral(
                     "ALTER TABLE measurement ADD CONSTRAINT no_slot_2 CHECK (slot <> 2)")),
                 QString());
        MeasurementArchive archive;
        QVERIFY(archive.open(stationConfig(login, QStringLiteral("line7"))).ok());
        const auto records = dayOfRecords(4);
        int added = 0;
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc(), &added).ok());
        QCOMPARE(added, 4); // kept in the spool: none is lost
        QVERIFY(archive.serverRefused());
        QCOMPARE(archive.waitingCount(), 4);

        int uploaded = -1;
        const ArchiveStatus synced = archive.sync(&uploaded);
        QVERIFY(!synced.ok());
        QVERIFY2(synced.detail.contains(QLatin1String("no_slot_2")), qPrintable(synced.detail));
        QCOMPARE(uploaded, 3);
        QCOMPARE(archive.waitingCount(), 1);
        QVERIFY(archive.serverRefused());
        QCOMPARE(archive.count(), 3);

        QCOMPARE(m_server.runAsAdmin(owner.database,
                                     QStringLiteral("ALTER TABLE measurement DROP CONSTRAINT no_slot_2")),
                 QString());
        QVERIFY(archive.sync(&uploaded).ok());
        QCOMPARE(uploaded, 1);
        QCOMPARE(archive.waitingCount(), 0);
        QVERIFY(!archive.serverRefused());
    }

    // Records kept while the archive was a file reach the server after the
    // switch, once; one another station uploaded already is not offered.
    void theFilesRecordsAreUploadedAfterTheSwitchOnce()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("switched"));
        const ArchiveConfig config = stationConfig(owner, QStringLiteral("switched"));
        const auto records = dayOfRecords(130); // more than one look-up batch
        {
            MeasurementArchive file;
            QVERIFY(file.open(config.filePath).ok());
            QVERIFY(file.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
            MeasurementArchive other;
            QVERIFY(other.open(stationConfig(owner, QStringLiteral("other"))).ok());
            QVERIFY(other.storeTransfer(kGauge, {records[7].get()}, QDateTime::currentDateTimeUtc()).ok());
        }
        MeasurementArchive archive;
        QVERIFY(archive.open(config).ok());
        QVERIFY(archive.isOnline());
        QCOMPARE(archive.waitingCount(), 0);
        // The first check on a thread of its own, as the window runs it.
        ArchiveStatus read;
        QList<qint64> found;
        const ServerCheckSource source = archive.serverCheckSource();
        std::unique_ptr<QThread> check(QThread::create(
            [&] { found = findNotOnServer(source, QStringLiteral("check"), read); }));
        check->start();
        QVERIFY(check->wait(60000) && read.ok());
        QCOMPARE(found.size(), 129);
        archive.close();
        // Each record is asked for once: the server's loss of the one it held
        // goes unseen, while a record the file kept since is found.
        QCOMPARE(m_server.runAsAdmin(owner.database, QStringLiteral("DELETE FROM measurement")),
                 QString());
        const auto later = dayOfRecords(1, 200);
        {
            MeasurementArchive file;
            QVERIFY(file.open(config.filePath).ok());
            QVERIFY(file.storeTransfer(kGauge, pointers(later), QDateTime::currentDateTimeUtc()).ok());
        }
        QVERIFY(archive.open(config).ok());
        QCOMPARE(archive.notOnServer().size(), 130);
        int queued = -1;
        QVERIFY(archive.queueNotOnServer(&queued).ok());
        QCOMPARE(queued, 130);
        int uploaded = -1;
        QVERIFY(archive.sync(&uploaded).ok());
        QCOMPARE(uploaded, 130);
        QCOMPARE(archive.count(), 130);
        archive.close();
        QVERIFY(archive.open(config).ok());
        QVERIFY(archive.notOnServer().isEmpty());
        QVERIFY(archive.queueNotOnServer(&queued).ok());
        QCOMPARE(queued, 0);
        QCOMPARE(archive.waitingCount(), 0);
    }

    // A spool whose first bytes were overwritten: its waiting records are read
    // back, wait again and reach the server.
    void aDamagedSpoolKeepsItsWaitingRecords()
    {
        TSPX_REQUIRE_SERVER(m_server);
        const ArchiveServer owner = preparedDatabase(QStringLiteral("damaged_spool"));
        ArchiveConfig config = stationConfig(owner, QStringLiteral("line8"));
        ArchiveConfig away = config;
        away.server.host = m_folder.filePath(QStringLiteral("no-server"));
        const auto records = dayOfRecords(5);
        {
            MeasurementArchive archive;
            QVERIFY(archive.open(away).ok());
            QVERIFY(!archive.isOnline());
            QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
            QCOMPARE(archive.waitingCount(), 5);
        }
        QFile spool(config.filePath);
        QVERIFY(spool.open(QIODevice::ReadWrite));
        QCOMPARE(spool.write(QByteArray(16, 'x')), qint64(16));
        spool.close();

        MeasurementArchive archive;
        const ArchiveStatus opened = archive.open(config);
        QVERIFY2(opened.ok(), qPrintable(opened.detail));
        QVERIFY(!opened.movedAside.isEmpty());
        QCOMPARE(opened.recovered, 5);
        QCOMPARE(opened.waitingBefore, 5);
        QCOMPARE(opened.waitingRecovered, 5);
        QCOMPARE(archive.uploadedOnOpen(), 5);
        QCOMPARE(archive.waitingCount(), 0);
        QVERIFY(archive.idOf(kGauge.serialNr, *records[4]).value_or(-1) > 0);
    }

    // A file kept by version 3, its records linked the first way: they verify
    // as they were made, and the chain goes on from them.
    void linksOfVersion3VerifyAsTheyWereMade()
    {
        const QString path = m_folder.filePath(QStringLiteral("version3.sqlite"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v3"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            const auto steps = ArchiveSchema::migrationSteps(ArchiveDialect(ArchiveDialect::SQLite));
            for (int step = 0; step < 3; ++step) {
                for (const QString &statement : steps.at(size_t(step)))
                    QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
            }
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version=3")));
            QByteArray previous;
            for (int i = 0; i < 3; ++i) {
                const QByteArray samples = QByteArray(8, char(i));
                const QVariantList values = {QStringLiteral("line9"), QStringLiteral("TP-4711"),
                                             QStringLiteral("1.07"), i + 1, QStringLiteral("08.12.26"),
                                             QStringLiteral("08:0%1:00").arg(i), 0, 250.0, 2,
                                             samplesHash(samples), 1.5, 2.25, 99.125, 33.3,
                                             QStringLiteral("2026-12-08T08:00:00.000Z"),
                                             QStringLiteral("gauge"), 1};
                previous = RecordChain::link(RecordChain::kFirstVersion, previous, values);
                query.prepare(QStringLiteral("INSERT INTO measurement (%1, samples, chain_hash)"
                                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                  .arg(RecordChain::columns(RecordChain::kFirstVersion).join(", ")));
                for (const QVariant &value : values)
                    query.addBindValue(value);
                query.addBindValue(samples);
                query.addBindValue(previous);
                QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v3"));
        MeasurementArchive archive;
        ArchiveConfig config;
        config.filePath = path;
        config.station = QStringLiteral("line9");
        QVERIFY(archive.open(config).ok());
        const auto records = dayOfRecords(2, 30);
        QVERIFY(archive.storeTransfer(kGauge, pointers(records), QDateTime::currentDateTimeUtc()).ok());
        ChainReport report = archive.verify();
        QVERIFY(report.broken.isEmpty());
        QCOMPARE(report.checked, 5);
        QSqlQuery edit(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(edit.exec(QStringLiteral("UPDATE measurement SET force_avg = 1 WHERE slot = 2 AND link_version IS NULL")));
        report = archive.verify();
        QCOMPARE(report.broken.size(), 1);
        QCOMPARE(report.broken.first().reason, QStringLiteral("values"));
    }
};

QTEST_GUILESS_MAIN(TestPlantArchive)
#include "tst_plantarchive.moc"
