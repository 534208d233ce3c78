#ifndef SELECTPOPUPLISTVIEW_H
#define SELECTPOPUPLISTVIEW_H

#include "ListView.h"

// The list inside a selection popup: transparent, a fixed-size scroll-bar thumb, dotted
// separators, and the focus box shown whether or not the list has the keyboard focus.
class SelectPopupListView : public ListView
{
    Q_OBJECT
public:
    explicit SelectPopupListView(QWidget* parent = 0);
    ~SelectPopupListView();

    // Kept for callers that style the popup list like a page list; only the first call counts.
    void setSelectPixmap(QPixmap const& normal, QPixmap const& pressed, QPixmap const& disabled);

    // Top of the scroll-bar thumb in a list of the given height (tests and callers that
    // place something beside the thumb).
    static int thumbTop(int height, int rows, int selected);

    enum { ThumbHeight = 40, ThumbWidth = 4 };

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap* m_selectPixmap0;
    QPixmap* m_selectPixmap1;
    QPixmap* m_selectPixmap2;
};

#endif
