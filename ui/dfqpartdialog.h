#pragma once

#include "measurement/dfqexport.h"

class QWidget;

// Asks for the part number and description of a DFQ file, starting from
// `part`; false when the operator cancels.
bool askDfqPart(QWidget *parent, DfqPart &part);
