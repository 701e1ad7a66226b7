// The main window without a gauge: its start state, the measurement page for
// records put into its list, the tree's current number and the geometry.
#include "archive/measurementarchive.h"
#include "configfolder.h"
#include "measurement/measurement.h"
#include "plot/forceplot.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/archivefilterbar.h"
#include "ui/mainform.h"
#include "ui/measurementtree.h"
#include "ui/windowgeometry.h"
#include "ui_mainform.h"
#include "testserver.h"
#include "workflow/archivepath.h"
#include "workflow/gaugeservices.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <memory>

namespace {

Measurement *newRecord(int number, uint32_t sampleCount, float forceMax)
{
    auto *m = new Measurement(number);
    m->sampleCount = sampleCount;
    m->sampleRate = 2.0f;
    m->forces = {1.0f, forceMax, 50.0f, 3.25f};
    m->forceStart = 1.0f;
    m->forceMax = forceMax;
    m->forceEnd = 3.25f;
    m->forceAvg = 38.5625f;
    m->dateText = "24;01;2017";
    m->timeText = "16;11;58";
    return m;
}

QStandardItem *treeItem(const QVariant &number)
{
    auto *item = new QStandardItem(number.toString());
    item->setData(number, MeasurementNumberRole);
    return item;
}

} // namespace

class TestMainform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowIsFittedToTheScreen();
    void tabGoesFromTheTransferButtonThroughTheFilterToTheTree();

    void startsOnAnEmptyDisabledMeasurementPage();
    void measurementShowsValuesInTheShownUnitAndTheDeviceRowKeepsThem();
    void recordWithoutSamplesOrUnknownNumberEmptiesThePage();
    void timeAxisEndsAtWholeSecondsOrScalesToThePoints();
    void currentMeasurementNumberReadsTheCurrentRow();
    void storedGeometryIsAppliedAtTheFirstShowOnly();
    void closingMaximizedStoresOnlyTheFlag();
    void closingStoresNegativePositionsAsZero();
    void quitActionClosesAndDestructionDeletesTheErrorWindow();
    void errorWindowShowsTwoLinesWithoutScrolling();
    void rowText();
    void theFilesMeasurementsAreOfferedForTheServer();

private:
    void show();
    QList<QAction *> selectedMeasurementActions() const;
    QList<QAction *> allMeasurementActions() const;

    TemporaryConfigHome m_configHome;
    std::unique_ptr<ConfigIni> m_config;
    std::unique_ptr<GaugeServices> m_services;
    StatusIni *m_status = nullptr;
    std::unique_ptr<Mainform> m_window;
    Ui::MainForm *ui = nullptr;
};

void TestMainform::initTestCase()
{
    QVERIFY(m_configHome.isValid());
}

void TestMainform::init()
{
    m_config = std::make_unique<ConfigIni>("config");
    m_services = std::make_unique<GaugeServices>();
    m_status = &m_services->status();
    m_window = std::make_unique<Mainform>(m_config.get(), *m_services, "1.2  build: test");
    ui = m_window->formUi();
}

void TestMainform::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_window.reset();
    m_status = nullptr;
    m_services.reset();
    m_config.reset();
}

void TestMainform::show()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QList<QAction *> TestMainform::selectedMeasurementActions() const
{
    // Deleting follows the tree's selection, not the page shown (tst_deletion).
    return {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
            ui->actionGewaehlteMessungexportieren};
}

QList<QAction *> TestMainform::allMeasurementActions() const
{
    return {ui->actionAlleMessungenexportieren, ui->actionAlleMessungenloeschen};
}

void TestMainform::startsOnAnEmptyDisabledMeasurementPage()
{
    QVERIFY(!ui->frame2->isEnabled());
    // frame2 stays disabled until a connection: look at the widgets below it.
    QVERIFY(!ui->qwtPlot->isEnabledTo(ui->frame2));
    QCOMPARE(ui->stackedWidgetMeas->currentIndex(), 0);
    QCOMPARE(ui->labelMeasN->text(), QStringLiteral("0"));
    for (QAction *action : selectedMeasurementActions() + allMeasurementActions())
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(ui->actionEinstellungen->isEnabled());
    QCOMPARE(ui->treeView->model(), m_window->model());
    QCOMPARE(m_window->currentMeasurementNumber(), 0);
}

