#include "Tail.h"

#include "Core.h"
#include "IME.h"
#include "TailButton.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWSServer>

Tail::Tail(QWidget* parent)
    : QLabel(parent),
      m_pressed(false),
      m_longPressed(false),
      m_pressedKey(-1),
      m_windowBlocked(false),
      m_useEraseStr(false),
      m_pressedIdx(-1),
      m_group(0)
{
    setObjectName(QLatin1String("Tail"));
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(8, 133, 369, 27);

    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(longPressTimeout()));
    m_group = new QButtonGroup(this);
    connect(m_group, SIGNAL(buttonClicked(QAbstractButton*)), this, SLOT(clickedFunction(QAbstractButton*)));

    QFont keyFont = font();
    keyFont.setPointSize(20);
    const int keyWidth = width() / ButtonCount;
    for (int i = 0; i < ButtonCount; ++i) {
        m_buttons[i] = new TailButton(this);
        m_buttons[i]->setGeometry(i * keyWidth, 0, keyWidth, 27);
        m_buttons[i]->setFont(keyFont);
        m_buttons[i]->setDown(false);
        m_group->addButton(m_buttons[i], i);
    }

    if (theCore) {
        if (IME* ime = theCore->ime())
            connect(ime, SIGNAL(changedIMEStatus(int)), this, SLOT(changedIMEStatus(int)));
    }
}

Tail::~Tail()
{
}

void Tail::setFuncButtonText(int idx, const QString& text)
{
    if (idx < 0 || idx >= ButtonCount) {
        qDebug() << "Tail::setFuncButtonText invalid idx:" << idx;
        return;
    }
    m_buttons[idx]->setText(text);
    m_buttons[idx]->update();
    if (idx == 2)
        m_ownText2 = text;
}

QString Tail::funcButtonText(int idx)
{
    if (idx < 0 || idx >= ButtonCount) {
        qDebug() << "Tail::funcButtonText invalid idx:" << idx;
        return QString();
    }
    return m_buttons[idx]->text();
}

TailButton* Tail::button(int idx)
{
    if (idx < 0 || idx >= ButtonCount)
        return 0;
    return m_buttons[idx];
}

void Tail::setButtonTextColor(int idx, const QColor& color)
{
    TailButton* key = button(idx);
    if (!key)
        return;
    key->setStyleSheet(QString::fromLatin1("QPushButton { color: %1; }").arg(color.name()));
    update();
}

int Tail::findButtonIndex(const QString& text, int from, int to)
{
    const int start = (from < 0 || from >= ButtonCount) ? 0 : qMin(from, to);
    if (start >= ButtonCount)
        return -1;
    for (int i = qMax(start, 0); i < ButtonCount; ++i) {
        if (m_buttons[i]->text().contains(text, Qt::CaseSensitive))
            return i;
    }
    return -1;
}

int Tail::buttonWidth(int idx)
{
    if (TailButton* key = button(idx))
        return key->width();
    return width() / ButtonCount;
}

QRect Tail::buttonGeometry(int idx)
{
    if (TailButton* key = button(idx))
        return key->geometry();
    return QRect();
}

void Tail::setUseEraseStr(bool use)
{
    m_useEraseStr = use;
}

bool Tail::useEraseStr()
{
    return m_useEraseStr;
}

void Tail::setEraseStr(const QString& text)
{
    m_eraseStr = text;
}

int Tail::keyIndex(int key)
{
    switch (key) {
    case Qt::Key_Context1: return 0;
    case Qt::Key_Context2: return 1;
    case Qt::Key_Context3: return 2;
    case Qt::Key_Context4: return 3;
    default: return -1;
    }
}

bool Tail::imeActive() const
{
    if (!theCore)
        return false;
    IME* ime = theCore->ime();
    return ime && ime->imeStatus() != 0;
}

bool Tail::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::WindowBlocked:
        m_windowBlocked = true;
        break;
    case QEvent::WindowUnblocked:
    case QEvent::WindowActivate:
        m_windowBlocked = false;
        break;
    default:
        break;
    }
    return QLabel::event(e);
}

void Tail::keyPressEvent(QKeyEvent* e)
{
    const int idx = keyIndex(e->key());
    if (idx < 0) {
        QLabel::keyPressEvent(e);
        return;
    }
    // Context keys end here: an ignored one would travel back up to the page that sent it.
    e->accept();
    // A held key's auto-repeat must not restart the long-press time.
    if (e->isAutoRepeat())
        return;
    if (funcButtonText(idx).isEmpty())
        return;

    // A second key takes the press over; the first one no longer looks held.
    if (m_pressed && m_pressedIdx != idx) {
        if (TailButton* previous = button(m_pressedIdx)) {
            previous->setDown(false);
            previous->update();
        }
    }
    m_pressed = true;
    m_pressedKey = e->key();
    m_longPressTimer.start(LongPressMs);
    m_pressedIdx = idx;
    m_buttons[idx]->setDown(true);
    m_buttons[idx]->update();
    emit pressed(idx, true);
    update();
}

void Tail::longPressTimeout()
{
    m_longPressTimer.stop();
    m_pressedIdx = -1;
    m_longPressed = true;
    update();

    const int idx = keyIndex(m_pressedKey);
    if (idx < 0)
        return;
    m_pressedIdx = idx;
    m_pressedKey = -1;
    if (m_pressed) {
        m_buttons[idx]->setDown(false);
        m_buttons[idx]->update();
    }
    emit longPress(idx);
}

void Tail::keyReleaseEvent(QKeyEvent* e)
{
    const int idx = keyIndex(e->key());
    if (idx < 0) {
        QLabel::keyReleaseEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat())
        return;

    update();
    if (!m_pressed)
        return;

    const int released = m_pressedIdx;
    if (TailButton* key = button(released)) {
        key->setDown(false);
        key->update();
    }
    emit pressed(released, false);
    m_longPressTimer.stop();

    // The press is over either way, so a later release of an ignored press reports nothing.
    m_longPressed = false;
    m_pressed = false;
    m_pressedIdx = -1;

    switch (e->key()) {
    case Qt::Key_Context1:
        emit clicked(0);
        break;
    case Qt::Key_Context2:
        emit clicked(1);
        break;
    case Qt::Key_Context3:
        if (imeActive()) {
            // The third key erases in the focused editor while text input is on.
            e->accept();
            QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, true, false);
            QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, false, false);
        } else {
            emit clicked(2);
        }
        break;
    case Qt::Key_Context4:
        emit clicked(3);
        break;
    default:
        break;
    }
}

void Tail::paintEvent(QPaintEvent*)
{
    // Only the keys show; the page shines through between them.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);
}

void Tail::clickedFunction(QAbstractButton* btn)
{
    int idx = 0;
    for (int i = 0; i < ButtonCount; ++i) {
        if (m_buttons[i] == btn) {
            idx = i;
            break;
        }
    }
    emit clicked(idx);
}

void Tail::changedIMEStatus(int status)
{
    // A popup owns the keys meanwhile; its own bar follows the input method.
    if (m_windowBlocked)
        return;
    if (status == 0) {
        m_buttons[2]->setText(m_ownText2);
    } else if (!m_useEraseStr) {
        m_buttons[2]->setIcon(QIcon());
        m_buttons[2]->setText(tr("Erase"));
    } else {
        m_buttons[2]->setText(m_eraseStr);
    }
}
