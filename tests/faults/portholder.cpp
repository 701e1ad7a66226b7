// tspx-portholder PATH: another program that holds a serial port. Opens PATH
// with QSerialPort and reads (and drops) whatever arrives, like a terminal
// program, until its standard input ends. Prints "held" once the port is
// open, or "failed: " and the reason.
#include <QCoreApplication>
#include <QSerialPort>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tspx-portholder PATH\n");
        return 2;
    }
    QSerialPort port(QString::fromLocal8Bit(argv[1]));
    if (!port.open(QIODevice::ReadWrite)) {
        std::printf("failed: %s\n", qPrintable(port.errorString()));
        return 1;
    }
    QObject::connect(&port, &QSerialPort::readyRead, [&port] { port.readAll(); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    std::printf("held\n");
    std::fflush(stdout);
    return app.exec();
}
