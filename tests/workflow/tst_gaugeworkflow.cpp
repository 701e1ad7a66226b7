// The workflow against the simulated gauge in the same process: what an erase
// leaves on the gauge when the gauge changed after the list was read, and what
// a transfer keeps in the archive.
#include "configfolder.h"
#include "gaugefixtures.h"
#include "simulatorport.h"

#include "archive/calibrationstore.h"
#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "measurement/devicedata.h"
#include "settings/statusini.h"
#include "sim/datafile.h"
#include "workflow/gaugethread.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/seriesset.h"
#include "workflow/studyrecord.h"
#include "workflow/threadhop.h"
#include "workflow/workflowtexts.h"

#include <QTest>
#include <QThread>
#include <memory>

namespace {

// Slot 5 as curve A, and curve B: the same count, date, time, rate and
// summary forces (start 1, end 3, maximum 5, mean 3), other samples.
const QByteArray kCurveA = "1;5;3;3";
const QByteArray kCurveB = "1;3;5;3";

QByteArray gaugeMemory(const QByteArray &slot5Forces, const QByteArray &extra = QByteArray())
{
    return "serial SN-4711\nversion 2.10\nunit 0\n"
           "slot 1\nrate 10\ndate 01;02;2018\ntime 10;00;00\nforces 1;100;50;3\n"
           "slot 5\nrate 10\ndate 02;02;2018\ntime 11;00;00\nforces " +
           slot5Forces + "\n" + extra;
}

SimMeasurement simMeasurement(const QByteArray &text)
{
    GaugeMemory memory;
    QString error;
    parseGaugeData("serial X\nslot 1\n" + text, memory, error);
    return *memory.slot(1);
}

struct Rig
{
    explicit Rig(const QByteArray &memoryText, FaultOptions faults = FaultOptions())
    {
        GaugeMemory memory;
        QString error;
        parsed = parseGaugeData(memoryText, memory, error);
        port = std::make_unique<SimulatorPort>(memory, faults);
        status.load();
    }
    // One connection: `job` between connecting and disconnecting; the lines it sent.
    template <typename Job> QList<QByteArray> run(Job job)
    {
        const int before = port->receivedLines().size();
        if (workflow.connectOn(port.get()) != 0)
            return {"<no connection>"};
        job();
        workflow.disconnect();
        return port->receivedLines().mid(before);
    }
    TransferOutcome transfer(DeviceData &data)
    {
        TransferOutcome outcome;
        run([&] { outcome = workflow.transfer(data, {}); });
        return outcome;
    }
    EraseOutcome erase(const EraseRequest &request, QList<int> *asked = nullptr,
                       bool eraseOthers = true)
    {
        EraseDecisions decisions;
        decisions.eraseOthersThanUnread = [&](const QList<int> &unread) {
            if (asked)
                *asked = unread;
            return eraseOthers;
        };
        decisions.archivedIncomplete = incomplete;
        EraseOutcome outcome;
        eraseTraffic = run([&] { outcome = workflow.erase(request, decisions, {}); });
        return outcome;
    }
    GaugeMemory &gauge() { return port->controller().memory(); }

    TemporaryConfigHome config;
    StatusIni status{"status"};
    GaugeSession session{quickLinkTiming()};
    MeasurementArchive archive;
    GaugeWorkflow workflow{session, archive, status};
    std::unique_ptr<SimulatorPort> port;
    QList<QByteArray> eraseTraffic;
    std::function<IncompleteChoice(const QList<IncompleteCopy> &)> incomplete;
    bool parsed = false;
};

QList<int> erasedOnWire(const QList<QByteArray> &lines)
{
    QList<int> slotNumbers;
    for (const QByteArray &line : lines) {
        if (line.startsWith("#dMsEr"))
            slotNumbers << line.mid(6, 3).toInt();
    }
    return slotNumbers;
}

} // namespace

class TestGaugeWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void eraseLeavesWhatNobodyHasRead_data();
    void eraseLeavesWhatNobodyHasRead();
    void quickTransferCurvesAreReadBeforeErasing_data();
    void quickTransferCurvesAreReadBeforeErasing();
    void everySlotAskedForIsErasedOrNamed();
    void eraseNeedsTheArchive();
    void everyRecordIsArchivedAsReceived();
    void archivedIncompleteIsNamedAndAsked_data();
    void archivedIncompleteIsNamedAndAsked();
    void eraseOnTheGaugeThreadIsAskedHereOrGivesUp();
    void theGaugeItselfIsNamedAndItsStudiesKept();
};

