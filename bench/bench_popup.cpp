// The selection popup as the city choice uses it: 144 radio rows (the America cities of the
// IANA table), opened to its first paint, and one Down key with its repaint while it is open.
#include "ListViewRadioItem.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "TestHost.h"
#include "TimeZoneData.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

// Counts the paint events a widget gets, to be sure the measured loop really paints.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class PopupBench : public QObject
{
    Q_OBJECT

    QList<QString> m_cities;
    TestHost* m_host;

    void fill(SelectPopup& popup)
    {
        SelectPopupListView* list = popup.listView();
        for (int i = 0; i < m_cities.size(); ++i)
            list->addItem(new ListViewRadioItem(m_cities.at(i), i == 0));
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        TestHost::loadPictures();
        m_host = new TestHost;
        QList<TimeZoneData*> records;
        QMap<QString, int> index;
        QList<QString> regions;
        TimeZoneData::load(PHONE_IANA_TABLE, records, index, regions);
        m_cities = TimeZoneData::cities("America", records, index);
        qDeleteAll(records);
        QVERIFY(m_cities.size() >= 100);
    }

    void cleanupTestCase()
    {
        delete m_host;
    }

    // Construction, 144 rows, show and the first paint of the frame, list and buttons.
    void openToFirstPaint()
    {
        PaintCounter counter;
        int runs = 0;
        QBENCHMARK {
            SelectPopup popup(0, 5);
            fill(popup);
            popup.listView()->setSelectedIdx(0);
            popup.listView()->installEventFilter(&counter);
            popup.show();
            // The window system's expose and the paint it triggers.
            QApplication::processEvents();
            ++runs;
        }
        QCOMPARE(counter.paints, runs);
    }

    // One Down (acted on at the press) and its release, then the repaint it asked for.
    void downKeyWithRepaint()
    {
        SelectPopup popup(0, 5);
        fill(popup);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QWidget* list = popup.listView();
        PaintCounter counter;
        list->installEventFilter(&counter);
        int runs = 0;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QBENCHMARK {
            QApplication::sendEvent(list, &press);
            QApplication::sendEvent(list, &release);
            list->repaint();
            ++runs;
        }
        QCOMPARE(counter.paints, runs);
        QVERIFY(popup.listView()->selectedIdx() >= 0);
    }
};

QTEST_MAIN(PopupBench)
#include "bench_popup.moc"
