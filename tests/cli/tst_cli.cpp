// tspx-cli's commands against tspx-sim: what they print and write, their exit
// codes, and the program itself with a CSV on standard output.
#include "gaugefixtures.h"
#include "devicenodes.h"
#include "windowharness.h"

#include "cli/cliargs.h"
#include "cli/clirunner.h"
#include "measurement/dblist.h"
#include "measurement/measurementset.h"
#include "settings/statusini.h"
#include "workflow/archivepath.h"
#include "workflow/workflowtexts.h"
#include "ui/mainform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// One tspx-cli call in-process: the request as its command line gives it,
// standard output collected or on the device given.
struct CliCall
{
    int run(const QStringList &arguments, QIODevice *stdOut = nullptr)
    {
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const CliParseResult parsed =
            parseCliArguments(QStringList{"tspx-cli"} + arguments, QStringLiteral("1.2"));
        if (!parsed.run) {
            err.write(parsed.message.toUtf8());
            return parsed.exitCode;
        }
        CliRunner runner(parsed.request, stdOut ? *stdOut : out, err, quickLinkTiming());
        return runner.run();
    }
    QByteArray output() const { return out.data(); }
    QString errors() const { return QString::fromUtf8(err.data()); }

    QBuffer out;
    QBuffer err;
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void usageErrors_data();
    void usageErrors();
    void languageFollowsOptionLocaleThenSetting();
    void helpIsInTheLanguageWithTheCommandsAsAList();
    void slotLists_data();
    void slotLists();
    void downloadCsvIsTheWindowsExport();
    void downloadJsonKeepsTheGaugesNumbers();
    void downloadDfqInTimeOrder();
    void statsGateOnLimitsAndRules();
    void downloadFailures_data();
    void downloadFailures();
    void emptySlotsAreNamed_data();
    void emptySlotsAreNamed();
    void infoListAndScan();
    void deleteErasesOnlyWhatWasAsked_data();
    void deleteErasesOnlyWhatWasAsked();
    void deleteRefusesWithoutTheArchive();
    void archiveSettingsAreChecked();
    void secondDownloadIsQuick();
    void reportWritesAPdf();
    void archiveListsAndVerifiesTheKeptMeasurements();
    void aDamagedArchiveListsWhatWasReadBack();
    void evaluateJudgesByAPlan();
    void programPrintsOnlyTheCsv();
    void outputFailuresAndOutputThatIsNoFile();
    void programTellsOfLostOutput();

private:
    std::unique_ptr<WindowHarness> m_env;
};

void TestCli::init()
{
    m_env = std::make_unique<WindowHarness>();
    QVERIFY(m_env->setUp());
}

void TestCli::cleanup()
{
    m_env.reset();
}

void TestCli::languageFollowsOptionLocaleThenSetting()
{
    QCOMPARE(localeLanguage("fr_CH.UTF-8"), QByteArray("fr"));
    QCOMPARE(localeLanguage("C.UTF-8"), QByteArray("en"));
    QCOMPARE(localeLanguage("es_ES.UTF-8"), QByteArray());
    QCOMPARE(localeLanguage("french"), QByteArray());
    QCOMPARE(localeLanguage("f"), QByteArray());

    const QStringList plain{"tspx-cli", "info"};
    // The programs the later cases start keep the test's locale.
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    const auto restore = qScopeGuard([&before] {
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (before.contains(QLatin1String(variable)))
                qputenv(variable, before.value(QLatin1String(variable)).toLocal8Bit());
            else
                qunsetenv(variable);
        }
    });
    const auto setLocale = [](const char *all, const char *messages, const char *lang) {
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
    };
    setLocale("", "it_IT.UTF-8", "fr_FR.UTF-8");
    QCOMPARE(cliLanguage(plain, "de"), QByteArray("it"));
    QCOMPARE(cliLanguage(plain + QStringList{"--lang", "en"}, "de"), QByteArray("en"));
    QCOMPARE(cliLanguage(plain + QStringList{"--lang=de"}, "fr"), QByteArray("de"));
    QCOMPARE(cliLanguage(plain + QStringList{"--lang", "xx"}, "de"), QByteArray("it"));
    // The first variable set decides, even when the program does not speak it.
    setLocale("es_ES.UTF-8", "it_IT.UTF-8", "");
    QCOMPARE(cliLanguage(plain, "fr"), QByteArray("fr"));
    setLocale("", "", "");
    QCOMPARE(cliLanguage(plain, "fr"), QByteArray("fr"));

    for (const QString &code : {QStringLiteral("xx"), QStringLiteral("")}) {
        CliCall call;
        QCOMPARE(call.run({"info", "--lang", code}), int(kExitUsage));
        QVERIFY2(call.errors().contains("de, en, fr, it"), qPrintable(call.errors()));
    }
}

