#include "ListViewItem.h"

#include "TextSprites.h"

#include <QFontMetrics>
#include <QPainter>
#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QPixmapCache>
#include <QTextLayout>

namespace {

// What a label's look depends on: the text, the font (at the device's resolution), the
// elide width and the direction.
struct LabelKey
{
    QString text;
    QFont font;
    int dpi;
    int elideWidth;
    int direction;

    bool operator==(const LabelKey& o) const
    {
        return dpi == o.dpi && elideWidth == o.elideWidth && direction == o.direction
            && text == o.text && (font.isCopyOf(o.font) || font == o.font);
    }
};

uint qHash(const LabelKey& k)
{
    // Unsigned throughout: sizes and the elide width may be -1.
    return ::qHash(k.text) ^ (::qHash(k.font.family()) * 31u) ^ (uint(k.font.pointSize()) * 131u)
        ^ (uint(k.font.pixelSize()) * 7u) ^ (uint(k.font.weight()) << 20) ^ (uint(k.elideWidth) << 8)
        ^ (uint(k.dpi) << 24) ^ uint(k.direction);
}

// One label: the text as shown (elided when asked) and its laid-out line.
struct CachedLabel
{
    CachedLabel(const QString& text, const QFont& font, QPaintDevice* device, Qt::LayoutDirection direction)
        : shown(text), layout(text, font, device), id(TextSprites::newId())
    {
        QTextOption option;
        option.setTextDirection(direction);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid()) {
            line.setLineWidth(0x01000000);
            line.setPosition(QPointF(0, 0));
            width = line.naturalTextWidth();
            height = line.ascent() + line.descent();
            ascent = line.ascent();
            advance = line.horizontalAdvance();
            // The glyphs' own extent too: some reach past the line's box.
            const QFontMetricsF metrics(font, device);
            ink = line.naturalTextRect().united(metrics.boundingRect(text).translated(0, ascent));
        }
        layout.endLayout();
    }

    // Draws the line with its top-left at origin, from a copy where one can be used.
    void draw(QPainter* p, const QPointF& origin) { TextSprites::draw(p, layout, id, ink, origin); }

    QString shown;
    QTextLayout layout;
    qreal width = 0;
    qreal height = 0;
    qreal advance = 0;
    qreal ascent = 0;
    quint64 id;
    QRectF ink;
};

// A laid-out label costs about 1.7 kB: 256 of them hold the longest popup (America's 144
// cities) and every page's labels, in at most about 440 kB.
QCache<LabelKey, CachedLabel>* s_labels = 0;

// Layouts hold font engines, which must go before the application tears fonts down.
void dropLabelCache()
{
    delete s_labels;
    s_labels = 0;
}

QCache<LabelKey, CachedLabel>& labelCache()
{
    if (!s_labels) {
        s_labels = new QCache<LabelKey, CachedLabel>(256);
        qAddPostRoutine(dropLabelCache);
    }
    return *s_labels;
}

} // namespace

ListViewItem::ListViewItem()
    : m_pixmap(0),
      m_selectPixmap(0),
      m_alignment(Qt::AlignVCenter),
      m_focus(true),
      m_selected(false),
      m_visible(true),
      m_twoColumn(false),
      m_baseTextColor(Colour::of(qRgb(0, 0, 0))),
      m_textColor(Colour::of(qRgb(0, 0, 0))),
      m_textSelectColor(Colour::of(qRgb(255, 255, 255))),
      m_textNoFocusSelectColor(Colour::of(qRgb(255, 255, 255))),
      m_backGroundColor(Colour::of(qRgb(255, 255, 255))),
      m_backGroundSelectColor(Colour::of(qRgb(0, 0, 0))),
      m_backGroundNoFocusSelectColor(Colour::of(qRgb(0, 0, 0))),
      m_textDisableColor(Colour::of(qRgb(0, 0, 0))),
      m_data(0),
      m_hasScrollBar(false),
      m_scrollBarAreaWidth(6),
      m_useShadow(false),
      m_focusType(eFocusTypeFloating),
      m_isPressed(false),
      m_underLineType(UnderLineDot),
      m_floatingFocusBoxSize(FloatingFocusBoxNormal),
      m_itemSelectEnable(true)
{
}

