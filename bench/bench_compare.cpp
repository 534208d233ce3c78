// Ours against the widgets a Qt developer would pick instead, each pair built alike (same
// font, sizes and row heights): the list page, the selection popup, the page with its status
// bar, the time-zone table and the start to the idle screen.
#include "BenchHarness.h"
#include "IdleScreen.h"
#include "ListView.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "PageFixture.h"
#include "PhoneHost.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SimData.h"
#include "Status.h"
#include "TestHost.h"
#include "TimeZoneData.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTest>

using namespace BenchHarness;

namespace {

// The anchors' rows: the height ours divides its own into, told without measuring the text
// (as a uniform list is set up); a list-mode row spans the viewport whatever its width.
class FixedRows : public QStyledItemDelegate
{
public:
    FixedRows(const QSize& size, QObject* parent) : QStyledItemDelegate(parent), m_size(size) {}
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return m_size; }

private:
    QSize m_size;
};

void activate(QWidget* w)
{
    w->show();
    w->activateWindow();
    w->setFocus();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window not active");
}

void down(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

QString rowTitle(int i)
{
    static const char* const titles[] = { "Time Update", "Time Area Select", "Time City Select" };
    return i < 3 ? QString(titles[i]) : QString("City %1").arg(i);
}

// The page's list with n select rows, and a QListWidget of the same rows.
struct ListPair
{
    ListView ours;
    QListWidget anchor;
    QImage target{384, 120, QImage::Format_ARGB32_Premultiplied};

    explicit ListPair(int n)
    {
        ours.resize(384, 120);
        anchor.resize(384, 120);
        anchor.setFont(ours.font());
        anchor.setUniformItemSizes(true);
        anchor.setItemDelegate(new FixedRows(QSize(1, 40), &anchor));
        for (int i = 0; i < n; ++i) {
            ours.addItem(new ListViewSelectItem(rowTitle(i), "Europe/Amsterdam"));
            anchor.addItem(rowTitle(i) + "    Europe/Amsterdam");
        }
        ours.setSelectedIdx(1);
        anchor.setCurrentRow(1);
        activate(&ours);
        activate(&anchor);
    }
};

struct PopupPair
{
    QStringList names;
    SelectPopup* ours = 0;
    QDialog* anchor = 0;
    QListView* anchorList = 0;

    void openOurs()
    {
        ours = new SelectPopup(0, 5);
        SelectPopupListView* list = ours->listView();
        for (int i = 0; i < names.size(); ++i)
            list->addItem(new ListViewRadioItem(names.at(i), i == 0));
        list->setSelectedIdx(0);
        ours->show();
        QApplication::processEvents();
    }

    // The same popup from stock parts: a dialog, a list view over a string list model and
    // the two buttons, at the popup's geometry and fonts.
    void openAnchor()
    {
        anchor = new QDialog(0, Qt::FramelessWindowHint);
        anchor->setGeometry(190, 0, 194, 161);
        QFont f = anchor->font();
        f.setPointSize(13);
        anchor->setFont(f);
        anchorList = new QListView(anchor);
        anchorList->setFont(ListView().font());
        anchorList->setUniformItemSizes(true);
        anchorList->setItemDelegate(new FixedRows(QSize(1, 30), anchorList));
        anchorList->setModel(new QStringListModel(names, anchorList));
        anchorList->setGeometry(5, 8, 183, 122);
        anchorList->setCurrentIndex(anchorList->model()->index(0, 0));
        QPushButton* next = new QPushButton(QString(QChar(0x2228)), anchor);
        next->setGeometry(7, 133, 87, 25);
        QPushButton* cancel = new QPushButton("Cancel", anchor);
        cancel->setGeometry(100, 133, 87, 25);
        anchor->show();
        QApplication::processEvents();
    }

    void close()
    {
        delete ours;
        ours = 0;
        delete anchor;
        anchor = 0;
    }
};

QStringList americaCities()
{
    QList<TimeZoneData*> records;
    QMap<QString, int> index;
    QList<QString> regions;
    TimeZoneData::load(PHONE_IANA_TABLE, records, index, regions);
    const QStringList cities = TimeZoneData::cities("America", records, index);
    qDeleteAll(records);
    return cities;
}

// A table of the given number of lines: the phone's IANA table over and over ("repeated"),
// or lines of its shape that are all different (own coordinates and city, a comment on
// every third line, 200 regions).
QString tableFile(const QTemporaryDir& dir, int lines, bool repeated)
{
    const QString path = dir.filePath(QString("table-%1-%2.tab").arg(lines).arg(repeated));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QFile iana(PHONE_IANA_TABLE);
    iana.open(QIODevice::ReadOnly);
    const QList<QByteArray> base = iana.readAll().split('\n');
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        if (repeated) {
            const QByteArray& line = base.at(i % (base.size() - 1));
            text += line + '\n';
            continue;
        }
        text += QString("X%1  +%2+%3  Region%4/City_%5").arg(i % 250).arg(i / 100000 % 10000, 4, 10, QChar(0x30))
                    .arg(i % 100000, 5, 10, QChar(0x30)).arg(i % 200).arg(i).toLatin1();
        if (i % 3 == 0)
            text += "  comment " + QByteArray::number(i);
        text += '\n';
    }
    file.write(text);
    return path;
}

