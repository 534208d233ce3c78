#ifndef LISTVIEWPROGRESSITEM_H
#define LISTVIEWPROGRESSITEM_H

#include "ListViewItem.h"

// A title and a bar of equal segments showing a level between a minimum and a maximum;
// the list steps it with Left/Right and the volume keys.
class ListViewProgressItem : public ListViewItem
{
public:
    // The maximum is taken as given, beyond the limit of setMaxValue().
    ListViewProgressItem(QString const& title, int maxValue);

    int type() override;
    void paint(QPainter* p, QRect& r) override;

    // Clamped into minValue..maxValue (minValue wins when they cross).
    void setValue(int value);
    int value() const;
    // Never above maxValue.
    void setMinValue(int value);
    int minValue() const;
    // At most 15 segments; larger values are refused.
    void setMaxValue(int value);
    int maxValue() const;
    void setStep(int step);
    int step() const;
    // True: only the title is drawn.
    void setUseSlider(bool useSlider);
    bool useSlider() const;

private:
    int m_step;
    int m_value;
    int m_minValue;
    int m_maxValue;
    bool m_useSlider;
};

#endif
