#ifndef LISTVIEWALARMITEM_H
#define LISTVIEWALARMITEM_H

#include "ListViewItem.h"

#include <QHash>
#include <QStringList>

// One alarm: title, name, the seven weekday labels with the chosen days in red, and a check
// box drawn in the space the list keeps free right of its rows.
class ListViewAlarmItem : public ListViewItem
{
public:
    ListViewAlarmItem(QString const& title, QString const& alarmName, bool const& checked);
    ~ListViewAlarmItem() override;

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setAlarmName(QString const& name);
    QString alarmName();
    void setInfoAlignment(int alignment);
    void setChecked(bool const& checked);
    bool isChecked();
    void setSelectTextFontPt(int pt);
    int selectTextFontPt();

    // Day 0 is Monday, 6 Sunday; other indexes are kept but never drawn.
    void setDateSelection(int day, bool on);
    bool isDataSelected(int day);
    void setWeekList(QStringList const& weekList);
    QStringList weekList() const;

private:
    bool m_checked;
    QString m_alarmName;
    int m_infoAlignment;
    int m_selectTextFontPt;
    QHash<int, bool> m_dateSelection;
    QStringList m_weekList;
};

#endif
