// Runs the program's whole start-up and shutdown from an installed tree:
// check-package.sh copies this test beside the installed programs
// (<root>/usr/bin) and runs it there, so it finds the files exactly as the
// installed tspx does: its translations and logo in <root>/usr/share/tspx and
// Qt's own translations where Qt keeps them.
#include "programrun.h"

#include "settings/datafolder.h"
#include "settings/settingspaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>
#include <QWidget>
#include <QTest>

namespace {

struct InstalledRun
{
    ProgramRun run;
    QString programFolder;
    QString dataFolder;
    QString fileMenuTitle;
    QString qtCancelText;
    QString logoFileName;
};

InstalledRun runInstalled(const QByteArray &language)
{
    InstalledRun installed;
    installed.run = runProgramInProcess({"-lang=" + language}, [&installed](QWidget *window) {
        installed.programFolder = QCoreApplication::applicationDirPath();
        installed.dataFolder = dataFolder();
        if (auto *menu = window ? window->findChild<QMenu *>("menuDatei") : nullptr)
            installed.fileMenuTitle = menu->title();
        installed.qtCancelText = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (window)
            window->close();
        else
            QCoreApplication::exit(99);
    });
    const QSettings status(settingsFilePath(QStringLiteral("status")), QSettings::IniFormat);
    installed.logoFileName = status.value(QStringLiteral("printing/printLogoFilename")).toString();
    return installed;
}

} // namespace

class TestInstalledProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsItsDataFolder();
    void showsTheProgramsTranslation();
    void showsQtsTranslation();
    void defaultLogoIsTheInstalledOne();

private:
    InstalledRun m_french;
};

void TestInstalledProgram::initTestCase()
{
    m_french = runInstalled("fr");
    QCOMPARE(m_french.run.exitCode, 0);
    QVERIFY(m_french.run.log.contains("Lade Sprache 'fr'..."));
}

void TestInstalledProgram::findsItsDataFolder()
{
    QVERIFY2(m_french.programFolder.endsWith(QStringLiteral("/usr/bin")),
             qPrintable(m_french.programFolder));
    QCOMPARE(m_french.dataFolder,
             QDir::cleanPath(m_french.programFolder + QStringLiteral("/../share/tspx")));
}

void TestInstalledProgram::showsTheProgramsTranslation()
{
    QCOMPARE(m_french.fileMenuTitle, QStringLiteral("&Fichier"));
}

// Qt's catalogue is not in the package: it comes from qttranslations5-l10n,
// which the package recommends.
void TestInstalledProgram::showsQtsTranslation()
{
    QTranslator system;
    if (!system.load(QStringLiteral("qt_fr"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QSKIP("qttranslations5-l10n is not installed");
    QCOMPARE(m_french.qtCancelText, QStringLiteral("Annuler"));
}

void TestInstalledProgram::defaultLogoIsTheInstalledOne()
{
    QCOMPARE(m_french.logoFileName, m_french.dataFolder + QStringLiteral("/kavro.png"));
    const QImage logo(m_french.logoFileName);
    QVERIFY(!logo.isNull());
    QCOMPARE(logo, QImage(QStringLiteral(":/logos/images/logos/kavro.png")));
}

QTEST_APPLESS_MAIN(TestInstalledProgram)
#include "installedprogram.moc"
