#ifndef BENCHHARNESS_H
#define BENCHHARNESS_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The comparison benchmarks' one harness: each operation is measured for ours and for the
// stock-Qt anchor built the same way, in wall time, or in instructions (Ir) when the binary
// runs under callgrind ("make bench-ir": collection is switched on only around the operation).
namespace BenchHarness {

// Before QApplication: offscreen at 72 dpi, debug lines dropped.
void init();
bool countsInstructions();

// Cost of one run of op (ns, or Ir), after one warm-up run. after() runs outside the
// measurement after every run (teardown); runs is how many runs are averaged under callgrind.
double cost(const char* name, const std::function<void()>& op,
            const std::function<void()>& after = std::function<void()>(), int runs = 3);

// A whole process from exec until it prints readyLine (wall), or until it leaves the
// function dumpAfter (Ir: everything the process ran up to there, start-up included).
double processCost(const QString& program, const QStringList& arguments, const char* readyLine,
                   const char* dumpAfter);

// Heap bytes in use (malloc's arena and mapped blocks).
qint64 heapInUse();

struct Row
{
    Row(const QString& op, double ours, double anchor, double target, const QString& unit = QString())
        : op(op), ours(ours), anchor(anchor), target(target), unit(unit)
    {
    }
    QString op;
    double ours;
    double anchor;    // 0: no anchor
    double target;    // ratio target, or without an anchor a bound on ours; 0: none
    QString unit;     // empty: ns or Ir, as measured
};

// Prints the table: ours, anchor, ratio, target and whether it is met.
void print(const QString& title, const QVector<Row>& rows);
QString human(double value, const QString& unit);

} // namespace BenchHarness

#endif
