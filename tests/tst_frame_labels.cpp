// The status bar's clock and title labels: time format and colour, the title box with its end
// caps, the breadcrumb between two levels, eliding, and blank titles.
#include "Core.h"
#include "TestHost.h"
#include "TimeLabel.h"
#include "TitleLabel.h"
#include "WidgetImage.h"

#include <QDateTime>
#include <QPainter>
#include <QTest>

#include <time.h>

namespace {

// Moves the process's local time (through TZ, as the host does when it applies a zone) so that
// the wall clock reads hh:mm:30 right now; the old zone comes back on destruction.
class LocalTimeAt
{
public:
    LocalTimeAt(int hour, int minute)
        : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        const QTime utc = QDateTime::currentDateTimeUtc().time();
        int offset = hour * 3600 + minute * 60 + 30 - QTime(0, 0).secsTo(utc);
        while (offset > 12 * 3600)
            offset -= 24 * 3600;
        while (offset <= -12 * 3600)
            offset += 24 * 3600;
        // POSIX zones count westward: UTC+1 is "-1".
        const int west = -offset;
        const int a = qAbs(west);
        const QString zone = QString("XXX%1%2:%3:%4").arg(west < 0 ? '-' : '+')
                                 .arg(a / 3600, 2, 10, QChar('0'))
                                 .arg(a / 60 % 60, 2, 10, QChar('0'))
                                 .arg(a % 60, 2, 10, QChar('0'));
        qputenv("TZ", zone.toLatin1());
        tzset();
    }
    ~LocalTimeAt()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

const char kLeft[] = ":ui/images/title/num_bg_left.png";
const char kRight[] = ":ui/images/title/num_bg_right.png";
const char kCrumb[] = ":ui/images/title/breadcrumb.png";

QFont titleFont()
{
    QFont font;
    font.setPointSize(18);
    return font;
}

// Metrics as a label paints with them (the widget's resolution, not the test runner's 96 DPI).
QFontMetrics titleMetrics()
{
    TitleLabel label;
    label.setFont(titleFont());
    return label.fontMetrics();
}

// Bounding box of the pixels a picture actually covers, placed at (x, y).
QRect coveredBy(const QPixmap& pixmap, int x, int y)
{
    if (pixmap.isNull())
        return QRect();
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QRect r;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px)
            if (qAlpha(image.pixel(px, py)) != 0)
                r |= QRect(px, py, 1, 1);
    return r.translated(x, y);
}

// Bounding box of the pixels that differ between two images of the same size.
QRect difference(const QImage& a, const QImage& b)
{
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage crop(const QImage& image, const QRect& rect)
{
    return image.copy(rect);
}

} // namespace

class FrameLabelsTest : public QObject
{
    Q_OBJECT

    TestHost* m_host;

    // A title label set up as the status bar sets up its own.
    TitleLabel* makeTitle(const QString& title, int width = 280)
    {
        TitleLabel* label = new TitleLabel;
        label->resize(width, 22);
        label->setFont(titleFont());
        label->setIndent(3);
        label->setText(title);
        return label;
    }

    QImage renderTitle(const QString& title, int width = 280)
    {
        QScopedPointer<TitleLabel> label(makeTitle(title, width));
        return WidgetImage::render(label.data());
    }

private slots:
    void initTestCase()
    {
        m_host = new TestHost;
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
        delete m_host;
    }

    void init()
    {
        m_host->core()->setDesignType(0);
        m_host->core()->setUse24HourTime(false);
        TestHost::unloadPictures();
    }

    void timeFormat_data()
    {
        QTest::addColumn<bool>("hour24");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("shown");
        QTest::newRow("24h afternoon") << true << 14 << "14:05";
        QTest::newRow("12h afternoon") << false << 14 << "02:05 PM";
        QTest::newRow("24h morning") << true << 9 << "09:05";
        QTest::newRow("12h morning") << false << 9 << "09:05 AM";
        QTest::newRow("12h midnight") << false << 0 << "12:05 AM";
    }

    void timeFormat()
    {
        QFETCH(bool, hour24);
        QFETCH(int, hour);
        QFETCH(QString, shown);
        LocalTimeAt at(hour, 5);
        TimeLabel label;
        label.resize(72, 22);
        label.setTime24Hour(hour24);
        QCOMPARE(label.text(), QString());
        WidgetImage::render(&label, Qt::white);
        QCOMPARE(label.text(), shown);
    }

    void clockFollowsHostFormatOnTick()
    {
        TimeLabel label;
        label.setTime24Hour(true);
        label.changeTimeBlinkFlag();
        QCOMPARE(label.time24Hour(), false);
        m_host->core()->setUse24HourTime(true);
        label.setTime24Hour(false);
        label.changeTimeBlinkFlag();
        QCOMPARE(label.time24Hour(), true);
    }

