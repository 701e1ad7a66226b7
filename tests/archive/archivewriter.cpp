// Stores one measurement, then starts a second transfer and stops inside its
// transaction ("stored" on stdout) until it is killed.
#include "archive/measurementarchive.h"
#include "archivesamples.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    MeasurementArchive archive;
    if (!archive.open(QString::fromLocal8Bit(argv[1])).ok())
        return 1;
    const ArchiveDevice device{"SN-KILL", "2.0", 0};
    std::vector<std::unique_ptr<Measurement>> first;
    first.push_back(sampleRecord(1, "01;02;2024", "10;00;00"));
    if (!archive.storeTransfer(device, pointers(first), QDateTime::currentDateTimeUtc()).ok())
        return 1;

    std::vector<std::unique_ptr<Measurement>> second;
    second.push_back(sampleRecord(2, "02;02;2024", "11;00;00", 10000));
    second.push_back(sampleRecord(3, "03;02;2024", "12;00;00"));
    archive.storeTransfer(device, pointers(second), QDateTime::currentDateTimeUtc(), nullptr,
                          [](int) {
                              std::printf("stored\n");
                              std::fflush(stdout);
                              for (;;)
                                  QThread::sleep(1);
                          });
    return 3;
}
