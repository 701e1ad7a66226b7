#include "ui/measurementpage.h"

#include "measurement/seriesstatistics.h"
#include "plot/forceplot.h"
#include "ui_mainform.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <cmath>

namespace {

constexpr int kMeasurementPage = 0;
constexpr int kDevicePage = 1;

} // namespace

MeasurementPage::MeasurementPage(Ui::MainForm *ui) : ui(ui)
{
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
    const ForcePlotItems items = configureForcePlot(ui->qwtPlot, ui->stackedWidgetMeas->font());
    m_curve = items.curve;
    m_grid = items.grid;
}

MeasurementPage::~MeasurementPage()
{
    m_grid->detach();
    delete m_grid;
    m_curve->detach();
    delete m_curve;
}

void MeasurementPage::showValues(const Measurement &measurement, double factor, const QString &unit,
                                 const ForceLimits &limits, const QString &calibrationMark)
{
    ui->labelMeasN->setText(QString::number(measurement.number));
    const QString date = formatMeasurementDate(measurement.dateText);
    ui->labelMeasDate->setText(calibrationMark.isEmpty()
                                   ? date
                                   : date + QStringLiteral(" – ") + calibrationMark);
    ui->labelMeasTime->setText(formatMeasurementTime(measurement.timeText));
    ui->labelForceStart->setText(formatForce(measurement.forceStart, factor, unit));
    showForceMax(measurement, factor, unit, limits);
    ui->labelForceEnd->setText(formatForce(measurement.forceEnd, factor, unit));
    ui->labelForceAvg->setText(formatForce(measurement.forceAvg, factor, unit));
    showForceCurve(ui->qwtPlot, m_curve, measurement, factor, unit);
    ui->stackedWidgetMeas->setEnabled(true);
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
}

void MeasurementPage::showForceMax(const Measurement &measurement, double factor,
                                   const QString &unit, const ForceLimits &limits)
{
    const double value = double(measurement.forceMax) * factor;
    const QString verdict = std::isfinite(value) && !limits.isCrossed()
                                ? StatisticsText::singleVerdict(value, limits, unit)
                                : QString();
    const QString shown = formatForce(measurement.forceMax, factor, unit);
    ui->labelForceMax->setText(verdict.isEmpty() ? shown
                                                 : shown + QStringLiteral("   ") + verdict);
    const bool failed = verdictFor(value, limits) == Verdict::Fail;
    ui->labelForceMax->setStyleSheet(verdict.isEmpty() ? QString()
                                     : failed ? QStringLiteral("color: #b00000; font-weight: bold;")
                                              : QStringLiteral("color: #006000;"));
}

void MeasurementPage::clearValues()
{
    ui->labelSerialNr->clear();
    clearShown();
    ui->stackedWidgetMeas->setEnabled(false);
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
}

void MeasurementPage::clearShown()
{
    for (QLabel *label : {ui->labelMeasN, ui->labelMeasDate, ui->labelMeasTime, ui->labelForceStart,
                          ui->labelForceMax, ui->labelForceEnd, ui->labelForceAvg})
        label->clear();
    ui->labelForceMax->setStyleSheet(QString());
    clearForceCurve(m_curve);
}

void MeasurementPage::showValuesPage()
{
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
}

void MeasurementPage::showDevicePage()
{
    ui->stackedWidgetMeas->setCurrentIndex(kDevicePage);
}

void MeasurementPage::showIdentity(const DeviceData &gauge)
{
    ui->labelSerialNr->setText(QString::fromLatin1(gauge.serialNr));
    ui->labelSwVersion->setText(QString::fromLatin1(gauge.swVersion));
}
