#include "ListView.h"

#include <QDebug>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QPainter>
#include <QVarLengthArray>

#include "CallManager.h"
#include "Core.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewProgressItem.h"
#include "ListViewTimeEditItem.h"

namespace {

const QColor kDark(85, 85, 85);
const QColor kLight(187, 187, 187);

bool isEditRowType(int type)
{
    return type == ListViewItem::TypeLineEdit || type == ListViewItem::TypeTimeEdit
        || type == ListViewItem::TypeCheckLineEdit || type == ListViewItem::TypeSingleLineEdit;
}

// Check operations reach the row through its type id: 3 may be a check row or a check
// line-edit row with its edit text off, 15 a check line-edit row in edit mode.
// Returns whether the checked state changed (false also for a row that keeps its value).
bool toggleCheckRow(ListViewItem* row)
{
    if (ListViewCheckItem* check = dynamic_cast<ListViewCheckItem*>(row)) {
        if (check->isNoValueChange())
            return false;
        check->setChecked(!check->isChecked());
        return true;
    }
    if (ListViewCheckLineEditItem* check = dynamic_cast<ListViewCheckLineEditItem*>(row)) {
        if (check->isNoValueChange())
            return false;
        check->setChecked(!check->isChecked());
        return true;
    }
    return false;
}

} // namespace

ListView::ListView(QWidget* parent)
    : QWidget(parent),
      m_lineColor(0, 0, 0),
      m_backgroundColor(255, 255, 255),
      m_page(0),
      m_pageCount(3),
      m_selectedIdx(0),
      m_startIdx(0),
      m_startFuncKey(Qt::Key_F1),
      m_endFuncKey(Qt::Key_F10),
      m_enableFuncKey(false),
      m_lineLeftMargin(0),
      m_lineRightMargin(0),
      m_scrollTopMargin(0),
      m_scrollBottomMargin(0),
      m_scrollRightMargin(0),
      m_listBottomMargin(0),
      m_lineEdit(0),
      m_timeEdit(0),
      m_isEnabledLongPress(false),
      m_isEnabledArrowKeyMove(true),
      m_showEmptyString(false),
      m_emptyString(tr("No Items")),
      m_keyPressFlag(false),
      m_activeLeaveFocusSignal(false),
      m_activeEndLeaveFocusSignal(false),
      m_isVisibleSelectBackGround(true),
      m_scrollbarBorderType(eScrollBarBorderFill),
      m_drawTopLine(false),
      m_drawBottomLine(false),
      m_useDotLine(true),
      m_focusType(eFocusTypeFloating),
      m_selectAndPressed(false),
      m_useDirectMovement(true),
      m_useHotKeyMove(false)
{
    setFocusPolicy(Qt::StrongFocus);
    QFont f("1R_02_OV_ED");
    f.setPointSize(20);
    setFont(f);
    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(longPressTimeout()));
}

ListView::~ListView()
{
    qDeleteAll(m_items);
    m_items.clear();
}

// ---- Rows ----------------------------------------------------------------------------------

void ListView::addItem(ListViewItem* item)
{
    m_items.append(item);
}

void ListView::removeItem(int idx)
{
    if (idx < 0 || idx >= m_items.size()) {
        qDebug() << "ListView::removeItem invalid idx:" << idx;
        return;
    }
    ListViewItem* row = m_items.takeAt(idx);
    const int type = row ? row->type() : ListViewItem::TypeItem;
    delete row;
    if (m_selectedIdx >= m_items.size())
        setSelectedIdx(m_items.size() - 1);
    if (type == ListViewItem::TypeLineEdit || type == ListViewItem::TypeCheckLineEdit
        || type == ListViewItem::TypeSingleLineEdit)
        scheduleCheckFocus();
}

void ListView::moveItem(int from, int to)
{
    if (from < 0 || from >= m_items.size() || to < 0 || to >= m_items.size()) {
        qDebug() << "ListView::moveItem invalid idx:" << from << to;
        return;
    }
    m_items.move(from, to);
}

void ListView::itemClear()
{
    for (int i = m_items.size() - 1; i >= 0; --i)
        delete m_items.at(i);
    m_items.clear();
    m_keyPressFlag = false;
}

ListViewItem* ListView::item(int idx)
{
    if (idx < 0 || idx >= m_items.size())
        return 0;
    return m_items.at(idx);
}

ListViewItem* ListView::item(QString const& text)
{
    for (int i = 0; i < m_items.size(); ++i) {
        ListViewItem* row = m_items.at(i);
        if (row && row->text() == text)
            return row;
    }
    return 0;
}

int ListView::itemSize()
{
    return m_items.size();
}

// ---- Selection -----------------------------------------------------------------------------

int ListView::selectedIdx()
{
    return m_selectedIdx;
}

void ListView::setSelectedIdx(int idx)
{
    if (idx >= m_items.size()) {
        qDebug() << "ListView::setSelectedIdx invalid idx:" << idx;
        return;
    }
    if (idx >= 0) {
        ListViewItem* row = m_items.at(idx);
        if (!row) {
            qWarning() << "ListView::setSelectedIdx currItem is null! idx:" << idx;
            return;
        }
        if (!row->m_itemSelectEnable) {
            qDebug() << "ListView::setSelectedIdx curr item is disale! idx:" << idx;
            return;
        }
    } else {
        // Every negative index means "no selection".
        idx = -1;
    }
    if (idx != m_selectedIdx) {
        m_selectedIdx = idx;
        scheduleCheckFocus();
        emit focusChanged(m_selectedIdx);
    }
    update();
}

