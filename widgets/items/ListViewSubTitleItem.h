#ifndef LISTVIEWSUBTITLEITEM_H
#define LISTVIEWSUBTITLEITEM_H

#include "ListViewItem.h"

#include <QColor>
#include <QList>

class textClass;

// A title followed on the same line by text runs, each with its own position, width, point
// size and alignment. A run with x = -1 flows 10 pixels after the previous text; any other x
// is a fixed position. The group-name variant raises the title and lowers the runs.
class ListViewSubTitleItem : public ListViewItem
{
public:
    explicit ListViewSubTitleItem(QString const& title);
    ~ListViewSubTitleItem() override;

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void addSubTitle(QString const& text, int x, int pointSize, QColor const& color,
                     QColor const& selectColor);
    // The run at index (the caller may change it in place); null for a bad index.
    textClass* subTitle(int index);
    int subTitleCount() const;

    void setGroupNameItem(bool const& groupName);
    bool isGroupNameItem();
    // Alignment of the last run, which is then drawn unelided in a 142-pixel box.
    int setSubtitleAlignment(int alignment);
    // -1 lets the title run to the right edge.
    void setTextWidth(int width);
    int textWidth() const;
    void setUseTextShadow(int use);
    int useTextShadow() const;

private:
    Q_DISABLE_COPY(ListViewSubTitleItem)

    QList<textClass*> m_subTitles;
    bool m_groupNameItem;
    bool m_subtitleAlignmentSet;
    int m_subtitleAlignment;
    int m_textWidth;
    int m_useTextShadow;
};

#endif
