#ifndef LISTVIEWCHECKLINEEDITITEM_H
#define LISTVIEWCHECKLINEEDITITEM_H

#include "ListViewCheckTextItem.h"

// A check box at the left, an optional title and an optional input box. With the input box
// off the row reports the check-row type and the list toggles it like a check row.
// A positive input box margin counts only while the title is shown.
class ListViewCheckLineEditItem : public ListViewCheckTextItem
{
public:
    // Title shown.
    ListViewCheckLineEditItem(QString const& title, bool const& checked, bool const& useEditText,
                              QString const& editText);
    // Input box on, no title.
    ListViewCheckLineEditItem(QString const& title, bool const& checked, QString const& editText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setUseTitleText(bool use);
    bool useTitleText() const;

private:
    bool m_useTitleText;
};

#endif