void TestGaugeWorkflow::eraseLeavesWhatNobodyHasRead_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QList<int>>("erased");
    QTest::addColumn<QList<int>>("unread");
    QTest::newRow("unchanged, all") << "" << QList<int>{} << QList<int>{1, 5} << QList<int>{};
    QTest::newRow("new in slot 7, all")
        << "new 7" << QList<int>{} << QList<int>{1, 5} << QList<int>{7};
    QTest::newRow("slot 1 replaced, slot 1")
        << "replace 1" << QList<int>{1} << QList<int>{} << QList<int>{1};
}

void TestGaugeWorkflow::eraseLeavesWhatNobodyHasRead()
{
    QFETCH(QString, change);
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, erased);
    QFETCH(QList<int>, unread);
    Rig rig(gaugeMemory(kCurveA));
    QVERIFY(rig.parsed);
    DeviceData shown;
    QVERIFY(rig.transfer(shown).ok());
    const SimMeasurement other =
        simMeasurement("rate 20\ndate 03;03;2019\ntime 09;30;00\nforces 2;4;6\n");
    if (change == "new 7")
        rig.gauge().slot(7) = other;
    else if (change == "replace 1")
        rig.gauge().slot(1) = other;

    QList<int> askedAbout;
    EraseRequest request;
    request.slotNumbers = asked;
    request.shown = &shown;
    const EraseOutcome outcome = rig.erase(request, &askedAbout);
    QCOMPARE(erasedOnWire(rig.eraseTraffic), erased);
    QCOMPARE(outcome.unreadSlots, unread);
    QCOMPARE(askedAbout, unread);
    QCOMPARE(outcome.notErased, unread);
    for (int slot : unread)
        QVERIFY(rig.gauge().slot(slot).has_value());

    // The window's answer: nothing erased until they are transferred.
    if (!unread.isEmpty()) {
        DeviceData again;
        QVERIFY(rig.transfer(again).ok());
        // The gauge changes once more.
        rig.gauge().slot(1) = simMeasurement("rate 5\ndate 04;04;2020\ntime 07;00;00\nforces 9\n");
        request.shown = &again;
        const EraseOutcome stopped = rig.erase(request, nullptr, false);
        QVERIFY(stopped.stopped);
        QCOMPARE(erasedOnWire(rig.eraseTraffic), QList<int>{});
    }
}

void TestGaugeWorkflow::quickTransferCurvesAreReadBeforeErasing_data()
{
    QTest::addColumn<bool>("commandLine"); // no shown list
    QTest::addColumn<QByteArray>("gaugeNow");
    QTest::addColumn<QList<int>>("erased");
    QTest::newRow("window, same curve") << false << kCurveA << QList<int>{1, 5};
    QTest::newRow("window, other curve") << false << kCurveB << QList<int>{1};
    QTest::newRow("command line, other curve") << true << kCurveB << QList<int>{1};
}

// Summary values cannot tell curve B from the archived A: a quick transfer
// shows A's samples, and only reading B's samples before the erase keeps it.
void TestGaugeWorkflow::quickTransferCurvesAreReadBeforeErasing()
{
    QFETCH(bool, commandLine);
    QFETCH(QByteArray, gaugeNow);
    QFETCH(QList<int>, erased);
    Rig rig(gaugeMemory(kCurveA));
    DeviceData first;
    QVERIFY(rig.transfer(first).ok());
    rig.gauge().slot(5) =
        simMeasurement("rate 10\ndate 02;02;2018\ntime 11;00;00\nforces " + gaugeNow + "\n");
    DeviceData shown;
    const TransferOutcome quick = rig.transfer(shown);
    QCOMPARE(quick.fromArchive, 2);
    QVERIFY(findMeasurement(shown.records, 5)->samplesFromArchive);

    EraseRequest request;
    request.shown = commandLine ? nullptr : &shown;
    const EraseOutcome outcome = rig.erase(request);
    QVERIFY(rig.eraseTraffic.contains(wireCommand("dMsFc", 5, '?')));
    QCOMPARE(erasedOnWire(rig.eraseTraffic), erased);
    QCOMPARE(outcome.unreadSlots.contains(5), !erased.contains(5));
    QCOMPARE(rig.gauge().slot(5).has_value(), !erased.contains(5));
}

void TestGaugeWorkflow::everySlotAskedForIsErasedOrNamed()
{
    FaultOptions faults;
    faults.overrides.append({{"dMsEr", 1}, "-12", true});
    Rig rig(gaugeMemory(kCurveA, "slot 9\nrate 10\ndate 04;02;2018\ntime 11;00;00\nforces 2;3\n"),
            faults);
    DeviceData data;
    QVERIFY(rig.transfer(data).ok());
    EraseRequest request;
    request.slotNumbers = {1, 9};
    const EraseOutcome outcome = rig.erase(request);
    QCOMPARE(erasedOnWire(rig.eraseTraffic), (QList<int>{1, 9}));
    QCOMPARE(outcome.erase.erasedSlots, QList<int>{9});
    QCOMPARE(outcome.notErased, QList<int>{1});
    QVERIFY(!rig.gauge().slot(9).has_value());
}

