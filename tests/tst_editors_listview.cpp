// The list's embedded editors: where they sit over each edit row, how they are set up from
// the row, how text flows back, which Enter presses reach them, and the re-checks.
#include "ListView.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewSelectItem.h"
#include "ListViewTimeEditItem.h"
#include "MessageCapture.h"
#include "TestWait.h"
#include "TimerMark.h"

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

// The texts (separated by spaces) the validator accepts as they are.
QString accepted(const QValidator* v, const QString& texts)
{
    QStringList out;
    for (QString text : texts.split(' ')) {
        int pos = 0;
        if (v->validate(text, pos) == QValidator::Acceptable)
            out << text;
    }
    return out.join(" ");
}

} // namespace

class EditorsListViewTest : public QObject
{
    Q_OBJECT

    QWidget* m_screen;
    ListView* m_list;

    // The list's editors are its QLineEdit children; the time editor has an input mask.
    QLineEdit* editor(bool time = false) const
    {
        for (QLineEdit* e : m_list->findChildren<QLineEdit*>())
            if (e->inputMask().isEmpty() != time)
                return e;
        return 0;
    }

    // Runs the event loop until the list's pending 1 ms checks have run (timers fire in order).
    static void settle()
    {
        QVERIFY(TimerMark(5).wait());
    }

    // Selects a row the way a page does and lets the 1 ms check run after the paint. Only a
    // change of index schedules the check, so the row already selected is left first.
    void select(int idx)
    {
        if (m_list->selectedIdx() == idx)
            m_list->setSelectedIdx(-1);
        m_list->setSelectedIdx(idx);
        m_list->repaint();
        settle();
    }

    // Rows 0 and 2 are plain select rows; row 1 is the one under test, selected.
    template <class Row> Row* fill(Row* row)
    {
        m_list->addItem(new ListViewSelectItem("Mode", "Auto"));
        m_list->addItem(row);
        m_list->addItem(new ListViewSelectItem("Zone", "UTC"));
        m_list->setSelectedIdx(0); // a change of index schedules the check
        select(1);
        return row;
    }

    // An edit row of the type id; flag: the title of a check line-edit row, AM/PM of a time-edit row.
    static ListViewItem* editRow(int kind, bool flag)
    {
        if (kind == 5 || kind == 17)
            return kind == 5 ? new ListViewLineEditItem("Server", "10.0.0.1") : new SingleLineRow("Name", "10.0.0.1");
        if (kind == 15)
            return flag ? new ListViewCheckLineEditItem("Proxy", true, true, "10.0.0.1")
                        : new ListViewCheckLineEditItem("Proxy", true, QString("10.0.0.1"));
        ListViewTimeEditItem* time = new ListViewTimeEditItem("Start", "08:15", "AM");
        time->setUse_ampmSelection(flag);
        return time;
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
        QVERIFY(phoneWaitForActive(m_screen));
        QVERIFY(phoneWaitForPainted(m_list));   // rows get their places when painted
        m_list->setFocus();
    }

    void cleanup() { delete m_screen; }

