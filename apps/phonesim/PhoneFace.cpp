#include "PhoneFace.h"

#include "KeyMap.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

const int kScreenWidth = 384;
const int kScreenHeight = 160;
const int kMargin = 20;
const int kBezel = 8;
const int kMinWidth = 640;
const int kTop = 104;   // where the screen starts
const int kLegendLine = 16;

const QColor kBody(52, 56, 62);
const QColor kBezelColour(16, 16, 16);
const QColor kKey(226, 228, 232);
const QColor kKeyPressed(118, 160, 222);
const QColor kKeyText(30, 30, 30);
const QColor kHintText(96, 100, 108);
const QColor kLegendText(214, 216, 220);

QFont fontOfSize(int pixels, bool bold = false)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

PhoneFace::PhoneFace(int zoom) : m_zoom(qBound(int(MinZoom), zoom, int(MaxZoom)))
{
    layOut();
}

int PhoneFace::zoom() const
{
    return m_zoom;
}

QSize PhoneFace::size() const
{
    return m_size;
}

QRect PhoneFace::screenRect() const
{
    return m_screen;
}

QList<PhoneFace::Key> PhoneFace::keys() const
{
    return m_keys;
}

const PhoneFace::Key* PhoneFace::keyAt(const QPoint& point) const
{
    for (const Key& key : m_keys)
        if (key.rect.contains(point))
            return &key;
    return 0;
}

void PhoneFace::layOut()
{
    const int z = m_zoom;
    const int width = qMax(kScreenWidth * z + 2 * (kMargin + kBezel), kMinWidth);
    const int cx = width / 2;
    m_keys.clear();
    const auto add = [this](const QRect& rect, const QString& label, const QString& hint, int pcKey) {
        Key key = {rect, label, hint, pcKey};
        m_keys.append(key);
    };

    // The host's keys in a row on top. The screen starts well below them: TigerVNC's viewer
    // greets with a banner 50 pixels down its window for a few seconds.
    const struct { const char* label; const char* hint; int key; } host[] = {
        {"Lang", "L", Qt::Key_L}, {"12/24", "T", Qt::Key_T}, {"IME", "I", Qt::Key_I},
        {"Popups", "P", Qt::Key_P}, {"Shot", "S", Qt::Key_S}, {"Help", "H", Qt::Key_H},
        {"Zoom", "-", Qt::Key_Minus}, {"Zoom", "+", Qt::Key_Plus},
    };
    for (int i = 0; i < 8; ++i)
        add(QRect(cx - 261 + i * 66, 14, 60, 26), QString::fromLatin1(host[i].label),
            QString::fromLatin1(host[i].hint), host[i].key);
    m_screen = QRect((width - kScreenWidth * z) / 2, kTop, kScreenWidth * z, kScreenHeight * z);

    // The soft keys right under the soft-key bar's four fields (x 8, 369 wide).
    const int softY = m_screen.bottom() + 1 + kBezel + 12;
    const int softWidth = qMin(92 * z - 12, 100);
    const char* const softHints[] = {"Z", "X", "C", "V"};
    const int softKeys[] = {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V};
    for (int i = 0; i < 4; ++i) {
        const int centre = m_screen.left() + (8 + 369 * (2 * i + 1) / 8) * z;
        add(QRect(centre - softWidth / 2, softY, softWidth, 36), QString("Soft %1").arg(i + 1),
            QString::fromLatin1(softHints[i]), softKeys[i]);
    }

    // The hot keys on the left, the arrows round OK, back beside them.
    const int top = softY + 36 + 16;
    for (int i = 0; i < 10; ++i)
        add(QRect(cx - 232 + (i % 5) * 42, top + 22 + (i / 5) * 44, 36, 36), QString("F%1").arg(i + 1),
            QString::number((i + 1) % 10), Qt::Key_F1 + i);
    const int nav = cx + 84;
    add(QRect(nav - 22, top, 44, 36), QString(), QString(), Qt::Key_Up);
    add(QRect(nav - 72, top + 42, 44, 36), QString(), QString(), Qt::Key_Left);
    add(QRect(nav - 22, top + 42, 44, 36), "OK", "Enter", Qt::Key_Return);
    add(QRect(nav + 28, top + 42, 44, 36), QString(), QString(), Qt::Key_Right);
    add(QRect(nav - 22, top + 84, 44, 36), QString(), QString(), Qt::Key_Down);
    add(QRect(nav + 88, top + 42, 60, 36), "Back", "Esc", Qt::Key_Escape);

    const int legendRows = (KeyMap::legend().size() + 1) / 2;
    m_legend = QRect(kMargin, top + 126 + 16, width - 2 * kMargin, legendRows * kLegendLine);
    m_size = QSize(width, m_legend.bottom() + 1 + kMargin);
}

