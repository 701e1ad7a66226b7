#include "plot/plainscaledraw.h"

#include <QtGlobal>
#include <qwt_plot.h>
#include <qwt_scale_draw.h>

namespace {

class PlainScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override
    {
        // A tick computed as 1e-17 is the zero it stands for.
        return QString::number(qFuzzyIsNull(value) ? 0.0 : value, 'g', 12);
    }
};

} // namespace

void usePlainAxisNumbers(QwtPlot *plot)
{
    for (int axis : {QwtPlot::yLeft, QwtPlot::xBottom})
        plot->setAxisScaleDraw(axis, new PlainScaleDraw);
}
