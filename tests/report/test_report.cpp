#include "configfolder.h"
#include "measurement/devicedata.h"
#include "measurement/measurement.h"
#include "measurement/measurementset.h"
#include "measurement/serieschart.h"
#include "measurement/seriesstatistics.h"
#include "report/report.h"
#include "report/seriesreport.h"
#include "report/studyreport.h"
#include "settings/statusini.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>
#include <functional>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace {

const QSize kLogoPixels(120, 40);
using PrinterSetUp = std::function<void(QPrinter &)>;

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// An image of a PDF from `pdfimages -list`: pixel size and drawn width.
struct PdfImage
{
    QSize pixels;
    double widthMm;
};

QList<PdfImage> pdfImages(const QString &pdf)
{
    QList<PdfImage> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    for (const QString &line : runTool("pdfimages", {"-list", pdf}).split('\n')) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() >= 14 && f[2] == "image" && f[12].toInt() > 0)
            images.append({QSize(f[3].toInt(), f[4].toInt()), f[3].toInt() * 25.4 / f[12].toInt()});
    }
    return images;
}

bool hasLine(const QString &text, const QString &caption, const QString &value)
{
    const QRegularExpression line("^\\s*" + QRegularExpression::escape(caption) + "\\s*" +
                                      QRegularExpression::escape(value) + "\\s*$",
                                  QRegularExpression::MultilineOption);
    return line.match(text).hasMatch();
}

