#include "WidgetImage.h"

#include <QPainter>
#include <QWidget>

QImage WidgetImage::render(QWidget* widget, const QColor& background, bool children)
{
    widget->ensurePolished();
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(background.rgba());
    widget->render(&image, QPoint(), QRegion(), children ? QWidget::DrawChildren : QWidget::RenderFlags());
    return image;
}

QImage WidgetImage::stack(const QList<QImage>& images, int columns)
{
    QSize cell;
    for (int i = 0; i < images.size(); ++i)
        cell = cell.expandedTo(images[i].size() + QSize(1, 1));
    const int rows = (images.size() + columns - 1) / columns;
    QImage sheet(qMax(cell.width() * qMin(columns, images.size()) - 1, 0), qMax(cell.height() * rows - 1, 0),
                 QImage::Format_ARGB32);
    sheet.fill(qRgb(255, 0, 255));
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < images.size(); ++i)
        painter.drawImage(i % columns * cell.width(), i / columns * cell.height(), images[i]);
    return sheet;
}
