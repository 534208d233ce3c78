#include "TextSprites.h"

#include "PhoneQt.h"

#include <QCache>
#include <QCoreApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QTransform>

#include <cmath>
#include <cstring>

namespace {

// Everything a sprite's pixels depend on besides the layout itself.
struct SpriteKey
{
    int kind;             // 0: a label, 1: a picture
    quint64 id;           // the label's layout, the picture's cache key
    QRgb pen;
    quint64 background;   // a hash of the device's pixels under the sprite
    int format;
    qreal subX;           // the origin's sub-pixel position
    qreal subY;
    int hints;

    bool operator==(const SpriteKey& o) const
    {
        return kind == o.kind && id == o.id && pen == o.pen && background == o.background && format == o.format
            && subX == o.subX && subY == o.subY && hints == o.hints;
    }
};

uint qHash(const SpriteKey& k)
{
    return (uint(k.id) + uint(k.kind)) * 2654435761u ^ k.pen * 31u ^ uint(k.background >> 32) ^ uint(k.background) ^ uint(k.format << 24)
        ^ uint(k.subX * 4096) ^ uint(k.subY * 65536) ^ uint(k.hints);
}

// The pixels under a sprite before it was drawn (one colour, as under most labels, is kept
// as that colour alone), and after.
struct Sprite
{
    QImage before;      // null when plain
    quint32 plain;
    QImage after;
};

QCache<SpriteKey, Sprite>* s_sprites = 0;
quint64 s_nextId = 1;

void dropSprites()
{
    delete s_sprites;
    s_sprites = 0;
}

QCache<SpriteKey, Sprite>& sprites()
{
    if (!s_sprites) {
        s_sprites = new QCache<SpriteKey, Sprite>(TextSprites::MaxBytes);
        qAddPostRoutine(dropSprites);
    }
    return *s_sprites;
}

// A few of the rectangle's pixels (corners, edges' middles, centre), enough to tell the
// backgrounds a label is drawn on apart; holds() then compares all of them.
quint64 hashOf(const QImage& image, const QRect& r)
{
    const int xs[3] = { r.left(), r.center().x(), r.right() };
    const int ys[3] = { r.top(), r.center().y(), r.bottom() };
    quint64 h = quint64(r.width()) << 32 | quint64(r.height());
    for (int j = 0; j < 3; ++j) {
        const uchar* line = image.constScanLine(ys[j]);
        for (int i = 0; i < 3; ++i) {
            const quint64 pixel = image.depth() == 32 ? reinterpret_cast<const quint32*>(line)[xs[i]]
                                                      : reinterpret_cast<const quint16*>(line)[xs[i]];
            h = (h ^ pixel) * 0x9E3779B97F4A7C15ull;
            h ^= h >> 29;
        }
    }
    return h;
}

// The one raw pixel value of the rectangle, or false when its pixels differ: the first line
// pixel by pixel, the others against it.
template <typename Pixel>
bool plainOf(const QImage& image, const QRect& r, quint32* value)
{
    const Pixel* first = reinterpret_cast<const Pixel*>(image.constScanLine(r.top())) + r.left();
    for (int x = 1; x < r.width(); ++x) {
        if (first[x] != first[0])
            return false;
    }
    const size_t bytes = size_t(r.width()) * sizeof(Pixel);
    for (int y = r.top() + 1; y <= r.bottom(); ++y) {
        if (memcmp(reinterpret_cast<const Pixel*>(image.constScanLine(y)) + r.left(), first, bytes) != 0)
            return false;
    }
    *value = first[0];
    return true;
}

bool plain(const QImage& image, const QRect& r, quint32* value)
{
    return image.depth() == 32 ? plainOf<quint32>(image, r, value) : plainOf<quint16>(image, r, value);
}

// Whether the rectangle of the image holds exactly the pixels the sprite was drawn over.
bool holds(const QImage& image, const QRect& r, const Sprite& sprite)
{
    if (sprite.after.size() != r.size())
        return false;
    if (sprite.before.isNull()) {
        quint32 value;
        return plain(image, r, &value) && value == sprite.plain;
    }
    const int bytes = r.width() * image.depth() / 8;
    for (int y = 0; y < r.height(); ++y) {
        if (memcmp(image.constScanLine(r.top() + y) + r.left() * image.depth() / 8, sprite.before.constScanLine(y), size_t(bytes)) != 0)
            return false;
    }
    return true;
}


// The image the painter draws on, when a copy can stand in for drawing on it: a raster
// image of 16 or 32 bits without scaling, a painter that only moves by whole pixels,
// draws opaque over what is there.
const QImage* spriteTarget(QPainter* p)
{
    QPaintEngine* engine = p->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return 0;
    const QImage* device = static_cast<QImage*>(engine->paintDevice());
    const QTransform& transform = p->deviceTransform();
    if (transform.type() > QTransform::TxTranslate || transform.dx() != std::floor(transform.dx())
        || transform.dy() != std::floor(transform.dy()))
        return 0;
    if (p->opacity() != 1.0 || p->compositionMode() != QPainter::CompositionMode_SourceOver
        || (device->depth() != 32 && device->depth() != 16) || !phoneUnscaled(*device))
        return 0;
    return device;
}

// Copies the sprite of key over area (device pixels), drawing it first with draw(sprite
// painter) where none is kept for what area holds now. False when area is too large to keep:
// half the budget at most, so that one long label does not crowd out all the others.
template <typename Draw>
bool copySprite(QPainter* p, const QImage& device, const QRect& reach, SpriteKey key, Draw draw)
{
    // Off the device nothing is drawn either way.
    const QRect area = reach & device.rect();
    if (area.isEmpty() || 2 * area.width() * area.height() * (device.depth() / 8) > TextSprites::MaxBytes / 2)
        return false;
    // Where the area is cut, the same drawing must land in the same place of the sprite.
    key.subX += 1024 * (area.left() - reach.left());
    key.subY += 1024 * (area.top() - reach.top());
    key.background = hashOf(device, area);
    key.format = int(device.format());
    key.hints = int(p->renderHints());
    Sprite* sprite = sprites().object(key);
    // The pixels under it are compared, not only sampled: a copy is only ever the same pixels.
    if (sprite && !holds(device, area, *sprite)) {
        sprites().remove(key);
        sprite = 0;
    }
    if (!sprite) {
        sprite = new Sprite;
        sprite->after = device.copy(area);
        sprite->plain = 0;
        if (!plain(device, area, &sprite->plain))
            sprite->before = sprite->after.copy();
        QPainter sp(&sprite->after);
        sp.setRenderHints(p->renderHints());
        sp.setPen(p->pen());
        sp.setBrush(p->brush());
        sp.setFont(p->font());
        sp.setLayoutDirection(p->layoutDirection());
        sp.translate(-area.left(), -area.top());
        draw(&sp);
        sp.end();
        const int bytes = sprite->after.bytesPerLine() * sprite->after.height();
        sprites().insert(key, sprite, sprite->before.isNull() ? bytes : 2 * bytes);
    }
    // Copied as it is: its pixels are what the device would hold after drawing.
    const QTransform& transform = p->deviceTransform();
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(QPointF(area.left() - transform.dx(), area.top() - transform.dy()), sprite->after);
    p->restore();
    return true;
}

struct DrawLayout
{
    const QTextLayout* layout;
    QPointF at;   // device coordinates
    void operator()(QPainter* sp) const { layout->draw(sp, at); }
};

struct DrawPixmap
{
    const QPixmap* pixmap;
    QPoint at;
    void operator()(QPainter* sp) const { sp->drawPixmap(at, *pixmap); }
};

} // namespace

