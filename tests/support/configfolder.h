#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points XDG_CONFIG_HOME at a fresh temporary folder for the life of the
// object, so status files and port links of a test land there and nowhere
// else. The previous value comes back on destruction.
class TemporaryConfigHome
{
public:
    TemporaryConfigHome();
    ~TemporaryConfigHome();

    TemporaryConfigHome(const TemporaryConfigHome &) = delete;
    TemporaryConfigHome &operator=(const TemporaryConfigHome &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // A file of the test's own in the folder (beside Kavro/).
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Where the program keeps its settings: Kavro/TensimoParl in the folder,
    // spelled out here rather than asked of the program.
    QString appFolder() const { return m_dir.path() + QStringLiteral("/Kavro/TensimoParl"); }
    // The settings file `name`.ini in appFolder(), as the log lines print it.
    QByteArray iniPath(const char *name) const;
    // Puts a regular file where the Kavro folder must be created, so that no
    // settings file can be written, not even by root.
    bool blockFolder() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};
