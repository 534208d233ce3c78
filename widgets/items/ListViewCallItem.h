#ifndef LISTVIEWCALLITEM_H
#define LISTVIEWCALLITEM_H

#include "ListViewItem.h"

#include <QPixmap>
#include <QElapsedTimer>

class QWidget;

// One entry of a call list: a thumbnail or call icon, a label and, on the right, the history
// time or a running call timer. The row keeps no timer of its own: the page repaints the list
// while a call is shown and the timer text is recomputed on every paint.
//
// Modes: 0 thumbnail scaled to 27x27, 1 history icon, 2 active-call icon with timer,
// 3 no image, 4 no image and underlined label; any other mode draws the image as it is.
class ListViewCallItem : public ListViewItem
{
public:
    explicit ListViewCallItem(QString const& label);
    ListViewCallItem(int mode, QWidget* parent);
    ~ListViewCallItem() override;

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    void setLabelText(QString text);
    QString labelText() const;
    void setHistoryTimeText(QString const& text);
    QString historyTimeText() const;
    void setCallItemMode(int mode);
    int callItemMode() const;
    void setItemIndex(int index);
    int itemIndex();

    // Icon numbers pick the picture from the current mode's table (modes 1 and 2 only);
    // an unknown number leaves the picture as it was.
    void setThumbnail(int icon);
    void setPressThumbnail(int icon);
    // Any file or resource path; the default thumbnail when it does not load.
    void setThumbnailPath(QString path);
    QPixmap thumbnail() const;
    QPixmap pressThumbnail() const;

    bool isTimerShown() const;
    QString timeText() const;
    // Seconds already elapsed when the call timer is (re)started.
    bool setStartTime(int seconds);
    void startTime();

    // Highlighted hold background of an active call, 157 pixels wide; pages call it.
    void drawBg(QPainter* p, QRect& r);

private:
    static QString iconPath(int mode, int icon, bool press);

    QString m_labelText;
    QString m_timeText;
    QString m_historyTimeText;
    QPixmap m_thumbnail;
    QPixmap m_pressThumbnail;
    int m_callItemMode;
    bool m_timerShown;
    QElapsedTimer m_callTimer;
    int m_startOffset;
    int m_itemIndex;
};

#endif
