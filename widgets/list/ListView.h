#ifndef LISTVIEW_H
#define LISTVIEW_H

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "ListViewItem.h"

class QLineEdit;
class QPainter;
class QRegion;

// The toolkit's keypad-driven list: a fixed number of rows per page, custom painted, with an
// optional thin scroll bar at the right and a floating focus box around the focused row.
// The list owns the rows added to it.
class ListView : public QWidget
{
    Q_OBJECT
public:
    // Fixed underlying type: any stored value is valid, the paint treats unknown ones as a line.
    enum eListViewScrollBarType : int {
        eScrollBarBorderFill = 0,
        eScrollBarBorderNone = 1,
        eScrollBarBorderLine = 2 // also any other value
    };

    explicit ListView(QWidget* parent = 0);
    ~ListView();

    // Rows. The list takes ownership of added rows; adding does not repaint.
    void addItem(ListViewItem* item);
    void removeItem(int idx);
    void moveItem(int from, int to);
    // Deletes every row; selection, start index and page stay as they were.
    void itemClear();
    ListViewItem* item(int idx);
    ListViewItem* item(QString const& text);
    int itemSize();

    // Selection; -1 means none. setSelectedIdx refuses out-of-range, null and disabled rows
    // and does not move the page.
    virtual int selectedIdx();
    virtual void setSelectedIdx(int idx);

    // Paging.
    int page();
    int pageCount();
    // Rows per page; negative values and 0 are refused.
    void setPageCount(int count);
    void setPage(int page);
    int maxPage();
    int startIdx();
    void setStartIdx(int idx);
    void nextPage();
    void prevPage();

    // Look.
    QColor lineColor();
    void setLineColor(QColor color);
    QColor backgroundColor();
    void setBackgroundColor(QColor const& color);
    QPixmap backgroundPixmap();
    void setBackgroundPixmap(QPixmap const& pixmap);
    int lineLeftMargin();
    void setLineLeftMargin(int margin);
    int lineRightMargin();
    void setLineRightMargin(int margin);
    int scrollTopMargin();
    void setScrollTopMargin(int margin);
    int scrollBottomMargin();
    void setScrollBottomMargin(int margin);
    int scrollRightMargin();
    void setScrollRightMargin(int margin);
    int listBottomMargin() const;
    void setListBottomMargin(int margin);
    bool showEmptyString();
    void setShowEmptyString(bool show);
    QString emptyString();
    void setEmptyString(QString const& text);
    ListView::eListViewScrollBarType scrollbarBorderType() const;
    void setScrollbarBorderType(ListView::eListViewScrollBarType const& type);
    bool useDotLine() const;
    void setUseDotLine(bool use);
    eListViewItemFocusType focusType() const;
    void setFocusType(eListViewItemFocusType const& type);
    bool selectAndPressed() const;
    void setSelectAndPressed(bool pressed);
    // Erase the top or bottom pixel row with the background colour; repaints.
    void setDrawTopBottomLine(bool top, bool bottom);

    // Keys.
    bool useDirectMovement() const;
    void setUseDirectMovement(bool use);
    bool useHotKeyMove() const;
    void setUseHotKeyMove(bool use);
    bool isVisibleSelectBackGround();
    void setIsVisibleSelectBackGround(bool visible);
    bool isEnabledLongPress();
    void setIsEnabledLongPress(bool enabled);
    bool isEnabledArrowKeyMove();
    void setIsEnabledArrowKeyMove(bool enabled);
    bool activeLeaveFocusSignal();
    void setActiveLeaveFocusSignal(bool active);
    bool activeEndLeaveFocusSignal();
    bool getActiveEndLeaveFocusSignal();
    void setActiveEndLeaveFocusSignal(bool active);
    bool isKeyPressFlag();
    void setKeyPressFlag(bool flag);
    bool isEnableFuncKey();
    void setEnableFuncKey(bool enable);
    int startFuncKey() const;
    void setStartFuncKey(int key);
    int endFuncKey() const;
    void setEndFuncKey(int key);