void TestCli::helpIsInTheLanguageWithTheCommandsAsAList()
{
    const auto help = [](const QString &localeName) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.remove(QStringLiteral("LANG"));
        environment.insert(QStringLiteral("LC_ALL"), localeName);
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("TSPX_CLI"), {"--help"});
        program.waitForFinished(10000);
        return QString::fromUtf8(program.readAllStandardOutput());
    };
    const QString german = help(QStringLiteral("de_DE.UTF-8"));
    QVERIFY2(german.startsWith("Aufruf: ") && german.contains("tspx-cli [Optionen]") &&
                 german.contains("\nOptionen:\n") && german.contains("\nBefehle:\n  scan "),
             qPrintable(german));
    const QString english = help(QStringLiteral("en_US.UTF-8"));
    QVERIFY2(english.startsWith("Usage: ") && english.contains("tspx-cli [options]") &&
                 english.contains("\nOptions:\n") && english.contains("\nCommands:\n  scan ") &&
                 !english.contains("Befehle"),
             qPrintable(english));
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"fetch"};
    QTest::newRow("two commands") << QStringList{"info", "list"};
    QTest::newRow("unknown option") << QStringList{"info", "--colour"};
    QTest::newRow("delete without --yes") << QStringList{"delete", "--all"};
    QTest::newRow("delete without slots") << QStringList{"delete", "--yes"};
    QTest::newRow("slots and all") << QStringList{"download", "--slots", "1", "--all", "-o", "-"};
    QTest::newRow("slot 0") << QStringList{"download", "--slots", "0", "-o", "-"};
    QTest::newRow("slot 51") << QStringList{"download", "--slots", "49-51", "-o", "-"};
    QTest::newRow("download without -o") << QStringList{"download", "--all"};
    QTest::newRow("unknown format") << QStringList{"download", "-o", "-", "--format", "xml"};
    QTest::newRow("report without slot") << QStringList{"report", "-o", "r.pdf"};
    QTest::newRow("report to stdout") << QStringList{"report", "--slot", "3", "-o", "-"};
    QTest::newRow("archive without action") << QStringList{"archive"};
    QTest::newRow("archive, unknown action") << QStringList{"archive", "drop"};
    QTest::newRow("archive list as csv") << QStringList{"archive", "list", "--format", "csv"};
    QTest::newRow("stats as dfq") << QStringList{"stats", "--format", "dfq"};
    QTest::newRow("subgroup of 11") << QStringList{"stats", "--chart", "xbar-r", "--subgroup", "11"};
    QTest::newRow("unknown rules") << QStringList{"stats", "--rules", "iso"};
    QTest::newRow("limit no number") << QStringList{"stats", "--upper", "ten"};
    QTest::newRow("crossed limits") << QStringList{"stats", "--lower", "10", "--upper", "2"};
    QTest::newRow("equal limits") << QStringList{"stats", "--lower", "2", "--upper", "2.0"};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    CliCall call;
    QCOMPARE(call.run(arguments), int(kExitUsage));
    QVERIFY(!call.errors().isEmpty());
    QVERIFY(call.output().isEmpty());
    // Nothing was sent: no gauge runs, and none was searched for.
    QVERIFY(!m_env->gauge());
}

void TestCli::slotLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("ranges") << "1,3-7" << true << QList<int>{1, 3, 4, 5, 6, 7};
    QTest::newRow("unordered, repeated") << "9, 2,2-3" << true << QList<int>{2, 3, 9};
    QTest::newRow("all fifty") << "1-50" << true << allSlotNumbers();
    QTest::newRow("backwards") << "7-3" << false << QList<int>{};
    QTest::newRow("empty piece") << "1,,2" << false << QList<int>{};
    QTest::newRow("open range") << "3-" << false << QList<int>{};
    QTest::newRow("text") << "three" << false << QList<int>{};
}

void TestCli::slotLists()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QList<int>, expected);
    QList<int> parsed;
    QCOMPARE(parseSlotList(text, parsed), valid);
    if (valid)
        QCOMPARE(parsed, expected);
}

