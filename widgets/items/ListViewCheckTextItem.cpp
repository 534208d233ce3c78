#include "ListViewCheckTextItem.h"

ListViewCheckTextItem::ListViewCheckTextItem(QString const& title, bool checked, bool useEditText,
                                             QString const& editText)
    : ListViewItem(title),
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

int ListViewCheckTextItem::editTextLeftMargin() { return m_editTextLeftMargin; }
void ListViewCheckTextItem::setEditTextLeftMargin(int margin) { m_editTextLeftMargin = margin; }
void ListViewCheckTextItem::setChecked(bool const& checked) { m_checked = checked; }
bool ListViewCheckTextItem::isChecked() const { return m_checked; }
void ListViewCheckTextItem::setIsNoValueChange(bool noValueChange) { m_isNoValueChange = noValueChange; }
bool ListViewCheckTextItem::isNoValueChange() const { return m_isNoValueChange; }
void ListViewCheckTextItem::setEditText(QString const& text) { m_editText = limitedEditText(text, m_maxLength); }
QString ListViewCheckTextItem::editText() const { return m_editText; }

void ListViewCheckTextItem::setMaxLength(int length)
{
    m_maxLength = length;
    m_editText = limitedEditText(m_editText, length);
}

int ListViewCheckTextItem::getMaxLength() const { return m_maxLength; }
void ListViewCheckTextItem::setEchoPasswordMode(bool on) { m_echoPasswordMode = on; }
bool ListViewCheckTextItem::echoPasswordMode() const { return m_echoPasswordMode; }
void ListViewCheckTextItem::setUseEditText(bool use) { m_useEditText = use; }
bool ListViewCheckTextItem::useEditText() const { return m_useEditText; }
void ListViewCheckTextItem::setEditTextDisabled(bool disabled) { m_editTextDisabled = disabled; }
bool ListViewCheckTextItem::editTextDisabled() const { return m_editTextDisabled; }
