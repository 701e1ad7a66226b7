// The "Archiv" rows in a real tree view: each level is fetched by one query
// when it is expanded, and only then; samples never.
#include "archive/archivesearch.h"
#include "archive/measurementarchive.h"
#include "ui/archivetree.h"
#include "ui/measurementtree.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <vector>

class TestArchiveRows : public QObject
{
    Q_OBJECT

private slots:
    void onlyExpandedLevelsAreFetched();
    void aSearchWithoutMatchesSaysSo();
    void stationRowsHoldWhatEachStationDownloaded();

private:
    void storeTwoGauges(MeasurementArchive &archive);
    QTemporaryDir m_dir;
};

void TestArchiveRows::storeTwoGauges(MeasurementArchive &archive)
{
    QVERIFY(archive.open(m_dir.filePath("archive.sqlite")).ok());
    for (const char *serial : {"SN-1", "SN-2"}) {
        std::vector<std::unique_ptr<Measurement>> records;
        QList<Measurement *> pointers;
        for (const char *date : {"01;03;2024", "02;03;2024"}) {
            for (const char *time : {"08;00;00", "09;30;00"}) {
                records.push_back(std::make_unique<Measurement>(int(records.size()) + 1));
                Measurement &m = *records.back();
                m.dateText = date;
                m.timeText = time;
                m.forces = {1.0f, 2.0f};
                m.sampleCount = 2;
                pointers << &m;
            }
        }
        QVERIFY(archive.storeTransfer({serial, "1.0", 0}, pointers, QDateTime::currentDateTimeUtc())
                    .ok());
    }
}

void TestArchiveRows::onlyExpandedLevelsAreFetched()
{
    MeasurementArchive archive;
    storeTwoGauges(archive);
    QStringList statements;
    ArchiveRows rows;
    rows.browsing().setSource(archive.readSource());
    rows.browsing().setObserver(
        [&](const QString &sql, const QVariantList &) { statements << sql; });
    MeasurementTree model;
    model.setLazyRows(&rows);
    QTreeView view;
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    model.appendRow(rows.newRoot());
    const QModelIndex root = model.index(0, 0);
    view.expand(root);
    QCoreApplication::processEvents();
    // The gauges: a step along the index for each, and one finding no more.
    QCOMPARE(statements.size(), 3);
    QCOMPARE(model.rowCount(root), 2);
    const QModelIndex first = model.index(0, 0, root);
    const QModelIndex second = model.index(1, 0, root);
    QVERIFY(model.hasChildren(first));
    QCOMPARE(model.rowCount(first), 0);

    // Its days: a step back along the index for each, one finding no more,
    // one look for measurements without a date.
    view.expand(first);
    QCoreApplication::processEvents();
    QCOMPARE(statements.size(), 7);
    QCOMPARE(model.rowCount(first), 2);
    QCOMPARE(model.rowCount(second), 0);
    const QModelIndex newestDay = model.index(0, 0, first);
    QCOMPARE(newestDay.data().toString(),
             QLocale().toString(QDate(2024, 3, 2), QLocale::ShortFormat));
    QCOMPARE(model.rowCount(newestDay), 0);

    view.expand(newestDay);
    QCoreApplication::processEvents();
    QCOMPARE(statements.size(), 8);
    QCOMPARE(model.rowCount(newestDay), 2);
    QVERIFY(model.index(0, 0, newestDay).data().toString().startsWith("#4 - 09:30"));
    QCOMPARE(model.rowCount(model.index(1, 0, first)), 0);

    // Folded and unfolded again: nothing asked twice.
    view.collapse(first);
    view.expand(first);
    QCoreApplication::processEvents();
    QCOMPARE(statements.size(), 8);
    for (const QString &sql : qAsConst(statements))
        QVERIFY2(!sql.contains("samples"), qPrintable(sql));
}

void TestArchiveRows::aSearchWithoutMatchesSaysSo()
{
    MeasurementArchive archive;
    storeTwoGauges(archive);
    ArchiveRows rows;
    rows.browsing().setSource(archive.readSource());
    MeasurementTree model;
    ArchiveFilter filter;
    filter.text = QStringLiteral("mutter");
    model.appendRow(rows.newRoot(ArchiveSearch::search(rows.browsing(), filter)));
    const QModelIndex root = model.index(0, 0);
    QCOMPARE(model.rowCount(root), 1);
    const QModelIndex note = model.index(0, 0, root);
    QCOMPARE(note.data().toString(), QStringLiteral("Keine Treffer"));
    QVERIFY(!(model.flags(note) & Qt::ItemIsSelectable));
    QVERIFY(!isArchiveGroupOrMeasurement(note));
}

// Two stations shared gauge SN-2; each station's rows hold only its own.
void TestArchiveRows::stationRowsHoldWhatEachStationDownloaded()
{
    MeasurementArchive archive;
    storeTwoGauges(archive);
    QSqlQuery(QSqlDatabase::database(archive.connectionName()))
        .exec("UPDATE measurement SET station = 'Linie 2' WHERE serial_nr = 'SN-2' AND slot > 2");
    ArchiveRows rows;
    rows.setGroupByStation(true);
    rows.browsing().setSource(archive.readSource());
    MeasurementTree model;
    model.setLazyRows(&rows);
    model.appendRow(rows.newRoot());
    const QModelIndex root = model.index(0, 0);
    QCOMPARE(model.rowCount(root), 2);
    // By name: the host name may sort before or after "Linie 2".
    const int line2Row = model.index(0, 0, root).data().toString() == "Linie 2" ? 0 : 1;
    const QModelIndex line2 = model.index(line2Row, 0, root);
    QCOMPARE(line2.data().toString(), QStringLiteral("Linie 2"));
    model.fetchMore(line2);
    QCOMPARE(model.rowCount(line2), 1);
    QCOMPARE(model.index(0, 0, line2).data().toString(), QStringLiteral("SN-2"));
    QCOMPARE(rows.idsAt(line2).size(), 2);
    const QModelIndex local = model.index(1 - line2Row, 0, root);
    QCOMPARE(local.data().toString(), archive.station());
    QCOMPARE(rows.idsAt(local).size(), 6);
}

QTEST_MAIN(TestArchiveRows)
#include "tst_archiverows.moc"
