#include "ListViewCallItem.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

const char* const kDefaultThumbnail = ":/call/images/call/call_thumbnail_img.png";

struct IconEntry {
    int icon;
    const char* path;
};

// Call history: the same table for the normal and the pressed picture.
const IconEntry kHistoryIcons[] = {
    { 0, ":/call/images/call/icon_call_incoming_nor.png" },
    { 1, ":/call/images/call/icon_call_incoming_press.png" },
    { 2, ":/call/images/call/icon_call_outgoing_nor.png" },
    { 3, ":/call/images/call/icon_call_outgoing_press.png" },
    { 4, ":/call/images/call/icon_call_missed_nor.png" },
    { 5, ":/call/images/call/icon_call_missed_press.png" },
    { 6, ":/call/images/call/icon_videoConference_incoming_nor.png" },
    { 7, ":/call/images/call/icon_videoConference_incoming_press.png" },
    { 8, ":/call/images/call/icon_videoConference_missed_nor.png" },
    { 9, ":/call/images/call/icon_videoConference_missed_press.png" },
    { 10, ":/call/images/call/icon_videoConference_outgoing_nor.png" },
    { 11, ":/call/images/call/icon_videoConference_outgoing_press.png" },
    { 24, ":/call/images/call/icon_msg_incoming_nor.png" },
    { 25, ":/call/images/call/icon_msg_incoming_press.png" },
    { 26, ":/call/images/call/icon_msg_outgoing_nor.png" },
    { 27, ":/call/images/call/icon_msg_outgoing_press.png" },
    { 28, ":/call/images/call/icon_msg_missed_nor.png" },
    { 29, ":/call/images/call/icon_msg_missed_press.png" },
    { 30, kDefaultThumbnail },
};

// Active calls: even numbers (and 0) are the normal pictures, odd ones the pressed.
const IconEntry kActiveIcons[] = {
    { 14, ":/ui/images/call/incomingcall.png" },
    { 20, ":/ui/images/call/holdcall.png" },
    { 16, ":/ui/images/call/callconv.png" },
    { 22, ":/ui/images/call/callconf.png" },
    { 12, ":/ui/images/call/outgoingcall.png" },
    { 0, ":/ui/images/call/outgoingcall.png" },
};

const IconEntry kActivePressIcons[] = {
    { 15, ":/ui/images/call/incomingcall_sel.png" },
    { 21, ":/ui/images/call/holdcall_sel.png" },
    { 17, ":/ui/images/call/callconv_sel.png" },
    { 23, ":/ui/images/call/callconf_sel.png" },
    { 13, ":/ui/images/call/outgoingcall_sel.png" },
    { 1, ":/ui/images/call/outgoingcall_sel.png" },
};

template <int N>
QString lookUp(const IconEntry (&table)[N], int icon)
{
    for (int i = 0; i < N; ++i) {
        if (table[i].icon == icon)
            return QString::fromLatin1(table[i].path);
    }
    return QString();
}

} // namespace

ListViewCallItem::ListViewCallItem(QString const& label)
    : ListViewItem(),
      m_labelText(label),
      m_timeText(QString::fromLatin1("00:00:00")),
      m_thumbnail(QString::fromLatin1(kDefaultThumbnail)),
      m_callItemMode(0),
      m_timerShown(false),
      m_startOffset(0),
      m_itemIndex(0)
{
}

ListViewCallItem::ListViewCallItem(int mode, QWidget* parent)
    : ListViewItem(),
      m_timeText(QString::fromLatin1("00:00:00")),
      m_thumbnail(QString::fromLatin1(kDefaultThumbnail)),
      m_callItemMode(mode),
      m_timerShown(false),
      m_startOffset(0),
      m_itemIndex(0)
{
    Q_UNUSED(parent);
}

ListViewCallItem::~ListViewCallItem()
{
}

int ListViewCallItem::type()
{
    return TypeCall;
}

void ListViewCallItem::setLabelText(QString text)
{
    m_labelText = text;
}

QString ListViewCallItem::labelText() const
{
    return m_labelText;
}

void ListViewCallItem::setHistoryTimeText(QString const& text)
{
    m_historyTimeText = text;
}

QString ListViewCallItem::historyTimeText() const
{
    return m_historyTimeText;
}

void ListViewCallItem::setCallItemMode(int mode)
{
    m_callItemMode = mode;
}

int ListViewCallItem::callItemMode() const
{
    return m_callItemMode;
}

void ListViewCallItem::setItemIndex(int index)
{
    m_itemIndex = index;
}

int ListViewCallItem::itemIndex()
{
    return m_itemIndex;
}