void TestGaugeWorkflow::eraseNeedsTheArchive()
{
    Rig rig(gaugeMemory(kCurveA));
    // The default file lies in the settings folder; a path set is taken as it is.
    QVERIFY(rig.workflow.archivePath().endsWith("/Kavro/TensimoParl/archive.sqlite"));
    // A folder where the file should be: the archive cannot be opened.
    rig.status.archivePath = rig.config.path() + "/archive-folder";
    QCOMPARE(rig.workflow.archivePath(), rig.status.archivePath);
    QVERIFY(QDir().mkpath(rig.status.archivePath));
    EraseRequest request;
    const EraseOutcome outcome = rig.erase(request);
    QCOMPARE(outcome.archive.kind, ArchiveStatus::CannotOpen);
    QVERIFY(!outcome.ok());
    QVERIFY(!rig.eraseTraffic.contains(wireCommand("serNr", 0, '?')));
    QCOMPARE(erasedOnWire(rig.eraseTraffic), QList<int>{});
}

void TestGaugeWorkflow::everyRecordIsArchivedAsReceived()
{
    FaultOptions faults;
    faults.overrides.append({{"dMsCt", 1}, "6", false});          // four samples sent
    faults.overrides.append({{"dMsDt", 9}, "31;02;2018", false}); // a clock never set
    Rig rig(gaugeMemory(kCurveA, "slot 9\nrate 10\ndate 04;02;2018\ntime 11;00;00\nforces 2;3\n"),
            faults);
    DeviceData data;
    const TransferOutcome outcome = rig.transfer(data);
    QVERIFY(outcome.archive.ok());
    QCOMPARE(outcome.added, 3);
    QCOMPARE(outcome.incompleteSlots, QList<int>{1}); // the date is as the gauge sent it
    QCOMPARE(rig.archive.count(), 3);
}

void TestGaugeWorkflow::archivedIncompleteIsNamedAndAsked_data()
{
    QTest::addColumn<bool>("commandLine"); // no shown list
    QTest::addColumn<int>("choice");       // IncompleteChoice
    QTest::addColumn<QList<int>>("erased");
    QTest::newRow("window, erased") << false << int(IncompleteChoice::Erase) << QList<int>{1, 5};
    QTest::newRow("window, transfer again") << false << int(IncompleteChoice::Stop) << QList<int>{};
    QTest::newRow("cli, kept") << true << int(IncompleteChoice::Keep) << QList<int>{5};
    QTest::newRow("cli, erased") << true << int(IncompleteChoice::Erase) << QList<int>{1, 5};
}

// The gauge sends slot 1 short again and again: its archived copy is all
// there is, named as such, and erased or kept as the operator says.
void TestGaugeWorkflow::archivedIncompleteIsNamedAndAsked()
{
    QFETCH(bool, commandLine);
    QFETCH(int, choice);
    QFETCH(QList<int>, erased);
    FaultOptions faults;
    faults.overrides.append({{"dMsCt", 1}, "6", false}); // four samples sent
    Rig rig(gaugeMemory(kCurveA), faults);
    DeviceData shown;
    QCOMPARE(rig.transfer(shown).incompleteSlots, QList<int>{1});
    QString question;
    rig.incomplete = [&](const QList<IncompleteCopy> &copies) {
        question = WorkflowText::archivedIncomplete(copies);
        return IncompleteChoice(choice);
    };
    EraseRequest request;
    request.shown = commandLine ? nullptr : &shown;
    const EraseOutcome outcome = rig.erase(request);
    QVERIFY(question.contains("nur unvollständig archiviert: #1 (4 von 6 Messwerten)\n"));
    QCOMPARE(erasedOnWire(rig.eraseTraffic), erased);
    QCOMPARE(outcome.notErased.contains(1), !erased.contains(1));
    if (erased.isEmpty()) {
        // Whole this time: the new copy is archived beside the short one, and counts.
        rig.gauge().slot(1) = simMeasurement("rate 10\ndate 01;02;2018\ntime 10;00;00\n"
                                             "forces 1;100;50;3;2;1\n");
        QCOMPARE(rig.transfer(shown).added, 1);
        question.clear();
        rig.erase(request);
        QCOMPARE(erasedOnWire(rig.eraseTraffic), (QList<int>{1, 5}));
        QVERIFY(question.isEmpty());
    }
}

