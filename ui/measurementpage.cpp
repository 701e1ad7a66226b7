#include "ui/measurementpage.h"

#include "measurement/seriesstatistics.h"
#include "plot/forceplot.h"
#include "plot/planoverlay.h"
#include "ui_mainform.h"
#include "workflow/activeplan.h"

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
    m_planOverlay = std::make_unique<PlanOverlay>(ui->qwtPlot);
}

MeasurementPage::~MeasurementPage()
{
    m_planOverlay.reset();
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
    m_shown = measurement;
    m_factor = factor;
    m_unit = unit;
    showCurveAndPlan();
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
    m_shown.reset();
    m_planOverlay->clear();
    if (m_judged)
        m_judged(nullptr);
}

void MeasurementPage::setActivePlan(const ActivePlan *plan,
                                    std::function<void(const PlanVerdict *)> judged)
{
    m_activePlan = plan;
    m_judged = std::move(judged);
}

void MeasurementPage::showCurveAndPlan()
{
    const TestPlan *plan = m_activePlan ? m_activePlan->plan() : nullptr;
    m_timeShift = 0.0;
    if (plan) {
        const TriggeredCurve triggered = TriggeredCurve::of(*m_shown, plan->triggerForce);
        if (triggered.triggered)
            m_timeShift = triggered.triggerTime();
    }
    showForceCurve(ui->qwtPlot, m_curve, *m_shown, m_factor, m_unit, m_timeShift);
    judgeAgain();
}

bool MeasurementPage::judgeAgain()
{
    const TestPlan *plan = m_activePlan ? m_activePlan->plan() : nullptr;
    if (!m_shown) {
        m_planOverlay->clear();
        return false;
    }
    if (plan) {
        const TriggeredCurve triggered = TriggeredCurve::of(*m_shown, plan->triggerForce);
        const double shift = triggered.triggered ? triggered.triggerTime() : 0.0;
        if (shift != m_timeShift) {
            showCurveAndPlan();
            return true;
        }
    } else if (m_timeShift != 0.0) {
        showCurveAndPlan();
        return true;
    }
    if (!plan) {
        m_planOverlay->clear();
        if (m_judged)
            m_judged(nullptr);
        return false;
    }
    const PlanVerdict verdict = judgeByPlan(*plan, *m_shown);
    m_planOverlay->show(*plan, verdict, m_factor);
    if (m_judged)
        m_judged(&verdict);
    return false;
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
