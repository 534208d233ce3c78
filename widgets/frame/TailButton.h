#ifndef TAILBUTTON_H
#define TAILBUTTON_H

#include <QPushButton>

// One soft key of the soft-key bar. A few reserved texts are drawn as pictures.
class TailButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TailButton(QWidget* parent = 0);
    virtual ~TailButton();

    float startPos() const;
    void setStartPos(float pos);
    float endPos() const;
    void setEndPos(float pos);

protected:
    virtual void paintEvent(QPaintEvent* e);

private:
    float m_startPos;
    float m_endPos;
};

#endif
