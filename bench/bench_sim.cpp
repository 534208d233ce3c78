// The simulator's two waits a user feels: from the host's start to the idle screen's first
// frame, and from OK on the idle screen to the page's first frame.
#include "IdleScreen.h"
#include "PhoneHost.h"
#include "SimData.h"
#include "TestHost.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifndef PHONE_PLUGIN_FILE
#define PHONE_PLUGIN_FILE ""
#endif

class SimBench : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static void waitFor(QSignalSpy& spy, int count)
    {
        QElapsedTimer guard;
        guard.start();
        while (spy.size() < count && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures());
        QVERIFY(SimData::prepare(m_dir.path(), true));
        qputenv("PHONE_TIMEZONE_TAB", QDir(m_dir.path()).filePath("timezone.tab").toLocal8Bit());
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
    }

    // Host, status bar, idle screen and page object built (the page reads its table), both
    // windows shown and the idle screen painted once.
    void startToIdleFirstFrame()
    {
        QBENCHMARK {
            PhoneHost host(m_dir.path());
            QVERIFY(host.loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
            QSignalSpy frame(host.idle(), SIGNAL(firstFrame()));
            host.start();
            waitFor(frame, 1);
            QCOMPARE(frame.size(), 1);
        }
    }

    // OK released on the idle screen until the page's first paint has been handed on, as
    // the host reports it. "first": the first opening after start (a new host each round);
    // "again": later openings of the same page. Closing the page is not measured.
    void okToPageFirstFrame_data()
    {
        QTest::addColumn<bool>("first");
        QTest::newRow("first") << true;
        QTest::newRow("again") << false;
    }

    void okToPageFirstFrame()
    {
        QFETCH(bool, first);
        const int rounds = 10;
        qint64 total = 0;
        PhoneHost* host = 0;
        for (int i = 0; i < rounds; ++i) {
            if (!host || first) {
                delete host;
                host = new PhoneHost(m_dir.path());
                QVERIFY(host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
                QSignalSpy idleFrame(host->idle(), SIGNAL(firstFrame()));
                host->start();
                waitFor(idleFrame, 1);
                if (!first) {
                    // One opening before the measured ones.
                    connect(host, &PhoneHost::pageFirstFrame, host, [host]() { host->page()->end(); });
                    QSignalSpy closed(host, SIGNAL(pageClosed()));
                    QTest::keyClick(host->idle(), Qt::Key_Return);
                    waitFor(closed, 1);
                    disconnect(host, &PhoneHost::pageFirstFrame, host, 0);
                }
            }
            QElapsedTimer clock;
            PhoneHost* h = host;
            const QMetaObject::Connection c = connect(host, &PhoneHost::pageFirstFrame, [&, h]() {
                total += clock.nsecsElapsed();
                h->page()->end();
            });
            QSignalSpy closed(host, SIGNAL(pageClosed()));
            clock.start();
            QTest::keyClick(host->idle(), Qt::Key_Return);
            waitFor(closed, 1);
            disconnect(c);
            QCOMPARE(closed.size(), 1);
        }
        delete host;
        QTest::setBenchmarkResult(total / 1e6 / rounds, QTest::WalltimeMilliseconds);
    }
};

QTEST_MAIN(SimBench)
#include "bench_sim.moc"
