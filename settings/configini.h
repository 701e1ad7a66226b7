#pragma once

#include <QByteArray>
#include <QList>

class IniStore;

// The program-wide configuration file ("config.ini").
class ConfigIni
{
public:
    explicit ConfigIni(const QByteArray &name);
    ~ConfigIni();

    ConfigIni(const ConfigIni &) = delete;
    ConfigIni &operator=(const ConfigIni &) = delete;

    // 0: read and not declaring defaults; 999: defaults in force; else the
    // sum of the store's status codes.
    int load();
    int save();

    QList<QByteArray> availableLanguages;

private:
    IniStore *store;

public:
    QByteArray fileName;
    bool defaultValues = false;
};
