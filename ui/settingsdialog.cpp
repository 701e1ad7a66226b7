#include "ui/settingsdialog.h"

#include "archive/archivestore.h"
#include "workflow/workflowtexts.h"

#include "measurement/devicedata.h"
#include "measurement/seriesstatistics.h"
#include "settings/statusini.h"
#include "ui_settingsdialog.h"
#include "workflow/archivepath.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QPointer>
#include <QSysInfo>
#include <QThread>
#include <QUuid>
#include <memory>
#include <QShowEvent>

SettingsDialog::SettingsDialog(StatusIni *status, QWidget *parent)
    : QDialog(parent), m_status(status), m_ui(new Ui::SettingsDialog)
{
    m_ui->setupUi(this);
    fillLanguages();
    setUpLimitRows();
    connect(m_ui->cbArchiveServer, &QCheckBox::toggled, this, &SettingsDialog::enableServerFields);
    m_ui->editStation->setPlaceholderText(QSysInfo::machineHostName());
    // Indices read as the statistics show them: "1.33" in every language.
    for (QDoubleSpinBox *spin : {m_ui->spinCpkMinimum, m_ui->spinCpkGood})
        spin->setLocale(QLocale::c());
    // The form's size suits Windows' dialog font; larger fonts need more room.
    // It scrolls where the screen is lower than the form (1024x768).
    const QSize form = m_ui->scrollSettingsContents->sizeHint();
    m_ui->scrollSettings->setMinimumWidth(form.width() + 20);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 80 : form.height();
    resize(size().expandedTo(minimumSizeHint())
               .expandedTo(QSize(0, std::min(form.height() + 70, room))));
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

void SettingsDialog::setUpLimitRows()
{
    // The device's unit codes 0, 1, 2 in the order of the form's rows.
    const QList<QLabel *> labels = {m_ui->labelLimitUnitN, m_ui->labelLimitUnitKg,
                                    m_ui->labelLimitUnitLbf};
    m_limitRows = {{QByteArray(), m_ui->editLowerLimitN, m_ui->editUpperLimitN},
                   {QByteArray(), m_ui->editLowerLimitKg, m_ui->editUpperLimitKg},
                   {QByteArray(), m_ui->editLowerLimitLbf, m_ui->editUpperLimitLbf}};
    // A number with "." or "," as decimal point, or nothing.
    auto *numbers = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^\\s*-?\\d*([.,]\\d*)?\\s*$")), this);
    for (int code = 0; code < m_limitRows.size(); ++code) {
        const QString unit = forceUnitTextFor(code);
        m_limitRows[code].unit = unit.toLatin1();
        labels.at(code)->setText(unit);
        m_limitRows[code].lower->setValidator(numbers);
        m_limitRows[code].upper->setValidator(numbers);
    }
}

void SettingsDialog::storeLimits()
{
    for (const LimitRow &row : m_limitRows) {
        const ForceLimitTexts texts{limitText(parseLimit(row.lower->text().toLatin1())),
                                    limitText(parseLimit(row.upper->text().toLatin1()))};
        // Cleared limits are written empty: a key left out would keep its old value.
        m_status->forceLimits[row.unit] = texts;
    }
}

const SettingsDialog::LimitRow *SettingsDialog::rowWithCrossedLimits() const
{
    for (const LimitRow &row : m_limitRows) {
        const std::optional<double> lower = parseLimit(row.lower->text().toLatin1());
        const std::optional<double> upper = parseLimit(row.upper->text().toLatin1());
        if (ForceLimits{lower, upper}.isCrossed())
            return &row;
    }
    return nullptr;
}

void SettingsDialog::refresh()
{
    m_language = m_status->language;
    m_logoFilename = m_status->printLogoFilename;
    m_headerLine = m_status->printHeaderLine;
    // Both setters below echo through the slots and leave the copies as they are.
    m_ui->cbLanguage->setCurrentIndex(m_ui->cbLanguage->findData(m_language));
    m_ui->editLogoFilename->setText(m_logoFilename);
    m_ui->editHeaderText->setText(QString::fromLatin1(m_headerLine));
    for (const LimitRow &row : m_limitRows) {
        const ForceLimitTexts texts = m_status->forceLimits.value(row.unit);
        row.lower->setText(QString::fromLatin1(texts.lower));
        row.upper->setText(QString::fromLatin1(texts.upper));
    }
    m_ui->spinCpkMinimum->setValue(m_status->capableCpk);
    m_ui->spinCpkGood->setValue(m_status->wellCapableCpk);
    // The archive's fields are read back on OK; an empty path means the default file.
    m_ui->editArchivePath->setText(archiveFilePath(*m_status));
    m_ui->cbQuickTransfer->setChecked(m_status->quickTransfer);
    m_ui->cbArchiveServer->setChecked(m_status->archiveBackend == StatusIni::kServerBackend);
    m_ui->editServerHost->setText(m_status->serverHost);
    m_ui->spinServerPort->setValue(m_status->serverPort);
    m_ui->editServerDatabase->setText(m_status->serverDatabase);
    m_ui->editServerUser->setText(m_status->serverUser);
    m_ui->comboServerSslMode->setCurrentText(QString::fromLatin1(m_status->serverSslMode));
    m_ui->editStation->setText(m_status->stationName);
    enableServerFields();
}

void SettingsDialog::enableServerFields()
{
    const bool onServer = m_ui->cbArchiveServer->isChecked();
    for (QWidget *field : {static_cast<QWidget *>(m_ui->editServerHost),
                           static_cast<QWidget *>(m_ui->spinServerPort),
                           static_cast<QWidget *>(m_ui->editServerDatabase),
                           static_cast<QWidget *>(m_ui->editServerUser),
                           static_cast<QWidget *>(m_ui->comboServerSslMode),
                           static_cast<QWidget *>(m_ui->buttonTestServer)})
        field->setEnabled(onServer);
}

ArchiveServer SettingsDialog::serverOfFields() const
{
    ArchiveServer server;
    server.host = m_ui->editServerHost->text().trimmed();
    server.port = m_ui->spinServerPort->value();
    server.database = m_ui->editServerDatabase->text().trimmed();
    server.user = m_ui->editServerUser->text().trimmed();
    server.sslMode = m_ui->comboServerSslMode->currentText();
    return server;
}

// The connection is tried on a thread of its own, so the dialog stays usable
// for libpq's time-out; a dialog closed meanwhile is not told.
void SettingsDialog::on_buttonTestServer_clicked()
{
    const ArchiveServer server = serverOfFields();
    m_ui->buttonTestServer->setEnabled(false);
    m_ui->labelServerTest->setStyleSheet(QString());
    m_ui->labelServerTest->setText(tr("Verbindung wird geprüft..."));
    auto result = std::make_shared<ArchiveStatus>();
    const QString connection = QStringLiteral("tspx-probe-") + QUuid::createUuid().toString();
    QThread *probe = QThread::create(
        [server, result, connection] { *result = probeServer(server, connection); });
    QPointer<SettingsDialog> dialog(this);
    connect(probe, &QThread::finished, probe, &QObject::deleteLater);
    connect(probe, &QThread::finished, this, [dialog, server, result] {
        if (!dialog)
            return;
        dialog->m_ui->buttonTestServer->setEnabled(true);
        dialog->m_ui->labelServerTest->setText(
            WorkflowText::serverTrouble(*result, serverLocation(server)));
        dialog->m_ui->labelServerTest->setStyleSheet(
            result->ok() ? QStringLiteral("color: #006000;") : QStringLiteral("color: #b00000;"));
    });
    probe->start();
}

void SettingsDialog::storeServer()
{
    m_status->archiveBackend = m_ui->cbArchiveServer->isChecked() ? StatusIni::kServerBackend
                                                                  : StatusIni::kFileBackend;
    m_status->serverHost = m_ui->editServerHost->text().trimmed();
    m_status->serverPort = m_ui->spinServerPort->value();
    m_status->serverDatabase = m_ui->editServerDatabase->text().trimmed();
    m_status->serverUser = m_ui->editServerUser->text().trimmed();
    m_status->serverSslMode = m_ui->comboServerSslMode->currentText().toLatin1();
    m_status->stationName = m_ui->editStation->text().trimmed();
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    refresh();
    QDialog::showEvent(event);
}

void SettingsDialog::accept()
{
    // Crossed limits would judge every measurement "NIO" with a negative Cp.
    if (const LimitRow *crossed = rowWithCrossedLimits()) {
        crossed->lower->setFocus();
        showRefusal(tr("Grenzen in %1: die untere (%2) liegt nicht unter der oberen (%3).")
                        .arg(QString::fromLatin1(crossed->unit), crossed->lower->text().trimmed(),
                             crossed->upper->text().trimmed()));
        return;
    }
    m_status->language = m_language;
    m_status->printLogoFilename = m_logoFilename;
    m_status->printHeaderLine = m_headerLine;
    storeLimits();
    m_status->capableCpk = m_ui->spinCpkMinimum->value();
    m_status->wellCapableCpk = std::max(m_ui->spinCpkGood->value(), m_status->capableCpk);
    const QString archivePath = m_ui->editArchivePath->text().trimmed();
    // The default stays the default, so the file follows the settings folder.
    m_status->archivePath =
        archivePath == defaultArchivePath() ? QString() : archivePath;
    m_status->quickTransfer = m_ui->cbQuickTransfer->isChecked();
    storeServer();
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
    return QFileDialog::getOpenFileName(this, tr("Bild"), m_status->lastFilePath, filter);
}

QString SettingsDialog::chooseArchiveFile()
{
    return QFileDialog::getSaveFileName(this, tr("Archivdatei"), m_ui->editArchivePath->text(),
                                        tr("Archiv") + QStringLiteral(" (*.sqlite)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void SettingsDialog::showRefusal(const QString &text)
{
    QMessageBox::warning(this, windowTitle(), text);
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
        m_logoFilename = chosen;
}

void SettingsDialog::on_editHeaderText_textChanged(const QString &text)
{
    m_headerLine = text.toLatin1();
}
