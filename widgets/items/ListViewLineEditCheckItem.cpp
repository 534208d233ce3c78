#include "ListViewLineEditCheckItem.h"

#include <QPainter>

ListViewLineEditCheckItem::ListViewLineEditCheckItem(QString const& title, bool const& checked,
                                                     bool const& useEditText, QString const& editText)
    : ListViewItem(title, QPixmap(), QPixmap()),
      m_checked(checked),
      m_isNoValueChange(false),
      m_editText(editText),
      m_editTextLeftMargin(0),
      m_echoPasswordMode(false),
      m_maxLength(0),
      m_useEditText(useEditText),
      m_editTextDisabled(false)
{
}

int ListViewLineEditCheckItem::type()
{
    return TypeLineEditCheck;
}

void ListViewLineEditCheckItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    const int y = r.top() + 8;
    p->drawPixmap(r.right() + 59, y, picture(QStringLiteral(":/ui/images/checkbox_bg_left.png")));
    const QPixmap center = picture(QStringLiteral(":/ui/images/checkbox_bg_center.png"));
    p->drawPixmap(QRectF(r.right() + 61, y, 20, 24), center, QRectF(center.rect()));
    p->drawPixmap(r.right() + 81, y, picture(QStringLiteral(":/ui/images/checkbox_bg_right.png")));
    if (m_checked)
        p->drawPixmap(r.right() + 62, y, picture(QStringLiteral(":/ui/images/checkbox_check_icon.png")));

    const QPixmap field = picture(QStringLiteral(":/ui/images/call_hold_bg_right.png"));
    p->drawPixmap(QRectF(r.left() + 7, r.top(), 418, r.height()), field, QRectF(field.rect()));
    drawLabel(p, QRect(QPoint(r.left() + 14, r.top() + 6), QPoint(r.left() + 417, r.bottom() - 6)),
                alignment(), shownEditText(m_editText, m_echoPasswordMode));
    p->restore();
}

int ListViewLineEditCheckItem::editTextLeftMargin() { return m_editTextLeftMargin; }
void ListViewLineEditCheckItem::setEditTextLeftMargin(int margin) { m_editTextLeftMargin = margin; }
void ListViewLineEditCheckItem::setChecked(bool const& checked) { m_checked = checked; }
bool ListViewLineEditCheckItem::isChecked() const { return m_checked; }
void ListViewLineEditCheckItem::setIsNoValueChange(bool noValueChange) { m_isNoValueChange = noValueChange; }
bool ListViewLineEditCheckItem::isNoValueChange() const { return m_isNoValueChange; }

void ListViewLineEditCheckItem::setEditText(QString const& text)
{
    m_editText = m_maxLength != 0 ? text.left(m_maxLength) : text;
}

QString ListViewLineEditCheckItem::editText() const { return m_editText; }

void ListViewLineEditCheckItem::setMaxLength(int length)
{
    m_maxLength = length;
    if (length != 0)
        m_editText = m_editText.left(length);
}

int ListViewLineEditCheckItem::getMaxLength() const { return m_maxLength; }
void ListViewLineEditCheckItem::setEchoPasswordMode(bool on) { m_echoPasswordMode = on; }
bool ListViewLineEditCheckItem::echoPasswordMode() const { return m_echoPasswordMode; }
void ListViewLineEditCheckItem::setUseEditText(bool use) { m_useEditText = use; }
bool ListViewLineEditCheckItem::useEditText() const { return m_useEditText; }
void ListViewLineEditCheckItem::setEditTextDisabled(bool disabled) { m_editTextDisabled = disabled; }
bool ListViewLineEditCheckItem::editTextDisabled() const { return m_editTextDisabled; }
