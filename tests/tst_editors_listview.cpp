// The list's embedded editors: where they sit over each edit row, how they are set up from
// the row, how text flows back, which Enter presses reach them, and the re-checks after
// removal and show.
#include "ListView.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewSelectItem.h"
#include "ListViewTimeEditItem.h"
#include "MessageCapture.h"

#include <QApplication>
#include <QIntValidator>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A page's own single-line edit row: the list treats id 17 like a line-edit row.
class SingleLineRow : public ListViewLineEditItem
{
public:
    SingleLineRow(QString const& title, QString const& text) : ListViewLineEditItem(title, text) {}
    int type() override { return 17; }
};

// Claims the line-edit id without being a line-edit row.
class ImpostorRow : public ListViewItem
{
public:
    int type() override { return 5; }
};

} // namespace

class EditorsListViewTest : public QObject
{
    Q_OBJECT

    QWidget* m_screen;
    ListView* m_list;

    // The list's editors are its QLineEdit children; which one is the time editor shows in
    // its input mask.
    QLineEdit* editor(bool time = false) const
    {
        for (QLineEdit* e : m_list->findChildren<QLineEdit*>())
            if (e->inputMask().isEmpty() != time)
                return e;
        return 0;
    }

    // Runs the event loop until the list's pending 1 ms checks have run: timers fire in the
    // order they expire, so a later one of our own comes after them.
    static void settle()
    {
        bool done = false;
        QTimer::singleShot(5, [&done]() { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    }

    // Selects a row the way a page does and lets the 1 ms check run after the paint.
    void select(int idx)
    {
        m_list->setSelectedIdx(idx);
        m_list->repaint();
        settle();
    }

    // Rows 0 and 2 are plain select rows; row 1 is the one under test.
    void fill(ListViewItem* row)
    {
        m_list->addItem(new ListViewSelectItem("Mode", "Auto"));
        m_list->addItem(row);
        m_list->addItem(new ListViewSelectItem("Zone", "UTC"));
    }

private slots:
    void init()
    {
        m_screen = new QWidget;
        m_screen->setGeometry(0, 0, 384, 134);
        m_list = new ListView(m_screen);
        m_list->setGeometry(0, 0, 384, 134);
        m_screen->show();
        QApplication::setActiveWindow(m_screen);
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        m_list->setFocus();
    }

    void cleanup()
    {
        delete m_screen;
    }

    void placement_data()
    {
        QTest::addColumn<int>("kind");   // 5, 15, 17 or 11
        QTest::addColumn<int>("margin");
        QTest::addColumn<bool>("flag");  // title for 15, AM/PM for 11
        QTest::addColumn<QRect>("expected");
        // Row 1 of a 384 x 134 list: top 44, right edge at x 384 (385 wide); editors 22 high
        // from top + 6.
        QTest::newRow("line edit") << 5 << 0 << false << QRect(193, 50, 186, 22);
        QTest::newRow("line edit, margin 40") << 5 << 40 << false << QRect(233, 50, 146, 22);
        QTest::newRow("line edit, margin -20") << 5 << -20 << false << QRect(173, 50, 206, 22);
        QTest::newRow("single line") << 17 << 0 << false << QRect(198, 50, 182, 22);
        QTest::newRow("single line, margin 10") << 17 << 10 << false << QRect(208, 50, 172, 22);
        QTest::newRow("check line, title") << 15 << 0 << true << QRect(194, 50, 176, 22);
        QTest::newRow("check line, title, margin 30") << 15 << 30 << true << QRect(224, 50, 146, 22);
        QTest::newRow("check line, no title, margin 30") << 15 << 30 << false << QRect(194, 50, 176, 22);
        QTest::newRow("check line, no title, margin -20") << 15 << -20 << false << QRect(174, 50, 196, 22);
        QTest::newRow("time, am/pm") << 11 << 0 << true << QRect(193, 50, 98, 22);
        QTest::newRow("time, 24 hours") << 11 << 0 << false << QRect(289, 50, 92, 22);
    }

    void placement()
    {
        QFETCH(int, kind);
        QFETCH(int, margin);
        QFETCH(bool, flag);
        QFETCH(QRect, expected);
        ListViewItem* row;
        if (kind == 5)
            row = new ListViewLineEditItem("Server", "10.0.0.1");
        else if (kind == 17)
            row = new SingleLineRow("Name", "desk");
        else if (kind == 15)
            row = flag ? new ListViewCheckLineEditItem("Proxy", true, true, "10.0.0.2")
                       : new ListViewCheckLineEditItem("Proxy", true, QString("10.0.0.2"));
        else
            row = new ListViewTimeEditItem("Start", "08:15", "AM");
        row->setEditTextLeftMargin(margin);
        if (kind == 11)
            static_cast<ListViewTimeEditItem*>(row)->setUse_ampmSelection(flag);
        fill(row);
        select(1);

        QLineEdit* e = editor(kind == 11);
        QVERIFY(e);
        QCOMPARE(e->geometry(), expected);
        QVERIFY(e->isVisible());
        QVERIFY(e->hasFocus());
        QCOMPARE(e->objectName(), QString("ListView::QLineEdit"));
        QCOMPARE(e->styleSheet(), QString("QLineEdit {background-color: white; color: black; border: none; }"));
        QCOMPARE(e->text(), kind == 11 ? QString("08:15") : row->type() == 15 ? QString("10.0.0.2")
                                                          : kind == 17 ? QString("desk") : QString("10.0.0.1"));
        if (kind == 11) {
            QCOMPARE(e->cursorPosition(), 0);
            QCOMPARE(e->inputMask(), QString("99:99"));
            QVERIFY(!editor(false) || !editor(false)->isVisible());
        }

        // Another row: the editor goes and the list has the focus again.
        select(2);
        QVERIFY(!e->isVisible());
        QVERIFY(m_list->hasFocus());
    }

    void editorSettingsFollowTheRow()
    {
        ListViewLineEditItem* secret = new ListViewLineEditItem("Password", "abcdef");
        secret->setEchoPasswordMode(true);
        secret->setMaxLength(8);
        ListViewLineEditItem* locked = new ListViewLineEditItem("MAC", "00:11:22");
        locked->setEditTextDisabled(true);
        m_list->addItem(secret);
        m_list->addItem(locked);
        select(0);
        QLineEdit* e = editor();
        QCOMPARE(e->echoMode(), QLineEdit::Password);
        QCOMPARE(e->maxLength(), 8);
        QVERIFY(!e->isReadOnly());
        QCOMPARE(e->font().pointSize(), 20);
        select(1);
        QCOMPARE(editor(), e); // one line editor for all rows
        QCOMPARE(e->echoMode(), QLineEdit::Normal);
        QVERIFY(e->isReadOnly());
        // No limit on this row: the previous row's limit does not stay.
        QVERIFY(e->maxLength() > 8);
        QCOMPARE(e->text(), QString("00:11:22"));
        QCOMPARE(e->geometry().top(), 44 + 6);
    }

    void ipValidator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("private") << "192.168.0.1" << true;
        QTest::newRow("zeros") << "0.0.0.0" << true;
        QTest::newRow("top") << "255.255.255.255" << true;
        QTest::newRow("leading zeros") << "010.001.1.01" << true;
        QTest::newRow("249 and 200") << "249.200.199.100" << true;
        QTest::newRow("256") << "256.1.1.1" << false;
        QTest::newRow("260 last") << "1.1.1.260" << false;
        QTest::newRow("three octets") << "1.1.1" << false;
        QTest::newRow("five octets") << "1.1.1.1.1" << false;
        QTest::newRow("letters") << "a.b.c.d" << false;
        QTest::newRow("no dots") << "1a1b1c1" << false;
    }

    void ipValidator()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        ListViewLineEditItem* row = new ListViewLineEditItem("Server", "");
        row->setIPValidate(true);
        row->setSipPortValidate(true); // the address check wins
        fill(row);
        select(1);
        const QValidator* v = editor()->validator();
        QVERIFY(qobject_cast<const QRegExpValidator*>(v));
        int pos = 0;
        QString input = text;
        QCOMPARE(v->validate(input, pos) == QValidator::Acceptable, acceptable);
    }

