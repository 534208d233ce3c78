#ifndef LISTVIEWCHECKLINEEDITITEM_H
#define LISTVIEWCHECKLINEEDITITEM_H

#include "ListViewItem.h"

// A check box at the left, an optional title and an optional input box. With the input box
// off the row reports the check-row type and the list toggles it like a check row.
class ListViewCheckLineEditItem : public ListViewItem
{
public:
    // Title shown.
    ListViewCheckLineEditItem(QString const& title, bool const& checked, bool const& useEditText,
                              QString const& editText);
    // Input box on, no title.
    ListViewCheckLineEditItem(QString const& title, bool const& checked, QString const& editText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;
    // A positive margin counts only while the title is shown.
    int editTextLeftMargin() override;
    void setEditTextLeftMargin(int margin) override;

    void setChecked(bool const& checked);
    bool isChecked() const;
    void setIsNoValueChange(bool noValueChange);
    bool isNoValueChange() const;
    void setEditText(QString const& text);
    QString editText() const;
    void setMaxLength(int length);
    int getMaxLength() const;
    void setEchoPasswordMode(bool on);
    bool echoPasswordMode() const;
    void setUseEditText(bool use);
    bool useEditText() const;
    void setUseTitleText(bool use);
    bool useTitleText() const;
    void setEditTextDisabled(bool disabled);
    bool editTextDisabled() const;

private:
    bool m_checked;
    bool m_isNoValueChange;
    QString m_editText;
    int m_editTextLeftMargin;
    bool m_echoPasswordMode;
    int m_maxLength;
    bool m_useEditText;
    bool m_useTitleText;
    bool m_editTextDisabled;
};

#endif
