#include "device/quorixtspx.h"
#include "device/rs232win.h"
#include "portfixtures.h"
#include "scriptedport.h"

#include <QFile>
#include <QTest>

namespace {
const QByteArray kCannotOpen = "RS232 kann nicht ge\xc3\xb6"
                               "ffnet werden! ";
}

class TestRS232Win : public QObject
{
    Q_OBJECT

private slots:
    void missingPortStaysClosed();
    void portLocations();
#ifdef Q_OS_LINUX
    void bytesBothWays();
    void lineSettings();
    void unusableSettingsCloseThePort();
    void exclusiveAndUnplugged();
#endif
};

void TestRS232Win::missingPortStaysClosed()
{
    PortEntries entries;
    QVERIFY(entries.linkToNothing(6));
    for (const QByteArray name : {"tspx-no-such-port", "COM6"}) {
        LogCapture log;
        RS232Win port(name);
        QVERIFY(!port.isOpen);
        QCOMPARE(port.init(115200, 0, 8, 1, 0), -1);
        char c = 'q';
        port.readChar(&c);
        QCOMPARE(c, 'q');
        QByteArray text = "old";
        port.readString(&text, 0);
        QVERIFY(text.isEmpty());
        port.writeString("#serNr000?\r\n");
        QCOMPARE(log.lines(), QList<QByteArray>{kCannotOpen + name});
    }
}

void TestRS232Win::portLocations()
{
    PortEntries entries;
    QFile plain(entries.entryPath(5));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QVERIFY(entries.linkToNothing(6)); // a dangling entry counts as well
    QCOMPARE(systemPortLocation("COM5"), entries.entryPath(5));
    QCOMPARE(systemPortLocation("COM6"), entries.entryPath(6));
    QVERIFY(QFile::link("/dev/null", entries.entryPath(31)));
    QVERIFY(QFile::link("/dev/null", entries.entryPath(0) + "7"));
    for (const char *other : {"COM31", "COM07", "COM0", "com3", "COM3x", "COM", "/dev/ttyUSB3"})
        QCOMPARE(systemPortLocation(other), QString::fromLatin1(other));
#ifdef Q_OS_LINUX
    const QList<QPair<QByteArray, QString>> fallbacks{
        {"COM1", "/dev/ttyUSB0"},  {"COM10", "/dev/ttyUSB9"}, {"COM11", "/dev/ttyACM0"},
        {"COM20", "/dev/ttyACM9"}, {"COM21", "/dev/ttyS0"},   {"COM30", "/dev/ttyS9"}};
#else
    const QList<QPair<QByteArray, QString>> fallbacks{{"COM1", "COM1"}, {"COM10", "COM10"}};
#endif
    for (const auto &fallback : fallbacks)
        QCOMPARE(systemPortLocation(fallback.first), fallback.second);
}

#ifdef Q_OS_LINUX

void TestRS232Win::bytesBothWays()
{
    PseudoTerminal terminal;
    PortEntries entries;
    QVERIFY(entries.link(3, terminal.devicePath()));
    LogCapture log;
    RS232Win port("COM3");
    QVERIFY(port.isOpen);
    // A pseudo-terminal has no DTR and RTS lines; that does not matter.
    QCOMPARE(port.init(115200, 0, 8, 1, 0), 0);
    QCOMPARE(log.lines(), QList<QByteArray>{"Init RS232: COM31152000810"});

    port.writeChar('#');
    port.writeString(QByteArray("serNr\r\n\x11\xff\0ignored", 16));
    QCOMPARE(terminal.receive(10, 500), QByteArray("#serNr\r\n\x11\xff"));

    // Pending bytes are there at once; a NUL byte reads like no byte.
    char c = 'q';
    port.readChar(&c);
    QCOMPARE(c, '\0');
    QVERIFY(terminal.send(QByteArray("A\0B", 3)));
    QByteArray read;
    for (int i = 0; i < 3; ++i, read += c)
        port.readChar(&c);
    QCOMPARE(read, QByteArray("A\0B", 3));

    QByteArray bytes(300, 'x');
    bytes[255] = 'y';
    QVERIFY(terminal.send(bytes + QByteArray("ab\0cd", 5)));
    port.readString(&read, 0);
    QCOMPARE(read, bytes.left(255));
    port.readString(&read, 10);
    QCOMPARE(read, bytes.mid(255, 10));
    port.readString(&read, 0);
    QCOMPARE(read, bytes.mid(265) + "ab"); // cut at the NUL
    // All that is pending goes, not only what one read takes.
    QVERIFY(terminal.send(QByteArray(3000, 's') + QByteArray("\0tale", 5)));
    port.clearInput();
    port.readString(&read, 0);
    QVERIFY(read.isEmpty());
    c = 'q';
    port.readChar(&c);
    QCOMPARE(c, '\0');
}

