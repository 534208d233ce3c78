#include "BenchHarness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

#include <valgrind/callgrind.h>

#ifdef Q_WS_QWS
#include "BenchScreen.h"
#include "TestMain.h"

#include <unistd.h>
#endif

namespace BenchHarness {

namespace {

int s_dumps = 0;

#if QT_VERSION >= 0x050000
void dropDebug(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(text));
}
#else
void dropDebug(QtMsgType type, const char* text)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", text);
}
#endif

// Total Ir of a callgrind dump ("totals:" line, or "summary:" in the header).
double dumpTotal(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    double total = -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith("totals:") || line.startsWith("summary:"))
            total = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble();
    }
    return total;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

} // namespace

QApplication* makeApplication(int& argc, char** argv)
{
#ifdef Q_WS_QWS
    // As the suites' window server, but on the phone's 16-bit screen.
    BenchScreen::registerDriver();
    qputenv("QWS_DISPLAY", "PhoneBench16:" + QByteArray::number(int(getpid())));
    qputenv("QWS_KEYBOARD", "None");
    qputenv("QWS_MOUSE_PROTO", "None");
#ifdef PHONE_QWS_FONTS
    qputenv("QT_QWS_FONTDIR", PHONE_QWS_FONTS);
#endif
    qInstallMsgHandler(dropDebug);
    return new QApplication(argc, argv, QApplication::GuiServer);
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "72");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    qInstallMessageHandler(dropDebug);
    return new QApplication(argc, argv);
#endif
}

void endApplication()
{
#ifdef Q_WS_QWS
    phoneTestServerEnd();
#endif
}

QImage::Format screenFormat()
{
#ifdef Q_WS_QWS
    return QImage::Format_RGB16;
#else
    return QImage::Format_ARGB32_Premultiplied;
#endif
}

QString qtName()
{
#ifdef Q_WS_QWS
    return QString("Qt %1 QWS, 16-bit 384x160 screen").arg(qVersion());
#else
    return QString("Qt %1 offscreen").arg(qVersion());
#endif
}

bool countsInstructions()
{
    return RUNNING_ON_VALGRIND && !qgetenv("BENCH_IR_OUT").isEmpty();
}

double cost(const char* name, const std::function<void()>& op, const std::function<void()>& after,
            int runs)
{
    op();
    if (after)
        after();
    if (countsInstructions()) {
        for (int i = 0; i < runs; ++i) {
            CALLGRIND_TOGGLE_COLLECT;
            op();
            CALLGRIND_TOGGLE_COLLECT;
            if (after)
                after();
        }
        CALLGRIND_DUMP_STATS_AT(name);
        const QString path = QString::fromLocal8Bit(qgetenv("BENCH_IR_OUT")) + QString(".%1").arg(++s_dumps);
        return dumpTotal(path) / runs;
    }
    // Wall time: batches of at least 20 ms, the median of five.
    QVector<double> perRun;
    int batch = 1;
    QElapsedTimer clock;
    while (perRun.size() < 5) {
        qint64 spent = 0;
        for (int i = 0; i < batch; ++i) {
            clock.start();
            op();
            spent += clock.nsecsElapsed();
            if (after)
                after();
        }
        if (spent < 20000000 && batch < 100000) {
            batch *= 2;
            continue;
        }
        perRun << double(spent) / batch;
    }
    return median(perRun);
}

double processCost(const QString& program, const QStringList& arguments, const char* readyLine,
                   const char* dumpAfter)
{
    if (countsInstructions()) {
        const QString base = QString::fromLocal8Bit(qgetenv("BENCH_IR_OUT")) + ".process";
        QProcess child;
#if QT_VERSION >= 0x050200
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#endif
        child.start("valgrind", QStringList() << "--tool=callgrind" << "-q"
                                              << "--callgrind-out-file=" + base + ".%p"
                                              << QString("--dump-after=") + dumpAfter
                                              << program << arguments);
        child.waitForStarted();
#if QT_VERSION >= 0x050300
        const qint64 pid = child.processId();
#else
        const qint64 pid = child.pid();
#endif
        child.waitForFinished(600000);
        const double total = dumpTotal(QString("%1.%2.1").arg(base).arg(pid));
        QFile::remove(QString("%1.%2.1").arg(base).arg(pid));
        QFile::remove(QString("%1.%2").arg(base).arg(pid));
        return total;
    }
    QVector<double> runs;
    for (int i = 0; i < 5; ++i) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(program, arguments);
        QByteArray seen;
        while (!seen.contains(readyLine) && child.waitForReadyRead(30000))
            seen += child.readAllStandardOutput();
        const double elapsed = clock.nsecsElapsed();
        child.kill();
        child.waitForFinished();
        if (!seen.contains(readyLine))
            return -1;
        runs << elapsed;
    }
    return median(runs);
}

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

QString human(double value, const QString& unit)
{
    if (unit == "ns") {
        if (value >= 1e6)
            return QString::number(value / 1e6, 'f', 2) + " ms";
        return QString::number(value / 1e3, 'f', 1) + " us";
    }
    if (value >= 1e6)
        return QString::number(value / 1e6, 'f', 2) + " M " + unit;
    if (value >= 1e4)
        return QString::number(value / 1e3, 'f', 1) + " k " + unit;
    return QString::number(value, 'f', value < 100 ? 1 : 0) + " " + unit;
}

void print(const QString& title, const QVector<Row>& rows, const QStringList& notes)
{
    const QString measured = countsInstructions() ? "Ir" : "ns";
    QTextStream out(stdout);
    out << "\n" << title << " (" << qtName() << ", "
        << (countsInstructions() ? "instructions, callgrind" : "wall time") << ")\n";
    out << QString("%1 %2 %3 %4 %5 %6\n")
               .arg("operation", -50).arg("ours", 13).arg("anchor", 13).arg("ratio", 7)
               .arg("target", 10).arg("met", 4);
    for (int i = 0; i < rows.size(); ++i) {
        const Row& r = rows.at(i);
        const QString unit = r.unit.isEmpty() ? measured : r.unit;
        if (!r.why.isEmpty()) {
            out << QString("%1 %2\n").arg(r.op, -50).arg(r.why);
            continue;
        }
        if (r.ours < 0 || r.anchor < 0) {
            out << QString("%1 %2\n").arg(r.op, -50).arg("failed", 13);
            continue;
        }
        const QString ours = human(r.ours, unit);
        const bool compared = r.anchor > 0;
        const double ratio = compared ? r.ours / r.anchor : 0;
        out << QString("%1 %2 %3 %4 %5 %6\n")
                   .arg(r.op, -50)
                   .arg(ours, 13)
                   .arg(compared ? human(r.anchor, unit) : QString("-"), 13)
                   .arg(compared ? QString::number(ratio, 'f', 2) + "x" : QString("-"), 7)
                   .arg(r.target <= 0 ? QString("-")
                        : compared ? QString("<=%1x").arg(r.target) : "<=" + human(r.target, unit), 10)
                   .arg(r.target <= 0 ? "" : (compared ? ratio <= r.target : r.ours <= r.target) ? "yes" : "NO", 4);
    }
    if (!notes.isEmpty())
        out << "\n";
    for (int i = 0; i < notes.size(); ++i)
        out << notes.at(i) << "\n";
    out.flush();
}

} // namespace BenchHarness
