// phonegallery: paints each of the toolkit's fourteen row types in a page-sized list in its
// normal, selected, pressed and disabled states, and the list's three scroll-bar styles, and
// writes one PNG per row type (plus scrollbars.png) for page authors.
#include "ListView.h"
#include "ListViewAlarmItem.h"
#include "ListViewCallItem.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewDateSelectItem.h"
#include "ListViewInfoItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewNetworkItem.h"
#include "ListViewProgressItem.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "ListViewSubTitleItem.h"
#include "ListViewTimeEditItem.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QWindow>
#include <QPainter>
#include <QResource>
#include <QTextStream>

namespace {

const int kWidth = 384;
const int kListHeight = 134; // a page below the status bar
const int kCaption = 18;

enum State { Normal, Selected, Pressed, Disabled };
const char* const kStateNames[] = { "normal", "selected", "pressed", "disabled" };

struct RowType {
    const char* file;
    const char* title;
    int rightMargin; // room for rows that draw right of their rectangle
};

const RowType kTypes[] = {
    { "plain", "ListViewItem (0)", 0 },
    { "progress", "ListViewProgressItem (1)", 0 },
    { "select", "ListViewSelectItem (2)", 0 },
    { "check", "ListViewCheckItem (3)", 0 },
    { "radio", "ListViewRadioItem (4)", 0 },
    { "lineedit", "ListViewLineEditItem (5)", 0 },
    { "info", "ListViewInfoItem (6)", 0 },
    { "network", "ListViewNetworkItem (7)", 0 },
    { "subtitle", "ListViewSubTitleItem (9)", 0 },
    { "alarm", "ListViewAlarmItem (10)", 90 },
    { "timeedit", "ListViewTimeEditItem (11)", 0 },
    { "dateselect", "ListViewDateSelectItem (12)", 0 },
    { "call", "ListViewCallItem (13)", 0 },
    { "checklineedit", "ListViewCheckLineEditItem (15)", 0 },
    { "lineeditcheck", "ListViewLineEditCheckItem (16)", 90 },
};

ListViewItem* makeRow(const QString& kind, int i)
{
    const QString n = QString::number(i + 1);
    if (kind == "plain")
        return new ListViewItem("Plain row " + n, QPixmap(), QPixmap());
    if (kind == "progress") {
        ListViewProgressItem* row = new ListViewProgressItem("Volume " + n, 8);
        row->setValue(3 + i);
        return row;
    }
    if (kind == "select")
        return new ListViewSelectItem("Time Update", i == 1 ? "User" : "Default");
    if (kind == "check")
        return new ListViewCheckItem("Daylight saving " + n, i != 0);
    if (kind == "radio")
        return new ListViewRadioItem("Europe/Paris " + n, i == 1);
    if (kind == "lineedit") {
        ListViewLineEditItem* row = new ListViewLineEditItem("Server " + n, "192.168.0." + n);
        if (i == 2)
            row->setEchoPasswordMode(true);
        return row;
    }
    if (kind == "info")
        return new ListViewInfoItem("Firmware " + n, "2.4.1");
    if (kind == "network") {
        ListViewNetworkItem* row = new ListViewNetworkItem("Office Wi-Fi " + n, "WPA2");
        row->setSignalStep(2 + i);
        return row;
    }
    if (kind == "subtitle") {
        ListViewSubTitleItem* row = new ListViewSubTitleItem("Line " + n);
        row->addSubTitle("registered", -1, 14, Qt::black, Qt::white);
        row->addSubTitle("5060", 300, -1, Qt::black, Qt::white);
        return row;
    }
    if (kind == "alarm") {
        ListViewAlarmItem* row = new ListViewAlarmItem("07:3" + n, "Wake up", i != 1);
        row->setDateSelection(0, true);
        row->setDateSelection(4, true);
        return row;
    }
    if (kind == "timeedit") {
        ListViewTimeEditItem* row = new ListViewTimeEditItem("Start " + n, "08:15", "AM");
        if (i == 2)
            row->setUse_ampmSelection(false);
        return row;
    }
    if (kind == "dateselect") {
        ListViewDateSelectItem* row = new ListViewDateSelectItem("Repeat " + n);
        row->setDateSelection(1, true);
        row->setDateSelection(5, true);
        return row;
    }
    if (kind == "call") {
        ListViewCallItem* row = new ListViewCallItem(i == 0 ? 0 : (i == 1 ? 1 : 2), 0);
        row->setLabelText(i == 0 ? "Alice" : (i == 1 ? "Bob (missed)" : "Conference"));
        if (i == 1) {
            row->setThumbnail(4);
            row->setPressThumbnail(5);
            row->setHistoryTimeText("12:30");
        } else if (i == 2) {
            row->setThumbnail(20);
            row->setPressThumbnail(21);
            row->setStartTime(3725);
            row->startTime();
        }
        return row;
    }
    if (kind == "checklineedit")
        return new ListViewCheckLineEditItem("Proxy " + n, i != 0, true, "10.0.0." + n);
    return new ListViewLineEditCheckItem("Account " + n, i != 0, true, "sip:" + n + "@pbx");
}

bool oneShotTimersPending()
{
    // QTimer::singleShot() parks its timer objects on the event dispatcher until they fire.
    for (const QObject* object : QAbstractEventDispatcher::instance()->children())
        if (qstrcmp(object->metaObject()->className(), "QSingleShotTimer") == 0)
            return true;
    return false;
}

void settle()
{
    // The list places and focuses its editors from 1 ms timers, each started by the one
    // before: wait until none is left, however long a loaded machine takes (a fixed wait
    // rendered some editors before they had the focus, without their text cursor).
    QElapsedTimer guard;
    guard.start();
    QApplication::processEvents();
    while (oneShotTimersPending() && guard.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Shows the page with the keyboard on its list and waits until the list has placed its editor.
// The window system activates a shown window on its own, later on a loaded machine: the focus
// is given after that, or the activation would take it from the editor again.
void showFocused(QWidget* screen, QWidget* list)
{
    screen->show();
    QElapsedTimer guard;
    guard.start();
    while (QGuiApplication::focusWindow() != screen->windowHandle() && guard.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::setActiveWindow(screen);
    list->setFocus();
    settle();
}

// One page-sized list of three rows of a kind, with the middle row in the given state.
QImage renderState(const RowType& type, State state)
{
    QWidget screen;
    screen.setGeometry(0, 0, kWidth, kListHeight);
    ListView* list = new ListView(&screen);
    list->setGeometry(0, 0, kWidth, kListHeight);
    list->setLineRightMargin(type.rightMargin);
    for (int i = 0; i < 3; ++i)
        list->addItem(makeRow(QString::fromLatin1(type.file), i));
    if (state == Disabled) {
        list->item(1)->setItemSelectEnable(false);
        list->setSelectedIdx(-1);
    } else if (state == Normal) {
        list->setSelectedIdx(-1);
    } else {
        list->setSelectedIdx(1);
        list->setSelectAndPressed(state == Pressed);
    }
    showFocused(&screen, list);
    list->setSelectAndPressed(state == Pressed);
    QImage image(list->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    list->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage withCaptions(const QList<QImage>& panels, const QStringList& captions, const QString& title)
{
    QImage sheet(kWidth, kCaption + panels.size() * (kCaption + kListHeight + 2), QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter p(&sheet);
    QFont font = QApplication::font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(4, 0, kWidth - 8, kCaption), Qt::AlignLeft | Qt::AlignVCenter, title);
    font.setBold(false);
    p.setFont(font);
    int y = kCaption;
    for (int i = 0; i < panels.size(); ++i) {
        p.setPen(QColor(85, 85, 85));
        p.drawText(QRect(4, y, kWidth - 8, kCaption), Qt::AlignLeft | Qt::AlignVCenter, captions.at(i));
        y += kCaption;
        p.drawImage(0, y, panels.at(i));
        y += kListHeight + 2;
    }
    return sheet;
}

QImage renderScrollBars()
{
    const ListView::eListViewScrollBarType styles[] = {
        ListView::eScrollBarBorderFill, ListView::eScrollBarBorderNone, ListView::eScrollBarBorderLine
    };
    const char* const names[] = { "eScrollBarBorderFill (0)", "eScrollBarBorderNone (1)",
                                  "eScrollBarBorderLine (2)" };
    QList<QImage> panels;
    QStringList captions;
    for (int s = 0; s < 3; ++s) {
        QWidget screen;
        screen.setGeometry(0, 0, kWidth, kListHeight);
        ListView* list = new ListView(&screen);
        list->setGeometry(0, 0, kWidth, kListHeight);
        for (int i = 0; i < 7; ++i)
            list->addItem(new ListViewSelectItem(QString("Row %1 of 7").arg(i + 1), "value"));
        list->setScrollbarBorderType(styles[s]);
        list->setSelectedIdx(4);
        list->setStartIdx(3);
        showFocused(&screen, list);
        QImage image(list->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        list->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        panels << image;
        captions << QString::fromLatin1(names[s]) + ", row 5 of 7 selected";
    }
    return withCaptions(panels, captions, "ListView scroll-bar styles");
}

// The sheets hold few colours (greys of the text edges, the theme's black and white, the
// alarm red): a palette keeps the files small for the repository.
bool save(const QImage& sheet, const QString& path)
{
    return sheet.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither).save(path, "PNG");
}

// The rows write debug lines as they are built and focused; a gallery run prints its result only.
void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    QTextStream(stderr) << message << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72"); // the phone's screen
    qInstallMessageHandler(quietDebug);
    QApplication app(argc, argv);
    // A steady text cursor: a blinking one would be on or off depending on how long the
    // rendering took, and the pictures must come out the same on every run.
    QApplication::setCursorFlashTime(0);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: phonegallery <phonetheme.rcc> [output directory]\n";
        return 2;
    }
    if (!QResource::registerResource(QString::fromLocal8Bit(argv[1]))) {
        err << "phonegallery: cannot register the pictures " << argv[1] << "\n";
        return 1;
    }
    const QString outDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("docs/gallery");
    if (!QDir().mkpath(outDir)) {
        err << "phonegallery: cannot create " << outDir << "\n";
        return 1;
    }

    // A narrow font as on the phone; it also stands in for the lists' own font.
    const QStringList installed = QFontDatabase().families();
    for (const char* candidate : { "Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans" }) {
        if (installed.contains(QString::fromLatin1(candidate))) {
            app.setFont(QFont(QString::fromLatin1(candidate)));
            QFont::insertSubstitution("1R_02_OV_ED", QString::fromLatin1(candidate));
            break;
        }
    }

    int written = 0;
    for (const RowType& type : kTypes) {
        QList<QImage> panels;
        QStringList captions;
        for (int s = Normal; s <= Disabled; ++s) {
            panels << renderState(type, State(s));
            captions << QString("%1 (middle row)").arg(kStateNames[s]);
        }
        const QString path = QDir(outDir).filePath(QString::fromLatin1(type.file) + ".png");
        if (!save(withCaptions(panels, captions, QString::fromLatin1(type.title)), path)) {
            err << "phonegallery: cannot write " << path << "\n";
            return 1;
        }
        ++written;
    }
    const QString bars = QDir(outDir).filePath("scrollbars.png");
    if (!save(renderScrollBars(), bars)) {
        err << "phonegallery: cannot write " << bars << "\n";
        return 1;
    }
    ++written;
    QTextStream(stdout) << "phonegallery: " << written << " pictures in " << outDir << "\n";
    return 0;
}
