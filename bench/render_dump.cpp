// render_dump DIR: paints the page in both modes with each row focused and pressed, each
// popup at several selections and pressed, lists with the three scroll-bar styles and the
// status bar in its states (clock masked), one PNG each, so that two builds can be compared
// byte for byte ("make render-check"). Offscreen, 72 dpi, the host pictures registered.
#include "ListView.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "PageFixture.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "Status.h"
#include "TestHost.h"
#include "TimeZoneData.h"
#include "WidgetImage.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

QString s_dir;

void save(const QImage& image, const QString& name)
{
    image.save(QDir(s_dir).filePath(name + ".png"));
}

void key(QWidget* w, QEvent::Type type, int k)
{
    QKeyEvent e(type, k, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void dropDebug(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(text));
}

QImage statusImage(Status* status)
{
    QImage image = WidgetImage::render(status, Qt::white);
    QWidget* clock = status->findChild<QLabel*>("timeLabel");
    if (clock && clock->isVisible()) {
        QPainter p(&image);
        p.fillRect(clock->geometry(), Qt::magenta);
    }
    return image;
}

void pages(const QByteArray& table)
{
    for (int user = 0; user < 2; ++user) {
        PageFixture f(table);
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", user);
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "America/New_York");
        QDialog* page = f.page();
        page->setGeometry(0, 26, 384, 134);
        page->show();
        page->activateWindow();
        if (!QTest::qWaitForWindowActive(page))
            qWarning("page not active");
        ListView* list = f.list();
        list->setFocus();
        save(statusImage(f.status()), QString("page%1-status").arg(user));
        for (int row = 0; row < list->itemSize(); ++row) {
            list->setSelectedIdx(row);
            save(WidgetImage::render(page, Qt::white), QString("page%1-row%2").arg(user).arg(row));
            key(list, QEvent::KeyPress, Qt::Key_Return);
            save(WidgetImage::render(page, Qt::white), QString("page%1-row%2-pressed").arg(user).arg(row));
            list->setSelectAndPressed(false);
            list->setKeyPressFlag(false);
        }
        list->clearFocus();
        save(WidgetImage::render(page, Qt::white), QString("page%1-nofocus").arg(user));
    }
}

void popups(const QStringList& names, const QString& tag)
{
    SelectPopup popup(0, 5);
    for (int i = 0; i < names.size(); ++i)
        popup.listView()->addItem(new ListViewRadioItem(names.at(i), i == 1));
    popup.show();
    if (!QTest::qWaitForWindowExposed(&popup))
        qWarning("popup not exposed");
    SelectPopupListView* list = popup.listView();
    const int picks[] = { 0, 1, 3, 4, 6, names.size() - 1 };
    for (int pick : picks) {
        if (pick < 0 || pick >= names.size())
            continue;
        list->setSelectedIdx(pick);
        list->setStartIdx((pick / list->pageCount()) * list->pageCount());
        save(WidgetImage::render(&popup), QString("popup-%1-%2").arg(tag).arg(pick));
        key(list, QEvent::KeyPress, Qt::Key_Context1);
        save(WidgetImage::render(&popup), QString("popup-%1-%2-pressed").arg(tag).arg(pick));
        list->setKeyPressFlag(false);
    }
    popup.setContentsTitle("Title");
    save(WidgetImage::render(&popup), QString("popup-%1-title").arg(tag));
}

void lists()
{
    const ListView::eListViewScrollBarType styles[] = {
        ListView::eScrollBarBorderFill, ListView::eScrollBarBorderNone, ListView::eScrollBarBorderLine
    };
    for (int style = 0; style < 3; ++style) {
        ListView list;
        list.resize(384, 134);
        for (int i = 0; i < 7; ++i)
            list.addItem(new ListViewSelectItem(QString("Row %1").arg(i), QString("Value %1").arg(i)));
        list.setScrollbarBorderType(styles[style]);
        list.setSelectedIdx(4);
        list.setStartIdx(3);
        save(WidgetImage::render(&list, Qt::white), QString("list-scroll%1").arg(style));
    }
}

void statusBar()
{
    TestHost host;
    Status status;
    status.setTitle("Settings | Time Zone");
    status.show();
    if (!QTest::qWaitForWindowExposed(&status))
        qWarning("status not exposed");
    save(statusImage(&status), "status-plain");
    status.setUIStatusLock(true);
    status.setUIStatusDND(true);
    status.setUIStatusCallForward(true);
    status.setUIStatusWifi(Status::WifiLevel3);
    status.setUIStatusHeadSet(Status::HeadsetOn);
    status.setUIStatusBTHeadsetPairing(Status::BTPairingOn);
    QApplication::processEvents();
    save(statusImage(&status), "status-icons");
    status.setIMEStatus(IMEStatusCapital);
    QApplication::processEvents();
    save(statusImage(&status), "status-ime");
    status.setUIStatusUpgrade(true);
    status.setUIStatusConnectHVR(true);
    status.setUIStatusAGMode(Status::AGOff);
    status.setStatusIcon_isCall(true);
    QApplication::processEvents();
    save(statusImage(&status), "status-call");
}

// The clock draws its text through the label cache; it changes every minute, so instead of
// its renders, check here that the cache draws clock texts as drawText() does.
bool clockTexts()
{
    Status status;
    QLabel* clock = status.findChild<QLabel*>("timeLabel");
    bool same = true;
    for (const char* text : { "00:00", "10:17 AM", "12:59 PM", "23:59", "09:05 AM", "11:11 PM" }) {
        QImage direct(72, 22, QImage::Format_ARGB32_Premultiplied);
        QImage cached(72, 22, QImage::Format_ARGB32_Premultiplied);
        for (QImage* image : { &direct, &cached }) {
            image->fill(Qt::white);
            QPainter p(image);
            p.setFont(clock->font());
            p.setPen(QColor(85, 85, 85));
            if (image == &direct)
                p.drawText(QRect(0, 0, 72, 22), Qt::AlignRight | Qt::AlignVCenter, QString(text));
            else
                ListViewItem::drawLabel(&p, QRect(0, 0, 72, 22), Qt::AlignRight | Qt::AlignVCenter, QString(text));
        }
        if (direct != cached) {
            fprintf(stderr, "render_dump: the clock text \"%s\" differs\n", text);
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "72");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    qInstallMessageHandler(dropDebug);
    QApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: render_dump DIR\n");
        return 2;
    }
    s_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(s_dir);
    TestHost::loadPictures();

    QFile iana(PHONE_IANA_TABLE);
    iana.open(QIODevice::ReadOnly);
    const QByteArray table = iana.readAll();
    pages(table);

    QList<TimeZoneData*> records;
    QMap<QString, int> index;
    QList<QString> regions;
    TimeZoneData::load(PHONE_IANA_TABLE, records, index, regions);
    popups(QStringList() << "Default" << "User", "mode");
    popups(regions, "region");
    popups(TimeZoneData::cities("America", records, index), "city");
    qDeleteAll(records);

    lists();
    statusBar();
    return clockTexts() ? 0 : 1;
}