void TestCli::downloadCsvIsTheWindowsExport()
{
    QVERIFY(m_env->startGauge(threeMeasurements(), {"--unit", "2"}));
    m_env->transfer();
    const DeviceData &data = m_env->window()->deviceData();
    QCOMPARE(data.records.size(), 3);
    const QString windowFile = m_env->filePath(QStringLiteral("window.csv"));
    const DbList table(constRecords(data.records), QString::fromLatin1(data.serialNr),
                       data.forceUnitText, data.forceUnitFactor);
    QCOMPARE(table.exportListCSV(windowFile, m_env->status()->exportListCsvWithSepHeader), 0);

    CliCall toStdout;
    QCOMPARE(toStdout.run({"download", "--all", "-o", "-"}), int(kExitOk));
    QCOMPARE(toStdout.output(), fileBytes(windowFile));

    const QString cliFile = m_env->filePath(QStringLiteral("cli.csv"));
    CliCall toFile;
    QCOMPARE(toFile.run({"download", "-o", cliFile, "--quiet"}), int(kExitOk));
    QCOMPARE(fileBytes(cliFile), fileBytes(windowFile));
    QVERIFY(toFile.errors().isEmpty());

    // Only the slots asked for go on the wire.
    const int linesBefore = m_env->traffic().size();
    CliCall some;
    QCOMPARE(some.run({"download", "--slots", "12,30", "-o", "-"}), int(kExitOk));
    const QList<QByteArray> traffic = m_env->traffic().mid(linesBefore);
    QCOMPARE(traffic.count(wireCommand("dMsCt", 3, '?')), 0);
    QCOMPARE(traffic.count(wireCommand("dMsCt", 12, '?')), 2);
    QCOMPARE(traffic.count(wireCommand("dMsCt", 30, '?')), 2);
}

void TestCli::downloadJsonKeepsTheGaugesNumbers()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall call;
    QCOMPARE(call.run({"download", "--all", "-o", "-", "--format", "json"}), int(kExitOk));
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(call.output(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root.value("serialNr").toString(), QStringLiteral("SN-4711"));
    QCOMPARE(root.value("unit").toString(), QStringLiteral("N"));
    const QJsonArray measurements = root.value("measurements").toArray();
    QCOMPARE(measurements.size(), 3);
    const QJsonObject newest = measurements.at(0).toObject();
    QCOMPARE(newest.value("slot").toInt(), 12);
    QCOMPARE(newest.value("date").toString(), QStringLiteral("2019-03-05"));
    QCOMPARE(newest.value("dateText").toString(), QStringLiteral("05;03;2019"));
    QCOMPARE(newest.value("sampleRate").toDouble(), 10.0);
    // The floats as sent: 0.5 and 20 and 7, and no widened-double noise in the text.
    const QJsonArray forces = newest.value("forcesN").toArray();
    QCOMPARE(forces, (QJsonArray{0.5, 20, 7}));
    QVERIFY(call.output().contains("\"forcesN\": [0.5, 20, 7]"));
}

void TestCli::downloadDfqInTimeOrder()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall call;
    QCOMPARE(call.run({"download", "--all", "-o", "-", "--format", "dfq", "--part", "P-1",
                       "--part-description", "Öse"}),
             int(kExitOk));
    const QByteArray dfq = call.output();
    QVERIFY(dfq.startsWith("K0100 3\r\nK1001 P-1\r\nK1002 \xd6se\r\n"));
    // The oldest measurement (slot 30, 2017) first.
    QVERIFY(dfq.contains("K0001/1 3.50\r\nK0004/1 23.12.2017/23:59:59\r\nK0009/1 SN-4711 #30\r\n"));
    QCOMPARE(dfq.count("K0001/"), 9);
}