    // Row index (from the page start) picked by a hot key, or -1.
    virtual int keyToItemIdx(int key);
    // First row from start (upward, or downward when inverse) that can take the selection.
    int searchNextItemIndex(int start, bool isInverseOrder);
    // Emits clickedFuncKey() for the selected row.
    void doClick();

    // The embedded line editor, created on first use.
    QLineEdit* lineEdit();

signals:
    void clicked(int index);
    void longPress(int index);
    void keyPressed(int key);
    void focusChanged(int index);
    void leaveFocus();
    void endLeaveFocus(int key);
    void changeValue(int index, int value);
    void changeLineEditText(int index, QString text);
    void clickedFuncKey(int index);
    void textChanged(QString text);

public slots:
    // Shows, moves or hides the embedded editors to follow the selected row.
    void checkFocus();
    void lineEditTextChanged(QString text);
    void longPressTimeout();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

    // Drawing steps shared with derived lists.

    // The floating focus box around focusRect (a row rectangle): corner pictures, black
    // edges, grey bottom line and the inner fill (white, black when pressed). The box starts
    // one pixel above the row (not above y 0) and ends 3 pixels below it, 4 when the row is
    // in the page's last slot; without a scroll bar its right edge moves one pixel in.
    // With cover set, nothing is drawn: the box's opaque fills are added to *cover.
    void drawFocusBox(QPainter* p, const QRect& focusRect, bool lastSlot, bool hasScrollBar,
                      bool pressed, QRegion* cover = 0);
    // Dotted separator on row y from left to right: two grey (187,187,187) pixels, then one
    // in the background colour, repeated.
    void drawDottedLine(QPainter* p, int left, int right, int y);
    // Whether a row may take the selection (the row keeps the flag without public getter).
    static bool itemSelectEnable(const ListViewItem* item);
    // Schedules checkFocus() for when the current event is done.
    void scheduleCheckFocus();

private:
    void handleKeyRelease(QKeyEvent* e);
    void moveByArrow(int key);
    void stepProgress(ListViewItem* row, int key);
    void paintScrollBar(QPainter* p, int w, int h);
    bool hostOwnsKeypad() const;
    // Embedded editors.
    static QLineEdit* newEditor(ListView* list, QString const& inputMask);
    static void clearValidator(QLineEdit* editor);
    void fillEditor(QLineEdit* editor, QString const& text, bool password, bool readOnly,
                    int maxLength);
    void showEditor(QLineEdit* editor, QRect const& r);

    QList<ListViewItem*> m_items;
    QColor m_lineColor;
    QPixmap m_backgroundPixmap;
    QColor m_backgroundColor;
    int m_page;
    int m_pageCount;
    int m_selectedIdx;
    int m_startIdx;
    int m_startFuncKey;
    int m_endFuncKey;
    bool m_enableFuncKey;
    int m_lineLeftMargin;
    int m_lineRightMargin;
    int m_scrollTopMargin;
    int m_scrollBottomMargin;
    int m_scrollRightMargin;
    int m_listBottomMargin;
    QLineEdit* m_lineEdit;
    QLineEdit* m_timeEdit;
    QTimer m_longPressTimer;
    bool m_isEnabledLongPress;
    bool m_isEnabledArrowKeyMove;
    bool m_showEmptyString;
    QString m_emptyString;
    bool m_keyPressFlag;
    bool m_activeLeaveFocusSignal;
    bool m_activeEndLeaveFocusSignal;
    bool m_isVisibleSelectBackGround;
    eListViewScrollBarType m_scrollbarBorderType;
    bool m_drawTopLine;
    bool m_drawBottomLine;
    bool m_useDotLine;
    eListViewItemFocusType m_focusType;
    bool m_selectAndPressed;
    bool m_useDirectMovement;
    bool m_useHotKeyMove;
};

#endif
