#pragma once

#include "measurement/devicedata.h"
#include "measurement/testplan.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QStandardItemModel>

// Item data role of a tree row: the measurement number (0 for the device row).
constexpr int MeasurementNumberRole = Qt::UserRole + 1;

// The row text "#%0 - %1 %2" of a measurement.
QString measurementRowText(const Measurement &m);

// Fills rows on demand: a row it can fetch for shows an expander before its
// children exist, and gets them when the view expands it.
class LazyRows
{
public:
    virtual ~LazyRows() = default;
    virtual bool canFetch(const QStandardItem *item) const = 0;
    virtual void fetch(QStandardItem *item) = 0;
};

// The window's tree: the gauge's row with a row per measurement (its number
// in MeasurementNumberRole) and, beside it, the archive's rows, which the
// LazyRows set fill as they are expanded.
class MeasurementTree : public QStandardItemModel
{
    Q_OBJECT

public:
    using QStandardItemModel::QStandardItemModel;

    void setLazyRows(LazyRows *rows) { m_lazyRows = rows; }
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    // A row's tool tip is its whole text, which a narrow tree cuts short.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The measurement number of a row; 0 for none, a top row or an archive row.
    static int numberAt(const QModelIndex &index);

    // Invalid while the tree has no gauge row.
    QModelIndex deviceIndex() const { return m_deviceIndex; }
    // Everything goes; the gauge's row comes back empty.
    QModelIndex resetToDevice();
    void addMeasurementRows(const DeviceData &gauge);
    void removeMeasurementRows(const QList<int> &slotNumbers);
    // The archive's rows stay.
    void removeDeviceRow();
    // Beside each of the gauge's measurements its verdict by `plan`
    // ("i.O."/"n.i.O."); without a plan the column goes.
    void markVerdicts(const DeviceData &gauge, const TestPlan *plan);

private:
    QPersistentModelIndex m_deviceIndex;
    LazyRows *m_lazyRows = nullptr;
};