void setUpA4Pdf(QPrinter &printer, int resolution, const QString &fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(resolution);
    printer.setOutputFileName(fileName);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pdfHoldsTheMeasurementAsTyped();
    void diagramSpansTheTextWidth_data();
    void diagramSpansTheTextWidth();
    void cancelledDesignationStillPrints();
    void noMeasurementGivesNoFile_data();
    void noMeasurementGivesNoFile();
    void recordWithoutSamplesPrintsItsValuesAndAnEmptyDiagram();
    void textsAreSetInTheReportFont();
    void seriesRowsCarryTheirCalibrationMark();
    void tablesGoingOnToANewPageRepeatTheirTitlesAndKeepRowsWhole();
    void studyPageHoldsItsNumbersAndVerdict();
    void logoWidthFollowsTheResolution_data();
    void logoWidthFollowsTheResolution();
    void unwritablePdfTargetIsReported_data();
    void unwritablePdfTargetIsReported();

private:
    QString path(const QString &name) const { return m_output->filePath(name); }
    ReportPrinter report();
    ReportResult savePdf(int number, const QString &fileName, const PrinterSetUp &setUp = {});
    QStringList scratchFiles() const
    {
        return QDir(m_scratch->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    std::unique_ptr<TemporaryConfigHome> m_configHome;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<QTemporaryDir> m_scratch; // TMPDIR, the shared temporary folder
    std::unique_ptr<StatusIni> m_status;
    std::unique_ptr<DeviceData> m_device;
    std::unique_ptr<QwtPlot> m_plot;
    QString m_designation;
    int m_designationCalls = 0;
    QString m_docName;
};

void TestReport::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfimages").isEmpty())
        QSKIP("poppler-utils are not installed");
    // German short date and time, and a decimal comma the forces must not take.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestReport::init()
{
    m_configHome.reset(); // the old folder restores the variable before the new one sets it
    m_configHome = std::make_unique<TemporaryConfigHome>();
    m_output = std::make_unique<QTemporaryDir>();
    m_scratch = std::make_unique<QTemporaryDir>();
    qputenv("TMPDIR", m_scratch->path().toLocal8Bit());

    QImage logo(kLogoPixels, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QVERIFY(logo.save(path("logo.png")));
    m_status = std::make_unique<StatusIni>("status");
    m_status->printLogoFilename = path("logo.png");
    m_status->printHeaderLine = "Velmora";

    m_device = std::make_unique<DeviceData>();
    m_device->serialNr = "TSP-0815";
    m_device->forceUnitText = "kg";
    m_device->forceUnitFactor = 0.101972;
    for (uint32_t samples : {500u, 0u}) {
        auto *record = new Measurement(samples ? 7 : 3);
        record->sampleCount = samples;
        record->forceStart = 10.0f; // 1.0197 kg
        record->forceMax = 250.0f;  // 25.493 kg
        record->forceEnd = 49.0f;   // 4.9966 kg
        record->forceAvg = 123.0f;  // 12.5426 kg
        record->dateText = "24;01;2017";
        record->timeText = "16;11;58";
        m_device->records.append(record);
    }

    m_plot = std::make_unique<QwtPlot>();
    m_plot->resize(800, 500);
    auto *curve = new QwtPlotCurve;
    QVector<double> time, force;
    for (int i = 0; i < 500; ++i) {
        time << i / 100.0;
        force << 25.0 * std::sin(i / 80.0);
    }
    curve->setSamples(time, force);
    curve->attach(m_plot.get());
    m_designation = "Zugversuch 12";
    m_designationCalls = 0;
}

void TestReport::cleanup()
{
    qunsetenv("TMPDIR");
    m_plot.reset();
    m_device.reset();
    m_status.reset();
}

ReportPrinter TestReport::report()
{
    ReportPrinter printer(*m_device, *m_status, m_plot.get());
    printer.setDesignationPrompt([this] {
        ++m_designationCalls;
        return m_designation;
    });
    return printer;
}

ReportResult TestReport::savePdf(int number, const QString &fileName, const PrinterSetUp &setUp)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (setUp)
        setUp(printer);
    const ReportResult result = report().savePdf(number, &printer, fileName);
    const bool pdfSettings = printer.outputFormat() == QPrinter::PdfFormat &&
                             printer.resolution() == 200 && printer.outputFileName() == fileName;
    m_docName = pdfSettings ? printer.docName() : QString("not set up for PDF");
    return result;
}

void TestReport::pdfHoldsTheMeasurementAsTyped()
{
    // Markup characters in every text, and a file under the diagram's old
    // fixed name in the shared temporary folder that is not the report's.
    QVERIFY(QDir().mkpath(path("R&D's <logos> #1")));
    QVERIFY(QFile::copy(path("logo.png"), path("R&D's <logos> #1/logo.png")));
    m_status->printLogoFilename = path("R&D's <logos> #1/logo.png");
    m_status->printHeaderLine = QString("Prüfstand <Velmora> & Co").toLatin1();
    m_designation = "<b>& Probe";
    QFile foreign(QDir(m_scratch->path()).filePath("tspx_print.svg"));
    QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("not ours") == 8);
    foreign.close();

    m_device->calibration.known = true;
    m_device->calibration.dueOn = QDate(2017, 1, 23); // the day before #7 was taken

    const QString pdf = path("report.pdf");
    QCOMPARE(savePdf(7, pdf), ReportResult::Printed);
    QCOMPARE(m_docName, QString("Tensimo Parl - #7"));
    QCOMPARE(m_designationCalls, 1);
    const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.contains("Prüfstand <Velmora> & Co"), qPrintable(text));
    QVERIFY(hasLine(text, "Tensimo Parl", ""));
    QVERIFY(hasLine(text, "Seriennummer Gerät:", "TSP-0815"));
    QVERIFY(hasLine(text, "Messung-Nr:", "7"));
    QVERIFY(hasLine(text, "Bezeichnung:", "<b>& Probe"));
    QVERIFY(hasLine(text, "Datum:", "24.01.17"));
    QVERIFY(hasLine(text, "Zeit:", "16:11"));
    QVERIFY(hasLine(text, "Kalibrierung:", "Kalibrierung überfällig"));
    QVERIFY(hasLine(text, "Startkraft:", "1.0 kg"));
    QVERIFY(hasLine(text, "Maximalkraft:", "25.5 kg"));
    QVERIFY(hasLine(text, "Endkraft:", "5.0 kg"));
    QVERIFY(hasLine(text, "Mittelwert der Kraft:", "12.5 kg"));
    QCOMPARE(text.count('\f'), 1); // one page

    const QList<PdfImage> images = pdfImages(pdf);
    QCOMPARE(images.size(), 2);
    QCOMPARE(images[0].pixels, kLogoPixels);
    QVERIFY(foreign.open(QIODevice::ReadOnly));
    QCOMPARE(foreign.readAll(), QByteArray("not ours"));
    QCOMPARE(scratchFiles(), QStringList{"tspx_print.svg"}); // the diagram is gone
}

