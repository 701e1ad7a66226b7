// The texts keep the contexts they had in the window.
#include "ui/erasequestions.h"

#include "workflow/workflowtexts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QErrorMessage>
#include <QMessageBox>
#include <QPushButton>

// Erasing cannot be undone: the operator must choose Yes on purpose, so No
// is the default and focused button (with none set, QMessageBox would make
// the first one, Yes, the default, and Enter would erase).
bool confirmedByOperator(QWidget *parent, const QString &title, const QString &text)
{
    QApplication::beep();
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

namespace {

QString archiveText(const char *text, int n = -1)
{
    return QCoreApplication::translate("MainformArchive", text, nullptr, n);
}

} // namespace

// Shown measurements the archive does not hold: keep them first (the
// default), erase them anyway, or stop.
UnarchivedChoice askUnarchived(QWidget *parent, const QList<const Measurement *> &records)
{
    QList<int> slotNumbers;
    for (const Measurement *m : records)
        slotNumbers.append(m->number);
    QMessageBox box(QMessageBox::Warning,
                    archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Nicht archiviert")),
                    archiveText(QT_TRANSLATE_N_NOOP(
                                    "MainformArchive",
                                    "Diese Messungen sind nicht im Archiv: %1\n"
                                    "Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr."),
                                slotNumbers.size())
                        .arg(WorkflowText::slotNumbers(slotNumbers)),
                    QMessageBox::NoButton, parent);
    QPushButton *archiveFirst =
        box.addButton(archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Zuerst archivieren")),
                      QMessageBox::AcceptRole);
    QPushButton *eraseAnyway =
        box.addButton(archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Ohne Archiv löschen")),
                      QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(archiveFirst);
    box.exec();
    if (box.clickedButton() == archiveFirst)
        return UnarchivedChoice::ArchiveFirst;
    return box.clickedButton() == eraseAnyway ? UnarchivedChoice::EraseAnyway
                                              : UnarchivedChoice::Stop;
}

// Measurements nobody has read are never erased: offers to transfer them
// first (the default); nothing is erased either way.
bool askTransferFirst(QWidget *parent, const QList<int> &slotNumbers)
{
    QMessageBox box(
        QMessageBox::Warning, archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Nicht übertragen")),
        WorkflowText::unread(slotNumbers) + QLatin1Char('\n') + WorkflowText::nothingErased(),
        QMessageBox::NoButton, parent);
    QPushButton *transferFirst =
        box.addButton(archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Zuerst übertragen")),
                      QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(transferFirst);
    box.exec();
    return box.clickedButton() == transferFirst;
}

IncompleteChoice askIncomplete(QWidget *parent, const QList<IncompleteCopy> &copies,
                               bool *transferRequested)
{
    QMessageBox box(
        QMessageBox::Warning,
        archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Unvollständig archiviert")),
        WorkflowText::archivedIncomplete(copies) + QLatin1Char('\n') +
            archiveText(QT_TRANSLATE_N_NOOP("MainformArchive",
                                            "Erneut übertragen: Vielleicht sendet das Gerät sie "
                                            "diesmal vollständig; die neuen Kopien werden neben "
                                            "den unvollständigen archiviert. Nach dem Löschen "
                                            "bleiben nur die unvollständigen Kopien."),
                        copies.size()),
        QMessageBox::NoButton, parent);
    QPushButton *transferAgain =
        box.addButton(archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Erneut übertragen")),
                      QMessageBox::AcceptRole);
    QPushButton *eraseAnyway =
        box.addButton(archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Trotzdem löschen")),
                      QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(transferAgain);
    box.exec();
    if (box.clickedButton() == transferAgain)
        *transferRequested = true;
    return box.clickedButton() == eraseAnyway ? IncompleteChoice::Erase : IncompleteChoice::Stop;
}

EraseDecisions askingOperator(QWidget *parent, bool *transferRequested)
{
    EraseDecisions decisions;
    decisions.archivedIncomplete = [parent,
                                    transferRequested](const QList<IncompleteCopy> &copies) {
        return askIncomplete(parent, copies, transferRequested);
    };
    decisions.unarchived = [parent](const QList<const Measurement *> &records) {
        return askUnarchived(parent, records);
    };
    decisions.eraseOthersThanUnread = [parent, transferRequested](const QList<int> &slotNumbers) {
        *transferRequested = askTransferFirst(parent, slotNumbers);
        return false;
    };
    return decisions;
}

ErasedRows reportEraseOutcome(const EraseOutcome &outcome, bool all,
                              const QByteArray &shownSerialNr, const QString &archivePath,
                              QErrorMessage *errors)
{
    const EraseResult &erase = outcome.erase;
    QString stopMessage;
    if (erase.wrongGauge)
        stopMessage = erase.serialNrUnread
                          ? WorkflowText::serialNrUnread()
                          : WorkflowText::wrongGauge(erase.gaugeSerialNr, shownSerialNr);
    else if (!outcome.archive.ok())
        stopMessage = WorkflowText::archiveProblem(outcome.archive, archivePath) +
                      QLatin1Char('\n') + WorkflowText::nothingErased();
    else if (!outcome.incompleteSlots.isEmpty())
        stopMessage = WorkflowText::incompleteNotArchived(outcome.incompleteSlots);
    if (!stopMessage.isEmpty()) {
        errors->showMessage(stopMessage);
        return ErasedRows::Keep;
    }
    // A cancelled erase keeps the rows: the list is read anew.
    if (outcome.stopped || erase.cancelled)
        return ErasedRows::Keep;
    if (!outcome.notErased.isEmpty())
        errors->showMessage(WorkflowText::notErased(outcome.notErased));
    return all && outcome.ok() ? ErasedRows::RemoveDevice : ErasedRows::RemoveErased;
}
