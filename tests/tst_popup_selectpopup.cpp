// The selection popup run for real: exec() with keys played from timers, host broadcasts,
// fast close, key tones, geometry and the frame paint.
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewItem.h"
#include "MessageCapture.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SoundManager.h"
#include "SoundSelectPopup.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kClear(Qt::transparent);
const int kTimedOut = 99;

void fill(SelectPopup& popup, int rows)
{
    for (int i = 0; i < rows; ++i)
        popup.addListViewItem(QString("Row %1").arg(i));
}

// Runs exec() while the driver plays its steps; a stuck popup ends with kTimedOut.
int run(SelectPopup& popup, KeyDriver& driver)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &popup, [&popup] { popup.QDialog::done(kTimedOut); });
    guard.start(5000);
    driver.start();
    return popup.exec();
}

QList<int> ints(const QSignalSpy& spy)
{
    QList<int> out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toInt();
    return out;
}

QList<bool> bools(const QSignalSpy& spy)
{
    QList<bool> out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toBool();
    return out;
}

} // namespace

class SelectPopupTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void construction()
    {
        TestHost host;
        SelectPopup popup(0, 5);
        QCOMPARE(popup.geometry(), QRect(190, 0, 194, 161));
        QCOMPARE(popup.objectName(), QString("SelectPopup"));
        QVERIFY(popup.isModal());
        QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(popup.font().pointSize(), 13);
        QCOMPARE(popup.kind(), 5);
        QCOMPARE(popup.selectedIdx(), -1);

        SelectPopupListView* list = popup.listView();
        QVERIFY(list);
        QCOMPARE(list->parentWidget(), &popup);
        QCOMPARE(list->geometry(), QRect(5, 8, 183, 122));
        QCOMPARE(list->objectName(), QString("SelectPopup::m_litView"));
        QCOMPARE(list->pageCount(), 4);
        QCOMPARE(list->startFuncKey(), int(Qt::Key_F6));
        QCOMPARE(list->backgroundColor(), kWhite);
        QCOMPARE(list->lineLeftMargin(), 0);
        QVERIFY(list->useDirectMovement());

        QCOMPARE(popup.nextButton()->geometry(), QRect(7, 133, 87, 25));
        QCOMPARE(popup.nextButton()->text(), QString(QChar(0x2228)));
        QCOMPARE(popup.cancelButton()->geometry(), QRect(100, 133, 87, 25));
        QCOMPARE(popup.cancelButton()->text(), QString("Cancel"));
        QCOMPARE(popup.okButton()->geometry(), QRect(7, 133, 87, 25));
        QVERIFY(popup.okButton()->text().isEmpty());
        for (ImageButton* b : {popup.nextButton(), popup.cancelButton(), popup.okButton()}) {
            QCOMPARE(b->leftGap(), 0);
            QCOMPARE(b->rightGap(), 0);
        }
        QVERIFY(!popup.nextButton()->isHidden());
        QVERIFY(!popup.cancelButton()->isHidden());
        QVERIFY(popup.okButton()->isHidden());

        QCOMPARE(popup.CancelKey(), int(Qt::Key_Context4));
        QCOMPARE(popup.NextKey(), int(Qt::Key_Context3));
        QCOMPARE(popup.OkKey(), int(Qt::Key_Context3));
        QCOMPARE(popup.contentsTitlePos(), QPoint(18, 30));
        QVERIFY(popup.backgroundImage() && popup.backgroundImage()->isNull());
    }

    void animationsAsData()
    {
        TestHost host;
        SelectPopup popup;
        QPropertyAnimation* show = popup.showAnimation();
        QPropertyAnimation* hide = popup.hideAnimation();
        QPropertyAnimation* alpha = popup.alphaAnimation();
        QCOMPARE(show->propertyName(), QByteArray("geometry"));
        QCOMPARE(show->easingCurve().type(), QEasingCurve::OutQuad);
        QCOMPARE(show->duration(), 100);
        QCOMPARE(show->startValue().toRect(), QRect(190, 160, 194, 158));
        QCOMPARE(show->endValue().toRect(), QRect(190, 0, 194, 158));
        QCOMPARE(hide->easingCurve().type(), QEasingCurve::InQuad);
        QCOMPARE(hide->duration(), 10);
        QCOMPARE(hide->startValue().toRect(), QRect(190, 0, 194, 158));
        QCOMPARE(hide->endValue().toRect(), QRect(190, 160, 194, 158));
        QCOMPARE(alpha->propertyName(), QByteArray("m_AlphaValue"));
        QCOMPARE(alpha->duration(), 5);
        QCOMPARE(alpha->startValue().toFloat(), 0.0f);
        QCOMPARE(alpha->endValue().toFloat(), 90.0f);
        QCOMPARE(alpha->targetObject(), &popup);
        // The property itself works, so a host may run the fade.
        QVERIFY(popup.setProperty("m_AlphaValue", 45.0f));
        QCOMPARE(popup.getAlphaValue(), 45.0f);

        popup.setGeometry(QRect(10, 20, 100, 80));
        QCOMPARE(popup.geometry(), QRect(10, 20, 100, 80));
        QCOMPARE(show->startValue().toRect(), QRect(0, 160, 100, 160));
        QCOMPARE(show->endValue().toRect(), QRect(0, 0, 100, 160));
        QCOMPARE(hide->startValue().toRect(), QRect(0, 0, 100, 80));
        QCOMPARE(hide->endValue().toRect(), QRect(0, 80, 100, 160));

        popup.setGeometry(30, 5, 120, 90);
        QCOMPARE(popup.geometry(), QRect(30, 5, 120, 90));
        QCOMPARE(show->startValue().toRect(), QRect(30, 160, 120, 160));
        QCOMPARE(show->endValue().toRect(), QRect(30, 0, 120, 160));
        QCOMPARE(hide->startValue().toRect(), QRect(30, 0, 120, 160));
        QCOMPARE(hide->endValue().toRect(), QRect(30, 160, 120, 160));
    }

    void fillingAndSetters()
    {
        TestHost host;
        SelectPopup popup;
        popup.addListViewItem("Europe");
        popup.addListViewItem("");
        QCOMPARE(popup.listView()->itemSize(), 2);
        QCOMPARE(popup.listView()->item(0)->text(), QString("Europe"));
        QCOMPARE(popup.listView()->item(0)->type(), 0);
        QVERIFY(!popup.listView()->item(0)->pixmap(0));
        popup.setStartFuncKey(Qt::Key_F1);
        QCOMPARE(popup.listView()->startFuncKey(), int(Qt::Key_F1));

        popup.setBackgroundImage(QPixmap(4, 3));
        QCOMPARE(popup.backgroundImage()->size(), QSize(4, 3));
        popup.setBackgroundImage(QPixmap(2, 2));
        QCOMPARE(popup.backgroundImage()->size(), QSize(2, 2));
        popup.clearBackgroundImage();
        QVERIFY(!popup.backgroundImage());
        popup.clearBackgroundImage();
        popup.setBackgroundImage(QPixmap());
        QVERIFY(popup.backgroundImage() && popup.backgroundImage()->isNull());

    }

    void cancelKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Context4") << int(Qt::Key_Context4);
    }

    void cancelKeys()
    {
        QFETCH(int, key);
        TestHost host;
        SelectPopup popup;
        fill(popup, 5);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy hover(popup.cancelButton(), SIGNAL(isHover(bool)));
        KeyDriver driver;
        driver.key(Qt::Key_Down).key(key);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QCOMPARE(popup.selectedIdx(), -1);
        QCOMPARE(ints(clicked), QList<int>({-1}));
        QCOMPARE(bools(hover), QList<bool>({true, false}));
        QVERIFY(!popup.isVisible());
    }

    void nextKeyPagesAndStaysOpen()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 10);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy hover(popup.nextButton(), SIGNAL(isHover(bool)));
        bool heldHover = false;
        int start1 = -1, selected1 = -1, start2 = -1;
        bool open = false;
        KeyDriver driver;
        driver.press(Qt::Key_Context3)
            .call([&] { heldHover = popup.nextButton()->hover(); }, 0)
            .release(Qt::Key_Context3)
            .call([&] {
                start1 = popup.listView()->startIdx();
                selected1 = popup.listView()->selectedIdx();
                open = popup.isVisible();
            })
            .key(Qt::Key_Context3)
            .call([&] { start2 = popup.listView()->startIdx(); })
            .key(Qt::Key_Escape);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QVERIFY(heldHover);
        QVERIFY(open);
        QCOMPARE(start1, 4);
        QCOMPARE(selected1, 4);
        QCOMPARE(start2, 8);
        QCOMPARE(ints(clicked), QList<int>({-1}));
        QCOMPARE(bools(hover), QList<bool>({true, false, true, false}));
    }

    void okOnRowAccepts()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 5);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy accepted(&popup, SIGNAL(accepted()));
        MessageCapture capture;
        KeyDriver driver;
        driver.key(Qt::Key_Down).key(Qt::Key_Down).key(Qt::Key_Enter);
        QCOMPARE(run(popup, driver), int(QDialog::Accepted));
        QCOMPARE(popup.selectedIdx(), 2);
        QCOMPARE(ints(clicked), QList<int>({2}));
        QCOMPARE(accepted.count(), 1);
        QVERIFY(capture.contains("SelectPopup::clickedListView idx: 2 itemSize: 5"));
    }

    void openingKeyReleaseIsIgnored()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 10);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        bool open = false;
        int start = -1;
        KeyDriver driver;
        // Releases whose presses went to the page before the popup opened.
        driver.release(Qt::Key_Return)
            .release(Qt::Key_Context4)
            .release(Qt::Key_Escape)
            .release(Qt::Key_Context3)
            .call([&] {
                open = popup.isVisible();
                start = popup.listView()->startIdx();
            })
            .key(Qt::Key_Escape);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QVERIFY(open);
        QCOMPARE(start, 0);
        QCOMPARE(ints(clicked), QList<int>({-1}));
    }

    void rowBeyondTheListRejects()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 4);
        popup.listView()->setSelectedIdx(3);
        popup.listView()->itemClear();
        fill(popup, 3);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        MessageCapture capture;
        KeyDriver driver;
        driver.key(Qt::Key_Enter);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QCOMPARE(popup.selectedIdx(), 3);
        QCOMPARE(ints(clicked), QList<int>({3}));
        QVERIFY(capture.contains("SelectPopup::clickedListView idx: 3 itemSize: 3"));
    }

    void emptyListNeverAccepts()
    {
        TestHost host;
        SelectPopup popup;
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        bool open = false;
        KeyDriver driver;
        // Down leaves the empty list without a selection; paging and OK then do nothing.
        driver.key(Qt::Key_Down).key(Qt::Key_Context3).key(Qt::Key_Enter)
            .call([&] { open = popup.isVisible(); })
            .key(Qt::Key_Escape);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QVERIFY(open);
        QCOMPARE(ints(clicked), QList<int>({-1}));
        QCOMPARE(popup.listView()->itemSize(), 0);
    }

    void emptyListOkOnStaleSelectionRejects()
    {
        TestHost host;
        SelectPopup popup;
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        KeyDriver driver;
        // The list still reports its old selection 0, which names no row.
        driver.key(Qt::Key_Enter);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QCOMPARE(ints(clicked), QList<int>({0}));
        QCOMPARE(popup.selectedIdx(), 0);
    }

    void badIndicesReject_data()
    {
        QTest::addColumn<int>("idx");
        QTest::newRow("at the size") << 3;
        QTest::newRow("far beyond") << 1000;
        QTest::newRow("below -1") << -2;
    }

    void badIndicesReject()
    {
        QFETCH(int, idx);
        TestHost host;
        SelectPopup popup;
        fill(popup, 3);
        QSignalSpy accepted(&popup, SIGNAL(accepted()));
        QSignalSpy rejected(&popup, SIGNAL(rejected()));
        popup.show();
        QVERIFY(QMetaObject::invokeMethod(popup.listView(), "clicked", Q_ARG(int, idx)));
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(popup.result(), int(QDialog::Rejected));
        QCOMPARE(popup.listView()->itemSize(), 3);
    }

    void broadcastCloses()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 5);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy rejected(&popup, SIGNAL(rejected()));
        MessageCapture capture;
        KeyDriver driver;
        driver.key(Qt::Key_Down).call([] { theCore->broadcast("closeSelectPopup()", "x"); });
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(popup.selectedIdx(), -1);
        QCOMPARE(capture.count("signalReciever \"closeSelectPopup()\""), 1);
        QVERIFY(capture.linesStartingWith("SelectPopup::").isEmpty());
    }

    void unknownBroadcastDoesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("other command") << "changedLanguage()";
        QTest::newRow("without parentheses") << "closeSelectPopup";
        QTest::newRow("empty") << "";
    }

    void unknownBroadcastDoesNothing()
    {
        QFETCH(QString, command);
        TestHost host;
        SelectPopup popup;
        fill(popup, 5);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        bool open = false;
        int finishedMeanwhile = -1;
        MessageCapture capture;
        KeyDriver driver;
        driver.call([command] { theCore->broadcast(command); })
            .call([&] {
                open = popup.isVisible();
                finishedMeanwhile = finished.count();
            })
            .key(Qt::Key_Escape);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QVERIFY(open);
        QCOMPARE(finishedMeanwhile, 0);
        QCOMPARE(ints(clicked), QList<int>({-1}));
        QCOMPARE(capture.count("signalReciever \"" + command + "\""), 1);
    }

    void withoutHostCore()
    {
        QVERIFY(!theCore);
        SoundSelectPopup popup;
        fill(popup, 2);
        popup.show();
        QVERIFY(popup.isVisible());
        popup.reject();
        QVERIFY(!popup.isVisible());
        SelectPopup plain;
        KeyDriver driver;
        driver.key(Qt::Key_Context4);
        QCOMPARE(run(plain, driver), int(QDialog::Rejected));
    }

    void soundPopupMutesKeyTones_data()
    {
        QTest::addColumn<bool>("byBroadcast");
        QTest::newRow("cancel key") << false;
        QTest::newRow("host broadcast") << true;
    }

    void soundPopupMutesKeyTones()
    {
        QFETCH(bool, byBroadcast);
        TestHost host;
        SoundManager* sound = theCore->soundManager();
        sound->setEnableKeytone(true);
        SoundSelectPopup popup(0, 2);
        fill(popup, 3);
        QSignalSpy tones(sound, SIGNAL(keytoneEnabled(bool)));
        bool mutedWhileOpen = false;
        KeyDriver driver;
        driver.call([&] { mutedWhileOpen = !sound->isEnabledKeytone(); });
        if (byBroadcast)
            driver.call([] { theCore->broadcast("closeSelectPopup()"); });
        else
            driver.key(Qt::Key_Escape);
        QCOMPARE(run(popup, driver), int(QDialog::Rejected));
        QVERIFY(mutedWhileOpen);
        QVERIFY(sound->isEnabledKeytone());
        QCOMPARE(bools(tones), QList<bool>({false, true}));
    }

    void multipleCheckStaysOpenUntilNext()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 3);
        popup.setMultipleCheck(true);
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        bool open = false;
        KeyDriver driver;
        driver.key(Qt::Key_Enter).key(Qt::Key_Down).key(Qt::Key_Enter)
            .call([&] { open = popup.isVisible(); })
            .key(Qt::Key_Context3);
        QCOMPARE(run(popup, driver), int(QDialog::Accepted));
        QVERIFY(open);
        QCOMPARE(ints(clicked), QList<int>({0, 1}));
        QCOMPARE(popup.selectedIdx(), 1);
    }

    void okButtonInPlaceOfNext()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 3);
        popup.nextButton()->hide();
        popup.okButton()->show();
        QSignalSpy hover(popup.okButton(), SIGNAL(isHover(bool)));
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        KeyDriver driver;
        driver.key(Qt::Key_Context3);
        QCOMPARE(run(popup, driver), int(QDialog::Accepted));
        QCOMPARE(bools(hover), QList<bool>({true, false}));
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(popup.selectedIdx(), -1);
    }

    void buttonsByClick()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 10);
        popup.show();
        QTest::mouseRelease(popup.nextButton(), Qt::LeftButton);
        QCOMPARE(popup.listView()->startIdx(), 4);
        QVERIFY(popup.isVisible());
        QTest::mouseRelease(popup.okButton(), Qt::LeftButton); // not in multiple-check mode
        QVERIFY(popup.isVisible());
        QSignalSpy clicked(&popup, SIGNAL(clicked(int)));
        QTest::mouseRelease(popup.cancelButton(), Qt::LeftButton);
        QVERIFY(!popup.isVisible());
        QCOMPARE(popup.result(), int(QDialog::Rejected));
        // The cancel button rejects directly: no clicked(-1).
        QCOMPARE(clicked.count(), 0);

        SelectPopup multi;
        multi.setMultipleCheck(true);
        multi.show();
        QTest::mouseRelease(multi.okButton(), Qt::LeftButton);
        QCOMPARE(multi.result(), int(QDialog::Accepted));
    }

    void fastClose_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accept") << true;
        QTest::newRow("reject") << false;
    }

    void fastClose()
    {
        QFETCH(bool, accept);
        TestHost host;
        SelectPopup popup;
        popup.setUseFastClose(true);
        QVERIFY(popup.getUseFastClose());
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        QSignalSpy accepted(&popup, SIGNAL(accepted()));
        QSignalSpy rejected(&popup, SIGNAL(rejected()));
        popup.show();
        if (accept)
            popup.accept();
        else
            popup.reject();
        QVERIFY(!popup.isVisible());
        QCOMPARE(popup.pos(), QPoint(384, 0));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(accepted.count(), accept ? 2 : 0);
        QCOMPARE(rejected.count(), accept ? 0 : 2);
        QVERIFY(!popup.isHiding());
    }

    void fastCloseThroughExec()
    {
        TestHost host;
        SelectPopup popup;
        fill(popup, 3);
        popup.setUseFastClose(true);
        KeyDriver driver;
        driver.key(Qt::Key_Down).key(Qt::Key_Enter);
        QCOMPARE(run(popup, driver), int(QDialog::Accepted));
        QCOMPARE(popup.selectedIdx(), 1);
        QCOMPARE(popup.pos(), QPoint(384, 0));
    }

    void hideIsImmediateEvenWithAnimationAsked()
    {
        TestHost host;
        SelectPopup popup;
        popup.setUseAnimation(true);
        popup.show();
        QVERIFY(popup.isVisible());
        QVERIFY(!popup.isHiding());
        popup.hide();
        QVERIFY(!popup.isVisible());
        QVERIFY(popup.isHiding());
        QCOMPARE(popup.pos(), QPoint(190, 0));
        QCOMPARE(popup.showAnimation()->state(), QAbstractAnimation::Stopped);
        QCOMPARE(popup.hideAnimation()->state(), QAbstractAnimation::Stopped);
        popup.show();
        QVERIFY(!popup.isHiding());
        popup.close();
        QVERIFY(!popup.isVisible());
        QVERIFY(popup.isHiding());
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
        const QImage img = WidgetImage::render(&popup);

        QImage expected(194, 161, QImage::Format_ARGB32);
        expected.fill(Qt::transparent);
        {
            QPainter p(&expected);
            p.drawPixmap(0, 2, left);
            for (int x = left.width(); x < 194 - right.width() - 2; x += mid.width())
                p.drawPixmap(x, 2, mid);
            p.drawPixmap(194 - right.width() - 2, 2, right);
        }
        // The empty list draws nothing, so the whole frame shows.
        QCOMPARE(img, expected);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 194, 2), kClear));
        QVERIFY(WidgetImage::allColor(img, QRect(192, 0, 2, 161), kClear));
    }

    void framelessWithoutPictures()
    {
        TestHost host;
        SelectPopup popup;
        popup.cancelButton()->hide();
        const QImage img = WidgetImage::render(&popup);
        // Only the next button: its black band and the body below.
        QCOMPARE(WidgetImage::boundsNot(img, img.rect(), kClear), QRect(7, 133, 87, 25));
        QVERIFY(WidgetImage::allColor(img, QRect(7, 133, 87, 3), kBlack));
    }

    void buttonsOverTheFrame()
    {
        QVERIFY(TestHost::loadPictures());
        TestHost host;
        SelectPopup popup;
        fill(popup, 2);
        const QImage img = WidgetImage::render(&popup);
        QVERIFY(WidgetImage::allColor(img, QRect(7, 133, 87, 3), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(100, 133, 87, 3), kBlack));
        const QPixmap ok(":/ui/images/widget/softkey_ok.png");
        const QRect okRect(7 + (87 - ok.width()) / 2, 136 + (22 - ok.height()) / 2, ok.width(), ok.height());
        QVERIFY(WidgetImage::boundsNot(img, QRect(7, 136, 87, 22), kWhite).intersects(okRect));
        // "Cancel" is text: black ink on the white body.
        QVERIFY(WidgetImage::count(img, QRect(100, 136, 87, 22), kBlack) > 0);
        // Rows of the list are white over the frame.
        QVERIFY(WidgetImage::isColor(img, 150, 50, kWhite));
    }

    void contentsTitle()
    {
        TestHost host;
        SelectPopup popup;
        popup.nextButton()->hide();
        popup.cancelButton()->hide();
        QVERIFY(WidgetImage::allColor(WidgetImage::render(&popup), QRect(0, 0, 194, 161), kClear));
        popup.setContentsTitle("Zone");
        QImage img = WidgetImage::render(&popup);
        QRect ink = WidgetImage::boundsNot(img, img.rect(), kClear);
        // Baseline from (18, 62).
        QVERIFY2(ink.left() >= 18 && ink.left() <= 20, qPrintable(QString::number(ink.left())));
        QVERIFY(ink.bottom() <= 62 && ink.bottom() >= 58);
        QVERIFY(WidgetImage::count(img, ink, kWhite) > 0);
        const int small = ink.height();

        popup.setContentsTitlePos(40, 60);
        QFont big = popup.font();
        big.setPointSize(26);
        popup.setContentsTitleFont(big);
        img = WidgetImage::render(&popup);
        ink = WidgetImage::boundsNot(img, img.rect(), kClear);
        QVERIFY(ink.left() >= 40 && ink.left() <= 43);
        QVERIFY(ink.bottom() <= 92 && ink.bottom() >= 86);
        QVERIFY(ink.height() > small);
    }
};

QTEST_MAIN(SelectPopupTest)
#include "tst_popup_selectpopup.moc"
