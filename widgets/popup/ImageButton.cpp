#include "ImageButton.h"

#include "ListViewItem.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool isOkKey(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return;
}

// Left/top that centres a picture of the given size in an area.
QPoint centredIn(const QRect& area, const QSize& size)
{
    return QPoint(area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 2);
}

} // namespace

ImageButton::ImageButton(QWidget* parent)
    : QWidget(parent),
      m_hover(false),
      m_leftGap(3),
      m_rightGap(3),
      m_bgColor(255, 255, 255)
{
    setFocusPolicy(Qt::StrongFocus);
    QFont f;
    f.setPointSize(20);
    setFont(f);
}

void ImageButton::setIcon(const QPixmap& icon)
{
    m_icon = icon;
}

void ImageButton::setPressIcon(const QPixmap& icon)
{
    m_pressIcon = icon;
}

QString ImageButton::text() const
{
    return m_text;
}

void ImageButton::setText(const QString& text)
{
    m_text = text;
}

bool ImageButton::hover() const
{
    return m_hover;
}

void ImageButton::setHover(bool hover)
{
    m_hover = hover;
    emit isHover(hover);
    update();
}

int ImageButton::leftGap() const
{
    return m_leftGap;
}

void ImageButton::setLeftGap(int gap)
{
    m_leftGap = gap;
}

int ImageButton::rightGap() const
{
    return m_rightGap;
}

void ImageButton::setRightGap(int gap)
{
    m_rightGap = gap;
}

QColor ImageButton::bgColor() const
{
    return m_bgColor;
}

void ImageButton::setBgColor(const QColor& color)
{
    m_bgColor = color;
}

QString ImageButton::symbolPicture(const QString& text, bool hover)
{
    QString name;
    const QString trimmed = text.trimmed();
    if (text == QString(QChar(0x2228)))
        name = "softkey_ok";
    else if (text == "<-" || trimmed == tr("Erase") || trimmed.toLower() == "erase")
        name = "softkey_delete";
    else if (text == "X")
        name = "softkey_cancel";
    else if (text == ">>")
        name = "softkey_nextpage";
    else if (text == ">")
        name = "softkey_afterpage";
    else if (text == "<")
        name = "softkey_prevpage";
    else
        return QString();
    return ":/ui/images/widget/" + name + (hover ? "_sel.png" : ".png");
}

void ImageButton::keyPressEvent(QKeyEvent* event)
{
    if (!isOkKey(event->key())) {
        event->ignore();
        return;
    }
    // Pressed look only; isHover(bool) belongs to setHover().
    m_hover = true;
    event->accept();
    update();
}

void ImageButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!isOkKey(event->key())) {
        event->ignore();
        return;
    }
    m_hover = false;
    update();
    event->accept();
    emit clicked();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    emit clicked();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    const QRect area(QPoint(m_leftGap, 0), QPoint(w - 1 - m_rightGap, h - 1));
    const QRect label(QPoint(m_leftGap, 3), QPoint(w - 1 - m_rightGap, h - 1));
    // Normal state: a labelled button keeps a 3-pixel black band above its body.
    const QRect band(QPoint(area.left(), 0), QPoint(area.right(), h - 4));

    if (m_icon.isNull() && m_pressIcon.isNull()) {
        const QString path = symbolPicture(m_text, m_hover);
        const QPixmap picture = path.isEmpty() ? QPixmap() : ListViewItem::picture(path);
        if (m_hover) {
            p.fillRect(area, Qt::black);
        } else {
            if (!m_text.isEmpty())
                p.fillRect(band, Qt::black);
            p.fillRect(label, m_bgColor);
        }
        if (!picture.isNull()) {
            p.drawPixmap(centredIn(label, picture.size()), picture);
        } else {
            // Plain labels, and symbols on a host without the soft-key pictures.
            p.setPen(m_hover ? Qt::white : Qt::black);
            p.drawText(label, Qt::AlignCenter, m_text);
        }
        return;
    }

    const QPixmap& picture = m_hover ? m_pressIcon : m_icon;
    p.drawPixmap(centredIn(area, picture.size()), picture);
    if (m_hover) {
        p.fillRect(area, Qt::black);
    } else {
        if (!m_text.isEmpty())
            p.fillRect(band, Qt::black);
        p.fillRect(label, m_bgColor);
    }
    p.drawPixmap(area.left() + (area.width() - picture.width()) / 2,
                 3 + ((h - 3) - picture.height()) / 2, picture);
}
