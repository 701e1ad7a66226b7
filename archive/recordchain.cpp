#include "archive/recordchain.h"

#include "archive/sampleblob.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <algorithm>
#include <iterator>
#include <limits>
#include <tuple>

namespace {

enum class ValueKind
{
    Text,
    Integer,
    Real,
    Bytes,
};

struct ChainColumn
{
    const char *name;
    ValueKind kind;
    int since; // the first link version that covers it
};

// The station first: verifyChains reads it as the first column.
constexpr ChainColumn kColumns[] = {
    {"station", ValueKind::Text, 1},        {"serial_nr", ValueKind::Text, 1},
    {"sw_version", ValueKind::Text, 1},     {"slot", ValueKind::Integer, 1},
    {"date_text", ValueKind::Text, 1},      {"time_text", ValueKind::Text, 1},
    {"force_unit", ValueKind::Integer, 1},  {"sample_rate", ValueKind::Real, 1},
    {"sample_count", ValueKind::Integer, 1}, {"samples_sha256", ValueKind::Bytes, 1},
    {"force_start", ValueKind::Real, 1},    {"force_end", ValueKind::Real, 1},
    {"force_max", ValueKind::Real, 1},      {"force_avg", ValueKind::Real, 1},
    {"downloaded_at", ValueKind::Text, 1},  {"source", ValueKind::Text, 1},
    {"complete", ValueKind::Integer, 1},    {"taken_at", ValueKind::Text, 2},
    {"received_at", ValueKind::Text, 2},
};
constexpr int kAllColumns = int(std::size(kColumns));
constexpr int kSamplesHashColumn = 9;
// What NULL reads as in a current link: no hex digit, no decimal.
constexpr char kNull[] = "n";

int columnCount(int version)
{
    int n = 0;
    for (const ChainColumn &column : kColumns)
        n += column.since <= version ? 1 : 0;
    return n;
}

// A real as the bits of the double, big-endian, as PostgreSQL's float8send;
// every NaN as the one NaN the server keeps.
QByteArray realBits(double value)
{
    if (std::isnan(value))
        value = std::numeric_limits<double>::quiet_NaN();
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const quint64 bigEndian = qToBigEndian(bits);
    return QByteArray(reinterpret_cast<const char *>(&bigEndian), int(sizeof bigEndian)).toHex();
}

// One value as the same bytes whichever database and driver read it back.
// The first links wrote reals as decimal text and NULL as the empty value.
QByteArray canonical(int version, const QVariant &value, ValueKind kind)
{
    if (version >= 2 && value.isNull())
        return kNull;
    switch (kind) {
    case ValueKind::Text:
        return value.toString().toUtf8().toHex();
    case ValueKind::Integer:
        return QByteArray::number(value.toLongLong());
    case ValueKind::Real:
        return version >= 2 ? realBits(value.toDouble())
                            : QByteArray::number(value.toDouble(), 'g', 17);
    case ValueKind::Bytes:
        return value.toByteArray().toHex();
    }
    return QByteArray();
}

// The same canonical text in PostgreSQL, for NEW.column.
QString serverCanonical(const ChainColumn &column)
{
    const QString value = QStringLiteral("NEW.") + QLatin1String(column.name);
    QString sql;
    switch (column.kind) {
    case ValueKind::Text:
        sql = QStringLiteral("encode(convert_to(%1, 'UTF8'), 'hex')");
        break;
    case ValueKind::Integer:
        sql = QStringLiteral("%1::text");
        break;
    case ValueKind::Real:
        sql = QStringLiteral("encode(float8send(%1), 'hex')");
        break;
    case ValueKind::Bytes:
        sql = QStringLiteral("encode(%1, 'hex')");
        break;
    }
    return QStringLiteral("coalesce(%1, '%2')").arg(sql.arg(value), QLatin1String(kNull));
}

} // namespace

namespace RecordChain {

QStringList columns(int version)
{
    QStringList names;
    for (const ChainColumn &column : kColumns) {
        if (column.since <= version)
            names.append(QLatin1String(column.name));
    }
    return names;
}

QByteArray link(int version, const QByteArray &previous, const QVariantList &values)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous.toHex());
    for (int i = 0; i < kAllColumns && i < values.size(); ++i) {
        if (kColumns[i].since > version)
            break;
        hash.addData("|", 1);
        hash.addData(canonical(version, values.at(i), kColumns[i].kind));
    }
    return hash.result();
}

QString serverLinkExpression(const QString &previous)
{
    QStringList parts = {QStringLiteral("encode(coalesce(%1, ''::bytea), 'hex')").arg(previous)};
    for (const ChainColumn &column : kColumns) {
        if (column.since <= kVersion)
            parts.append(serverCanonical(column));
    }
    return QStringLiteral("sha256(convert_to(%1, 'UTF8'))")
        .arg(parts.join(QStringLiteral(" || '|' || ")));
}

} // namespace RecordChain

