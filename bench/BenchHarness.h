#ifndef BENCHHARNESS_H
#define BENCHHARNESS_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <QImage>

#include <functional>

class QApplication;

// The comparison benchmarks' one harness: each operation is measured for ours and for the
// stock-Qt anchor built the same way, in wall time, or in instructions (Ir) when the binary
// runs under callgrind ("make bench-ir": collection is switched on only around the operation).
// It builds on Qt 5 and on the phone's Qt 4.8 (C++11, Qt 4 API).
namespace BenchHarness {

// The application: on Qt 5 offscreen at 72 dpi; on Qt for Embedded Linux its own window
// server on an in-memory 16-bit screen of 384 x 160 (BenchScreen). Debug lines are dropped.
QApplication* makeApplication(int& argc, char** argv);
// Removes what the window server left in the temporary directory (nothing on Qt 5).
void endApplication();
// The screen's pixel format: what the widgets paint into on the phone (RGB565 on Qt 4).
QImage::Format screenFormat();
bool countsInstructions();
QString qtName();

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
    Row() : ours(0), anchor(0), target(0) {}
    Row(const QString& op, double ours, double anchor, double target, const QString& unit = QString())
        : op(op), ours(ours), anchor(anchor), target(target), unit(unit)
    {
    }
    // A row this build cannot measure, printed with the reason so that both tables match.
    static Row missing(const QString& op, const QString& why)
    {
        Row row(op, 0, 0, 0);
        row.why = why;
        return row;
    }
    QString op;
    double ours;
    double anchor;    // 0: no anchor
    double target;    // ratio target, or without an anchor a bound on ours; 0: none
    QString unit;     // empty: ns or Ir, as measured
    QString why;      // not empty: not measured here, and why
};

// Prints the table: ours, anchor, ratio, target and whether it is met, then the notes.
void print(const QString& title, const QVector<Row>& rows, const QStringList& notes = QStringList());
QString human(double value, const QString& unit);

} // namespace BenchHarness

#endif