// ---- Paging --------------------------------------------------------------------------------

int ListView::page() { return m_page; }
int ListView::pageCount() { return m_pageCount; }

void ListView::setPageCount(int count)
{
    // The count divides the height and the row count, so 0 is refused like a negative one.
    if (count <= 0) {
        qDebug() << "ListView::setPageCount pageCount:" << count;
        return;
    }
    m_pageCount = count;
}

void ListView::setPage(int page)
{
    if (page < 0) {
        qDebug() << "ListView::setPage value:" << page;
        return;
    }
    if (page > m_items.size() / m_pageCount) {
        qDebug() << "ListView::setPage overValue:" << page;
        return;
    }
    m_page = page;
}

int ListView::maxPage()
{
    return m_items.size() / m_pageCount - 1;
}

int ListView::startIdx() { return m_startIdx; }
void ListView::setStartIdx(int idx) { m_startIdx = idx; }

void ListView::nextPage()
{
    if (m_startIdx < m_items.size()) {
        m_startIdx += m_pageCount;
        ++m_page;
        if (m_startIdx >= m_items.size()) {
            m_startIdx = 0;
            m_page = 0;
        }
        setSelectedIdx(m_startIdx);
    }
    update();
    qDebug() << "ListView::nextPage m_startIdx:" << m_startIdx << " m_selectedIdx:" << m_selectedIdx
             << " m_page:" << m_page;
}

void ListView::prevPage()
{
    m_startIdx -= m_pageCount;
    --m_page;
    if (m_startIdx < 0) {
        if (m_items.isEmpty()) {
            m_startIdx = 0;
            m_page = 0;
        } else {
            const int pages = (m_items.size() + m_pageCount - 1) / m_pageCount;
            m_page = pages - 1;
            m_startIdx = m_page * m_pageCount;
        }
    }
    setSelectedIdx(m_startIdx);
    update();
}

// ---- Settings ------------------------------------------------------------------------------

QColor ListView::lineColor() { return m_lineColor; }
void ListView::setLineColor(QColor color) { m_lineColor = color; }
QColor ListView::backgroundColor() { return m_backgroundColor; }
void ListView::setBackgroundColor(QColor const& color) { m_backgroundColor = color; }
QPixmap ListView::backgroundPixmap() { return m_backgroundPixmap; }
void ListView::setBackgroundPixmap(QPixmap const& pixmap) { m_backgroundPixmap = pixmap; }
int ListView::lineLeftMargin() { return m_lineLeftMargin; }
void ListView::setLineLeftMargin(int margin) { m_lineLeftMargin = margin; }
int ListView::lineRightMargin() { return m_lineRightMargin; }
void ListView::setLineRightMargin(int margin) { m_lineRightMargin = margin; }
int ListView::scrollTopMargin() { return m_scrollTopMargin; }
void ListView::setScrollTopMargin(int margin) { m_scrollTopMargin = margin; }
int ListView::scrollBottomMargin() { return m_scrollBottomMargin; }
void ListView::setScrollBottomMargin(int margin) { m_scrollBottomMargin = margin; }
int ListView::scrollRightMargin() { return m_scrollRightMargin; }
void ListView::setScrollRightMargin(int margin) { m_scrollRightMargin = margin; }
int ListView::listBottomMargin() const { return m_listBottomMargin; }
void ListView::setListBottomMargin(int margin) { m_listBottomMargin = margin; }
bool ListView::showEmptyString() { return m_showEmptyString; }
void ListView::setShowEmptyString(bool show) { m_showEmptyString = show; }
QString ListView::emptyString() { return m_emptyString; }
void ListView::setEmptyString(QString const& text) { m_emptyString = text; }
ListView::eListViewScrollBarType ListView::scrollbarBorderType() const { return m_scrollbarBorderType; }
void ListView::setScrollbarBorderType(ListView::eListViewScrollBarType const& type) { m_scrollbarBorderType = type; }
bool ListView::useDotLine() const { return m_useDotLine; }
void ListView::setUseDotLine(bool use) { m_useDotLine = use; }
eListViewItemFocusType ListView::focusType() const { return m_focusType; }
void ListView::setFocusType(eListViewItemFocusType const& type) { m_focusType = type; }
bool ListView::selectAndPressed() const { return m_selectAndPressed; }
void ListView::setSelectAndPressed(bool pressed) { m_selectAndPressed = pressed; }

void ListView::setDrawTopBottomLine(bool top, bool bottom)
{
    m_drawTopLine = top;
    m_drawBottomLine = bottom;
    update();
}

