#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlDatabase;

// Each record carries a link that chains the previous record of its station:
// SHA-256 over the previous link, the record's values and its samples' hash.
// A value changed by hand, or a record taken out, breaks the chain there.
// Each station's head (chain_head: its last record, last link and count) is
// kept by the database itself, so records taken off the end show too.
//
// What this proves: nobody who cannot write the chain's head and recompute
// every later link (a station on a server, a reader) changed, removed or
// slipped in a record unseen. What it cannot prove: the owner of a local file,
// or a server's owner or superuser, can rewrite a chain and its head whole.
namespace RecordChain {

// Links kept before the time taken and the time received joined them.
constexpr int kFirstVersion = 1;
// The version this program (and a server's trigger) writes.
constexpr int kVersion = 2;

// The columns a link of `version` covers, in their order; the station first.
QStringList columns(int version = kVersion);
// The link of a record whose columns (in columns(version) order) hold `values`.
QByteArray link(int version, const QByteArray &previous, const QVariantList &values);
// PostgreSQL: the expression that computes a current link from `previous`
// (bytea) and the row NEW, for the server's trigger; the same bytes as link().
QString serverLinkExpression(const QString &previous);

} // namespace RecordChain

// A record where a chain breaks.
struct BrokenLink
{
    qint64 id = 0;
    QString station;
    // "samples", "values", "missing" (no link after the chain began), "end"
    // (records taken off the end), "gone" (every record of the chain), "head"
    // (the head does not name the chain's last record)
    QString reason;
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

// Walks every station's chain in the order the records were kept, to its head.
ChainReport verifyChains(QSqlDatabase &db);
