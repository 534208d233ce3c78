// A full paint of a three-row page of each of the date, alarm, time-edit, call and subtitle
// rows, with the host pictures registered and the second row focused (with the list's editor
// over it for the time-edit row).
#include "ListView.h"
#include "ListViewAlarmItem.h"
#include "ListViewCallItem.h"
#include "ListViewDateSelectItem.h"
#include "ListViewSubTitleItem.h"
#include "ListViewTimeEditItem.h"
#include "TestHost.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

class Rows2Bench : public QObject
{
    Q_OBJECT

    static ListViewItem* makeRow(const QString& kind, int i)
    {
        if (kind == "date") {
            ListViewDateSelectItem* row = new ListViewDateSelectItem(QString("Repeat %1").arg(i));
            row->setDateSelection(0, true);
            row->setDateSelection(4, true);
            return row;
        }
        if (kind == "alarm") {
            ListViewAlarmItem* row = new ListViewAlarmItem("07:30", QString("Alarm %1").arg(i), i % 2);
            row->setDateSelection(1, true);
            row->setDateSelection(5, true);
            return row;
        }
        if (kind == "timeedit")
            return new ListViewTimeEditItem(QString("Start %1").arg(i), "08:15", "AM");
        if (kind == "call") {
            ListViewCallItem* row = new ListViewCallItem(2, 0);
            row->setLabelText(QString("Conference bridge number %1").arg(i));
            row->setThumbnail(20);
            row->setPressThumbnail(21);
            row->setStartTime(3725);
            row->startTime();
            return row;
        }
        ListViewSubTitleItem* row = new ListViewSubTitleItem(QString("Line %1").arg(i));
        row->addSubTitle("registered", -1, 16, Qt::black, Qt::white);
        row->addSubTitle("5060", 300, -1, Qt::black, Qt::white);
        return row;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures());
    }

    void pagePaint_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : { "date", "alarm", "timeedit", "call", "subtitle" })
            QTest::newRow(kind) << QString(kind);
    }

    void pagePaint()
    {
        QFETCH(QString, kind);
        QWidget screen;
        screen.resize(384, 160);
        ListView list(&screen);
        list.setGeometry(0, 26, 384, 134);
        for (int i = 0; i < 3; ++i)
            list.addItem(makeRow(kind, i));
        list.setSelectedIdx(1);
        screen.show();
        list.setFocus();
        QTest::qWait(50); // the time editor is laid over its row from a 1 ms timer
        if (kind == "timeedit") {
            QLineEdit* editor = list.findChild<QLineEdit*>();
            QVERIFY(editor && editor->isVisible());
        }
        QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
        list.render(&image); // warm the caches once
        QBENCHMARK {
            list.render(&image);
        }
    }
};

QTEST_MAIN(Rows2Bench)
#include "bench_rows2.moc"