    void clockColourAndAlignment_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<QColor>("ink");
        QTest::newRow("design 0") << 0 << QColor(85, 85, 85);
        QTest::newRow("design 1") << 1 << QColor(34, 34, 34);
        QTest::newRow("other design") << 2 << QColor(85, 85, 85);
    }

    void clockColourAndAlignment()
    {
        QFETCH(int, design);
        QFETCH(QColor, ink);
        m_host->core()->setDesignType(design);
        LocalTimeAt at(14, 5);
        TimeLabel label;
        label.setFont(titleFont());
        label.resize(100, 22);
        label.setTime24Hour(true);
        const QImage image = WidgetImage::render(&label, Qt::white);
        // Solid glyph pixels carry the pen colour; nothing is darker than it.
        QVERIFY(WidgetImage::count(image, image.rect(), ink) > 5);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = qMin(darkest, qRed(image.pixel(x, y)));
        QCOMPARE(darkest, ink.red());
        const QRect ink_ = WidgetImage::boundsNot(image, image.rect(), Qt::white);
        QVERIFY(ink_.right() >= label.width() - 3);
        QVERIFY(ink_.left() > label.width() - label.fontMetrics().horizontalAdvance("14:05") - 3);
        QVERIFY(qAbs(ink_.center().y() - label.height() / 2) <= 2);
    }

    void titleKeepsTrailingSpaces()
    {
        TitleLabel label;
        label.setText("X");
        QCOMPARE(label.text(), QString("X") + QString(42, ' '));
        QCOMPARE(static_cast<QLabel&>(label).text(), label.text());
        label.setText(QString());
        QCOMPARE(label.text(), QString(42, ' '));
    }

    void blankTitleDrawsNothing_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("title");
        QTest::newRow("spaces, no pictures") << false << "     ";
        QTest::newRow("spaces, pictures") << true << "     ";
        QTest::newRow("empty, pictures") << true << "";
    }

    void blankTitleDrawsNothing()
    {
        QFETCH(bool, pictures);
        QFETCH(QString, title);
        if (pictures)
            QVERIFY(TestHost::loadPictures());
        const QImage image = renderTitle(title);
        QVERIFY(WidgetImage::allColor(image, image.rect(), Qt::transparent));
    }

    void titleBox_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain, no pictures") << false << "Settings" << "Settings";
        QTest::newRow("plain, pictures") << true << "Settings" << "Settings";
        QTest::newRow("padded, pictures") << true << "  Phone  " << "Phone";
        QTest::newRow("two levels, no pictures") << false << "Settings | Time Zone" << "Settings  Time Zone";
        QTest::newRow("two levels, pictures") << true << "Settings | Time Zone" << "Settings  Time Zone";
    }

    // The box runs from the left cap over the text plus 6 pixels, 20 rows high, centred on the
    // left cap; nothing is drawn outside it and its caps.
    void titleBox()
    {
        QFETCH(bool, pictures);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        if (pictures)
            QVERIFY(TestHost::loadPictures());
        const QPixmap left(kLeft), right(kRight);
        QCOMPARE(left.isNull(), !pictures);

        const QImage image = renderTitle(title);
        const int top = (22 - left.height()) / 2;
        const int boxWidth = qMin(titleMetrics().horizontalAdvance(shown) + 6, 280);
        const QRect box(QPoint(left.width(), top - 1), QPoint(boxWidth - right.width() - 1, top + 18));
        const QRect frame = (box | coveredBy(left, 0, top - 1)
                             | coveredBy(right, boxWidth - right.width(), top - 1)) & image.rect();
        const QRect visible = box & image.rect();
        // The box is black out to its edges (the text leaves its rims free), and nothing
        // black lies outside the box and its caps.
        QCOMPARE(WidgetImage::bounds(image, visible, Qt::black), visible);
        QVERIFY(frame.contains(WidgetImage::bounds(image, image.rect(), Qt::black)));
        // With the caps the text fits inside; without them the box sits lower and the text
        // rises above it.
        if (pictures)
            QCOMPARE(WidgetImage::boundsNot(image, image.rect(), Qt::transparent), frame);
        else
            QCOMPARE(WidgetImage::boundsNot(image, image.rect(), Qt::transparent).right(), frame.right());
        // The text is white inside it.
        QVERIFY(WidgetImage::count(image, visible, Qt::white) > 20);
    }

    // The breadcrumb sits 3 pixels after the first level, in the two-space gap; the same text
    // without "|" draws everything else identically.
    void breadcrumbPosition_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::newRow("no pictures") << false;
        QTest::newRow("pictures") << true;
    }

    void breadcrumbPosition()
    {
        QFETCH(bool, pictures);
        if (pictures)
            QVERIFY(TestHost::loadPictures());
        const QImage crumbed = renderTitle("Settings | Time Zone");
        const QImage flat = renderTitle("Settings  Time Zone");
        const QPixmap crumb(kCrumb);
        const int x = 3 + titleMetrics().horizontalAdvance("Settings") + 3;
        const int y = (22 - crumb.height()) / 2 - 1;
        const QRect diff = difference(crumbed, flat);
        if (!pictures) {
            QVERIFY(diff.isNull());
            return;
        }
        QVERIFY(!diff.isNull());
        QVERIFY2(coveredBy(crumb, x, y).contains(diff),
                 qPrintable(QString("diff %1,%2 %3x%4").arg(diff.x()).arg(diff.y()).arg(diff.width()).arg(diff.height())));
        // Every opaque pixel of the picture lands where it should.
        const QImage picture = crumb.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (qAlpha(picture.pixel(px, py)) == 255)
                    QCOMPARE(crumbed.pixel(x + px, y + py), picture.pixel(px, py));
    }

    void onlyTwoLevelsShown()
    {
        QVERIFY(TestHost::loadPictures());
        QCOMPARE(renderTitle("Settings | Time Zone | Europe"), renderTitle("Settings | Time Zone"));
        QCOMPARE(renderTitle(" Settings|Time Zone "), renderTitle("Settings | Time Zone"));
        QVERIFY(renderTitle("Settings | Time Zone") != renderTitle("Settings"));
    }

    void longTitleElided_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::newRow("no pictures") << false;
        QTest::newRow("pictures") << true;
    }

    void longTitleElided()
    {
        QFETCH(bool, pictures);
        if (pictures)
            QVERIFY(TestHost::loadPictures());
        const int width = 200;
        const QString title = "Network Settings Advanced Options Wireless";
        const QFontMetrics metrics = titleMetrics();
        QVERIFY(metrics.horizontalAdvance(title) + 6 > width);
        const QPixmap left(kLeft), right(kRight);
        const int top = (22 - left.height()) / 2;

        const QImage image = renderTitle(title, width);
        // The box fills the label.
        const QRect lastBoxColumn(width - right.width() - 1, qMax(top - 1, 0), 1, qMin(20, 22 - qMax(top - 1, 0)));
        QVERIFY(WidgetImage::allColor(image, lastBoxColumn, Qt::black));
        QCOMPARE(WidgetImage::boundsNot(image, image.rect(), Qt::transparent).right(), width - 1);

        // The text drawn is the elided one: it matches a label showing exactly that text over
        // the part both boxes share, and differs from the whole title there.
        const QString elided = metrics.elidedText(title, Qt::ElideRight, width - right.width() - 3);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        const QImage reference = renderTitle(elided, width);
        const int shared = qMin(metrics.horizontalAdvance(elided) + 6, width) - right.width();
        const QRect common(0, 0, shared, 22);
        // (With a right cap the reference would be elided once more, so compare without caps.)
        if (!pictures)
            QCOMPARE(crop(image, common), crop(reference, common));

        QImage whole(width + 400, 22, QImage::Format_ARGB32);
        {
            QScopedPointer<TitleLabel> wide(makeTitle(title, width + 400));
            whole = WidgetImage::render(wide.data());
        }
        QVERIFY(crop(whole, common) != crop(image, common));
    }

    // The host may register or swap its pictures while a label lives.
    void picturesFollowTheHost()
    {
        QScopedPointer<TitleLabel> label(makeTitle("Settings | Time Zone"));
        const QImage before = WidgetImage::render(label.data());
        QVERIFY(TestHost::loadPictures());
        const QImage with = WidgetImage::render(label.data());
        QVERIFY(with != before);
        QCOMPARE(with, renderTitle("Settings | Time Zone"));
        TestHost::unloadPictures();
        QCOMPARE(WidgetImage::render(label.data()), before);
    }

    void titleColour()
    {
        QScopedPointer<TitleLabel> label(makeTitle("Settings"));
        QCOMPARE(label->titleColor(), QColor(255, 255, 255));
        label->setTitleColor(QColor(255, 0, 0));
        QCOMPARE(label->titleColor(), QColor(255, 0, 0));
        const QImage image = WidgetImage::render(label.data());
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(255, 0, 0)) > 20);
        QCOMPARE(WidgetImage::count(image, image.rect(), Qt::white), 0);
    }
};

QTEST_MAIN(FrameLabelsTest)
#include "tst_frame_labels.moc"
