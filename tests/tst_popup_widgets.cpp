// The popup widgets: image and text buttons, the popup's list, and the selection popup run
// for real (exec() with keys played from timers, host broadcasts, fast close, key tones).
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewItem.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SignalOrder.h"
#include "SoundManager.h"
#include "SoundSelectPopup.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TextButton.h"
#include "WidgetImage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(187, 187, 187);
const QColor kThumb(34, 34, 34);
const QColor kClear(Qt::transparent);
const int kTimedOut = 99;

// The popup's button: 87 x 25, no gaps.
void popupSized(ImageButton& b, const QString& text = QString())
{
    b.resize(87, 25);
    b.setLeftGap(0);
    b.setRightGap(0);
    b.setText(text);
}

// A list shaped like the one inside the popup, 160 pixels high, with rows and a selection.
void shape(SelectPopupListView& list, int rows, int selected)
{
    list.setPageCount(4);
    list.setLineLeftMargin(0);
    list.setLineRightMargin(0);
    list.resize(183, 160);
    for (int i = 0; i < rows; ++i)
        list.addItem(new ListViewItem(QString("Row %1").arg(i), QPixmap(), QPixmap()));
    list.setSelectedIdx(selected);
}

void fill(SelectPopup& popup, int rows)
{
    for (int i = 0; i < rows; ++i)
        popup.addListViewItem(QString("Row %1").arg(i));
}

// Runs exec() while the driver plays its steps; a stuck popup ends with kTimedOut.
int run(SelectPopup& popup, KeyDriver& driver)
{
    ModalTimeout timeout(&popup, kTimedOut);
    driver.start();
    return popup.exec();
}

// First arguments of every emission, as ints (bools read as 0/1).
QList<int> args(const QSignalSpy& spy)
{
    QList<int> out;
    for (const QList<QVariant>& a : spy)
        out << a.at(0).toInt();
    return out;
}

} // namespace

class PopupTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestHost::unloadPictures(); }

    // ---- Buttons

    void symbolPicture()
    {
        const QList<QPair<QString, QString>> cases = {
            {QString(QChar(0x2228)), "softkey_ok"}, {"<-", "softkey_delete"},
            {"Erase ", "softkey_delete"}, {" ERASE", "softkey_delete"}, {"X", "softkey_cancel"},
            {">>", "softkey_nextpage"}, {">", "softkey_afterpage"}, {"<", "softkey_prevpage"},
            {" X", ""}, {"x", ""}, {"Cancel", ""}, {"", ""}};
        for (const auto& c : cases) {
            const QString base = ":/ui/images/widget/" + c.second;
            QCOMPARE(ImageButton::symbolPicture(c.first, false), c.second.isEmpty() ? QString() : base + ".png");
            QCOMPARE(ImageButton::symbolPicture(c.first, true), c.second.isEmpty() ? QString() : base + "_sel.png");
        }
    }

    // A symbol label shows its picture centred in the 87 x 22 body below the band; pressed,
    // the selected picture on black.
    void symbolDrawsCentredPicture()
    {
        QVERIFY(TestHost::loadPictures());
        for (bool hover : {false, true}) {
            const QPixmap picture(hover ? ":/ui/images/widget/softkey_delete_sel.png" : ":/ui/images/widget/softkey_ok.png");
            ImageButton b;
            popupSized(b, hover ? "Erase " : QString(QChar(0x2228)));
            b.setHover(hover);
            const QImage img = WidgetImage::render(&b);
            const QColor body = hover ? kBlack : kWhite;
            QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kBlack));
            const QRect at(QPoint((87 - picture.width()) / 2, 3 + (22 - picture.height()) / 2), picture.size());
            QVERIFY(at.contains(WidgetImage::boundsNot(img, QRect(0, 3, 87, 22), body)));
            QImage expected(at.size(), QImage::Format_ARGB32);
            expected.fill(body);
            QPainter(&expected).drawPixmap(0, 0, picture);
            QCOMPARE(img.copy(at), expected);
        }
    }

    void labelsAsText()
    {
        // A symbol on a host without pictures falls back to its text.
        ImageButton x;
        popupSized(x, "X");
        QVERIFY(WidgetImage::count(WidgetImage::render(&x), QRect(0, 3, 87, 22), kBlack) > 0);

        ImageButton b;
        b.resize(87, 25);
        b.setText("Cancel");
        for (bool hover : {false, true}) {
            b.setHover(hover);
            const QImage img = WidgetImage::render(&b);
            // Default gaps of 3 stay clear; band above, centred ink (white when pressed).
            QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 3, 25), kClear) && WidgetImage::allColor(img, QRect(84, 0, 3, 25), kClear));
            QVERIFY(WidgetImage::allColor(img, QRect(3, 0, 81, 3), kBlack));
            const QRect ink = WidgetImage::bounds(img, QRect(3, 3, 81, 22), hover ? kWhite : kBlack);
            QVERIFY(!ink.isNull() && qAbs((ink.left() - 3) - (83 - ink.right())) <= 2);
        }
        // No text, no band: the body colour alone.
        ImageButton e;
        popupSized(e);
        e.setBgColor(QColor(10, 20, 30));
        const QImage img = WidgetImage::render(&e);
        QCOMPARE(WidgetImage::boundsNot(img, img.rect(), kClear), QRect(0, 3, 87, 22));
        QVERIFY(WidgetImage::allColor(img, QRect(0, 3, 87, 22), QColor(10, 20, 30)));
    }

    void pictureMode()
    {
        ImageButton b;
        popupSized(b, "t");
        QPixmap icon(10, 10), pressIcon(12, 8);
        icon.fill(Qt::red);
        pressIcon.fill(Qt::blue);
        b.setIcon(icon);
        b.setPressIcon(pressIcon);
        b.setBgColor(Qt::green);
        QImage img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kBlack));
        QCOMPARE(WidgetImage::bounds(img, img.rect(), Qt::red), QRect(38, 9, 10, 10));
        QCOMPARE(WidgetImage::count(img, img.rect(), Qt::green), 87 * 22 - 100);
        b.setHover(true);
        img = WidgetImage::render(&b);
        QCOMPARE(WidgetImage::bounds(img, img.rect(), Qt::blue), QRect(37, 10, 12, 8));
        QCOMPARE(WidgetImage::count(img, img.rect(), kBlack), 87 * 25 - 96);
    }

    void imageButtonKeysAndMouse()
    {
        QWidget parent;
        ImageButton* b = new ImageButton(&parent);
        QSignalSpy clicked(b, SIGNAL(clicked()));
        QSignalSpy hover(b, SIGNAL(isHover(bool)));
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Return}) {
            const int before = clicked.count();
            QTest::keyPress(b, key);
            QVERIFY(b->hover());
            QCOMPARE(clicked.count(), before);
            QTest::keyRelease(b, key);
            QVERIFY(!b->hover());
            QCOMPARE(clicked.count(), before + 1);
        }
        // Other keys are left to the parent and change nothing.
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            for (int key : {Qt::Key_Space, Qt::Key_Context3}) {
                QKeyEvent e(type, key, Qt::NoModifier);
                QApplication::sendEvent(b, &e);
                QVERIFY(!e.isAccepted() && !b->hover());
            }
        QCOMPARE(clicked.count(), 2);

        // Only the left button clicks; isHover(bool) comes from setHover() alone.
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
            QTest::mouseRelease(b, button);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(hover.count(), 0);
        b->setHover(true);
        b->setHover(false);
        QCOMPARE(args(hover), QList<int>({1, 0}));
    }

    void textButtonOutline()
    {
        TextButton b;
        b.resize(100, 100);
        // x, y, inked up, inked down. Up: left edge 2, doubled right edge 97/98, top 0, bottom
        // 85, rounded corners. Down: the face moves to 3..99 and 2..85.
        const int points[][4] = {{1, 42, 0, 0}, {2, 42, 1, 0}, {3, 42, 0, 1}, {50, 42, 0, 0}, {97, 42, 1, 0},
                                 {98, 42, 1, 0}, {99, 42, 0, 1}, {50, 0, 1, 0}, {50, 2, 0, 1}, {50, 85, 1, 1}, {2, 0, 0, 0}};
        for (bool down : {false, true}) {
            b.setDown(down);
            const QImage img = WidgetImage::render(&b);
            for (const auto& p : points)
                QVERIFY2(WidgetImage::isColor(img, p[0], p[1], kBlack) == bool(p[2 + down]), qPrintable(QString("%1,%2").arg(p[0]).arg(p[1])));
            QCOMPARE(WidgetImage::count(img, QRect(0, 86, 100, 14), kBlack), 0);
        }
    }

    // ---- The popup's list

    void thumbPosition_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("top");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("second") << 1 << 13;
        QTest::newRow("ninth") << 8 << 104;
        QTest::newRow("last") << 9 << 120;
        QTest::newRow("none counts as first") << -1 << 0;
    }

    void thumbPosition()
    {
        QFETCH(int, selected);
        QFETCH(int, top);
        QCOMPARE(SelectPopupListView::thumbTop(160, 10, selected), top);
        SelectPopupListView list;
        shape(list, 10, selected);
        list.setStartIdx(selected < 0 ? 0 : selected / 4 * 4);
        const QImage img = WidgetImage::render(&list);
        // Track and thumb fill the four right-most columns, two clear columns from the rows.
        QCOMPARE(WidgetImage::bounds(img, QRect(177, 0, 6, 160), kThumb), QRect(179, top, 4, 40));
        QCOMPARE(WidgetImage::count(img, QRect(179, 0, 4, 160), kGrey), 4 * 120);
        QVERIFY(WidgetImage::allColor(img, QRect(178, 0, 1, 160), kClear));
        // Column 177 only carries the dotted separators' last grey pixel.
        QCOMPARE(WidgetImage::count(img, QRect(177, 0, 1, 160), kClear), 160 - (selected >= 8 ? 2 : 3));
    }

    void separatorsSkipTheLastSlot()
    {
        // A full page has no scroll bar; rows run white to both edges.
        SelectPopupListView list;
        shape(list, 4, -1);
        list.setUseDotLine(false); // the popup list ignores this setting
        QImage img = WidgetImage::render(&list);
        QCOMPARE(WidgetImage::count(img, QRect(177, 0, 6, 160), kThumb), 0); // text antialiasing may hit the colour
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 3, 39), kWhite));
        QVERIFY(WidgetImage::allColor(img, QRect(180, 0, 3, 39), kWhite));
        for (int y : {39, 79, 119}) {
            QCOMPARE(WidgetImage::count(img, QRect(0, y, 183, 1), kGrey), 122);
            QCOMPARE(WidgetImage::count(img, QRect(0, y, 4, 1), kGrey), 3); // dotted: 2 on, 1 off
        }
        QCOMPARE(WidgetImage::count(img, QRect(0, 159, 183, 1), kGrey), 0);

        // A partial last page keeps the line under its last row; below it stays clear.
        SelectPopupListView part;
        shape(part, 6, -1);
        part.setStartIdx(4);
        img = WidgetImage::render(&part);
        QVERIFY(WidgetImage::isColor(img, 0, 79, kGrey));
        QVERIFY(WidgetImage::allColor(img, QRect(0, 80, 177, 80), kClear));
    }

    void emptyListShowsOnlyTheText()
    {
        TestHost::loadPictures();
        SelectPopupListView list;
        shape(list, 0, -1);
        list.setShowEmptyString(true);
        list.setEmptyString("Nothing");
        const QImage img = WidgetImage::render(&list);
        // Only the text, centred in the whole list: no picture, no white.
        const QRect ink = WidgetImage::boundsNot(img, img.rect(), kClear);
        QVERIFY(ink.height() > 0 && ink.height() < 30 && (ink.center() - QPoint(91, 80)).manhattanLength() <= 4);
        QCOMPARE(WidgetImage::count(img, img.rect(), kWhite), 0);
        list.setShowEmptyString(false);
        QVERIFY(WidgetImage::allColor(WidgetImage::render(&list), img.rect(), kClear));
    }

    void focusBoxWithoutKeyboardFocus()
    {
        QVERIFY(TestHost::loadPictures());
        const QSize c = QPixmap(":ui/images/widget/focus_02_lefttop.png").size();
        SelectPopupListView list;
        shape(list, 4, 1);
        QVERIFY(!list.hasFocus());
        const QImage img = WidgetImage::render(&list);
        // Row 1 spans y 40..79; the box runs from 39 to 82, its right edge at 181.
        const int y0 = 39, bh = 44, side = bh - 2 * c.height();
        QVERIFY(WidgetImage::allColor(img, QRect(0, y0 + c.height(), c.width() - 1, side), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(183 - c.width(), y0 + c.height(), c.width() - 1, side), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(c.width(), y0, 182 - 2 * c.width(), c.height() - 1), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(c.width(), y0 + bh - 3, 182 - 2 * c.width(), 2), kGrey));
        QVERIFY(WidgetImage::isColor(img, 182, 60, kClear));
        // Not pressed: white inside, black label.
        QVERIFY(WidgetImage::isColor(img, 100, 45, kWhite));
        QVERIFY(WidgetImage::count(img, QRect(10, 45, 160, 30), kBlack) > 0);
    }

    void pressedLookWhileAKeyIsHeld()
    {
        QVERIFY(TestHost::loadPictures());
        SelectPopupListView list;
        shape(list, 4, 3);
        list.show();
        list.activateWindow();
        QVERIFY(phoneWaitForActive(&list));
        list.setFocus();
        list.setKeyPressFlag(true);
        QImage img = WidgetImage::render(&list);
        // Last slot: black box with white label, clipped at the bottom.
        QVERIFY(WidgetImage::isColor(img, 100, 130, kBlack));
        QVERIFY(WidgetImage::count(img, QRect(10, 125, 160, 30), kWhite) > 0);
        QVERIFY(list.item(3)->isPressed());

        // Moving on while held: the row left behind loses the pressed look.
        list.setSelectedIdx(2);
        img = WidgetImage::render(&list);
        QVERIFY(!list.item(3)->isPressed());
        QVERIFY(WidgetImage::isColor(img, 100, 140, kWhite));
    }

    // ---- The selection popup

    // Keys played through exec(); a negative key is a release alone (its press went elsewhere).
    // Hover lists the buttons' isHover(bool): n(ext), c(ancel), o(k).
    void popupKeys_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("log");
        const int R = QDialog::Rejected, A = QDialog::Accepted, Down = Qt::Key_Down, Ok = Qt::Key_Enter;
        const int Esc = Qt::Key_Escape, C3 = Qt::Key_Context3, C4 = Qt::Key_Context4;
        QTest::newRow("Escape") << "" << QList<int>{Down, Esc} << R << QList<int>{-1} << 0 << QStringList{"c1", "c0"} << QStringList();
        QTest::newRow("Context4") << "" << QList<int>{Down, C4} << R << QList<int>{-1} << 0 << QStringList{"c1", "c0"} << QStringList();
        QTest::newRow("Context3 pages") << "" << QList<int>{C3, C3, Esc} << R << QList<int>{-1} << 8
                                        << QStringList{"n1", "n0", "n1", "n0", "c1", "c0"} << QStringList();
        QTest::newRow("OK on a row") << "" << QList<int>{Down, Down, Ok} << A << QList<int>{2} << 0 << QStringList()
                                     << QStringList{"SelectPopup::clickedListView idx: 2 itemSize: 10"};
        QTest::newRow("opening release") << "" << QList<int>{-Qt::Key_Return, -C4, -Esc, -C3, Esc} << R << QList<int>{-1}
                                         << 0 << QStringList{"c1", "c0"} << QStringList();
        QTest::newRow("row beyond the list") << "stale" << QList<int>{Ok} << R << QList<int>{3} << 0 << QStringList()
                                             << QStringList{"SelectPopup::clickedListView idx: 3 itemSize: 3"};
        QTest::newRow("multiple check") << "multiple" << QList<int>{Ok, Down, Ok, C3} << A << QList<int>{0, 1} << 0
                                        << QStringList{"n1", "n0"} << QStringList();
        QTest::newRow("OK button for next") << "ok" << QList<int>{C3} << A << QList<int>() << 0 << QStringList{"o1", "o0"} << QStringList();
        // Only "closeSelectPopup()" closes, as a cancel without clicked(-1).
        QTest::newRow("broadcasts") << "broadcast" << QList<int>{Down} << R << QList<int>() << 0 << QStringList()
                                    << QStringList{"signalReciever \"closeSelectPopup\"", "signalReciever \"changedLanguage()\"",
                                                   "signalReciever \"closeSelectPopup()\""};
    }

    void popupKeys()
    {
        QFETCH(QString, mode);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, clicked);
        QFETCH(QStringList, hover);
        QFETCH(int, result);
        QFETCH(int, start);
        QFETCH(QStringList, log);
        TestHost host;
        SoundManager* sound = theCore->soundManager();
        sound->setEnableKeytone(true);
        QSignalSpy tones(sound, SIGNAL(keytoneEnabled(bool)));
        SoundSelectPopup popup;
        fill(popup, mode == "stale" ? 4 : 10);
        if (mode == "stale") { // the list still points at a row that has gone
            popup.listView()->setSelectedIdx(3);
            popup.listView()->itemClear();
            fill(popup, 3);
        }
        popup.setMultipleCheck(mode == "multiple");
        popup.nextButton()->setVisible(mode != "ok");
        popup.okButton()->setVisible(mode == "ok");
        QSignalSpy clicks(&popup, SIGNAL(clicked(int)));
        SignalOrder hovers;
        for (auto b : QList<QPair<QString, ImageButton*>>{{"n", popup.nextButton()}, {"c", popup.cancelButton()}, {"o", popup.okButton()}})
            hovers.watch(b.second, SIGNAL(isHover(bool)), [b](const QList<QVariant>& a) { return b.first + QString::number(a.at(0).toBool()); });
        MessageCapture capture;
        KeyDriver driver;
        for (int key : keys)
            key < 0 ? driver.release(-key) : driver.key(key);
        if (mode == "broadcast")
            for (const char* command : {"closeSelectPopup", "changedLanguage()", "closeSelectPopup()"})
                driver.call([command] { theCore->broadcast(command, "x"); });
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        QCOMPARE(run(popup, driver), result);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(args(clicks), clicked);
        QCOMPARE(popup.selectedIdx(), clicked.isEmpty() ? -1 : clicked.last());
        QCOMPARE(popup.listView()->startIdx(), start);
        QCOMPARE(hovers.events, hover);
        QCOMPARE(capture.linesStartingWith("SelectPopup::") + capture.linesStartingWith("signalReciever"), log);
        QCOMPARE(args(tones), QList<int>({0, 1})); // key tones muted while open
    }

    void withoutKeys()
    {
        QVERIFY(!theCore); // no host: nothing to listen to, nothing to mute
        SoundSelectPopup sound;
        sound.show();
        sound.reject();

        TestHost host;
        SelectPopup popup;
        fill(popup, 10);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        popup.show();
        // Next pages, OK does nothing outside multiple-check mode, cancel rejects without clicked(-1).
        for (ImageButton* b : {popup.nextButton(), popup.okButton(), popup.cancelButton()})
            QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(popup.listView()->startIdx(), 4);
        QCOMPARE(args(finished), QList<int>({QDialog::Rejected}));
        QCOMPARE(clicked.count(), 0);
        // Indices that name no row reject.
        for (int idx : {10, 1000, -2}) {
            popup.show();
            QVERIFY(QMetaObject::invokeMethod(popup.listView(), "clicked", Q_ARG(int, idx)));
        }
        popup.setMultipleCheck(true);
        popup.show();
        QTest::mouseRelease(popup.okButton(), Qt::LeftButton);
        QCOMPARE(args(finished), QList<int>({0, 0, 0, 0, QDialog::Accepted}));
    }

    // Fast close parks the popup off screen and finishes twice.
    void fastClose()
    {
        TestHost host;
        for (bool accept : {true, false}) {
            SelectPopup popup;
            popup.setUseFastClose(true);
            QSignalSpy finished(&popup, SIGNAL(finished(int)));
            popup.show();
            accept ? popup.accept() : popup.reject();
            QVERIFY(!popup.isVisible());
            QCOMPARE(popup.pos(), QPoint(384, 0));
            QCOMPARE(args(finished), QList<int>({accept, accept}));
        }
    }

    void frameWithPictures()
    {
        QVERIFY(TestHost::loadPictures());
        const QPixmap left(":/ui/images/widget/popup_01_left.png");
        const QPixmap mid(":/ui/images/widget/popup_01_mid.png");
        const QPixmap right(":/ui/images/widget/popup_01_right.png");
        QVERIFY(!left.isNull() && !mid.isNull() && !right.isNull());
        TestHost host;
        SelectPopup popup;
        popup.nextButton()->hide();
        popup.cancelButton()->hide();
        QImage expected(194, 161, QImage::Format_ARGB32);
        expected.fill(Qt::transparent);
        QPainter p(&expected);
        p.drawPixmap(0, 2, left);
        for (int x = left.width(); x < 194 - right.width() - 2; x += mid.width())
            p.drawPixmap(x, 2, mid);
        p.drawPixmap(194 - right.width() - 2, 2, right);
        p.end();
        // The empty list draws nothing, so the whole frame shows.
        QCOMPARE(WidgetImage::render(&popup), expected);

        // Over it: white rows, both bands, the down-arrow picture and the "Cancel" text.
        popup.nextButton()->show();
        popup.cancelButton()->show();
        fill(popup, 2);
        const QImage img = WidgetImage::render(&popup);
        QVERIFY(WidgetImage::isColor(img, 150, 50, kWhite));
        QVERIFY(WidgetImage::allColor(img, QRect(7, 133, 87, 3), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(100, 133, 87, 3), kBlack));
        const QPixmap ok(":/ui/images/widget/softkey_ok.png");
        const QRect okRect(7 + (87 - ok.width()) / 2, 136 + (22 - ok.height()) / 2, ok.width(), ok.height());
        QVERIFY(okRect.contains(WidgetImage::boundsNot(img, QRect(7, 136, 87, 22), kWhite)));
        QVERIFY(WidgetImage::count(img, QRect(100, 136, 87, 22), kBlack) > 0);
    }

    void layoutWithoutPictures()
    {
        TestHost host;
        SelectPopup popup;
        QCOMPARE(popup.geometry(), QRect(190, 0, 194, 161));
        QCOMPARE(popup.listView()->geometry(), QRect(5, 8, 183, 122));
        QCOMPARE(popup.okButton()->geometry(), popup.nextButton()->geometry());
        QVERIFY(popup.okButton()->isHidden());
        // Nothing but the buttons: the next button's band and body, then the title.
        popup.cancelButton()->hide();
        QImage img = WidgetImage::render(&popup);
        QCOMPARE(WidgetImage::boundsNot(img, img.rect(), kClear), QRect(7, 133, 87, 25));
        QVERIFY(WidgetImage::allColor(img, QRect(7, 133, 87, 3), kBlack));
        // The title's baseline starts 32 pixels below its position (18, 30 by default).
        popup.nextButton()->hide();
        popup.setContentsTitle("Zone");
        img = WidgetImage::render(&popup);
        const QRect ink = WidgetImage::boundsNot(img, img.rect(), kClear);
        QVERIFY(ink.left() >= 18 && ink.left() <= 20 && ink.bottom() <= 62 && ink.bottom() >= 58);
        QVERIFY(WidgetImage::count(img, ink, kWhite) > 0);
    }
};

QTEST_MAIN(PopupTest)
#include "tst_popup_widgets.moc"
