#ifndef LISTVIEWITEM_H
#define LISTVIEWITEM_H

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

// How focus and selection show on a list row.
enum eListViewItemFocusType {
    eFocusTypeInverse = 0,  // selected row in its own select colours
    eFocusTypeFloating = 1, // the list draws a floating focus box around the focused row
    eFocusTypeFlat = 2      // selected row in the focus colours, no box
};

// Base of every row shown by a ListView. A row is a plain object, not a widget: the list
// that shows it owns it, rewrites its geometry and colours and calls paint() for it.
class ListViewItem
{
public:
    enum UnderLine {
        UnderLineSolid = 0,
        UnderLineDot = 1
    };

    enum FloatingFocusBoxSize {
        FloatingFocusBoxSmall = 0,
        FloatingFocusBoxNormal = 1,
        FloatingFocusBoxLarge = 2
    };

    // Row type ids returned by type(); the list switches on these numbers.
    enum ItemType {
        TypeItem = 0,
        TypeProgress = 1,
        TypeSelect = 2,
        TypeCheck = 3,          // also a check-line-edit row with its edit text off
        TypeRadio = 4,
        TypeLineEdit = 5,
        TypeInfo = 6,
        TypeNetwork = 7,
        TypeSubTitle = 9,
        TypeAlarm = 10,
        TypeTimeEdit = 11,
        TypeDateSelect = 12,
        TypeCall = 13,
        TypeCheckLineEdit = 15, // check-line-edit row with its edit text on
        TypeLineEditCheck = 16,
        TypeSingleLineEdit = 17 // no row class reports it; the list treats it like TypeLineEdit
    };

    ListViewItem();
    ListViewItem(QString const& text, QPixmap const& pixmap, QPixmap const& selectPixmap);
    virtual ~ListViewItem();

    virtual int type();
    virtual void paint(QPainter* p, QRect& r);
    virtual int editTextLeftMargin();
    virtual void setEditTextLeftMargin(int margin);

    QString text() const;
    void setText(QString const& text);

    // A null normal picture leaves picture 0 alone; a null select picture makes picture 1 a
    // copy of the normal one.
    void setPixmap(QPixmap const& normal, QPixmap const& select);
    // 0: normal picture, 1: select picture; null when absent or for any other index.
    QPixmap* pixmap(int index) const;

    int alignment() const;
    void setAlignment(int alignment);

    QColor baseTextColor() const;
    void setBaseTextColor(QColor const& color);
    QColor textColor() const;
    void setTextColor(QColor const& color);
    QColor textSelectColor() const;
    void setTextSelectColor(QColor const& color);
    QColor textNoFocusSelectColor() const;
    void setTextNoFocusSelectColor(QColor const& color);
    // The select colour while selected() is true, so a disabled selected row stays readable.
    QColor textDisableColor() const;
    void setTextDisableColor(QColor const& color);
    QColor backGroundColor() const;
    void setBackGroundColor(QColor const& color);
    QColor backGroundSelectColor() const;
    void setBackGroundSelectColor(QColor const& color);
    QColor backGroundNoFocusSelectColor() const;
    void setBackGroundNoFocusSelectColor(QColor const& color);

    // In the floating focus style this reports the pressed state; setSelected() always
    // writes the raw flag.
    bool selected() const;
    void setSelected(bool selected);
    bool hasFocus() const;
    void setFocus(bool focus);
    bool isVisible() const;
    void setVisible(bool visible);
    bool isTwoColumn() const;
    void setTwoColumn(bool twoColumn);
    bool isPressed() const;
    void setIsPressed(bool pressed);
    bool useShadow() const;
    void setUseShadow(bool useShadow);
    bool hasScrollBar() const;
    void setHasScrollBar(bool hasScrollBar);
    // Read by the list directly; there is no public getter.
    void setItemSelectEnable(bool enable);

    eListViewItemFocusType focusType() const;
    void setFocusType(eListViewItemFocusType const& type);
    ListViewItem::UnderLine underLineType() const;
    void setUnderLineType(ListViewItem::UnderLine const& type);
    ListViewItem::FloatingFocusBoxSize floatingFocusBoxSize() const;
    void setFloatingFocusBoxSize(ListViewItem::FloatingFocusBoxSize const& size);

