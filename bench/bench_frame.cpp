// The status bar's recurring work: the clock tick with the clock's repaint, and a full paint
// of the bar with a two-level title, a few icons and the host's pictures.
#include "Status.h"
#include "TestHost.h"

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QTest>

class FrameBench : public QObject
{
    Q_OBJECT

    TestHost* m_host;
    Status* m_bar;

private slots:
    void initTestCase()
    {
        m_host = new TestHost;
        TestHost::loadPictures();
        m_bar = new Status;
        m_bar->setTitle("Settings | Time Zone");
        m_bar->setUIStatusLock(true);
        m_bar->setUIStatusDND(true);
        m_bar->setUIStatusWifi(Status::WifiLevel3);
        m_bar->setUIStatusHeadSet(Status::HeadsetOn);
        m_bar->layout()->activate();
    }

    void cleanupTestCase()
    {
        delete m_bar;
        TestHost::unloadPictures();
        delete m_host;
    }

    // One tick: the clock takes the host's format, then its area of the bar is painted again.
    void clockTick()
    {
        QWidget* clock = m_bar->findChild<QLabel*>("timeLabel");
        const QRect area = clock->geometry();
        QImage image(m_bar->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QBENCHMARK {
            m_bar->timeout();
            m_bar->render(&image, area.topLeft(), QRegion(area));
        }
    }

    void fullPaint()
    {
        QImage image(m_bar->size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            m_bar->render(&image);
        }
    }
};

QTEST_MAIN(FrameBench)
#include "bench_frame.moc"
