#ifndef TIMELABEL_H
#define TIMELABEL_H

#include <QLabel>
#include <QString>

// The status bar's clock: the current time, right-aligned, in 24- or 12-hour form.
class TimeLabel : public QLabel
{
public:
    explicit TimeLabel(QWidget* parent = 0);
    virtual ~TimeLabel();

    void setTime24Hour(bool on);
    bool time24Hour() const;

    // The string drawn by the last paint; empty before the first one.
    QString text() const;

    // Called by the status bar every second: follows the host's clock format.
    void changeTimeBlinkFlag();

protected:
    virtual void paintEvent(QPaintEvent* e);

private:
    bool m_time24Hour;
    bool m_blinkFlag;
    QString m_text;
};

#endif
