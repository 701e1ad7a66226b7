// The archive's tree level by level and its search, in the database: the
// same measurements as the browsing list's filter, in a file and on a
// PostgreSQL server; each query on an index.
#include "archivesamples.h"

#include "archive/archivebrowsing.h"
#include "archive/archivesearch.h"
#include "archive/measurementarchive.h"
#include "testserver.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ArchiveFilter)

class TestArchiveBrowsing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void searchFindsWhatTheListFinds_data();
    void searchFindsWhatTheListFinds();
    void everyQueryReadsAnIndex();
    void aServerLostDuringASearchCannotBeOpened();

private:
    void store(MeasurementArchive &archive);

    QTemporaryDir m_dir;
    MeasurementArchive m_archive;
    TestServer m_server;
    MeasurementArchive m_onServer; // open when a server runs here
};

namespace {

// The ids of every level's measurements, gauge by gauge, day by day, as the
// tree fetches them.
QList<qint64> idsByLevels(ArchiveBrowsing &browsing, const ArchiveFilter &filter)
{
    QList<qint64> ids;
    for (const ArchiveGauge &gauge : browsing.gauges(filter)) {
        for (const QDate &day : browsing.days(gauge, filter))
            for (const ArchiveEntry &entry : browsing.measurements(gauge, day, filter))
                ids << entry.id;
    }
    return ids;
}

QList<qint64> idsOf(const ArchiveSearchResult &result)
{
    QList<qint64> ids;
    for (const auto &gauge : result.gauges)
        for (const auto &day : gauge.days)
            for (const ArchiveEntry &entry : day.entries)
                ids << entry.id;
    return ids;
}

} // namespace

void TestArchiveBrowsing::initTestCase()
{
    QVERIFY(m_archive.open(m_dir.filePath("archive.sqlite")).ok());
    store(m_archive);
    if (qEnvironmentVariableIsSet("CI"))
        QVERIFY2(m_server.isRunning(), qPrintable(m_server.whyNot()));
    if (!m_server.isRunning())
        return;
    ArchiveConfig config;
    config.backend = ArchiveConfig::PostgreSQL;
    config.server = m_server.freshDatabase(QStringLiteral("browsing"));
    config.filePath = m_dir.filePath("spool.sqlite");
    QVERIFY(m_onServer.open(config).ok());
    QVERIFY(m_onServer.isOnline());
    store(m_onServer);
}

void TestArchiveBrowsing::store(MeasurementArchive &archive)
{
    struct Row
    {
        const char *serial, *date, *time, *designation;
    };
    // Three gauges (one without a serial number), days with several
    // measurements, one without a date, designations with LIKE's wildcards.
    const Row rows[] = {
        {"SN-100", "01;03;2024", "08;00;00", ""},
        {"SN-100", "01;03;2024", "17;30;00", "Bolt M8 Prüfung"},
        {"SN-100", "05;03;2024", "09;15;00", "bolt m10"},
        {"SN-100", "xx;03;2024", "10;00;00", "BOLT ohne Datum"},
        {"AB-7", "28;02;2024", "12;00;00", "Seil 50%_A"},
        {"AB-7", "02;03;2024", "12;00;00", "Seil 50xxA"},
        {"AB-7", "02;03;2024", "12;05;00", ""},
        {"", "03;03;2024", "07;00;00", "Haken sn-1"},
    };
    int slot = 0;
    for (const Row &row : rows) {
        std::vector<std::unique_ptr<Measurement>> records;
        records.push_back(sampleRecord(++slot, row.date, row.time));
        QVERIFY(archive
                    .storeTransfer({row.serial, "1.0", 0}, pointers(records),
                                   QDateTime::currentDateTimeUtc())
                    .ok());
        const qint64 id = archive.idOf(row.serial, *records.front()).value_or(0);
        QVERIFY(archive.setDesignation(id, QString::fromUtf8(row.designation)).ok());
    }
}

void TestArchiveBrowsing::searchFindsWhatTheListFinds_data()
{
    QTest::addColumn<ArchiveFilter>("filter");
    QTest::newRow("everything") << ArchiveFilter{};
    QTest::newRow("text in designations, any case") << ArchiveFilter{"BOLT", "", "", {}, {}};
    QTest::newRow("text in a serial number or a designation")
        << ArchiveFilter{"sn-1", "", "", {}, {}};
    QTest::newRow("LIKE's wildcards are plain characters") << ArchiveFilter{"50%_", "", "", {}, {}};
    QTest::newRow("designation and serial number") << ArchiveFilter{"", "seil", "ab", {}, {}};
    QTest::newRow("days, with text") << ArchiveFilter{"b", "", "", {2024, 3, 1}, {2024, 3, 2}};
    QTest::newRow("from") << ArchiveFilter{"", "", "", {2024, 3, 2}, {}};
    QTest::newRow("to") << ArchiveFilter{"", "", "", {}, {2024, 3, 1}};
    QTest::newRow("nothing matches") << ArchiveFilter{"mutter", "", "", {}, {}};
}

