#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QTranslator;

// The program's own data files: its translations (tspx_XX.qm) and the report's
// default logo.
constexpr const char *kLogoFileName = "kavro.png";

// The folder that holds the data files of a program in `programFolder`: the
// program's folder itself when the files lie beside it (the build tree, a
// copied folder), else the data folder of an installation under a prefix
// (`programFolder`/../share/tspx, so /usr/share/tspx for /usr/bin/tspx) when
// that exists, else the program's folder.
QString dataFolderOf(const QString &programFolder);

// The data folder of the running program. Without an application object
// (tools, tests) the current folder stands for the program's folder.
QString dataFolder();

// The languages the program's texts come in, German (the source) first.
const QList<QByteArray> &programLanguages();

// Loads Qt's own texts and the program's texts for `language` (a code such as
// "fr") into the two translators. Qt's catalogue comes from translations/qt_XX
// in the data folder (a copy in the build tree), else from Qt's installed
// translations (on Debian /usr/share/qt5/translations, package
// qttranslations5-l10n). A missing catalogue is no error: the texts then stay
// German (the program's) or English (Qt's).
void loadTranslations(QTranslator &framework, QTranslator &program, const QString &language);
