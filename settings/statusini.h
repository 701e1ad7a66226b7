#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class IniStore;

// Lower and upper limit of the maximum force in one unit, as numbers with "."
// decimals; an empty text is no limit.
struct ForceLimitTexts
{
    QByteArray lower;
    QByteArray upper;
};

// What the program remembers between runs for the user ("status.ini").
// Callers change the fields directly and then call save(), which writes the
// whole file. load() must run before the fields are read. File paths are
// strings: a folder or logo outside Latin-1 reads back as it was chosen.
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
    // The main window's geometry before it was ever closed.
    static constexpr int kDefaultFormPos = 20;
    static constexpr int kDefaultFormWidth = 900;
    static constexpr int kDefaultFormHeight = 750;
    int formPosX = 0;
    int formPosY = 0;
    int formWidth = 0;
    int formHeight = 0;
    bool formMaximized = false;
    QString printLogoFilename;
    QByteArray printHeaderLine;
    QString lastFilePath;
    QString lastExportListPath;
    int lastConnectedPortNr = 0;
    bool exportListCsvWithSepHeader = true;
    // The statistics' limits by unit text ("N", "kg", "lbf"); group "limits",
    // keys "lower_" and "upper_" followed by the unit text.
    QMap<QByteArray, ForceLimitTexts> forceLimits;
    // The Cpk from which a process counts as capable and as well capable;
    // group "capability".
    static constexpr double kCapableCpk = 1.33;
    static constexpr double kWellCapableCpk = 1.67;
    double capableCpk = kCapableCpk;
    double wellCapableCpk = kWellCapableCpk;
    // The measurement archive: its file (empty: "archive.sqlite" in the
    // settings folder) and whether a transfer skips the samples it holds.
    QString archivePath;
    bool quickTransfer = true;
    // A shared archive on a PostgreSQL server ("postgresql"; "sqlite": the
    // file above). The file then keeps what waits for the server. No
    // password: libpq reads ~/.pgpass or a PGSERVICE entry.
    static constexpr const char *kFileBackend = "sqlite";
    static constexpr const char *kServerBackend = "postgresql";
    QByteArray archiveBackend;
    QString serverHost;
    int serverPort = 5432;
    QString serverDatabase;
    QString serverUser;
    QByteArray serverSslMode;
    // The name every record of this computer carries; empty: its host name.
    QString stationName;
    // Whether the "Archiv" rows are grouped by station first.
    bool archiveByStation = false;
    // Measurements of a gauge without a calibration record are marked.
    bool calibrationRequired = false;
    // What Cg and Cgk of a type-1 study must reach.
    double type1Minimum = 1.33;
    // The test plan the window judges by (its name in the archive); empty: none.
    QString testPlan;

    QByteArray fileName;

private:
    IniStore *store;
};