// The simulator's heap: on the idle screen, with the page open, with its region popup open.
// Driven with the phone's keys through the simulator's host, in its font.
void simulatorHeap(QVector<Row>& rows)
{
    QApplication::setFont(QFont("Liberation Sans Narrow"));
    QFont::insertSubstitution("1R_02_OV_ED", "Liberation Sans Narrow");
    QTemporaryDir config;
    SimData::prepare(config.path(), true);
    QSettings(config.filePath("phone_info.conf"), QSettings::IniFormat).setValue("NTP_Serv/User_Set", 1);
    qputenv("PHONE_TIMEZONE_TAB", config.filePath("timezone.tab").toLocal8Bit());
    qint64 idle = 0, page = 0, popup = 0, closed = 0, again = 0;
    int popupRows = 0;
    {
        PhoneHost host(config.path());
        host.loadPage(PHONE_PLUGIN_FILE);
        bool framed = false;
        QObject::connect(host.idle(), &IdleScreen::firstFrame, [&] { framed = true; });
        host.start();
        while (!framed)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        idle = heapInUse();
        auto key = [&](int k) { host.sendPhoneKey(k, true); host.sendPhoneKey(k, false); };
        // Inside the page's and the popup's own event loops, as the user meets them.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                SelectPopup* open = qobject_cast<SelectPopup*>(w);
                if (open && open->isVisible()) {
                    poll.stop();
                    // Measured once it has painted, with what its first paint made.
                    if (!QTest::qWaitForWindowExposed(open))
                        qWarning("popup not exposed");
                    QApplication::processEvents();
                    (popup ? again : popup) = heapInUse();
                    popupRows = open->listView()->itemSize();
                    open->reject();
                    return;
                }
            }
        });
        QObject::connect(&host, &PhoneHost::pageFirstFrame, [&] {
            if (page)
                return;
            QApplication::processEvents();
            page = heapInUse();
            poll.start(5);
            key(Qt::Key_Down);
            key(Qt::Key_Return);
            // The page's list takes the keys again once the popup's window has gone.
            QElapsedTimer settle;
            settle.start();
            while (!qobject_cast<ListView*>(QApplication::focusWidget()) && settle.elapsed() < 2000)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            closed = heapInUse();
            poll.start(5);
            key(Qt::Key_Return);
            host.page()->end();
        });
        QTimer::singleShot(0, [&] { key(Qt::Key_Return); });
        while (!again)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    qunsetenv("PHONE_TIMEZONE_TAB");
    QApplication::setFont(QFont());
    rows << Row("simulator heap on the idle screen", idle, 0, 0, "B");
    rows << Row("  more with the page open", page - idle, 0, 0, "B");
    rows << Row(QString("  more with the region popup open (%1 rows)").arg(popupRows), popup - page, 0, 0, "B");
    rows << Row("    of which kept after it closes (caches)", closed - page, 0, 0, "B");
    rows << Row("    the popup itself, opened again", again - closed, 0, 0, "B");
}

} // namespace