void TestMainform::measurementShowsValuesInTheShownUnitAndTheDeviceRowKeepsThem()
{
    // Forces keep "." whatever the locale; dates follow it.
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    DeviceData &data = m_window->deviceData();
    data.forceUnit = 2;
    data.updateForceUnit();
    data.records.append(newRecord(7, 4, 10.0f));
    data.records.append(newRecord(7, 4, 100.0f));

    m_window->showMeasurement(7);
    QCOMPARE(ui->labelMeasN->text(), QStringLiteral("7"));
    QCOMPARE(ui->labelMeasDate->text(), german.toString(QDate(2017, 1, 24), QLocale::ShortFormat));
    QCOMPARE(ui->labelMeasTime->text(), german.toString(QTime(16, 11, 58), QLocale::ShortFormat));
    QCOMPARE(ui->labelForceStart->text(), QStringLiteral("0.2 lbf"));
    // Of two records with one number the last one counts.
    QCOMPARE(ui->labelForceMax->text(), QStringLiteral("22.5 lbf"));
    QCOMPARE(ui->labelForceEnd->text(), QStringLiteral("0.7 lbf"));
    QCOMPARE(ui->labelForceAvg->text(), QStringLiteral("8.7 lbf"));
    QCOMPARE(m_window->plotCurve()->sample(1), QPointF(0.5, 100.0 * 0.224809));
    QVERIFY(ui->qwtPlot->isEnabledTo(ui->frame2));
    QVERIFY(ui->stackedWidgetMeas->isEnabledTo(ui->frame2));
    for (QAction *action : selectedMeasurementActions() + allMeasurementActions())
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    // Taken after the gauge's due date: the page says so beside the date.
    data.calibration.known = true;
    data.calibration.dueOn = QDate(2017, 1, 23);
    m_window->showMeasurement(7);
    QCOMPARE(ui->labelMeasDate->text(), german.toString(QDate(2017, 1, 24), QLocale::ShortFormat) +
                                            QStringLiteral(" – Kalibrierung überfällig"));

    m_window->showMeasurement(0);
    QCOMPARE(ui->stackedWidgetMeas->currentIndex(), 1);
    for (QAction *action : selectedMeasurementActions())
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    for (QAction *action : allMeasurementActions())
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    QCOMPARE(int(m_window->plotCurve()->dataSize()), 4);
}

void TestMainform::recordWithoutSamplesOrUnknownNumberEmptiesThePage()
{
    m_window->deviceData().records.append(newRecord(7, 4, 100.0f));
    m_window->deviceData().records.append(newRecord(9, 0, 80.0f));

    for (int number : {9, 42}) {
        m_window->showMeasurement(7);
        ui->labelSerialNr->setText("SN-1");
        m_window->showMeasurement(number);

        for (QLabel *label :
             {ui->labelSerialNr, ui->labelMeasN, ui->labelMeasDate, ui->labelMeasTime,
              ui->labelForceStart, ui->labelForceMax, ui->labelForceEnd, ui->labelForceAvg})
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
        QCOMPARE(int(m_window->plotCurve()->dataSize()), 0);
        QVERIFY(!ui->stackedWidgetMeas->isEnabledTo(ui->frame2));
        QCOMPARE(ui->stackedWidgetMeas->currentIndex(), 0);
        for (QAction *action : selectedMeasurementActions() + allMeasurementActions())
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    }
}

void TestMainform::timeAxisEndsAtWholeSecondsOrScalesToThePoints()
{
    QCOMPARE(timeAxisEnd(995, 100.0f), 10.0);
    QCOMPARE(timeAxisEnd(1005, 100.0f), 10.0);
    QCOMPARE(timeAxisEnd(1020, 100.0f), 11.0);

    QwtPlot *plot = ui->qwtPlot;
    Measurement *m = newRecord(3, 4, 10.0f);
    m_window->deviceData().records.append(m);
    m_window->showMeasurement(3);
    QVERIFY(!plot->axisAutoScale(QwtPlot::xBottom));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 2.0);

    // Without a rate a sample per second; a fixed range from before must go.
    for (float rate : {0.0f, -5.0f}) {
        m->sampleRate = rate;
        m_window->showMeasurement(3);
        QCOMPARE(m_window->plotCurve()->sample(3).x(), 3.0);
        QVERIFY(plot->axisAutoScale(QwtPlot::xBottom));
    }
    // 4 samples at 100 per second: the range 0 to 0 would hide the curve.
    m->sampleRate = 100.0f;
    m_window->showMeasurement(3);
    QVERIFY(plot->axisAutoScale(QwtPlot::xBottom));
}