    // The stored width plus 3.
    int scrollBarAreaWidth() const;
    void setScrollBarAreaWidth(int width);

    QRect geometry() const;
    void setGeometry(QRect const& rect);
    QRect itemRect() const;
    void setItemRect(QRect const& rect);

    void* data() const;
    void setData(void* data);

    // A host picture by resource path, through the process-wide pixmap cache (a missing
    // picture is a null pixmap and is remembered as missing until the cache is cleared).
    static QPixmap picture(const QString& path);

    // Same as p->drawText(r, flags, text) for a single-line label, with the text elided to
    // elideWidth first when that is not negative; the layout is kept in a small process-wide
    // cache because rows draw the same few labels on every paint. Word-wrapped text is drawn
    // directly.
    static void drawLabel(QPainter* p, const QRect& r, int flags, const QString& text, int elideWidth = -1);
    // Same as p->drawText(baseline, text) for a single-line label, through the same cache.
    static void drawLabel(QPainter* p, const QPointF& baseline, const QString& text);

protected:
    // A row without pictures: what most row types are, without two null pictures to build.
    explicit ListViewItem(QString const& text);

    // Drawing steps shared by the row classes.

    // Standard state fill: fills r with the background of the row's state and sets the
    // state pen (disabled pen when the row cannot take the selection).
    void paintStateFill(QPainter* p, const QRect& r);
    // Line-edit variant: a selected row without focus keeps what is below it (pen only).
    void paintLineEditStateFill(QPainter* p, const QRect& r);
    // The arrow at the right edge of select-like rows; returns the arrow image's width.
    int paintArrow(QPainter* p, const QRect& r);
    // Input box frame from the three inputbox slices: left slice at boxLeft - 4, one-pixel
    // middle columns up to boxLeft + boxWidth - Rw + midEnd, right slice at
    // boxLeft + boxWidth - Rw + rightCap (Rw = right slice width).
    void paintInputBox(QPainter* p, const QRect& r, int boxLeft, int boxWidth, int midEnd,
                       int rightCap);
    // One asterisk per character in password mode, else the text itself.
    static QString shownEditText(const QString& text, bool passwordMode);
    // The length rule of the edit-text rows: the first maxLength characters, or the whole
    // text when maxLength is 0 (a negative limit keeps the whole text too).
    static QString limitedEditText(const QString& text, int maxLength);
    // Copy of the painter's font with the given point size set.
    static void setFontPointSize(QPainter* p, int pointSize);
    // Whether the row may take the selection.
    bool isItemSelectEnabled() const;

private:
    // A row colour in 32 bits: lists hold many rows, and rows use plain RGB colours.
    struct Colour
    {
        QRgb argb;
        static Colour of(QRgb argb) { return Colour(argb, 0); }
        Colour(const QColor& c) : argb(c.rgba()) {}
        Colour(Qt::GlobalColor c) : argb(QColor(c).rgba()) {}
        operator QColor() const { return QColor::fromRgba(argb); }

    private:
        Colour(QRgb v, int) : argb(v) {}
    };

    void paintState(QPainter* p, const QRect& r, bool fillWithoutFocus);
    friend class ListView;

    Q_DISABLE_COPY(ListViewItem)

    QPixmap* m_pixmap;
    QPixmap* m_selectPixmap;
    QString m_text;
    int m_alignment;
    bool m_focus;
    bool m_selected;
    bool m_visible;
    bool m_twoColumn;
    Colour m_baseTextColor;
    Colour m_textColor;
    Colour m_textSelectColor;
    Colour m_textNoFocusSelectColor;
    Colour m_backGroundColor;
    Colour m_backGroundSelectColor;
    Colour m_backGroundNoFocusSelectColor;
    Colour m_textDisableColor;
    QRect m_geometry;
    void* m_data;
    bool m_hasScrollBar;
    int m_scrollBarAreaWidth;
    QRect m_itemRect;
    bool m_useShadow;
    eListViewItemFocusType m_focusType;
    bool m_isPressed;
    ListViewItem::UnderLine m_underLineType;
    ListViewItem::FloatingFocusBoxSize m_floatingFocusBoxSize;
    bool m_itemSelectEnable;
};

#endif
