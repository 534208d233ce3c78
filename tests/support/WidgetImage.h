#ifndef WIDGETIMAGE_H
#define WIDGETIMAGE_H

#include <QColor>
#include <QImage>
#include <QList>

class QWidget;

// Renders widgets into images for the reference pictures.
class WidgetImage
{
public:
    // The widget painted into an ARGB32 image of its size, over the given background
    // (transparent by default, so translucent widgets show their alpha); with its children or
    // alone (an editor's blinking cursor stays out).
    static QImage render(QWidget* widget, const QColor& background = Qt::transparent, bool children = true);
    // Images in rows of the given number of columns, in cells of the largest size, top-left
    // aligned on magenta, with a one-pixel magenta rule between them.
    static QImage stack(const QList<QImage>& images, int columns = 1);
};

#endif
