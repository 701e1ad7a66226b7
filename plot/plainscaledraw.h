#pragma once

class QwtPlot;

// The plot's left and bottom axes label their ticks as forces are written
// everywhere a person reads them: "." as decimal point, no digit grouping,
// whatever the locale ("1000", "0.5" rather than "1.000", "0,5").
void usePlainAxisNumbers(QwtPlot *plot);