ListViewItem::ListViewItem(QString const& text)
    : ListViewItem()
{
    m_text = text;
}

ListViewItem::ListViewItem(QString const& text, QPixmap const& pixmap, QPixmap const& selectPixmap)
    : ListViewItem(text)
{
    if (!pixmap.isNull())
        m_pixmap = new QPixmap(pixmap);
    if (!selectPixmap.isNull())
        m_selectPixmap = new QPixmap(selectPixmap);
}

ListViewItem::~ListViewItem()
{
    delete m_pixmap;
    delete m_selectPixmap;
}

int ListViewItem::type()
{
    return TypeItem;
}

void ListViewItem::paint(QPainter* p, QRect& r)
{
    p->save();
    m_itemRect = r;
    paintStateFill(p, r);

    QRect labelBox;
    int labelWidth;
    if (m_pixmap && !m_pixmap->isNull()) {
        const int top = m_pixmap->height() >= r.height()
            ? r.top() + 9 : r.top() + (r.height() - m_pixmap->height()) / 2;
        const QPixmap* shown = m_pixmap;
        if (m_focusType == eFocusTypeFloating) {
            if (m_isPressed && m_selectPixmap)
                shown = m_selectPixmap;
        } else if (m_focus && m_selected && m_selectPixmap) {
            shown = m_selectPixmap;
        }
        p->drawPixmap(r.left() + 10, top, *shown);
        labelBox = QRect(QPoint(r.left() + 35, r.top()), QPoint(r.right(), r.bottom()));
        labelWidth = r.width() - 35;
    } else {
        labelBox = QRect(QPoint(r.left() + 10, r.top()), QPoint(r.right() - 10, r.bottom()));
        labelWidth = r.width() - 20;
    }

    if (m_useShadow && !selected()) {
        p->setPen(QColor(85, 85, 85));
        drawLabel(p, QRect(QPoint(labelBox.left() + 1, labelBox.top() + 2), labelBox.bottomRight()),
                  m_alignment, m_text, labelWidth);
        p->setPen(m_textColor);
    }
    drawLabel(p, labelBox, m_alignment, m_text, labelWidth);
    p->restore();
}

int ListViewItem::editTextLeftMargin()
{
    return 0;
}

void ListViewItem::setEditTextLeftMargin(int margin)
{
    Q_UNUSED(margin);
}

QString ListViewItem::text() const { return m_text; }
void ListViewItem::setText(QString const& text) { m_text = text; }

void ListViewItem::setPixmap(QPixmap const& normal, QPixmap const& select)
{
    if (!normal.isNull()) {
        if (m_pixmap)
            *m_pixmap = normal;
        else
            m_pixmap = new QPixmap(normal);
    }
    const QPixmap& second = select.isNull() ? normal : select;
    if (m_selectPixmap)
        *m_selectPixmap = second;
    else
        m_selectPixmap = new QPixmap(second);
}

QPixmap* ListViewItem::pixmap(int index) const
{
    if (index == 0)
        return m_pixmap;
    if (index == 1)
        return m_selectPixmap;
    return 0;
}

int ListViewItem::alignment() const { return m_alignment; }
void ListViewItem::setAlignment(int alignment) { m_alignment = alignment; }

