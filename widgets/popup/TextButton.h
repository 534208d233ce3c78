#ifndef TEXTBUTTON_H
#define TEXTBUTTON_H

#include <QPushButton>

// Push button drawn as a rounded outline with centred text; the face shifts when pressed.
class TextButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TextButton(QWidget* parent = 0);

protected:
    void paintEvent(QPaintEvent* event);

private:
    int m_leftGap;
    int m_rightGap;
};

#endif
