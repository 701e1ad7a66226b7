#include "measurement/csvexportlayout.h"

#include <QCoreApplication>

namespace {

const QString kUnitSeparator = QStringLiteral(" / ");

} // namespace

namespace CsvExportLayout {

QString timeTitle()
{
    return QCoreApplication::translate("QObject", "Zeit") + kUnitSeparator + QStringLiteral("s");
}

QString forceTitle(const QString &unitText)
{
    return QCoreApplication::translate("QObject", "Kraft") + kUnitSeparator + unitText;
}

QString unitOfForceTitle(const QString &title)
{
    const int separator = title.lastIndexOf(kUnitSeparator);
    return separator < 0 ? QString() : title.mid(separator + kUnitSeparator.size());
}

} // namespace CsvExportLayout
