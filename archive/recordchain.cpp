#include "archive/recordchain.h"

#include "archive/sampleblob.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <iterator>

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
};

// The station first: verifyChains reads it as the first column.
constexpr ChainColumn kColumns[] = {
    {"station", ValueKind::Text},        {"serial_nr", ValueKind::Text},
    {"sw_version", ValueKind::Text},     {"slot", ValueKind::Integer},
    {"date_text", ValueKind::Text},      {"time_text", ValueKind::Text},
    {"force_unit", ValueKind::Integer},  {"sample_rate", ValueKind::Real},
    {"sample_count", ValueKind::Integer}, {"samples_sha256", ValueKind::Bytes},
    {"force_start", ValueKind::Real},    {"force_end", ValueKind::Real},
    {"force_max", ValueKind::Real},      {"force_avg", ValueKind::Real},
    {"downloaded_at", ValueKind::Text},  {"source", ValueKind::Text},
    {"complete", ValueKind::Integer},
};
constexpr int kColumnCount = int(std::size(kColumns));
constexpr int kSamplesHashColumn = 9;

// One value as the same bytes whichever database and driver read it back.
QByteArray canonical(const QVariant &value, ValueKind kind)
{
    switch (kind) {
    case ValueKind::Text:
        return value.toString().toUtf8().toHex();
    case ValueKind::Integer:
        return QByteArray::number(value.toLongLong());
    case ValueKind::Real:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case ValueKind::Bytes:
        return value.toByteArray().toHex();
    }
    return QByteArray();
}

} // namespace

namespace RecordChain {

QString columnList()
{
    QStringList names;
    for (const ChainColumn &column : kColumns)
        names.append(QLatin1String(column.name));
    return names.join(QStringLiteral(", "));
}

QByteArray link(const QByteArray &previous, const QVariantList &values)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous.toHex());
    for (int i = 0; i < kColumnCount && i < values.size(); ++i) {
        hash.addData("|", 1);
        hash.addData(canonical(values.at(i), kColumns[i].kind));
    }
    return hash.result();
}

} // namespace RecordChain

ChainReport verifyChains(QSqlDatabase &db)
{
    ChainReport report;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1, id, samples, chain_hash FROM measurement"
                                   " ORDER BY station, id")
                        .arg(RecordChain::columnList()))) {
        report.readFailed = true;
        report.detail = query.lastError().text();
        return report;
    }
    QString station;
    QByteArray previous;
    bool stationBroken = false;
    bool first = true;
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < kColumnCount; ++i)
            values.append(query.value(i));
        const qint64 id = query.value(kColumnCount).toLongLong();
        const QByteArray stored = query.value(kColumnCount + 2).toByteArray();
        if (first || values.at(0).toString() != station) {
            station = values.at(0).toString();
            previous.clear();
            stationBroken = false;
            first = false;
        }
        if (stored.isEmpty() && previous.isEmpty()) {
            ++report.unchained;
            continue;
        }
        ++report.checked;
        if (stationBroken)
            continue;
        QString reason;
        if (stored.isEmpty())
            reason = QStringLiteral("missing");
        else if (samplesHash(query.value(kColumnCount + 1).toByteArray()) !=
                 values.at(kSamplesHashColumn).toByteArray())
            reason = QStringLiteral("samples");
        else if (RecordChain::link(previous, values) != stored)
            reason = QStringLiteral("values");
        if (!reason.isEmpty()) {
            report.broken.append(BrokenLink{id, station, reason});
            stationBroken = true;
        }
        previous = stored;
    }
    if (query.lastError().isValid()) {
        report.readFailed = true;
        report.detail = query.lastError().text();
    }
    return report;
}
