#include "workbookreader.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <cmath>

QByteArray WorkbookReader::member(const QString &name) const
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), m_fileName, name});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return QByteArray();
    return unzip.readAllStandardOutput();
}

QStringList WorkbookReader::sharedStrings() const
{
    QStringList strings;
    QXmlStreamReader xml(member(QStringLiteral("xl/sharedStrings.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("t"))
            strings << xml.readElementText();
    return strings;
}

QStringList WorkbookReader::sheetNames() const
{
    QStringList names;
    QXmlStreamReader xml(member(QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("sheet"))
            names << xml.attributes().value(QStringLiteral("name")).toString();
    return names;
}

WorkbookReader::Sheet WorkbookReader::sheet(int index) const
{
    const QStringList strings = sharedStrings();
    Sheet cells;
    QXmlStreamReader xml(member(QStringLiteral("xl/worksheets/sheet%1.xml").arg(index)));
    QString ref, type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("c")) {
            ref = xml.attributes().value(QStringLiteral("r")).toString();
            type = xml.attributes().value(QStringLiteral("t")).toString();
        } else if (xml.name() == QLatin1String("v")) {
            const QString v = xml.readElementText();
            cells[ref] =
                type == QLatin1String("s") ? Cell{true, strings.value(v.toInt())} : Cell{false, v};
        } else if (xml.name() == QLatin1String("t")) {
            cells[ref] = Cell{true, xml.readElementText()};
        }
    }
    return cells;
}

QString WorkbookReader::text(const Sheet &sheet, const QString &ref)
{
    const Cell cell = sheet.value(ref);
    return cell.isText ? cell.value : QStringLiteral("<not text: %1>").arg(cell.value);
}

double WorkbookReader::number(const Sheet &sheet, const QString &ref)
{
    const Cell cell = sheet.value(ref);
    bool ok = false;
    const double value = cell.value.toDouble(&ok);
    return cell.isText || !ok ? std::nan("") : value;
}

int WorkbookReader::rowOf(const Sheet &sheet, const QString &title)
{
    for (auto it = sheet.begin(); it != sheet.end(); ++it)
        if (it.key().startsWith(QLatin1Char('A')) && it.value().isText && it.value().value == title)
            return it.key().mid(1).toInt();
    return 0;
}