QColor ListViewItem::baseTextColor() const { return m_baseTextColor; }
void ListViewItem::setBaseTextColor(QColor const& color) { m_baseTextColor = color; }
QColor ListViewItem::textColor() const { return m_textColor; }
void ListViewItem::setTextColor(QColor const& color) { m_textColor = color; }
QColor ListViewItem::textSelectColor() const { return m_textSelectColor; }
void ListViewItem::setTextSelectColor(QColor const& color) { m_textSelectColor = color; }
QColor ListViewItem::textNoFocusSelectColor() const { return m_textNoFocusSelectColor; }
void ListViewItem::setTextNoFocusSelectColor(QColor const& color) { m_textNoFocusSelectColor = color; }

QColor ListViewItem::textDisableColor() const
{
    return selected() ? m_textSelectColor : m_textDisableColor;
}

void ListViewItem::setTextDisableColor(QColor const& color) { m_textDisableColor = color; }
QColor ListViewItem::backGroundColor() const { return m_backGroundColor; }
void ListViewItem::setBackGroundColor(QColor const& color) { m_backGroundColor = color; }
QColor ListViewItem::backGroundSelectColor() const { return m_backGroundSelectColor; }
void ListViewItem::setBackGroundSelectColor(QColor const& color) { m_backGroundSelectColor = color; }
QColor ListViewItem::backGroundNoFocusSelectColor() const { return m_backGroundNoFocusSelectColor; }
void ListViewItem::setBackGroundNoFocusSelectColor(QColor const& color) { m_backGroundNoFocusSelectColor = color; }

bool ListViewItem::selected() const
{
    return m_focusType == eFocusTypeFloating ? m_isPressed : m_selected;
}

void ListViewItem::setSelected(bool selected) { m_selected = selected; }
bool ListViewItem::hasFocus() const { return m_focus; }
void ListViewItem::setFocus(bool focus) { m_focus = focus; }
bool ListViewItem::isVisible() const { return m_visible; }
void ListViewItem::setVisible(bool visible) { m_visible = visible; }
bool ListViewItem::isTwoColumn() const { return m_twoColumn; }
void ListViewItem::setTwoColumn(bool twoColumn) { m_twoColumn = twoColumn; }
bool ListViewItem::isPressed() const { return m_isPressed; }
void ListViewItem::setIsPressed(bool pressed) { m_isPressed = pressed; }
bool ListViewItem::useShadow() const { return m_useShadow; }
void ListViewItem::setUseShadow(bool useShadow) { m_useShadow = useShadow; }
bool ListViewItem::hasScrollBar() const { return m_hasScrollBar; }
void ListViewItem::setHasScrollBar(bool hasScrollBar) { m_hasScrollBar = hasScrollBar; }
void ListViewItem::setItemSelectEnable(bool enable) { m_itemSelectEnable = enable; }

eListViewItemFocusType ListViewItem::focusType() const { return m_focusType; }
void ListViewItem::setFocusType(eListViewItemFocusType const& type) { m_focusType = type; }
ListViewItem::UnderLine ListViewItem::underLineType() const { return m_underLineType; }
void ListViewItem::setUnderLineType(ListViewItem::UnderLine const& type) { m_underLineType = type; }
ListViewItem::FloatingFocusBoxSize ListViewItem::floatingFocusBoxSize() const { return m_floatingFocusBoxSize; }
void ListViewItem::setFloatingFocusBoxSize(ListViewItem::FloatingFocusBoxSize const& size) { m_floatingFocusBoxSize = size; }

int ListViewItem::scrollBarAreaWidth() const { return m_scrollBarAreaWidth + 3; }
void ListViewItem::setScrollBarAreaWidth(int width) { m_scrollBarAreaWidth = width; }

QRect ListViewItem::geometry() const { return m_geometry; }
void ListViewItem::setGeometry(QRect const& rect) { m_geometry = rect; }
QRect ListViewItem::itemRect() const { return m_itemRect; }
void ListViewItem::setItemRect(QRect const& rect) { m_itemRect = rect; }

void* ListViewItem::data() const { return m_data; }
void ListViewItem::setData(void* data) { m_data = data; }

