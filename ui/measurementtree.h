#pragma once

#include "measurement/devicedata.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QStandardItemModel>

// Item data role of a tree row: the measurement number (0 for the device row).
constexpr int MeasurementNumberRole = Qt::UserRole + 1;

// The row text "#%0 - %1 %2" of a measurement.
QString measurementRowText(const Measurement &m);

// The window's tree: the gauge's row with a row per measurement (its number
// in MeasurementNumberRole) and, beside it, the archive's rows.
class MeasurementTree : public QStandardItemModel
{
    Q_OBJECT

public:
    using QStandardItemModel::QStandardItemModel;

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

private:
    QPersistentModelIndex m_deviceIndex;
};
