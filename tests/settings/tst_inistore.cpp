#include "settings/inistore.h"
#include "settings/settingspaths.h"
#include "settingstesthelpers.h"

#include <QTest>

class TestIniStore : public QObject
{
    Q_OBJECT

private slots:
    void foldersFollowTheEnvironmentOnEveryCall();
    void storeByNameLivesInTheApplicationFolder();
    void writesWithoutSyncReachTheFileOnDestruction();
    void latin1TextsPassThroughBytewise();
    void textsKeepNulBytesBothWays();
    void absentKeysGiveTheirDefaults();
    void readLongKeepsTheLow32Bits();
    void readIntListTurnsNonNumbersIntoZero();
    void groupsAndAllKeys();
    void allKeysReportsKeysBeyondLatin1();
    void blockedFolderShowsAsAccessErrorOnSync();
    void brokenFileShowsAsFormatError();
};

void TestIniStore::foldersFollowTheEnvironmentOnEveryCall()
{
    const QByteArray oldHome = qgetenv("HOME");
    {
        TemporaryConfigHome first;
        QCOMPARE(settingsFolder(), first.appFolder());
        QCOMPARE(settingsFilePath("status"), first.appFolder() + "/status.ini");
        QCOMPARE(portsFolder(), first.appFolder() + "/ports");
        TemporaryConfigHome second;
        QCOMPARE(settingsFolder(), second.appFolder());

        // Unset or relative: the user's ~/.config.
        QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(settingsFolder(), home.path() + "/.config/Kavro/TensimoParl");
        qputenv("XDG_CONFIG_HOME", "relative/folder");
        QCOMPARE(settingsFolder(), home.path() + "/.config/Kavro/TensimoParl");
    }
    qputenv("HOME", oldHome);
}

void TestIniStore::storeByNameLivesInTheApplicationFolder()
{
    TemporaryConfigHome home;
    {
        IniStore store("Kavro", "TensimoParl", "status", 1);
        QCOMPARE(store.fileName, home.iniPath("status"));
        QCOMPARE(store.writeInt("k", 1), 0);
    }
    QCOMPARE(readFile(home.iniPath("status")), QByteArray("[General]\nk=1\n"));
}

void TestIniStore::writesWithoutSyncReachTheFileOnDestruction()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/sub/store.ini").toLatin1();
    {
        IniStore store(path);
        QCOMPARE(store.fileName, path);
        store.beginGroup("values");
        QCOMPARE(store.writeInt("int", -42), 0);
        QCOMPARE(store.writeLong("long", -5), 0);
        QCOMPARE(store.writeBool("flag", true), 0);
        QCOMPARE(store.writeDouble("double", 22.4809), 0);
        QCOMPARE(store.writeText("text", "C:/Programme/kavro.png"), 0);
        QCOMPARE(store.writeIntList("ints", {3, -1, 20}), 0);
        QCOMPARE(store.writeTextList("texts", {"de", "en"}), 0);
        QCOMPARE(store.writeTextList("one", {"de"}), 0);
        store.endGroup();
    }
    // QSettings writes the keys of a section in alphabetical order.
    QCOMPARE(readFile(path), QByteArray("[values]\n"
                                        "double=22.4809\n"
                                        "flag=true\n"
                                        "int=-42\n"
                                        "ints=3, -1, 20\n"
                                        "long=-5\n"
                                        "one=de\n"
                                        "text=C:/Programme/kavro.png\n"
                                        "texts=de, en\n"));

    IniStore store(path);
    store.beginGroup("values");
    int i = 0;
    double d = 0.0;
    bool b = false;
    QByteArray t;
    QList<int> ints;
    QList<QByteArray> texts;
    QCOMPARE(store.readInt("int", i, 0), 0);
    QCOMPARE(i, -42);
    QCOMPARE(store.readLong("long", i, 0), 0);
    QCOMPARE(i, -5);
    QCOMPARE(store.readBool("flag", b, false), 0);
    QCOMPARE(b, true);
    QCOMPARE(store.readDouble("double", d, 0.0), 0);
    QCOMPARE(d, 22.4809);
    QCOMPARE(store.readText("text", t, ""), 0);
    QCOMPARE(t, QByteArray("C:/Programme/kavro.png"));
    QCOMPARE(store.readIntList("ints", ints, {}), 0);
    QCOMPARE(ints, QList<int>({3, -1, 20}));
    QCOMPARE(store.readTextList("texts", texts, {}), 0);
    QCOMPARE(texts, QList<QByteArray>({"de", "en"}));
    QCOMPARE(store.readTextList("one", texts, {}), 0);
    QCOMPARE(texts, QList<QByteArray>({"de"}));
}

void TestIniStore::latin1TextsPassThroughBytewise()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/latin1.ini").toLatin1();
    const QByteArray text = "Pr\xfc"
                            "fstand \xe4"
                            "1 \xb5m";
    const QByteArray key = "Ger\xe4t";
    {
        IniStore store(path);
        QCOMPARE(store.writeText(key, text), 0);
        QCOMPARE(store.writeTextList("list", {text, "x"}), 0);
    }
    // Qt 5 escapes everything beyond ASCII; a hex digit after an escape is
    // escaped too, so that it is not read as part of it.
    QCOMPARE(readFile(path), QByteArray("[General]\n"
                                        "Ger%E4t=Pr\\xfc\\x66stand \\xe4\\x31 \\xb5m\n"
                                        "list=Pr\\xfc\\x66stand \\xe4\\x31 \\xb5m, x\n"));
    IniStore store(path);
    QByteArray read;
    QList<QByteArray> list;
    QCOMPARE(store.readText(key, read, ""), 0);
    QCOMPARE(read, text);
    QCOMPARE(store.readTextList("list", list, {}), 0);
    QCOMPARE(list, QList<QByteArray>({text, "x"}));
}

