// Where the program finds its translations and default logo: beside itself in
// the build tree, in share/tspx beside bin/ when installed under a prefix.
#include "settings/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void dataFolderOf_data();
    void dataFolderOf();
};

void TestDataFolder::dataFolderOf_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("expected");

    const QStringList installed = {"usr/bin/tspx", "usr/share/tspx/kavro.png",
                                   "usr/share/tspx/tspx_fr.qm"};
    QTest::newRow("build tree") << QStringList{"build/bin/tspx", "build/bin/kavro.png",
                                               "build/bin/tspx_fr.qm"}
                                << "build/bin"
                                << "build/bin";
    QTest::newRow("only the logo beside") << QStringList{"bin/kavro.png"} << "bin"
                                          << "bin";
    QTest::newRow("only translations beside")
        << QStringList{"bin/tspx_it.qm", "share/tspx/kavro.png"} << "bin"
        << "bin";
    QTest::newRow("installed in /usr") << installed << "usr/bin"
                                       << "usr/share/tspx";
    QTest::newRow("installed under another prefix")
        << QStringList{"opt/kavro/bin/tspx", "opt/kavro/share/tspx/kavro.png"} << "opt/kavro/bin"
        << "opt/kavro/share/tspx";
    QTest::newRow("other files beside do not count")
        << (installed + QStringList{"usr/bin/tspx-sim", "usr/bin/translations/qt_fr.qm",
                                    "usr/bin/tspx_fr.ts", "usr/bin/kavro.svg"})
        << "usr/bin"
        << "usr/share/tspx";
    QTest::newRow("files beside win over an installation")
        << (installed + QStringList{"usr/bin/kavro.png"}) << "usr/bin"
        << "usr/bin";
    QTest::newRow("no data files anywhere: the program's folder")
        << QStringList{"usr/bin/tspx", "usr/share/other/kavro.png"} << "usr/bin"
        << "usr/bin";
    QTest::newRow("a file named like the data folder is no folder")
        << QStringList{"usr/bin/tspx", "usr/share/tspx"} << "usr/bin"
        << "usr/bin";
}

void TestDataFolder::dataFolderOf()
{
    QFETCH(QStringList, files);
    QFETCH(QString, programFolder);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir rootDir(root.path());
    for (const QString &file : files) {
        QVERIFY(rootDir.mkpath(QFileInfo(file).path()));
        QFile touched(rootDir.filePath(file));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }
    QVERIFY(rootDir.mkpath(programFolder));

    QCOMPARE(::dataFolderOf(rootDir.filePath(programFolder)), rootDir.filePath(expected));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