quint64 TextSprites::newId()
{
    return s_nextId++;
}

void TextSprites::clear()
{
    if (s_sprites)
        s_sprites->clear();
}

void TextSprites::draw(QPainter* p, const QTextLayout& layout, quint64 layoutId, const QRectF& ink,
                       const QPointF& origin)
{
    const QImage* device = spriteTarget(p);
    if (device && p->pen().style() != Qt::NoPen && p->pen().brush().style() == Qt::SolidPattern) {
        // Where the glyphs may reach on the device: whole pixels, two more on each side for
        // hinting and the edges antialiasing softens.
        const QPointF at = p->deviceTransform().map(origin);
        const QRect area(QPoint(int(std::floor(at.x() + ink.left())) - 2, int(std::floor(at.y() + ink.top())) - 2),
                         QPoint(int(std::ceil(at.x() + ink.right())) + 2, int(std::ceil(at.y() + ink.bottom())) + 2));
        SpriteKey key;
        key.kind = 0;
        key.id = layoutId;
        key.pen = p->pen().color().rgba();
        key.subX = at.x() - std::floor(at.x());
        key.subY = at.y() - std::floor(at.y());
        const DrawLayout drawLayout = { &layout, at };
        if (copySprite(p, *device, area, key, drawLayout))
            return;
    }
    layout.draw(p, origin);
}

void TextSprites::drawPixmap(QPainter* p, const QPoint& at, const QPixmap& pixmap)
{
    // A copy has a fixed cost of its own: small pictures blend for less.
    const bool worth = pixmap.width() * pixmap.height() >= MinPixmapArea;
    const QImage* device = !worth || !phoneUnscaled(pixmap) ? 0 : spriteTarget(p);
    if (device) {
        const QPoint deviceAt = p->deviceTransform().map(at);
        SpriteKey key;
        key.kind = 1;
        key.id = quint64(pixmap.cacheKey());
        key.pen = 0;
        key.subX = 0;
        key.subY = 0;
        const DrawPixmap drawPixmap = { &pixmap, deviceAt };
        if (copySprite(p, *device, QRect(deviceAt, pixmap.size()), key, drawPixmap))
            return;
    }
    p->drawPixmap(at, pixmap);
}
