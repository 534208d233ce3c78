#ifndef TAIL_H
#define TAIL_H

#include <QLabel>
#include <QRect>
#include <QString>
#include <QTimer>

class QAbstractButton;
class QButtonGroup;
class TailButton;

// The strip of four soft keys at the bottom of a page. The context keys under the screen
// (Qt::Key_Context1..4) map to the keys 0..3 from the left.
class Tail : public QLabel
{
    Q_OBJECT
public:
    enum { ButtonCount = 4, LongPressMs = 500 };

    explicit Tail(QWidget* parent = 0);
    virtual ~Tail();

    void setFuncButtonText(int idx, const QString& text);
    QString funcButtonText(int idx);
    TailButton* button(int idx);
    void setButtonTextColor(int idx, const QColor& color);
    // First key from min(from, to) (0 when from is no key index) whose text contains text.
    int findButtonIndex(const QString& text, int from, int to);
    int buttonWidth(int idx);
    QRect buttonGeometry(int idx);

    void setUseEraseStr(bool use);
    bool useEraseStr();
    void setEraseStr(const QString& text);

signals:
    void clicked(int idx);
    void longPress(int idx);
    void pressed(int idx, bool down);

protected:
    virtual bool event(QEvent* e);
    virtual void keyPressEvent(QKeyEvent* e);
    virtual void keyReleaseEvent(QKeyEvent* e);
    virtual void paintEvent(QPaintEvent* e);

private slots:
    void clickedFunction(QAbstractButton* btn);
    void changedIMEStatus(int status);
    void longPressTimeout();

private:
    static int keyIndex(int key);
    bool imeActive() const;

    TailButton* m_buttons[ButtonCount];
    QString m_ownText2;
    bool m_pressed;
    bool m_longPressed;
    int m_pressedKey;
    QTimer m_longPressTimer;
    bool m_windowBlocked;
    bool m_useEraseStr;
    QString m_eraseStr;
    int m_pressedIdx;
    QButtonGroup* m_group;
};

#endif
