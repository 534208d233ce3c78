// Paint and key speed of the list view against Qt's stock QListWidget of the same size.
#include "ListView.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "TestHost.h"

#include <QImage>
#include <QListWidget>
#include <QTest>

class ListBench : public QObject
{
    Q_OBJECT

    QImage m_target{384, 120, QImage::Format_ARGB32_Premultiplied};

    static void activate(QWidget* w)
    {
        w->show();
        w->activateWindow();
        w->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void paintBench(QWidget* w)
    {
        w->render(&m_target); // warm caches
        QBENCHMARK {
            w->render(&m_target);
        }
    }

    static const char* const* titles()
    {
        static const char* const t[] = {"Time Update", "Time Area Select", "Time City Select", "Daylight Saving"};
        return t;
    }

private slots:
    void initTestCase()
    {
        TestHost::loadPictures();
    }

    void selectPage()
    {
        ListView list;
        list.resize(384, 120);
        for (int i = 0; i < 3; ++i)
            list.addItem(new ListViewSelectItem(titles()[i], "Europe/Amsterdam"));
        list.setSelectedIdx(1);
        activate(&list);
        QVERIFY(list.hasFocus());
        paintBench(&list);
    }

    void radioPage()
    {
        ListView list;
        list.resize(384, 120);
        list.setPageCount(4);
        for (int i = 0; i < 4; ++i)
            list.addItem(new ListViewRadioItem(titles()[i], i == 2));
        list.setSelectedIdx(2);
        activate(&list);
        paintBench(&list);
    }

    void stockSelectPage()
    {
        QListWidget list;
        list.resize(384, 120);
        for (int i = 0; i < 3; ++i)
            list.addItem(QString(titles()[i]) + "    Europe/Amsterdam");
        list.setCurrentRow(1);
        activate(&list);
        paintBench(&list);
    }

    void stockRadioPage()
    {
        QListWidget list;
        list.resize(384, 120);
        for (int i = 0; i < 4; ++i) {
            QListWidgetItem* item = new QListWidgetItem(titles()[i], &list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(i == 2 ? Qt::Checked : Qt::Unchecked);
        }
        list.setCurrentRow(2);
        activate(&list);
        paintBench(&list);
    }

    void downKeyOnLongList()
    {
        ListView list;
        list.resize(384, 120);
        for (int i = 0; i < 144; ++i)
            list.addItem(new ListViewSelectItem(QString("City %1").arg(i), "UTC+01:00"));
        activate(&list);
        QBENCHMARK {
            QTest::keyClick(&list, Qt::Key_Down);
            list.render(&m_target);
        }
    }
};

QTEST_MAIN(ListBench)
#include "bench_list.moc"
