#include "ListViewSubTitleItem.h"

#include "PhoneQt.h"
#include "textClass.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

ListViewSubTitleItem::ListViewSubTitleItem(QString const& title)
    : ListViewItem(title),
      m_groupNameItem(false),
      m_subtitleAlignmentSet(false),
      m_subtitleAlignment(0),
      m_textWidth(-1),
      m_useTextShadow(0)
{
}

ListViewSubTitleItem::~ListViewSubTitleItem()
{
    while (!m_subTitles.isEmpty())
        delete m_subTitles.takeLast();
}

int ListViewSubTitleItem::type()
{
    return TypeSubTitle;
}

void ListViewSubTitleItem::addSubTitle(QString const& text, int x, int pointSize,
                                       QColor const& color, QColor const& selectColor)
{
    textClass* run = new textClass(text);
    run->settextX(x);
    run->setTextPt(pointSize);
    run->setTextColor(color);
    run->setTextSelecteColor(selectColor);
    m_subTitles.append(run);
}

textClass* ListViewSubTitleItem::subTitle(int index)
{
    if (index < 0 || index >= m_subTitles.size()) {
        qDebug() << "ListViewSubTitleItem::subTitle index err";
        return 0;
    }
    return m_subTitles.at(index);
}

int ListViewSubTitleItem::subTitleCount() const
{
    return m_subTitles.size();
}

void ListViewSubTitleItem::setGroupNameItem(bool const& groupName)
{
    m_groupNameItem = groupName;
}

bool ListViewSubTitleItem::isGroupNameItem()
{
    return m_groupNameItem;
}

int ListViewSubTitleItem::setSubtitleAlignment(int alignment)
{
    m_subtitleAlignment = alignment;
    m_subtitleAlignmentSet = true;
    return 0;
}

void ListViewSubTitleItem::setTextWidth(int width)
{
    m_textWidth = width;
}

int ListViewSubTitleItem::textWidth() const
{
    return m_textWidth;
}

void ListViewSubTitleItem::setUseTextShadow(int use)
{
    m_useTextShadow = use;
}

int ListViewSubTitleItem::useTextShadow() const
{
    return m_useTextShadow;
}

void ListViewSubTitleItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);

    QRect titleBox;
    QPixmap* normal = pixmap(0);
    if (normal && !normal->isNull()) {
        QPixmap* select = pixmap(1);
        bool useSelect;
        if (focusType() == eFocusTypeFloating)
            useSelect = isPressed();
        else
            useSelect = hasFocus() && selected();
        const QPixmap* shown = (useSelect && select) ? select : normal;
        const int top = normal->height() >= r.height()
                            ? r.top() + 9
                            : r.top() + (r.height() - normal->height()) / 2;
        p->drawPixmap(r.left() + 10, top, *shown);
        const int right = m_textWidth == -1 ? r.right() - 18 : r.left() + 35 + m_textWidth - 1;
        titleBox = QRect(QPoint(r.left() + 35, r.top()), QPoint(right, r.bottom()));
    } else {
        const int right = m_textWidth == -1 ? r.right() - 5 : r.left() + 10 + m_textWidth - 1;
        titleBox = QRect(QPoint(r.left() + 10, r.top()), QPoint(right, r.bottom()));
        if (m_groupNameItem)
            titleBox.translate(0, -10);
    }

    const QString title = p->fontMetrics().elidedText(text(), Qt::ElideRight, titleBox.width());
    p->drawText(titleBox, alignment(), title);
    int pos = titleBox.left() + phoneTextWidth(p->fontMetrics(), title);

    const int last = m_subTitles.size() - 1;
    for (int i = 0; i <= last; ++i) {
        const textClass* run = m_subTitles.at(i);
        if (run->textX() == -1)
            pos += 10;
        else
            pos = run->textX();

        // The row's colours, not the run's own.
        p->setPen(hasFocus() && selected() ? textSelectColor() : textColor());

        const int runRight = pos + run->textWidth() - scrollBarAreaWidth() - 1;
        QRect runBox;
        if (m_groupNameItem)
            runBox = QRect(QPoint(r.left() + pos, r.top() + 5),
                           QPoint(r.left() + runRight, r.bottom() + 5));
        else
            runBox = QRect(QPoint(pos, r.top()), QPoint(runRight, r.bottom()));

        // A flowing run advances by its width in the font before its own is applied.
        if (run->textX() < 0)
            pos += phoneTextWidth(p->fontMetrics(), run->text());

        if (run->textPt() >= 0) {
            QFont font;
            // Point size 0 is no size at all: keep the application default.
            if (run->textPt() > 0)
                font.setPointSize(run->textPt());
            p->setFont(font);
        }

        if (!m_subtitleAlignmentSet) {
            p->drawText(runBox, run->alignment(),
                        p->fontMetrics().elidedText(run->text(), Qt::ElideRight, runBox.width()));
        } else if (i == last) {
            p->drawText(QRect(QPoint(r.left() + run->textX(), r.top()),
                              QPoint(r.left() + run->textX() + 141, r.bottom())),
                        m_subtitleAlignment, run->text());
        } else {
            p->drawText(runBox, run->alignment(), run->text());
        }
    }
    p->restore();
}
