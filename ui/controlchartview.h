#pragma once

#include "measurement/serieschart.h"

#include <QMap>
#include <QWidget>

namespace Ui {
class ControlChartView;
}

// The control chart tab: the characteristic, chart type, subgroup size and
// rule set to choose; the location and dispersion charts with their limits
// and the points that break a rule marked; the histogram with the normal
// curve and the limits; the list of the violations with their rule.
class ControlChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ControlChartView(QWidget *parent = nullptr);
    ~ControlChartView() override;

    ControlChartView(const ControlChartView &) = delete;
    ControlChartView &operator=(const ControlChartView &) = delete;

    // Lists the plan's characteristics beside the built-in quantities (none
    // without a plan); the choice stays when its name is still there.
    void setPlan(const TestPlan *plan);
    // Charts the set with its statistics (for the verdict line); `source`
    // says where it comes from.
    void showSet(const MeasurementSet &set, const QString &source,
                 const SeriesStatistics &statistics);
    ChartSettings settings() const;
    const SeriesChart &chart() const { return m_chart; }

    // The rows of the violations list, for the tests.
    int violationCount() const;
    QStringList violationRow(int row) const;
    QString sourceText() const;
    // The capability's verdict, the count beyond the limits and the limits.
    QString verdictText() const;

signals:
    // A choice changed: the owner shows the set again.
    void settingsChanged();

private:
    void typeChanged();
    void fixLimits(bool fixed);
    void forgetFixedLimits();
    int currentQuantity() const;
    void showViolations();
    void showVerdict(const MeasurementSet &set, const SeriesStatistics &statistics);

    Ui::ControlChartView *m_ui;
    SeriesChart m_chart;
    ForceLimits m_limits;
    // Reference limits by characteristic (the selector's data), for the chart type chosen.
    QMap<int, ChartLimits> m_fixedLimits;
};