QPixmap ListViewItem::picture(const QString& path)
{
    // Loading by file name stats the file and converts its time on every call; paints ask for
    // the same few pictures again and again, so look them up by path first, through the
    // cache's own handles. Missing pictures are remembered, and handles kept, until the
    // pixmap cache is cleared (a sentinel entry tells).
    static QSet<QString> missing;
    static QHash<QString, QPixmapCache::Key> keys;
    static const QString sentinel = QLatin1String("phone-picture-sentinel");
    QPixmap pm;
    if (!QPixmapCache::find(sentinel, &pm)) {
        missing.clear();
        keys.clear();
        QPixmap marker(1, 1);
        marker.fill(Qt::transparent);
        QPixmapCache::insert(sentinel, marker);
    }
    if (missing.contains(path))
        return QPixmap();
    const QHash<QString, QPixmapCache::Key>::const_iterator kept = keys.constFind(path);
    if (kept != keys.constEnd() && QPixmapCache::find(kept.value(), &pm))
        return pm;
    if (pm.load(path))
        keys.insert(path, QPixmapCache::insert(pm));
    else
        missing.insert(path);
    return pm;
}

void ListViewItem::paintStateFill(QPainter* p, const QRect& r)
{
    paintState(p, r, true);
}

void ListViewItem::paintLineEditStateFill(QPainter* p, const QRect& r)
{
    paintState(p, r, false);
}

void ListViewItem::paintState(QPainter* p, const QRect& r, bool fillWithoutFocus)
{
    const bool sel = selected();
    if (!m_focus && sel) {
        if (fillWithoutFocus)
            p->fillRect(r, m_backGroundNoFocusSelectColor);
        p->setPen(m_textNoFocusSelectColor);
    } else if (sel) {
        p->fillRect(r, m_backGroundSelectColor);
        p->setPen(m_textSelectColor);
    } else {
        p->fillRect(r, m_backGroundColor);
        p->setPen(m_textColor);
    }
    if (!m_itemSelectEnable)
        p->setPen(textDisableColor());
}

int ListViewItem::paintArrow(QPainter* p, const QRect& r)
{
    const QPixmap arrow = picture(m_isPressed ? QLatin1String(":/ui/images/widget/list_focus_sel.png")
                                              : QLatin1String(":/ui/images/widget/list_focus.png"));
    TextSprites::drawPixmap(p, QPoint(r.right() - arrow.width() - 9, r.top() + (r.height() - arrow.height()) / 2), arrow);
    return arrow.width();
}

void ListViewItem::paintInputBox(QPainter* p, const QRect& r, int boxLeft, int boxWidth,
                                 int midEnd, int rightCap)
{
    // The plain slices frame the selected row; the "_sel" slices the others.
    const bool sel = selected();
    const QPixmap left = picture(sel ? QLatin1String(":ui/images/widget/inputbox_left.png")
                                     : QLatin1String(":ui/images/widget/inputbox_left_sel.png"));
    const QPixmap mid = picture(sel ? QLatin1String(":ui/images/widget/inputbox_mid.png")
                                    : QLatin1String(":ui/images/widget/inputbox_mid_sel.png"));
    const QPixmap right = picture(sel ? QLatin1String(":ui/images/widget/inputbox_right.png")
                                      : QLatin1String(":ui/images/widget/inputbox_right_sel.png"));
    const int boxRight = boxLeft + boxWidth;
    const int top = r.top() + 1;
    p->drawPixmap(QRectF(boxLeft - 4, top, left.width(), left.height()), left, QRectF(left.rect()));
    if (!mid.isNull()) {
        const int last = boxRight - right.width() + midEnd;
        for (int x = boxLeft + left.width() - 4; x <= last; ++x)
            p->drawPixmap(QRectF(x, top, 1, mid.height()), mid, QRectF(mid.rect()));
    }
    p->drawPixmap(QRectF(boxRight - right.width() + rightCap, top, right.width(), right.height()),
                  right, QRectF(right.rect()));
}