void TestReport::diagramSpansTheTextWidth_data()
{
    QTest::addColumn<bool>("use96Dpi");
    QTest::addColumn<bool>("noMargins");
    QTest::addColumn<double>("textWidthMm");
    // A4 less 2 cm on each side and the printer's margins: 10 pt, or the
    // 2 mm that a printer without margins gets when the document is printed.
    QTest::newRow("96 dpi documents") << true << false << 210.0 - 40.0 - 2 * 3.53;
    QTest::newRow("screen dpi documents") << false << false << 210.0 - 40.0 - 2 * 3.53;
    QTest::newRow("printer without margins") << true << true << 210.0 - 40.0 - 4.0;
}

void TestReport::diagramSpansTheTextWidth()
{
    QFETCH(bool, use96Dpi);
    QFETCH(bool, noMargins);
    QFETCH(double, textWidthMm);
    // Image sizes in a text document count in screen pixels unless 96 dpi are set.
    const bool was96Dpi = QCoreApplication::testAttribute(Qt::AA_Use96Dpi);
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, use96Dpi);
    const ReportResult result = savePdf(7, path("report.pdf"), [&](QPrinter &printer) {
        if (noMargins)
            printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    });
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, was96Dpi);
    QCOMPARE(result, ReportResult::Printed);

    const QList<PdfImage> images = pdfImages(path("report.pdf"));
    QCOMPARE(images.size(), 2);
    QVERIFY2(std::abs(images[1].widthMm - textWidthMm) < 1.5,
             qPrintable(QString::number(images[1].widthMm)));
    // Rendered with a height of two thirds of its width.
    QCOMPARE(qRound(images[1].pixels.height() * 3.0 / images[1].pixels.width()), 2);
}

// The window's prompt (askReportDesignation, test_dialogs) gives an empty
// designation when cancelled: the report is printed all the same.
void TestReport::cancelledDesignationStillPrints()
{
    ReportPrinter printer(*m_device, *m_status, m_plot.get());
    for (bool accept : {true, false}) {
        printer.setDesignationPrompt([accept] { return accept ? QString("Eingabe") : QString(); });
        QPrinter pdf(QPrinter::ScreenResolution);
        QCOMPARE(printer.savePdf(7, &pdf, path("report.pdf")), ReportResult::Printed);
        const QString text = runTool("pdftotext", {"-layout", path("report.pdf"), "-"});
        QCOMPARE(hasLine(text, "Bezeichnung:", "Eingabe"), accept);
        QVERIFY(hasLine(text, "Bezeichnung:", accept ? "Eingabe" : ""));
    }
}

void TestReport::noMeasurementGivesNoFile_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("device row") << 0;
    QTest::newRow("unknown number") << 42;
}

void TestReport::noMeasurementGivesNoFile()
{
    QFETCH(int, number);
    QCOMPARE(savePdf(number, path("report.pdf")), ReportResult::NoMeasurement);
    QCOMPARE(m_designationCalls, 1); // asked before the look-up
    QVERIFY(!QFile::exists(path("report.pdf")));
    QCOMPARE(scratchFiles(), QStringList());
}

