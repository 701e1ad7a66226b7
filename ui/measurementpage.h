#pragma once

#include "measurement/devicedata.h"
#include "measurement/measurementset.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class ActivePlan;
class PlanOverlay;
struct PlanVerdict;
class QwtPlotCurve;
class QwtPlotGrid;

namespace Ui {
class MainForm;
}

// The window's right-hand pages: one measurement's values and force/time
// curve, or the gauge's identity. Owns the diagram's curve and grid, and
// draws the active test plan over the curve, its times from the plan's
// trigger, with what it found on the measurement.
class MeasurementPage
{
public:
    explicit MeasurementPage(Ui::MainForm *ui);
    ~MeasurementPage();

    MeasurementPage(const MeasurementPage &) = delete;
    MeasurementPage &operator=(const MeasurementPage &) = delete;

    QwtPlotCurve *curve() const { return m_curve; }
    PlanOverlay *planOverlay() const { return m_planOverlay.get(); }

    // The plan drawn and judged by; `judged` hears each verdict on the shown
    // measurement (null when none is shown or there is no plan).
    void setActivePlan(const ActivePlan *plan, std::function<void(const PlanVerdict *)> judged);
    // After the plan changed: the shown measurement judged again; true when
    // its curve moved (a new trigger time).
    bool judgeAgain();

    // The maximum force is judged against the limits given (in the unit shown);
    // `calibrationMark` ("Kalibrierung überfällig") follows the date.
    void showValues(const Measurement &measurement, double factor, const QString &unit,
                    const ForceLimits &limits = ForceLimits(),
                    const QString &calibrationMark = QString());
    // No measurement: the values, the curve and the serial number go, the
    // page is disabled.
    void clearValues();
    // The measurement's values and curve; the device's identity stays.
    void clearShown();
    void showValuesPage();
    void showDevicePage();
    void showIdentity(const DeviceData &gauge);

private:
    // The shown measurement's curve and the plan over it.
    void showCurveAndPlan();
    void showForceMax(const Measurement &measurement, double factor, const QString &unit,
                      const ForceLimits &limits);

    Ui::MainForm *ui;
    QwtPlotCurve *m_curve;
    QwtPlotGrid *m_grid;
    std::unique_ptr<PlanOverlay> m_planOverlay;
    const ActivePlan *m_activePlan = nullptr;
    std::function<void(const PlanVerdict *)> m_judged;
    // What the curve shows: a copy, as an archived measurement lives elsewhere.
    std::optional<Measurement> m_shown;
    double m_factor = 1.0;
    QString m_unit;
    double m_timeShift = 0.0;
};