void TestArchiveBrowsing::searchFindsWhatTheListFinds()
{
    QFETCH(ArchiveFilter, filter);
    qRegisterMetaType<ArchiveSearchResult>();
    for (MeasurementArchive *archive : {&m_archive, &m_onServer}) {
        if (!archive->isOpen())
            continue;
        QList<qint64> expected;
        for (const ArchiveEntry &entry : archive->entries(filter))
            expected << entry.id;
        QVERIFY(filter.isEmpty() || expected.size() < archive->count());
        // The list puts a measurement without a date first on a server,
        // where NULL sorts last; the tree puts it last everywhere.
        const auto ordered = [&](QList<qint64> ids) {
            if (archive->isOnServer())
                std::sort(ids.begin(), ids.end());
            return ids;
        };

        ArchiveBrowsing browsing(archive->readSource().connection);
        QCOMPARE(ordered(idsByLevels(browsing, filter)), ordered(expected));

        // The window's search: on its own thread and connection, all of it found.
        ArchiveSearch search;
        QSignalSpy found(&search, &ArchiveSearch::found);
        const int generation = search.start(archive->readSource(), filter);
        QVERIFY(found.wait(5000));
        const auto result = found.first().first().value<ArchiveSearchResult>();
        QCOMPARE(result.generation, generation);
        QVERIFY(result.complete);
        QCOMPARE(ordered(idsOf(result)), ordered(expected));
    }
}

// The server's own error, not SQLite's reading of it: the window says the
// archive cannot be reached rather than that it failed.
void TestArchiveBrowsing::aServerLostDuringASearchCannotBeOpened()
{
    TSPX_REQUIRE_SERVER(m_server);
    ArchiveConfig config;
    config.backend = ArchiveConfig::PostgreSQL;
    config.server = m_server.freshDatabase(QStringLiteral("lost"));
    config.filePath = m_dir.filePath("lost-spool.sqlite");
    MeasurementArchive archive;
    QVERIFY(archive.open(config).ok() && archive.isOnline());
    store(archive);
    const QString postgres = QStringLiteral("postgres");
    m_server.runAsAdmin(postgres, QStringLiteral("ALTER DATABASE lost ALLOW_CONNECTIONS false"));
    m_server.runAsAdmin(postgres, QStringLiteral("SELECT pg_terminate_backend(pid) FROM"
                                                 " pg_stat_activity WHERE datname = 'lost'"));
    ArchiveBrowsing browsing(archive.readSource().connection);
    ArchiveFilter filter;
    filter.text = QStringLiteral("bolt");
    const ArchiveSearchResult result = ArchiveSearch::search(browsing, filter);
    QCOMPARE(int(result.status.kind), int(ArchiveStatus::CannotOpen));
}

void TestArchiveBrowsing::everyQueryReadsAnIndex()
{
    QList<QPair<QString, QVariantList>> statements;
    ArchiveBrowsing browsing(m_archive.connectionName());
    browsing.setObserver([&](const QString &sql, const QVariantList &values) {
        statements.append({sql, values});
    });
    for (const ArchiveFilter &filter :
         {ArchiveFilter{}, ArchiveFilter{"bolt", "m8", "sn", {2024, 3, 1}, {2024, 3, 5}},
          ArchiveFilter{"sn", "", "", {}, {}}, ArchiveFilter{"", "", "", {}, {}, QString("A")}}) {
        // The search, then the levels the tree fetches.
        for (const ArchiveSearchResult::Gauge &gauge :
             ArchiveSearch::search(browsing, filter).gauges) {
            for (const QDate &day : browsing.days(gauge.gauge, filter))
                browsing.measurements(gauge.gauge, day, filter);
        }
    }
    browsing.stations();
    QStringList kinds;
    QSqlDatabase db = QSqlDatabase::database(m_archive.connectionName());
    for (const auto &statement : qAsConst(statements)) {
        QSqlQuery plan(db);
        QVERIFY(plan.prepare("EXPLAIN QUERY PLAN " + statement.first));
        for (const QVariant &value : statement.second)
            plan.addBindValue(value);
        QVERIFY(plan.exec());
        while (plan.next()) {
            const QString step = plan.value(3).toString();
            // Counts and days of designations read the index that holds only
            // them; a day's rows are looked up by their ids.
            const bool rows = statement.first.startsWith("SELECT id,");
            const QString index = rows ? "INDEX measurement_"
                                  : statement.first.contains("designation <> ''")
                                      ? "INDEX measurement_designations "
                                  : statement.first.contains("station = ?")
                                      ? "INDEX measurement_stations "
                                      : "INDEX measurement_browse ";
            // The stations: either index that begins with them.
            const bool stations = statement.first.startsWith("SELECT station ");
            const bool byIndex =
                step.contains(index) || (rows && step.contains("USING INTEGER PRIMARY KEY")) ||
                (stations && step.contains(QRegularExpression("INDEX measurement_(chain|stations) ")));
            if (step.contains("measurement"))
                QVERIFY2(step.startsWith("SEARCH measurement USING ") && byIndex,
                         qPrintable(statement.first + "\n" + step));
        }
        QVERIFY2(!statement.first.contains("samples"), qPrintable(statement.first));
        kinds << statement.first.section(' ', 0, 2);
    }
    // Gauges, bounded counts, days, the day without a date, a day's
    // measurements and the stations were all looked at.
    kinds.removeDuplicates();
    QCOMPARE(kinds.size(), 6);
}

QTEST_GUILESS_MAIN(TestArchiveBrowsing)
#include "tst_archivebrowsing.moc"
