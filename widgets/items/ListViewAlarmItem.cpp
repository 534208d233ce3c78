#include "ListViewAlarmItem.h"

#include "ListViewDateSelectItem.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

ListViewAlarmItem::ListViewAlarmItem(QString const& title, QString const& alarmName,
                                     bool const& checked)
    : ListViewItem(title),
      m_checked(checked),
      m_alarmName(alarmName),
      m_infoAlignment(Qt::AlignLeft | Qt::AlignVCenter),
      m_selectTextFontPt(-1)
{
    m_weekList = ListViewDateSelectItem::defaultWeekList();
}

ListViewAlarmItem::~ListViewAlarmItem()
{
}

int ListViewAlarmItem::type()
{
    return TypeAlarm;
}

void ListViewAlarmItem::setAlarmName(QString const& name)
{
    m_alarmName = name;
}

QString ListViewAlarmItem::alarmName()
{
    return m_alarmName;
}

void ListViewAlarmItem::setInfoAlignment(int alignment)
{
    m_infoAlignment = alignment;
}

void ListViewAlarmItem::setChecked(bool const& checked)
{
    m_checked = checked;
}

bool ListViewAlarmItem::isChecked()
{
    return m_checked;
}

void ListViewAlarmItem::setSelectTextFontPt(int pt)
{
    m_selectTextFontPt = pt;
}

int ListViewAlarmItem::selectTextFontPt()
{
    return m_selectTextFontPt;
}

void ListViewAlarmItem::setDateSelection(int day, bool on)
{
    m_dateSelection.insert(day, on);
}

bool ListViewAlarmItem::isDataSelected(int day)
{
    return m_dateSelection.value(day, false);
}

void ListViewAlarmItem::setWeekList(QStringList const& weekList)
{
    m_weekList = weekList;
}

QStringList ListViewAlarmItem::weekList() const
{
    return m_weekList;
}

void ListViewAlarmItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);

    p->drawText(QRect(QPoint(r.left() + 15, r.top()), QPoint(r.left() + 229, r.bottom())),
                alignment(), text());

    // The check box sits right of the row, in the list's right margin.
    const int top = r.top() + 8;
    p->drawPixmap(r.right() + 59, top, picture(QString::fromLatin1(":/ui/images/checkbox_bg_left.png")));
    p->drawPixmap(QRect(r.right() + 61, top, 20, 24),
                  picture(QString::fromLatin1(":/ui/images/checkbox_bg_center.png")));
    p->drawPixmap(r.right() + 81, top, picture(QString::fromLatin1(":/ui/images/checkbox_bg_right.png")));
    if (m_checked) {
        p->drawPixmap(r.right() + 62, top,
                      picture(QString::fromLatin1(":/ui/images/checkbox_check_icon.png")));
    }

    p->drawText(QRect(QPoint(r.left() + 95, r.top()), QPoint(r.left() + 299, r.bottom())),
                m_infoAlignment, p->fontMetrics().elidedText(m_alarmName, Qt::ElideRight, 205));

    QFont font;
    font.setPointSize(18);
    p->setFont(font);
    const QColor plain = selected() ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor chosen("#e01c00");
    const bool anyChosen = !m_dateSelection.isEmpty();
    // A short week list leaves the missing days blank.
    const int days = qMin(7, m_weekList.size());
    for (int i = 0; i < days; ++i) {
        const int x = r.right() - 77 + 18 * i;
        p->setPen(anyChosen && isDataSelected(i) ? chosen : plain);
        p->drawText(QRect(QPoint(x, r.top()), QPoint(x + 17, r.bottom())),
                    Qt::AlignHCenter | Qt::AlignVCenter, m_weekList.at(i));
    }
    p->restore();
}