// The window's way: the erase runs on the gauge's thread, its question is
// answered on this one while it waits. Ended while it waits (the window
// closing), the question is not asked, nothing is erased, the communication
// mode still ends and nothing deadlocks.
void TestGaugeWorkflow::eraseOnTheGaugeThreadIsAskedHereOrGivesUp()
{
    for (bool ended : {false, true}) {
        Rig rig(gaugeMemory(kCurveA));
        DeviceData shown;
        QVERIFY(rig.transfer(shown).ok());
        rig.gauge().slot(7) = simMeasurement("rate 20\ndate 03;03;2019\ntime 09;30;00\nforces 2\n");
        ThreadHop hop;
        GaugeWorkflow workflow(rig.session, rig.archive, rig.status, &hop);
        GaugeThread thread(hop);
        rig.session.setCancelFlag(&thread.cancelFlag());
        EraseDecisions asked;
        QThread *askedOn = nullptr;
        asked.eraseOthersThanUnread = [&askedOn](const QList<int> &) {
            askedOn = QThread::currentThread();
            return true;
        };
        const EraseDecisions decisions = answeredOn(hop, asked);
        EraseOutcome outcome;
        bool done = false;
        const int before = rig.port->receivedLines().size();
        thread.start(
            [&](const JobProgress &) {
                if (workflow.connectOn(rig.port.get()) == 0)
                    outcome = workflow.erase({{}, &shown}, decisions, {});
                workflow.disconnect();
            },
            this, [&done] { done = true; });
        if (ended)
            thread.endJob();
        else
            QVERIFY(QTest::qWaitFor([&done] { return done; }));
        const QList<QByteArray> lines = rig.port->receivedLines().mid(before);
        QCOMPARE(lines.last(), QByteArray("#stCom102!"));
        QCOMPARE(askedOn, ended ? nullptr : QThread::currentThread());
        QCOMPARE(erasedOnWire(lines), ended ? QList<int>() : QList<int>({1, 5}));
        if (!ended)
            QCOMPARE(outcome.notErased, QList<int>{7});
    }
}

// The gauge's calibration is named once a connection when the job reads the
// serial number (a list, an erase's check), with nothing more sent for it;
// a study's record names the archive's ids of its measurements.
void TestGaugeWorkflow::theGaugeItselfIsNamedAndItsStudiesKept()
{
    Rig rig(gaugeMemory(kCurveA));
    QStringList notes;
    DeviceData data;
    const auto listTwice = [&] { for (int i = 0; i < 2; ++i) rig.workflow.readList(data, {}); };
    const int unnamedLines = rig.run(listTwice).size();
    rig.workflow.setGaugeNotice([&](const QString &note) { notes << note; });
    QCOMPARE(rig.run(listTwice).size(), unnamedLines);
    rig.status.calibrationRequired = true;
    rig.run(listTwice);
    CalibrationRecord record{
        0, "SN-4711", "K-1", QDate(2019, 1, 2), QDate(2020, 1, 2), "", {}, "", "", "", ""};
    QVERIFY(CalibrationStore(rig.archive).add(record).ok());
    rig.erase(EraseRequest{{9}, nullptr});
    QCOMPARE(notes, QStringList({"Für das Gerät SN-4711 ist keine Kalibrierung erfasst.",
                                 "Die Kalibrierung des Geräts SN-4711 war am 2020-01-02 fällig."}));

    QVERIFY(rig.transfer(data).archive.ok());
    Measurement unkept(9);
    unkept.dateText = "03;02;2018";
    unkept.forceMax = 7.0f;
    MeasurementSet set = measurementSetOf(data, rig.status);
    set.records = QList<const Measurement *>{&unkept} + constRecords(data.records);
    const QList<qint64> ids{rig.archive.idAsReceived("SN-4711", *data.records.last()).value_or(0),
                            rig.archive.idAsReceived("SN-4711", *data.records.first()).value_or(0)};
    QVERIFY(ids.at(0) > 0 && ids.at(1) > 0 && ids.at(0) != ids.at(1));
    GaugeStudyRecord study = type1StudyOf(set, &rig.archive, {{&unkept, 77}});
    QCOMPARE(study.input.values, (QVector<double>{100.0, 5.0, 7.0}));
    QCOMPARE(study.measurementIds, ids + QList<qint64>{77}); // an archive group's id as given
    QCOMPARE(type1StudyOf(set, &rig.archive).measurementIds, ids + QList<qint64>{0});
}

QTEST_GUILESS_MAIN(TestGaugeWorkflow)
#include "tst_gaugeworkflow.moc"
