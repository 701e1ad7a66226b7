#pragma once

#include "archive/archiveconfig.h"
#include "settings/statusini.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;

namespace Ui {
class SettingsDialog;
}

// Edits copies of the interface language and the two print options of the
// status file; only OK writes them back and saves the file.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(StatusIni *status, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    Ui::SettingsDialog *formUi() const { return m_ui; }

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    // Asks for a logo image; empty when cancelled. Tests replace the file dialog.
    virtual QString chooseLogoFile();
    // Asks for the archive file; empty when cancelled. Tests replace the file dialog.
    virtual QString chooseArchiveFile();
    // Tells why OK was refused. Tests replace the message box.
    virtual void showRefusal(const QString &text);

private slots:
    void on_cbLanguage_currentIndexChanged(int index);
    void on_buttonLogoFilename_clicked();
    void on_editHeaderText_textChanged(const QString &text);
    void on_buttonArchivePath_clicked();
    void on_buttonTestServer_clicked();

private:
    // One row of limit fields per force unit.
    struct LimitRow
    {
        QByteArray unit;
        QLineEdit *lower;
        QLineEdit *upper;
    };

    void fillLanguages();
    void setUpLimitRows();
    void refresh();
    void storeLimits();
    void enableServerFields();
    void storeServer();
    ArchiveServer serverOfFields() const;
    // The first row whose lower limit lies above its upper one; null when none.
    const LimitRow *rowWithCrossedLimits() const;

    StatusIni *m_status;
    QByteArray m_language;
    QString m_logoFilename;
    QByteArray m_headerLine;
    QList<LimitRow> m_limitRows;
    Ui::SettingsDialog *m_ui;
};
