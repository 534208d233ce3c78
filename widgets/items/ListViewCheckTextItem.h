#ifndef LISTVIEWCHECKTEXTITEM_H
#define LISTVIEWCHECKTEXTITEM_H

#include "ListViewItem.h"

// State shared by the two rows that combine a check box with an edit text
// (ListViewCheckLineEditItem and ListViewLineEditCheckItem): the check flags that the list's
// check-row handling reads, the text with its length rule, password echo, the margin of the
// input box and the switches for the text. Not a row of its own.
class ListViewCheckTextItem : public ListViewItem
{
public:
    int editTextLeftMargin() override;
    void setEditTextLeftMargin(int margin) override;

    void setChecked(bool const& checked);
    bool isChecked() const;
    // True: the list leaves the checked state alone on OK and the page decides.
    void setIsNoValueChange(bool noValueChange);
    bool isNoValueChange() const;
    // Cut to the maximum length when one is set.
    void setEditText(QString const& text);
    QString editText() const;
    // 0 means no limit; a new limit also cuts the stored text.
    void setMaxLength(int length);
    int getMaxLength() const;
    void setEchoPasswordMode(bool on);
    bool echoPasswordMode() const;
    void setUseEditText(bool use);
    bool useEditText() const;
    void setEditTextDisabled(bool disabled);
    bool editTextDisabled() const;

protected:
    ListViewCheckTextItem(QString const& title, bool checked, bool useEditText, QString const& editText);

private:
    bool m_checked;
    bool m_isNoValueChange;
    QString m_editText;
    int m_editTextLeftMargin;
    bool m_echoPasswordMode;
    int m_maxLength;
    bool m_useEditText;
    bool m_editTextDisabled;
};

#endif
