#include "ListViewLineEditItem.h"

#include <QPainter>

ListViewLineEditItem::ListViewLineEditItem(QString const& title, QString const& editText)
    : ListViewItem(title),
      m_editText(editText),
      m_editTextLeftMargin(0),
      m_echoPasswordMode(false),
      m_maxLength(0),
      m_editTextDisabled(false),
      m_IPValidate(false),
      m_sipPortValidate(false),
      m_labelColor(0, 0, 0)
{
}

int ListViewLineEditItem::type()
{
    return TypeLineEdit;
}

void ListViewLineEditItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintLineEditStateFill(p, r);
    const int m = m_editTextLeftMargin;
    const int boxLeft = r.left() + 192 + m;
    const int boxWidth = r.width() - 192 - m - 6;
    paintInputBox(p, r, boxLeft, boxWidth, 4, 5);
    drawLabel(p, QRect(QPoint(boxLeft + 3, r.top() + 5), QPoint(boxLeft + boxWidth - 6, r.top() + 28)),
                alignment(), shownEditText(m_editText, m_echoPasswordMode));

    p->setPen(isItemSelectEnabled() ? m_labelColor : textDisableColor());
    drawLabel(p, QRect(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 383 - boxWidth, r.bottom())),
                alignment(), text());
    p->restore();
}

int ListViewLineEditItem::editTextLeftMargin() { return m_editTextLeftMargin; }
void ListViewLineEditItem::setEditTextLeftMargin(int margin) { m_editTextLeftMargin = margin; }

void ListViewLineEditItem::setEditText(QString const& text)
{
    m_editText = limitedEditText(text, m_maxLength);
}

QString ListViewLineEditItem::editText() const { return m_editText; }

void ListViewLineEditItem::setMaxLength(int length)
{
    m_maxLength = length;
    m_editText = limitedEditText(m_editText, length);
}

int ListViewLineEditItem::getMaxLength() const { return m_maxLength; }
void ListViewLineEditItem::setEchoPasswordMode(bool on) { m_echoPasswordMode = on; }
bool ListViewLineEditItem::echoPasswordMode() const { return m_echoPasswordMode; }
void ListViewLineEditItem::setEditTextDisabled(bool disabled) { m_editTextDisabled = disabled; }
bool ListViewLineEditItem::editTextDisabled() const { return m_editTextDisabled; }
void ListViewLineEditItem::setIPValidate(bool on) { m_IPValidate = on; }
bool ListViewLineEditItem::isIPValidate() const { return m_IPValidate; }
void ListViewLineEditItem::setSipPortValidate(bool on) { m_sipPortValidate = on; }
bool ListViewLineEditItem::isSipPortValidate() const { return m_sipPortValidate; }
void ListViewLineEditItem::setLabelColor(QColor const& color) { m_labelColor = color; }
QColor ListViewLineEditItem::labelColor() const { return m_labelColor; }
