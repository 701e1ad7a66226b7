#include "report/reporthead.h"

QString reportHead(const QString &logoFragment, const QString &headerLine, bool newPage)
{
    QString html;
    html += QStringLiteral("<span style=\"font-family: 'Sans Serif'; font-size: 11pt;\">\n");
    html += newPage ? QStringLiteral("<table width='100%' style='page-break-before: always;'>\n")
                    : QStringLiteral("<table width='100%'>\n");
    html += QStringLiteral("<tr><td align='left'>") + logoFragment +
            QStringLiteral("&nbsp;</td><td align='right'>") + headerLine.toHtmlEscaped() +
            QStringLiteral("</td></tr>\n");
    html += QStringLiteral("</table>\n<hr>\n<h1 align='center'>Tensimo Parl</h1>\n<p>&nbsp;</p>\n");
    return html;
}
