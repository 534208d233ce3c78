#ifndef BENCHSIMULATOR_H
#define BENCHSIMULATOR_H

#include "BenchHarness.h"

// The parts of the comparison that need the simulator's host (a Qt 5 program): its heap on
// the idle screen, with the page and with the region popup open, and its start to the idle
// screen's first frame against a hello world.
namespace BenchSimulator {

void heap(QVector<BenchHarness::Row>& rows);
void start(QVector<BenchHarness::Row>& rows);

} // namespace BenchSimulator

#endif
