#include "ui/settingsdialog.h"

#include "archive/measurementarchive.h"
#include "settings/statusini.h"
#include "ui_settingsdialog.h"

#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QShowEvent>

SettingsDialog::SettingsDialog(StatusIni *status, QWidget *parent)
    : QDialog(parent), m_status(status), m_ui(new Ui::SettingsDialog)
{
    m_ui->setupUi(this);
    fillLanguages();
    // The form's size suits Windows' dialog font; larger fonts need more room.
    resize(size().expandedTo(minimumSizeHint()));
}

SettingsDialog::~SettingsDialog()
{
    delete m_ui;
}

void SettingsDialog::fillLanguages()
{
    QComboBox *languages = m_ui->cbLanguage;
    languages->clear();
    languages->addItem(QIcon(), tr("Deutsch"), QByteArray("de"));
    languages->addItem(QIcon(), tr("Englisch"), QByteArray("en"));
    languages->addItem(QIcon(), tr("Französisch"), QByteArray("fr"));
    languages->addItem(QIcon(), tr("Italienisch"), QByteArray("it"));
}

void SettingsDialog::refresh()
{
    m_language = m_status->language;
    m_logoFilename = m_status->printLogoFilename;
    m_headerLine = m_status->printHeaderLine;
    // Both setters below echo through the slots and leave the copies as they are.
    m_ui->cbLanguage->setCurrentIndex(m_ui->cbLanguage->findData(m_language));
    m_ui->editLogoFilename->setText(QString::fromLatin1(m_logoFilename));
    m_ui->editHeaderText->setText(QString::fromLatin1(m_headerLine));
    // The archive's fields are read back on OK; an empty path means the default file.
    m_ui->editArchivePath->setText(
        MeasurementArchive::pathFor(QString::fromLocal8Bit(m_status->archivePath)));
    m_ui->cbQuickTransfer->setChecked(m_status->quickTransfer);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    refresh();
    QDialog::showEvent(event);
}

void SettingsDialog::accept()
{
    m_status->language = m_language;
    m_status->printLogoFilename = m_logoFilename;
    m_status->printHeaderLine = m_headerLine;
    const QString archivePath = m_ui->editArchivePath->text().trimmed();
    // The default stays the default, so the file follows the settings folder.
    m_status->archivePath = archivePath == MeasurementArchive::pathFor(QString())
                                ? QByteArray()
                                : archivePath.toLocal8Bit();
    m_status->quickTransfer = m_ui->cbQuickTransfer->isChecked();
    m_status->save(); // a failed save keeps the values for this run
    QDialog::accept();
}

void SettingsDialog::reject()
{
    refresh();
    QDialog::reject();
}

QString SettingsDialog::chooseLogoFile()
{
    const QString filter =
        tr("Alle Bilder") + QStringLiteral(" (*.png *.jpg *.gif *.bmp *.pbm *.ppm *xbm *.xpm)");
    return QFileDialog::getOpenFileName(this, tr("Bild"),
                                        QString::fromLatin1(m_status->lastFilePath), filter);
}

QString SettingsDialog::chooseArchiveFile()
{
    return QFileDialog::getSaveFileName(this, tr("Archivdatei"), m_ui->editArchivePath->text(),
                                        tr("Archiv") + QStringLiteral(" (*.sqlite)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void SettingsDialog::on_buttonArchivePath_clicked()
{
    const QString chosen = chooseArchiveFile();
    if (!chosen.isEmpty())
        m_ui->editArchivePath->setText(chosen);
}

void SettingsDialog::on_cbLanguage_currentIndexChanged(int index)
{
    m_language = m_ui->cbLanguage->itemData(index).toByteArray();
}

void SettingsDialog::on_buttonLogoFilename_clicked()
{
    const QString chosen = chooseLogoFile();
    // The logo field keeps showing the stored path; only OK makes the choice count.
    if (!chosen.isEmpty() && QFile::exists(chosen))
        m_logoFilename = chosen.toLatin1();
}

void SettingsDialog::on_editHeaderText_textChanged(const QString &text)
{
    m_headerLine = text.toLatin1();
}
