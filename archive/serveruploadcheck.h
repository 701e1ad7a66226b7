#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QString>
#include <atomic>

class ArchiveStore;

// Finds the records of a server's spool file that are neither on the server
// nor waiting for it (archived while the archive was that file alone). Each
// record is asked of a server once: the spool keeps a mark per server
// (ArchiveStore::checkedUpTo), so later checks ask only for newer records.

// A spooled archive's connections, taken on the archive's thread, for a
// check on another thread with connections of its own.
struct ServerCheckSource
{
    QString spoolConnection;
    QString serverConnection;
    QString serverKey; // ArchiveStore::serverIdentity(); empty: no mark is kept
};

// On the stores' own thread. `cancel` is read between look-ups; what was
// asked until then is marked. Stops at the first failure (`read`), which
// returns none.
QList<qint64> findNotOnServer(ArchiveStore &spool, ArchiveStore &server, const QString &serverKey,
                              ArchiveStatus &read, const std::atomic<bool> *cancel = nullptr);
// The same on connections of the calling thread cloned from `source`'s,
// named after `connectionPrefix` (unique while it runs); for a thread of its
// own, so that a first check of a big file never stalls the window.
QList<qint64> findNotOnServer(const ServerCheckSource &source, const QString &connectionPrefix,
                              ArchiveStatus &read, const std::atomic<bool> *cancel = nullptr);
