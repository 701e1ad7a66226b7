// Opens the real main window, downloads the measurements of the gauge found on
// the serial ports (the simulated one, started by scripts/screenshots.sh),
// and saves PNG pictures of the device page and of the newest measurement.
//
//   tspx-shoot <language> <output prefix>

#include "base/version.h"
#include "settings/configini.h"
#include "settings/datafolder.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QDir>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget &window, const QString &path)
{
    settle(300);
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tspx-shoot <language> <output prefix>\n");
        return 2;
    }
    const QString language = QString::fromLatin1(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);

    QTranslator framework, program;
    loadTranslations(framework, program, language);
    QCoreApplication::installTranslator(&framework);
    QCoreApplication::installTranslator(&program);

    ConfigIni config("config");
    StatusIni status("status");
    status.load();
    status.formWidth = 1003;
    status.formHeight = 736;

    Mainform window(&config, &status, QString::fromLatin1(versionString()));
    window.show();
    settle(300);
    window.formUi()->buttonTransfer->click();

    QStandardItemModel *model = window.model();
    if (model->rowCount() == 0 || model->item(0)->rowCount() == 0) {
        std::fprintf(stderr, "no measurements were transferred\n");
        return 1;
    }
    QTreeView *tree = window.formUi()->treeView;
    const QModelIndex device = model->index(0, 0);
    tree->setCurrentIndex(device);
    bool ok = save(window, prefix + "device-" + language + ".png");
    tree->setCurrentIndex(model->index(0, 0, device));
    ok = save(window, prefix + "measurement-" + language + ".png") && ok;
    return ok ? 0 : 1;
}