void TestMainform::currentMeasurementNumberReadsTheCurrentRow()
{
    m_window->deviceData().records.append(newRecord(5, 4, 12.0f));
    QStandardItemModel *model = m_window->model();
    QStandardItem *device = treeItem(0);
    model->appendRow(device);
    device->appendRow({treeItem(5), treeItem(-3), treeItem(QStringLiteral("abc"))});
    const QModelIndex deviceIndex = model->index(0, 0);

    QCOMPARE(m_window->currentMeasurementNumber(), 0);
    ui->treeView->setCurrentIndex(model->index(0, 0, deviceIndex));
    QCOMPARE(m_window->currentMeasurementNumber(), 5);
    QCOMPARE(ui->labelForceMax->text(), QStringLiteral("12.0 N"));
    ui->treeView->setCurrentIndex(model->index(1, 0, deviceIndex));
    QCOMPARE(m_window->currentMeasurementNumber(), 0);
    ui->treeView->setCurrentIndex(model->index(2, 0, deviceIndex));
    QCOMPARE(m_window->currentMeasurementNumber(), 0);
    ui->treeView->setCurrentIndex(deviceIndex);
    QCOMPARE(m_window->currentMeasurementNumber(), 0);
    QCOMPARE(ui->stackedWidgetMeas->currentIndex(), 1);
}

void TestMainform::storedGeometryIsAppliedAtTheFirstShowOnly()
{
    m_status->formPosX = 30;
    m_status->formPosY = 40;
    m_status->formWidth = 640;
    m_status->formHeight = 480;
    show();
    QCOMPARE(m_window->pos(), QPoint(30, 40));
    QCOMPARE(m_window->size(), QSize(640, 480));
    QVERIFY(!m_window->isMaximized());

    m_window->move(100, 120);
    m_window->resize(700, 500);
    m_window->hide();
    show();
    QCOMPARE(m_window->pos(), QPoint(100, 120));
    QCOMPARE(m_window->size(), QSize(700, 500));

    QVERIFY(m_window->close());
    QCOMPARE(QList<int>({m_status->formPosX, m_status->formPosY, m_status->formWidth,
                         m_status->formHeight}),
             QList<int>({100, 120, 700, 500}));
    QCOMPARE(m_status->formMaximized, false);
}

void TestMainform::closingMaximizedStoresOnlyTheFlag()
{
    m_status->formPosX = 11;
    m_status->formPosY = 22;
    m_status->formWidth = 633;
    m_status->formHeight = 444;
    m_status->formMaximized = true;
    show();
    QVERIFY(m_window->isMaximized());
    m_window->showNormal();
    m_window->showMaximized();

    QVERIFY(m_window->close());
    QCOMPARE(QList<int>({m_status->formPosX, m_status->formPosY, m_status->formWidth,
                         m_status->formHeight}),
             QList<int>({11, 22, 633, 444}));
    QCOMPARE(m_status->formMaximized, true);
}

void TestMainform::closingStoresNegativePositionsAsZero()
{
    show();
    m_window->move(-50, 70);
    QCOMPARE(m_window->x(), -50);
    QVERIFY(m_window->close());
    QCOMPARE(QPoint(m_status->formPosX, m_status->formPosY), QPoint(0, 70));

    show();
    m_window->move(80, -30);
    QCOMPARE(m_window->y(), -30);
    QVERIFY(m_window->close());
    QCOMPARE(QPoint(m_status->formPosX, m_status->formPosY), QPoint(80, 0));
}

void TestMainform::quitActionClosesAndDestructionDeletesTheErrorWindow()
{
    show();
    ui->actionBeenden->trigger();
    QVERIFY(!m_window->isVisible());

    QPointer<QErrorMessage> errorWindow = m_window->errorWindow();
    QVERIFY(errorWindow && !errorWindow->parent());
    m_window.reset();
    QVERIFY(errorWindow.isNull());
}

