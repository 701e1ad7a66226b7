#include "ui/archivetree.h"

#include "ui/measurementtree.h"
#include <QCoreApplication>
#include <QLocale>
#include <QModelIndex>
#include <QStandardItem>

namespace {

QString trArchive(const char *text)
{
    return QCoreApplication::translate("ArchiveTree", text);
}

QStandardItem *newArchiveItem(const QString &text, ArchiveRow kind, qint64 id = 0)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(-1, MeasurementNumberRole);
    item->setData(int(kind), ArchiveRowRole);
    item->setData(id, ArchiveIdRole);
    return item;
}

QString serialText(const QByteArray &serialNr)
{
    return serialNr.isEmpty() ? trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "ohne Seriennummer"))
                              : QString::fromLatin1(serialNr);
}

QString dayText(const QDate &day)
{
    return day.isValid() ? QLocale().toString(day, QLocale::ShortFormat)
                         : trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "ohne Datum"));
}

} // namespace

QString archiveEntryText(const ArchiveEntry &entry)
{
    QString text = QLatin1Char('#') + QString::number(entry.slot) + QStringLiteral(" - ") +
                   formatMeasurementTime(entry.timeText);
    if (!entry.designation.isEmpty())
        text += QStringLiteral(" - ") + entry.designation;
    return text;
}

namespace {

void collectIds(const QModelIndex &index, QList<qint64> &ids)
{
    if (archiveRowKind(index) == ArchiveRow::Measurement)
        ids.append(index.data(ArchiveIdRole).toLongLong());
    const QAbstractItemModel *model = index.model();
    for (int row = 0; model && row < model->rowCount(index); ++row)
        collectIds(model->index(row, 0, index), ids);
}

} // namespace

QStandardItem *newArchiveTree(const QList<ArchiveEntry> &entries)
{
    QStandardItem *root =
        newArchiveItem(trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "Archiv")), ArchiveRow::Root);
    QStandardItem *serialRow = nullptr;
    QStandardItem *dayRow = nullptr;
    QByteArray serial;
    QDate day;
    for (const ArchiveEntry &entry : entries) {
        if (!serialRow || entry.serialNr != serial) {
            serial = entry.serialNr;
            serialRow = newArchiveItem(serialText(serial), ArchiveRow::Serial);
            root->appendRow(serialRow);
            dayRow = nullptr;
        }
        if (!dayRow || entry.day != day) {
            day = entry.day;
            dayRow = newArchiveItem(dayText(day), ArchiveRow::Day);
            serialRow->appendRow(dayRow);
        }
        dayRow->appendRow(
            newArchiveItem(archiveEntryText(entry), ArchiveRow::Measurement, entry.id));
    }
    return root;
}

ArchiveRow archiveRowKind(const QModelIndex &index)
{
    return ArchiveRow(index.data(ArchiveRowRole).toInt());
}

bool isArchiveRow(const QModelIndex &index)
{
    return index.isValid() && index.data(ArchiveRowRole).toInt() != 0;
}

QList<qint64> archiveIdsAt(const QModelIndex &index)
{
    QList<qint64> ids;
    if (isArchiveRow(index))
        collectIds(index, ids);
    return ids;
}