bool ListView::useDirectMovement() const { return m_useDirectMovement; }
void ListView::setUseDirectMovement(bool use) { m_useDirectMovement = use; }
bool ListView::useHotKeyMove() const { return m_useHotKeyMove; }
void ListView::setUseHotKeyMove(bool use) { m_useHotKeyMove = use; }
bool ListView::isVisibleSelectBackGround() { return m_isVisibleSelectBackGround; }
void ListView::setIsVisibleSelectBackGround(bool visible) { m_isVisibleSelectBackGround = visible; }
bool ListView::isEnabledLongPress() { return m_isEnabledLongPress; }
void ListView::setIsEnabledLongPress(bool enabled) { m_isEnabledLongPress = enabled; }
bool ListView::isEnabledArrowKeyMove() { return m_isEnabledArrowKeyMove; }
void ListView::setIsEnabledArrowKeyMove(bool enabled) { m_isEnabledArrowKeyMove = enabled; }
bool ListView::activeLeaveFocusSignal() { return m_activeLeaveFocusSignal; }
void ListView::setActiveLeaveFocusSignal(bool active) { m_activeLeaveFocusSignal = active; }
bool ListView::activeEndLeaveFocusSignal() { return m_activeEndLeaveFocusSignal; }
bool ListView::getActiveEndLeaveFocusSignal() { return m_activeEndLeaveFocusSignal; }
void ListView::setActiveEndLeaveFocusSignal(bool active) { m_activeEndLeaveFocusSignal = active; }
bool ListView::isKeyPressFlag() { return m_keyPressFlag; }
void ListView::setKeyPressFlag(bool flag) { m_keyPressFlag = flag; }
bool ListView::isEnableFuncKey() { return m_enableFuncKey; }
void ListView::setEnableFuncKey(bool enable) { m_enableFuncKey = enable; }
int ListView::startFuncKey() const { return m_startFuncKey; }
void ListView::setStartFuncKey(int key) { m_startFuncKey = key; }
int ListView::endFuncKey() const { return m_endFuncKey; }
void ListView::setEndFuncKey(int key) { m_endFuncKey = key; }

bool ListView::itemSelectEnable(const ListViewItem* item)
{
    return item && item->m_itemSelectEnable;
}

void ListView::scheduleCheckFocus()
{
    QTimer::singleShot(1, this, SLOT(checkFocus()));
}

// ---- Embedded editors ----------------------------------------------------------------------

QLineEdit* ListView::lineEdit()
{
    if (!m_lineEdit)
        m_lineEdit = newEditor(this, QString());
    return m_lineEdit;
}

