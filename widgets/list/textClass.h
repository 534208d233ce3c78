#ifndef TEXTCLASS_H
#define TEXTCLASS_H

#include <QColor>
#include <QString>

// One run of text inside a subtitle row; the row owns a list of them.
class textClass
{
public:
    textClass(QString const& text);

    QString text() const;
    void setText(QString const& text);
    // -1 places the run right after the previous one.
    int textX() const;
    void settextX(int x);
    int textWidth() const;
    void setTextWidth(int width);
    // A negative size keeps the painter's font.
    int textPt() const;
    void setTextPt(int pt);
    QColor textColor() const;
    void setTextColor(QColor const& color);
    QColor textSelectColor() const;
    void setTextSelecteColor(QColor const& color);
    int alignment() const;
    void setAlignment(int alignment);

private:
    QString m_text;
    int m_textX;
    int m_textWidth;
    int m_textPt;
    QColor m_textColor;
    QColor m_textSelectColor;
    int m_alignment;
};

#endif