void TestRS232Win::lineSettings()
{
    // A pseudo-terminal keeps 8 data bits and clears the parity-enable flag
    // itself (so it refuses even parity), but keeps the flags that tell odd,
    // mark and space apart, the stop bits and the flow control.
    const struct
    {
        int parity, stopBits, handshake;
        tcflag_t controlFlags, inputFlags;
    } cases[] = {{0, 1, 0, 0, 0},
                 {2, 2, 2, PARODD | CSTOPB | CRTSCTS, 0},
                 {3, 3, 1, PARODD | CMSPAR, IXON | IXOFF},
                 {4, 1, 7, CMSPAR, 0},
                 {9, 1, 0, 0, 0}};
    PseudoTerminal terminal;
    PortEntries entries;
    QVERIFY(entries.link(3, terminal.devicePath()));
    LogCapture log;
    for (const auto &c : cases) {
        RS232Win port("COM3");
        QCOMPARE(port.init(115200, c.parity, 8, c.stopBits, c.handshake), 0);
        const termios line = terminal.lineSettings();
        QCOMPARE(cfgetospeed(&line), speed_t(B115200));
        QCOMPARE(line.c_cflag & (CSIZE | PARODD | CMSPAR | CSTOPB | CRTSCTS), CS8 | c.controlFlags);
        QCOMPARE(line.c_iflag & (IXON | IXOFF), c.inputFlags);
        QCOMPARE(line.c_lflag & (ICANON | ECHO), tcflag_t(0));
    }
}

void TestRS232Win::unusableSettingsCloseThePort()
{
    PseudoTerminal terminal;
    PortEntries entries;
    QVERIFY(entries.link(3, terminal.devicePath()));
    LogCapture log;
    RS232Win port("COM3");
    QCOMPARE(port.init(115200, 0, 9, 1, 0), -2);
    QVERIFY(!port.isOpen);
    QCOMPARE(log.lines(),
             QList<QByteArray>{"RS232 kann nicht konfiguriert werden! COM3 (1152000910)"});
    QCOMPARE(port.init(115200, 0, 8, 1, 0), -1); // no second chance
    port.writeString("#stCom101!\r\n");
    QVERIFY(terminal.receive(1, 200).isEmpty());
}

void TestRS232Win::exclusiveAndUnplugged()
{
    PseudoTerminal terminal;
    PortEntries entries;
    QVERIFY(entries.link(3, terminal.devicePath()));
    LogCapture log;
    RS232Win port("COM3");
    QVERIFY(!RS232Win("COM3").isOpen);
    QCOMPARE(log.lines(), QList<QByteArray>{kCannotOpen + "COM3"});
    QuorixTSPX device(&port);
    QCOMPARE(device.status->code, 1);

    terminal.unplug();
    char c = 'q';
    port.readChar(&c);
    QCOMPARE(c, '\0');
    QByteArray text = "stale";
    QCOMPARE(device.readCommand("serNr", 0, text), -99);
    QVERIFY(text.isEmpty());
}

#endif

QTEST_GUILESS_MAIN(TestRS232Win)
#include "tst_rs232win.moc"
