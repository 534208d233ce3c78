#ifndef LISTVIEWLINEEDITITEM_H
#define LISTVIEWLINEEDITITEM_H

#include "ListViewItem.h"

// A title on the left and an input box on the right. The row only holds and draws the
// text; the list lays its own editor over the box and writes changes back.
class ListViewLineEditItem : public ListViewItem
{
public:
    ListViewLineEditItem(QString const& title, QString const& editText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;
    // Moves the input box right (positive) or left (negative) from its standard place.
    int editTextLeftMargin() override;
    void setEditTextLeftMargin(int margin) override;

    // Cut to the maximum length when one is set.
    void setEditText(QString const& text);
    QString editText() const;
    // 0 means no limit; a new limit also cuts the stored text.
    void setMaxLength(int length);
    int getMaxLength() const;
    void setEchoPasswordMode(bool on);
    bool echoPasswordMode() const;
    void setEditTextDisabled(bool disabled);
    bool editTextDisabled() const;
    void setIPValidate(bool on);
    bool isIPValidate() const;
    void setSipPortValidate(bool on);
    bool isSipPortValidate() const;
    void setLabelColor(QColor const& color);
    QColor labelColor() const;

private:
    QString m_editText;
    int m_editTextLeftMargin;
    bool m_echoPasswordMode;
    int m_maxLength;
    bool m_editTextDisabled;
    bool m_IPValidate;
    bool m_sipPortValidate;
    QColor m_labelColor;
};

#endif