    void placement()
    {
        // kind (5, 17, 15 or 11), margin, flag (title for 15, AM/PM for 11) -> editor geometry over
        // row 1 (top 44, right edge at x 384): 22 high from top + 6.
        const QList<QPair<QList<int>, QRect>> cases{
            {{5, 0, 0}, QRect(193, 50, 186, 22)}, {{5, 40, 0}, QRect(233, 50, 146, 22)},
            {{5, -20, 0}, QRect(173, 50, 206, 22)}, {{17, 0, 0}, QRect(198, 50, 182, 22)},
            {{17, 10, 0}, QRect(208, 50, 172, 22)}, {{15, 0, 1}, QRect(194, 50, 176, 22)},
            {{15, 30, 1}, QRect(224, 50, 146, 22)}, {{15, 30, 0}, QRect(194, 50, 176, 22)},
            {{15, -20, 0}, QRect(174, 50, 196, 22)}, {{11, 0, 1}, QRect(193, 50, 98, 22)},
            {{11, 0, 0}, QRect(289, 50, 92, 22)}};
        for (const auto& c : cases) {
            cleanup();
            init();
            ListViewItem* row = editRow(c.first[0], c.first[2]);
            row->setEditTextLeftMargin(c.first[1]);
            fill(row);
            const bool time = c.first[0] == 11;
            QLineEdit* e = editor(time);
            QVERIFY(e && e->isVisible() && e->hasFocus());
            QCOMPARE(e->geometry(), c.second);
            QCOMPARE(e->text(), time ? QString("08:15") : QString("10.0.0.1"));
            QVERIFY(!time || (e->cursorPosition() == 0 && e->inputMask() == "99:99" && !editor(false)));
            select(2); // another row: the editor goes and the list has the focus again
            QVERIFY(!e->isVisible() && m_list->hasFocus());
        }
    }

    void editorSettingsAndValidators()
    {
        ListViewLineEditItem* secret = new ListViewLineEditItem("Password", "abcdef");
        secret->setEchoPasswordMode(true);
        secret->setMaxLength(8);
        ListViewLineEditItem* locked = new ListViewLineEditItem("MAC", "00:11:22");
        locked->setEditTextDisabled(true);
        ListViewLineEditItem* address = new ListViewLineEditItem("Server", "");
        address->setIPValidate(true);
        address->setSipPortValidate(true); // the address check wins
        ListViewLineEditItem* port = new ListViewLineEditItem("Port", "");
        port->setSipPortValidate(true);
        for (ListViewItem* row : QList<ListViewItem*>{secret, locked, address, port, new ListViewCheckLineEditItem("P", true, true, "x")})
            m_list->addItem(row);
        select(0);
        QLineEdit* e = editor();
        QVERIFY(e);
        QVERIFY(e->echoMode() == QLineEdit::Password && e->maxLength() == 8 && !e->isReadOnly() && e->font().pointSize() == 20);
        select(1);
        QCOMPARE(editor(), e); // one line editor for all rows
        QVERIFY(e->echoMode() == QLineEdit::Normal && e->isReadOnly() && e->maxLength() > 8 && !e->validator());
        select(2); // IPv4: four octets of 0..255; typing stops before a fifth digit over 255
        QVERIFY(qobject_cast<const QRegExpValidator*>(e->validator()));
        QCOMPARE(accepted(e->validator(), "192.168.0.1 0.0.0.0 255.255.255.255 010.001.1.01 249.200.199.100 256.1.1.1 "
                                          "1.1.1.260 1.1.1 1.1.1.1.1 a.b.c.d 1a1b1c1"),
                 QString("192.168.0.1 0.0.0.0 255.255.255.255 010.001.1.01 249.200.199.100"));
        e->end(false);
        QTest::keyClicks(e, "192.168.1.256");
        QCOMPARE(address->editText(), QString("192.168.1.25"));
        select(3); // SIP port: 10000..65535
        const QIntValidator* v = qobject_cast<const QIntValidator*>(e->validator());
        QVERIFY(v && v->bottom() == 10000 && v->top() == 65535);
        QCOMPARE(accepted(v, "10000 15060 65535 9999 65536 5060 abc"), QString("10000 15060 65535"));
        select(4); // a check line-edit row: no validator, and old ones are not piled up
        QVERIFY(!e->validator() && e->findChildren<QValidator*>().size() <= 1);
    }

