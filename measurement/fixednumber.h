#pragma once

#include <string>

// Appends x in fixed notation with `decimals` digits after a point, whatever
// the locale, rounded like QString::number(x, 'f', decimals): to the nearest,
// halves away from zero. Allocates nothing beyond growing `out`.
void appendFixed(std::string &out, double x, int decimals);
