#ifndef LISTVIEWINFOITEM_H
#define LISTVIEWINFOITEM_H

#include "ListViewItem.h"

// A title and a read-only information text in a second column.
class ListViewInfoItem : public ListViewItem
{
public:
    ListViewInfoItem(QString const& title, QString const& infoText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setInfoText(QString const& text);
    QString infoText() const;
    void setInfoAlignment(int alignment);
    // The info box runs from r.left + left margin to r.right - right margin.
    void setInfoLeftMargin(int margin);
    void setInfoRightMargin(int margin);

private:
    QString m_infoText;
    int m_infoAlignment;
    int m_infoLeftMargin;
    int m_infoRightMargin;
};

#endif