void TestMainform::errorWindowShowsTwoLinesWithoutScrolling()
{
    QErrorMessage *errors = m_window->errorWindow();
    errors->showMessage(
        QStringLiteral("Das Archiv '/home/bediener/.config/tspx/Messungen/archive.sqlite' kann "
                       "nicht geschrieben werden: database is locked\n"
                       "Die übertragenen Messungen sind nicht archiviert."));
    QVERIFY(QTest::qWaitForWindowExposed(errors));
    const QTextEdit *text = errors->findChild<QTextEdit *>();
    QCOMPARE(text->verticalScrollBar()->maximum(), 0);
    QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
    errors->close();
}

void TestMainform::rowText()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Measurement m(7);
    m.dateText = "24;01;2017";
    m.timeText = "16;11;58";
    QCOMPARE(measurementRowText(m), QStringLiteral("#7 - 24.01.17 16:11"));
    Measurement bad(50);
    bad.dateText = "24.01.2017";
    bad.timeText = "09;05;00";
    QCOMPARE(measurementRowText(bad), QStringLiteral("#50 -  09:05"));
}

QTEST_MAIN(TestMainform)
void TestMainform::windowIsFittedToTheScreen()
{
    const QMargins titleBar(0, 30, 0, 0);
    const QRect defaults(20, 20, 900, 750);
    // 1024 x 768 less a panel: the status bar stays on the screen.
    const QRect small(0, 0, 1024, 740);
    const QRect fitted = fittedWindowGeometry(defaults, small, titleBar, true);
    QVERIFY(small.contains(fitted.marginsAdded(titleBar)));
    QCOMPARE(fitted.width(), 900);
    // 1920 x 1080: the first start's window grows and is centred; a size the
    // operator chose stays, moved onto the screen.
    const QRect large(0, 0, 1920, 1050);
    QCOMPARE(fittedWindowGeometry(defaults, large, titleBar, true), QRect(240, 157, 1440, 765));
    QCOMPARE(fittedWindowGeometry({3000, 20, 900, 750}, large, titleBar, false),
             QRect(1020, 30, 900, 750));
}

void TestMainform::tabGoesFromTheTransferButtonThroughTheFilterToTheTree()
{
    QStringList order;
    QWidget *field = ui->buttonTransfer;
    for (int step = 0; step < 40 && field != ui->treeView; ++step) {
        field = field->nextInFocusChain();
        if (field->parentWidget() == m_window->archiveFilter() || field == ui->treeView)
            order << field->objectName();
    }
    QCOMPARE(order, QStringList({"editSuche", "cbZeitraum", "dateVon", "dateBis", "treeView"}));
}

// What the file kept before the server is looked for off the window's
// thread; the window asks once the count is known.
void TestMainform::theFilesMeasurementsAreOfferedForTheServer()
{
    TestServer server;
    TSPX_REQUIRE_SERVER(server);
    m_window.reset();
    const ArchiveServer owner = server.freshDatabase(QStringLiteral("offer"));
    {
        MeasurementArchive file;
        QVERIFY(file.open(archiveConfig(*m_status).filePath).ok());
        std::unique_ptr<Measurement> a(newRecord(1, 4, 100.0f)), b(newRecord(2, 4, 200.0f));
        QVERIFY(file.storeTransfer({"TP-4711", "1.07", 0}, {a.get(), b.get()},
                                   QDateTime::currentDateTimeUtc()).ok());
    }
    m_status->archiveBackend = StatusIni::kServerBackend;
    m_status->serverHost = owner.host;
    m_status->serverPort = owner.port;
    m_status->serverDatabase = owner.database;
    m_status->serverUser = owner.user;
    m_window = std::make_unique<Mainform>(m_config.get(), *m_services, "1.2  build: test");
    show();
    QMessageBox *offer = nullptr;
    QTRY_VERIFY((offer = m_window->findChild<QMessageBox *>()) && offer->isVisible());
    QCOMPARE(offer->text(), WorkflowText::notOnServerQuestion(2));
}

#include "tst_mainform.moc"