// Maximum forces in time order 3.5, 10, 20 N: mean 11.17, s 8.31; moving
// ranges 6.5 and 10, σ within = 8.25 / 1.128.
void TestCli::statsGateOnLimitsAndRules()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall within;
    QCOMPARE(within.run({"stats", "--all", "--format", "json", "--lower", "1", "--upper", "25"}),
             int(kExitOk));
    const QJsonObject root = QJsonDocument::fromJson(within.output()).object();
    const QJsonObject force = root.value("statistics").toObject().value("maxForce").toObject();
    QVERIFY(qAbs(force.value("pp").toDouble() - 24 / (6 * 8.3116)) < 1e-4);
    QVERIFY(qAbs(force.value("cp").toDouble() - 24 / (6 * 8.25 / 1.128379)) < 1e-4);
    QCOMPARE(root.value("chart").toObject().value("type").toString(), QStringLiteral("I-MR"));
    QVERIFY(!root.value("outOfControl").toBool());
    // The archive's group of the same measurements gives the same numbers;
    // a day range narrows it.
    CliCall archived;
    QCOMPARE(archived.run({"stats", "--archive", "--serial", "4711", "--format", "json", "--lower",
                           "1", "--upper", "25"}),
             int(kExitOk));
    QCOMPARE(QJsonDocument::fromJson(archived.output()).object().value("statistics"),
             root.value("statistics"));
    CliCall oldest;
    QCOMPARE(oldest.run({"stats", "--archive", "--to", "2017-12-31", "--format", "json"}),
             int(kExitOk));
    const QJsonObject oldestStatistics =
        QJsonDocument::fromJson(oldest.output()).object().value("statistics").toObject();
    QCOMPARE(oldestStatistics.value("maxForce").toObject().value("n").toInt(), 1);
    CliCall mixed;
    QCOMPARE(mixed.run({"stats", "--archive", "--all"}), int(kExitUsage));

    CliCall beyond;
    QCOMPARE(beyond.run({"stats", "--all", "--upper", "15", "--format", "tsv"}),
             int(kExitOutOfControl));
    QVERIFY(beyond.output().startsWith("quantity\tn\tmean\tsd\tcv\tmin\tmax\trange\tpp"));
    QVERIFY(beyond.output().contains("\nbeyond-limit\t#12\n"));
    // For a person: aligned columns in German, the count out of tolerance,
    // the value and the limit crossed.
    CliCall table;
    QCOMPARE(table.run({"stats", "--all", "--upper", "15", "--chart", "xbar-r", "--subgroup", "2"}),
             int(kExitOutOfControl));
    const QByteArray text = table.output();
    QVERIFY2(text.startsWith("                          n      x\xcc\x84       s   VK %    Min    Max"
                             "      R  Pp   Ppk  Cp  Cpk\n"
                             "Maximalkraft / N          3   11.2    8.31   74.4    3.5   20.0"
                             "   16.5   -  0.15   -    -\n"),
             text.constData());
    QVERIFY(text.contains("\nUntere Grenze:        -\nObere Grenze:   15.00 N\n1 von 3 n.i.O.\n"));
    QVERIFY(text.contains("\n#12  NIO  20.0 N > OGW 15.00 N\n"));
    QVERIFY(text.contains("\nRegelkarte: X\xcc\x84-R, Maximalkraft / N\n"));

    // Crossed limits in the settings are named once and judge nothing.
    StatusIni status("status");
    status.load();
    status.forceLimits["N"] = ForceLimitTexts{"9", "2"};
    QCOMPARE(status.save(), 0);
    CliCall crossed;
    QCOMPARE(crossed.run({"stats", "--all", "--format", "tsv"}), int(kExitOk));
    QCOMPARE(crossed.errors().count("(9)"), 1);
    QVERIFY(crossed.output().contains("\nlimits\t-\t-\n"));
}

void TestCli::downloadFailures_data()
{
    QTest::addColumn<QStringList>("gaugeOptions");
    QTest::addColumn<bool>("gaugeRuns");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("fileWritten");

    QTest::newRow("no gauge") << QStringList() << false << "out.csv" << int(kExitNoGauge) << false;
    // Lines 1-2 connect, 3-5 identity, 6-7 empty slots 1-2, 8-17 slot 3: slot 12 is silent.
    QTest::newRow("gauge falls silent") << QStringList{"--silent-from", "26"} << true << "out.csv"
                                        << int(kExitCommunication) << true;
    QTest::newRow("unwritable file")
        << QStringList() << true << "missing-folder/out.csv" << int(kExitFile) << false;
}

void TestCli::downloadFailures()
{
    QFETCH(QStringList, gaugeOptions);
    QFETCH(bool, gaugeRuns);
    QFETCH(QString, target);
    QFETCH(int, exitCode);
    QFETCH(bool, fileWritten);

    if (gaugeRuns)
        QVERIFY(m_env->startGauge(threeMeasurements(), gaugeOptions));
    const QString path = m_env->filePath(target);
    CliCall call;
    QCOMPARE(call.run({"download", "--all", "-o", path, "--port", "COM4"}), exitCode);
    QVERIFY(!call.errors().isEmpty());
    QCOMPARE(QFile::exists(path), fileWritten);
    if (fileWritten) {
        // What came before the silence is kept: slot 3.
        const QByteArray csv = fileBytes(path);
        QVERIFY(csv.contains("SN-4711"));
        QVERIFY(call.errors().contains("12, 13"));
    }
}

