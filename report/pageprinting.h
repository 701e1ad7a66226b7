#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

// Prints `document` as QTextDocument::print does (2 cm margins, the page
// number at the bottom right) and writes `pageHead` in the top margin of
// every page after the first, so that a loose page still names what it
// belongs to.
void printWithPageHead(QTextDocument &document, QPrinter *printer, const QString &pageHead);
