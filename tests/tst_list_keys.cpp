// The list view under the keypad: arrows with wrap and disabled rows, page following,
// leave-focus signals, direct movement, OK and Left/Right clicks, check toggling, progress
// steps, hot keys with the host's call-state condition, and long press.
#include "CallManager.h"
#include "Core.h"
#include "ListView.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewProgressItem.h"
#include "ListViewSelectItem.h"
#include "MessageCapture.h"
#include "TestHost.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// The page behind the list: records the keys that travel on to it.
class Page : public QWidget
{
public:
    QList<int> pressed;
    QList<int> released;

protected:
    void keyPressEvent(QKeyEvent* e) override { pressed.append(e->key()); }
    void keyReleaseEvent(QKeyEvent* e) override { released.append(e->key()); }
};

struct Fixture
{
    Page page;
    ListView* list;
    QSignalSpy* focus;
    QSignalSpy* clicked;

    explicit Fixture(int rows, int perPage = 3)
    {
        page.resize(384, 160);
        list = new ListView(&page);
        list->setObjectName("list");
        list->setGeometry(0, 0, 384, 120);
        list->setPageCount(perPage);
        for (int i = 0; i < rows; ++i)
            list->addItem(new ListViewItem(QString("row %1").arg(i), QPixmap(), QPixmap()));
        focus = new QSignalSpy(list, SIGNAL(focusChanged(int)));
        clicked = new QSignalSpy(list, SIGNAL(clicked(int)));
    }
    ~Fixture()
    {
        delete focus;
        delete clicked;
    }
    void disable(std::initializer_list<int> rows)
    {
        for (int i : rows)
            list->item(i)->setItemSelectEnable(false);
    }
    void replace(int i, ListViewItem* row)
    {
        list->removeItem(i);
        list->addItem(row);
        list->moveItem(list->itemSize() - 1, i);
    }
    void click(int key) { QTest::keyClick(list, Qt::Key(key)); }
    static QList<int> args(QSignalSpy* spy)
    {
        QList<int> out;
        for (const QList<QVariant>& call : *spy)
            out.append(call.at(0).toInt());
        return out;
    }
};

} // namespace

class ListKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void arrows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("disabled");
        QTest::addColumn<int>("start");      // selected index before
        QTest::addColumn<int>("startIdx");   // page start before
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("pageStart");
        QTest::addColumn<QList<int>>("focusChanges");
        const int up = Qt::Key_Up, down = Qt::Key_Down;
        QTest::newRow("down within page") << 7 << QList<int>{} << 0 << 0 << QList<int>{down} << 1 << 0 << QList<int>{1};
        QTest::newRow("down follows the page one row at a time") << 7 << QList<int>{} << 2 << 0 << QList<int>{down}
            << 3 << 1 << QList<int>{3};
        QTest::newRow("up on row 0 wraps to the last page") << 7 << QList<int>{} << 0 << 0 << QList<int>{up}
            << 6 << 4 << QList<int>{6};
        QTest::newRow("down on the last row wraps to the top") << 7 << QList<int>{} << 6 << 4 << QList<int>{down}
            << 0 << 0 << QList<int>{0};
        QTest::newRow("up off the page") << 7 << QList<int>{} << 3 << 3 << QList<int>{up} << 2 << 2 << QList<int>{2};
        QTest::newRow("up skips disabled rows") << 7 << QList<int>{1, 2} << 3 << 0 << QList<int>{up}
            << 0 << 0 << QList<int>{0};
        QTest::newRow("up stays when only disabled rows are above") << 7 << QList<int>{0} << 1 << 0
            << QList<int>{up} << 1 << 0 << QList<int>{};
        QTest::newRow("down across disabled rows moves the page") << 7 << QList<int>{3, 4} << 2 << 0
            << QList<int>{down} << 5 << 3 << QList<int>{5};
        QTest::newRow("wrap skips a disabled last row") << 7 << QList<int>{6} << 0 << 0 << QList<int>{up}
            << 5 << 3 << QList<int>{5};
        QTest::newRow("wrap skips a disabled first row") << 4 << QList<int>{0} << 3 << 1 << QList<int>{down}
            << 1 << 0 << QList<int>{1};
        QTest::newRow("no selection: first enabled row") << 5 << QList<int>{0} << -1 << 0 << QList<int>{up}
            << 1 << 0 << QList<int>{1};
        QTest::newRow("round trip") << 5 << QList<int>{} << 0 << 0 << QList<int>{down, down, down, up, up, up}
            << 0 << 0 << QList<int>{1, 2, 3, 2, 1, 0};
    }

    void arrows()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, disabled);
        QFETCH(int, start);
        QFETCH(int, startIdx);
        QFETCH(QList<int>, keys);
        QFETCH(int, selected);
        QFETCH(int, pageStart);
        QFETCH(QList<int>, focusChanges);
        Fixture f(rows);
        f.list->setSelectedIdx(start);
        f.list->setStartIdx(startIdx);
        for (int i : disabled)
            f.list->item(i)->setItemSelectEnable(false);
        f.focus->clear();
        QSignalSpy keyPressed(f.list, SIGNAL(keyPressed(int)));
        for (int key : keys)
            f.click(key);
        QCOMPARE(f.list->selectedIdx(), selected);
        QCOMPARE(f.list->startIdx(), pageStart);
        QCOMPARE(Fixture::args(f.focus), focusChanges);
        QCOMPARE(Fixture::args(&keyPressed), keys);
        QCOMPARE(f.clicked->count(), 0);
    }

    void arrowDiagnostics()
    {
        Fixture f(3);
        f.list->setSelectedIdx(2);
        MessageCapture capture;
        f.click(Qt::Key_Down);
        QCOMPARE(capture.lines(), QStringList({
            "ListView::keyReleaseEvent objectName: \"list\" true",
            "ListView::keyReleaseEvent m_selectedIdx: 2  itemSize: 3  start_index 0",
            "------------------------------->>>> ListView::keyReleaseEvent m_selectedIdx: 3  :  3",
            "ListView::keyReleaseEvent objectName: \"list\" false"}));
        capture.clear();
        f.click(Qt::Key_Up);
        QCOMPARE(capture.lines().at(1), QString("ListView::KeyReleaseEvent m_selectedIdx: 2  m_startIdx: 0"));
    }

    void leaveFocusSignals()
    {
        Fixture f(4);
        f.list->setActiveLeaveFocusSignal(true);
        f.list->setActiveEndLeaveFocusSignal(true);
        QVERIFY(f.list->getActiveEndLeaveFocusSignal());
        QSignalSpy leave(f.list, SIGNAL(leaveFocus()));
        QSignalSpy endLeave(f.list, SIGNAL(endLeaveFocus(int)));
        f.click(Qt::Key_Up);
        QCOMPARE(leave.count(), 1);
        QCOMPARE(f.list->selectedIdx(), 0);
        f.list->setSelectedIdx(3);
        f.focus->clear();
        f.click(Qt::Key_Down);
        QCOMPARE(Fixture::args(&endLeave), QList<int>{Qt::Key_Down});
        QCOMPARE(f.list->selectedIdx(), 3);
        QCOMPARE(f.list->startIdx(), 1);
        QCOMPARE(f.focus->count(), 0);
    }

    void directMovement()
    {
        Fixture f(5);
        // Press moves at once; the release that follows does nothing.
        QTest::keyPress(f.list, Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 1);
        QTest::keyPress(f.list, Qt::Key_Down, Qt::NoModifier); // held: one move per press event
        QCOMPARE(f.list->selectedIdx(), 2);
        QSignalSpy keyPressed(f.list, SIGNAL(keyPressed(int)));
        QTest::keyRelease(f.list, Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 2);
        QCOMPARE(keyPressed.count(), 0);
        QVERIFY(!f.list->isKeyPressFlag());

        // Off: the press only arms, the release moves.
        f.list->setUseDirectMovement(false);
        QTest::keyPress(f.list, Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 2);
        QVERIFY(f.list->isKeyPressFlag());
        QTest::keyRelease(f.list, Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 3);
    }

    void releaseWithoutPress()
    {
        Fixture f(3);
        QSignalSpy keyPressed(f.list, SIGNAL(keyPressed(int)));
        MessageCapture capture;
        QTest::keyRelease(f.list, Qt::Key_Return);
        QTest::keyRelease(f.list, Qt::Key_Down);
        QCOMPARE(keyPressed.count(), 0);
        QCOMPARE(f.clicked->count(), 0);
        QCOMPARE(f.list->selectedIdx(), 0);
        QCOMPARE(capture.lines(), QStringList({"ListView::keyReleaseEvent objectName: \"list\" false",
                                               "ListView::keyReleaseEvent objectName: \"list\" false"}));
    }

    void arrowMoveDisabled()
    {
        Fixture f(3);
        f.replace(0, new ListViewSelectItem("select", "v"));
        f.list->setIsEnabledArrowKeyMove(false);
        MessageCapture capture;
        f.click(Qt::Key_Down);
        f.click(Qt::Key_Right);
        QCOMPARE(f.list->selectedIdx(), 0);
        QCOMPARE(f.clicked->count(), 0);
        QVERIFY(capture.contains("ListView::keyReleaseEvent skip Key_Up or Key_Down"));
        QVERIFY(capture.contains("ListView::keyReleaseEvent skip Key_Left or Key_Right"));
        // Unused keys reach the page.
        QCOMPARE(f.page.pressed, QList<int>({Qt::Key_Down, Qt::Key_Right}));
    }

    void leftRightOnRows()
    {
        Fixture f(3);
        f.replace(0, new ListViewSelectItem("select", "v"));
        f.click(Qt::Key_Left);
        f.click(Qt::Key_Right);
        QCOMPARE(Fixture::args(f.clicked), QList<int>({0, 0}));
        f.list->setSelectedIdx(1); // plain row: nothing
        f.click(Qt::Key_Right);
        QCOMPARE(f.clicked->count(), 2);
        QCOMPARE(f.list->selectedIdx(), 1);
        f.list->setSelectedIdx(-1); // no selection: not a row key
        f.click(Qt::Key_Left);
        QCOMPARE(f.clicked->count(), 2);
    }

    void progressKeys_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("right") << 3 << 2 << int(Qt::Key_Right) << 5;
        QTest::newRow("right clamps at max") << 7 << 2 << int(Qt::Key_Right) << 8;
        QTest::newRow("left") << 3 << 1 << int(Qt::Key_Left) << 2;
        QTest::newRow("left clamps at min") << 2 << 3 << int(Qt::Key_Left) << 1;
        QTest::newRow("volume up at max") << 8 << 1 << int(Qt::Key_VolumeUp) << 8;
        QTest::newRow("volume down") << 5 << 2 << int(Qt::Key_VolumeDown) << 3;
        QTest::newRow("mute") << 5 << 1 << int(Qt::Key_VolumeMute) << 1;
    }

    void progressKeys()
    {
        QFETCH(int, value);
        QFETCH(int, step);
        QFETCH(int, key);
        QFETCH(int, result);
        Fixture f(2);
        ListViewProgressItem* row = new ListViewProgressItem("volume", 8);
        row->setMinValue(1);
        row->setValue(value);
        row->setStep(step);
        f.replace(1, row);
        f.list->setSelectedIdx(1);
        QSignalSpy changed(f.list, SIGNAL(changeValue(int,int)));
        f.click(key);
        QCOMPARE(row->value(), result);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(changed.at(0).at(1).toInt(), result);
        QCOMPARE(f.clicked->count(), 0);
    }

    void okClicks()
    {
        Fixture f(3);
        MessageCapture capture;
        // OK press shows the pressed box; the release clicks.
        QTest::keyPress(f.list, Qt::Key_Return);
        QVERIFY(f.list->selectAndPressed());
        QCOMPARE(f.clicked->count(), 0);
        QTest::keyRelease(f.list, Qt::Key_Return);
        QVERIFY(!f.list->selectAndPressed());
        f.list->setSelectedIdx(2);
        f.click(Qt::Key_Enter);
        QCOMPARE(Fixture::args(f.clicked), QList<int>({0, 2}));
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent emit").size(), 0);
        // Without a selection OK is no row key and travels on.
        f.list->setSelectedIdx(-1);
        f.click(Qt::Key_Return);
        QCOMPARE(f.clicked->count(), 2);
        QVERIFY(capture.contains("ListView::keyReleaseEvent invalid idx: -1  itemSize: 3"));
        QVERIFY(f.page.released.contains(Qt::Key_Return));
    }

    void okTogglesCheckRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("noValueChange");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("check row") << 0 << false << true;
        QTest::newRow("check row, no value change") << 0 << true << false;
        QTest::newRow("check line-edit, edit text off (type 3)") << 1 << false << true;
        QTest::newRow("check line-edit, edit text on (type 15)") << 2 << false << true;
        QTest::newRow("check line-edit, no value change") << 2 << true << false;
        QTest::newRow("line-edit check (type 16) never toggles") << 3 << false << false;
    }

    void okTogglesCheckRows()
    {
        QFETCH(int, kind);
        QFETCH(bool, noValueChange);
        QFETCH(bool, toggles);
        Fixture f(2);
        ListViewItem* row = 0;
        std::function<bool()> checked;
        if (kind == 0) {
            ListViewCheckItem* c = new ListViewCheckItem("c", false);
            c->setIsNoValueChange(noValueChange);
            checked = [c] { return c->isChecked(); };
            row = c;
        } else if (kind == 1 || kind == 2) {
            ListViewCheckLineEditItem* c = new ListViewCheckLineEditItem("c", false, kind == 2, "text");
            c->setIsNoValueChange(noValueChange);
            checked = [c] { return c->isChecked(); };
            row = c;
        } else {
            ListViewLineEditCheckItem* c = new ListViewLineEditCheckItem("c", false, true, "text");
            checked = [c] { return c->isChecked(); };
            row = c;
        }
        f.replace(1, row);
        f.list->setSelectedIdx(1);
        MessageCapture capture;
        f.click(Qt::Key_Return);
        QCOMPARE(checked(), toggles);
        QCOMPARE(Fixture::args(f.clicked), QList<int>{1});
        QCOMPARE(capture.contains("ListView::keyReleaseEvent emit clicked m_selectedIdx: 1"), kind != 3);
        f.click(Qt::Key_Return);
        QVERIFY(!checked());
    }

    void keyToItemIdx_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("startIdx");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("rows");
        const int f1 = Qt::Key_F1;
        QTest::newRow("defaults: F1..F3, then F4 starts over")
            << f1 << int(Qt::Key_F10) << 0 << QList<int>{f1, f1 + 1, f1 + 2, f1 + 3, f1 + 4, f1 + 9, f1 + 10, f1 - 1}
            << QList<int>{0, 1, 2, 0, 1, 6, -1, -1};
        QTest::newRow("page offset") << f1 << int(Qt::Key_F10) << 3 << QList<int>{f1, f1 + 3} << QList<int>{3, 3};
        QTest::newRow("short range counts from its first key") << f1 << f1 + 3 << 0
            << QList<int>{f1, f1 + 3} << QList<int>{0, 3};
        QTest::newRow("digits") << int(Qt::Key_1) << int(Qt::Key_9) << 0
            << QList<int>{int(Qt::Key_1), int(Qt::Key_3), int(Qt::Key_4), int(Qt::Key_9)} << QList<int>{0, 2, 0, 5};
    }

    void keyToItemIdx()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, startIdx);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, rows);
        ListView list;
        QCOMPARE(list.keyToItemIdx(Qt::Key_F1), -1); // off by default
        list.setEnableFuncKey(true);
        list.setStartFuncKey(first);
        list.setEndFuncKey(last);
        list.setStartIdx(startIdx);
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(list.keyToItemIdx(keys.at(i)), rows.at(i));
    }

    void hotKeys()
    {
        Fixture f(4);
        f.list->setEnableFuncKey(true);
        QSignalSpy funcKey(f.list, SIGNAL(clickedFuncKey(int)));
        MessageCapture capture;
        f.click(Qt::Key_F3);
        QCOMPARE(f.list->selectedIdx(), 2);
        QCOMPARE(Fixture::args(f.clicked), QList<int>{2});
        QCOMPARE(Fixture::args(&funcKey), QList<int>{2});
        QVERIFY(capture.contains("ListView::keyReleaseEvent emit clicked idx: 2"));
        QVERIFY(f.page.pressed.isEmpty() && f.page.released.isEmpty());

        // Past the rows: diagnostic, the key travels on.
        f.list->setStartIdx(3);
        f.click(Qt::Key_F2);
        QVERIFY(capture.contains("ListView::keyReleaseEvent invalid idx: 4  itemSize: 4"));
        QCOMPARE(f.page.released, QList<int>{Qt::Key_F2});
        QCOMPARE(f.clicked->count(), 1);

        // A disabled row is not clicked.
        f.list->setStartIdx(0);
        f.list->item(1)->setItemSelectEnable(false);
        f.click(Qt::Key_F2);
        QVERIFY(capture.contains("ListView::keyReleaseEvent item is disable!"));
        QVERIFY(capture.contains("ListView::setSelectedIdx curr item is disale! idx: 1"));
        QCOMPARE(f.clicked->count(), 1);
        QCOMPARE(f.list->selectedIdx(), 2);

        // Hot keys toggle check rows too.
        ListViewCheckItem* check = new ListViewCheckItem("c", false);
        f.replace(0, check);
        f.click(Qt::Key_F1);
        QVERIFY(check->isChecked());
        QCOMPARE(f.clicked->count(), 2);

        // Without the visible select background the hot key clears the selection.
        f.list->setIsVisibleSelectBackGround(false);
        f.click(Qt::Key_F3);
        QCOMPARE(f.list->selectedIdx(), -1);
        QCOMPARE(Fixture::args(&funcKey).last(), 2);
    }

    void hotKeyNullRow()
    {
        Fixture f(2);
        f.list->addItem(0);
        f.list->setEnableFuncKey(true);
        MessageCapture capture;
        f.click(Qt::Key_F3);
        QVERIFY(capture.contains("ListView::keyReleaseEvent cursor is null! idx: 2"));
        QCOMPARE(f.clicked->count(), 0);
        QCOMPARE(f.list->selectedIdx(), 0);
        // Arrows step over the null row and wrap.
        f.list->setSelectedIdx(1);
        f.click(Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 0);
    }

    void hotKeysDuringCall_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("callScreen");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("moves");
        QTest::newRow("idle") << "IDLE" << 1 << false << true;
        QTest::newRow("call, call screen, no menu") << "CONNECTED" << 1 << false << false;
        QTest::newRow("call, no call screen") << "CONNECTED" << 0 << false << true;
        QTest::newRow("call, call screen, menu shown") << "CONNECTED" << 1 << true << true;
    }

    void hotKeysDuringCall()
    {
        QFETCH(QString, state);
        QFETCH(int, callScreen);
        QFETCH(bool, menu);
        QFETCH(bool, moves);
        TestHost host;
        host.core()->callManager()->setCallState(state);
        host.core()->m_callScreenState = callScreen;
        host.core()->setVisibleMenu(menu);
        Fixture f(3);
        f.list->setEnableFuncKey(true);
        // A release whose press armed the list without selecting (the press selects anyway).
        f.list->setKeyPressFlag(true);
        QTest::keyRelease(f.list, Qt::Key_F2);
        QCOMPARE(f.list->selectedIdx(), moves ? 1 : 0);
        QCOMPARE(Fixture::args(f.clicked), QList<int>{1}); // clicked either way
        host.core()->callManager()->setCallState("IDLE");
        host.core()->m_callScreenState = 0;
        host.core()->setVisibleMenu(false);
    }

    void hotKeyPressSelects()
    {
        // The press already selects the picked row.
        Fixture f(3);
        f.list->setEnableFuncKey(true);
        QTest::keyPress(f.list, Qt::Key_F2);
        QCOMPARE(f.list->selectedIdx(), 1);
        QCOMPARE(Fixture::args(f.focus), QList<int>{1});
        QTest::keyRelease(f.list, Qt::Key_F2);
        QCOMPARE(Fixture::args(f.clicked), QList<int>{1});
    }

    void longPress()
    {
        Fixture f(3);
        f.list->setEnableFuncKey(true);
        f.list->setIsEnabledLongPress(true);
        QSignalSpy longPress(f.list, SIGNAL(longPress(int)));
        QTest::keyPress(f.list, Qt::Key_F2);
        QVERIFY(longPress.wait(1500));
        QCOMPARE(Fixture::args(&longPress), QList<int>{1});
        QVERIFY(f.list->isKeyPressFlag());
        QTest::keyRelease(f.list, Qt::Key_F2); // the release is handled as usual
        QCOMPARE(Fixture::args(f.clicked), QList<int>{1});

        // Released in time: no long press.
        longPress.clear();
        QTest::keyClick(f.list, Qt::Key_F3);
        QVERIFY(!longPress.wait(1200));

        // Not enabled: never.
        f.list->setIsEnabledLongPress(false);
        QTest::keyPress(f.list, Qt::Key_F1);
        QVERIFY(!longPress.wait(1200));
        QTest::keyRelease(f.list, Qt::Key_F1);
    }

    void longPressClearsSelection()
    {
        Fixture f(3);
        f.list->setIsVisibleSelectBackGround(false);
        f.list->setSelectedIdx(2);
        f.list->setKeyPressFlag(true);
        QSignalSpy longPress(f.list, SIGNAL(longPress(int)));
        f.list->longPressTimeout();
        QCOMPARE(Fixture::args(&longPress), QList<int>{2});
        QCOMPARE(f.list->selectedIdx(), -1);
        f.list->setKeyPressFlag(false);
        f.list->longPressTimeout();
        QCOMPARE(longPress.count(), 1);
    }

    void doClick()
    {
        Fixture f(3);
        f.list->setSelectedIdx(1);
        QSignalSpy funcKey(f.list, SIGNAL(clickedFuncKey(int)));
        MessageCapture capture;
        f.list->doClick();
        QCOMPARE(Fixture::args(&funcKey), QList<int>{1});
        QCOMPARE(capture.lines(), QStringList("ListView::doClick :  1"));
        f.list->setSelectedIdx(-1);
        f.list->doClick();
        QCOMPARE(funcKey.count(), 1);
        QCOMPARE(f.clicked->count(), 0);
    }

    void searchNextItemIndex()
    {
        Fixture f(5);
        f.disable({0, 3, 4});
        MessageCapture capture;
        QCOMPARE(f.list->searchNextItemIndex(0, false), 1);
        QCOMPARE(f.list->searchNextItemIndex(3, false), -1);
        QCOMPARE(f.list->searchNextItemIndex(4, true), 2);
        QCOMPARE(f.list->searchNextItemIndex(0, true), -1);
        QCOMPARE(capture.lines().size(), 0);
        QCOMPARE(f.list->searchNextItemIndex(-2, false), 0);
        QCOMPARE(f.list->searchNextItemIndex(9, true), 4);
        f.list->addItem(0);
        QCOMPARE(f.list->searchNextItemIndex(3, false), 3);
        QCOMPARE(capture.lines(), QStringList({
            "ListView::searchNextItemIndex startIdx is under zero! idx: -2",
            "ListView::searchNextItemIndex startIdx is over size! idx: 9",
            "ListView::searchNextItemIndex currItem is null! === ERRROR idx: 5  startIndexValue: 3  isInverseOrder: false"}));
    }

    void showAndFocus()
    {
        Fixture f(7);
        f.list->setSelectedIdx(4);
        f.list->setKeyPressFlag(true);
        MessageCapture capture;
        f.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        QCOMPARE(f.list->startIdx(), 3); // aligned to the selected row's page
        QVERIFY(!f.list->isKeyPressFlag());
        f.page.activateWindow();
        f.list->setFocus();
        QTRY_VERIFY(f.list->hasFocus());
        QVERIFY(capture.contains("ListView::focusInEvent m_selectedidx: 4"));
    }

    void emptyAndTinyLists()
    {
        // Keys on an empty list and on refused page counts never fault.
        Fixture f(0);
        f.list->setPageCount(0);
        f.list->setEnableFuncKey(true);
        for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_F1,
                        Qt::Key_VolumeUp})
            f.click(key);
        QCOMPARE(f.list->selectedIdx(), -1); // the wrap search found no row
        QCOMPARE(f.clicked->count(), 0);
        f.list->addItem(new ListViewItem);
        f.list->setSelectedIdx(0);
        f.click(Qt::Key_Down);
        f.click(Qt::Key_Up);
        QCOMPARE(f.list->selectedIdx(), 0);
    }

    void okOnMissingRow()
    {
        // itemClear keeps the index: OK still clicks it, with the diagnostic.
        Fixture f(3);
        f.list->setSelectedIdx(2);
        f.list->itemClear();
        MessageCapture capture;
        f.click(Qt::Key_Return);
        QCOMPARE(Fixture::args(f.clicked), QList<int>{2});
        QVERIFY(capture.contains("ListView::keyReleaseEvent emit clicked m_selectedIdx: 2"));
    }
};

QTEST_MAIN(ListKeysTest)
#include "tst_list_keys.moc"
