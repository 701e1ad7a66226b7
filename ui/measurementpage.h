#pragma once

#include "measurement/devicedata.h"
#include "measurement/measurementset.h"

#include <QString>

class QwtPlotCurve;
class QwtPlotGrid;

namespace Ui {
class MainForm;
}

// The window's right-hand pages: one measurement's values and force/time
// curve, or the gauge's identity. Owns the diagram's curve and grid.
class MeasurementPage
{
public:
    explicit MeasurementPage(Ui::MainForm *ui);
    ~MeasurementPage();

    MeasurementPage(const MeasurementPage &) = delete;
    MeasurementPage &operator=(const MeasurementPage &) = delete;

    QwtPlotCurve *curve() const { return m_curve; }

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
    void showForceMax(const Measurement &measurement, double factor, const QString &unit,
                      const ForceLimits &limits);

    Ui::MainForm *ui;
    QwtPlotCurve *m_curve;
    QwtPlotGrid *m_grid;
};