    void ipTypingStopsAt255()
    {
        ListViewLineEditItem* row = new ListViewLineEditItem("Server", "");
        row->setIPValidate(true);
        fill(row);
        select(1);
        QTest::keyClicks(editor(), "192.168.1.256");
        QCOMPARE(editor()->text(), QString("192.168.1.25"));
        QCOMPARE(row->editText(), QString("192.168.1.25"));
        QVERIFY(!editor()->hasAcceptableInput() || editor()->text() == "192.168.1.25");
    }

    void portValidator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("lowest") << "10000" << true;
        QTest::newRow("sip") << "15060" << true;
        QTest::newRow("highest") << "65535" << true;
        QTest::newRow("below") << "9999" << false;
        QTest::newRow("above") << "65536" << false;
        QTest::newRow("standard 5060") << "5060" << false;
        QTest::newRow("letters") << "abc" << false;
    }

    void portValidator()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        ListViewLineEditItem* row = new ListViewLineEditItem("Port", "");
        row->setSipPortValidate(true);
        fill(row);
        select(1);
        const QIntValidator* v = qobject_cast<const QIntValidator*>(editor()->validator());
        QVERIFY(v);
        QCOMPARE(v->bottom(), 10000);
        QCOMPARE(v->top(), 65535);
        int pos = 0;
        QString input = text;
        QCOMPARE(v->validate(input, pos) == QValidator::Acceptable, acceptable);
    }

    void validatorGoesWithTheRow()
    {
        ListViewLineEditItem* address = new ListViewLineEditItem("Server", "1.2.3.4");
        address->setIPValidate(true);
        m_list->addItem(address);
        m_list->addItem(new ListViewLineEditItem("Name", "desk"));
        m_list->addItem(new ListViewCheckLineEditItem("Proxy", true, true, "x"));
        select(0);
        QVERIFY(editor()->validator());
        select(1);
        QVERIFY(!editor()->validator());
        select(0);
        select(2);
        QVERIFY(!editor()->validator());
        // Old validators are not piled up under the editor.
        QVERIFY(editor()->findChildren<QValidator*>().size() <= 1);
    }

    void fillingIsSilentTypingIsHeard()
    {
        ListViewLineEditItem* row = new ListViewLineEditItem("Name", "desk");
        fill(row);
        QSignalSpy text(m_list, SIGNAL(textChanged(QString)));
        QSignalSpy change(m_list, SIGNAL(changeLineEditText(int,QString)));
        select(1);
        QVERIFY(editor()->isVisible());
        QCOMPARE(text.count(), 0);
        QCOMPARE(change.count(), 0);

        editor()->end(false);
        QTest::keyClicks(editor(), "1");
        QCOMPARE(text.count(), 1);
        QCOMPARE(text.at(0).at(0).toString(), QString("desk1"));
        QCOMPARE(change.count(), 1);
        QCOMPARE(change.at(0).at(0).toInt(), 1);
        QCOMPARE(change.at(0).at(1).toString(), QString("desk1"));
        QCOMPARE(row->editText(), QString("desk1"));

        // Reselecting fills the editor again, silently.
        select(0);
        select(1);
        QCOMPARE(text.count(), 1);
    }

    void checkLineRowWritesBack()
    {
        ListViewCheckLineEditItem* row = new ListViewCheckLineEditItem("Proxy", true, true, "ab");
        fill(row);
        MessageCapture capture;
        select(1);
        QVERIFY(capture.contains("ListView::LineEditItem  useTitleText: true"));
        QSignalSpy change(m_list, SIGNAL(changeLineEditText(int,QString)));
        editor()->end(false);
        QTest::keyClicks(editor(), "c");
        QCOMPARE(row->editText(), QString("abc"));
        QCOMPARE(change.count(), 1);
        // With its edit text off the row is a check row: no editor.
        row->setUseEditText(false);
        select(0);
        select(1);
        QVERIFY(!editor()->isVisible());
        QVERIFY(m_list->hasFocus());
    }

    void timeEditorWritesTime()
    {
        ListViewTimeEditItem* row = new ListViewTimeEditItem("Start", "08:15", "AM");
        fill(row);
        QSignalSpy change(m_list, SIGNAL(changeLineEditText(int,QString)));
        select(1);
        QLineEdit* e = editor(true);
        QVERIFY(e && e->isVisible());
        QCOMPARE(change.count(), 0);
        QCOMPARE(row->getTime(), QString("08:15"));
        QTest::keyClicks(e, "0930");
        QCOMPARE(e->text(), QString("09:30"));
        QCOMPARE(row->getTime(), QString("09:30"));
        QVERIFY(change.count() >= 1);
        QCOMPARE(change.last().at(0).toInt(), 1);
        QCOMPARE(change.last().at(1).toString(), QString("09:30"));
    }

    void enterReachesOnlyCheckLineEditors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("reaches");
        QTest::newRow("line edit") << 5 << false;
        QTest::newRow("time edit") << 11 << false;
        QTest::newRow("check line edit") << 15 << true;
        QTest::newRow("single line") << 17 << true;
    }

    void enterReachesOnlyCheckLineEditors()
    {
        QFETCH(int, kind);
        QFETCH(bool, reaches);
        ListViewItem* row;
        if (kind == 5)
            row = new ListViewLineEditItem("Name", "desk");
        else if (kind == 11)
            row = new ListViewTimeEditItem("Start", "08:15", "AM");
        else if (kind == 15)
            row = new ListViewCheckLineEditItem("Proxy", false, true, "x");
        else
            row = new SingleLineRow("Name", "desk");
        fill(row);
        select(1);
        QLineEdit* e = editor(kind == 11);
        QVERIFY(e && e->hasFocus());
        QSignalSpy returned(e, SIGNAL(returnPressed()));
        QSignalSpy clicked(m_list, SIGNAL(clicked(int)));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(returned.count(), reaches ? 1 : 0);
        // The editor passes OK on to the list, which clicks (and toggles) the row.
        QCOMPARE(clicked.count(), reaches ? 1 : 0);
        if (kind == 15)
            QVERIFY(static_cast<ListViewCheckLineEditItem*>(row)->isChecked());
        QTest::keyClick(e, Qt::Key_Enter);
        QCOMPARE(returned.count(), reaches ? 2 : 0);
        QCOMPARE(clicked.count(), reaches ? 2 : 0);
    }

    void arrowsInTheEditorMoveTheList()
    {
        fill(new ListViewLineEditItem("Name", "desk"));
        select(1);
        QVERIFY(editor()->hasFocus());
        QSignalSpy focus(m_list, SIGNAL(focusChanged(int)));
        QTest::keyClick(editor(), Qt::Key_Down);
        QCOMPARE(m_list->selectedIdx(), 2);
        settle();
        QVERIFY(!editor()->isVisible());
        QVERIFY(m_list->hasFocus());
    }

    void removalRechecks()
    {
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->addItem(new ListViewSelectItem("Mode", "Auto"));
        m_list->addItem(new ListViewLineEditItem("B", "second"));
        select(2);
        QCOMPARE(editor()->text(), QString("second"));
        // The selection moves to row 1: a select row, so the editor goes.
        m_list->removeItem(2);
        m_list->repaint();
        settle();
        QVERIFY(!editor()->isVisible());

        // Removing the selected row 0 leaves index 0 on the next row: the editor follows it.
        ListView* list = m_list;
        list->itemClear();
        list->addItem(new ListViewLineEditItem("A", "first"));
        list->addItem(new ListViewLineEditItem("B", "second"));
        select(0);
        QCOMPARE(editor()->text(), QString("first"));
        list->removeItem(0);
        list->repaint();
        settle();
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->text(), QString("second"));
        QCOMPARE(editor()->geometry().top(), 6);

        // And with nothing left the editor is hidden.
        list->removeItem(0);
        settle();
        QVERIFY(!editor()->isVisible());
        QVERIFY(list->hasFocus());
    }

    void showRechecks()
    {
        m_list->hide();
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->setSelectedIdx(0);
        settle();
        m_list->show();
        m_list->repaint();
        settle();
        QVERIFY(editor());
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->text(), QString("first"));
    }

    void impostorRowGetsNoEditor()
    {
        fill(new ImpostorRow);
        select(1);
        QVERIFY(!editor() || !editor()->isVisible());
        QVERIFY(m_list->hasFocus());
        QSignalSpy change(m_list, SIGNAL(changeLineEditText(int,QString)));
        m_list->lineEditTextChanged("x");
        QCOMPARE(change.count(), 0);
    }

    void noSelectionHidesEditors()
    {
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->addItem(new ListViewTimeEditItem("T", "01:00", "AM"));
        select(0);
        QVERIFY(editor()->isVisible());
        select(-1);
        QVERIFY(!editor()->isVisible());
        QVERIFY(m_list->hasFocus());
        select(1);
        QVERIFY(editor(true)->isVisible());
        select(-1);
        QVERIFY(!editor(true)->isVisible());
        // Enter with no row selected goes to the editor untouched by the list.
        QSignalSpy returned(editor(), SIGNAL(returnPressed()));
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }
};

QTEST_MAIN(EditorsListViewTest)
#include "tst_editors_listview.moc"
