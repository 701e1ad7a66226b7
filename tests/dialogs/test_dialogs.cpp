#include "archive/calibrationstore.h"
#include "archive/gaugestudystore.h"
#include "archive/measurementarchive.h"
#include "configfolder.h"
#include "settings/statusini.h"
#include "ui/calibrationdialog.h"
#include "ui/gaugestudypage.h"
#include "workflow/studyrecord.h"
#include "ui_calibrationdialog.h"
#include "ui_gaugestudypage.h"
#include "ui/infodialog.h"
#include "ui/reportcommands.h"
#include "ui/settingsdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

// The settings dialog with its logo chooser answered by the test.
class ScriptedSettingsDialog : public SettingsDialog
{
public:
    using SettingsDialog::SettingsDialog;
    QString logoChoice;
    QStringList refusals;

protected:
    QString chooseLogoFile() override { return logoChoice; }
    void showRefusal(const QString &text) override { refusals << text; }
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedLanguageIsShownAndOkSavesTheChoice();
    void cancelStoresNothing();
    void unknownLanguageSelectsNothingAndOkStoresEmpty_data();
    void unknownLanguageSelectsNothingAndOkStoresEmpty();
    void chosenLogoIsStoredOnOkThoughTheFieldShowsTheOldPath();
    void logoChooserAsksForAnImageInTheLastFolder();
    void headerTextIsStoredAsTyped_data();
    void headerTextIsStoredAsTyped();
    void infoDialogShowsTheVersionAndKeepsItsSize();
    void reportDesignationIsAskedAndCancelGivesNone();
    void limitsPerUnitAreStoredOnOkAndReadBack();
    void crossedLimitsAreRefusedAndTheDialogStaysOpen();
    void calibrationDialogAddsCompleteRecordsOnly();
    void studyPageKeepsTheStudyWithItsMeasurements();

private:
    template <typename T> T *child(const char *name) { return m_dialog->findChild<T *>(name); }
    QString languageShown() { return child<QComboBox>("cbLanguage")->currentText(); }
    QString logoShown() { return child<QLineEdit>("editLogoFilename")->text(); }
    void press(QDialogButtonBox::StandardButton button)
    {
        child<QDialogButtonBox>("buttonBox")->button(button)->click();
    }
    QByteArray savedFile() const
    {
        QFile file(QString::fromLatin1(m_status->fileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TemporaryConfigHome> m_config;
    std::unique_ptr<StatusIni> m_status;
    std::unique_ptr<ScriptedSettingsDialog> m_dialog;
};

void TestDialogs::init()
{
    m_dialog.reset();
    m_status.reset();
    m_config.reset(); // the old folder restores the variable before the new one sets it
    m_config = std::make_unique<TemporaryConfigHome>();
    m_status = std::make_unique<StatusIni>("status");
    m_status->load(); // no file: the defaults
    m_status->language = "en";
    m_status->printLogoFilename = "/opt/old.png";
    m_status->printHeaderLine = "Velmora";
    m_dialog = std::make_unique<ScriptedSettingsDialog>(m_status.get());
    m_dialog->show();
}

void TestDialogs::storedLanguageIsShownAndOkSavesTheChoice()
{
    auto *languages = child<QComboBox>("cbLanguage");
    QCOMPARE(languages->count(), 4);
    const QStringList entries{"Deutsch=de", "Englisch=en", "Französisch=fr", "Italienisch=it"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(languages->itemText(i) + '=' + languages->itemData(i).toString(), entries[i]);
    QCOMPARE(languageShown(), QString("Englisch"));
    QCOMPARE(logoShown(), QString("/opt/old.png"));
    QCOMPARE(child<QLineEdit>("editHeaderText")->text(), QString("Velmora"));

    languages->setCurrentIndex(languages->findText("Italienisch"));
    QCOMPARE(m_status->language, QByteArray("en"));
    press(QDialogButtonBox::Ok);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_status->language, QByteArray("it"));
    const QByteArray ini = savedFile();
    QVERIFY2(ini.contains("[gui]\nlanguage=it\n"), ini.constData());
    QVERIFY(ini.contains("\nprintHaderline=Velmora\n"));
    QVERIFY(ini.contains("\nprintLogoFilename=/opt/old.png\n"));
}

void TestDialogs::cancelStoresNothing()
{
    child<QComboBox>("cbLanguage")->setCurrentIndex(2);
    child<QLineEdit>("editHeaderText")->setText("Andere");
    m_dialog->logoChoice = QFINDTESTDATA("test_dialogs.cpp");
    child<QToolButton>("buttonLogoFilename")->click();
    press(QDialogButtonBox::Cancel);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(savedFile().isEmpty());
    QCOMPARE(languageShown(), QString("Englisch")); // put back at once
    QCOMPARE(child<QLineEdit>("editHeaderText")->text(), QString("Velmora"));

    // OK after reopening stores the stored values, not the discarded ones.
    m_dialog->show();
    press(QDialogButtonBox::Ok);
    QCOMPARE(m_status->language + '|' + m_status->printHeaderLine, QByteArray("en|Velmora"));
    QCOMPARE(m_status->printLogoFilename, QString("/opt/old.png"));
}

void TestDialogs::unknownLanguageSelectsNothingAndOkStoresEmpty_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("other code") << QByteArray("es");
    QTest::newRow("upper case") << QByteArray("EN");
}

void TestDialogs::unknownLanguageSelectsNothingAndOkStoresEmpty()
{
    QFETCH(QByteArray, stored);
    m_dialog->hide(); // it showed "en" before
    m_status->language = stored;
    m_dialog->show();
    QCOMPARE(child<QComboBox>("cbLanguage")->currentIndex(), -1);
    press(QDialogButtonBox::Ok);
    QCOMPARE(m_status->language, QByteArray());
    QVERIFY(savedFile().contains("[gui]\nlanguage=\n"));
}

void TestDialogs::chosenLogoIsStoredOnOkThoughTheFieldShowsTheOldPath()
{
    const QString logo = QFINDTESTDATA("test_dialogs.cpp");
    // A chosen file, then one that does not exist and a cancelled choice: both ignored.
    for (const QString &choice : {logo, m_config->filePath("missing.png"), QString()}) {
        m_dialog->logoChoice = choice;
        child<QToolButton>("buttonLogoFilename")->click();
    }
    QCOMPARE(logoShown(), QString("/opt/old.png"));
    child<QLineEdit>("editLogoFilename")->setText("/typed/by/hand.png"); // read by nothing
    press(QDialogButtonBox::Ok);
    QCOMPARE(m_status->printLogoFilename, logo);
    QVERIFY(savedFile().contains("\nprintLogoFilename=" + logo.toLatin1() + "\n"));
    m_dialog->show();
    QCOMPARE(logoShown(), logo);
}

void TestDialogs::logoChooserAsksForAnImageInTheLastFolder()
{
    m_status->lastFilePath = m_config->path();
    const QString logo = QFINDTESTDATA("test_dialogs.cpp");
    SettingsDialog dialog(m_status.get());
    dialog.show();
    QString asked;
    QTimer::singleShot(0, [&] {
        if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            asked = files->windowTitle() + '|' + files->directory().absolutePath() + '|' +
                    files->nameFilters().join(';');
            files->selectFile(logo);
            QMetaObject::invokeMethod(files, "accept");
        }
    });
    dialog.findChild<QToolButton *>("buttonLogoFilename")->click();
    QCOMPARE(asked, "Bild|" + m_config->path() +
                        "|Alle Bilder (*.png *.jpg *.gif *.bmp *.pbm *.ppm *xbm *.xpm)");
    dialog.accept();
    QCOMPARE(m_status->printLogoFilename, logo);
    QCOMPARE(m_status->lastFilePath, m_config->path());
}

void TestDialogs::headerTextIsStoredAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("text") << QString("  Prüflabor & <Partner>  ");
    QTest::newRow("empty") << QString();
}