// Slot 5 is empty; what the other slots hold is still written.
void TestCli::emptySlotsAreNamed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("csv, alone") << QStringList{"download", "--slots", "5", "-o", "-"}
                                << QByteArray("Tensimo Parl");
    QTest::newRow("csv") << QStringList{"download", "--slots", "3,5", "-o", "-"}
                         << QByteArray("Messung-Nr:\",\"3\"");
    QTest::newRow("json") << QStringList{"download", "--slots", "5", "-o", "-", "--format", "json"}
                          << QByteArray("\"measurements\"");
    QTest::newRow("dfq") << QStringList{"download", "--slots", "5", "-o", "-", "--format", "dfq"}
                         << QByteArray("K0100 3");
    QTest::newRow("stats") << QStringList{"stats", "--slots", "3,5", "--format", "tsv"}
                           << QByteArray("maxForce\t1\t");
    QTest::newRow("delete") << QStringList{"delete", "--slots", "5", "--yes"} << QByteArray();
}

void TestCli::emptySlotsAreNamed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, written);
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall call;
    QCOMPARE(call.run(arguments), int(kExitCommunication));
    QVERIFY2(call.errors().contains("Speicherplätze: 5\n"), qPrintable(call.errors()));
    QVERIFY2(call.output().contains(written), call.output().constData());
}

void TestCli::infoListAndScan()
{
    QVERIFY(m_env->startGauge(threeMeasurements(), {"--unit", "1"}));
    CliCall info;
    QCOMPARE(info.run({"info"}), int(kExitOk));
    QCOMPARE(info.output(),
             QByteArray("serial\tSN-4711\nsoftware\t2.10\nunit\tkg\nmeasurements\t3\n"));

    CliCall list;
    QCOMPARE(list.run({"list"}), int(kExitOk));
    const QList<QByteArray> lines = list.output().split('\n');
    QCOMPARE(lines.value(0), QByteArray("slot\tdate\ttime\tsamples\trate\tmax/kg"));
    QCOMPARE(lines.value(1), QByteArray("12\t2019-03-05\t08:00:00\t3\t10\t2.0"));
    QCOMPARE(lines.size(), 5); // header, three rows, the empty rest after the last LF
    QVERIFY(!m_env->traffic().contains(wireCommand("dMsFc", 12, '?')));

    // A gauge without the calibration record the settings ask for is named.
    StatusIni status("status");
    status.load();
    status.calibrationRequired = true;
    QCOMPARE(status.save(), 0);
    CliCall scan;
    QCOMPARE(scan.run({"scan"}), int(kExitOk));
    const QList<QByteArray> ports = scan.output().split('\n');
    QCOMPARE(ports.size(), 31);
    QVERIFY(ports.at(3).startsWith("COM4\t"));
    QVERIFY(ports.at(3).endsWith("\tgauge\tSN-4711"));
    QVERIFY(ports.at(0).endsWith("\tabsent"));
    QCOMPARE(scan.errors(), QString::fromUtf8("Für das Gerät SN-4711 ist keine Kalibrierung erfasst.\n"));
}

void TestCli::deleteErasesOnlyWhatWasAsked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("gaugeOptions");
    QTest::addColumn<QStringList>("downloadFirst");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<int>>("erased");

    const QStringList all{"--all"};
    QTest::newRow("two slots") << QStringList{"--slots", "3,12"} << QStringList() << all
                               << int(kExitOk) << QList<int>{3, 12};
    QTest::newRow("all") << all << QStringList() << all << int(kExitOk) << QList<int>{3, 12, 30};
    QTest::newRow("refused") << QStringList{"--slots", "3,12"}
                             << QStringList{"--answer", "12:dMsEr=-12"} << all
                             << int(kExitCommunication) << QList<int>{3, 12};
    // Once there is an archive, what it does not hold stays on the gauge.
    QTest::newRow("not archived") << all << QStringList() << QStringList{"--slots", "12"}
                                  << int(kExitCommunication) << QList<int>{12};
}

