// The list row base: defaults, getter quirks, owned pictures and the plain row's paint;
// the text-run record of subtitle rows.
#include "ListViewItem.h"
#include "WidgetImage.h"
#include "textClass.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QPixmap solid(int w, int h, const QColor& c)
{
    QPixmap pm(w, h);
    pm.fill(c);
    return pm;
}

QImage paintRow(ListViewItem& row, const QRect& r, const QSize& size = QSize(384, 60))
{
    QImage image = WidgetImage::blank(size, QColor(0, 255, 0));
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(24);
    p.setFont(f);
    QRect rect = r;
    row.paint(&p, rect);
    return image;
}

// Exposes the shared label drawing of the rows.
struct LabelRow : ListViewItem
{
    static void label(QPainter* p, const QRect& r, int flags, const QString& text, int elide)
    {
        drawLabel(p, r, flags, text, elide);
    }
};

} // namespace

class ListItemTest : public QObject
{
    Q_OBJECT

private slots:
    void enumerationValues()
    {
        QCOMPARE(int(eFocusTypeInverse), 0);
        QCOMPARE(int(eFocusTypeFloating), 1);
        QCOMPARE(int(eFocusTypeFlat), 2);
        QCOMPARE(int(ListViewItem::UnderLineSolid), 0);
        QCOMPARE(int(ListViewItem::UnderLineDot), 1);
        QCOMPARE(int(ListViewItem::FloatingFocusBoxNormal), 1);
        const int ids[] = {ListViewItem::TypeItem, ListViewItem::TypeProgress, ListViewItem::TypeSelect,
                           ListViewItem::TypeCheck, ListViewItem::TypeRadio, ListViewItem::TypeLineEdit,
                           ListViewItem::TypeInfo, ListViewItem::TypeNetwork, ListViewItem::TypeSubTitle,
                           ListViewItem::TypeAlarm, ListViewItem::TypeTimeEdit, ListViewItem::TypeDateSelect,
                           ListViewItem::TypeCall, ListViewItem::TypeCheckLineEdit,
                           ListViewItem::TypeLineEditCheck, ListViewItem::TypeSingleLineEdit};
        const int expected[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15, 16, 17};
        for (int i = 0; i < 16; ++i)
            QCOMPARE(ids[i], expected[i]);
    }

    void defaults()
    {
        ListViewItem row;
        QCOMPARE(row.type(), 0);
        QCOMPARE(row.text(), QString());
        QVERIFY(!row.pixmap(0));
        QVERIFY(!row.pixmap(1));
        QCOMPARE(row.alignment(), int(Qt::AlignVCenter));
        QVERIFY(row.hasFocus());
        QVERIFY(!row.selected());
        QVERIFY(row.isVisible());
        QVERIFY(!row.isTwoColumn());
        QCOMPARE(row.baseTextColor(), kBlack);
        QCOMPARE(row.textColor(), kBlack);
        QCOMPARE(row.textSelectColor(), kWhite);
        QCOMPARE(row.textNoFocusSelectColor(), kWhite);
        QCOMPARE(row.backGroundColor(), kWhite);
        QCOMPARE(row.backGroundSelectColor(), kBlack);
        QCOMPARE(row.backGroundNoFocusSelectColor(), kBlack);
        QCOMPARE(row.textDisableColor(), kBlack);
        QVERIFY(row.geometry().isNull());
        QVERIFY(row.itemRect().isNull());
        QVERIFY(!row.data());
        QVERIFY(!row.hasScrollBar());
        QCOMPARE(row.scrollBarAreaWidth(), 9);
        QVERIFY(!row.useShadow());
        QCOMPARE(row.focusType(), eFocusTypeFloating);
        QVERIFY(!row.isPressed());
        QCOMPARE(row.underLineType(), ListViewItem::UnderLineDot);
        QCOMPARE(row.floatingFocusBoxSize(), ListViewItem::FloatingFocusBoxNormal);
        QCOMPARE(row.editTextLeftMargin(), 0);
        row.setEditTextLeftMargin(40);
        QCOMPARE(row.editTextLeftMargin(), 0);
    }

    void getterQuirks()
    {
        ListViewItem row;
        row.setScrollBarAreaWidth(0);
        QCOMPARE(row.scrollBarAreaWidth(), 3);
        row.setScrollBarAreaWidth(8);
        QCOMPARE(row.scrollBarAreaWidth(), 11);

        // Floating style: selected() follows the pressed state, not the raw flag.
        row.setSelected(true);
        QVERIFY(!row.selected());
        row.setIsPressed(true);
        QVERIFY(row.selected());
        row.setIsPressed(false);
        row.setFocusType(eFocusTypeInverse);
        QVERIFY(row.selected());
        row.setSelected(false);
        QVERIFY(!row.selected());

        // The disable colour reads as the select colour while the row is selected.
        row.setTextDisableColor(QColor(1, 2, 3));
        row.setTextSelectColor(QColor(4, 5, 6));
        QCOMPARE(row.textDisableColor(), QColor(1, 2, 3));
        row.setSelected(true);
        QCOMPARE(row.textDisableColor(), QColor(4, 5, 6));
    }

