#ifndef TITLELABEL_H
#define TITLELABEL_H

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>

// The page title of the status bar: white text in a black box between two end caps.
// "Settings | Time Zone" is drawn as a two-level breadcrumb.
class TitleLabel : public QLabel
{
public:
    explicit TitleLabel(QWidget* parent = 0);
    virtual ~TitleLabel();

    // Stores the title with 42 trailing spaces, which keep the label's size hint wide.
    void setText(const QString& title);
    QString text() const;

    QColor titleColor() const;
    void setTitleColor(const QColor& color);

protected:
    virtual void paintEvent(QPaintEvent* e);

private:
    QString m_text;
    QStringList m_levels;
    QColor m_titleColor;
    // Measurements of the title last painted, and what they were taken for.
    QString m_measuredText;
    int m_measuredWidth;
    int m_measuredCap;
    QFont m_measuredFont;
    int m_textWidth;
    QString m_elided;
    int m_firstLevelWidth;
};

#endif
