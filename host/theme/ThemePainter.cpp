#include "ThemePainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

// One style for every picture: black ink, grey (85) for secondary marks, light grey (187) for
// tracks and unreached levels, white only where a shape needs a face; everything else is
// transparent so the pictures sit on any row or bar colour. Pressed ("_sel", "_press") variants
// are drawn in white ink because the toolkit shows them on black.

namespace {

const QColor kInk(0, 0, 0);
const QColor kDark(85, 85, 85);
const QColor kLight(187, 187, 187);
const QColor kPaper(255, 255, 255);

void add(QList<ThemePainter::Picture>& list, const QString& path, int w, int h)
{
    ThemePainter::Picture p;
    p.path = path;
    p.size = QSize(w, h);
    list.append(p);
}

QPen line(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen squareLine(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// ---------------------------------------------------------------------------------------------
// A small pixel font: crisp letters at the 19-pixel icon size, independent of installed fonts.

struct Glyph {
    char ch;
    const char* rows[7];
};

const Glyph kGlyphs[] = {
    {'a', {"....", "....", ".##.", "...#", ".###", "#..#", ".###"}},
    {'b', {"#...", "#...", "###.", "#..#", "#..#", "#..#", "###."}},
    {'c', {"....", "....", ".###", "#...", "#...", "#...", ".###"}},
    {'A', {".##.", "#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
    {'B', {"###.", "#..#", "#..#", "###.", "#..#", "#..#", "###."}},
    {'C', {".###", "#...", "#...", "#...", "#...", "#...", ".###"}},
    {'E', {"####", "#...", "#...", "###.", "#...", "#...", "####"}},
    {'H', {"#..#", "#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
    {'S', {".###", "#...", "#...", ".##.", "...#", "...#", "###."}},
    {'1', {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"}},
    {'2', {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"}},
    {'3', {"###.", "...#", "...#", ".##.", "...#", "...#", "###."}},
    {'?', {".##.", "#..#", "...#", "..#.", "..#.", "....", "..#."}},
};

// Hangul syllable for the Korean input indicator, 10 x 9.
const char* const kHan[9] = {
    "..#....#..",
    "#####..#..",
    ".###...##.",
    "#...#..#..",
    ".###...#..",
    "..........",
    ".#........",
    ".#........",
    ".#######..",
};

void drawBitmap(QPainter& p, const char* const* rows, int count, int x, int y, const QColor& color)
{
    for (int r = 0; r < count; ++r)
        for (int c = 0; rows[r][c]; ++c)
            if (rows[r][c] == '#')
                p.fillRect(QRect(x + c, y + r, 1, 1), color);
}

int textWidth(const QString& text)
{
    return text.isEmpty() ? 0 : text.size() * 5 - 1;
}

void drawText(QPainter& p, const QString& text, int x, int y, const QColor& color)
{
    for (const QChar ch : text) {
        for (const Glyph& g : kGlyphs) {
            if (g.ch == ch.toLatin1()) {
                drawBitmap(p, g.rows, 7, x, y, color);
                break;
            }
        }
        x += 5;
    }
}

// ---------------------------------------------------------------------------------------------
// Shapes shared by several pictures, in the picture's own pixel coordinates.

// The classic receiver: earpiece up-left, mouthpiece down-right, the handle bowing down-left.
QPainterPath handset(const QRectF& box)
{
    // Drawn on a 16 x 16 grid, then fitted into box.
    QPainterPath handle;
    handle.moveTo(4.0, 2.6);
    handle.cubicTo(1.0, 5.0, 5.0, 14.5, 13.4, 12.0);
    QPainterPathStroker stroker;
    stroker.setWidth(3.0);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath path = stroker.createStroke(handle);

    QTransform ear;
    ear.translate(3.6, 3.4);
    ear.rotate(-40);
    QPainterPath earPad;
    earPad.addRoundedRect(QRectF(-2.6, -2.0, 6.2, 4.0), 1.4, 1.4);
    path = path.united(ear.map(earPad));

    QTransform mouth;
    mouth.translate(12.6, 12.4);
    mouth.rotate(-50);
    QPainterPath mouthPad;
    mouthPad.addRoundedRect(QRectF(-3.6, -2.0, 6.2, 4.0), 1.4, 1.4);
    path = path.united(mouth.map(mouthPad));

    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / 16.0, box.height() / 16.0);
    return fit.map(path).simplified();
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

// An arrow from a to b with an open head at b.
void arrow(QPainter& p, const QPointF& a, const QPointF& b, const QColor& color, qreal width,
           qreal head)
{
    p.setPen(line(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawLine(a, b);
    const qreal angle = qAtan2(b.y() - a.y(), b.x() - a.x());
    const qreal spread = M_PI * 0.75;
    const QPointF h1(b.x() + head * qCos(angle + spread), b.y() + head * qSin(angle + spread));
    const QPointF h2(b.x() + head * qCos(angle - spread), b.y() + head * qSin(angle - spread));
    QPainterPath tip;
    tip.moveTo(h1);
    tip.lineTo(b);
    tip.lineTo(h2);
    p.drawPath(tip);
}

void bluetoothRune(QPainter& p, const QRectF& box, const QColor& color, qreal width)
{
    // Unit rune on a 6 x 12 grid.
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width() / 6.0, box.top() + y * box.height() / 12.0);
    };
    QPainterPath rune;
    rune.moveTo(at(0.2, 3.2));
    rune.lineTo(at(5.6, 8.4));
    rune.lineTo(at(2.9, 11.2));
    rune.lineTo(at(2.9, 0.8));
    rune.lineTo(at(5.6, 3.6));
    rune.lineTo(at(0.2, 8.8));
    p.setPen(line(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rune);
}

void padlock(QPainter& p, const QRectF& body, const QColor& color, const QColor& hole)
{
    const qreal sw = qMax<qreal>(1.2, body.width() / 7.0);
    const qreal r = body.width() * 0.3;
    const QPointF c(body.center().x(), body.top());
    p.setPen(line(color, sw));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(c.x() - r, body.top() + 0.5);
    shackle.lineTo(c.x() - r, c.y() - r * 0.6);
    shackle.arcTo(QRectF(c.x() - r, c.y() - r * 1.6, 2 * r, 2 * r), 180, -180);
    shackle.lineTo(c.x() + r, body.top() + 0.5);
    p.drawPath(shackle);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(body, 1.2, 1.2);
    if (hole.isValid()) {
        p.setBrush(hole);
        const qreal d = qMax<qreal>(1.6, body.width() * 0.22);
        p.drawEllipse(QPointF(body.center().x(), body.center().y()), d / 2, d / 2);
    }
}

// Cuts a clear band along a line so that a slash stays readable over the shape below it.
void slash(QPainter& p, const QPointF& a, const QPointF& b, const QColor& color)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(line(Qt::black, 4.0));
    p.drawLine(a, b);
    p.restore();
    p.setPen(line(color, 1.8));
    p.drawLine(a, b);
}

// Wi-Fi fan: a dot and three arcs around a focus at the bottom centre of box. Elements up to
// level are drawn in ink, the others in rest.
void wifiFan(QPainter& p, const QRectF& box, int level, const QColor& ink, const QColor& rest)
{
    const QPointF focus(box.center().x(), box.bottom() - box.height() * 0.08);
    const qreal unit = box.height() / 4.4;
    const qreal width = unit * 0.62;
    p.setPen(Qt::NoPen);
    p.setBrush(level >= 1 ? ink : rest);
    p.drawEllipse(QPointF(focus.x(), focus.y() - unit * 0.45), unit * 0.48, unit * 0.48);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = unit * (0.55 + i * 1.05);
        p.setPen(QPen(level >= i + 1 ? ink : rest, width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(focus.x() - r, focus.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
}

void headsetShape(QPainter& p, const QRectF& box, const QColor& color, bool mic)
{
    const qreal w = box.width();
    const qreal h = box.height();
    p.setPen(line(color, qMax<qreal>(1.4, w / 11.0)));
    p.setBrush(Qt::NoBrush);
    QPainterPath band;
    band.moveTo(box.left() + w * 0.13, box.top() + h * 0.62);
    band.cubicTo(box.left() + w * 0.1, box.top() - h * 0.08, box.right() - w * 0.1,
                 box.top() - h * 0.08, box.right() - w * 0.13, box.top() + h * 0.62);
    p.drawPath(band);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const QSizeF cup(w * 0.26, h * 0.42);
    p.drawRoundedRect(QRectF(QPointF(box.left(), box.top() + h * 0.5), cup), 1.5, 1.5);
    p.drawRoundedRect(QRectF(QPointF(box.right() - cup.width(), box.top() + h * 0.5), cup), 1.5, 1.5);
    if (mic) {
        p.setPen(line(color, qMax<qreal>(1.2, w / 14.0)));
        p.setBrush(Qt::NoBrush);
        QPainterPath boom;
        boom.moveTo(box.left() + w * 0.14, box.top() + h * 0.9);
        boom.quadTo(box.left() + w * 0.2, box.bottom(), box.left() + w * 0.5, box.bottom() - 0.6);
        p.drawPath(boom);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(box.left() + w * 0.54, box.bottom() - 0.8), w * 0.08, w * 0.08);
    }
}

void envelope(QPainter& p, const QRectF& box, const QColor& color)
{
    p.setPen(squareLine(color, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 1.0, 1.0);
    QPainterPath flap;
    flap.moveTo(box.left() + 0.5, box.top() + 0.5);
    flap.lineTo(box.center().x(), box.top() + box.height() * 0.6);
    flap.lineTo(box.right() - 0.5, box.top() + 0.5);
    p.setPen(line(color, 1.4));
    p.drawPath(flap);
}

void videoCamera(QPainter& p, const QRectF& box, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const QRectF body(box.left(), box.top(), box.width() * 0.66, box.height());
    p.drawRoundedRect(body, 1.6, 1.6);
    QPolygonF lens;
    lens << QPointF(body.right() + 0.8, box.center().y())
         << QPointF(box.right(), box.top() + 0.4)
         << QPointF(box.right(), box.bottom() - 0.4);
    p.drawPolygon(lens);
}

void person(QPainter& p, const QPointF& head, qreal scale, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(head, 2.6 * scale, 2.6 * scale);
    QPainterPath body;
    const QRectF shoulders(head.x() - 4.6 * scale, head.y() + 3.4 * scale, 9.2 * scale, 8.0 * scale);
    body.moveTo(shoulders.left(), shoulders.bottom());
    body.cubicTo(shoulders.left(), shoulders.top(), shoulders.right(), shoulders.top(),
                 shoulders.right(), shoulders.bottom());
    body.closeSubpath();
    p.drawPath(body);
}

void speaker(QPainter& p, const QRectF& box, const QColor& color)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPolygonF cone;
    cone << QPointF(box.left(), box.top() + h * 0.36) << QPointF(box.left() + w * 0.22, box.top() + h * 0.36)
         << QPointF(box.left() + w * 0.5, box.top() + h * 0.1) << QPointF(box.left() + w * 0.5, box.bottom() - h * 0.1)
         << QPointF(box.left() + w * 0.22, box.bottom() - h * 0.36) << QPointF(box.left(), box.bottom() - h * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(cone);
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i) {
        const qreal r = w * (0.16 + 0.17 * i);
        const QPointF c(box.left() + w * 0.46, box.center().y());
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

// ---------------------------------------------------------------------------------------------
// Families of pictures.

// Quarter-round corner of the list's focus box. The list draws the straight edges one pixel
// thinner than the corner, so a 3-pixel corner gives the box a 2-pixel frame; the box's bottom
// two rows are the list's grey shadow, which the lower corners round off.
void focusCorner(QPainter& p, const QSize& size, const QString& corner, bool pressed)
{
    const int w = size.width();
    const int h = size.height();
    // Drawn as the top-left corner, then mirrored into place.
    QTransform mirror;
    if (!corner.startsWith("lef")) {
        mirror.translate(w, 0);
        mirror.scale(-1, 1);
    }
    const bool top = corner.endsWith("top");
    if (!top) {
        mirror.translate(0, h);
        mirror.scale(1, -1);
    }
    p.setTransform(mirror);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0, 0, w + 3, h + 3), w - 1, h - 1);
    QPainterPath cell;
    cell.addRect(0, 0, w, h);
    const QPainterPath shape = outer.intersected(cell);
    if (top) {
        // The last pixel is inside the box, where the list's fill shows.
        QPainterPath inside;
        inside.addRect(w - 1, h - 1, 1, 1);
        fillPath(p, pressed ? shape : shape.subtracted(inside), kInk);
    } else {
        // The frame's side ends in the picture's first row; the shadow takes the rest.
        p.setClipPath(shape);
        p.fillRect(QRectF(0, 0, w, h - 1), kLight);
        p.fillRect(QRectF(0, h - 1, pressed ? w : w - 1, 1), kInk);
        p.setClipping(false);
    }
    p.resetTransform();
}

// A composite picture cut into slices: the layouts stretch or tile the middle slice.
QImage cut(const QImage& whole, int x, int width)
{
    return whole.copy(x, 0, width, whole.height());
}

QImage inputBox(int height, bool focused)
{
    // Left cap 6, middle 1, right cap 6: painted 13 wide and cut.
    QImage whole(13, height, QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter p(&whole);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pw = focused ? 2.0 : 1.0;
    const QColor edge = focused ? kInk : kDark;
    p.setPen(QPen(edge, pw));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(pw / 2, pw / 2, 13 - pw, height - pw - 1), 4, 4);
    // A light underline gives the field some depth below its frame.
    p.setPen(QPen(kLight, 1));
    p.drawLine(QPointF(4, height - 0.5), QPointF(9, height - 0.5));
    p.end();
    return whole;
}

QImage popupFrame(int height)
{
    // Left 8, middle 1, right 8.
    QImage whole(17, height, QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter p(&whole);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(0, 0, 17, height), 7, 7);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2, 2, 13, height - 4), 5, 5);
    // A grey rule inside the frame, as on the phone's dialogs.
    p.setPen(QPen(kLight, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, 10, height - 7), 3.5, 3.5);
    p.end();
    return whole;
}

QImage checkboxField(int height)
{
    // Left 2, centre 20, right 4: one rounded box 26 wide.
    QImage whole(26, height, QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter p(&whole);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDark, 1.5));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(0.75, 1.75, 23.5, height - 3.5), 4, 4);
    p.setPen(QPen(kLight, 1.5));
    p.drawLine(QPointF(25.25, 5), QPointF(25.25, height - 4));
    p.end();
    return whole;
}

QImage holdBackground(int height)
{
    // Left 8, centre 1, right 8: a light pill behind a held call.
    QImage whole(17, height, QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter p(&whole);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDark, 1));
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(0.5, 2.5, 16, height - 5), 6.5, 6.5);
    p.end();
    return whole;
}

void tick(QPainter& p, const QRectF& box, const QColor& color, qreal width)
{
    QPainterPath path;
    path.moveTo(box.left(), box.top() + box.height() * 0.55);
    path.lineTo(box.left() + box.width() * 0.38, box.bottom());
    path.lineTo(box.right(), box.top());
    p.setPen(line(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void chevron(QPainter& p, const QRectF& box, bool right, const QColor& color, qreal width)
{
    QPainterPath path;
    const qreal x0 = right ? box.left() : box.right();
    const qreal x1 = right ? box.right() : box.left();
    path.moveTo(x0, box.top());
    path.lineTo(x1, box.center().y());
    path.lineTo(x0, box.bottom());
    p.setPen(squareLine(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void softKey(QPainter& p, const QSize& size, const QString& key, const QColor& ink)
{
    const qreal cx = size.width() / 2.0;
    const qreal cy = size.height() / 2.0;
    if (key == "ok") {
        tick(p, QRectF(cx - 6.5, cy - 5.5, 13, 11), ink, 2.4);
    } else if (key == "delete") {
        // Backspace: a key cap pointing left with a cross on it.
        QPainterPath cap;
        cap.moveTo(cx - 9, cy);
        cap.lineTo(cx - 4, cy - 6);
        cap.lineTo(cx + 8.5, cy - 6);
        cap.lineTo(cx + 8.5, cy + 6);
        cap.lineTo(cx - 4, cy + 6);
        cap.closeSubpath();
        p.setPen(line(ink, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cap);
        p.setPen(line(ink, 1.8));
        p.drawLine(QPointF(cx - 0.5, cy - 2.8), QPointF(cx + 5.1, cy + 2.8));
        p.drawLine(QPointF(cx - 0.5, cy + 2.8), QPointF(cx + 5.1, cy - 2.8));
    } else if (key == "cancel") {
        p.setPen(line(ink, 2.4));
        p.drawLine(QPointF(cx - 5.5, cy - 5.5), QPointF(cx + 5.5, cy + 5.5));
        p.drawLine(QPointF(cx - 5.5, cy + 5.5), QPointF(cx + 5.5, cy - 5.5));
    } else if (key == "nextpage") {
        chevron(p, QRectF(cx - 7, cy - 5.5, 5.5, 11), true, ink, 2.2);
        chevron(p, QRectF(cx + 0.5, cy - 5.5, 5.5, 11), true, ink, 2.2);
    } else if (key == "afterpage") {
        chevron(p, QRectF(cx - 2.5, cy - 5.5, 5.5, 11), true, ink, 2.2);
    } else if (key == "prevpage") {
        chevron(p, QRectF(cx - 3, cy - 5.5, 5.5, 11), false, ink, 2.2);
    }
}

// Status bar icons, 19 x 19, black on the white bar.
void statusIcon(QPainter& p, const QString& name)
{
    const QColor ink = kInk;
    if (name == "hold") {
        fillPath(p, handset(QRectF(1, 4, 13, 13)), ink);
        p.fillRect(QRectF(12, 2, 2, 7), ink);
        p.fillRect(QRectF(16, 2, 2, 7), ink);
    } else if (name == "updatecom") {
        arrow(p, QPointF(9.5, 2), QPointF(9.5, 11.5), ink, 2.0, 4.2);
        QPainterPath tray;
        tray.moveTo(2.5, 11);
        tray.lineTo(2.5, 16.5);
        tray.lineTo(16.5, 16.5);
        tray.lineTo(16.5, 11);
        p.setPen(squareLine(ink, 2.0));
        p.drawPath(tray);
    } else if (name == "callforward") {
        fillPath(p, handset(QRectF(1, 4, 13, 13)), ink);
        arrow(p, QPointF(9.5, 4.5), QPointF(17, 4.5), ink, 1.8, 3.2);
    } else if (name == "dnd") {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QRectF(1, 1, 17, 17));
        p.fillRect(QRectF(4.5, 8.2, 10, 2.6), kPaper);
    } else if (name == "autoanswer") {
        fillPath(p, handset(QRectF(1, 4, 13, 13)), ink);
        drawText(p, "A", 14, 1, ink);
    } else if (name == "lock") {
        padlock(p, QRectF(4, 8.5, 11, 8.5), ink, kPaper);
    } else if (name == "call_lock") {
        fillPath(p, handset(QRectF(0.5, 4.5, 13, 13)), ink);
        padlock(p, QRectF(11.5, 5, 6.5, 5.5), ink, QColor());
    } else if (name == "pcconnected") {
        p.setPen(squareLine(ink, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2.3, 3.3, 14.4, 10), 1, 1);
        p.fillRect(QRectF(4.5, 5.5, 10, 5.6), kLight);
        p.fillRect(QRectF(8.5, 13, 2, 3), ink);
        p.fillRect(QRectF(5.5, 15.5, 8, 1.8), ink);
    } else if (name == "aomlink") {
        // Add-on key module: a column of line keys with their lamps.
        p.setPen(squareLine(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(4.25, 1.25, 10.5, 16.5), 1.5, 1.5);
        for (int i = 0; i < 4; ++i) {
            p.fillRect(QRectF(6.5, 3.5 + i * 3.5, 2, 2), ink);
            p.fillRect(QRectF(9.5, 3.5 + i * 3.5, 3, 2), kDark);
        }
    } else if (name == "phonemode") {
        p.setPen(squareLine(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(5.25, 1.25, 8.5, 16.5), 1.6, 1.6);
        p.fillRect(QRectF(6.5, 3.5, 6, 9), kLight);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(9.5, 15), 1, 1);
    } else if (name == "bluetooth" || name == "bluetooth_off") {
        const bool off = name.endsWith("_off");
        bluetoothRune(p, QRectF(6, 2, 7, 15), off ? kDark : ink, 1.7);
        if (off)
            slash(p, QPointF(3, 16), QPointF(16, 3), ink);
    } else if (name == "bluetooth_acc" || name == "bluetooth_acc_off") {
        const bool off = name.endsWith("_off");
        const QColor c = off ? kDark : ink;
        bluetoothRune(p, QRectF(1.5, 2, 6.5, 14), c, 1.6);
        speaker(p, QRectF(9, 5, 9.5, 9), c);
        if (off)
            slash(p, QPointF(2, 17), QPointF(17, 2), ink);
    } else if (name == "headset_bt" || name == "headset_bt_off") {
        const bool off = name.endsWith("_off");
        const QColor c = off ? kDark : ink;
        headsetShape(p, QRectF(0.5, 5, 13, 12.5), c, false);
        bluetoothRune(p, QRectF(13.5, 0.8, 4.5, 9), c, 1.2);
        if (off)
            slash(p, QPointF(2, 17), QPointF(17, 2), ink);
    } else if (name == "headset") {
        headsetShape(p, QRectF(1.5, 1.5, 16, 15.5), ink, true);
    } else if (name == "headset_ehs") {
        // Hook-switch headset: the headset with the hook's contact mark.
        headsetShape(p, QRectF(0.5, 4, 13, 12.5), ink, true);
        drawText(p, "E", 14, 1, ink);
    } else if (name.startsWith("wifi_")) {
        const int level = name.mid(5).toInt();
        if (level < 0) {
            wifiFan(p, QRectF(1, 2, 17, 15), 0, kLight, kLight);
            p.setPen(line(ink, 1.8));
            p.drawLine(QPointF(12.5, 12), QPointF(17, 16.5));
            p.drawLine(QPointF(12.5, 16.5), QPointF(17, 12));
        } else {
            wifiFan(p, QRectF(1, 2, 17, 15), level, ink, kLight);
        }
    } else if (name.startsWith("type_")) {
        const QString kind = name.mid(5);
        if (kind == "mark") {
            // A keyboard: input is being typed.
            p.setPen(squareLine(ink, 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(1.7, 5.2, 15.6, 9.6), 1.5, 1.5);
            for (int i = 0; i < 5; ++i) {
                p.fillRect(QRectF(3.5 + i * 2.5, 7.2, 1.5, 1.5), ink);
                if (i > 0 && i < 4)
                    p.fillRect(QRectF(3.5 + i * 2.5, 9.7, 1.5, 1.5), ink);
            }
            p.fillRect(QRectF(5.5, 12, 8, 1.4), ink);
            return;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(0, 2, 19, 15), 3, 3);
        if (kind == "korean") {
            drawBitmap(p, kHan, 9, 4, 5, kPaper);
        } else {
            const QString text = kind == "smallletter" ? "abc" : kind == "capital" ? "ABC" : "123";
            drawText(p, text, (19 - textWidth(text)) / 2, 6, kPaper);
        }
    }
}

// Wi-Fi network row icons, 22 x 20. "hold": a saved network, marked with a small lock.
void wifiStep(QPainter& p, const QSize& size, const QString& name)
{
    const bool pressed = name.contains("press");
    const QColor ink = pressed ? kPaper : kInk;
    const QColor rest = pressed ? kDark : kLight;
    const QRectF fan(1, 1, size.width() - 4, size.height() - 2);
    if (name.startsWith("icon_wifi_unknown")) {
        // Selected rows use "icon_wifi_unknown", the others "icon_wifi_unknown_normal".
        const bool selected = !name.endsWith("_normal");
        wifiFan(p, fan, 0, rest, selected ? kDark : kLight);
        drawText(p, "?", size.width() - 6, size.height() - 8, selected ? kPaper : kInk);
        return;
    }
    const int level = name.mid(QString("icon_wifi_step").size(), 1).toInt() + 1;
    wifiFan(p, fan, level, ink, rest);
    if (name.contains("hold"))
        padlock(p, QRectF(size.width() - 7, size.height() - 6, 6, 5), ink, QColor());
}

void callStateIcon(QPainter& p, const QSize& size, const QString& name, const QColor& ink)
{
    const qreal s = size.width();
    if (name == "callconf") {
        person(p, QPointF(s * 0.5, s * 0.28), s / 24.0, ink);
        person(p, QPointF(s * 0.2, s * 0.42), s / 30.0, ink);
        person(p, QPointF(s * 0.8, s * 0.42), s / 30.0, ink);
        return;
    }
    fillPath(p, handset(QRectF(1, s * 0.25, s * 0.7, s * 0.7)), ink);
    if (name == "incomingcall") {
        arrow(p, QPointF(s - 2, 2), QPointF(s * 0.58, s * 0.42), ink, 2.0, 4.0);
    } else if (name == "outgoingcall") {
        arrow(p, QPointF(s * 0.58, s * 0.42), QPointF(s - 2, 2), ink, 2.0, 4.0);
    } else if (name == "holdcall") {
        p.fillRect(QRectF(s * 0.6, 2, 2.5, 8), ink);
        p.fillRect(QRectF(s * 0.6 + 5, 2, 2.5, 8), ink);
    } else if (name == "callconv") {
        // In conversation: sound waves from the receiver.
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 2; ++i) {
            const qreal r = 3.5 * i;
            const QPointF c(s * 0.62, s * 0.38);
            p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 90 * 16);
        }
    }
}

// Call-history icons, 20 x 20: the kind (call, message, video) and the direction.
void historyIcon(QPainter& p, const QSize& size, const QString& kind, const QString& dir,
                 const QColor& ink)
{
    const qreal s = size.width();
    if (kind == "call")
        fillPath(p, handset(QRectF(0.5, s * 0.3, s * 0.68, s * 0.68)), ink);
    else if (kind == "msg")
        envelope(p, QRectF(1.2, s * 0.48, s * 0.6, s * 0.42), ink);
    else
        videoCamera(p, QRectF(0.5, s * 0.5, s * 0.66, s * 0.38), ink);
    const QPointF inner(s * 0.64, s * 0.36);
    const QPointF outer(s - 1.8, 1.8);
    if (dir == "incoming") {
        arrow(p, outer, inner, ink, 1.8, 3.4);
    } else if (dir == "outgoing") {
        arrow(p, inner, outer, ink, 1.8, 3.4);
    } else {
        // Missed: the call came in and bounced back out.
        p.setPen(line(ink, 1.8));
        p.setBrush(Qt::NoBrush);
        QPainterPath bounce;
        bounce.moveTo(s * 0.5, 2);
        bounce.lineTo(s * 0.72, s * 0.34);
        bounce.lineTo(s - 1.5, 2);
        p.drawPath(bounce);
        p.drawLine(QPointF(s - 1.5, 2), QPointF(s - 4.5, 2));
        p.drawLine(QPointF(s - 1.5, 2), QPointF(s - 1.5, 5));
    }
}

bool isPressedVariant(const QString& name)
{
    return name.endsWith("_sel") || name.contains("_press");
}

} // namespace

QList<ThemePainter::Picture> ThemePainter::pictures()
{
    QList<Picture> list;
    const QString w = "ui/images/widget/";
    const QString t = "ui/images/title/";
    const QString u = "ui/images/";
    const QString c = "call/images/call/";

    // The list draws each straight edge of the focus box one pixel thinner than the corner:
    // 3 x 3 corners give the box a 2-pixel frame.
    for (const char* corner : {"lefttop", "lefbottom", "righttop", "rightbottom"}) {
        add(list, w + "focus_02_" + corner + ".png", 3, 3);
        add(list, w + "focus_02_" + corner + "_sel.png", 3, 3);
    }
    add(list, w + "list_focus.png", 8, 14);
    add(list, w + "list_focus_sel.png", 8, 14);
    add(list, w + "radio.png", 20, 20);
    add(list, w + "radio_sel.png", 20, 20);
    add(list, w + "checkbox.png", 20, 20);
    add(list, w + "checkbox_check.png", 20, 20);
    add(list, w + "checkbox_check_sel.png", 20, 20);
    for (const char* sel : {"", "_sel"}) {
        add(list, w + "inputbox_left" + sel + ".png", 6, 32);
        add(list, w + "inputbox_mid" + sel + ".png", 1, 32);
        add(list, w + "inputbox_right" + sel + ".png", 6, 32);
    }
    add(list, w + "popup_01_left.png", 8, 158);
    add(list, w + "popup_01_mid.png", 1, 158);
    add(list, w + "popup_01_right.png", 8, 158);
    for (const char* key : {"ok", "delete", "cancel", "nextpage", "afterpage", "prevpage"}) {
        add(list, w + "softkey_" + key + ".png", 22, 18);
        add(list, w + "softkey_" + key + "_sel.png", 22, 18);
    }
    add(list, w + "no_data.png", 40, 40);

    // The title box is the text width plus 6 and the text is cut 3 pixels short of the
    // right cap: a cap wider than 2 cuts titles (3 leaves no room for rounding).
    add(list, t + "num_bg_left.png", 2, 20);
    add(list, t + "num_bg_right.png", 2, 20);
    add(list, t + "breadcrumb.png", 6, 10);
    for (const char* icon : {"hold", "updatecom", "callforward", "dnd", "autoanswer", "lock",
                             "call_lock", "pcconnected", "aomlink", "phonemode", "bluetooth",
                             "bluetooth_off", "bluetooth_acc", "bluetooth_acc_off", "headset_bt",
                             "headset_bt_off", "headset", "headset_ehs", "wifi_-1", "wifi_0",
                             "wifi_1", "wifi_2", "wifi_3", "wifi_4", "type_korean",
                             "type_smallletter", "type_capital", "type_num", "type_mark"})
        add(list, t + "status_" + icon + ".png", 19, 19);

    for (int step = 0; step <= 4; ++step)
        for (const char* v : {"", "_press", "_hold", "_hold_press"})
            add(list, u + QString("icon_wifi_step%1%2.png").arg(step).arg(v), 22, 20);
    add(list, u + "icon_wifi_unknown.png", 22, 20);
    add(list, u + "icon_wifi_unknown_normal.png", 22, 20);
    for (const char* v : {"normal", "press", "press_focus"})
        add(list, u + "setting_volume_" + v + ".png", 20, 20);
    add(list, u + "checkbox_bg_left.png", 2, 24);
    add(list, u + "checkbox_bg_center.png", 20, 24);
    add(list, u + "checkbox_bg_right.png", 4, 24);
    add(list, u + "checkbox_check_icon.png", 20, 24);
    add(list, u + "call_hold_bg_left.png", 8, 34);
    add(list, u + "call_hold_bg_center.png", 1, 34);
    add(list, u + "call_hold_bg_right.png", 8, 34);
    for (const char* icon : {"callconf", "callconv", "holdcall", "incomingcall", "outgoingcall"}) {
        add(list, u + "call/" + icon + ".png", 24, 24);
        add(list, u + "call/" + icon + "_sel.png", 24, 24);
    }

    for (const char* kind : {"call", "msg", "videoConference"})
        for (const char* dir : {"incoming", "missed", "outgoing"})
            for (const char* v : {"nor", "press"})
                add(list, c + QString("icon_%1_%2_%3.png").arg(kind, dir, v), 20, 20);
    add(list, c + "call_thumbnail_img.png", 40, 40);
    return list;
}

QImage ThemePainter::paint(const Picture& picture) const
{
    const QString name = QFileInfo(picture.path).completeBaseName();
    const QString dir = QFileInfo(picture.path).path() + "/";
    const QSize size = picture.size;
    const bool pressed = isPressedVariant(name);

    // Sliced pictures: paint the whole shape once and cut the requested slice out of it.
    if (name.startsWith("inputbox_")) {
        // The "_sel" files are the look of a field that is not selected.
        const QImage whole = inputBox(size.height(), !name.endsWith("_sel"));
        if (name.startsWith("inputbox_left"))
            return cut(whole, 0, size.width()).convertToFormat(QImage::Format_ARGB32);
        if (name.startsWith("inputbox_mid"))
            return cut(whole, 6, size.width()).convertToFormat(QImage::Format_ARGB32);
        return cut(whole, 13 - size.width(), size.width()).convertToFormat(QImage::Format_ARGB32);
    }
    if (name.startsWith("popup_01_")) {
        const QImage whole = popupFrame(size.height());
        const int x = name.endsWith("left") ? 0 : name.endsWith("mid") ? 8 : 17 - size.width();
        return cut(whole, x, size.width()).convertToFormat(QImage::Format_ARGB32);
    }
    if (name.startsWith("checkbox_bg_")) {
        const QImage whole = checkboxField(size.height());
        const int x = name.endsWith("left") ? 0 : name.endsWith("center") ? 2 : 26 - size.width();
        return cut(whole, x, size.width()).convertToFormat(QImage::Format_ARGB32);
    }
    if (name.startsWith("call_hold_bg_")) {
        const QImage whole = holdBackground(size.height());
        const int x = name.endsWith("left") ? 0 : name.endsWith("center") ? 8 : 17 - size.width();
        return cut(whole, x, size.width()).convertToFormat(QImage::Format_ARGB32);
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = pressed ? kPaper : kInk;
    const int w = size.width();
    const int h = size.height();

    if (name.startsWith("focus_02_")) {
        QString corner = name.mid(9);
        corner.remove("_sel");
        focusCorner(p, size, corner, name.endsWith("_sel"));
    } else if (name.startsWith("list_focus")) {
        chevron(p, QRectF(2, 2.5, w - 4.5, h - 5), true, pressed ? kPaper : kDark, 2.0);
    } else if (name.startsWith("radio")) {
        // A white face keeps the mark readable on the black pressed row too.
        p.setPen(QPen(name.endsWith("_sel") ? kInk : kDark, 1.6));
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(1.8, 1.8, w - 3.6, h - 3.6));
        if (name.endsWith("_sel")) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(w / 2.0, h / 2.0), w * 0.24, h * 0.24);
        }
    } else if (name == "checkbox") {
        p.setPen(QPen(kDark, 1.6));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(2.8, 2.8, w - 5.6, h - 5.6), 2.5, 2.5);
    } else if (name.startsWith("checkbox_check_icon")) {
        tick(p, QRectF(4, 7, 13, 10), kInk, 2.6);
    } else if (name.startsWith("checkbox_check")) {
        // Drawn over the box; the pressed mark inverts the box.
        if (pressed) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 3, 3);
        }
        tick(p, QRectF(5.5, 6, 9.5, 8.5), pressed ? kPaper : kInk, 2.4);
    } else if (name.startsWith("softkey_")) {
        QString key = name.mid(8);
        key.remove("_sel");
        softKey(p, size, key, ink);
    } else if (name == "no_data") {
        // An empty tray.
        p.setPen(line(kLight, 2.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath tray;
        tray.moveTo(5, 22);
        tray.lineTo(11, 9);
        tray.lineTo(29, 9);
        tray.lineTo(35, 22);
        tray.lineTo(35, 33);
        tray.lineTo(5, 33);
        tray.closeSubpath();
        p.drawPath(tray);
        QPainterPath slot;
        slot.moveTo(5, 22);
        slot.lineTo(14, 22);
        slot.lineTo(16, 26);
        slot.lineTo(24, 26);
        slot.lineTo(26, 22);
        slot.lineTo(35, 22);
        p.drawPath(slot);
    } else if (name.startsWith("num_bg_")) {
        // End caps of the black title box (20 rows).
        const bool left = name.endsWith("left");
        QPainterPath cap;
        cap.addRoundedRect(QRectF(left ? 0 : -w, 0, 2 * w, h), w, w);
        QPainterPath cell;
        cell.addRect(0, 0, w, h);
        fillPath(p, cap.intersected(cell), kInk);
    } else if (name == "breadcrumb") {
        chevron(p, QRectF(1.5, 1.5, 3, h - 3), true, kLight, 1.5);
    } else if (dir.endsWith("title/") && name.startsWith("status_")) {
        statusIcon(p, name.mid(7));
    } else if (name.startsWith("icon_wifi_")) {
        wifiStep(p, size, name);
    } else if (name.startsWith("setting_volume_")) {
        if (name.endsWith("press_focus")) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRoundedRect(QRectF(0, 0, w, h), 3, 3);
        }
        speaker(p, QRectF(2, 3, w - 4, h - 6), pressed ? kPaper : kInk);
    } else if (dir.endsWith("ui/images/call/")) {
        QString icon = name;
        icon.remove("_sel");
        callStateIcon(p, size, icon, ink);
    } else if (name == "call_thumbnail_img") {
        p.setPen(Qt::NoPen);
        p.setBrush(kLight);
        p.drawRoundedRect(QRectF(0, 0, w, h), 5, 5);
        p.setBrush(kDark);
        p.drawEllipse(QPointF(w / 2.0, h * 0.38), w * 0.17, h * 0.17);
        QPainterPath body;
        body.moveTo(w * 0.16, h);
        body.cubicTo(w * 0.16, h * 0.52, w * 0.84, h * 0.52, w * 0.84, h);
        body.closeSubpath();
        p.setClipRect(QRectF(0, 0, w, h));
        p.drawPath(body);
    } else if (name.startsWith("icon_")) {
        // icon_<kind>_<direction>_<nor|press>
        const QStringList parts = name.split('_');
        if (parts.size() == 4)
            historyIcon(p, size, parts.at(1), parts.at(2), parts.at(3) == "press" ? kPaper : kInk);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool ThemePainter::writeAll(const QString& dir) const
{
    QDir root(dir);
    if (!root.mkpath("."))
        return false;
    QFile qrc(root.filePath("phonetheme.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const Picture& picture : pictures()) {
        const QString file = root.filePath(picture.path);
        root.mkpath(QFileInfo(file).path());
        if (!paint(picture).save(file, "PNG"))
            return false;
        out << "    <file>" << picture.path << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return true;
}
