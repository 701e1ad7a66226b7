#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlDatabase;

// Each record carries a link that chains the previous record of its station:
// SHA-256 over the previous link, the record's values and its samples' hash.
// A value changed by hand, or a record taken out, breaks the chain there.
namespace RecordChain {

// The columns a link covers, in this order, as "a, b, c".
QString columnList();
// The link of a record whose columns (in columnList() order) hold `values`.
QByteArray link(const QByteArray &previous, const QVariantList &values);

} // namespace RecordChain

// A record where a chain breaks.
struct BrokenLink
{
    qint64 id = 0;
    QString station;
    QString reason; // "samples", "values" or "missing"
};

// What walking every station's chain found.
struct ChainReport
{
    int checked = 0;   // records with a link
    int unchained = 0; // records kept before links were written
    QList<BrokenLink> broken; // the first break of each station
    bool readFailed = false;
    QString detail;
};

// Walks every station's chain in the order the records were kept.
ChainReport verifyChains(QSqlDatabase &db);
