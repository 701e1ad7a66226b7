#include "settings/inistore.h"

#include "settings/settingspaths.h"

#include <QSettings>
#include <QStringList>

namespace {

// Every byte, NULs included: Qt 5's fromLatin1(QByteArray) stops at the first
// NUL, which would cut on writing what a read delivered in full.
QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(), bytes.size());
}

QSettings *openByName(const QByteArray &organization, const QByteArray &application,
                      const QByteArray &name, char scope)
{
#ifdef Q_OS_WIN
    return new QSettings(QSettings::IniFormat,
                         scope == 0 ? QSettings::UserScope : QSettings::SystemScope,
                         text(organization), text(application + '/' + name));
#else
    const QString folder = settingsFolder(text(organization), text(application), scope);
    return new QSettings(folder + QLatin1Char('/') + text(name) + QStringLiteral(".ini"),
                         QSettings::IniFormat);
#endif
}

bool isLatin1(const QString &s)
{
    for (const QChar c : s) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}

QStringList textList(const QList<QByteArray> &values)
{
    QStringList list;
    list.reserve(values.size());
    for (const QByteArray &value : values)
        list.append(text(value));
    return list;
}

} // namespace

IniStore::IniStore(const QByteArray &organization, const QByteArray &application,
                   const QByteArray &name, char scope)
    : m_settings(openByName(organization, application, name, scope))
{
    fileName = m_settings->fileName().toLatin1();
}

IniStore::IniStore(const QByteArray &filePath)
    : fileName(filePath), m_settings(new QSettings(text(filePath), QSettings::IniFormat))
{
}

IniStore::~IniStore()
{
    m_settings->sync();
    delete m_settings;
}

void IniStore::beginGroup(const QByteArray &name)
{
    m_settings->beginGroup(text(name));
}

void IniStore::endGroup()
{
    m_settings->endGroup();
}

QByteArray IniStore::group() const
{
    return m_settings->group().toLatin1();
}

int IniStore::sync()
{
    m_settings->sync();
    return m_settings->status();
}

int IniStore::allKeys(QList<QByteArray> &keys) const
{
    keys.clear();
    int result = 0;
    const QStringList names = m_settings->allKeys();
    for (const QString &name : names) {
        if (!isLatin1(name))
            result = -1;
        keys.append(name.toLatin1());
    }
    return result;
}

int IniStore::writeInt(const QByteArray &key, int value)
{
    return writeValue(key, QVariant(value));
}

int IniStore::writeLong(const QByteArray &key, int value)
{
    return writeValue(key, QVariant(qint64(value)));
}

int IniStore::writeBool(const QByteArray &key, bool value)
{
    return writeValue(key, QVariant(value));
}

int IniStore::writeDouble(const QByteArray &key, double value)
{
    return writeValue(key, QVariant(value));
}

int IniStore::writeText(const QByteArray &key, const QByteArray &value)
{
    return writeValue(key, QVariant(text(value)));
}

int IniStore::writeString(const QByteArray &key, const QString &value)
{
    return writeValue(key, QVariant(value));
}

int IniStore::writeIntList(const QByteArray &key, const QList<int> &values)
{
    QStringList list;
    list.reserve(values.size());
    for (int value : values)
        list.append(QString::number(value));
    return writeValue(key, QVariant(list));
}

int IniStore::writeTextList(const QByteArray &key, const QList<QByteArray> &values)
{
    return writeValue(key, QVariant(textList(values)));
}

int IniStore::writeValue(const QByteArray &key, const QVariant &value)
{
    m_settings->setValue(text(key), value);
    return m_settings->status();
}

int IniStore::readInt(const QByteArray &key, int &value, int defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaultValue));
    value = stored.toInt();
    return status;
}

int IniStore::readLong(const QByteArray &key, int &value, qint64 defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaultValue));
    // Keeps the low 32 bits, as the 32-bit field the value is read into.
    value = int(quint32(stored.toLongLong()));
    return status;
}

int IniStore::readBool(const QByteArray &key, bool &value, bool defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaultValue));
    value = stored.toBool();
    return status;
}

int IniStore::readDouble(const QByteArray &key, double &value, double defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaultValue));
    value = stored.toDouble();
    return status;
}

int IniStore::readText(const QByteArray &key, QByteArray &value, const QByteArray &defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(text(defaultValue)));
    value = stored.toString().toLatin1();
    return status;
}

int IniStore::readString(const QByteArray &key, QString &value, const QString &defaultValue)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaultValue));
    value = stored.toString();
    return status;
}

int IniStore::readIntList(const QByteArray &key, QList<int> &values,
                          const QList<int> &defaultValues)
{
    QStringList defaults;
    defaults.reserve(defaultValues.size());
    for (int value : defaultValues)
        defaults.append(QString::number(value));
    QVariant stored;
    const int status = readValue(key, stored, QVariant(defaults));
    values.clear();
    const QStringList entries = stored.toStringList();
    for (const QString &entry : entries)
        values.append(entry.toInt(nullptr, 10)); // not a number: 0
    return status;
}

int IniStore::readTextList(const QByteArray &key, QList<QByteArray> &values,
                           const QList<QByteArray> &defaultValues)
{
    QVariant stored;
    const int status = readValue(key, stored, QVariant(textList(defaultValues)));
    values.clear();
    const QStringList entries = stored.toStringList();
    for (const QString &entry : entries)
        values.append(entry.toLatin1());
    return status;
}

int IniStore::readValue(const QByteArray &key, QVariant &value, const QVariant &defaultValue)
{
    value = m_settings->value(text(key), defaultValue);
    return m_settings->status();
}
