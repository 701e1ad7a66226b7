#pragma once

#include "measurement/gaugestudy.h"

#include <QString>
#include <QVector>

class QwtPlot;

// The type-1 study's run chart: the values in time order, the reference
// value and the band of 10 % of the tolerance on either side of it. Replaces
// what the plot showed; the plot owns the items.
void drawType1RunChart(QwtPlot *plot, const QVector<double> &values, const Type1Input &input,
                       const Type1Result &result, const QString &axisTitle);
