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

    // The shown texts, row by row, for the tests.
    QStringList statisticsRow(int row) const;
    QStringList verdictRow(int row) const;
    int verdictCount() const;
    QString note() const;

private:
    Ui::StatisticsView *m_ui;
};