namespace {

// A station's head as the database keeps it.
struct ChainHead
{
    qint64 lastId = 0;
    QByteArray lastLink;
    qint64 count = 0;
};

// Where a walked chain ended.
struct WalkedChain
{
    qint64 lastId = 0;
    QByteArray lastLink;
    qint64 count = 0;
    bool broken = false;
};

bool readHeads(QSqlDatabase &db, QHash<QString, ChainHead> &heads, qint64 &unchainedBelow,
               QString &error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT unchained_below FROM chain_origin")) || !query.next()) {
        error = query.lastError().text();
        return false;
    }
    unchainedBelow = query.value(0).toLongLong();
    if (!query.exec(
            QStringLiteral("SELECT station, last_id, last_link, record_count FROM chain_head"))) {
        error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        heads.insert(query.value(0).toString(),
                     ChainHead{query.value(1).toLongLong(), query.value(2).toByteArray(),
                               query.value(3).toLongLong()});
    }
    return true;
}

// The first thing wrong with a record of a chain, or an empty text.
QString recordFault(const QSqlQuery &query, const QVariantList &values, const QByteArray &previous)
{
    const int n = kAllColumns;
    const QByteArray stored = query.value(n + 2).toByteArray();
    if (stored.isEmpty())
        return QStringLiteral("missing");
    if (samplesHash(query.value(n + 1).toByteArray()) != values.at(kSamplesHashColumn).toByteArray())
        return QStringLiteral("samples");
    const int version = query.value(n + 3).isNull() ? RecordChain::kFirstVersion
                                                     : query.value(n + 3).toInt();
    if (version < RecordChain::kFirstVersion || version > RecordChain::kVersion ||
        RecordChain::link(version, previous, values.mid(0, columnCount(version))) != stored)
        return QStringLiteral("values");
    return QString();
}

// A walked chain against its head: records taken off the end, or all of them.
void checkHead(const QString &station, const WalkedChain &chain, const ChainHead *head,
               ChainReport &report)
{
    if (chain.broken)
        return;
    if (!head) {
        report.broken.append(BrokenLink{chain.lastId, station, QStringLiteral("head")});
        return;
    }
    if (chain.count == 0)
        report.broken.append(BrokenLink{head->lastId, station, QStringLiteral("gone")});
    else if (head->lastId > chain.lastId || head->count > chain.count)
        report.broken.append(BrokenLink{head->lastId, station, QStringLiteral("end")});
    else if (head->lastId != chain.lastId || head->count != chain.count ||
             head->lastLink != chain.lastLink)
        report.broken.append(BrokenLink{chain.lastId, station, QStringLiteral("head")});
}

} // namespace

ChainReport verifyChains(QSqlDatabase &db)
{
    ChainReport report;
    QHash<QString, ChainHead> heads;
    qint64 unchainedBelow = 0;
    if (!readHeads(db, heads, unchainedBelow, report.detail)) {
        report.readFailed = true;
        return report;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1, id, samples, chain_hash, link_version"
                                   " FROM measurement ORDER BY station, id")
                        .arg(RecordChain::columns().join(QStringLiteral(", "))))) {
        report.readFailed = true;
        report.detail = query.lastError().text();
        return report;
    }
    QHash<QString, WalkedChain> chains;
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < kAllColumns; ++i)
            values.append(query.value(i));
        const qint64 id = query.value(kAllColumns).toLongLong();
        const QByteArray stored = query.value(kAllColumns + 2).toByteArray();
        // Records kept before the links were written carry none.
        if (stored.isEmpty() && id < unchainedBelow) {
            ++report.unchained;
            continue;
        }
        const QString station = values.at(0).toString();
        WalkedChain &chain = chains[station];
        ++report.checked;
        ++chain.count;
        if (!chain.broken) {
            const QString fault = recordFault(query, values, chain.lastLink);
            if (!fault.isEmpty()) {
                report.broken.append(BrokenLink{id, station, fault});
                chain.broken = true;
            }
        }
        chain.lastId = id;
        chain.lastLink = stored;
    }
    if (query.lastError().isValid()) {
        report.readFailed = true;
        report.detail = query.lastError().text();
        return report;
    }
    for (auto it = chains.cbegin(); it != chains.cend(); ++it)
        checkHead(it.key(), it.value(), heads.contains(it.key()) ? &heads[it.key()] : nullptr,
                  report);
    for (auto it = heads.cbegin(); it != heads.cend(); ++it) {
        if (!chains.contains(it.key()))
            checkHead(it.key(), WalkedChain{}, &it.value(), report);
    }
    std::sort(report.broken.begin(), report.broken.end(),
              [](const BrokenLink &a, const BrokenLink &b) {
                  return std::tie(a.station, a.id) < std::tie(b.station, b.id);
              });
    return report;
}
