#pragma once

#include <QByteArray>
#include <QList>
#include <QVariant>

class QSettings;

// Added to a settings file's load result when the file is missing (or
// declares itself default) and defaults are in force.
constexpr int kDefaultsInForce = 999;

// Typed access to one INI file through QSettings. Keys and text values are
// 8-bit Latin-1; strings (file paths) may hold any character. QSettings
// writes every character beyond ASCII as its own escape ("\xe4", "\x43a"),
// so a Latin-1 string is stored exactly as the same text would be, and any
// string reads back unchanged. Every read and write returns QSettings' status
// code (0 no error, 1 access error, 2 format error).
class IniStore
{
public:
    // By name: the file `name`.ini in the folder of organization/application
    // (see settingsFolder()); scope 0 = user, 1 = system-wide.
    IniStore(const QByteArray &organization, const QByteArray &application, const QByteArray &name,
             char scope);
    // By path: the given INI file.
    explicit IniStore(const QByteArray &filePath);
    ~IniStore();

    IniStore(const IniStore &) = delete;
    IniStore &operator=(const IniStore &) = delete;

    QByteArray fileName;

    void beginGroup(const QByteArray &name);
    void endGroup();
    QByteArray group() const;
    // Writes pending changes and re-reads the file. Returns the status code:
    // a failed write shows only here, not in the writes before it.
    int sync();
    int allKeys(QList<QByteArray> &keys) const;

    int writeInt(const QByteArray &key, int value);
    int writeLong(const QByteArray &key, int value);
    int writeBool(const QByteArray &key, bool value);
    int writeDouble(const QByteArray &key, double value);
    int writeText(const QByteArray &key, const QByteArray &value);
    int writeString(const QByteArray &key, const QString &value);
    int writeIntList(const QByteArray &key, const QList<int> &values);
    int writeTextList(const QByteArray &key, const QList<QByteArray> &values);
    int writeValue(const QByteArray &key, const QVariant &value);

    int readInt(const QByteArray &key, int &value, int defaultValue);
    int readLong(const QByteArray &key, int &value, qint64 defaultValue);
    int readBool(const QByteArray &key, bool &value, bool defaultValue);
    int readDouble(const QByteArray &key, double &value, double defaultValue);
    int readText(const QByteArray &key, QByteArray &value, const QByteArray &defaultValue);
    int readString(const QByteArray &key, QString &value, const QString &defaultValue);
    int readIntList(const QByteArray &key, QList<int> &values, const QList<int> &defaultValues);
    int readTextList(const QByteArray &key, QList<QByteArray> &values,
                     const QList<QByteArray> &defaultValues);
    int readValue(const QByteArray &key, QVariant &value, const QVariant &defaultValue);

private:
    QSettings *m_settings;
};