void PhoneFace::paint(QImage* target, const QImage& screen, int pressedKey) const
{
    QPainter p(target);
    p.fillRect(QRect(QPoint(0, 0), m_size), kBody);
    p.fillRect(m_screen.adjusted(-kBezel, -kBezel, kBezel, kBezel), kBezelColour);
    p.end();
    paintScreen(target, screen, QRect(0, 0, kScreenWidth, kScreenHeight));
    for (const Key& key : m_keys)
        paintKey(target, key, key.pcKey == pressedKey);

    p.begin(target);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QList<QPair<QString, QString> > legend = KeyMap::legend();
    const int rows = (legend.size() + 1) / 2;
    const int column = m_legend.width() / 2;
    for (int i = 0; i < legend.size(); ++i) {
        const QRect line(m_legend.left() + (i / rows) * column, m_legend.top() + (i % rows) * kLegendLine,
                         column, kLegendLine);
        p.setPen(kLegendText);
        p.setFont(fontOfSize(12, true));
        p.drawText(line.adjusted(0, 0, -column + 62, 0), Qt::AlignLeft | Qt::AlignVCenter, legend.at(i).first);
        p.setFont(fontOfSize(12));
        p.drawText(line.adjusted(66, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, legend.at(i).second);
    }
}

void PhoneFace::paintScreen(QImage* target, const QImage& screen, const QRect& part) const
{
    // Nearest neighbour: every phone pixel a crisp square of zoom x zoom.
    const QRect source = part & QRect(0, 0, kScreenWidth, kScreenHeight);
    const QRect dest(m_screen.topLeft() + source.topLeft() * m_zoom, source.size() * m_zoom);
    QPainter p(target);
    p.drawImage(dest, screen, source);
}

void PhoneFace::paintKey(QImage* target, const Key& key, bool pressed) const
{
    QPainter p(target);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(key.rect, kBody);
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? kKeyPressed : kKey);
    p.drawRoundedRect(QRectF(key.rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(kKeyText);
    p.setBrush(kKeyText);
    const QPointF c = QRectF(key.rect).center();
    switch (key.pcKey) {
    case Qt::Key_Up:
        p.drawPolygon(QPolygonF() << c + QPointF(0, -8) << c + QPointF(9, 6) << c + QPointF(-9, 6));
        return;
    case Qt::Key_Down:
        p.drawPolygon(QPolygonF() << c + QPointF(0, 8) << c + QPointF(9, -6) << c + QPointF(-9, -6));
        return;
    case Qt::Key_Left:
        p.drawPolygon(QPolygonF() << c + QPointF(-8, 0) << c + QPointF(6, -9) << c + QPointF(6, 9));
        return;
    case Qt::Key_Right:
        p.drawPolygon(QPolygonF() << c + QPointF(8, 0) << c + QPointF(-6, -9) << c + QPointF(-6, 9));
        return;
    default:
        break;
    }
    const bool tall = key.rect.height() >= 34;
    p.setFont(fontOfSize(tall ? 14 : 12, true));
    p.drawText(key.rect.adjusted(0, 0, 0, tall ? -8 : 0), Qt::AlignCenter, key.label);
    if (key.hint.isEmpty())
        return;
    p.setPen(kHintText);
    p.setFont(fontOfSize(10));
    if (tall)
        p.drawText(key.rect.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom, key.hint);
    else
        p.drawText(key.rect.adjusted(0, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter, key.hint);
}