int main(int argc, char** argv)
{
    init();
    QApplication app(argc, argv);
    // "bench_compare popup start": only the groups named.
    const QStringList groups = app.arguments().mid(1);
    auto want = [&](const char* group) { return groups.isEmpty() || groups.contains(group); };
    TestHost::loadPictures();
    QVector<Row> rows;
    // First, while the process holds nothing else.
    if (want("memory") && !countsInstructions())
        simulatorHeap(rows);
    TestHost host;

    // The list page: paint and Down, from 3 to 100,000 rows.
    for (int n : { 3, 144, 10000, 100000 }) {
        if (!want("list"))
            break;
        ListPair pair(n);
        rows << Row{ QString("paint 384x120 list, 3 rows shown, %1 rows").arg(n),
                     cost("list paint", [&] { pair.ours.render(&pair.target); }),
                     cost("QListWidget paint", [&] { pair.anchor.render(&pair.target); }), 0.35 };
        if (n == 3)
            continue;
        rows << Row{ QString("Down + repaint, list of %1").arg(n),
                     cost("list down", [&] { down(&pair.ours); pair.ours.render(&pair.target); }),
                     cost("QListWidget down", [&] { down(&pair.anchor); pair.anchor.render(&pair.target); }),
                     0.35 };
    }

    // The city popup: 144 rows to the first paint, then Down with its repaint.
    if (want("popup")) {
        PopupPair popup;
        popup.names = americaCities();
        rows << Row{ QString("selection popup, %1 rows, to first paint").arg(popup.names.size()),
                     cost("popup open", [&] { popup.openOurs(); }, [&] { popup.close(); }),
                     cost("QDialog open", [&] { popup.openAnchor(); }, [&] { popup.close(); }), 0.6 };
        popup.openOurs();
        popup.openAnchor();
        QWidget* list = popup.ours->listView();
        rows << Row{ "Down + repaint inside that popup",
                     cost("popup down", [&] { down(list); list->repaint(); }),
                     cost("QDialog down", [&] { down(popup.anchorList); popup.anchorList->repaint(); }),
                     0.5 };
        popup.close();
    }

    // The page in the User mode and the status bar over it, against a raw fill and blit.
    if (want("page")) {
        QFile iana(PHONE_IANA_TABLE);
        iana.open(QIODevice::ReadOnly);
        PageFixture fixture(iana.readAll());
        fixture.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        fixture.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "America/New_York");
        QDialog* page = fixture.page();
        page->setGeometry(0, 26, 384, 134);
        fixture.status()->setGeometry(0, 0, 384, 26);
        fixture.status()->show();
        activate(page);
        QImage screen(384, 160, QImage::Format_ARGB32_Premultiplied);
        QImage frame(384, 160, QImage::Format_ARGB32_Premultiplied);
        rows << Row{ "full repaint: page 384x134 + status bar",
                     cost("page repaint", [&] {
                         fixture.status()->render(&screen);
                         page->render(&screen, QPoint(0, 26));
                     }),
                     cost("fill + blit", [&] {
                         frame.fill(Qt::white);
                         QPainter p(&screen);
                         p.drawImage(0, 0, frame);
                     }),
                     4 };
    }

    // The time-zone table: load and index, per line, at two sizes (linear growth).
    if (want("table")) {
        QTemporaryDir dir;
        struct Table { int lines; bool repeated; const char* kind; };
        for (const Table& table : { Table{ 50000, false, "distinct" }, Table{ 500000, false, "distinct" },
                                    Table{ 500000, true, "IANA" } }) {
            // Read once outside the measurement: the loader takes files of up to 1 MiB, the
            // larger tables go through its parser.
            QFile file(tableFile(dir, table.lines, table.repeated));
            file.open(QIODevice::ReadOnly);
            const QByteArray content = file.readAll();
            QList<TimeZoneData*> records;
            QMap<QString, int> index;
            QList<QString> regions;
            qint64 heap = 0;
            const double perLine = cost("table load", [&] {
                const qint64 before = heapInUse();
                TimeZoneData::parse(content, records, index, regions);
                heap = heapInUse() - before;
            }, [&] {
                qDeleteAll(records);
                records.clear();
                index.clear();
                regions.clear();
            }, 1) / table.lines;
            rows << Row(QString("table load + index, %1k lines %2, per line").arg(table.lines / 1000).arg(table.kind),
                        perLine, 0, countsInstructions() ? 2000 : 0);
            rows << Row("  heap kept per line", double(heap) / table.lines, 0, 150, "B");
        }
    }

    // Start to the idle screen's first frame, against a hello world with three labels.
    if (want("start")) {
        QTemporaryDir config;
        const QStringList sim = QStringList() << "--headless" << "--timing" << "--config-dir"
                                              << config.path() << "--keys" << "quit" << "--key-delay" << "0";
        rows << Row{ "process start to the idle screen's first frame",
                     processCost(PHONESIM_FILE, sim, "first frame", "IdleScreen::firstFrame*"),
                     processCost(BENCH_HELLO_FILE, QStringList(), "first frame", "benchFirstFrame*"), 1.15 };
    }

    // The popup of 100,000 rows: open, and the heap it keeps.
    if (want("popup100k")) {
        PopupPair popup;
        for (int i = 0; i < 100000; ++i)
            popup.names << QString("City_%1").arg(i);
        qint64 oursHeap = 0;
        qint64 anchorHeap = 0;
        qint64 before = 0;
        const double ours = cost("popup 100k open", [&] { popup.openOurs(); }, [&] {
            popup.close();
        }, 1);
        const double anchor = cost("QDialog 100k open", [&] { popup.openAnchor(); }, [&] { popup.close(); }, 1);
        before = heapInUse();
        popup.openOurs();
        oursHeap = heapInUse() - before;
        popup.close();
        before = heapInUse();
        popup.openAnchor();
        anchorHeap = heapInUse() - before;
        popup.close();
        rows << Row{ "popup of 100,000 rows: open", ours, anchor, 1 };
        rows << Row{ "  heap kept while open", double(oursHeap), double(anchorHeap), 0, "B" };
        rows << Row{ "  heap per row", oursHeap / 1e5, anchorHeap / 1e5, 0, "B" };
    }

    print("Ours against stock Qt", rows);
    return 0;
}