QString ListViewCallItem::iconPath(int mode, int icon, bool press)
{
    if (mode == 1)
        return lookUp(kHistoryIcons, icon);
    if (mode == 2)
        return press ? lookUp(kActivePressIcons, icon) : lookUp(kActiveIcons, icon);
    return QString();
}

void ListViewCallItem::setThumbnail(int icon)
{
    const QString path = iconPath(m_callItemMode, icon, false);
    if (!path.isEmpty())
        m_thumbnail = QPixmap(path);
    // An active call always shows its timer, whatever icon the page asked for.
    if (m_callItemMode == 2)
        m_timerShown = true;
}

void ListViewCallItem::setPressThumbnail(int icon)
{
    const QString path = iconPath(m_callItemMode, icon, true);
    if (!path.isEmpty())
        m_pressThumbnail = QPixmap(path);
}

void ListViewCallItem::setThumbnailPath(QString path)
{
    QPixmap image(path);
    if (image.isNull())
        image = QPixmap(QString::fromLatin1(kDefaultThumbnail));
    m_thumbnail = image;
}

QPixmap ListViewCallItem::thumbnail() const
{
    return m_thumbnail;
}

QPixmap ListViewCallItem::pressThumbnail() const
{
    return m_pressThumbnail;
}

bool ListViewCallItem::isTimerShown() const
{
    return m_timerShown;
}

QString ListViewCallItem::timeText() const
{
    return m_timeText;
}

bool ListViewCallItem::setStartTime(int seconds)
{
    qDebug() << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) : "
             << seconds;
    m_startOffset = seconds;
    return true;
}

void ListViewCallItem::startTime()
{
    qDebug() << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------";
    m_callTimer.restart();
}

void ListViewCallItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);

    QPixmap image = (selected() && !m_pressThumbnail.isNull()) ? m_pressThumbnail : m_thumbnail;
    if (m_callItemMode == 0)
        image = image.scaled(27, 27, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool noImage = m_callItemMode == 3 || m_callItemMode == 4;
    if (!noImage) {
        int top = r.top() + (r.height() - image.height()) / 2;
        if (m_callItemMode == 1)
            top += 1;
        p->drawPixmap(r.left() + 10, top, image);
    }
    const int offset = noImage ? 5 : image.width() + 5;

    QFont font = p->font();
    font.setPixelSize(20);
    p->setFont(font);

    const int w = r.width() - offset - 5;
    // The shortened label replaces the stored one: it stays shortened until setLabelText.
    m_labelText = p->fontMetrics().elidedText(m_labelText, Qt::ElideRight, w);
    const QRect labelBox(r.left() + offset + 5, r.top(), w, r.height());
    if (m_callItemMode == 4) {
        QFont underlined = font;
        underlined.setUnderline(true);
        p->setFont(underlined);
        p->drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter, m_labelText);
        p->setFont(font);
    } else {
        p->drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter, m_labelText);
    }

    if (m_callItemMode == 1) {
        font.setPixelSize(19);
        p->setFont(font);
        p->drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter, m_historyTimeText);
    }

    if (m_timerShown) {
        font.setPixelSize(19);
        p->setFont(font);
        // Before startTime() the timer has not run: only the start offset counts.
        // The timer counts within one day, like a clock time: it wraps after 24 hours.
        const int elapsed = m_callTimer.isValid() ? int(m_callTimer.elapsed() % 86400000) : 0;
        const int s = elapsed / 1000 + m_startOffset;
        const QChar zero(QLatin1Char('0'));
        // "%02d" style: two digits at least, the hours grow past 99.
        m_timeText = QString::fromLatin1("%1:%2:%3")
                         .arg(s / 3600, 2, 10, zero)
                         .arg((s / 60) % 60, 2, 10, zero)
                         .arg(s % 60, 2, 10, zero);
        p->drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter, m_timeText);
    }
    p->restore();
}

void ListViewCallItem::drawBg(QPainter* p, QRect& r)
{
    if (!p || !selected())
        return;
    const QPixmap left = picture(QString::fromLatin1(":/ui/images/call_hold_bg_left.png"));
    const QPixmap center = picture(QString::fromLatin1(":/ui/images/call_hold_bg_center.png"));
    const QPixmap right = picture(QString::fromLatin1(":/ui/images/call_hold_bg_right.png"));
    const int h = left.height();
    p->drawPixmap(QRect(r.left() + 29, r.top(), left.width(), h), left);
    const int run = 157 - left.width() - right.width();
    for (int i = 0; i < run; ++i)
        p->drawPixmap(QRect(r.left() + 29 + left.width() + i, r.top(), center.width(), h), center);
    p->drawPixmap(QRect(r.left() + 186 - right.width(), r.top(), right.width(), h), right);
}
