#include "TextButton.h"

#include <QPainter>

namespace {
// The outline keeps the soft-key face height whatever the widget's height.
const int kFaceHeight = 85;
}

TextButton::TextButton(QWidget* parent)
    : QPushButton(parent),
      m_leftGap(2),
      m_rightGap(2)
{
}

void TextButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    const int w = width() - 1 - m_leftGap - m_rightGap;
    if (isDown()) {
        p.drawRoundedRect(QRect(3, 2, w + 1, kFaceHeight - 2), 6, 5, Qt::AbsoluteSize);
        p.drawText(QRect(QPoint(3, 3), QPoint(width() - 1, height() - 1)), Qt::AlignCenter, text());
        return;
    }
    p.drawRoundedRect(QRect(m_leftGap, 0, w, kFaceHeight), 6, 5, Qt::AbsoluteSize);
    // Second pass one pixel wider doubles the right edge.
    p.drawRoundedRect(QRect(m_leftGap, 0, w + 1, kFaceHeight), 6, 5, Qt::AbsoluteSize);
    p.drawText(rect(), Qt::AlignCenter, text());
}
