#pragma once

#include "measurement/devicedata.h"
#include "measurement/measurementset.h"
#include "workflow/planevaluationjob.h"

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QString>
#include <memory>

class ArchiveBrowsing;
class ArchiveFilterBar;
class ArchiveRows;
class ArchiveSearch;
class MeasurementArchive;
class MeasurementTree;
class QErrorMessage;
class QStandardItem;
class QTimer;
class QTreeView;
class StatusIni;
struct ArchiveSearchResult;
struct ArchiveStatus;
struct TransferOutcome;

// The measurement archive in the window: opening it and saying what went
// wrong, the "Archiv" rows under the filter bar, the archived measurement
// shown, exports of archived groups, report designations and the CSV import.
// The rows come level by level as they are expanded; a search runs in the
// database on a thread of its own once typing pauses.
// What the window must do in turn it is told through the signals.
class ArchiveBrowser : public QObject
{
    Q_OBJECT

public:
    // What the browser works in; all of it outlives the browser.
    struct Parts
    {
        QWidget *window = nullptr;
        QWidget *frame = nullptr;
        QTreeView *tree = nullptr;
        MeasurementTree *model = nullptr;
        StatusIni *status = nullptr;
        QErrorMessage *errors = nullptr;
        // The services' archive.
        MeasurementArchive *archive = nullptr;
    };

    explicit ArchiveBrowser(const Parts &parts, QObject *parent = nullptr);
    ~ArchiveBrowser() override;

    ArchiveBrowser(const ArchiveBrowser &) = delete;
    ArchiveBrowser &operator=(const ArchiveBrowser &) = delete;

    MeasurementArchive *archive() const { return m_archive; }
    ArchiveFilterBar *filterBar() const { return m_filterBar; }
    // The "Archiv" row (invalid while the archive is closed or empty).
    QModelIndex rootIndex() const;
    bool rowSelected() const;
    // The archived measurement shown (one record, or none).
    const DeviceData &shown() const { return m_shown; }
    // What the report commands work on: the archived measurement shown, or
    // the gauge's list and its `current` measurement.
    const DeviceData &reportData(const DeviceData &gauge) const;
    int reportNumber(int current) const;

    // Opens the archive at the path of the settings; problems are said.
    void open();
    // A transfer's archiving: a failure said, success logged.
    void showTransferOutcome(const TransferOutcome &outcome, bool anyRecords);
    // The rows again: at once without a filter, else when the search has run.
    void rebuildRows();
    // Station rows above the gauges; kept in the status file.
    void setGroupByStation(bool on);
    // Loads and shows the archived row (or clears the values).
    void showRow(const QModelIndex &index);
    // The group the current archive row heads (a measurement's row: its day),
    // loaded into `into` (its first `largest`, or all); false when there is
    // none or it cannot be read.
    bool loadCurrentGroup(DeviceData &into, int largest = -1);
    // The group the current archive row heads, to judge by a plan (see
    // ArchiveRows::groupAt); empty on other rows.
    GroupSelection currentGroup() const;
    // Makes the archived measurement's row current, when the rows show it.
    void selectArchived(const JudgedMeasurement &measurement);
    // "All" on an archive row: the group it heads, or the day of a measurement.
    void exportGroup();
    // The designation typed in for a report of `current` (of `gauge`, unless
    // an archive row is shown) goes with the measurement into the archive.
    void storeDesignation(const QString &designation, const DeviceData &gauge, int current);
    void importCsv();
    // The tree can be used whenever it has something to show.
    void enableFrameForBrowsing();

signals:
    void measurementShown(const Measurement &measurement, double factor, const QString &unit);
    void measurementCleared();
    void exportRequested(const QList<const Measurement *> &records, const DeviceData &source);
    // The archive was opened (again), or a transfer written into it.
    void archiveOpened();
    void archiveWritten();

private:
    void reportProblem(const QString &text);
    void showSearchResult(const ArchiveSearchResult &result);
    // The rows' queries, on the connection the archive reads now.
    ArchiveBrowsing &browsing();
    // Puts `root` (none: no "Archiv" row) in place of the old "Archiv" row.
    void replaceRoot(QStandardItem *root, bool expandAll);
    QString errorText(const ArchiveStatus &status) const;
    bool load(const QList<qint64> &ids, DeviceData &into);

    Parts m_parts;
    MeasurementArchive *m_archive;
    ArchiveFilterBar *m_filterBar;
    std::unique_ptr<ArchiveRows> m_rows;
    ArchiveSearch *m_search;
    QTimer *m_typingPause;
    int m_searchGeneration = 0;
    DeviceData m_shown;
    qint64 m_shownId = 0;
};
