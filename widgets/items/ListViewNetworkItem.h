#ifndef LISTVIEWNETWORKITEM_H
#define LISTVIEWNETWORKITEM_H

#include "ListViewItem.h"

// A title, an information text and a Wi-Fi signal icon.
class ListViewNetworkItem : public ListViewItem
{
public:
    ListViewNetworkItem(QString const& title, QString const& infoText);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    // Stored only: the text is always drawn at 20 pt.
    void setInfoTextFontPt(int pt);
    int infoTextFontPt() const;
    // 1 to 5 show the step icons 0 to 4; any other value the unknown icon.
    void setSignalStep(int step);
    int signalStep() const;
    // Hold icons instead of the plain ones.
    void setHold(bool hold);
    bool isHold() const;

private:
    QString m_infoText;
    int m_signalStep;
    int m_infoTextFontPt;
    bool m_hold;
};

#endif