// A file may hold a NUL (written "\0"); what a read delivers must be written
// back unchanged, not cut at the NUL.
void TestIniStore::textsKeepNulBytesBothWays()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/nul.ini").toLatin1();
    const QByteArray text("f\0se", 4);
    {
        IniStore store(path);
        QCOMPARE(store.writeText("text", text), 0);
        QCOMPARE(store.writeTextList("list", {"de", text}), 0);
    }
    IniStore store(path);
    QByteArray read;
    QList<QByteArray> list;
    QCOMPARE(store.readText("text", read, ""), 0);
    QCOMPARE(read, text);
    QCOMPARE(store.readTextList("list", list, {}), 0);
    QCOMPARE(list, QList<QByteArray>({"de", text}));
}

void TestIniStore::absentKeysGiveTheirDefaults()
{
    QTemporaryDir dir;
    IniStore store((dir.path() + "/absent.ini").toLatin1());
    int i = 7;
    bool b = false;
    double d = 0.0;
    QByteArray t;
    QList<int> ints;
    QList<QByteArray> texts{"old"};
    QVariant v;
    QCOMPARE(store.readInt("i", i, 20), 0);
    QCOMPARE(i, 20);
    QCOMPARE(store.readLong("l", i, -3), 0);
    QCOMPARE(i, -3);
    QCOMPARE(store.readBool("b", b, true), 0);
    QCOMPARE(b, true);
    QCOMPARE(store.readDouble("d", d, 1.5), 0);
    QCOMPARE(d, 1.5);
    QCOMPARE(store.readText("t", t, "Velmora"), 0);
    QCOMPARE(t, QByteArray("Velmora"));
    QCOMPARE(store.readIntList("il", ints, {1, 2}), 0);
    QCOMPARE(ints, QList<int>({1, 2}));
    QCOMPARE(store.readTextList("tl", texts, {"de"}), 0);
    QCOMPARE(texts, QList<QByteArray>({"de"}));
    QCOMPARE(store.readValue("v", v, QVariant(QStringLiteral("x"))), 0);
    QCOMPARE(v, QVariant(QStringLiteral("x")));
    QVERIFY(!QFile::exists(dir.path() + "/absent.ini"));
}

void TestIniStore::readLongKeepsTheLow32Bits()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/long.ini";
    QVERIFY(writeFile(path, "big=78187493520\nallOnes=4294967295\nsmall=-7\n"));
    IniStore store(path.toLatin1());
    int value = 0;
    QCOMPARE(store.readLong("big", value, 0), 0);
    QCOMPARE(value, 0x34567890); // 0x1234567890
    QCOMPARE(store.readLong("allOnes", value, 0), 0);
    QCOMPARE(value, -1);
    QCOMPARE(store.readLong("small", value, 0), 0);
    QCOMPARE(value, -7);
}

void TestIniStore::readIntListTurnsNonNumbersIntoZero()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/list.ini";
    QVERIFY(writeFile(path, "ports=3, x7, 12, 0x10\n"));
    IniStore store(path.toLatin1());
    QList<int> ports{99};
    QCOMPARE(store.readIntList("ports", ports, {1}), 0);
    QCOMPARE(ports, QList<int>({3, 0, 12, 0}));
}

void TestIniStore::groupsAndAllKeys()
{
    QTemporaryDir dir;
    IniStore store((dir.path() + "/groups.ini").toLatin1());
    store.writeInt("top", 1);
    store.beginGroup("gui");
    QCOMPARE(store.group(), QByteArray("gui"));
    store.writeText("language", "fr");
    store.beginGroup("sub");
    QCOMPARE(store.group(), QByteArray("gui/sub"));
    store.writeInt("deep", 2);
    store.endGroup();
    QList<QByteArray> keys{"stale"};
    QCOMPARE(store.allKeys(keys), 0);
    QCOMPARE(keys, QList<QByteArray>({"language", "sub/deep"}));
    store.endGroup();
    QCOMPARE(store.group(), QByteArray());
    QCOMPARE(store.allKeys(keys), 0);
    QCOMPARE(keys.size(), 3);
}

void TestIniStore::allKeysReportsKeysBeyondLatin1()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/keys.ini";
    // An INI key may name any character; U+03A9 has no Latin-1 byte.
    QVERIFY(writeFile(path, "a=1\n%U03A9=2\nz=3\n"));
    IniStore store(path.toLatin1());
    QList<QByteArray> keys;
    QCOMPARE(store.allKeys(keys), -1);
    QCOMPARE(keys, QList<QByteArray>({"a", "z", "?"}));
}

void TestIniStore::blockedFolderShowsAsAccessErrorOnSync()
{
    TemporaryConfigHome home;
    QVERIFY(home.blockFolder());
    IniStore store("Kavro", "TensimoParl", "status", 1);
    QCOMPARE(store.writeInt("k", 1), 0); // the failure shows only when written
    QCOMPARE(store.sync(), 1);
    int value = 0;
    QCOMPARE(store.readInt("k", value, 0), 1);
    QVERIFY(!QFileInfo(home.iniPath("status")).exists());
}

void TestIniStore::brokenFileShowsAsFormatError()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/broken.ini";
    QVERIFY(writeFile(path, "[gui\nlanguage=\"fr\n"));
    IniStore store(path.toLatin1());
    QByteArray language;
    QCOMPARE(store.readText("language", language, "de"), 2);
}

QTEST_GUILESS_MAIN(TestIniStore)
#include "tst_inistore.moc"
