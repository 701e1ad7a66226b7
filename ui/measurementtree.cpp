#include "ui/measurementtree.h"

QString measurementRowText(const Measurement &m)
{
    return QLatin1Char('#') + QString::number(m.number) + QStringLiteral(" - ") +
           formatMeasurementDate(m.dateText) + QLatin1Char(' ') + formatMeasurementTime(m.timeText);
}

namespace {

const QString kDeviceRowText = QStringLiteral("Tensimo Parl");

QStandardItem *newTreeItem(const QString &text, int number)
{
    auto *item = new QStandardItem(text);
    item->setData(number, MeasurementNumberRole);
    return item;
}

} // namespace

QVariant MeasurementTree::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ToolTipRole && QStandardItemModel::data(index, role).isNull())
        return QStandardItemModel::data(index, Qt::DisplayRole);
    return QStandardItemModel::data(index, role);
}

int MeasurementTree::numberAt(const QModelIndex &index)
{
    if (!index.isValid())
        return 0;
    bool isInt = false;
    const int number = index.data(MeasurementNumberRole).toInt(&isInt);
    return isInt && number > 0 ? number : 0;
}

QModelIndex MeasurementTree::resetToDevice()
{
    clear();
    QStandardItem *deviceRow = newTreeItem(kDeviceRowText, 0);
    appendRow(deviceRow);
    m_deviceIndex = deviceRow->index();
    return m_deviceIndex;
}

void MeasurementTree::addMeasurementRows(const DeviceData &gauge)
{
    QStandardItem *deviceRow = itemFromIndex(m_deviceIndex);
    for (const Measurement *measurement : gauge.records) {
        if (measurement->number == 0)
            continue;
        QString text = measurementRowText(*measurement);
        const QString mark = calibrationMarkText(calibrationMarkOf(*measurement, gauge.calibration));
        if (!mark.isEmpty())
            text += QStringLiteral(" – ") + mark;
        deviceRow->appendRow(newTreeItem(text, measurement->number));
    }
}

void MeasurementTree::removeMeasurementRows(const QList<int> &slotNumbers)
{
    QStandardItem *deviceRow = itemFromIndex(m_deviceIndex);
    if (!deviceRow)
        return;
    for (int row = deviceRow->rowCount() - 1; row >= 0; --row) {
        if (slotNumbers.contains(deviceRow->child(row)->data(MeasurementNumberRole).toInt()))
            deviceRow->removeRow(row);
    }
}

void MeasurementTree::removeDeviceRow()
{
    if (m_deviceIndex.isValid())
        removeRow(m_deviceIndex.row());
}

bool MeasurementTree::hasChildren(const QModelIndex &parent) const
{
    return canFetchMore(parent) || QStandardItemModel::hasChildren(parent);
}

bool MeasurementTree::canFetchMore(const QModelIndex &parent) const
{
    const QStandardItem *item = itemFromIndex(parent);
    return m_lazyRows && item && m_lazyRows->canFetch(item);
}

void MeasurementTree::fetchMore(const QModelIndex &parent)
{
    if (canFetchMore(parent))
        m_lazyRows->fetch(itemFromIndex(parent));
}
