#include "ListViewDateSelectItem.h"

#include <QFont>
#include <QObject>
#include <QPainter>

ListViewDateSelectItem::ListViewDateSelectItem(QString const& title)
    : ListViewItem(title),
      m_selectTextFontPt(-1)
{
    m_weekList = defaultWeekList();
}

ListViewDateSelectItem::~ListViewDateSelectItem()
{
}

int ListViewDateSelectItem::type()
{
    return TypeDateSelect;
}

QStringList ListViewDateSelectItem::defaultWeekList()
{
    static const char* const days[] = { QT_TR_NOOP("Monday"), QT_TR_NOOP("Tuesday"),
                                        QT_TR_NOOP("Wednesday"), QT_TR_NOOP("Thursday"),
                                        QT_TR_NOOP("Friday"), QT_TR_NOOP("Saturday"),
                                        QT_TR_NOOP("Sunday") };
    QStringList list;
    for (int i = 0; i < 7; ++i) {
        // The first letters clash (Tuesday/Thursday, Saturday/Sunday), so the
        // phone shows the second one; a one-letter translation gives an empty label.
        list.append(QObject::tr(days[i]).mid(1, 1));
    }
    return list;
}

void ListViewDateSelectItem::setSelectTextFontPt(int pt)
{
    m_selectTextFontPt = pt;
}

int ListViewDateSelectItem::selectTextFontPt()
{
    return m_selectTextFontPt;
}

void ListViewDateSelectItem::setDateSelection(int day, bool on)
{
    m_dateSelection.insert(day, on);
}

bool ListViewDateSelectItem::isDataSelected(int day)
{
    return m_dateSelection.value(day, false);
}

void ListViewDateSelectItem::setWeekList(QStringList const& weekList)
{
    m_weekList = weekList;
}

QStringList ListViewDateSelectItem::weekList() const
{
    return m_weekList;
}

void ListViewDateSelectItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);

    int left = r.left() + 10;
    int width = r.width() - 192 - 10;
    QPixmap* normal = pixmap(0);
    if (normal && !normal->isNull()) {
        QPixmap* select = pixmap(1);
        bool useSelect;
        if (focusType() == eFocusTypeFloating)
            useSelect = isPressed();
        else
            useSelect = selected();
        const QPixmap* shown = (useSelect && select && !select->isNull()) ? select : normal;
        p->drawPixmap(r.left() + 10, r.top() + (r.height() - normal->height()) / 2, *shown);
        left = r.left() + 35;
        width = r.width() - 192 - 35;
    }
    p->drawText(QRect(QPoint(left, r.top()), QPoint(left + width - 1, r.bottom())),
                alignment(), text());

    p->setPen(selected() ? QColor(255, 255, 255) : QColor(0, 0, 0));
    // A short week list leaves the missing days blank.
    const int days = qMin(7, m_weekList.size());
    const bool anyChosen = !m_dateSelection.isEmpty();
    for (int i = 0; i < days; ++i) {
        const int x = r.left() + 192 + 22 * i;
        QFont font;
        const bool chosen = anyChosen && isDataSelected(i);
        font.setUnderline(chosen);
        font.setPointSize(chosen ? 20 : 18);
        p->setFont(font);
        p->drawText(QRect(QPoint(x, r.top()), QPoint(x + 21, r.bottom())),
                    Qt::AlignHCenter | Qt::AlignVCenter, m_weekList.at(i));
    }

    paintArrow(p, r);
    p->restore();
}
