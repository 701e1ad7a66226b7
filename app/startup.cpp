#include "app/startup.h"

#include "base/log.h"
#include "base/version.h"
#include "settings/configini.h"
#include "settings/datafolder.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QTranslator>

#include <memory>

namespace {
const char *const kLanguageOption = "-lang";

// Qt's own texts and the program's texts from the data folder (Qt's also from
// Qt's installed translations); the program's are consulted first.
void installTranslations(QTranslator &framework, QTranslator &program, const QByteArray &language)
{
    loadTranslations(framework, program, QString::fromLatin1(language));
    QCoreApplication::installTranslator(&framework);
    QCoreApplication::installTranslator(&program);
}
} // namespace

QByteArray requestedLanguage(const QStringList &arguments)
{
    QByteArray language;
    for (int i = 1; i < arguments.size(); ++i) {
        const QStringList parts = arguments.at(i).split(QLatin1Char('='));
        if (parts.size() == 2 && parts.at(0) == QLatin1String(kLanguageOption))
            language = parts.at(1).toLatin1();
    }
    return language;
}

int runTspx(int argc, char **argv)
{
    auto frameworkTranslator = std::make_unique<QTranslator>();
    auto programTranslator = std::make_unique<QTranslator>();
    logLine("Starte TSPX. Version: " + versionString());

    auto application = std::make_unique<QApplication>(argc, argv);
    const QByteArray requested = requestedLanguage(QCoreApplication::arguments());

    auto config = std::make_unique<ConfigIni>("config");
    // The settings, the archive, the session and the workflow, made once.
    auto services = std::make_unique<GaugeServices>();
    StatusIni *status = &services->status();
    // Stored, so that later runs without the option keep the language.
    if (!requested.isEmpty())
        status->language = requested;
    const QByteArray language = status->language;
    logLine("Lade Sprache '" + language + "'...");
    installTranslations(*frameworkTranslator, *programTranslator, language);

    auto window =
        std::make_unique<Mainform>(config.get(), *services, QString::fromLatin1(versionString()));
    window->show();
    const int exitCode = application->exec();

    status->save();
    logLine("TSPX beendet: " + QByteArray::number(exitCode));

    // The window refers to the settings objects, and every object to the
    // application object: tear down in the reverse order of their needs.
    window.reset();
    services.reset();
    config.reset();
    application.reset();
    programTranslator.reset();
    frameworkTranslator.reset();
    return exitCode;
}
