#include "ListViewCheckLineEditItem.h"

#include <QPainter>

ListViewCheckLineEditItem::ListViewCheckLineEditItem(QString const& title, bool const& checked,
                                                     bool const& useEditText, QString const& editText)
    : ListViewItem(title, QPixmap(), QPixmap()),
      m_checked(checked),
      m_isNoValueChange(false),
      m_editText(editText),
      m_editTextLeftMargin(0),
      m_echoPasswordMode(false),
      m_maxLength(0),
      m_useEditText(useEditText),
      m_useTitleText(true),
      m_editTextDisabled(false)
{
}

ListViewCheckLineEditItem::ListViewCheckLineEditItem(QString const& title, bool const& checked,
                                                     QString const& editText)
    : ListViewCheckLineEditItem(title, checked, true, editText)
{
    m_useTitleText = false;
}

int ListViewCheckLineEditItem::type()
{
    return m_useEditText ? TypeCheckLineEdit : TypeCheck;
}

void ListViewCheckLineEditItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintLineEditStateFill(p, r);
    const QPixmap box = picture(QStringLiteral(":/ui/images/widget/checkbox.png"));
    const QPoint at(r.left() + 10, r.top() + (r.height() - box.height()) / 2 - 1);
    p->drawPixmap(at, box);
    if (m_checked)
        p->drawPixmap(at, picture(QStringLiteral(":/ui/images/widget/checkbox_check.png")));

    if (m_useTitleText) {
        const int left = r.left() + box.width() + 20;
        drawLabel(p, QRect(QPoint(left, r.top()), QPoint(left + r.width() - 232 - 1, r.bottom())),
                    alignment(), text());
    }
    if (m_useEditText) {
        int m = m_editTextLeftMargin;
        if (!m_useTitleText && m > 0)
            m = 0;
        const int boxLeft = r.left() + 192 + m;
        const int boxWidth = r.width() - 192 - m - 6;
        paintInputBox(p, r, boxLeft, boxWidth, 3, 4);
        drawLabel(p, QRect(QPoint(boxLeft + 4, r.top() + 5), QPoint(boxLeft + boxWidth - 5, r.top() + 28)),
                    alignment(), shownEditText(m_editText, m_echoPasswordMode));
    }
    p->restore();
}

int ListViewCheckLineEditItem::editTextLeftMargin() { return m_editTextLeftMargin; }
void ListViewCheckLineEditItem::setEditTextLeftMargin(int margin) { m_editTextLeftMargin = margin; }
void ListViewCheckLineEditItem::setChecked(bool const& checked) { m_checked = checked; }
bool ListViewCheckLineEditItem::isChecked() const { return m_checked; }
void ListViewCheckLineEditItem::setIsNoValueChange(bool noValueChange) { m_isNoValueChange = noValueChange; }
bool ListViewCheckLineEditItem::isNoValueChange() const { return m_isNoValueChange; }

void ListViewCheckLineEditItem::setEditText(QString const& text)
{
    m_editText = m_maxLength != 0 ? text.left(m_maxLength) : text;
}

QString ListViewCheckLineEditItem::editText() const { return m_editText; }

void ListViewCheckLineEditItem::setMaxLength(int length)
{
    m_maxLength = length;
    if (length != 0)
        m_editText = m_editText.left(length);
}

int ListViewCheckLineEditItem::getMaxLength() const { return m_maxLength; }
void ListViewCheckLineEditItem::setEchoPasswordMode(bool on) { m_echoPasswordMode = on; }
bool ListViewCheckLineEditItem::echoPasswordMode() const { return m_echoPasswordMode; }
void ListViewCheckLineEditItem::setUseEditText(bool use) { m_useEditText = use; }
bool ListViewCheckLineEditItem::useEditText() const { return m_useEditText; }
void ListViewCheckLineEditItem::setUseTitleText(bool use) { m_useTitleText = use; }
bool ListViewCheckLineEditItem::useTitleText() const { return m_useTitleText; }
void ListViewCheckLineEditItem::setEditTextDisabled(bool disabled) { m_editTextDisabled = disabled; }
bool ListViewCheckLineEditItem::editTextDisabled() const { return m_editTextDisabled; }
