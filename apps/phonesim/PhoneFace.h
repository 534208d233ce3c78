#ifndef PHONEFACE_H
#define PHONEFACE_H

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QImage;

// The desk phone around its screen, as the VNC display shows it: the screen enlarged 1 to 4
// times with crisp pixels, the phone's keys under it (soft keys, arrows and OK, back, the
// hot keys), the host's keys, and a legend of the PC keys. Each key stands for the PC key
// that does the same, so a click and a key press take one path.
class PhoneFace
{
public:
    enum { MinZoom = 1, MaxZoom = 4 };

    struct Key {
        QRect rect;
        QString label;
        QString hint;   // the PC key, drawn small
        int pcKey;      // Qt key code of the PC keyboard
    };

    explicit PhoneFace(int zoom = 2);

    int zoom() const;
    QSize size() const;
    // Where the 384 x 160 screen lies, at the zoom.
    QRect screenRect() const;
    QList<Key> keys() const;
    // The key under a point of the face, or null.
    const Key* keyAt(const QPoint& point) const;

    // The whole face with the screen in it; pressedKey (a pcKey, 0 for none) drawn pressed.
    void paint(QImage* target, const QImage& screen, int pressedKey) const;
    // Only the part of the screen given in screen pixels.
    void paintScreen(QImage* target, const QImage& screen, const QRect& part) const;
    void paintKey(QImage* target, const Key& key, bool pressed) const;

private:
    void layOut();

    int m_zoom;
    QSize m_size;
    QRect m_screen;
    QRect m_legend;
    QList<Key> m_keys;
};

#endif
