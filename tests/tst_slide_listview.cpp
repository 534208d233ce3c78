// The sliding list: hidden rectangles per direction, the slide in and out, the finished
// signals, isVisible() during a slide and the stored durations and curves.
#include "ListViewSelectItem.h"
#include "SlideListView.h"

#include <QSignalSpy>
#include <QTest>

class SlideListViewTest : public QObject
{
    Q_OBJECT

    QWidget* m_screen;

private slots:
    void init()
    {
        m_screen = new QWidget;
        m_screen->resize(384, 160);
        m_screen->show();
    }

    void cleanup()
    {
        delete m_screen;
    }

    void defaults()
    {
        SlideListView list(m_screen);
        QCOMPARE(list.getSlideType(), SlideListView::eSlideFromBottom);
        QCOMPARE(list.getScreenRect(), QRect(QPoint(0, 0), QPoint(383, 159)));
        QCOMPARE(list.getShowDuration(), 100);
        // Reports 100 although the slide-out lasts 70 ms.
        QCOMPARE(list.getHideDuration(), 100);
        QCOMPARE(list.getShowAnimationType().type(), QEasingCurve::Linear);
        QCOMPARE(list.getHideAnimationType().type(), QEasingCurve::Linear);
        QVERIFY(list.useAnimation());
    }

