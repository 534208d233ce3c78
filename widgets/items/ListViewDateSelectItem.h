#ifndef LISTVIEWDATESELECTITEM_H
#define LISTVIEWDATESELECTITEM_H

#include "ListViewItem.h"

#include <QHash>
#include <QStringList>

// A title, the seven weekdays as short labels with the chosen days underlined, and the
// select arrow. Left/Right and OK on it make the list emit clicked().
class ListViewDateSelectItem : public ListViewItem
{
public:
    explicit ListViewDateSelectItem(QString const& title);
    ~ListViewDateSelectItem() override;

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setSelectTextFontPt(int pt);
    int selectTextFontPt();

    // Day 0 is Monday, 6 Sunday; other indexes are kept but never drawn.
    void setDateSelection(int day, bool on);
    bool isDataSelected(int day);
    void setWeekList(QStringList const& weekList);
    QStringList weekList() const;

    // One label per weekday: the second character of each translated day name.
    static QStringList defaultWeekList();

private:
    int m_selectTextFontPt;
    QHash<int, bool> m_dateSelection;
    QStringList m_weekList;
};

#endif
