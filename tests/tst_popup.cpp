// The popups and buttons: the selection popup, its list and the image and text buttons against
// reference pictures; the popup run for real (exec() with keys from the key driver, hot keys,
// host broadcasts, fast close, key tones); the buttons' keys and mouse.
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewItem.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "Reference.h"
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
#include <QSignalSpy>
#include <QTest>

namespace {

void fill(SelectPopup& popup, int rows)
{
    for (int i = 0; i < rows; ++i)
        popup.addListViewItem(QString("Row %1").arg(i));
}

} // namespace

class PopupTest : public QObject
{
    Q_OBJECT
    TestHost* m_host;

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures() && phoneUseScreenFont());
        m_host = new TestHost;
    }
    void cleanupTestCase() { delete m_host; }

    // The frame, the list with its scroll bar (the thumb 40 high at s × ((H - 40) / (n - 1)), at
    // the bottom for the last row) and focus box (pressed while a key is held), the buttons, the
    // contents title; an empty list shows its text alone.
    void popupLooks()
    {
        QList<QImage> bands;
        // rows, selected, start; the pressed look, the OK button for the next one with a title,
        // a title elsewhere in a larger font
        const int cases[][3] = { { 10, 0, 0 }, { 10, 1, 0 }, { 10, 9, 8 }, { 10, -1, 4 }, { 4, 3, 0 }, { 3, 0, 0 }, { 0, -1, 0 }, { 10, 0, 0 } };
        for (const auto& c : cases) {
            SoundSelectPopup popup;
            fill(popup, c[0]);
            SelectPopupListView* list = popup.listView();
            list->setSelectedIdx(c[1]);
            list->setStartIdx(c[2]);
            list->setShowEmptyString(true);
            list->setEmptyString("Nothing here");
            list->setUseDotLine(false);   // the popup's list dots its lines all the same
            if (&c == &cases[7]) {   // OK held down on the focused list
                popup.show();
                popup.activateWindow();
                QVERIFY(phoneWaitForActive(&popup) && list->hasFocus());
                QTest::keyPress(list, Qt::Key_Return);
            }
            if (c[0] == 3) {
                popup.nextButton()->hide();
                popup.okButton()->show();
                popup.setContentsTitle("Zone");
            }
            if (c[0] == 4) {
                QFont font = popup.font();
                font.setPointSize(20);
                popup.setContentsTitleFont(font);
                popup.setContentsTitlePos(60, -20);
                popup.setContentsTitle("Region");
            }
            bands << WidgetImage::render(&popup);
        }
        QCOMPARE(SelectPopupListView::thumbTop(160, 10, 1), 13);
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(bands, 4), "popup");
    }

    // Symbols as pictures (normal and pressed), other texts as text, pictures given, the empty
    // button, the gaps; the text button up and down.
    void buttonLooks()
    {
        QPixmap icon(10, 10), pressIcon(12, 8);
        icon.fill(Qt::red);
        pressIcon.fill(Qt::blue);
        QList<QImage> bands;
        const QStringList labels{ QString(QChar(0x2228)), "<-", "Erase ", " ERASE", "X", ">>", ">", "<", " X", "Cancel", "", "pic", "gaps" };
        for (int i = 0; i < 2 * labels.size(); ++i) {
            ImageButton button;
            button.resize(87, 25);
            button.setText(labels[i / 2]);
            button.setLeftGap(labels[i / 2] == "gaps" ? 3 : 0);
            button.setRightGap(button.leftGap());
            if (button.text() == "pic") {
                button.setIcon(icon);
                button.setPressIcon(pressIcon);
            }
            button.setBgColor(button.text().isEmpty() ? QColor(10, 20, 30) : QColor(button.text() == "pic" ? Qt::green : Qt::white));
            button.setHover(i % 2);
            bands << WidgetImage::render(&button);
        }
        QList<QImage> texts;
        for (bool down : { false, true }) {
            TextButton button;
            button.resize(100, 100);
            button.setText("Text");
            button.setDown(down);
            texts << WidgetImage::render(&button);
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(QList<QImage>() << WidgetImage::stack(bands, 2) << WidgetImage::stack(texts, 2)),
                               "popup_buttons");
    }

    // Keys played through exec(); a negative key is a release alone (its press went elsewhere).
    // Hover lists the buttons' isHover(bool): n(ext), c(ancel), o(k).
    void popupKeys_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int> >("keys");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int> >("clicked");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("log");
        const int R = QDialog::Rejected, A = QDialog::Accepted, Down = Qt::Key_Down, Ok = Qt::Key_Enter;
        const int Esc = Qt::Key_Escape, C3 = Qt::Key_Context3, C4 = Qt::Key_Context4;
        QTest::newRow("Escape") << "" << QList<int>{ Down, Esc } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("Context4") << "" << QList<int>{ Down, C4 } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("Context3 pages") << "" << QList<int>{ C3, C3, Esc } << R << QList<int>{ -1 } << 8
                                        << QStringList{ "n1", "n0", "n1", "n0", "c1", "c0" } << QStringList();
        QTest::newRow("OK on a row") << "" << QList<int>{ Down, Down, Ok } << A << QList<int>{ 2 } << 0 << QStringList()
                                     << QStringList{ "SelectPopup::clickedListView idx: 2 itemSize: 10" };
        // F6 onward pick the page's rows (the fourth key starts over); the list's own hot keys are on.
        QTest::newRow("hot keys") << "hot" << QList<int>{ Qt::Key_F5, C3, Qt::Key_F7 } << A << QList<int>{ 5 } << 4 << QStringList{ "n1", "n0" }
                                  << QStringList{ "SelectPopup::clickedListView idx: 5 itemSize: 10" };
        QTest::newRow("hot key, fourth") << "hot" << QList<int>{ Qt::Key_F10 } << A << QList<int>{ 1 } << 0 << QStringList()
                                         << QStringList{ "SelectPopup::clickedListView idx: 1 itemSize: 10" };
        QTest::newRow("opening release") << "" << QList<int>{ -Qt::Key_Return, -C4, -Esc, -C3, Esc } << R << QList<int>{ -1 }
                                         << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("row beyond the list") << "stale" << QList<int>{ Ok } << R << QList<int>{ 3 } << 0 << QStringList()
                                             << QStringList{ "SelectPopup::clickedListView idx: 3 itemSize: 3" };
        QTest::newRow("multiple check") << "multiple" << QList<int>{ Ok, Down, Ok, C3 } << A << QList<int>{ 0, 1 } << 0
                                        << QStringList{ "n1", "n0" } << QStringList();
        QTest::newRow("OK button for next") << "ok" << QList<int>{ C3 } << A << QList<int>() << 0 << QStringList{ "o1", "o0" } << QStringList();
        QTest::newRow("keys moved") << "moved" << QList<int>{ C3, Qt::Key_F1, Qt::Key_F2 } << A << QList<int>() << 4
                                    << QStringList{ "n1", "n0", "o1", "o0" } << QStringList();
        QTest::newRow("cancel moved") << "moved" << QList<int>{ C4, Qt::Key_F3 } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        // Only "closeSelectPopup()" closes, as a cancel without clicked(-1).
        QTest::newRow("broadcasts") << "broadcast" << QList<int>{ Down } << R << QList<int>() << 0 << QStringList()
                                    << QStringList{ "signalReciever \"closeSelectPopup\"", "signalReciever \"changedLanguage()\"",
                                                    "signalReciever \"closeSelectPopup()\"" };
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
        theCore->soundManager()->setEnableKeytone(true);
        QSignalSpy tones(theCore->soundManager(), SIGNAL(keytoneEnabled(bool)));
        SoundSelectPopup popup;
        fill(popup, mode == "stale" ? 4 : 10);
        if (mode == "stale") {   // the list still points at a row that has gone
            popup.listView()->setSelectedIdx(3);
            popup.listView()->itemClear();
            fill(popup, 3);
        }
        popup.listView()->setEnableFuncKey(mode == "hot");
        popup.setMultipleCheck(mode == "multiple");
        popup.nextButton()->setVisible(mode != "ok");
        popup.okButton()->setVisible(mode == "ok" || mode == "moved");
        if (mode == "moved") {   // cancel, next and OK on other keys
            popup.setCancelKey(Qt::Key_F3);
            popup.setNextKey(Qt::Key_F1);
            popup.setOkKey(Qt::Key_F2);
        }
        QSignalSpy clicks(&popup, SIGNAL(clicked(int)));
        SignalOrder hovers;
        for (auto b : QList<QPair<QString, ImageButton*> >{ { "n", popup.nextButton() }, { "c", popup.cancelButton() }, { "o", popup.okButton() } })
            hovers.watch(b.second, SIGNAL(isHover(bool)), [b](const QList<QVariant>& a) { return b.first + QString::number(a.at(0).toBool()); });
        MessageCapture capture;
        KeyDriver driver;
        for (int key : keys)
            key < 0 ? driver.release(-key) : driver.key(key);
        if (mode == "broadcast")
            for (const char* command : { "closeSelectPopup", "changedLanguage()", "closeSelectPopup()" })
                driver.call([command] { theCore->broadcast(command, "x"); });
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        ModalTimeout timeout(&popup, 99);
        driver.start();
        QCOMPARE(popup.exec(), result);
        QCOMPARE(SignalOrder::ints(clicks), clicked);
        QVERIFY(finished.count() == 1 && popup.selectedIdx() == (clicked.isEmpty() ? -1 : clicked.last()) && popup.listView()->startIdx() == start);
        QCOMPARE(hovers.events, hover);
        QCOMPARE(capture.linesStartingWith("SelectPopup::") + capture.linesStartingWith("signalReciever"), log);
        QCOMPARE(SignalOrder::ints(tones), QList<int>({ 0, 1 }));   // key tones muted while open
        QVERIFY(mode != "moved" || (popup.CancelKey() == Qt::Key_F3 && popup.NextKey() == Qt::Key_F1 && popup.OkKey() == Qt::Key_F2));
    }

    void withoutKeys()
    {
        SelectPopup popup;
        fill(popup, 10);
        QCOMPARE(popup.geometry(), QRect(190, 0, 194, 161));
        QSignalSpy clicked(&popup, SIGNAL(clicked(int))), finished(&popup, SIGNAL(finished(int)));
        popup.show();
        // Next pages, OK does nothing outside multiple-check mode, cancel rejects without clicked(-1).
        for (ImageButton* b : { popup.nextButton(), popup.okButton(), popup.cancelButton() })
            QTest::mouseRelease(b, Qt::LeftButton);
        QVERIFY(popup.listView()->startIdx() == 4 && SignalOrder::ints(finished) == QList<int>({ QDialog::Rejected }) && clicked.isEmpty());
        // Indices that name no row reject.
        for (int idx : { 10, 1000, -2 }) {
            popup.show();
            QVERIFY(QMetaObject::invokeMethod(popup.listView(), "clicked", Q_ARG(int, idx)));
        }
        popup.setMultipleCheck(true);
        popup.show();
        QTest::mouseRelease(popup.okButton(), Qt::LeftButton);
        popup.show();
        QTest::mouseRelease(popup.nextButton(), Qt::LeftButton);
        QCOMPARE(SignalOrder::ints(finished), QList<int>({ 0, 0, 0, 0, QDialog::Accepted, QDialog::Accepted }));
        // Fast close parks the popup off screen and finishes twice.
        for (bool accept : { true, false }) {
            SelectPopup fast;
            fast.setUseFastClose(true);
            QSignalSpy done(&fast, SIGNAL(finished(int)));
            fast.show();
            accept ? fast.accept() : fast.reject();
            QVERIFY(!fast.isVisible() && fast.pos() == QPoint(384, 0) && SignalOrder::ints(done) == QList<int>({ accept, accept }));
        }
        // Without a host nothing is heard and nothing muted.
        delete m_host;
        m_host = 0;
        QVERIFY(!theCore);
        SoundSelectPopup orphan;
        orphan.show();
        orphan.reject();
        m_host = new TestHost;
    }

    void repaints()
    {
        SelectPopup popup;
        popup.show();
        QVERIFY(phoneWaitForPainted(&popup));
        QVERIFY(WidgetImage::paints(&popup, [&] { popup.setContentsTitle("T"); }) > 0);
        QVERIFY(WidgetImage::paints(&popup, [&] { popup.setContentsTitlePos(1, 2); }) > 0);
        QVERIFY(WidgetImage::paints(&popup, [&] { popup.setContentsTitleFont(QFont()); }) > 0);
        QVERIFY(WidgetImage::paints(popup.cancelButton(), [&] { popup.cancelButton()->setHover(true); }) > 0);
        QVERIFY(WidgetImage::paints(popup.listView(), [&] { popup.listView()->setSelectedIdx(-1); }) > 0);
    }

    void imageButtonKeysAndMouse()
    {
        QWidget parent;
        ImageButton* b = new ImageButton(&parent);
        QSignalSpy clicked(b, SIGNAL(clicked())), hover(b, SIGNAL(isHover(bool)));
        for (Qt::Key key : { Qt::Key_Enter, Qt::Key_Return }) {
            QTest::keyPress(b, key);
            QVERIFY(b->hover() && clicked.count() == (key == Qt::Key_Return));
            QTest::keyRelease(b, key);
            QVERIFY(!b->hover() && clicked.count() == 1 + (key == Qt::Key_Return));
        }
        // Other keys are left to the parent and change nothing.
        for (QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease })
            for (int key : { Qt::Key_Space, Qt::Key_Context3 }) {
                QKeyEvent e(type, key, Qt::NoModifier);
                QApplication::sendEvent(b, &e);
                QVERIFY(!e.isAccepted() && !b->hover());
            }
        // Only the left button clicks; isHover(bool) comes from setHover() alone.
        for (Qt::MouseButton button : { Qt::RightButton, Qt::MiddleButton, Qt::LeftButton })
            QTest::mouseRelease(b, button);
        b->setHover(true);
        b->setHover(false);
        QVERIFY(clicked.count() == 3 && SignalOrder::ints(hover) == QList<int>({ 1, 0 }));
    }
};

QTEST_MAIN(PopupTest)
#include "tst_popup.moc"
