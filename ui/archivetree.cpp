#include "ui/archivetree.h"

#include "archive/archivesearch.h"

#include <QCoreApplication>
#include <QLocale>
#include <QModelIndex>
#include <QStandardItem>

namespace {

// What a group row needs to fetch its children.
constexpr int SerialRole = Qt::UserRole + 4;       // the gauge's serial number
constexpr int TextInSerialRole = Qt::UserRole + 5; // ArchiveGauge::textInSerial
constexpr int DayRole = Qt::UserRole + 6;          // the day (invalid: without a date)
constexpr int FetchedRole = Qt::UserRole + 7;      // the children are there
constexpr int StationRole = Qt::UserRole + 8;      // the station's name

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

QStandardItem *newRootItem()
{
    return newArchiveItem(trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "Archiv")), ArchiveRow::Root);
}

QStandardItem *newStationItem(const QString &station)
{
    QStandardItem *item = newArchiveItem(
        station.isEmpty() ? trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "ohne Station")) : station,
        ArchiveRow::Station);
    item->setData(station, StationRole);
    return item;
}

QStandardItem *newGaugeItem(const ArchiveGauge &gauge)
{
    QStandardItem *item = newArchiveItem(serialText(gauge.serialNr), ArchiveRow::Serial);
    item->setData(gauge.serialNr, SerialRole);
    item->setData(gauge.textInSerial, TextInSerialRole);
    return item;
}

QStandardItem *newDayItem(const QDate &day)
{
    QStandardItem *item = newArchiveItem(dayText(day), ArchiveRow::Day);
    item->setData(day, DayRole);
    return item;
}

void appendMeasurements(QStandardItem *dayItem, const QList<ArchiveEntry> &entries)
{
    QList<QStandardItem *> rows;
    rows.reserve(entries.size());
    for (const ArchiveEntry &entry : entries)
        rows.append(newArchiveItem(archiveEntryText(entry), ArchiveRow::Measurement, entry.id));
    dayItem->appendRows(rows);
    dayItem->setData(true, FetchedRole);
}

ArchiveGauge gaugeOf(const QStandardItem *item)
{
    ArchiveGauge gauge;
    gauge.serialNr = item->data(SerialRole).toByteArray();
    gauge.textInSerial = item->data(TextInSerialRole).toBool();
    return gauge;
}

ArchiveRow kindOf(const QStandardItem *item)
{
    return ArchiveRow(item->data(ArchiveRowRole).toInt());
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

QStandardItem *ArchiveRows::newRoot()
{
    m_filter = {};
    QStandardItem *root = newRootItem();
    if (!m_byStation) {
        root->appendRows(gaugeItems(m_filter));
        return root;
    }
    QList<QStandardItem *> rows;
    for (const QString &station : m_browsing.stations())
        rows.append(newStationItem(station));
    root->appendRows(rows);
    return root;
}

QList<QStandardItem *> ArchiveRows::gaugeItems(const ArchiveFilter &filter)
{
    QList<QStandardItem *> rows;
    for (const ArchiveGauge &gauge : m_browsing.gauges(filter))
        rows.append(newGaugeItem(gauge));
    return rows;
}

ArchiveFilter ArchiveRows::filterAt(const QStandardItem *item) const
{
    ArchiveFilter filter = m_filter;
    for (; item; item = item->parent()) {
        if (kindOf(item) == ArchiveRow::Station)
            filter.station = item->data(StationRole).toString();
    }
    return filter;
}

QStandardItem *ArchiveRows::newRoot(const ArchiveSearchResult &result)
{
    m_filter = result.filter;
    QStandardItem *root = newRootItem();
    for (const ArchiveSearchResult::Gauge &found : result.gauges) {
        QStandardItem *gaugeItem = newGaugeItem(found.gauge);
        root->appendRow(gaugeItem);
        if (!result.complete)
            continue;
        for (const ArchiveSearchResult::Day &day : found.days) {
            QStandardItem *dayItem = newDayItem(day.day);
            gaugeItem->appendRow(dayItem);
            appendMeasurements(dayItem, day.entries);
        }
        gaugeItem->setData(true, FetchedRole);
    }
    if (result.gauges.isEmpty()) {
        QStandardItem *note = newArchiveItem(
            trArchive(QT_TRANSLATE_NOOP("ArchiveTree", "Keine Treffer")), ArchiveRow::Note);
        note->setFlags(Qt::ItemIsEnabled);
        root->appendRow(note);
    }
    return root;
}

bool ArchiveRows::canFetch(const QStandardItem *item) const
{
    const ArchiveRow kind = kindOf(item);
    return (kind == ArchiveRow::Station || kind == ArchiveRow::Serial || kind == ArchiveRow::Day) &&
           !item->data(FetchedRole).toBool();
}

void ArchiveRows::fetch(QStandardItem *item)
{
    if (!canFetch(item))
        return;
    if (kindOf(item) == ArchiveRow::Day) {
        appendMeasurements(item, m_browsing.measurements(gaugeOf(item->parent()),
                                                         item->data(DayRole).toDate(),
                                                         filterAt(item)));
        return;
    }
    if (kindOf(item) == ArchiveRow::Station) {
        item->appendRows(gaugeItems(filterAt(item)));
        item->setData(true, FetchedRole);
        return;
    }
    QList<QStandardItem *> rows;
    for (const QDate &day : m_browsing.days(gaugeOf(item), filterAt(item)))
        rows.append(newDayItem(day));
    item->appendRows(rows);
    item->setData(true, FetchedRole);
}

QList<qint64> ArchiveRows::idsAt(const QModelIndex &index)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(index.model());
    const QStandardItem *item = model ? model->itemFromIndex(index) : nullptr;
    if (!item)
        return {};
    QList<qint64> ids;
    switch (kindOf(item)) {
    case ArchiveRow::Measurement:
        ids.append(item->data(ArchiveIdRole).toLongLong());
        break;
    case ArchiveRow::Day:
        for (const ArchiveEntry &entry : m_browsing.measurements(
                 gaugeOf(item->parent()), item->data(DayRole).toDate(), filterAt(item)))
            ids.append(entry.id);
        break;
    case ArchiveRow::Serial:
        ids = m_browsing.ids(gaugeOf(item), filterAt(item));
        break;
    case ArchiveRow::Root: // every gauge the filter lets through
    case ArchiveRow::Station:
        for (const ArchiveGauge &gauge : m_browsing.gauges(filterAt(item)))
            ids += m_browsing.ids(gauge, filterAt(item));
        break;
    default:
        break;
    }
    return ids;
}

