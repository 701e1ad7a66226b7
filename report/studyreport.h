#pragma once

#include "measurement/gaugestudy.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class StatusIni;

// What the type-1 study's printed page shows.
struct StudyPage
{
    QByteArray serialNr;
    QString unitText = QStringLiteral("N");
    QVector<double> values; // in time order
    Type1Input input;
    Type1Result result;
};

// The type-1 study as one PDF page: head (logo and header line), the gauge,
// the table of the study's numbers and its verdict, the run chart and the
// histogram drawn off screen. False when the file could not be written.
// Needs a QApplication (the offscreen platform will do).
bool writeStudyPdf(const StudyPage &page, const StatusIni &status, const QString &fileName);
