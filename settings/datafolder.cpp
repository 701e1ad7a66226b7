#include "settings/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where an installation under a prefix keeps the data files, seen from the
// program's folder; the build system installs them there.
const char *const kInstalledDataFolder = TSPX_DATA_FROM_BIN;

bool holdsDataFiles(const QDir &folder)
{
    return folder.exists(QString::fromLatin1(kLogoFileName)) ||
           !folder.entryList({QStringLiteral("tspx_*.qm")}, QDir::Files).isEmpty();
}

} // namespace

QString dataFolderOf(const QString &programFolder)
{
    const QDir beside(programFolder);
    if (holdsDataFiles(beside))
        return programFolder;
    const QString installed =
        QDir::cleanPath(beside.absoluteFilePath(QString::fromLatin1(kInstalledDataFolder)));
    if (QFileInfo(installed).isDir())
        return installed;
    return programFolder;
}

QString dataFolder()
{
    if (!QCoreApplication::instance())
        return dataFolderOf(QDir::currentPath());
    return dataFolderOf(QCoreApplication::applicationDirPath());
}

const QList<QByteArray> &programLanguages()
{
    static const QList<QByteArray> languages = {"de", "en", "fr", "it"};
    return languages;
}

void loadTranslations(QTranslator &framework, QTranslator &program, const QString &language)
{
    const QString folder = dataFolder();
    const QString qtCatalogue = QStringLiteral("qt_") + language;
    if (!framework.load(folder + QStringLiteral("/translations/") + qtCatalogue)) {
        const bool installed =
            framework.load(QLibraryInfo::location(QLibraryInfo::TranslationsPath) +
                           QLatin1Char('/') + qtCatalogue);
        Q_UNUSED(installed)
    }
    const bool loaded = program.load(folder + QStringLiteral("/tspx_") + language);
    Q_UNUSED(loaded)
}