void TestCli::deleteErasesOnlyWhatWasAsked()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, gaugeOptions);
    QFETCH(QStringList, downloadFirst);
    QFETCH(int, exitCode);
    QFETCH(QList<int>, erased);

    QVERIFY(m_env->startGauge(threeMeasurements(), gaugeOptions));
    CliCall download;
    QCOMPARE(download.run(QStringList{"download", "-o", "-"} + downloadFirst), int(kExitOk));
    CliCall call;
    QCOMPARE(call.run(QStringList{"delete", "--yes"} + arguments), exitCode);
    QList<QByteArray> erases;
    for (int slot : erased)
        erases << wireCommand("dMsEr", slot, '!');
    QList<QByteArray> sent;
    for (const QByteArray &line : m_env->traffic()) {
        if (line.startsWith("#dMsEr"))
            sent << line;
    }
    QCOMPARE(sent, erases);
    if (exitCode != kExitOk)
        QVERIFY2(call.errors().contains(erased == QList<int>{12} ? "Archiv" : ": 12"),
                 qPrintable(call.errors()));
}

// An archive that cannot be opened holds nothing: nothing is erased.
void TestCli::deleteRefusesWithoutTheArchive()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    StatusIni status("status");
    status.load();
    status.archivePath = m_env->filePath("archive-folder");
    QVERIFY(QDir().mkpath(status.archivePath));
    QCOMPARE(status.save(), 0);
    CliCall call;
    QCOMPARE(call.run({"delete", "--all", "--yes"}), int(kExitFile));
    QVERIFY2(call.errors().contains("kann nicht geöffnet werden"), qPrintable(call.errors()));
    QVERIFY(!call.errors().contains("Nicht im Archiv"));
    for (const QByteArray &line : m_env->traffic())
        QVERIFY2(!line.startsWith("#dMsEr"), line.constData());
}

// A backend in any case; an unknown one, or a TLS mode libpq does not know,
// is named and nothing is erased.
void TestCli::archiveSettingsAreChecked()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall download;
    QCOMPARE(download.run({"download", "--all", "-o", "-"}), int(kExitOk));
    StatusIni status("status");
    status.load();
    status.archiveBackend = "PostgreSQL";
    QCOMPARE(archiveConfig(status).backend, ArchiveConfig::PostgreSQL);
    status.serverSslMode = "disable;options=-csearch_path=x";
    QVERIFY(archiveSettingsStatus(status).detail.startsWith("serverSslMode=disable;"));
    status.archiveBackend = "foo";
    QCOMPARE(status.save(), 0);
    CliCall call;
    QCOMPARE(call.run({"delete", "--all", "--yes"}), int(kExitFile));
    QVERIFY2(call.errors().contains("backend=foo"), qPrintable(call.errors()));
    for (const QByteArray &line : m_env->traffic())
        QVERIFY2(!line.startsWith("#dMsEr"), line.constData());
    // A server of a newer version says so as a newer file does.
    const QString newer = WorkflowText::serverNotInUse(
        ArchiveStatus::failure(ArchiveStatus::NewerVersion, "9"), "postgresql://s:5432/tspx", 2);
    QVERIFY2(newer.contains("neueren Programmversion") && !newer.contains("(9)"),
             qPrintable(newer));
    // A server nothing listens on is named unreachable, without the driver's words.
    status.archiveBackend = "postgresql";
    status.serverSslMode = "disable";
    status.serverHost = "127.0.0.1";
    status.serverPort = 1;
    QCOMPARE(status.save(), 0);
    CliCall unreachable;
    QCOMPARE(unreachable.run({"archive", "sync"}), int(kExitFile));
    QVERIFY2(unreachable.errors().contains("127.0.0.1:1/tspx ist nicht erreichbar.") &&
                 !unreachable.errors().contains("QPSQL"),
             qPrintable(unreachable.errors()));
}

// The command line follows the quick-transfer setting as the window does.
void TestCli::secondDownloadIsQuick()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    CliCall first, second;
    QCOMPARE(first.run({"download", "--all", "-o", "-"}), int(kExitOk));
    const int firstLines = m_env->traffic().size();
    const auto sampleReads = [](const QList<QByteArray> &lines) {
        return std::count_if(lines.begin(), lines.end(),
                             [](const QByteArray &line) { return line.startsWith("#dMsFc"); });
    };
    QCOMPARE(sampleReads(m_env->traffic()), 3);
    QCOMPARE(second.run({"download", "--all", "-o", "-"}), int(kExitOk));
    QCOMPARE(sampleReads(m_env->traffic().mid(firstLines)), 0);
    QCOMPARE(second.output(), first.output());
}

