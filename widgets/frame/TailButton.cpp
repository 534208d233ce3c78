#include "TailButton.h"

#include "PhoneQt.h"
#include "Core.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace {

// Keys repaint on every press; the pixmap cache spares the resource lookup (it is cleared when
// the host swaps its resources).
QPixmap keyPicture(const QString& path)
{
    const QString key = QLatin1String("TailButton") + path;
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(path);
        if (!pixmap.isNull())
            QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

TailButton::TailButton(QWidget* parent)
    : QPushButton(parent),
      m_startPos(2.0f),
      m_endPos(2.0f)
{
    setFocusPolicy(Qt::NoFocus);
}

TailButton::~TailButton()
{
}

float TailButton::startPos() const
{
    return m_startPos;
}

void TailButton::setStartPos(float pos)
{
    m_startPos = pos;
}

float TailButton::endPos() const
{
    return m_endPos;
}

void TailButton::setEndPos(float pos)
{
    m_endPos = pos;
}

void TailButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();

    QString label = text();
    QFont font = painter.font();
    if (label == QLatin1String("<") || label == QLatin1String(">"))
        font.setWeight(QFont::Bold);
    font.setPointSize(20);

    // Reserved texts are drawn as pictures, each with a "_sel" twin for the other state.
    QString picture;
    if (label == QString(QChar(0x2228))) {
        picture = QLatin1String("softkey_ok");
    } else if (label == QLatin1String("<-")
               || label == QCoreApplication::translate("TailButton", "Erase")
               || label.toLower() == QLatin1String("erase")) {
        picture = QLatin1String("softkey_delete");
    } else if (label == QLatin1String("X")) {
        picture = QLatin1String("softkey_cancel");
    } else if (label == QLatin1String(">>")) {
        picture = QLatin1String("softkey_nextpage");
    } else if (label.contains(QLatin1String("MSG_"))) {
        label.remove(QLatin1String("MSG_"));
    }

    const bool design1 = theCore && theCore->designType() == 1;
    const bool down = isDown();
    QPixmap pixmap;
    if (!picture.isEmpty()) {
        // Design 1 swaps which file is the pressed one.
        const bool sel = down != design1;
        pixmap = keyPicture(QLatin1String(":/ui/images/widget/") + picture
                            + (sel ? QLatin1String("_sel.png") : QLatin1String(".png")));
    }

    label = label.trimmed();
    if (!label.isEmpty() && phoneTextWidth(QFontMetrics(font), label) >= w - 3 && font.pointSize() == 20)
        font.setPointSize(18);
    painter.setFont(font);

    const QRect keyArea(QPoint(2, 0), QPoint(w - 3, h - 1));
    const QRect faceArea(QPoint(4, 3), QPoint(w - 5, h - 1));
    const QRect contentArea(QPoint(0, 3), QPoint(w - 1, h - 1));
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor grey(187, 187, 187);
    const bool empty = picture.isEmpty() && label.isEmpty();

    QColor textColor = black;
    if (down) {
        painter.fillRect(keyArea, design1 ? grey : black);
        textColor = design1 ? black : white;
    } else if (empty) {
        painter.fillRect(keyArea, grey);
    } else if (design1) {
        painter.fillRect(keyArea, black);
        textColor = white;
    } else {
        painter.fillRect(keyArea, black);
        painter.fillRect(faceArea, white);
        textColor = black;
    }

    if (!picture.isEmpty()) {
        painter.drawPixmap((w - pixmap.width()) / 2, 3 + (h - 3 - pixmap.height()) / 2, pixmap);
        return;
    }
    if (label.isEmpty())
        return;
    painter.setPen(textColor);
    painter.drawText(contentArea, Qt::AlignCenter, label);
}
