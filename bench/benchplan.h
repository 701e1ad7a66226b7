#pragma once

#include "measurement/testplan.h"

// The plan of ten characteristics the benchmarks judge curves by, one of
// each kind that takes time: `shape` gives the times, forces and limits
// they share; the envelope is learned from `reference` within `percent` %.
TestPlan tenCharacteristicPlan(const Characteristic &shape, double triggerForce,
                               const Measurement &reference, double percent);
