#pragma once

#include <QByteArray>
#include <QDialog>
#include <memory>

class MeasurementArchive;
namespace Ui {
class CalibrationDialog;
}

// A gauge's calibration records, newest first, and a form that adds one.
// Records are never changed: a correction is a new record.
class CalibrationDialog : public QDialog
{
    Q_OBJECT

public:
    CalibrationDialog(MeasurementArchive &archive, const QByteArray &serialNr,
                      QWidget *parent = nullptr);
    ~CalibrationDialog() override;

    // Whether a record was added while the dialog was open.
    bool added() const { return m_added; }
    Ui::CalibrationDialog *formUi() const { return m_ui.get(); }

private:
    void showRecords();
    void addRecord();
    void showProblem(const QString &text);

    MeasurementArchive &m_archive;
    QByteArray m_serialNr;
    std::unique_ptr<Ui::CalibrationDialog> m_ui;
    bool m_added = false;
};
