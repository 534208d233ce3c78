#ifndef LISTVIEWLINEEDITCHECKITEM_H
#define LISTVIEWLINEEDITCHECKITEM_H

#include "ListViewItem.h"

// A wide text field and a small check box drawn right of the row, in the space the list
// keeps free with its right margin. The list gives it no editor and no toggling.
class ListViewLineEditCheckItem : public ListViewItem
{
public:
    ListViewLineEditCheckItem(QString const& title, bool const& checked, bool const& useEditText,
                              QString const& editText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;
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
    bool m_editTextDisabled;
};

#endif