// The list names the station; a value changed by hand is found (exit 7).
void TestCli::archiveListsAndVerifiesTheKeptMeasurements()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    StatusIni status("status");
    status.load();
    status.stationName = QStringLiteral("Prüfplatz 2");
    QCOMPARE(status.save(), 0);
    CliCall download, list, verify, changed;
    QCOMPARE(download.run({"download", "--all", "-o", "-"}), int(kExitOk));
    QCOMPARE(list.run({"archive", "list", "--format", "json"}), int(kExitOk));
    QCOMPARE(list.output().split('\n').at(2),
             QByteArray("    {\"station\": \"Prüfplatz 2\", \"serial\": \"SN-4711\", \"slot\": 3, "
                        "\"date\": \"2018-01-24\", \"time\": \"16:11:58\", \"forceMaxN\": 10},"));
    QCOMPARE(verify.run({"archive", "verify"}), int(kExitOk));

    {
        MeasurementArchive archive;
        QVERIFY(archive.open(archiveFilePath(status)).ok());
        QSqlQuery edit(QSqlDatabase::database(archive.connectionName()));
        QVERIFY(edit.exec("UPDATE measurement SET force_max = 11 WHERE slot = 3"));
    }
    QCOMPARE(changed.run({"archive", "verify"}), int(kExitArchiveChanged));
    QVERIFY2(changed.errors().contains("Prüfplatz 2"), qPrintable(changed.errors()));

}

// A damaged file (one the window does not hold): what could be read back is
// listed, and the exit code says what happened.
void TestCli::aDamagedArchiveListsWhatWasReadBack()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    StatusIni status("status");
    status.load();
    status.archivePath = m_env->filePath(QStringLiteral("own.sqlite"));
    QCOMPARE(status.save(), 0);
    CliCall download, damaged;
    QCOMPARE(download.run({"download", "--all", "-o", "-"}), int(kExitOk));
    QFile file(status.archivePath);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(QByteArray(16, 'x')) == 16);
    file.close();
    QCOMPARE(damaged.run({"archive", "list"}), int(kExitFile));
    QCOMPARE(damaged.output().count('\n'), 4);
    QVERIFY2(damaged.errors().contains(".corrupt-") && damaged.errors().contains(": 3 "),
             qPrintable(damaged.errors()));
}

// Slot 12 peaks at 20 N, above the plan's 15 N; slot 30 never reaches 5 N.
void TestCli::evaluateJudgesByAPlan()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    const QString plan = m_env->filePath(QStringLiteral("plan.json"));
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "tspx-test-plan", "formatVersion": 1, "name": "Clip", "version": 2,
        "triggerForce": 1, "characteristics": [
        {"name": "Fmax", "kind": "maximumForce", "upper": 15},
        {"name": "t5", "kind": "timeToForce", "force": 5}]})");
    file.close();
    CliCall tsv;
    QCOMPARE(tsv.run({"evaluate", "--plan", plan, "--all", "--format", "tsv"}),
             int(kExitOutOfControl));
    QCOMPARE(tsv.output(), QByteArray("slot\tdate\ttime\tFmax\tt5\tpass\n"
                                      "12\t2019-03-05\t08:00:00\t20\t0\t0\n"
                                      "3\t2018-01-24\t16:11:58\t10\t0.01333333333\t1\n"
                                      "30\t2017-12-23\t23:59:59\t3.5\t\t1\n"));
    // The archive's group, judged batch by batch, gives the same lines.
    CliCall archived;
    QCOMPARE(archived.run({"evaluate", "--plan", plan, "--archive", "--format", "tsv"}),
             int(kExitOutOfControl));
    QCOMPARE(archived.output(), tsv.output());
    // The file was kept as the plan's first version; judged by its name.
    CliCall byName;
    QCOMPARE(byName.run({"evaluate", "--plan", "Clip", "--slots", "3", "--format", "json"}),
             int(kExitOk));
    QVERIFY2(byName.output().contains("\"version\": 1"), byName.output().constData());
    CliCall unknown;
    QCOMPARE(unknown.run({"evaluate", "--plan", "none", "--all"}), int(kExitFile));
    // The plan's characteristics as quantities: Fmax charted against its
    // 15 N (Ppk 3.83 / (3 × 8.31)), t5 without slot 30, which never reaches 5 N.
    CliCall stats;
    QCOMPARE(stats.run({"stats", "--plan", "Clip", "--characteristic", "Fmax", "--all", "--format",
                        "tsv"}),
             int(kExitOutOfControl));
    QVERIFY2(stats.output().contains("\nFmax\t3\t11.2\t8.31\t74.4\t3.5\t20.0\t16.5\t-\t0.15\t-\t0.17\n"
                                     "t5\t2\t"),
             stats.output().constData());
    QVERIFY(stats.output().contains("\nchart\tI-MR\tFmax\n"));
    QVERIFY(stats.output().contains("\nbeyond-limit\t#12\tFmax\n"));
}

