#pragma once

#include <QWidget>

struct MeasurementSet;
struct SeriesStatistics;

namespace Ui {
class StatisticsView;
}

// The statistics of the selected measurements below the diagram: n, mean,
// standard deviation, CV %, minimum, maximum, range (and Pp/Ppk, Cp/Cpk of the
// maximum force) in one table, each measurement's maximum force and verdict
// in another, and a note on the limits.
class StatisticsView : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsView(QWidget *parent = nullptr);
    ~StatisticsView() override;

    StatisticsView(const StatisticsView &) = delete;
    StatisticsView &operator=(const StatisticsView &) = delete;

    void showStatistics(const MeasurementSet &set, const SeriesStatistics &statistics);
    // Under the control chart: the statistics table and its note only, so
    // that the charts keep their room at 1024x768; the verdict of each
    // measurement stays under the curves.
    void setCompact(bool compact);

    // The shown texts, row by row, for the tests.
    QStringList statisticsRow(int row) const;
    QStringList verdictRow(int row) const;
    int verdictCount() const;
    QString note() const;

private:
    Ui::StatisticsView *m_ui;
};