void TestReport::recordWithoutSamplesPrintsItsValuesAndAnEmptyDiagram()
{
    // The window's plot shows no curve for such a record.
    m_plot->detachItems(QwtPlotItem::Rtti_PlotCurve);
    const QString pdf = path("report.pdf");
    QCOMPARE(savePdf(3, pdf), ReportResult::Printed);
    QCOMPARE(m_docName, QString("Tensimo Parl - #3"));
    const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(hasLine(text, "Messung-Nr:", "3"), qPrintable(text));
    QVERIFY(hasLine(text, "Bezeichnung:", "Zugversuch 12"));
    QVERIFY(hasLine(text, "Maximalkraft:", "25.5 kg"));
    QVERIFY(hasLine(text, "Mittelwert der Kraft:", "12.5 kg"));
    QCOMPARE(text.count('\f'), 1);
    // Logo and diagram, the diagram as wide as for a record with samples.
    const QList<PdfImage> images = pdfImages(pdf);
    QCOMPARE(images.size(), 2);
    QCOMPARE(savePdf(7, path("full.pdf")), ReportResult::Printed);
    QCOMPARE(pdfImages(path("full.pdf")).value(1).pixels, images[1].pixels);
    QCOMPARE(scratchFiles(), QStringList());
}

void TestReport::textsAreSetInTheReportFont()
{
    const QString html =
        reportValuesHtml(*m_device, *m_device->records.first(), QString(), "Velmora", "Probe");
    QTextDocument document;
    document.setHtml(html);
    // Every piece of text gets the family the markup names, as the document reads it.
    QSet<QString> families;
    int pieces = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().trimmed().isEmpty())
                continue;
            families << it.fragment().charFormat().fontFamily();
            ++pieces;
        }
    }
    QVERIFY(pieces >= 20);
    QCOMPARE(families, QSet<QString>{"Sans Serif"});
}

void TestReport::logoWidthFollowsTheResolution_data()
{
    // A4 is 595 pt wide: 0.33 of it in pixels, rounded, divided by dpi / 92.
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("width");
    QTest::newRow("200 dpi") << 200 << 545 / 2;  // of 1653 px
    QTest::newRow("600 dpi") << 600 << 1636 / 6; // of 4958 px
    QTest::newRow("72 dpi") << 72 << 196;        // of 595 px; the divisor would be 0
}

void TestReport::logoWidthFollowsTheResolution()
{
    QFETCH(int, dpi);
    QFETCH(int, width);
    QPrinter printer(QPrinter::ScreenResolution);
    setUpA4Pdf(printer, dpi, path("report.pdf"));
    QCOMPARE(reportLogoWidth(printer), width);
    QCOMPARE(reportLogoFragment(path("missing.png"), printer), QString());
    QVERIFY(
        reportLogoFragment(path("logo.png"), printer).contains(QString(" width='%1' ").arg(width)));

    QCOMPARE(report().print(7, &printer), ReportResult::Printed);
    QCOMPARE(pdfImages(path("report.pdf")).size(), 2);
}

void TestReport::unwritablePdfTargetIsReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder in place of the file") << QString("folder.pdf");
    QTest::newRow("file in place of the folder") << QString("blocker/report.pdf");
}

