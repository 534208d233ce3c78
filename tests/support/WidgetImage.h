#ifndef WIDGETIMAGE_H
#define WIDGETIMAGE_H

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;

// Renders widgets into images and reads back the pixels a test cares about.
class WidgetImage
{
public:
    // The widget (and its children) painted into an ARGB32 image of its size, over the
    // given background (transparent by default, so translucent widgets show their alpha).
    static QImage render(QWidget* widget, const QColor& background = Qt::transparent);
    // An image of the given size, ready for a row's paint(QPainter*, QRect&).
    static QImage blank(const QSize& size, const QColor& background = Qt::white);

    static QColor at(const QImage& image, int x, int y);
    static bool isColor(const QImage& image, int x, int y, const QColor& color);
    // Number of pixels of exactly this colour (alpha included) inside rect.
    static int count(const QImage& image, const QRect& rect, const QColor& color);
    // True when every pixel of rect has this colour.
    static bool allColor(const QImage& image, const QRect& rect, const QColor& color);
    // Bounding box of the pixels of this colour inside rect (null when none).
    static QRect bounds(const QImage& image, const QRect& rect, const QColor& color);
    // Bounding box of the pixels that differ from the given colour inside rect.
    static QRect boundsNot(const QImage& image, const QRect& rect, const QColor& color);
};

#endif
