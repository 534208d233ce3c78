#include "BenchSimulator.h"

#include "IdleScreen.h"
#include "ListView.h"
#include "PhoneHost.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SimData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace BenchHarness;

namespace BenchSimulator {

// The simulator's heap: on the idle screen, with the page open, with its region popup open.
// Driven with the phone's keys through the simulator's host, in its font.
void heap(QVector<Row>& rows)
{
    QApplication::setFont(QFont("Liberation Sans Narrow"));
    QFont::insertSubstitution("1R_02_OV_ED", "Liberation Sans Narrow");
    QTemporaryDir config;
    SimData::prepare(config.path(), true);
    QSettings(config.filePath("phone_info.conf"), QSettings::IniFormat).setValue("NTP_Serv/User_Set", 1);
    qputenv("PHONE_TIMEZONE_TAB", config.filePath("timezone.tab").toLocal8Bit());
    qint64 idle = 0, page = 0, popup = 0, closed = 0, again = 0;
    int popupRows = 0;
    {
        PhoneHost host(config.path());
        host.loadPage(PHONE_PLUGIN_FILE);
        bool framed = false;
        QObject::connect(host.idle(), &IdleScreen::firstFrame, [&] { framed = true; });
        host.start();
        while (!framed)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        idle = heapInUse();
        auto key = [&](int k) { host.sendPhoneKey(k, true); host.sendPhoneKey(k, false); };
        // Inside the page's and the popup's own event loops, as the user meets them.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                SelectPopup* open = qobject_cast<SelectPopup*>(w);
                if (open && open->isVisible()) {
                    poll.stop();
                    // Measured once it has painted, with what its first paint made.
                    if (!QTest::qWaitForWindowExposed(open))
                        qWarning("popup not exposed");
                    QApplication::processEvents();
                    (popup ? again : popup) = heapInUse();
                    popupRows = open->listView()->itemSize();
                    open->reject();
                    return;
                }
            }
        });
        QObject::connect(&host, &PhoneHost::pageFirstFrame, [&] {
            if (page)
                return;
            QApplication::processEvents();
            page = heapInUse();
            poll.start(5);
            key(Qt::Key_Down);
            key(Qt::Key_Return);
            // The page's list takes the keys again once the popup's window has gone.
            QElapsedTimer settle;
            settle.start();
            while (!qobject_cast<ListView*>(QApplication::focusWidget()) && settle.elapsed() < 2000)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            closed = heapInUse();
            poll.start(5);
            key(Qt::Key_Return);
            host.page()->end();
        });
        QTimer::singleShot(0, [&] { key(Qt::Key_Return); });
        while (!again)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    qunsetenv("PHONE_TIMEZONE_TAB");
    QApplication::setFont(QFont());
    rows << Row("simulator heap on the idle screen", idle, 0, 0, "B");
    rows << Row("  more with the page open", page - idle, 0, 0, "B");
    rows << Row(QString("  more with the region popup open (%1 rows)").arg(popupRows), popup - page, 0, 0, "B");
    rows << Row("    of which kept after it closes (caches)", closed - page, 0, 0, "B");
    rows << Row("    the popup itself, opened again", again - closed, 0, 0, "B");
    rows << Row("  page + popup above the idle host", popup - idle, 0, 1e6, "B");
}

void start(QVector<Row>& rows)
{
    QTemporaryDir config;
    const QStringList sim = QStringList() << "--headless" << "--timing" << "--config-dir"
                                          << config.path() << "--keys" << "quit" << "--key-delay" << "0";
    rows << Row{ "process start to the idle screen's first frame",
                 processCost(PHONESIM_FILE, sim, "first frame", "IdleScreen::firstFrame*"),
                 processCost(BENCH_HELLO_FILE, QStringList(), "first frame", "benchFirstFrame*"), 1.15 };
}

} // namespace BenchSimulator