void TestDialogs::headerTextIsStoredAsTyped()
{
    QFETCH(QString, typed);
    child<QLineEdit>("editHeaderText")->clear();
    child<QLineEdit>("editHeaderText")->insert(typed);
    press(QDialogButtonBox::Ok);
    QCOMPARE(m_status->printHeaderLine, typed.toLatin1());
    StatusIni reloaded("status");
    QCOMPARE(reloaded.load(), 0);
    QCOMPARE(reloaded.printHeaderLine, typed.toLatin1());
}

void TestDialogs::infoDialogShowsTheVersionAndKeepsItsSize()
{
    InfoDialog info("1.2  build: 202401311200");
    QCOMPARE(info.findChild<QLabel *>("labelProgVersion")->text(),
             QString("1.2  build: 202401311200"));
    QVERIFY(!info.findChild<QLabel *>("label_26")->pixmap(Qt::ReturnByValue).isNull());
    info.show();
    for (const QSize &asked : {QSize(800, 600), QSize(300, 200)}) {
        info.resize(asked);
        QCOMPARE(info.size(), QSize(561, 350));
    }
}

void TestDialogs::reportDesignationIsAskedAndCancelGivesNone()
{
    for (bool accept : {true, false}) {
        QString asked;
        QTimer::singleShot(0, [&asked, accept] {
            if (auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                asked = input->windowTitle() + '|' + input->labelText();
                input->setTextValue("Eingabe");
                accept ? input->accept() : input->reject();
            }
        });
        QCOMPARE(askReportDesignation(nullptr), accept ? QString("Eingabe") : QString());
        QCOMPARE(asked,
                 QString("Bezeichnung|Bitte geben Sie eine Bezeichnung für den Ausdruck ein: "));
    }
}