    void pictures_data()
    {
        QTest::addColumn<bool>("normal");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QColor>("expect0");
        QTest::addColumn<QColor>("expect1");
        const QColor start0(10, 10, 10), start1(20, 20, 20), p(200, 0, 0), s(0, 0, 200);
        QTest::newRow("both") << true << true << p << s;
        QTest::newRow("normal only: select becomes a copy") << true << false << p << p;
        QTest::newRow("select only: normal kept") << false << true << start0 << s;
    }

    void pictures()
    {
        QFETCH(bool, normal);
        QFETCH(bool, select);
        QFETCH(QColor, expect0);
        QFETCH(QColor, expect1);
        ListViewItem row("x", solid(4, 4, QColor(10, 10, 10)), solid(4, 4, QColor(20, 20, 20)));
        QPixmap p = solid(5, 5, QColor(200, 0, 0));
        const QPixmap s = solid(6, 6, QColor(0, 0, 200));
        row.setPixmap(normal ? p : QPixmap(), select ? s : QPixmap());
        p.fill(Qt::yellow); // the row keeps its own copy
        QVERIFY(row.pixmap(0) && row.pixmap(1));
        QCOMPARE(row.pixmap(0)->toImage().pixelColor(0, 0), expect0);
        QCOMPARE(row.pixmap(1)->toImage().pixelColor(0, 0), expect1);
        QVERIFY(!row.pixmap(2));
        QVERIFY(!row.pixmap(-1));
    }

    void constructorPictures()
    {
        ListViewItem row("t", QPixmap(), solid(3, 3, Qt::red));
        QVERIFY(!row.pixmap(0));
        QVERIFY(row.pixmap(1));
        QCOMPARE(row.text(), QString("t"));
        // Rows made without pictures get both on the first setPixmap.
        ListViewItem plain;
        plain.setPixmap(solid(2, 2, Qt::blue), QPixmap());
        QCOMPARE(plain.pixmap(0)->size(), QSize(2, 2));
        QCOMPARE(plain.pixmap(1)->size(), QSize(2, 2));
    }

    void paintStateColours_data()
    {
        QTest::addColumn<bool>("focus");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("unselected") << true << false << QColor(1, 1, 1);
        QTest::newRow("selected") << true << true << QColor(2, 2, 2);
        QTest::newRow("selected without focus") << false << true << QColor(3, 3, 3);
    }

