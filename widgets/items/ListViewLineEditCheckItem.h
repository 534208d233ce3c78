#ifndef LISTVIEWLINEEDITCHECKITEM_H
#define LISTVIEWLINEEDITCHECKITEM_H

#include "ListViewCheckTextItem.h"

// A wide text field and a small check box drawn right of the row, in the space the list
// keeps free with its right margin. The list gives it no editor and no toggling; its margin,
// use-edit-text and disabled flags are stored only.
class ListViewLineEditCheckItem : public ListViewCheckTextItem
{
public:
    ListViewLineEditCheckItem(QString const& title, bool const& checked, bool const& useEditText,
                              QString const& editText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;
};

#endif
