#ifndef LISTVIEWCHECKITEM_H
#define LISTVIEWCHECKITEM_H

#include "ListViewItem.h"

// A title and a check box at the right; the list toggles it with OK.
class ListViewCheckItem : public ListViewItem
{
public:
    ListViewCheckItem(QString const& title, bool const& checked);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setChecked(bool const& checked);
    bool isChecked() const;
    // True: the list leaves the checked state alone on OK and the page decides.
    void setIsNoValueChange(bool noValueChange);
    bool isNoValueChange() const;

private:
    bool m_checked;
    bool m_isNoValueChange;
};

#endif
