#ifndef TEXTSPRITES_H
#define TEXTSPRITES_H

#include <QPointF>
#include <QRectF>

class QPainter;
class QPixmap;
class QPoint;
class QTextLayout;

// Copies of drawn labels and pictures. Blending a label's glyphs costs the raster engine many
// times what copying its pixels does, and rows draw the same few labels over and over. A label
// (or a picture large enough to pay for it) is drawn once into a sprite over a copy of the
// pixels beneath it, and from then on the sprite is copied wherever the pixels beneath are
// exactly those again: the same glyphs at the same sub-pixel position over the same pixels give
// the same pixels, so what is on the screen does not change by a bit. Anything else (other
// pixels beneath, a scaled painter, a device that is not an image) is drawn as usual.
class TextSprites
{
public:
    // Draws layout (one laid-out line) with its top-left at origin, as layout.draw(p, origin)
    // does, from a copy where one can be used. layoutId names the layout and what it shows for
    // as long as it lives; ink is where its glyphs may reach, relative to its top-left.
    static void draw(QPainter* p, const QTextLayout& layout, quint64 layoutId, const QRectF& ink,
                     const QPointF& origin);
    // Draws the picture with its top-left at at, as p->drawPixmap(at, pixmap) does, from a
    // copy where one can be used.
    static void drawPixmap(QPainter* p, const QPoint& at, const QPixmap& pixmap);
    // A new id for a layout, never given before.
    static quint64 newId();
    // Drops every sprite (they are kept up to a fixed number of bytes).
    static void clear();

    enum { MaxBytes = 192 * 1024, MinPixmapArea = 256 };
};

#endif
