// Ours against the widgets a Qt developer would pick instead, each pair built alike: the list
// page, the selection popup, the page with its status bar, the time-zone table, the heap of
// the page and its popup, and (Qt 5, through the simulator) the start to the idle screen.
// Builds on Qt 5 and on the phone's Qt 4.8, where it is its own window server on a 16-bit
// screen, and prints the same rows on both.
//
// The anchors are the stock widgets set up the plainest way to match ours: no frame (ours has
// none), our list's font, and rows of our height (40 in the page's list, 30 in the popup's)
// given by each item's size hint (QListWidgetItem::setSizeHint) with uniform item sizes, so
// that no text is measured. The choices that move the figures are measured too and printed
// below the anchor they vary: the default frame, and rows sized by a delegate instead.
#include "BaseAppInterface.h"
#include "BenchHarness.h"
#include "KeyDriver.h"
#include "ListView.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "ModalTimeout.h"
#include "PageFixture.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "Status.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TimeZoneData.h"
#ifdef PHONE_BENCH_SIMULATOR
#include "BenchSimulator.h"
#endif

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScopedPointer>
#include <QStringListModel>
#include <QStyledItemDelegate>

using namespace BenchHarness;

namespace {

// How an anchor list is set up: the plain one, or one choice changed.
enum Setup
{
    Plain,      // no frame, rows by the items' size hints
    Framed,     // the default frame (StyledPanel, Sunken), rows by the items' size hints
    Delegate    // no frame, rows by a delegate's size hint
};

const char* const kSetupNames[] = { "", "  anchor with its default frame", "  anchor with rows by a delegate" };

// Rows of one height, told without measuring the text; a list-mode row spans the viewport
// whatever the width it is given.
class FixedRows : public QStyledItemDelegate
{
public:
    FixedRows(const QSize& size, QObject* parent) : QStyledItemDelegate(parent), m_size(size) {}
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const { return m_size; }

private:
    QSize m_size;
};

void setUp(QListView* list, const QFont& font, int rowHeight, Setup setup)
{
    list->setFont(font);
    list->setUniformItemSizes(true);
    if (setup != Framed)
        list->setFrameShape(QFrame::NoFrame);
    if (setup == Delegate)
        list->setItemDelegate(new FixedRows(QSize(1, rowHeight), list));
}

void addRow(QListWidget* list, const QString& text, int rowHeight, Setup setup)
{
    QListWidgetItem* item = new QListWidgetItem(text);
    if (setup != Delegate)
        item->setSizeHint(QSize(1, rowHeight));
    list->addItem(item);
}

void activate(QWidget* w)
{
    w->show();
    w->activateWindow();
    w->setFocus();
    if (!phoneWaitForActive(w))
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

// The page's list with n select rows, 384 x 120, three rows shown.
struct OurList
{
    ListView list;
    explicit OurList(int n)
    {
        list.resize(384, 120);
        for (int i = 0; i < n; ++i)
            list.addItem(new ListViewSelectItem(rowTitle(i), "Europe/Amsterdam"));
        list.setSelectedIdx(1);
        activate(&list);
    }
};

// A QListWidget of the same rows.
struct AnchorList
{
    QListWidget list;
    AnchorList(int n, const QFont& font, Setup setup)
    {
        list.resize(384, 120);
        setUp(&list, font, 40, setup);
        for (int i = 0; i < n; ++i)
            addRow(&list, rowTitle(i) + "    Europe/Amsterdam", 40, setup);
        list.setCurrentRow(1);
        activate(&list);
    }
};

struct PopupPair
{
    QStringList names;
    Setup setup;
    SelectPopup* ours;
    QDialog* anchor;
    QListView* anchorList;

    PopupPair() : setup(Plain), ours(0), anchor(0), anchorList(0) {}

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

    // The same popup from stock parts: a dialog, a list of the names and the two buttons, at
    // the popup's geometry and fonts. The list is a QListWidget whose items carry their
    // height; rows sized by a delegate go with a QListView over a string list model (which
    // has no size hints of its own).
    void openAnchor()
    {
        anchor = new QDialog(0, Qt::FramelessWindowHint);
        anchor->setGeometry(190, 0, 194, 161);
        QFont f = anchor->font();
        f.setPointSize(13);
        anchor->setFont(f);
        if (setup == Delegate) {
            anchorList = new QListView(anchor);
            setUp(anchorList, ListView().font(), 30, setup);
            anchorList->setModel(new QStringListModel(names, anchorList));
        } else {
            QListWidget* list = new QListWidget(anchor);
            setUp(list, ListView().font(), 30, setup);
            for (int i = 0; i < names.size(); ++i)
                addRow(list, names.at(i), 30, setup);
            anchorList = list;
        }
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
        anchorList = 0;
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
QString tableFile(const TestDir& dir, int lines, bool repeated)
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

// The heap of the page as the host runs it (the tests' page fixture: the host's stand-in with
// its status bar up, the built plug-in, the phone's table), driven by the phone's keys: the
// idle host, the page open, its region popup open. Each is taken once it has painted.
void pageHeap(QVector<Row>& rows)
{
    PageFixture::setUpScreen();
    QFile iana(PHONE_IANA_TABLE);
    iana.open(QIODevice::ReadOnly);
    qint64 idle = 0, page = 0, popup = 0, closed = 0;
    int popupRows = 0;
    {
        PageFixture fixture(iana.readAll());
        fixture.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        fixture.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "America/New_York");
        // Painted without running the event loop: the status bar would become the active
        // window, which the page's run does not take back from it on Qt 4.
        fixture.status()->repaint();
        idle = heapInUse();
        // A step's action must not run the event loop (the next step is already queued):
        // each paints what is up with repaint().
        KeyDriver keys;
        keys.call([&] {
                fixture.page()->repaint();
                page = heapInUse();
            })
            .key(Qt::Key_Down)
            .key(Qt::Key_Return)
            .call([&] {
                SelectPopup* open = PageFixture::popup();
                if (open) {
                    open->repaint();
                    popupRows = open->listView()->itemSize();
                }
                popup = heapInUse();
            })
            .key(Qt::Key_Escape)
            .call([&] { closed = heapInUse(); })
            .key(Qt::Key_Escape);
        keys.start();
        ModalTimeout timeout(fixture.page(), QDialog::Rejected);
        fixture.app()->start(0, 0);
        if (!keys.finished() || timeout.expired() || !popupRows)
            qWarning("page heap: the keys did not open the region popup");
    }
    QApplication::setFont(QFont());
    rows << Row("page fixture heap, idle host (status bar up)", idle, 0, 0, "B");
    rows << Row("  more with the page open (plug-in loaded)", page - idle, 0, 0, "B");
    rows << Row(QString("  more with the region popup open (%1 rows)").arg(popupRows), popup - page, 0, 0, "B");
    rows << Row("    of which kept after it closes", closed - page, 0, 0, "B");
    rows << Row("  page + popup above the idle host", popup - idle, 0, 1e6, "B");
}

#ifndef PHONE_BENCH_SIMULATOR
// The simulator's rows, left blank where it does not build.
QStringList simulatorRows()
{
    return QStringList() << "simulator heap on the idle screen" << "  more with the page open"
                         << "  more with the region popup open" << "    of which kept after it closes (caches)"
                         << "    the popup itself, opened again" << "  page + popup above the idle host";
}
#endif

// "bench_compare popup start": only the groups named.
void run(const QStringList& groups)
{
    TestHost::loadPictures();
    QVector<Row> rows;
    QStringList notes;
    const bool ir = countsInstructions();
    const QImage::Format format = screenFormat();

    // First, while the process holds nothing else.
    if (groups.isEmpty() || groups.contains("memory")) {
#ifdef PHONE_BENCH_SIMULATOR
        BenchSimulator::heap(rows);
#else
        const QStringList names = simulatorRows();
        for (int i = 0; i < names.size(); ++i)
            rows << Row::missing(names.at(i), "- (the simulator is a Qt 5 program)");
#endif
        pageHeap(rows);
        notes << "heap: malloc's arena and mapped blocks in use (mallinfo2), goal 1 MB for page + popup.";
    }
    TestHost host;

    // The list page: paint and Down, from 3 to 100,000 rows; at 144 rows the anchor's
    // set-up choices too.
    const int sizes[] = { 3, 144, 10000, 100000 };
    for (int s = 0; s < 4 && (groups.isEmpty() || groups.contains("list")); ++s) {
        const int n = sizes[s];
        OurList ours(n);
        QImage target(384, 120, format);
        const int setups = n == 144 ? 3 : 1;
        double oursPaint = cost("list paint", [&] { ours.list.render(&target); });
        for (int setup = 0; setup < setups; ++setup) {
            AnchorList anchor(n, ours.list.font(), Setup(setup));
            rows << Row(setup ? QString(kSetupNames[setup]) : QString("paint 384x120 list, 3 rows shown, %1 rows").arg(n),
                        oursPaint, cost("QListWidget paint", [&] { anchor.list.render(&target); }),
                        setup ? 0 : 0.3);
        }
        if (n == 3)
            continue;
        double oursDown = cost("list down", [&] { down(&ours.list); ours.list.render(&target); });
        for (int setup = 0; setup < setups; ++setup) {
            AnchorList anchor(n, ours.list.font(), Setup(setup));
            rows << Row(setup ? QString(kSetupNames[setup]) : QString("Down + repaint, list of %1").arg(n), oursDown,
                        cost("QListWidget down", [&] { down(&anchor.list); anchor.list.render(&target); }),
                        setup ? 0 : 0.3);
        }
    }
    if (groups.isEmpty() || groups.contains("list"))
        notes << "list: ours is ListView with select rows; the anchor a QListWidget, no frame, our list's font,"
              << "  rows of 40 by QListWidgetItem::setSizeHint with uniform item sizes; both rendered into a"
              << "  384x120 image of the screen's format. Variants: the default frame; rows by a delegate's size hint.";

    // The city popup: 144 rows to the first paint, then Down with its repaint.
    if (groups.isEmpty() || groups.contains("popup")) {
        PopupPair popup;
        popup.names = americaCities();
        const double oursOpen = cost("popup open", [&] { popup.openOurs(); }, [&] { popup.close(); });
        for (int setup = 0; setup < 3; ++setup) {
            popup.setup = Setup(setup);
            rows << Row(setup ? QString(kSetupNames[setup]) : QString("selection popup, %1 rows, to first paint").arg(popup.names.size()),
                        oursOpen, cost("QDialog open", [&] { popup.openAnchor(); }, [&] { popup.close(); }),
                        setup ? 0 : 0.3);
        }
        popup.openOurs();
        QWidget* list = popup.ours->listView();
        const double oursDown = cost("popup down", [&] { down(list); list->repaint(); });
        popup.close();
        for (int setup = 0; setup < 3; ++setup) {
            popup.setup = Setup(setup);
            popup.openAnchor();
            rows << Row(setup ? QString(kSetupNames[setup]) : QString("Down + repaint inside that popup"), oursDown,
                        cost("QDialog down", [&] { down(popup.anchorList); popup.anchorList->repaint(); }),
                        setup ? 0 : 0.3);
            popup.close();
        }
        notes << "popup: ours is SelectPopup with radio rows; the anchor a frameless QDialog at the popup's place"
              << "  with a QListWidget (no frame, our list's font, rows of 30 by item size hints, uniform sizes)"
              << "  and two QPushButtons. Variants: the list's default frame; a QListView over a QStringListModel"
              << "  with rows by a delegate (the model has no size hints). Down is measured with repaint().";
    }

    // The page in the User mode and the status bar over it, against a raw fill and blit.
    if (groups.isEmpty() || groups.contains("page")) {
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
        QImage screen(384, 160, format);
        QImage frame(384, 160, format);
        rows << Row("full repaint: page 384x134 + status bar",
                    cost("page repaint", [&] {
                        fixture.status()->render(&screen);
                        page->render(&screen, QPoint(0, 26));
                    }),
                    cost("fill + blit", [&] {
                        frame.fill(Qt::white);
                        QPainter p(&screen);
                        p.drawImage(0, 0, frame);
                    }),
                    4);
        notes << "page: the status bar and the page rendered into a 384x160 image of the screen's format,"
              << "  against filling a 384x160 image of that format and drawing it into the first.";
    }

    // The time-zone table: load and index, per line, at two sizes (linear growth).
    if (groups.isEmpty() || groups.contains("table")) {
        TestDir dir;
        struct Table { int lines; bool repeated; const char* kind; };
        const Table tables[] = { { 50000, false, "distinct" }, { 500000, false, "distinct" }, { 500000, true, "IANA" } };
        double perLines[3] = { 0, 0, 0 };
        double heaps[3] = { 0, 0, 0 };
        for (int t = 0; t < 3; ++t) {
            const Table& table = tables[t];
            // Read once outside the measurement: the loader takes files of up to 1 MiB, the
            // larger tables go through its parser.
            QFile file(tableFile(dir, table.lines, table.repeated));
            file.open(QIODevice::ReadOnly);
            const QByteArray content = file.readAll();
            QList<TimeZoneData*> records;
            QMap<QString, int> index;
            QList<QString> regions;
            qint64 heap = 0;
            perLines[t] = cost("table load", [&] {
                const qint64 before = heapInUse();
                TimeZoneData::parse(content, records, index, regions);
                heap = heapInUse() - before;
            }, [&] {
                qDeleteAll(records);
                records.clear();
                index.clear();
                regions.clear();
            }, 1) / table.lines;
            heaps[t] = double(heap) / table.lines;
            rows << Row(QString("table load + index, %1k lines %2, per line").arg(table.lines / 1000).arg(table.kind),
                        perLines[t], 0, ir ? 2000 : 0);
            rows << Row("  heap kept per line", heaps[t], 0, 150, "B");
        }
        rows << Row("  per line at 500k against 50k (distinct)", perLines[1], perLines[0], 1.25);
        rows << Row("  heap per line at 500k against 50k", heaps[1], heaps[0], 1.25, "B");
        notes << "table: TimeZoneData::parse on tables held in memory; linear: a line at 500k costs at most 1.25x one at 50k.";
    }

    // Start to the idle screen's first frame, against a hello world with three labels.
    if (groups.isEmpty() || groups.contains("start")) {
#ifdef PHONE_BENCH_SIMULATOR
        BenchSimulator::start(rows);
#else
        rows << Row::missing("process start to the idle screen's first frame", "- (the simulator is a Qt 5 program)");
#endif
    }

    // The popup of 100,000 rows: open, and the heap it keeps.
    if (groups.isEmpty() || groups.contains("popup100k")) {
        PopupPair popup;
        for (int i = 0; i < 100000; ++i)
            popup.names << QString("City_%1").arg(i);
        const double ours = cost("popup 100k open", [&] { popup.openOurs(); }, [&] { popup.close(); }, 1);
        qint64 before = heapInUse();
        popup.openOurs();
        const qint64 oursHeap = heapInUse() - before;
        popup.close();
        for (int setup = 0; setup < 3; setup += 2) {
            popup.setup = Setup(setup);
            const double anchor = cost("QDialog 100k open", [&] { popup.openAnchor(); }, [&] { popup.close(); }, 1);
            before = heapInUse();
            popup.openAnchor();
            const qint64 anchorHeap = heapInUse() - before;
            popup.close();
            rows << Row(setup ? QString(kSetupNames[setup]) : QString("popup of 100,000 rows: open"), ours, anchor, setup ? 0 : 1);
            rows << Row("  heap kept while open", double(oursHeap), double(anchorHeap), 0, "B");
            rows << Row("  heap per row", oursHeap / 1e5, anchorHeap / 1e5, 0, "B");
        }
    }

    print("Ours against stock Qt", rows, notes);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication* app = makeApplication(argc, argv);
    run(app->arguments().mid(1));
    delete app;
    endApplication();
    return 0;
}