// Limits of the maximum force, one pair per unit: typed with "," or ".",
// stored with "." under the unit's keys, cleared limits written empty so
// that the file forgets them; Cancel keeps the stored ones.
void TestDialogs::limitsPerUnitAreStoredOnOkAndReadBack()
{
    QCOMPARE(child<QLabel>("labelLimitUnitN")->text() + child<QLabel>("labelLimitUnitKg")->text() +
                 child<QLabel>("labelLimitUnitLbf")->text(),
             QString("Nkglbf"));
    child<QLineEdit>("editLowerLimitN")->setText("12,5");
    child<QLineEdit>("editUpperLimitN")->setText("20");
    child<QLineEdit>("editUpperLimitLbf")->setText(" 4.75 ");
    // A letter is refused as it is typed.
    QTest::keyClicks(child<QLineEdit>("editLowerLimitKg"), "x7");
    QCOMPARE(child<QLineEdit>("editLowerLimitKg")->text(), QString("7"));
    press(QDialogButtonBox::Ok);
    QByteArray ini = savedFile();
    QVERIFY2(ini.contains("[limits]\nlower_N=12.5\nlower_kg=7\nlower_lbf=\nupper_N=20\n"
                          "upper_kg=\nupper_lbf=4.75\n"),
             ini.constData());

    StatusIni reloaded("status");
    QCOMPARE(reloaded.load(), 0);
    QCOMPARE(reloaded.forceLimits.value("N").lower, QByteArray("12.5"));
    QCOMPARE(reloaded.forceLimits.value("lbf").upper, QByteArray("4.75"));

    m_dialog->show();
    QCOMPARE(child<QLineEdit>("editLowerLimitN")->text(), QString("12.5"));
    child<QLineEdit>("editLowerLimitN")->clear();
    child<QLineEdit>("editUpperLimitN")->setText("99");
    press(QDialogButtonBox::Cancel);
    QCOMPARE(m_status->forceLimits.value("N").upper, QByteArray("20"));
    m_dialog->show();
    QCOMPARE(child<QLineEdit>("editUpperLimitN")->text(), QString("20"));
    child<QLineEdit>("editLowerLimitN")->clear();
    press(QDialogButtonBox::Ok);
    StatusIni cleared("status");
    cleared.load();
    QCOMPARE(cleared.forceLimits.value("N").lower, QByteArray());
    QCOMPARE(cleared.forceLimits.value("N").upper, QByteArray("20"));
}

