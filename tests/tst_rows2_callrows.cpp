// Call and subtitle rows: images per mode, the call timer, the elided label, the hold
// background, and where the subtitle runs land.
#include "ListViewCallItem.h"
#include "ListViewSubTitleItem.h"
#include "MessageCapture.h"
#include "TestHost.h"
#include "WidgetImage.h"
#include "textClass.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kMagenta(255, 0, 255);
const QRect kRow(0, 0, 384, 44);

QFont rowFont()
{
    QFont font;
    font.setPointSize(20);
    return font;
}

QImage paintRow(ListViewItem& row, const QRect& r = kRow, const QColor& background = kWhite)
{
    QImage image = WidgetImage::blank(QSize(r.right() + 40, r.bottom() + 12), background);
    QPainter p(&image);
    p.setFont(rowFont());
    QRect rect = r;
    row.paint(&p, rect);
    return image;
}

bool sameImage(const QPixmap& a, const QString& path)
{
    return a.toImage() == QPixmap(path).toImage();
}

} // namespace

class Rows2CallRowsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writePicture(const QString& name, const QSize& size, const QColor& color)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        const QString path = m_dir.filePath(name);
        image.save(path, "PNG");
        return path;
    }

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void typeIds()
    {
        ListViewCallItem call("Alice");
        ListViewCallItem history(1, 0);
        ListViewSubTitleItem sub("Title");
        QCOMPARE(call.type(), 13);
        QCOMPARE(history.type(), 13);
        QCOMPARE(sub.type(), 9);
        QCOMPARE(history.callItemMode(), 1);
        QCOMPARE(call.callItemMode(), 0);
        QCOMPARE(call.labelText(), QString("Alice"));
        QCOMPARE(call.text(), QString());
        QCOMPARE(call.timeText(), QString("00:00:00"));
    }

    void callTimerText_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("one hour two minutes") << 3725 << "01:02:05";
        QTest::newRow("zero") << 0 << "00:00:00";
        QTest::newRow("hundred hours") << 100 * 3600 + 59 << "100:00:59";
    }

    void callTimerText()
    {
        QFETCH(int, offset);
        QFETCH(QString, text);
        ListViewCallItem row(2, 0);
        row.setLabelText("Bob");
        row.setThumbnail(20);
        QVERIFY(row.isTimerShown());
        QVERIFY(row.setStartTime(offset));
        row.startTime();
        paintRow(row);
        QCOMPARE(row.timeText(), text);
    }

    void callTimerDiagnostics()
    {
        ListViewCallItem row(2, 0);
        MessageCapture capture;
        row.setStartTime(3725);
        row.startTime();
        QCOMPARE(capture.lines(),
                 QStringList()
                     << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) :  3725"
                     << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------");
    }

    void callTimerBeforeStartShowsOffset()
    {
        ListViewCallItem row(2, 0);
        row.setThumbnail(0);
        row.setStartTime(7);
        paintRow(row);
        QCOMPARE(row.timeText(), QString("00:00:07"));
    }

    void callTimerRunsWithElapsedTime()
    {
        ListViewCallItem row(2, 0);
        row.setThumbnail(14);
        row.setStartTime(58);
        row.startTime();
        QTest::qWait(2100);
        paintRow(row);
        QVERIFY2(row.timeText() == "00:01:00" || row.timeText() == "00:01:01",
                 qPrintable(row.timeText()));
    }

    void timerOnlyInModeTwo()
    {
        ListViewCallItem history(1, 0);
        history.setThumbnail(4);
        QVERIFY(!history.isTimerShown());
        ListViewCallItem active(2, 0);
        active.setThumbnail(99); // unknown icon: the timer still shows
        QVERIFY(active.isTimerShown());
        // Without the timer the right side stays empty.
        ListViewCallItem plain(3, 0);
        plain.setStartTime(10);
        const QImage image = paintRow(plain);
        QVERIFY(WidgetImage::allColor(image, QRect(200, 0, 184, 44), kWhite));
        QCOMPARE(plain.timeText(), QString("00:00:00"));
    }

    void iconTables_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("press");
        QTest::addColumn<QString>("path");
        const QString c = ":/call/images/call/";
        QTest::newRow("history incoming") << 1 << 0 << false << c + "icon_call_incoming_nor.png";
        QTest::newRow("history missed press") << 1 << 5 << true << c + "icon_call_missed_press.png";
        QTest::newRow("history video out") << 1 << 11 << false << c + "icon_videoConference_outgoing_press.png";
        QTest::newRow("history msg missed") << 1 << 28 << true << c + "icon_msg_missed_nor.png";
        QTest::newRow("history thumbnail") << 1 << 30 << false << c + "call_thumbnail_img.png";
        QTest::newRow("active hold") << 2 << 20 << false << ":/ui/images/call/holdcall.png";
        QTest::newRow("active hold press") << 2 << 21 << true << ":/ui/images/call/holdcall_sel.png";
        QTest::newRow("active zero") << 2 << 0 << false << ":/ui/images/call/outgoingcall.png";
        QTest::newRow("active one press") << 2 << 1 << true << ":/ui/images/call/outgoingcall_sel.png";
        QTest::newRow("active conf") << 2 << 22 << false << ":/ui/images/call/callconf.png";
    }

    void iconTables()
    {
        QFETCH(int, mode);
        QFETCH(int, icon);
        QFETCH(bool, press);
        QFETCH(QString, path);
        QVERIFY(TestHost::loadPictures());
        QVERIFY(!QPixmap(path).isNull());
        ListViewCallItem row(mode, 0);
        if (press)
            row.setPressThumbnail(icon);
        else
            row.setThumbnail(icon);
        QVERIFY(sameImage(press ? row.pressThumbnail() : row.thumbnail(), path));
    }

    void unknownIconsLeaveThePicture()
    {
        QVERIFY(TestHost::loadPictures());
        const QString def = ":/call/images/call/call_thumbnail_img.png";
        ListViewCallItem history(1, 0);
        history.setThumbnail(12); // active-call number, not in the history table
        history.setPressThumbnail(31);
        QVERIFY(sameImage(history.thumbnail(), def));
        QVERIFY(history.pressThumbnail().isNull());
        ListViewCallItem active(2, 0);
        active.setThumbnail(21); // odd numbers are pressed pictures only
        active.setPressThumbnail(20);
        QVERIFY(sameImage(active.thumbnail(), def));
        QVERIFY(active.pressThumbnail().isNull());
        for (int mode : { 0, 3, 4, 7 }) {
            ListViewCallItem row(mode, 0);
            row.setThumbnail(4);
            row.setPressThumbnail(5);
            QVERIFY(sameImage(row.thumbnail(), def));
            QVERIFY(row.pressThumbnail().isNull());
        }
    }

    void thumbnailPath()
    {
        QVERIFY(TestHost::loadPictures());
        const QString red = writePicture("red.png", QSize(60, 60), Qt::red);
        ListViewCallItem row("x");
        row.setThumbnailPath(red);
        QCOMPARE(row.thumbnail().size(), QSize(60, 60));
        row.setThumbnailPath(m_dir.filePath("missing.png"));
        QVERIFY(sameImage(row.thumbnail(), ":/call/images/call/call_thumbnail_img.png"));
    }

    void modeZeroScalesThumbnail()
    {
        const QString red = writePicture("big.png", QSize(60, 50), Qt::red);
        ListViewCallItem row("WWW");
        row.setThumbnailPath(red);
        const QImage image = paintRow(row);
        QCOMPARE(WidgetImage::bounds(image, kRow, Qt::red), QRect(10, (44 - 27) / 2, 27, 27));
        // The label starts at r.left + 27 + 5 + 5.
        const QRect ink = WidgetImage::boundsNot(image, QRect(37, 0, 347, 44), kWhite);
        QVERIFY2(ink.left() >= 37 && ink.left() <= 40, qPrintable(QString::number(ink.left())));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 10, 44), kWhite));
    }

    void imagePlacementPerMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("imageRect");
        QTest::addColumn<int>("labelLeft");
        // A 20 x 20 picture in a 44-pixel row: label at picture width + 5 + 5.
        QTest::newRow("history, one lower") << 1 << QRect(10, 13, 20, 20) << 30;
        QTest::newRow("active") << 2 << QRect(10, 12, 20, 20) << 30;
        QTest::newRow("no image") << 3 << QRect() << 10;
        QTest::newRow("underlined") << 4 << QRect() << 10;
        QTest::newRow("other mode, natural size") << 9 << QRect(10, 12, 20, 20) << 30;
    }

    void imagePlacementPerMode()
    {
        QFETCH(int, mode);
        QFETCH(QRect, imageRect);
        QFETCH(int, labelLeft);
        ListViewCallItem row(mode, 0);
        row.setThumbnailPath(writePicture("small.png", QSize(20, 20), Qt::red));
        row.setLabelText("HHH");
        const QImage image = paintRow(row);
        QCOMPARE(WidgetImage::bounds(image, kRow, Qt::red), imageRect);
        // Everything right of the picture is the label, starting at its box.
        const int from = imageRect.isNull() ? 0 : imageRect.right() + 1;
        const QRect ink = WidgetImage::boundsNot(image, QRect(from, 0, 384 - from, 44), kWhite);
        QVERIFY2(ink.left() >= labelLeft && ink.left() <= labelLeft + 3,
                 qPrintable(QString::number(ink.left())));
    }

    void underlinedLabelInModeFour()
    {
        ListViewCallItem plain(3, 0);
        ListViewCallItem underlined(4, 0);
        plain.setLabelText("Carol");
        underlined.setLabelText("Carol");
        const QImage a = paintRow(plain);
        const QImage b = paintRow(underlined);
        QVERIFY(a != b);
        // The underline adds ink below the glyphs.
        QVERIFY(WidgetImage::boundsNot(b, kRow, kWhite).bottom()
                > WidgetImage::boundsNot(a, kRow, kWhite).bottom());
    }

    void pressThumbnailWhileSelected()
    {
        ListViewCallItem row(3, 0);
        row.setCallItemMode(9);
        row.setThumbnailPath(writePicture("n.png", QSize(20, 20), Qt::red));
        // No pressed picture: the normal one also while selected.
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        QCOMPARE(WidgetImage::bounds(paintRow(row), kRow, Qt::red), QRect(10, 12, 20, 20));

        QVERIFY(TestHost::loadPictures());
        ListViewCallItem active(2, 0);
        active.setThumbnail(20);
        active.setPressThumbnail(21);
        active.setLabelText("");
        active.setStartTime(0);
        const QPixmap normal(":/ui/images/call/holdcall.png");
        const QPixmap pressed(":/ui/images/call/holdcall_sel.png");
        const QPoint at(10, (44 - normal.height()) / 2);
        auto shows = [&](const QPixmap& picture) {
            active.setBackGroundColor(kMagenta);
            active.setBackGroundSelectColor(kMagenta);
            const QImage image = paintRow(active);
            QImage expected = WidgetImage::blank(picture.size(), kMagenta);
            QPainter(&expected).drawPixmap(0, 0, picture);
            return image.copy(QRect(at, picture.size())) == expected;
        };
        QVERIFY(shows(normal));
        active.setIsPressed(true); // floating style: pressed is selected
        QVERIFY(shows(pressed));
    }

    void longLabelStaysElided()
    {
        const QString longLabel = QString(60, QLatin1Char('W'));
        ListViewCallItem row(3, 0);
        row.setLabelText(longLabel);
        const QImage image = paintRow(row);
        const QString shown = row.labelText();
        QVERIFY(shown != longLabel);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(WidgetImage::boundsNot(image, kRow, kWhite).right() <= 383);
        // A later paint on a wider row keeps the short label.
        paintRow(row, QRect(0, 0, 700, 44));
        QCOMPARE(row.labelText(), shown);
        row.setLabelText(longLabel);
        QCOMPARE(row.labelText(), longLabel);
    }

    void historyTimeRightAligned()
    {
        ListViewCallItem row(1, 0);
        row.setLabelText("");
        row.setHistoryTimeText("12:30");
        const QImage image = paintRow(row);
        const QRect ink = WidgetImage::boundsNot(image, QRect(100, 0, 284, 44), kWhite);
        QVERIFY2(ink.right() <= 383 && ink.right() >= 379, qPrintable(QString::number(ink.right())));
        QCOMPARE(row.historyTimeText(), QString("12:30"));
    }

    void holdBackground()
    {
        QVERIFY(TestHost::loadPictures());
        ListViewCallItem row(2, 0);
        QImage image = WidgetImage::blank(QSize(384, 44), Qt::transparent);
        QPainter p(&image);
        QRect r = kRow;
        row.drawBg(&p, r);
        row.drawBg(0, r);
        QVERIFY(WidgetImage::allColor(image, kRow, Qt::transparent));

        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        row.drawBg(&p, r);
        p.end();
        const QPixmap left(":/ui/images/call_hold_bg_left.png");
        const QPixmap center(":/ui/images/call_hold_bg_center.png");
        const QPixmap right(":/ui/images/call_hold_bg_right.png");
        QVERIFY(!left.isNull() && !center.isNull() && !right.isNull());
        // Left slice at 29, one-pixel steps of the centre, right slice ending at 185.
        QImage expected = WidgetImage::blank(image.size(), Qt::transparent);
        QPainter e(&expected);
        const int h = left.height();
        e.drawPixmap(QRect(29, 0, left.width(), h), left);
        for (int x = 29 + left.width(); x < 186 - right.width(); ++x)
            e.drawPixmap(QRect(x, 0, center.width(), h), center);
        e.drawPixmap(QRect(186 - right.width(), 0, right.width(), h), right);
        e.end();
        QCOMPARE(image, expected);
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 29, 44), Qt::transparent));
        QVERIFY(WidgetImage::allColor(image, QRect(186, 0, 198, 44), Qt::transparent));
    }

    void subTitleIndexes()
    {
        ListViewSubTitleItem row("Title");
        row.addSubTitle("one", -1, 19, Qt::red, Qt::blue);
        MessageCapture capture;
        QVERIFY(row.subTitle(-1) == 0);
        QVERIFY(row.subTitle(1) == 0);
        QCOMPARE(capture.lines(), QStringList() << "ListViewSubTitleItem::subTitle index err"
                                                << "ListViewSubTitleItem::subTitle index err");
        capture.clear();
        textClass* run = row.subTitle(0);
        QVERIFY(run);
        QVERIFY(capture.lines().isEmpty());
        QCOMPARE(run->text(), QString("one"));
        QCOMPARE(run->textX(), -1);
        QCOMPARE(run->textPt(), 19);
        QCOMPARE(run->textColor(), QColor(Qt::red));
        QCOMPARE(run->textSelectColor(), QColor(Qt::blue));
        QCOMPARE(run->textWidth(), 384);
        QCOMPARE(run->alignment(), 129);
        QCOMPARE(row.setSubtitleAlignment(130), 0);
    }

    // Runs in the painter's font (point size -1) so that the flow can be measured.
    void runsFlowAfterTitle_data()
    {
        QTest::addColumn<QList<int> >("xs");
        QTest::newRow("two flowing") << (QList<int>() << -1 << -1);
        QTest::newRow("fixed then flowing") << (QList<int>() << 250 << -1);
        QTest::newRow("flowing then fixed") << (QList<int>() << -1 << 300);
    }

    void runsFlowAfterTitle()
    {
        QFETCH(QList<int>, xs);
        const QStringList texts = QStringList() << "Ab" << "Cd";
        ListViewSubTitleItem row("Title");
        for (int i = 0; i < xs.size(); ++i)
            row.addSubTitle(texts.at(i), xs.at(i), -1, Qt::red, Qt::blue);
        const QImage actual = paintRow(row);

        // Expected: the title at 10, each run where the flow puts it, in the row's pen.
        const QFontMetrics fm(rowFont());
        QImage expected = WidgetImage::blank(actual.size(), kWhite);
        QPainter p(&expected);
        p.setFont(rowFont());
        p.fillRect(kRow, kWhite);
        p.setPen(kBlack);
        p.drawText(QRect(QPoint(10, 0), QPoint(378, 43)), Qt::AlignVCenter, "Title");
        int pos = 10 + fm.horizontalAdvance("Title");
        for (int i = 0; i < xs.size(); ++i) {
            pos = xs.at(i) == -1 ? pos + 10 : xs.at(i);
            const QRect box(QPoint(pos, 0), QPoint(pos + 384 - 9 - 1, 43));
            p.drawText(box, 129, fm.elidedText(texts.at(i), Qt::ElideRight, box.width()));
            if (xs.at(i) < 0)
                pos += fm.horizontalAdvance(texts.at(i));
        }
        p.end();
        QCOMPARE(actual, expected);
    }

    void fixedRunThenFlowStartsTenAfterX()
    {
        ListViewSubTitleItem row("A very long title that is wider");
        row.addSubTitle("X", 250, -1, Qt::red, Qt::blue);
        row.addSubTitle("I", -1, -1, Qt::red, Qt::blue);
        ListViewSubTitleItem only("A very long title that is wider");
        only.addSubTitle("X", 250, -1, Qt::red, Qt::blue);
        // The second run alone: its ink begins at 260 (plus the glyph's bearing).
        QImage a = paintRow(row);
        QImage b = paintRow(only);
        QRect diff;
        for (int y = 0; y < 44; ++y)
            for (int x = 0; x < 384; ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    diff |= QRect(x, y, 1, 1);
        QVERIFY(!diff.isNull());
        QVERIFY2(diff.left() >= 260 && diff.left() <= 263, qPrintable(QString::number(diff.left())));
    }

    void runFontPointSize()
    {
        ListViewSubTitleItem small("");
        small.addSubTitle("HHHH", 100, 10, Qt::red, Qt::blue);
        ListViewSubTitleItem large("");
        large.addSubTitle("HHHH", 100, 30, Qt::red, Qt::blue);
        const QRect a = WidgetImage::boundsNot(paintRow(small), kRow, kWhite);
        const QRect b = WidgetImage::boundsNot(paintRow(large), kRow, kWhite);
        QVERIFY(b.height() > a.height() * 2);
        QVERIFY(b.width() > a.width() * 2);
    }

    void subtitleAlignmentRightAlignsLastRun()
    {
        ListViewSubTitleItem row("");
        row.addSubTitle("Left", 20, -1, Qt::red, Qt::blue);
        row.addSubTitle("12:00", 200, -1, Qt::red, Qt::blue);
        row.setSubtitleAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QImage image = paintRow(row);
        // Last run right-aligned in (200)..(341).
        const QRect last = WidgetImage::boundsNot(image, QRect(150, 0, 234, 44), kWhite);
        QVERIFY2(last.right() <= 341 && last.right() >= 338, qPrintable(QString::number(last.right())));
        QVERIFY(last.left() > 250);
    }

    void subtitleAlignmentStopsEliding()
    {
        const QString longRun = QString(40, QLatin1Char('W'));
        ListViewSubTitleItem elided("");
        elided.addSubTitle(longRun, 10, -1, Qt::red, Qt::blue);
        elided.subTitle(0)->setTextWidth(100);
        ListViewSubTitleItem whole("");
        whole.addSubTitle(longRun, 10, -1, Qt::red, Qt::blue);
        whole.addSubTitle("", 0, -1, Qt::red, Qt::blue);
        whole.subTitle(0)->setTextWidth(100);
        whole.setSubtitleAlignment(129);
        // Elided: ink within the box (10 .. 10 + 100 - 9 - 1).
        QVERIFY(WidgetImage::boundsNot(paintRow(elided), kRow, kWhite).right() <= 100);
        // Not elided: the text is clipped only by drawText's box, so it shows more W's.
        QVERIFY(WidgetImage::count(paintRow(whole), kRow, kBlack)
                > WidgetImage::count(paintRow(elided), kRow, kBlack));
    }

    void groupNameOffsets()
    {
        ListViewSubTitleItem normal("Group");
        normal.addSubTitle("run", 200, -1, Qt::red, Qt::blue);
        ListViewSubTitleItem group("Group");
        group.addSubTitle("run", 200, -1, Qt::red, Qt::blue);
        group.setGroupNameItem(true);
        QVERIFY(group.isGroupNameItem());
        // Paint one row lower so that the raised title stays inside the image.
        const QRect r(0, 20, 384, 44);
        const QImage a = paintRow(normal, r);
        const QImage b = paintRow(group, r);
        const QRect titleA = WidgetImage::boundsNot(a, QRect(0, 0, 150, 80), kWhite);
        const QRect titleB = WidgetImage::boundsNot(b, QRect(0, 0, 150, 80), kWhite);
        const QRect runA = WidgetImage::boundsNot(a, QRect(190, 0, 194, 80), kWhite);
        const QRect runB = WidgetImage::boundsNot(b, QRect(190, 0, 194, 80), kWhite);
        QCOMPARE(titleB, titleA.translated(0, -10));
        QCOMPARE(runB, runA.translated(0, 5));
    }

    void pictureMovesTitle()
    {
        ListViewSubTitleItem row("HHH");
        QImage red(20, 20, QImage::Format_ARGB32);
        red.fill(Qt::red);
        row.setPixmap(QPixmap::fromImage(red), QPixmap());
        const QImage image = paintRow(row);
        QCOMPARE(WidgetImage::bounds(image, kRow, Qt::red), QRect(10, 12, 20, 20));
        const QRect ink = WidgetImage::boundsNot(image, QRect(30, 0, 354, 44), kWhite);
        QVERIFY(ink.left() >= 35 && ink.left() <= 38);
    }
};

QTEST_MAIN(Rows2CallRowsTest)
#include "tst_rows2_callrows.moc"