    void textFlow()
    {
        ListViewLineEditItem* row = new ListViewLineEditItem("Name", "desk");
        QSignalSpy text(m_list, SIGNAL(textChanged(QString)));
        QSignalSpy change(m_list, SIGNAL(changeLineEditText(int,QString)));
        fill(row); // filling the editor from the row is silent
        QVERIFY(editor()->isVisible() && text.isEmpty() && change.isEmpty());
        editor()->end(false);
        QTest::keyClicks(editor(), "1");
        QVERIFY(text.count() == 1 && text.at(0).at(0) == "desk1" && change.count() == 1 && row->editText() == "desk1");
        QCOMPARE(change.at(0), QList<QVariant>({1, QString("desk1")}));

        // A check line-edit row writes back too; with its edit text off it is a check row, no editor.
        m_list->itemClear();
        MessageCapture capture;
        ListViewCheckLineEditItem* check = fill(new ListViewCheckLineEditItem("Proxy", true, true, "ab"));
        QVERIFY(capture.contains("ListView::LineEditItem  useTitleText: true"));
        editor()->end(false);
        QTest::keyClicks(editor(), "c");
        QCOMPARE(check->editText(), QString("abc"));
        QCOMPARE(change.last(), QList<QVariant>({1, QString("abc")}));
        check->setUseEditText(false);
        select(0);
        select(1);
        QVERIFY(!editor()->isVisible() && m_list->hasFocus());

        m_list->itemClear(); // the time editor writes the time
        ListViewTimeEditItem* time = fill(new ListViewTimeEditItem("Start", "08:15", "AM"));
        change.clear();
        QTest::keyClicks(editor(true), "0930");
        QCOMPARE(time->getTime(), QString("09:30"));
        QCOMPARE(change.last(), QList<QVariant>({1, QString("09:30")}));
    }

    void enterReachesOnlyCheckLineEditors()
    {
        // kind -> Enter reaches the editor (and through it the list, which clicks and toggles).
        for (const QPair<int, bool>& c : QList<QPair<int, bool>>{{5, false}, {11, false}, {15, true}, {17, true}}) {
            m_list->itemClear();
            ListViewItem* row = fill(editRow(c.first, false));
            QLineEdit* e = editor(c.first == 11);
            QVERIFY(e && e->hasFocus());
            QSignalSpy returned(e, SIGNAL(returnPressed()));
            QSignalSpy clicked(m_list, SIGNAL(clicked(int)));
            for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Return})
                QTest::keyClick(e, Qt::Key(key));
            QCOMPARE(returned.count(), c.second ? 3 : 0);
            QCOMPARE(clicked.count(), c.second ? 3 : 0);
            if (c.first == 15)
                QVERIFY(!static_cast<ListViewCheckLineEditItem*>(row)->isChecked()); // toggled three times
        }
        // Arrows in the editor move the list, and the editor goes; without a selected row Enter
        // reaches the editor.
        m_list->itemClear();
        fill(new ListViewLineEditItem("Name", "desk"));
        QTest::keyClick(editor(), Qt::Key_Down);
        settle();
        QVERIFY(m_list->selectedIdx() == 2 && !editor()->isVisible() && m_list->hasFocus());
        m_list->setSelectedIdx(-1);
        QSignalSpy returned(editor(), SIGNAL(returnPressed()));
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }

    void rechecks()
    {
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->addItem(new ListViewSelectItem("Mode", "Auto"));
        m_list->addItem(new ListViewLineEditItem("B", "second"));
        select(2);
        QCOMPARE(editor()->text(), QString("second"));
        m_list->removeItem(2); // the selection moves to the select row: the editor goes
        m_list->repaint();
        settle();
        QVERIFY(!editor()->isVisible());
        m_list->removeItem(1); // removing the selected row 0 leaves index 0 on the next row: the editor follows it
        m_list->addItem(new ListViewLineEditItem("B", "second"));
        select(0);
        m_list->removeItem(0);
        m_list->repaint();
        settle();
        QVERIFY(editor()->isVisible() && editor()->text() == "second" && editor()->geometry().top() == 6);
        m_list->removeItem(0); // nothing left: hidden
        settle();
        QVERIFY(!editor()->isVisible() && m_list->hasFocus());
    }
};

QTEST_MAIN(EditorsListViewTest)
#include "tst_editors_listview.moc"
