#include "ui/measurementtree.h"

#include "measurement/measurementset.h"

#include <QBrush>

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

void MeasurementTree::markVerdicts(const DeviceData &gauge, const TestPlan *plan)
{
    QStandardItem *deviceRow = itemFromIndex(m_deviceIndex);
    if (!deviceRow)
        return;
    // The view shows as many columns as the top rows have.
    setColumnCount(plan ? 2 : 1);
    if (!plan) {
        deviceRow->setColumnCount(1);
        return;
    }
    for (int row = 0; row < deviceRow->rowCount(); ++row) {
        const int number = deviceRow->child(row)->data(MeasurementNumberRole).toInt();
        const Measurement *m = findMeasurement(gauge.records, number);
        auto *mark = new QStandardItem;
        mark->setData(number, MeasurementNumberRole);
        if (m && heldSampleCount(*m) > 0) {
            const bool pass = judgeByPlan(*plan, *m).pass();
            mark->setText(verdictText(pass));
            mark->setForeground(pass ? QColor(0, 96, 0) : QColor(176, 0, 0));
        }
        deviceRow->setChild(row, 1, mark);
    }
}
