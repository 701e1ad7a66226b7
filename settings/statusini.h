#pragma once

#include <QByteArray>

class IniStore;

// What the program remembers between runs for the user ("status.ini").
// Callers change the fields directly and then call save(), which writes the
// whole file. load() must run before the fields are read.
class StatusIni
{
public:
    explicit StatusIni(const QByteArray &name);
    ~StatusIni();

    StatusIni(const StatusIni &) = delete;
    StatusIni &operator=(const StatusIni &) = delete;

    int load();
    int save();

    QByteArray language;
    QByteArray unusedText;
    int formPosX = 0;
    int formPosY = 0;
    int formWidth = 0;
    int formHeight = 0;
    bool formMaximized = false;
    QByteArray printLogoFilename;
    QByteArray printHeaderLine;
    QByteArray lastFilePath;
    QByteArray lastExportListPath;
    int lastConnectedPortNr = 0;
    bool exportListCsvWithSepHeader = true;
    // The measurement archive: its file (empty: "archive.sqlite" in the
    // settings folder) and whether a transfer skips the samples it holds.
    QByteArray archivePath;
    bool quickTransfer = true;

    QByteArray fileName;

private:
    IniStore *store;
};
