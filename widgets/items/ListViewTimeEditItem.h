#ifndef LISTVIEWTIMEEDITITEM_H
#define LISTVIEWTIMEEDITITEM_H

#include "ListViewItem.h"

// A title, a time in an input box, and optionally an AM/PM text with the select arrow. The
// list lays its time editor over the box while the row is focused.
class ListViewTimeEditItem : public ListViewItem
{
public:
    ListViewTimeEditItem(QString const& title, QString const& time, QString const& ampm);
    ~ListViewTimeEditItem() override;

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setTime(QString const& time);
    QString getTime();
    void setAMPM(QString const& ampm);
    QString getAMPM();
    void setUse_ampmSelection(bool use);
    bool use_ampmSelection() const;

private:
    QString m_time;
    QString m_ampm;
    bool m_useAmpmSelection;
};

#endif
