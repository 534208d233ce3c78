#include "ThemePainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

const QColor kInk(0, 0, 0);
const QColor kDark(85, 85, 85);
const QColor kLight(187, 187, 187);
const QColor kPaper(255, 255, 255);

void add(QList<ThemePainter::Picture>& list, const QString& path, int w, int h)
{
    ThemePainter::Picture p;
    p.path = path;
    p.size = QSize(w, h);
    list.append(p);
}

} // namespace

QList<ThemePainter::Picture> ThemePainter::pictures()
{
    QList<Picture> list;
    const QString w = "ui/images/widget/";
    const QString t = "ui/images/title/";
    const QString u = "ui/images/";
    const QString c = "call/images/call/";

    for (const char* corner : {"lefttop", "lefbottom", "righttop", "rightbottom"}) {
        add(list, w + "focus_02_" + corner + ".png", 6, 6);
        add(list, w + "focus_02_" + corner + "_sel.png", 6, 6);
    }
    add(list, w + "list_focus.png", 8, 14);
    add(list, w + "list_focus_sel.png", 8, 14);
    add(list, w + "radio.png", 20, 20);
    add(list, w + "radio_sel.png", 20, 20);
    add(list, w + "checkbox.png", 20, 20);
    add(list, w + "checkbox_check.png", 20, 20);
    add(list, w + "checkbox_check_sel.png", 20, 20);
    for (const char* sel : {"", "_sel"}) {
        add(list, w + "inputbox_left" + sel + ".png", 6, 32);
        add(list, w + "inputbox_mid" + sel + ".png", 1, 32);
        add(list, w + "inputbox_right" + sel + ".png", 6, 32);
    }
    add(list, w + "popup_01_left.png", 8, 158);
    add(list, w + "popup_01_mid.png", 1, 158);
    add(list, w + "popup_01_right.png", 8, 158);
    for (const char* key : {"ok", "delete", "cancel", "nextpage", "afterpage", "prevpage"}) {
        add(list, w + "softkey_" + key + ".png", 22, 18);
        add(list, w + "softkey_" + key + "_sel.png", 22, 18);
    }
    add(list, w + "no_data.png", 40, 40);

    add(list, t + "num_bg_left.png", 4, 20);
    add(list, t + "num_bg_right.png", 4, 20);
    add(list, t + "breadcrumb.png", 6, 10);
    for (const char* icon : {"hold", "updatecom", "callforward", "dnd", "autoanswer", "lock",
                             "call_lock", "pcconnected", "aomlink", "phonemode", "bluetooth",
                             "bluetooth_off", "bluetooth_acc", "bluetooth_acc_off", "headset_bt",
                             "headset_bt_off", "headset", "headset_ehs", "wifi_-1", "wifi_0",
                             "wifi_1", "wifi_2", "wifi_3", "wifi_4", "type_korean",
                             "type_smallletter", "type_capital", "type_num", "type_mark"})
        add(list, t + "status_" + icon + ".png", 19, 19);

    for (int step = 0; step <= 4; ++step)
        for (const char* v : {"", "_press", "_hold", "_hold_press"})
            add(list, u + QString("icon_wifi_step%1%2.png").arg(step).arg(v), 22, 20);
    add(list, u + "icon_wifi_unknown.png", 22, 20);
    add(list, u + "icon_wifi_unknown_normal.png", 22, 20);
    for (const char* v : {"normal", "press", "press_focus"})
        add(list, u + "setting_volume_" + v + ".png", 20, 20);
    add(list, u + "checkbox_bg_left.png", 2, 24);
    add(list, u + "checkbox_bg_center.png", 20, 24);
    add(list, u + "checkbox_bg_right.png", 4, 24);
    add(list, u + "checkbox_check_icon.png", 20, 24);
    add(list, u + "call_hold_bg_left.png", 8, 34);
    add(list, u + "call_hold_bg_center.png", 1, 34);
    add(list, u + "call_hold_bg_right.png", 8, 34);
    for (const char* icon : {"callconf", "callconv", "holdcall", "incomingcall", "outgoingcall"}) {
        add(list, u + "call/" + icon + ".png", 24, 24);
        add(list, u + "call/" + icon + "_sel.png", 24, 24);
    }

    for (const char* kind : {"call", "msg", "videoConference"})
        for (const char* dir : {"incoming", "missed", "outgoing"})
            for (const char* v : {"nor", "press"})
                add(list, c + QString("icon_%1_%2_%3.png").arg(kind, dir, v), 20, 20);
    add(list, c + "call_thumbnail_img.png", 40, 40);
    return list;
}

QImage ThemePainter::paint(const Picture& picture) const
{
    QImage image(picture.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const bool selected = picture.path.contains("_sel") || picture.path.contains("_press");
    const QColor ink = selected ? kPaper : kInk;
    const QRect r = image.rect();
    // Plain first version: an outlined block in the picture's colour.
    p.setPen(ink);
    p.setBrush(selected ? kInk : kPaper);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    Q_UNUSED(kDark);
    Q_UNUSED(kLight);
    return image;
}

bool ThemePainter::writeAll(const QString& dir) const
{
    QDir root(dir);
    if (!root.mkpath("."))
        return false;
    QFile qrc(root.filePath("phonetheme.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const Picture& picture : pictures()) {
        const QString file = root.filePath(picture.path);
        root.mkpath(QFileInfo(file).path());
        if (!paint(picture).save(file, "PNG"))
            return false;
        out << "    <file>" << picture.path << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return true;
}