void TestCli::reportWritesAPdf()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    const QString pdf = m_env->filePath(QStringLiteral("report.pdf"));
    CliCall call;
    QCOMPARE(call.run({"report", "--slot", "3", "-o", pdf, "--designation", "Probe 7"}),
             int(kExitOk));
    QVERIFY(fileBytes(pdf).startsWith("%PDF"));

    CliCall empty;
    QCOMPARE(empty.run({"report", "--slot", "4", "-o", m_env->filePath("empty.pdf")}),
             int(kExitCommunication));
    QVERIFY(!QFile::exists(m_env->filePath("empty.pdf")));

    CliCall unwritable;
    QCOMPARE(unwritable.run({"report", "--slot", "3", "-o", m_env->filePath("no/such/r.pdf")}),
             int(kExitFile));
}

void TestCli::programPrintsOnlyTheCsv()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    QProcess program;
    // In the language of the texts in-process, whatever the test's locale.
    program.start(qEnvironmentVariable("TSPX_CLI"),
                  {"download", "--all", "-o", "-", "--lang", "de"});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QByteArray csv = program.readAllStandardOutput();

    CliCall inProcess;
    QCOMPARE(inProcess.run({"download", "--all", "-o", "-"}), int(kExitOk));
    QCOMPARE(csv, inProcess.output());

    QProcess version;
    version.start(qEnvironmentVariable("TSPX_CLI"), {"--version"});
    QVERIFY(version.waitForFinished(10000));
    QVERIFY(version.readAllStandardOutput().startsWith("tspx-cli 1.2"));
}

// Each result that standard output loses is a failure told in one line; a
// device or FIFO given as the output file is written into, not replaced.
void TestCli::outputFailuresAndOutputThatIsNoFile()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    const QString full = m_env->filePath("full");
    const QString null = m_env->filePath("null");
    const QString fifo = m_env->filePath("fifo");
    QVERIFY(makeCharDevice(full, 1, 7) && makeCharDevice(null, 1, 3) && makeFifo(fifo));
    for (const QStringList &arguments : {QStringList{"list"}, {"scan"}, {"download", "-o", "-"}}) {
        QFile fullOutput(full);
        QVERIFY(fullOutput.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        CliCall call;
        QCOMPARE(call.run(arguments, &fullOutput), int(kExitFile));
        QVERIFY2(call.errors().count('\n') == 1, qPrintable(call.errors()));
    }

    CliCall toNull;
    QCOMPARE(toNull.run({"download", "-o", null, "--port", "COM4"}), int(kExitOk));
    QVERIFY(QFileInfo(null).exists() && !QFileInfo(null).isFile());
    // The test holds the FIFO's reading end, so the writer does not wait.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(reader >= 0);
    CliCall toFifo;
    QCOMPARE(toFifo.run({"download", "-o", fifo, "--port", "COM4"}), int(kExitOk));
    std::vector<char> buffer(1 << 16);
    const ssize_t got = ::read(reader, buffer.data(), buffer.size());
    ::close(reader);
    const QByteArray received(buffer.data(), int(std::max<ssize_t>(0, got)));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    CliCall toStdout;
    QCOMPARE(toStdout.run({"download", "-o", "-", "--port", "COM4"}), int(kExitOk));
    QCOMPARE(received, toStdout.output());
}

// The program's standard output buffers: a full one fails only when flushed.
void TestCli::programTellsOfLostOutput()
{
    QVERIFY(m_env->startGauge(threeMeasurements()));
    const QString full = m_env->filePath("full");
    QVERIFY(makeCharDevice(full, 1, 7));
    const auto expectOneLineAndExit5 = [](QProcess &program) {
        QVERIFY(program.waitForFinished(60000));
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(program.exitCode(), int(kExitFile));
        QVERIFY2(errors.count('\n') == 1, errors.constData());
    };
    QProcess toFull;
    toFull.setStandardOutputFile(full);
    toFull.start(qEnvironmentVariable("TSPX_CLI"), {"list", "--port", "COM4"});
    expectOneLineAndExit5(toFull);
    QProcess closed;
    closed.start("/bin/sh", {"-c", "exec \"$0\" \"$@\" >&-", qEnvironmentVariable("TSPX_CLI"),
                             "download", "-o", "-", "--port", "COM4"});
    expectOneLineAndExit5(closed);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
