#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Reads an .xlsx file back for the tests: unzip unpacks its XML, the cells
// are taken by reference ("B6").
class WorkbookReader
{
public:
    explicit WorkbookReader(const QString &fileName) : m_fileName(fileName) {}

    // One cell: the text of a string or the number as written.
    struct Cell
    {
        bool isText = false;
        QString value;
    };
    using Sheet = QMap<QString, Cell>;

    QStringList sheetNames() const;
    // The cells of sheet `index` (1 based).
    Sheet sheet(int index) const;

    // The text of a string cell; a marked text for anything else.
    static QString text(const Sheet &sheet, const QString &ref);
    // The number in a cell; NaN for an empty or text cell.
    static double number(const Sheet &sheet, const QString &ref);
    // The row whose column A holds `title`; 0 when there is none.
    static int rowOf(const Sheet &sheet, const QString &title);

private:
    QByteArray member(const QString &name) const;
    QStringList sharedStrings() const;

    QString m_fileName;
};
