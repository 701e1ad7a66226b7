// The archive on a PostgreSQL server shared by stations, against a real server.
#include "archivesamples.h"
#include "archive/archiveschema.h"
#include "archive/measurementarchive.h"
#include "testserver.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
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
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file, a value") << false << "UPDATE measurement SET force_max = 99.5 WHERE id = %1" << "values";
        QTest::newRow("file, the samples") << false << "UPDATE measurement SET samples = x'00000000' WHERE id = %1" << "samples";
        QTest::newRow("server, a value") << true << "UPDATE measurement SET slot = 7 WHERE id = %1" << "values";
        QTest::newRow("server, a record taken out") << true << "DELETE FROM measurement WHERE id = %1" << "values";
    }

    void verifyNamesTheRecordChangedByHand()
    {
        QFETCH(bool, onServer);
        QFETCH(QString, edit);
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
        const qint64 second = archive.idOf(kGauge.serialNr, *records[1]).value_or(0);
        if (onServer) {
            QCOMPARE(m_server.runAsAdmin(owner.database, edit.arg(second)), QString());
        } else {
            QSqlQuery query(QSqlDatabase::database(archive.connectionName()));
            QVERIFY(query.exec(edit.arg(second)));
        }
        const ChainReport report = archive.verify();
        QCOMPARE(report.broken.size(), 1);
        // A removed record shows at the one that followed it.
        QCOMPARE(report.broken.first().id, edit.startsWith(QLatin1String("DELETE")) ? second + 1 : second);
        QCOMPARE(report.broken.first().reason, reason);
    }
};

QTEST_GUILESS_MAIN(TestPlantArchive)
#include "tst_plantarchive.moc"
