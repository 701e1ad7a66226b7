// The compiled-in images (reached through the program's libraries only, as in
// the program) and the files the build puts beside the program.
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QTranslator>
#include <QTest>

namespace {
const QString kProgramDir = QStringLiteral(TSPX_PROGRAM_DIR);
const QString kLogo = QStringLiteral(":/logos/images/logos/kavro.png");

const char *const kUnusedButtons[] = {"hinzu",       "down",       "kopieren",
                                      "ok",          "up",         "speichern",
                                      "table",       "schliessen", "verzeichnis_oeffnen",
                                      "zurueck",     "weiter",     "abbruch",
                                      "dateiupdate", "vor",        "dateiloeschen"};
} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void compiledInIcons_data();
    void compiledInIcons();
    void logo();

    void programTranslations_data();
    void programTranslations();
    void qtTranslations_data();
    void qtTranslations();
};

void TestResources::compiledInIcons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("minimumSize");

    QTest::newRow("transfer") << QStringLiteral(":/buttons/images/buttons/transfer.png") << 32;
    QTest::newRow("connection") << QStringLiteral(":/buttons/images/buttons/connection.png") << 16;
    QTest::newRow("symbol") << QStringLiteral(":/logos/images/logos/kavro_symbol.png") << 32;
    for (const char *name : kUnusedButtons)
        QTest::newRow(name) << QStringLiteral(":/buttons/images/buttons/%1.png").arg(name) << 16;
}

void TestResources::compiledInIcons()
{
    QFETCH(QString, path);
    QFETCH(int, minimumSize);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.width(), image.height());
    QVERIFY(image.width() >= minimumSize);
    QVERIFY(image.hasAlphaChannel());
}

// The info dialog shows the logo unscaled in a 540 x 90 area; the report's
// default logo is the same picture as a file beside the program.
void TestResources::logo()
{
    const QImage logo(kLogo);
    QVERIFY(!logo.isNull());
    QVERIFY(logo.width() <= 540 && logo.height() <= 90);
    QVERIFY(logo.width() >= 270 && logo.height() >= 45);
    QCOMPARE(QImage(kProgramDir + QStringLiteral("/kavro.png")), logo);
}

void TestResources::programTranslations_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("fr") << QStringLiteral("fr");
    QTest::newRow("it") << QStringLiteral("it");
}

void TestResources::programTranslations()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(kProgramDir + QStringLiteral("/tspx_") + language));
    QCOMPARE(translator.language(), language);
}

void TestResources::qtTranslations_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("fr") << QStringLiteral("fr");
    QTest::newRow("it") << QStringLiteral("it");
}

// Qt's catalogue beside the program loads with every catalogue it names and
// gives the same texts as the installed one.
void TestResources::qtTranslations()
{
    QFETCH(QString, language);
    const QString installedDir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    QTranslator installed;
    if (!installed.load(QStringLiteral("qt_") + language, installedDir))
        QSKIP("Qt's translations are not installed");

    QTranslator copied;
    QVERIFY(copied.load(kProgramDir + QStringLiteral("/translations/qt_") + language));
    const QString cancel = copied.translate("QPlatformTheme", "Cancel");
    QVERIFY(!cancel.isEmpty());
    QCOMPARE(cancel, installed.translate("QPlatformTheme", "Cancel"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
