// The sliding list: hidden rectangles per direction, the slide in and out with their finished
// signals, isVisible() during a slide, and the durations.
#include "SlideListView.h"
#include "TestWait.h"
#include "TimerMark.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class SlideListViewTest : public QObject
{
    Q_OBJECT

    QWidget* m_screen;
    SlideListView* m_list;

private slots:
    void init()
    {
        m_screen = new QWidget;
        m_screen->resize(384, 160);
        m_screen->show();
        m_list = new SlideListView(m_screen);
        m_list->setGeometry(0, 40, 384, 100);
    }

    void cleanup() { delete m_screen; }

    void hiddenRectangles()
    {
        QVERIFY(m_list->getSlideType() == SlideListView::eSlideFromBottom && m_list->geometry() == QRect(0, 40, 384, 100));
        m_list->setSlideType(SlideListView::eSlideType(9)); // unknown: the hidden rectangle stays
        QCOMPARE(m_list->hiddenRect(), QRect(0, 200, 384, 100));
        // type, screen bottom-right -> hidden rectangle, one screen away; left is always 384 pixels.
        const QList<QPair<QList<int>, QRect>> cases{{{0, 383, 159}, QRect(0, 40, 384, 100)},
            {{1, 383, 159}, QRect(0, 200, 384, 100)}, {{2, 383, 159}, QRect(0, -120, 384, 100)},
            {{3, 383, 159}, QRect(-384, 40, 384, 100)}, {{4, 383, 159}, QRect(384, 40, 384, 100)},
            {{3, 799, 479}, QRect(-384, 40, 384, 100)}, {{4, 799, 479}, QRect(800, 40, 384, 100)}};
        for (const auto& c : cases) {
            m_list->setScreenRect(QRect(QPoint(0, 0), QPoint(c.first[1], c.first[2])));
            QCOMPARE(m_list->hiddenRect(), QRect(0, 200, 384, 100)); // the screen counts from the next type
            m_list->setSlideType(SlideListView::eSlideType(c.first[0]));
            QVERIFY(m_list->hiddenRect() == c.second && m_list->pos() == c.second.topLeft()); // parked there
            m_list->setGeometry(0, 40, 384, 100);
            QCOMPARE(QList<QRect>({m_list->targetRect(), m_list->hiddenRect(), m_list->geometry()}),
                     QList<QRect>({QRect(0, 40, 384, 100), c.second, QRect(0, 40, 384, 100)}));
            m_list->setScreenRect(QRect(QPoint(0, 0), QPoint(383, 159)));
            m_list->setSlideType(SlideListView::eSlideFromBottom);
        }
    }

    void slideInAndOut()
    {
        m_list->QWidget::hide();
        QSignalSpy shown(m_list, SIGNAL(showFinished()));
        QSignalSpy hidden(m_list, SIGNAL(hideFinished()));
        QSignalSpy closed(m_list, SIGNAL(closeFinished()));
        QList<QRect> seen; // in from (0,200) to (0,40), straight up, visible at once
        m_list->show();
        QVERIFY(m_list->QWidget::isVisible() && m_list->isVisible());
        QVERIFY(phoneWaitFor([&] { seen << m_list->geometry(); return !shown.isEmpty(); }));
        seen << m_list->geometry();
        QCOMPARE(QList<QRect>({seen.first(), seen.last()}), QList<QRect>({QRect(0, 200, 384, 100), QRect(0, 40, 384, 100)}));
        for (const QRect& r : seen)
            QVERIFY(r.x() == 0 && r.y() >= 40 && r.y() <= 200 && r.size() == QSize(384, 100));
        m_list->hide(); // out: still drawn, but reported invisible while it slides; hidden at the end
        QVERIFY(m_list->QWidget::isVisible() && !m_list->isVisible());
        QVERIFY(phoneWaitForSignal(hidden));
        QVERIFY(!m_list->QWidget::isVisible() && !m_list->isVisible() && m_list->geometry() == QRect(0, 200, 384, 100));
        // Again in from the hidden place; a hide and a close in a row end with the close only,
        // which slides from the widget's own rectangle at the origin.
        m_list->show();
        QVERIFY(phoneWaitForSignal(shown));
        QCOMPARE(m_list->geometry(), QRect(0, 40, 384, 100));
        m_list->hide();
        m_list->close();
        QVERIFY(!m_list->isVisible() && m_list->geometry() == QRect(0, 0, 384, 100));
        QVERIFY(phoneWaitForSignal(closed));
        QVERIFY(TimerMark(100).wait()); // past the end of the 70 ms slide-out that the close replaced
        QCOMPARE(QList<int>({shown.count(), hidden.count(), closed.count()}), QList<int>({2, 1, 1}));
        QVERIFY(!m_list->QWidget::isVisible() && m_list->geometry() == QRect(0, 200, 384, 100));
    }

    void durations()
    {
        // The getters report the stored values: 100 on a fresh list although the slide-out lasts 70 ms.
        QCOMPARE(QList<int>({m_list->getShowDuration(), m_list->getHideDuration()}), QList<int>({100, 100}));
        m_list->setShowDuration(30);
        m_list->setHideDuration(250);
        m_list->setHideAnimationType(QEasingCurve::OutBounce);
        QCOMPARE(QList<int>({m_list->getShowDuration(), m_list->getHideDuration(), m_list->getHideAnimationType().type()}),
                 QList<int>({30, 250, QEasingCurve::OutBounce}));
        QSignalSpy shown(m_list, SIGNAL(showFinished()));
        QSignalSpy hidden(m_list, SIGNAL(hideFinished()));
        m_list->show();
        QVERIFY(phoneWaitForSignal(shown));
        QElapsedTimer sliding;
        sliding.start();
        m_list->hide(); // a 250 ms slide-out: it cannot end sooner
        QVERIFY(!m_list->isVisible() && m_list->QWidget::isVisible() && hidden.isEmpty());
        QVERIFY(phoneWaitForSignal(hidden));
        QVERIFY2(sliding.elapsed() >= 240, qPrintable(QString::number(sliding.elapsed())));
    }
};

QTEST_MAIN(SlideListViewTest)
#include "tst_slide_listview.moc"
