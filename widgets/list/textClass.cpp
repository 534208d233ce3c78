#include "textClass.h"

textClass::textClass(QString const& text)
    : m_text(text),
      m_textX(0),
      m_textWidth(384),
      m_textPt(19),
      m_textColor(Qt::yellow),
      m_textSelectColor(Qt::red),
      m_alignment(Qt::AlignLeft | Qt::AlignVCenter)
{
}

QString textClass::text() const { return m_text; }
void textClass::setText(QString const& text) { m_text = text; }
int textClass::textX() const { return m_textX; }
void textClass::settextX(int x) { m_textX = x; }
int textClass::textWidth() const { return m_textWidth; }
void textClass::setTextWidth(int width) { m_textWidth = width; }
int textClass::textPt() const { return m_textPt; }
void textClass::setTextPt(int pt) { m_textPt = pt; }
QColor textClass::textColor() const { return m_textColor; }
void textClass::setTextColor(QColor const& color) { m_textColor = color; }
QColor textClass::textSelectColor() const { return m_textSelectColor; }
void textClass::setTextSelecteColor(QColor const& color) { m_textSelectColor = color; }
int textClass::alignment() const { return m_alignment; }
void textClass::setAlignment(int alignment) { m_alignment = alignment; }