QString ListViewItem::shownEditText(const QString& text, bool passwordMode)
{
    return passwordMode ? QString(text.size(), QLatin1Char('*')) : text;
}

QString ListViewItem::limitedEditText(const QString& text, int maxLength)
{
    return maxLength != 0 ? text.left(maxLength) : text;
}

// Rows draw the same few labels on every paint: elide and lay each out once.
static CachedLabel* cachedLabel(QPainter* p, const QString& text, int elideWidth)
{
    LabelKey key;
    key.text = text;
    key.font = p->font();
    key.dpi = p->device()->logicalDpiY();
    key.elideWidth = elideWidth;
    key.direction = p->layoutDirection();
    CachedLabel* label = labelCache().object(key);
    if (!label) {
        // Laid out whole first: a text that fits is what elidedText() would give back, and
        // shaping it once more to learn that costs as much as the layout.
        label = new CachedLabel(text, key.font, p->device(), p->layoutDirection());
        if (elideWidth >= 0 && label->width > elideWidth) {
            const QString shown = p->fontMetrics().elidedText(text, Qt::ElideRight, elideWidth);
            if (shown != text) {
                delete label;
                label = new CachedLabel(shown, key.font, p->device(), p->layoutDirection());
            }
        }
        labelCache().insert(key, label);
    }
    return label;
}

void ListViewItem::drawLabel(QPainter* p, const QPointF& baseline, const QString& text)
{
    if (text.isEmpty() || text.contains(QLatin1Char('\n')) || text.isRightToLeft()
        || p->layoutDirection() == Qt::RightToLeft) {
        p->drawText(baseline, text);
        return;
    }
    CachedLabel* label = cachedLabel(p, text, -1);
    label->draw(p, QPointF(baseline.x(), baseline.y() - label->ascent));
}

void ListViewItem::drawLabel(QPainter* p, const QRect& r, int flags, const QString& text, int elideWidth)
{
    // Only plain single-line labels are cached; anything else takes the painter's own path.
    const int special = Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextJustificationForced
        | Qt::TextShowMnemonic | Qt::TextHideMnemonic | Qt::TextExpandTabs | Qt::TextDontPrint;
    const bool plain = !(flags & special) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('&'))
        && !text.isRightToLeft()
        && p->layoutDirection() != Qt::RightToLeft && !(flags & Qt::AlignAbsolute);
    if (!plain) {
        p->drawText(r, flags, elideWidth >= 0 ? p->fontMetrics().elidedText(text, Qt::ElideRight, elideWidth) : text);
        return;
    }
    CachedLabel* label = cachedLabel(p, text, elideWidth);
    if (label->shown.isEmpty()) {
        p->drawText(r, flags, label->shown);
        return;
    }

    qreal yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = r.height() - label->height;
    else if (flags & Qt::AlignVCenter)
        yoff = (r.height() - label->height) / 2;
    qreal boundsX = 0;
    qreal xoff = 0;
    if (flags & Qt::AlignRight) {
        boundsX = r.width() - label->width;
        xoff = r.width() - label->advance;
    } else if (flags & Qt::AlignHCenter) {
        boundsX = (r.width() - label->width) / 2;
        xoff = (r.width() - label->advance) / 2;
    }
    const QRectF bounds(r.x() + boundsX, r.y() + yoff, label->width, label->height);
    const bool clip = !(flags & Qt::TextDontClip) && !QRectF(r).contains(bounds);
    if (clip) {
        p->save();
        p->setClipRect(r, Qt::IntersectClip);
    }
    label->draw(p, QPointF(r.x() + xoff, r.y() + yoff));
    if (clip)
        p->restore();
}

void ListViewItem::setFontPointSize(QPainter* p, int pointSize)
{
    QFont font = p->font();
    font.setPointSize(pointSize);
    p->setFont(font);
}

bool ListViewItem::isItemSelectEnabled() const
{
    return m_itemSelectEnable;
}
