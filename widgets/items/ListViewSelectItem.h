#ifndef LISTVIEWSELECTITEM_H
#define LISTVIEWSELECTITEM_H

#include "ListViewItem.h"

// A title, the chosen value in grey on the right and an arrow telling that OK or Left/Right
// opens a choice.
class ListViewSelectItem : public ListViewItem
{
public:
    ListViewSelectItem(QString const& title, QString const& selectedText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setSelectedText(QString const& text);
    QString selectedText() const;
    // Width of the title box; the value box starts this far from the row's left.
    void setTextWidth(int width);
    int textWidth() const;
    // Stored only: the value is always drawn at 19 pt.
    void setSelectTextFontPt(int pt);
    int selectTextFontPt() const;

private:
    QString m_selectedText;
    int m_selectTextFontPt;
    int m_textWidth;
};

#endif
