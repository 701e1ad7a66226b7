#pragma once

#include "archive/archivetypes.h"
#include "archive/recordchain.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class MeasurementArchive;
struct IncompleteCopy;
struct TransferOutcome;
struct EraseOutcome;
struct TransferResult;

// The context of the workflow's texts in the translation files.
class GaugeWorkflowTexts
{
    Q_DECLARE_TR_FUNCTIONS(GaugeWorkflow)
};

// The messages of a transfer and an erase, written once for the window and
// the command line.
namespace WorkflowText {

// "Fehler beim Übertragen der Daten!" with what failed; empty when nothing did.
QString transferFailed(const TransferResult &result);
// Records kept although incomplete; empty when there are none.
QString incompleteKept(const QList<int> &numbers);
// Records kept although a value is no number; empty when there are none.
QString notNumbersKept(const QList<int> &numbers);
// "Leere Speicherplätze: 3, 5"; empty when there are none.
QString emptySlots(const QList<int> &numbers);
// Why the archive at `path` failed, in words.
QString archiveProblem(const ArchiveStatus &status, const QString &path);
// A test plan file that is no plan, with the reason readTestPlan gave.
QString planUnreadable(const QString &path, const QString &problem);
// After a transfer the archive did not take.
QString transferNotArchived();
QString nothingErased();
// The gauge did not say its serial number, or is another one.
QString serialNrUnread();
QString wrongGauge(const QByteArray &gaugeSerialNr, const QByteArray &shownSerialNr);
// "Diese Speicherplätze wurden nicht gelöscht: 5, 9"; empty when all were erased.
QString notErased(const QList<int> &numbers);
// Measurements nobody has read, not erased.
QString unread(const QList<int> &numbers);
// Kept first on request but incomplete: nothing erased.
QString incompleteNotArchived(const QList<int> &numbers);
// Measurements the archive keeps only as short as the gauge sent them.
QString archivedIncomplete(const QList<IncompleteCopy> &copies);
// "#9 (4 von 6 Messwerten), #12 (0 von 3 Messwerten)".
QString incompleteCopies(const QList<IncompleteCopy> &copies);
// Whether the server answers, or why not: unreachable, the login refused, or
// the driver's reason without its own name.
QString serverTrouble(const ArchiveStatus &why, const QString &server);
// The server archive is not in use: why, and how many records wait for it.
QString serverNotInUse(const ArchiveStatus &why, const QString &server, int waiting);
// The server answers but did not take records: why, and how many wait.
QString serverRefused(const ArchiveStatus &why, const QString &server, int waiting);
// What keeps records from a server archive: refused or not in use; empty
// when nothing waits and the server answers (and for a file).
QString serverProblem(MeasurementArchive &archive);
// A damaged archive file (a server's spool: `spool`) moved aside: where, and
// what was read back from it (measurements, and calibration records, studies
// and plans together).
QString movedAside(const ArchiveStatus &opened, const QString &path, bool spool);
// Records that wait in the spool file for the server (the window's status bar).
QString waitingForServer(int waiting);
QString uploadedToServer(int uploaded);
// Records of the archive file, kept before the server was set up, that are
// not on it: the window's question, and what the command line queued.
QString notOnServerQuestion(int count);
QString queuedFromFile(int queued);
// What walking the stations' chains found.
QString chainsIntact(const ChainReport &report);
QString chainBroken(const BrokenLink &link);
// "#7, #3".
QString slotNumbers(const QList<int> &numbers);

} // namespace WorkflowText
