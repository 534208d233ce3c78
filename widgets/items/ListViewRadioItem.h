#ifndef LISTVIEWRADIOITEM_H
#define LISTVIEWRADIOITEM_H

#include "ListViewItem.h"

// A title and a radio mark at the right, from images or as painted circles.
class ListViewRadioItem : public ListViewItem
{
public:
    ListViewRadioItem(QString const& title, bool const& checked);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setChecked(bool const& checked);
    bool isChecked() const;
    void setUseImage(bool useImage);
    bool useImage() const;

private:
    bool m_checked;
    bool m_useImage;
};

#endif