void ListView::checkFocus()
{
    ListViewItem* row = item(m_selectedIdx);
    const int type = row ? row->type() : -1;
    // A row that reports a line-edit id but is no line-edit row gets no editor.
    ListViewLineEditItem* lineRow = 0;
    ListViewCheckLineEditItem* checkLineRow = 0;
    ListViewTimeEditItem* timeRow = 0;
    if (type == ListViewItem::TypeLineEdit || type == ListViewItem::TypeSingleLineEdit)
        lineRow = dynamic_cast<ListViewLineEditItem*>(row);
    else if (type == ListViewItem::TypeCheckLineEdit)
        checkLineRow = dynamic_cast<ListViewCheckLineEditItem*>(row);
    else if (type == ListViewItem::TypeTimeEdit)
        timeRow = dynamic_cast<ListViewTimeEditItem*>(row);

    if (!row) {
        if (m_lineEdit && m_lineEdit->isVisible()) {
            m_lineEdit->hide();
            setFocus(Qt::OtherFocusReason);
        }
        if (m_timeEdit && m_timeEdit->isVisible()) {
            m_timeEdit->hide();
            setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (!lineRow && !checkLineRow) {
        if (m_lineEdit && m_lineEdit->isVisible())
            m_lineEdit->hide();
        setFocus(Qt::OtherFocusReason);
    }
    if (!timeRow && m_timeEdit && m_timeEdit->isVisible()) {
        m_timeEdit->hide();
        setFocus(Qt::OtherFocusReason);
    }

    const QRect g = row->geometry();
    if (lineRow) {
        QLineEdit* editor = lineEdit();
        QFont font = editor->font();
        font.setPointSize(20);
        editor->setFont(font);
        clearValidator(editor);
        const int m = lineRow->editTextLeftMargin();
        int left;
        int width;
        if (type == ListViewItem::TypeSingleLineEdit) {
            left = g.left() + m + 198;
            width = g.width() - m - 203;
        } else {
            left = g.left() + m + 193;
            width = g.width() - m - 199;
        }
        fillEditor(editor, lineRow->editText(), lineRow->echoPasswordMode(),
                   lineRow->editTextDisabled(), lineRow->getMaxLength());
        showEditor(editor, QRect(QPoint(left, g.top() + 6), QPoint(left + width - 1, g.top() + 27)));
        if (lineRow->isIPValidate()) {
            const QString octet = QString::fromLatin1("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
            const QString dot = QString::fromLatin1("\\.");
            const QRegExp address(QLatin1Char('^') + octet + dot + octet + dot + octet + dot + octet
                                  + QLatin1Char('$'), Qt::CaseSensitive);
            editor->setValidator(new QRegExpValidator(address, editor));
        } else if (lineRow->isSipPortValidate()) {
            editor->setValidator(new QIntValidator(10000, 65535, editor));
        }
        editor->setFocus(Qt::OtherFocusReason);
    } else if (checkLineRow) {
        qDebug() << "ListView::LineEditItem  useTitleText:" << checkLineRow->useTitleText();
        QLineEdit* editor = lineEdit();
        clearValidator(editor);
        const int m = checkLineRow->editTextLeftMargin();
        int left;
        int width;
        // Without a title a positive margin does not count (the row draws its box so too).
        if (!checkLineRow->useTitleText() && m > 0) {
            left = g.left() + 194;
            width = g.width() - 209;
        } else {
            left = g.left() + 194 + m;
            width = g.width() - 209 - m;
        }
        fillEditor(editor, checkLineRow->editText(), checkLineRow->echoPasswordMode(),
                   checkLineRow->editTextDisabled(), checkLineRow->getMaxLength());
        showEditor(editor, QRect(QPoint(left, g.top() + 6), QPoint(left + width - 1, g.top() + 27)));
        editor->setFocus(Qt::OtherFocusReason);
    } else if (timeRow) {
        if (!m_timeEdit)
            m_timeEdit = newEditor(this, QString::fromLatin1("99:99"));
        const int a = timeRow->use_ampmSelection() ? 0 : 96;
        const int b = timeRow->use_ampmSelection() ? 90 : 0;
        const int left = g.left() + a + 193;
        const int width = g.width() - a - b - 197;
        disconnect(m_timeEdit, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
        m_timeEdit->setText(timeRow->getTime());
        connect(m_timeEdit, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
        m_timeEdit->setCursorPosition(0);
        showEditor(m_timeEdit, QRect(QPoint(left, g.top() + 6), QPoint(left + width - 1, g.top() + 27)));
        m_timeEdit->setFocus(Qt::OtherFocusReason);
    }
}

QLineEdit* ListView::newEditor(ListView* list, QString const& inputMask)
{
    QLineEdit* editor = new QLineEdit(list);
    // Before the connection: a mask rewrites the text, which is no edit of any row.
    if (!inputMask.isEmpty())
        editor->setInputMask(inputMask);
    editor->setObjectName(QString::fromLatin1("ListView::QLineEdit"));
    editor->installEventFilter(list);
    editor->setFont(list->font());
    editor->setStyleSheet(
        QString::fromLatin1("QLineEdit {background-color: white; color: black; border: none; }"));
    editor->hide();
    connect(editor, SIGNAL(textChanged(QString)), list, SLOT(lineEditTextChanged(QString)));
    return editor;
}

void ListView::clearValidator(QLineEdit* editor)
{
    // The validators are the editor's children; drop the previous row's one.
    const QValidator* old = editor->validator();
    editor->setValidator(0);
    if (old && old->parent() == editor)
        delete old;
}

void ListView::fillEditor(QLineEdit* editor, QString const& text, bool password, bool readOnly,
                          int maxLength)
{
    editor->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    editor->setReadOnly(readOnly);
    // Filling the editor from the row is no edit: nobody hears of it.
    disconnect(editor, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
    // A row without a limit must not inherit the previous row's one.
    editor->setMaxLength(maxLength > 0 ? maxLength : 32767);
    editor->setText(text);
    connect(editor, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
}

void ListView::showEditor(QLineEdit* editor, QRect const& r)
{
    editor->setGeometry(r);
    editor->show();
    editor->raise();
}

void ListView::lineEditTextChanged(QString text)
{
    emit textChanged(text);
    ListViewItem* row = item(m_selectedIdx);
    if (!row)
        return;
    const int type = row->type();
    if (type == ListViewItem::TypeLineEdit || type == ListViewItem::TypeSingleLineEdit) {
        if (ListViewLineEditItem* lineRow = dynamic_cast<ListViewLineEditItem*>(row)) {
            lineRow->setEditText(text);
            emit changeLineEditText(m_selectedIdx, text);
        }
    } else if (type == ListViewItem::TypeCheckLineEdit) {
        if (ListViewCheckLineEditItem* checkLineRow = dynamic_cast<ListViewCheckLineEditItem*>(row)) {
            checkLineRow->setEditText(text);
            emit changeLineEditText(m_selectedIdx, text);
        }
    } else if (type == ListViewItem::TypeTimeEdit) {
        if (ListViewTimeEditItem* timeRow = dynamic_cast<ListViewTimeEditItem*>(row)) {
            timeRow->setTime(text);
            emit changeLineEditText(m_selectedIdx, text);
        }
    }
}

bool ListView::eventFilter(QObject* watched, QEvent* e)
{
    const bool editor = watched && (watched == m_lineEdit || watched == m_timeEdit);
    if (editor && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return) {
            // OK belongs to the list on plain edit rows; check line-edit rows (and id 17)
            // let the editor see it.
            ListViewItem* row = item(m_selectedIdx);
            if (row && row->type() != ListViewItem::TypeCheckLineEdit
                && row->type() != ListViewItem::TypeSingleLineEdit)
                return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

// ---- Events --------------------------------------------------------------------------------

bool ListView::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        scheduleCheckFocus();
    return QWidget::event(e);
}

void ListView::showEvent(QShowEvent* e)
{
    m_keyPressFlag = false;
    m_selectAndPressed = false;
    if (m_selectedIdx > 0)
        m_startIdx = (m_selectedIdx / m_pageCount) * m_pageCount;
    scheduleCheckFocus();
    QWidget::showEvent(e);
}

void ListView::focusInEvent(QFocusEvent* e)
{
    checkFocus();
    setSelectedIdx(selectedIdx());
    qDebug() << "ListView::focusInEvent m_selectedidx:" << m_selectedIdx;
    QWidget::focusInEvent(e);
}

void ListView::longPressTimeout()
{
    m_longPressTimer.stop();
    if (m_keyPressFlag) {
        emit longPress(m_selectedIdx);
        if (!m_isVisibleSelectBackGround)
            m_selectedIdx = -1;
        update();
    }
}

void ListView::doClick()
{
    if (m_selectedIdx < 0)
        return;
    qDebug() << "ListView::doClick : " << m_selectedIdx;
    emit clickedFuncKey(m_selectedIdx);
}

int ListView::keyToItemIdx(int key)
{
    if (!m_enableFuncKey || key < m_startFuncKey || key > m_endFuncKey)
        return -1;
    // In a range of five or more keys the fourth key starts over at the page's first row.
    int base = m_startFuncKey;
    if (m_endFuncKey - m_startFuncKey >= 4 && key >= m_startFuncKey + 3)
        base = m_startFuncKey + 3;
    return m_startIdx + (key - base);
}

int ListView::searchNextItemIndex(int start, bool isInverseOrder)
{
    if (start < 0) {
        qDebug() << "ListView::searchNextItemIndex startIdx is under zero! idx:" << start;
        return 0;
    }
    if (start >= m_items.size()) {
        qDebug() << "ListView::searchNextItemIndex startIdx is over size! idx:" << start;
        return m_items.size() - 1;
    }
    const int step = isInverseOrder ? -1 : 1;
    for (int i = start; i >= 0 && i < m_items.size(); i += step) {
        ListViewItem* row = m_items.at(i);
        if (!row) {
            qWarning() << "ListView::searchNextItemIndex currItem is null! === ERRROR idx:" << i
                       << " startIndexValue:" << start << " isInverseOrder:" << isInverseOrder;
            return start;
        }
        if (row->m_itemSelectEnable)
            return i;
    }
    return -1;
}

void ListView::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    m_keyPressFlag = true;
    if (key == Qt::Key_Enter || key == Qt::Key_Return) {
        m_selectAndPressed = true;
        if (item(m_selectedIdx))
            update();
    } else if (m_useDirectMovement) {
        // Arrows act on the press; the release that follows finds the flag cleared.
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)
            handleKeyRelease(e);
    } else if (m_selectAndPressed) {
        m_selectAndPressed = false;
        update();
    }

    const int idx = keyToItemIdx(key);
    if (idx == -1) {
        e->ignore();
        return;
    }
    e->accept();
    if (item(idx)) {
        setSelectedIdx(idx);
        if (m_isEnabledLongPress)
            m_longPressTimer.start(1000);
    }
}

void ListView::keyReleaseEvent(QKeyEvent* e)
{
    handleKeyRelease(e);
}

bool ListView::hostOwnsKeypad() const
{
    if (!theCore)
        return false;
    CallManager* calls = theCore->callManager();
    const QString state = calls ? calls->callState() : QString("IDLE");
    return state != "IDLE" && theCore->m_callScreenState && !theCore->isVisibleMenu();
}

void ListView::handleKeyRelease(QKeyEvent* e)
{
    qDebug() << "ListView::keyReleaseEvent objectName:" << objectName() << m_keyPressFlag;
    if (!m_keyPressFlag) {
        e->ignore();
        return;
    }
    const int key = e->key();
    m_keyPressFlag = false;
    m_selectAndPressed = false;
    emit keyPressed(key);

    ListViewItem* row = item(m_selectedIdx);
    const int type = row ? row->type() : -1;

    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        if (!m_isEnabledArrowKeyMove) {
            qDebug() << "ListView::keyReleaseEvent skip Key_Up or Key_Down";
            e->ignore();
            return;
        }
        const int old = m_selectedIdx;
        moveByArrow(key);
        e->accept();
        update();
        if (m_selectedIdx != old)
            emit focusChanged(m_selectedIdx);
        scheduleCheckFocus();
        return;
    }

    if ((key == Qt::Key_Left || key == Qt::Key_Right) && m_selectedIdx != -1) {
        if (!m_isEnabledArrowKeyMove) {
            qDebug() << "ListView::keyReleaseEvent skip Key_Left or Key_Right";
            e->ignore();
            return;
        }
        if (type == ListViewItem::TypeSelect || type == ListViewItem::TypeTimeEdit
            || type == ListViewItem::TypeDateSelect || type == ListViewItem::TypeSingleLineEdit) {
            e->accept();
            emit clicked(m_selectedIdx);
        } else if (type == ListViewItem::TypeProgress) {
            stepProgress(row, key);
            e->accept();
        } else {
            e->ignore();
        }
        return;
    }

    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_selectedIdx != -1) {
        if (!row || type == ListViewItem::TypeCheck || type == ListViewItem::TypeCheckLineEdit) {
            if (row && toggleCheckRow(row))
                update();
            e->accept();
            update();
            qDebug() << "ListView::keyReleaseEvent emit clicked m_selectedIdx:" << m_selectedIdx;
            emit clicked(m_selectedIdx);
        } else {
            e->accept();
            emit clicked(m_selectedIdx);
            repaint();
        }
        return;
    }

    if (type == ListViewItem::TypeProgress
        && (key == Qt::Key_VolumeDown || key == Qt::Key_VolumeUp || key == Qt::Key_VolumeMute)) {
        stepProgress(row, key);
        e->accept();
        return;
    }

    // Hot keys.
    const int idx = keyToItemIdx(key);
    if (idx == -1 || idx >= m_items.size()) {
        qDebug() << "ListView::keyReleaseEvent invalid idx:" << idx << " itemSize:" << m_items.size();
        e->ignore();
        return;
    }
    ListViewItem* picked = m_items.at(idx);
    if (picked && (picked->type() == ListViewItem::TypeCheck
                   || picked->type() == ListViewItem::TypeCheckLineEdit))
        toggleCheckRow(picked);
    const bool hostBusy = hostOwnsKeypad();
    if (!m_isVisibleSelectBackGround)
        m_selectedIdx = -1;
    else if (!hostBusy)
        setSelectedIdx(idx);
    if (!hostBusy)
        update();
    e->accept();
    qDebug() << "ListView::keyReleaseEvent emit clicked idx:" << idx;
    if (!picked) {
        qDebug() << "ListView::keyReleaseEvent cursor is null! idx:" << idx;
    } else if (!picked->m_itemSelectEnable) {
        qDebug() << "ListView::keyReleaseEvent item is disable!";
    } else {
        emit clicked(idx);
        emit clickedFuncKey(idx);
    }
}

// Moves the selection for Up or Down, wrapping at both ends or leaving the list when asked.
// Writes the selected index directly; the caller emits focusChanged().
void ListView::moveByArrow(int key)
{
    const int n = m_items.size();
    const int old = m_selectedIdx;
    if (old == -1) {
        m_selectedIdx = searchNextItemIndex(0, false);
        return;
    }
    if (key == Qt::Key_Up) {
        if (old == 0) {
            if (m_activeLeaveFocusSignal) {
                setSelectedIdx(0);
                emit leaveFocus();
            } else {
                m_selectedIdx = searchNextItemIndex(n - 1, true);
                m_startIdx = qMax(0, m_selectedIdx + 1 - m_pageCount);
                qDebug() << "ListView::KeyReleaseEvent m_selectedIdx:" << m_selectedIdx
                         << " m_startIdx:" << m_startIdx;
            }
            return;
        }
        int sel = old - 1;
        while (sel >= 0 && !itemSelectEnable(item(sel)))
            --sel;
        m_selectedIdx = sel < 0 ? old : sel;
        if (m_selectedIdx < m_startIdx)
            --m_startIdx;
        return;
    }

    qDebug() << "ListView::keyReleaseEvent m_selectedIdx:" << m_selectedIdx << " itemSize:" << n
             << " start_index" << m_startIdx;
    int sel = old;
    for (;;) {
        ++sel;
        if (sel - m_startIdx == m_pageCount)
            ++m_startIdx;
        if (sel >= n || itemSelectEnable(item(sel)))
            break;
    }
    m_selectedIdx = sel;
    qDebug() << "------------------------------->>>> ListView::keyReleaseEvent m_selectedIdx:"
             << m_selectedIdx << " : " << n;
    if (m_selectedIdx >= n) {
        if (m_activeEndLeaveFocusSignal) {
            m_selectedIdx = old;
            emit endLeaveFocus(key);
        } else {
            m_selectedIdx = searchNextItemIndex(0, false);
        }
        m_startIdx = qMax(0, m_selectedIdx + 1 - m_pageCount);
    }
    if (m_selectedIdx >= m_startIdx + m_pageCount)
        ++m_startIdx;
}

// Left/Right and the volume keys on a progress row: one step within its range.
void ListView::stepProgress(ListViewItem* row, int key)
{
    ListViewProgressItem* progress = dynamic_cast<ListViewProgressItem*>(row);
    if (!progress)
        return;
    int value = progress->value();
    if (key == Qt::Key_Left || key == Qt::Key_VolumeDown)
        value = qMax(value - progress->step(), progress->minValue());
    else if (key == Qt::Key_Right || key == Qt::Key_VolumeUp)
        value = qMin(value + progress->step(), progress->maxValue());
    else if (key == Qt::Key_VolumeMute)
        value = progress->minValue();
    progress->setValue(value);
    update();
    emit changeValue(m_selectedIdx, progress->value());
}

void ListView::paintEvent(QPaintEvent* e)
{
    Q_UNUSED(e);
    QPainter p(this);
    const int w = width();
    const int h = height();
    const int n = m_items.size();
    const int pc = m_pageCount;

    p.fillRect(rect(), m_backgroundColor);
    if (!m_backgroundPixmap.isNull())
        p.drawPixmap(0, 0, m_backgroundPixmap);

    if (m_showEmptyString && n == 0) {
        const QPixmap empty = ListViewItem::picture(QLatin1String(":/ui/images/widget/no_data.png"));
        p.drawPixmap((w - empty.width()) / 2, (h - empty.height()) / 2 - 15, empty);
        p.setPen(QColor(0, 0, 0));
        p.drawText(QRect(0, h / 2, w, h / 2), Qt::AlignCenter | Qt::TextWordWrap, m_emptyString);
        return;
    }

    const bool scrollBar = n > pc;
    const int scrollW = scrollBar ? 8 : 0;
    if (scrollBar)
        paintScrollBar(&p, w, h);

    const bool listFocus = hasFocus();
    const int rh = (h + m_listBottomMargin) / pc;
    const int lastSlot = m_startIdx + pc - 1;
    ListViewItem* focusRow = 0;
    QRect focusRect;
    bool focusInLastSlot = false;

    for (int i = m_startIdx; i <= lastSlot; ++i) {
        if (i < 0 || i >= n || !m_items.at(i))
            break;
        ListViewItem* row = m_items.at(i);
        const int k = i - m_startIdx;
        QRect r(QPoint(m_lineLeftMargin, rh * k), QPoint(w - m_lineRightMargin - scrollW, rh * k + rh - 1));
        row->m_geometry = r;
        row->m_focus = listFocus;

        const bool floating = m_focusType == eFocusTypeFloating || row->m_focusType == eFocusTypeFloating;
        const bool flat = m_focusType == eFocusTypeFlat || row->m_focusType == eFocusTypeFlat;
        if (i == m_selectedIdx && (floating || flat)) {
            row->m_textColor = row->m_baseTextColor;
            row->m_textSelectColor = Qt::black;
            row->m_textNoFocusSelectColor = Qt::black;
            row->m_textDisableColor = Qt::black;
            row->m_backGroundColor = Qt::white;
            row->m_backGroundSelectColor = Qt::white;
            row->m_backGroundNoFocusSelectColor = Qt::white;
            if (floating) {
                focusRow = row;
                focusRect = r;
                focusInLastSlot = i == lastSlot;
            } else {
                row->m_focusType = eFocusTypeFlat;
            }
        } else {
            row->m_textColor = row->m_baseTextColor;
            row->m_textSelectColor = Qt::white;
            row->m_textNoFocusSelectColor = Qt::white;
            row->m_textDisableColor = kDark;
            row->m_backGroundColor = Qt::white;
            row->m_backGroundSelectColor = Qt::black;
            row->m_backGroundNoFocusSelectColor = Qt::black;
        }
        if (!floating)
            row->m_selected = i == m_selectedIdx;
        row->m_hasScrollBar = scrollBar;
        row->m_scrollBarAreaWidth = scrollW;
        if (i != m_selectedIdx)
            row->m_isPressed = false;
        row->m_itemRect = r;
        if (row == focusRow && listFocus && !isEditRowType(row->type())) {
            // The focus box is drawn over this row and the row again over the box: of this
            // first paint only what the box's opaque fills leave uncovered can show.
            QRegion cover;
            drawFocusBox(&p, r, focusInLastSlot, scrollBar, m_selectAndPressed, &cover);
            p.save();
            p.setClipRegion(QRegion(rect()) - cover);
            row->paint(&p, r);
            p.restore();
        } else {
            row->paint(&p, r);
        }

        if (i < lastSlot) {
            if (!m_useDotLine || row->m_underLineType == ListViewItem::UnderLineSolid)
                p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kLight);
            else
                drawDottedLine(&p, r.left(), r.right(), r.bottom());
        }
    }

    if (m_drawTopLine)
        p.fillRect(QRect(0, 0, w - scrollW, 1), m_backgroundColor);
    if (m_drawBottomLine && n > 2)
        p.fillRect(QRect(0, h - 1, w - scrollW, 1), m_backgroundColor);

    if (!focusRow)
        return;
    if (isEditRowType(focusRow->type())) {
        // Edit rows get no box; the list's editor sits on them while the list has focus.
        if (!focusRow->m_focus) {
            focusRow->m_isPressed = true;
            focusRow->paint(&p, focusRect);
        }
        return;
    }
    if (!focusRow->m_focus)
        return;

    focusRow->m_textColor = focusRow->m_baseTextColor;
    focusRow->m_textSelectColor = Qt::black;
    focusRow->m_textNoFocusSelectColor = Qt::black;
    focusRow->m_textDisableColor = Qt::black;
    focusRow->m_backGroundColor = Qt::transparent;
    focusRow->m_backGroundSelectColor = Qt::transparent;
    focusRow->m_backGroundNoFocusSelectColor = Qt::transparent;
    focusRow->m_isPressed = false;
    if (m_selectAndPressed) {
        focusRow->m_textColor = Qt::white;
        focusRow->m_textSelectColor = Qt::white;
        focusRow->m_textDisableColor = Qt::white;
        focusRow->m_isPressed = true;
    }
    drawFocusBox(&p, focusRect, focusInLastSlot, focusRow->m_hasScrollBar, m_selectAndPressed);
    focusRow->paint(&p, focusRect);
}

void ListView::paintScrollBar(QPainter* p, int w, int h)
{
    const int n = m_items.size();
    const int pc = m_pageCount;
    const float travel = float(h - m_scrollTopMargin - m_scrollBottomMargin);
    const float s = m_selectedIdx == -1 ? 0.0f : float(m_selectedIdx);
    const float spare = float(n - pc);
    const float last = float(n - 1);
    float length = travel * (1.0f - spare / last);
    if (length < 20.0f)
        length = 20.0f;
    const float top = float(m_scrollTopMargin) + s * travel * spare / (last * last);
    const float limit = float(h - m_scrollBottomMargin);
    if (top + length >= limit) {
        length -= top + length - limit;
        if (length <= 0.0f)
            length = 1.0f;
    }
    // Thumb rows run from round(top) up to, not including, round(top + length).
    const int y0 = qRound(top);
    const int thumbH = qMax(1, qRound(top + length) - y0);

    const int xr = w - 1 - m_scrollRightMargin;
    const QRect track(QPoint(xr - 5, 0), QPoint(w - 1, h - 1));
    switch (m_scrollbarBorderType) {
    case eScrollBarBorderNone:
        p->fillRect(track, m_backgroundColor);
        p->fillRect(QRect(xr - 4, y0, 4, thumbH), kDark);
        break;
    case eScrollBarBorderFill:
        p->fillRect(QRect(QPoint(xr - 3, 0), QPoint(w - 1, h - 1)), kLight);
        p->fillRect(QRect(xr - 3, y0, 4, thumbH), kDark);
        break;
    default:
        p->fillRect(track, kDark);
        p->fillRect(track.adjusted(1, 0, -1, 0), m_backgroundColor);
        p->fillRect(QRect(xr - 3, y0, 3, thumbH), kDark);
        break;
    }
}

void ListView::drawDottedLine(QPainter* p, int left, int right, int y)
{
    const int w = right - left + 1;
    if (w <= 0)
        return;
    // Grey pairs at k and k + 1, background at k + 2, for k = 0, 3, 6, ... up to w.
    const int lastK = (w / 3) * 3;
    const int lastGrey = lastK <= w - 1 ? lastK + 1 : lastK;
    if (m_backgroundColor.alpha() == 255) {
        // Every pixel of the line is opaque: copy it from one picture of the pattern.
        static QImage line;
        static int lineWidth = -1;
        static QRgb lineBackground = 0;
        if (lineWidth != w || lineBackground != m_backgroundColor.rgba()) {
            lineWidth = w;
            lineBackground = m_backgroundColor.rgba();
            const int gapEnd = w - 2 >= 0 ? ((w - 2) / 3) * 3 + 3 : 0;
            line = QImage(qMax(lastGrey + 1, gapEnd), 1, QImage::Format_RGB32);
            QRgb* px = reinterpret_cast<QRgb*>(line.scanLine(0));
            for (int x = 0; x < line.width(); ++x)
                px[x] = x % 3 == 2 && x - 2 < w - 1 ? lineBackground : kLight.rgba();
        }
        p->drawImage(left, y, line);
        return;
    }
    p->fillRect(QRect(left, y, lastGrey + 1, 1), kLight);
    QVarLengthArray<QPoint, 256> gaps;
    for (int k = 0; k < w - 1; k += 3)
        gaps.append(QPoint(left + k + 2, y));
    if (!gaps.isEmpty()) {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(QPen(m_backgroundColor, 1));
        p->drawPoints(gaps.constData(), gaps.size());
        p->restore();
    }
}

void ListView::drawFocusBox(QPainter* p, const QRect& focusRect, bool lastSlot, bool hasScrollBar,
                            bool pressed, QRegion* cover)
{
    const int l = focusRect.left();
    const int t = focusRect.top();
    const int r = hasScrollBar ? focusRect.right() : focusRect.right() - 1;
    const int b = focusRect.bottom();
    const int x0 = l;
    const int y0 = t == 0 ? t : t - 1;
    const int bh = (lastSlot ? b + 4 : b + 3) - y0 + 1;
    const int bw = r - l + 1;

    const QPixmap lt = ListViewItem::picture(pressed ? QLatin1String(":ui/images/widget/focus_02_lefttop_sel.png")
                             : QLatin1String(":ui/images/widget/focus_02_lefttop.png"));
    const QPixmap lb = ListViewItem::picture(pressed ? QLatin1String(":ui/images/widget/focus_02_lefbottom_sel.png")
                             : QLatin1String(":ui/images/widget/focus_02_lefbottom.png"));
    const QPixmap rt = ListViewItem::picture(pressed ? QLatin1String(":ui/images/widget/focus_02_righttop_sel.png")
                             : QLatin1String(":ui/images/widget/focus_02_righttop.png"));
    const QPixmap rb = ListViewItem::picture(pressed ? QLatin1String(":ui/images/widget/focus_02_rightbottom_sel.png")
                             : QLatin1String(":ui/images/widget/focus_02_rightbottom.png"));
    const QColor inner = pressed ? QColor(0, 0, 0) : QColor(255, 255, 255);
    const QColor black(0, 0, 0);

    // Rectangles by inclusive corners; empty spans (missing pictures, tiny rows) draw nothing.
    // With cover given, only collect the opaque fills: whatever lies below them is hidden.
    auto fill = [p, cover](int x1, int y1, int x2, int y2, const QColor& c) {
        if (x2 < x1 || y2 < y1)
            return;
        if (cover)
            *cover += QRect(QPoint(x1, y1), QPoint(x2, y2));
        else
            p->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
    };
    auto picture = [p, cover](int x, int y, const QPixmap& pm) {
        if (!cover)
            p->drawPixmap(x, y, pm);
    };

    const int ix = x0 + lt.width() - 1;
    const int iy = y0 + lt.height() - 1;
    fill(ix, iy, ix + bw - lt.width() - rt.width() + 1, iy + bh - lt.height() - lb.height() + 1, inner);

    picture(x0, y0, lt);
    const int leftRows = bh - lt.height() - lb.height();
    fill(x0, y0 + lt.height(), x0 + lt.width() - 2, y0 + lt.height() + leftRows - 1, black);
    picture(x0, y0 + bh - lb.height() - 1, lb);

    const int cols = bw - lt.width() - rt.width();
    fill(x0 + lt.width(), y0, x0 + lt.width() + cols - 1, y0 + lt.height() - 2, black);
    fill(x0 + lb.width(), y0 + bh - lb.height(), x0 + lb.width() + cols - 1,
         y0 + bh - lb.height() + lt.height() - 2, black);
    fill(x0 + lb.width(), y0 + bh - 3, x0 + lb.width() + cols - 1, y0 + bh - 2, kLight);

    picture(x0 + bw - rt.width(), y0, rt);
    const int rightRows = bh - rt.height() - rb.height();
    fill(x0 + bw - rt.width() + 1, y0 + rt.height(), x0 + bw - 1, y0 + rt.height() + rightRows - 1, black);
    picture(x0 + bw - rt.width(), y0 + bh - rb.height() - 1, rb);
}