GroupSelection ArchiveRows::groupAt(const QModelIndex &index) const
{
    const auto *model = qobject_cast<const QStandardItemModel *>(index.model());
    const QStandardItem *item = model ? model->itemFromIndex(index) : nullptr;
    if (item && kindOf(item) == ArchiveRow::Measurement)
        item = item->parent();
    if (!item)
        return {};
    const ArchiveRow kind = kindOf(item);
    const ArchiveFilter filter = filterAt(item);
    const ArchiveGauge gauge = kind == ArchiveRow::Day ? gaugeOf(item->parent()) : gaugeOf(item);
    const QDate day = item->data(DayRole).toDate();
    if (kind != ArchiveRow::Root && kind != ArchiveRow::Station && kind != ArchiveRow::Serial &&
        kind != ArchiveRow::Day)
        return {};
    return [kind, filter, gauge, day](const ArchiveReadSource &source, ArchiveStatus *status) {
        ArchiveBrowsing browsing(source.connection, source.spool);
        QList<ArchiveEntry> entries;
        if (kind == ArchiveRow::Day) {
            entries = browsing.measurements(gauge, day, filter, status);
        } else if (kind == ArchiveRow::Serial) {
            entries = browsing.measurements(gauge, filter, status);
        } else {
            for (const ArchiveGauge &each : browsing.gauges(filter, 0, status))
                entries += browsing.measurements(each, filter, status);
        }
        QList<qint64> ids;
        ids.reserve(entries.size());
        for (const ArchiveEntry &entry : qAsConst(entries))
            ids.append(entry.id);
        return ids;
    };
}

QStandardItem *ArchiveRows::find(QStandardItem *item, const QByteArray &serialNr,
                                 const QDate &day, qint64 id)
{
    const ArchiveRow kind = kindOf(item);
    if (kind == ArchiveRow::Measurement)
        return item->data(ArchiveIdRole).toLongLong() == id ? item : nullptr;
    // Only the gauge's and the day's rows are fetched on the way.
    if (kind == ArchiveRow::Note ||
        (kind == ArchiveRow::Serial && item->data(SerialRole).toByteArray() != serialNr) ||
        (kind == ArchiveRow::Day && item->data(DayRole).toDate() != day))
        return nullptr;
    fetch(item);
    for (int row = 0; row < item->rowCount(); ++row) {
        if (QStandardItem *found = find(item->child(row), serialNr, day, id))
            return found;
    }
    return nullptr;
}

ArchiveRow archiveRowKind(const QModelIndex &index)
{
    return ArchiveRow(index.data(ArchiveRowRole).toInt());
}

bool isArchiveRow(const QModelIndex &index)
{
    return index.isValid() && index.data(ArchiveRowRole).toInt() != 0;
}

bool isArchiveGroupOrMeasurement(const QModelIndex &index)
{
    const ArchiveRow kind = archiveRowKind(index);
    return kind == ArchiveRow::Station || kind == ArchiveRow::Serial || kind == ArchiveRow::Day ||
           kind == ArchiveRow::Measurement;
}