void TestReport::unwritablePdfTargetIsReported()
{
    QFETCH(QString, target);
    QVERIFY(QDir().mkpath(path("folder.pdf")));
    QFile blocker(path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QCOMPARE(savePdf(7, path(target)), ReportResult::PdfNotWritten);
    QVERIFY(!QFileInfo(path(target)).isFile());
    QVERIFY(pdfNotWrittenMessage(path(target)).contains(path(target)));
    QCOMPARE(scratchFiles(), QStringList());
}

// 120 measurements rising by 1 N: nearly every point breaks a rule, so the
// measurements' table and the violations run over several pages.
void TestReport::tablesGoingOnToANewPageRepeatTheirTitlesAndKeepRowsWhole()
{
    std::vector<std::unique_ptr<Measurement>> records;
    MeasurementSet set;
    set.serialNr = "TSP-0815";
    set.calibration.known = true; // each row two lines: the verdict, the overdue mark
    set.calibration.dueOn = QDate(2016, 12, 31);
    for (int i = 0; i < 120; ++i) {
        records.push_back(std::make_unique<Measurement>(1 + i % 50));
        Measurement &m = *records.back();
        m.dateText = QStringLiteral("%1;01;2017").arg(1 + i / 24, 2, 10, QChar('0')).toLatin1();
        m.timeText = QStringLiteral("%1;00;00").arg(i % 24, 2, 10, QChar('0')).toLatin1();
        m.forceMax = 100.0f + float(i);
        set.records.append(&m);
    }
    const int violations = seriesChart(set, ChartSettings()).violations.size();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QCOMPARE(report().saveSeriesPdf(set, &printer, path("series.pdf")), ReportResult::Printed);
    const QStringList pages = runTool("pdftotext", {"-layout", path("series.pdf"), "-"}).split('\f');
    // Each table's rows with its first title line.
    const QList<std::pair<QRegularExpression, QRegularExpression>> tables = {
        {QRegularExpression("^\\s*\\d+ +\\d\\d\\.01\\.17 +\\d\\d:00 .* Kalibrierung überfällig$"),
         QRegularExpression("^\\s*Messung-?\\s+Datum:.*Ergebnis\\s*$")},
        {QRegularExpression("^\\s*\\d+\\s+#\\d+\\s+Nelson \\d: \\S.*$"),
         QRegularExpression("^\\s*Punkt\\s+Messungen\\s+Regel\\s*$")}};
    QList<int> rows = {0, 0};
    QList<int> pagesWithRows = {0, 0};
    for (const QString &page : pages) {
        const QStringList lines = page.split('\n');
        for (int t = 0; t < tables.size(); ++t) {
            const int first = lines.indexOf(tables[t].first);
            if (first < 0)
                continue;
            ++pagesWithRows[t];
            const int title = lines.indexOf(tables[t].second);
            QVERIFY2(title >= 0 && title < first, qPrintable(page));
            rows[t] += lines.filter(tables[t].first).size();
        }
    }
    QVERIFY(pagesWithRows[0] >= 2 && pagesWithRows[1] >= 2);
    // Each once: none split or drawn on two pages.
    QCOMPARE(rows, QList<int>({120, violations}));
}

QTEST_MAIN(TestReport)
void TestReport::seriesRowsCarryTheirCalibrationMark()
{
    MeasurementSet set;
    set.serialNr = "TSP-0815";
    set.records = {m_device->records.at(0), m_device->records.at(1)};
    m_device->records.at(1)->dateText = "23;01;2017"; // on the due date: not overdue
    set.calibration.known = true;
    set.calibration.dueOn = QDate(2017, 1, 23);
    const SeriesReportHtml html =
        seriesReportHtml(set, computeSeriesStatistics(set), QString(), "Velmora", "Serie");
    QTextDocument document;
    document.setHtml(html.values);
    QCOMPARE(document.toPlainText().count("Kalibrierung überfällig"), 1);
}

// 25 values 10 + 0.01 * (-2, -1, 0, 1, 2), each five times, against 10 and
// T = 1: by hand x̄ = 10, s = sqrt(0.005 / 24) = 0.014434,
// Cg = 0.2 / (6 s) = 2.31, Cgk = (0.1 - 0) / (3 s) = 2.31, capable.
void TestReport::studyPageHoldsItsNumbersAndVerdict()
{
    StudyPage page;
    page.serialNr = "TSP-0815";
    for (int i = 0; i < 25; ++i)
        page.values << 10.0 + 0.01 * (i % 5 - 2);
    page.input = Type1Input{page.values, 10.0, 1.0, 0.01};
    page.result = type1Study(page.input);
    QVERIFY(writeStudyPdf(page, *m_status, path("study.pdf")));
    const QString text = runTool("pdftotext", {"-layout", path("study.pdf"), "-"});
    QVERIFY2(hasLine(text, "Messmittelfähigkeit Verfahren 1", ""), qPrintable(text));
    QVERIFY(hasLine(text, "Seriennummer Gerät: TSP-0815", ""));
    QVERIFY(hasLine(text, "Standardabweichung s", "0.014 N"));
    QVERIFY(hasLine(text, "Cg", "2.31"));
    QVERIFY(hasLine(text, "Cgk", "2.31"));
    QVERIFY(hasLine(text, "Ergebnis", "Messmittel fähig"));
    QCOMPARE(text.count('\f'), 1);
    QVERIFY(!writeStudyPdf(page, *m_status, path("missing/study.pdf")));
}

#include "test_report.moc"
