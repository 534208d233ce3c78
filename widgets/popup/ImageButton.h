#ifndef IMAGEBUTTON_H
#define IMAGEBUTTON_H

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

// Soft-key style button: a picture pair (normal/pressed) or a text label; a few symbolic
// labels are shown as the host's soft-key pictures.
class ImageButton : public QWidget
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = 0);

    void setIcon(const QPixmap& icon);
    void setPressIcon(const QPixmap& icon);
    QString text() const;
    void setText(const QString& text);
    bool hover() const;
    void setHover(bool hover);
    int leftGap() const;
    void setLeftGap(int gap);
    int rightGap() const;
    void setRightGap(int gap);
    QColor bgColor() const;
    void setBgColor(const QColor& color);

    // Resource path of the soft-key picture a label stands for, empty for plain text.
    static QString symbolPicture(const QString& text, bool hover);

signals:
    void clicked();
    void isHover(bool hover);

protected:
    void keyPressEvent(QKeyEvent* event);
    void keyReleaseEvent(QKeyEvent* event);
    void mouseReleaseEvent(QMouseEvent* event);
    void paintEvent(QPaintEvent* event);

private:
    QPixmap m_icon;
    QPixmap m_pressIcon;
    QString m_text;
    bool m_hover;
    int m_leftGap;
    int m_rightGap;
    QColor m_bgColor;
};

#endif