    void paintStateColours()
    {
        QFETCH(bool, focus);
        QFETCH(bool, pressed);
        QFETCH(QColor, fill);
        ListViewItem row("", QPixmap(), QPixmap());
        row.setBackGroundColor(QColor(1, 1, 1));
        row.setBackGroundSelectColor(QColor(2, 2, 2));
        row.setBackGroundNoFocusSelectColor(QColor(3, 3, 3));
        row.setFocus(focus);
        row.setIsPressed(pressed);
        const QImage image = paintRow(row, QRect(0, 10, 384, 40));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 10, 384, 40), fill));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 384, 10), QColor(0, 255, 0)));
        QCOMPARE(row.itemRect(), QRect(0, 10, 384, 40));
    }

    void paintLabelPlacement()
    {
        // Without a picture the label starts 10 pixels in; with one at 35, the picture at 10.
        ListViewItem plain("HHHH", QPixmap(), QPixmap());
        plain.setTextColor(Qt::red);
        QImage image = paintRow(plain, QRect(0, 0, 384, 40));
        QRect text = WidgetImage::boundsNot(image, QRect(0, 0, 384, 40), kWhite);
        QVERIFY2(text.left() >= 10 && text.left() <= 13, qPrintable(QString::number(text.left())));

        ListViewItem pictured("HHHH", solid(16, 16, Qt::blue), solid(16, 16, Qt::magenta));
        pictured.setTextColor(Qt::red);
        image = paintRow(pictured, QRect(0, 0, 384, 40));
        QCOMPARE(WidgetImage::bounds(image, image.rect(), QColor(Qt::blue)), QRect(10, 12, 16, 16));
        text = WidgetImage::boundsNot(image, QRect(30, 0, 354, 40), kWhite);
        QVERIFY2(text.left() >= 35 && text.left() <= 38, qPrintable(QString::number(text.left())));

        // Pressed in the floating style shows the select picture.
        pictured.setIsPressed(true);
        image = paintRow(pictured, QRect(0, 0, 384, 40));
        QCOMPARE(WidgetImage::bounds(image, image.rect(), QColor(Qt::magenta)), QRect(10, 12, 16, 16));

        // Inverse style: the select picture needs focus and the raw selected flag.
        pictured.setIsPressed(false);
        pictured.setFocusType(eFocusTypeInverse);
        pictured.setSelected(true);
        pictured.setFocus(false);
        image = paintRow(pictured, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::blue)) == 256);
        pictured.setFocus(true);
        image = paintRow(pictured, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::magenta)) == 256);

        // A picture as tall as the row sits 9 pixels below its top.
        ListViewItem tall("", solid(8, 40, Qt::blue), QPixmap());
        image = paintRow(tall, QRect(0, 10, 384, 40));
        QCOMPARE(WidgetImage::bounds(image, image.rect(), QColor(Qt::blue)).topLeft(), QPoint(10, 19));
    }

    void paintShadowAndDisabled()
    {
        ListViewItem row("HHHH", QPixmap(), QPixmap());
        row.setTextColor(Qt::red);
        QImage image = paintRow(row, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(85, 85, 85)) == 0);
        const QRect label = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));

        row.setUseShadow(true);
        image = paintRow(row, QRect(0, 0, 384, 40));
        const QRect shadow = WidgetImage::bounds(image, image.rect(), QColor(85, 85, 85));
        QVERIFY(!shadow.isNull());
        QCOMPARE(shadow.bottom(), label.bottom() + 1); // vertically centred in a box 2 pixels lower

        // A selected row whose selection is disabled is drawn in its select colour.
        ListViewItem disabled("HHHH", QPixmap(), QPixmap());
        disabled.setItemSelectEnable(false);
        disabled.setTextDisableColor(Qt::blue);
        disabled.setTextSelectColor(Qt::red);
        disabled.setBackGroundSelectColor(kWhite);
        image = paintRow(disabled, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::blue)) > 0);
        disabled.setIsPressed(true);
        image = paintRow(disabled, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::blue)) == 0);
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::red)) > 0);
    }

    void cachedLabelsDrawLikeDrawText_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("elide");
        const int vc = Qt::AlignVCenter;
        QTest::newRow("vcenter") << vc << QRect(10, 0, 180, 40) << "Time Update" << 20 << -1;
        QTest::newRow("left vcenter, odd height") << (vc | Qt::AlignLeft) << QRect(35, 3, 150, 37) << "Region" << 19 << -1;
        QTest::newRow("right vcenter") << (vc | Qt::AlignRight) << QRect(192, 0, 169, 40) << "Europe/Paris" << 19 << -1;
        QTest::newRow("hcenter") << (vc | Qt::AlignHCenter) << QRect(0, 40, 384, 40) << "Centre" << 24 << -1;
        QTest::newRow("top") << int(Qt::AlignTop) << QRect(0, 5, 200, 40) << "Top" << 20 << -1;
        QTest::newRow("bottom right") << int(Qt::AlignBottom | Qt::AlignRight) << QRect(0, 0, 200, 50) << "Low" << 20 << -1;
        QTest::newRow("overflow is clipped") << vc << QRect(10, 10, 60, 20) << "A much longer title" << 20 << -1;
        QTest::newRow("elided") << vc << QRect(10, 0, 120, 40) << "A much longer title than fits" << 20 << 120;
        QTest::newRow("trailing spaces") << int(vc | Qt::AlignRight) << QRect(0, 0, 200, 40) << "abc   " << 20 << -1;
        QTest::newRow("word wrap falls back") << int(vc | Qt::TextWordWrap) << QRect(0, 0, 100, 60) << "two words here" << 20 << -1;
        QTest::newRow("mnemonic text falls back") << vc << QRect(0, 0, 200, 40) << "A&B" << 20 << -1;
    }

    void cachedLabelsDrawLikeDrawText()
    {
        QFETCH(int, flags);
        QFETCH(QRect, box);
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QFETCH(int, elide);
        QImage expected = WidgetImage::blank(QSize(384, 100));
        QImage actual = expected;
        for (int pass = 0; pass < 2; ++pass) { // the second pass draws from the cache
            for (QImage* image : {&expected, &actual}) {
                image->fill(Qt::white);
                QPainter p(image);
                QFont f = p.font();
                f.setPixelSize(pixelSize);
                p.setFont(f);
                p.setPen(Qt::black);
                if (image == &expected)
                    p.drawText(box, flags, elide >= 0 ? p.fontMetrics().elidedText(text, Qt::ElideRight, elide) : text);
                else
                    LabelRow::label(&p, box, flags, text, elide);
            }
            QVERIFY(expected == actual);
        }
        QVERIFY(expected != WidgetImage::blank(QSize(384, 100)));
    }

    void textRun()
    {
        textClass run("abc");
        QCOMPARE(run.text(), QString("abc"));
        QCOMPARE(run.textX(), 0);
        QCOMPARE(run.textWidth(), 384);
        QCOMPARE(run.textPt(), 19);
        QCOMPARE(run.textColor(), QColor(Qt::yellow));
        QCOMPARE(run.textSelectColor(), QColor(Qt::red));
        QCOMPARE(run.alignment(), 129);
        run.settextX(-1);
        run.setTextSelecteColor(Qt::green);
        run.setTextPt(-3);
        QCOMPARE(run.textX(), -1);
        QCOMPARE(run.textSelectColor(), QColor(Qt::green));
        QCOMPARE(run.textPt(), -3);
    }
};

QTEST_MAIN(ListItemTest)
#include "tst_list_item.moc"
