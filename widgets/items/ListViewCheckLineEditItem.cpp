#include "ListViewCheckLineEditItem.h"

#include <QPainter>

ListViewCheckLineEditItem::ListViewCheckLineEditItem(QString const& title, bool const& checked,
                                                     bool const& useEditText, QString const& editText)
    : ListViewCheckTextItem(title, checked, useEditText, editText),
      m_useTitleText(true)
{
}

ListViewCheckLineEditItem::ListViewCheckLineEditItem(QString const& title, bool const& checked,
                                                     QString const& editText)
    : ListViewCheckTextItem(title, checked, true, editText),
      m_useTitleText(false)
{
}

int ListViewCheckLineEditItem::type()
{
    return useEditText() ? TypeCheckLineEdit : TypeCheck;
}

void ListViewCheckLineEditItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintLineEditStateFill(p, r);
    const QPixmap box = picture(QLatin1String(":/ui/images/widget/checkbox.png"));
    const QPoint at(r.left() + 10, r.top() + (r.height() - box.height()) / 2 - 1);
    p->drawPixmap(at, box);
    if (isChecked())
        p->drawPixmap(at, picture(QLatin1String(":/ui/images/widget/checkbox_check.png")));

    if (m_useTitleText) {
        const int left = r.left() + box.width() + 20;
        drawLabel(p, QRect(QPoint(left, r.top()), QPoint(left + r.width() - 232 - 1, r.bottom())),
                    alignment(), text());
    }
    if (useEditText()) {
        int m = editTextLeftMargin();
        if (!m_useTitleText && m > 0)
            m = 0;
        const int boxLeft = r.left() + 192 + m;
        const int boxWidth = r.width() - 192 - m - 6;
        paintInputBox(p, r, boxLeft, boxWidth, 3, 4);
        drawLabel(p, QRect(QPoint(boxLeft + 4, r.top() + 5), QPoint(boxLeft + boxWidth - 5, r.top() + 28)),
                    alignment(), shownEditText(editText(), echoPasswordMode()));
    }
    p->restore();
}

void ListViewCheckLineEditItem::setUseTitleText(bool use) { m_useTitleText = use; }
bool ListViewCheckLineEditItem::useTitleText() const { return m_useTitleText; }