void TestDialogs::crossedLimitsAreRefusedAndTheDialogStaysOpen()
{
    child<QLineEdit>("editLowerLimitKg")->setText("2,5");
    child<QLineEdit>("editUpperLimitKg")->setText("2.25");
    press(QDialogButtonBox::Ok);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->refusals,
             QStringList{"Grenzen in kg: die untere (2,5) liegt nicht unter der oberen (2.25)."});
    QCOMPARE(m_status->forceLimits.value("kg").lower, QByteArray());
    // Equal limits leave no tolerance: refused as well.
    child<QLineEdit>("editUpperLimitKg")->setText("2.5");
    press(QDialogButtonBox::Ok);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->refusals.size(), 2);
    child<QLineEdit>("editUpperLimitKg")->setText("2.75");
    press(QDialogButtonBox::Ok);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_status->forceLimits.value("kg").upper, QByteArray("2.75"));
}

QTEST_MAIN(TestDialogs)
void TestDialogs::calibrationDialogAddsCompleteRecordsOnly()
{
    QTemporaryDir folder;
    MeasurementArchive archive;
    QVERIFY(archive.open(folder.filePath("archive.sqlite")).ok());
    CalibrationDialog dialog(archive, "TP-4711");
    Ui::CalibrationDialog *form = dialog.formUi();
    QCOMPARE(form->labelGauge->text(), QString("Für das Gerät TP-4711 ist keine Kalibrierung erfasst."));

    // No certificate, then an uncertainty with a comma: refused, nothing kept.
    form->dateCalibrated->setDate(QDate(2020, 3, 2));
    form->dateDue->setDate(QDate(2021, 3, 1));
    form->buttonAdd->click();
    form->editCertificate->setText("K-17");
    form->editUncertainty->setText("0,25");
    form->buttonAdd->click();
    QVERIFY(!form->labelProblem->text().isEmpty());
    QVERIFY(!dialog.added());
    QCOMPARE(CalibrationStore(archive).list("TP-4711").size(), 0);

    form->editUncertainty->setText("0.25");
    form->editLaboratory->setText("DAkkS D-K-15071");
    form->buttonAdd->click();
    QVERIFY(dialog.added());
    QCOMPARE(form->labelGauge->text(), QString("Die Kalibrierung des Geräts TP-4711 war am 2021-03-01 fällig."));
    QCOMPARE(form->tableRecords->rowCount(), 1);
    QStringList row;
    for (int column = 0; column < 5; ++column)
        row << form->tableRecords->item(0, column)->text();
    QCOMPARE(row, QStringList({"K-17", "2020-03-02", "2021-03-01", "DAkkS D-K-15071", "0.25"}));
    QCOMPARE(CalibrationStore(archive).current("TP-4711")->uncertainty, std::optional<double>(0.25));
}

void TestDialogs::studyPageKeepsTheStudyWithItsMeasurements()
{
    QTemporaryDir folder;
    MeasurementArchive archive;
    QVERIFY(archive.open(folder.filePath("archive.sqlite")).ok());
    std::vector<std::unique_ptr<Measurement>> records;
    MeasurementSet set;
    set.serialNr = "TP-4711";
    QList<qint64> ids;
    for (int i = 0; i < 25; ++i) {
        records.push_back(std::make_unique<Measurement>(i + 1));
        records.back()->forceMax = float(10.0 + 0.01 * (i % 5 - 2));
        set.records << records.back().get();
        ids << 100 + i;
    }
    GaugeStudyRecord study = type1StudyOf(set, &archive);
    study.measurementIds = ids;
    GaugeStudyPage page(study, &archive, *m_status);
    Ui::GaugeStudyPage *form = page.formUi();
    form->editReference->setText("10");
    form->editResolution->setText("0.01");
    form->editTolerance->setText("1,0"); // a comma is no number here
    form->buttonCompute->click();
    QVERIFY(!form->buttonKeep->isEnabled());
    form->editTolerance->setText("1.0");
    form->buttonCompute->click();
    QCOMPARE(form->labelVerdict->text(), QString("Messmittel fähig"));
    QVERIFY(form->tableResults->rowCount() > 0);
    form->buttonKeep->click();
    QVERIFY(!form->buttonKeep->isEnabled());
    const QList<GaugeStudyRecord> kept = GaugeStudyStore(archive).list("TP-4711");
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().measurementIds, ids);
    QVERIFY(kept.first().capable);
}

#include "test_dialogs.moc"
