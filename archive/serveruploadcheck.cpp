#include "archive/serveruploadcheck.h"

#include "archive/archivestore.h"
#include "base/log.h"

#include <QSet>

namespace {

// Records looked up on the server in one statement.
constexpr int kLookupBatch = 100;

struct LookUp
{
    QList<qint64> missing; // not held and not waiting
    QList<qint64> unheld;  // those and the waiting ones: for the mark
    qint64 last = 0;       // the last id asked for
};

void lookUpAfter(ArchiveStore &spool, ArchiveStore &server, LookUp &found, ArchiveStatus &read,
                 const std::atomic<bool> *cancel)
{
    while (!cancel || !cancel->load()) {
        const QList<RecordIdentity> batch = spool.recordsAfter(found.last, kLookupBatch, &read);
        if (!read.ok() || batch.isEmpty())
            return;
        QList<RecordIdentity> asked;
        for (const RecordIdentity &record : batch) {
            if (!record.queued)
                asked.append(record);
        }
        const QSet<qint64> held = server.held(asked, &read);
        if (!read.ok())
            return;
        for (const RecordIdentity &record : batch) {
            // A waiting record is not on the server until it was uploaded there.
            if (record.queued || !held.contains(record.id))
                found.unheld.append(record.id);
            if (!record.queued && !held.contains(record.id))
                found.missing.append(record.id);
        }
        found.last = batch.last().id;
    }
}

} // namespace

QList<qint64> findNotOnServer(ArchiveStore &spool, ArchiveStore &server, const QString &serverKey,
                              ArchiveStatus &read, const std::atomic<bool> *cancel)
{
    // Below the mark the spool knows the answer; only newer records are asked for.
    const qint64 mark = spool.checkedUpTo(serverKey);
    QList<qint64> known;
    if (mark > 0)
        known = spool.missingOn(serverKey, &read);
    if (!read.ok())
        return {};
    LookUp found;
    found.last = mark;
    lookUpAfter(spool, server, found, read, cancel);
    // What was asked before a failure is known all the same.
    if (found.last > mark) {
        // Not kept (a read-only file): the next check asks again.
        const ArchiveStatus kept = spool.markChecked(serverKey, found.last, found.unheld);
        if (!kept.ok())
            logLine("findNotOnServer: " + spool.path().toLocal8Bit() + " keeps no mark: " +
                    kept.detail.toLocal8Bit());
    }
    if (!read.ok())
        return {};
    return known + found.missing;
}

QList<qint64> findNotOnServer(const ServerCheckSource &source, const QString &connectionPrefix,
                              ArchiveStatus &read, const std::atomic<bool> *cancel)
{
    ArchiveStore spool(connectionPrefix + QStringLiteral("-spool"));
    ArchiveStore server(connectionPrefix + QStringLiteral("-server"));
    read = spool.openCloneOf(source.spoolConnection);
    if (read.ok())
        read = server.openCloneOf(source.serverConnection);
    if (!read.ok())
        return {};
    return findNotOnServer(spool, server, source.serverKey, read, cancel);
}