    void hiddenRectPerType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("hidden");
        const QRect phone(QPoint(0, 0), QPoint(383, 159));
        const QRect wide(QPoint(0, 0), QPoint(799, 479));
        QTest::newRow("none") << 0 << phone << QRect(0, 40, 384, 100);
        QTest::newRow("from bottom") << 1 << phone << QRect(0, 200, 384, 100);
        QTest::newRow("from top") << 2 << phone << QRect(0, -120, 384, 100);
        QTest::newRow("from left") << 3 << phone << QRect(-384, 40, 384, 100);
        QTest::newRow("from right") << 4 << phone << QRect(384, 40, 384, 100);
        QTest::newRow("bottom, big screen") << 1 << wide << QRect(0, 520, 384, 100);
        QTest::newRow("left is always 384") << 3 << wide << QRect(-384, 40, 384, 100);
        QTest::newRow("right, big screen") << 4 << wide << QRect(800, 40, 384, 100);
    }

    void hiddenRectPerType()
    {
        QFETCH(int, type);
        QFETCH(QRect, screen);
        QFETCH(QRect, hidden);
        SlideListView list(m_screen);
        list.setScreenRect(screen);
        list.setSlideType(SlideListView::eSlideType(type));
        list.setGeometry(0, 40, 384, 100);
        QCOMPARE(list.targetRect(), QRect(0, 40, 384, 100));
        QCOMPARE(list.hiddenRect(), hidden);
        QCOMPARE(list.geometry(), QRect(0, 40, 384, 100));
        // Changing the type parks the list at the new hidden place.
        list.setSlideType(SlideListView::eSlideType(type));
        QCOMPARE(list.pos(), hidden.topLeft());
    }

    void unknownTypeKeepsHiddenRect()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.setSlideType(SlideListView::eSlideType(9));
        QCOMPARE(list.hiddenRect(), QRect(0, 200, 384, 100));
        QCOMPARE(list.getSlideType(), SlideListView::eSlideType(9));
    }

    void screenRectTakesEffectLater()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.setScreenRect(QRect(0, 0, 384, 300));
        QCOMPARE(list.hiddenRect(), QRect(0, 200, 384, 100));
        list.setSlideType(SlideListView::eSlideFromBottom);
        QCOMPARE(list.hiddenRect(), QRect(0, 340, 384, 100));
    }

    void slidesInFromBottom()
    {
        SlideListView list(m_screen);
        list.addItem(new ListViewSelectItem("Time Update", "User"));
        list.setGeometry(0, 40, 384, 100);
        list.QWidget::hide();
        QSignalSpy finished(&list, SIGNAL(showFinished()));
        QList<QRect> seen;
        list.show();
        QVERIFY(list.QWidget::isVisible());
        QVERIFY(list.isVisible());
        seen << list.geometry();
        while (finished.isEmpty() && seen.size() < 200) {
            QTest::qWait(5);
            seen << list.geometry();
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(seen.first(), QRect(0, 200, 384, 100));
        QCOMPARE(list.geometry(), QRect(0, 40, 384, 100));
        // Straight up, never past the target.
        for (const QRect& r : seen) {
            QCOMPARE(r.x(), 0);
            QVERIFY(r.y() >= 40 && r.y() <= 200);
        }
        QVERIFY(list.isVisible());
    }

    void slideOutHidesAtTheEnd()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.show();
        QSignalSpy shown(&list, SIGNAL(showFinished()));
        QVERIFY(shown.wait(1000));

        QSignalSpy hidden(&list, SIGNAL(hideFinished()));
        list.hide();
        // Still drawn, but reported invisible while it slides out.
        QVERIFY(list.QWidget::isVisible());
        QVERIFY(!list.isVisible());
        QVERIFY(hidden.wait(1000));
        QCOMPARE(hidden.count(), 1);
        QVERIFY(!list.QWidget::isVisible());
        QVERIFY(!list.isVisible());
        QCOMPARE(list.geometry(), QRect(0, 200, 384, 100));

        // A second show slides in again from the hidden place.
        list.show();
        QCOMPARE(list.geometry(), QRect(0, 200, 384, 100));
        QVERIFY(shown.wait(1000));
        QCOMPARE(list.geometry(), QRect(0, 40, 384, 100));
        QTest::qWait(20);
        QCOMPARE(hidden.count(), 1);
    }

    void closeSlidesFromOrigin()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.show();
        QSignalSpy shown(&list, SIGNAL(showFinished()));
        QVERIFY(shown.wait(1000));
        QSignalSpy closed(&list, SIGNAL(closeFinished()));
        QSignalSpy hidden(&list, SIGNAL(hideFinished()));
        list.close();
        QVERIFY(!list.isVisible());
        QVERIFY(closed.wait(1000));
        QCOMPARE(hidden.count(), 0);
        QVERIFY(!list.QWidget::isVisible());
        QCOMPARE(list.geometry(), QRect(0, 200, 384, 100));
    }

    void hideThenCloseEndsOnce()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.show();
        QSignalSpy shown(&list, SIGNAL(showFinished()));
        QVERIFY(shown.wait(1000));
        QSignalSpy closed(&list, SIGNAL(closeFinished()));
        QSignalSpy hidden(&list, SIGNAL(hideFinished()));
        list.hide();
        list.hide();
        list.close();
        QVERIFY(closed.wait(1000));
        QTest::qWait(100);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(hidden.count(), 0);
    }

    void settersReachTheAnimations()
    {
        SlideListView list(m_screen);
        list.setShowDuration(30);
        list.setHideDuration(250);
        list.setShowAnimationType(QEasingCurve::InOutCubic);
        list.setHideAnimationType(QEasingCurve::OutBounce);
        QCOMPARE(list.getShowDuration(), 30);
        QCOMPARE(list.getHideDuration(), 250);
        QCOMPARE(list.getShowAnimationType().type(), QEasingCurve::InOutCubic);
        QCOMPARE(list.getHideAnimationType().type(), QEasingCurve::OutBounce);

        list.setGeometry(0, 40, 384, 100);
        list.show();
        QSignalSpy shown(&list, SIGNAL(showFinished()));
        QVERIFY(shown.wait(1000));
        // A 250 ms slide-out is still running after 100 ms.
        list.hide();
        QTest::qWait(100);
        QVERIFY(!list.isVisible());
        QVERIFY(list.QWidget::isVisible());
        QSignalSpy hidden(&list, SIGNAL(hideFinished()));
        QVERIFY(hidden.wait(1000));
    }

    void withoutAnimationJumps()
    {
        SlideListView list(m_screen);
        list.setGeometry(0, 40, 384, 100);
        list.setUseAnimation(false);
        QVERIFY(!list.useAnimation());
        QSignalSpy shown(&list, SIGNAL(showFinished()));
        QSignalSpy hidden(&list, SIGNAL(hideFinished()));
        QSignalSpy closed(&list, SIGNAL(closeFinished()));
        list.QWidget::hide();
        list.show();
        QCOMPARE(list.geometry(), QRect(0, 40, 384, 100));
        QVERIFY(list.isVisible());
        list.hide();
        QVERIFY(!list.isVisible());
        QCOMPARE(list.pos(), QPoint(0, 40));
        list.show();
        list.close();
        QVERIFY(!list.isVisible());
        QTest::qWait(150);
        QCOMPARE(shown.count() + hidden.count() + closed.count(), 0);
    }

    void slidingListStillHandlesKeys()
    {
        SlideListView list(m_screen);
        list.addItem(new ListViewSelectItem("a", "1"));
        list.addItem(new ListViewSelectItem("b", "2"));
        list.setGeometry(0, 40, 384, 100);
        list.show();
        list.setFocus();
        QSignalSpy focus(&list, SIGNAL(focusChanged(int)));
        QTest::keyPress(&list, Qt::Key_Down);
        QTest::keyRelease(&list, Qt::Key_Down);
        QCOMPARE(list.selectedIdx(), 1);
        QCOMPARE(focus.count(), 1);
    }
};

QTEST_MAIN(SlideListViewTest)
#include "tst_slide_listview.moc"
