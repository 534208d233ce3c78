#include "WidgetImage.h"

#include <QWidget>

QImage WidgetImage::render(QWidget* widget, const QColor& background)
{
    widget->ensurePolished();
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(background);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage WidgetImage::blank(const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    return image;
}

QColor WidgetImage::at(const QImage& image, int x, int y)
{
    if (!image.rect().contains(x, y))
        return QColor();
    return QColor::fromRgba(image.pixel(x, y));
}

bool WidgetImage::isColor(const QImage& image, int x, int y, const QColor& color)
{
    return image.rect().contains(x, y) && image.pixel(x, y) == color.rgba();
}

int WidgetImage::count(const QImage& image, const QRect& rect, const QColor& color)
{
    const QRect r = rect & image.rect();
    const QRgb want = color.rgba();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == want)
                ++n;
    return n;
}

bool WidgetImage::allColor(const QImage& image, const QRect& rect, const QColor& color)
{
    const QRect r = rect & image.rect();
    return !r.isEmpty() && count(image, r, color) == r.width() * r.height();
}

QRect WidgetImage::bounds(const QImage& image, const QRect& rect, const QColor& color)
{
    const QRect r = rect & image.rect();
    const QRgb want = color.rgba();
    QRect found;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == want)
                found |= QRect(x, y, 1, 1);
    return found;
}

QRect WidgetImage::boundsNot(const QImage& image, const QRect& rect, const QColor& color)
{
    const QRect r = rect & image.rect();
    const QRgb other = color.rgba();
    QRect found;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != other)
                found |= QRect(x, y, 1, 1);
    return found;
}
