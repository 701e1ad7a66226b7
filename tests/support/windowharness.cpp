#include "windowharness.h"

#include "measurement/measurement.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QErrorMessage>
#include <QFile>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>

WindowHarness::WindowHarness() = default;

WindowHarness::~WindowHarness()
{
    m_window.reset();
    m_status = nullptr;
    m_services.reset();
    m_config.reset();
    m_gauge.reset();
    m_configHome.reset();
}

bool WindowHarness::setUp()
{
    m_configHome = std::make_unique<TemporaryConfigHome>();
    if (!m_configHome->isValid())
        return false;
    m_config = std::make_unique<ConfigIni>("config");
    m_services = std::make_unique<GaugeServices>();
    m_status = &m_services->status();
    // The transcripts of the window tests are those of the full transfer;
    // tests of the quick transfer switch it on.
    m_status->quickTransfer = false;
    m_window = std::make_unique<Mainform>(m_config.get(), *m_services, "1.2  build: test");
    m_ui = m_window->formUi();
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

bool WindowHarness::startGauge(const QByteArray &data, const QStringList &options)
{
    m_gauge.reset();
    QFile file(filePath(QStringLiteral("gauge.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    file.close();
    return startGeneratedGauge(QStringList{"--data", file.fileName()} + options);
}

bool WindowHarness::startGeneratedGauge(const QStringList &options)
{
    m_gauge.reset();
    m_gauge = std::make_unique<SimProcess>(options);
    if (!m_gauge->start()) {
        qWarning() << m_gauge->errorText();
        return false;
    }
    return true;
}

void WindowHarness::useQuickLink()
{
    m_window->setLinkTiming(quickLinkTiming());
}

void WindowHarness::stopGauge()
{
    m_gauge.reset();
}

void WindowHarness::transfer()
{
    m_ui->buttonTransfer->click();
    waitForJob();
}

bool WindowHarness::waitForJob(int timeoutMs)
{
    // The job's end comes back as an event; the button is enabled after it.
    return QTest::qWaitFor([this] { return m_window->deviceJobRunning() == false; }, timeoutMs);
}

QList<QByteArray> WindowHarness::traffic() const
{
    return m_gauge ? m_gauge->transcriptLines() : QList<QByteArray>();
}

QString WindowHarness::filePath(const QString &name) const
{
    return folder() + QLatin1Char('/') + name;
}

QModelIndex WindowHarness::deviceIndex() const
{
    return m_window->model()->index(0, 0);
}

QList<int> WindowHarness::rowNumbers() const
{
    QList<int> numbers;
    const QStandardItemModel *model = m_window->model();
    for (int row = 0; row < model->rowCount(deviceIndex()); ++row)
        numbers << model->index(row, 0, deviceIndex()).data(MeasurementNumberRole).toInt();
    return numbers;
}

QList<int> WindowHarness::recordNumbers() const
{
    QList<int> numbers;
    for (const Measurement *record : m_window->deviceData().records)
        numbers << record->number;
    return numbers;
}

bool WindowHarness::select(int number)
{
    if (number == 0) {
        m_ui->treeView->setCurrentIndex(deviceIndex());
        return deviceIndex().isValid();
    }
    const int row = rowNumbers().indexOf(number);
    if (row < 0)
        return false;
    m_ui->treeView->setCurrentIndex(m_window->model()->index(row, 0, deviceIndex()));
    return m_window->currentMeasurementNumber() == number;
}

QString WindowHarness::shownError() const
{
    QErrorMessage *window = m_window->errorWindow();
    if (!window->isVisible())
        return QString();
    return window->findChild<QTextEdit *>()->toPlainText();
}
