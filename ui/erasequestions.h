#pragma once

#include "measurement/measurement.h"
#include "workflow/eraserequest.h"

#include <QList>
#include <QString>

class QErrorMessage;
class QWidget;

// The questions the window asks before measurements are erased on the gauge.

// Erasing cannot be undone: true only when the operator chose Yes on purpose.
bool confirmedByOperator(QWidget *parent, const QString &title, const QString &text);
// Shown measurements the archive does not hold: keep them first (the
// default), erase them anyway, or stop.
UnarchivedChoice askUnarchived(QWidget *parent, const QList<const Measurement *> &records);
// Measurements nobody has read are never erased: true when the operator wants
// them transferred first (the default).
bool askTransferFirst(QWidget *parent, const QList<int> &slotNumbers);
// Measurements archived only as short as the gauge sent them: transfer them
// again (the default; sets `transferRequested`, nothing erased), erase them
// knowingly, or stop.
IncompleteChoice askIncomplete(QWidget *parent, const QList<IncompleteCopy> &copies,
                               bool *transferRequested);
// The erase's decisions put to the operator; `transferRequested` is set when
// unread or incomplete measurements are to be transferred (again) first.
EraseDecisions askingOperator(QWidget *parent, bool *transferRequested);

// What the tree does after an erase.
enum class ErasedRows
{
    Keep,         // nothing erased, or the erase stopped: the list is read anew
    RemoveDevice, // all erased: the gauge's row goes, the archive's stay
    RemoveErased, // the rows of the erased slots go
};

// Tells the operator what an erase left undone (on `errors`) and what the
// tree must do. `shownSerialNr` is the list's gauge, `archivePath` the archive's.
ErasedRows reportEraseOutcome(const EraseOutcome &outcome, bool all,
                              const QByteArray &shownSerialNr, const QString &archivePath,
                              QErrorMessage *errors);
