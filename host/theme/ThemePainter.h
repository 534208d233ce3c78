#ifndef THEMEPAINTER_H
#define THEMEPAINTER_H

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Paints the host application's pictures: one monochrome style sized for the 384 x 160 screen.
// Every picture has a fixed size (the layouts of the toolkit depend on them); see pictures().
class ThemePainter
{
public:
    struct Picture {
        QString path;   // resource path without the leading ":/", e.g. "ui/images/widget/radio.png"
        QSize size;
    };

    static QList<Picture> pictures();
    QImage paint(const Picture& picture) const;
    // Writes every picture below dir and the matching dir/phonetheme.qrc.
    bool writeAll(const QString& dir) const;
};

#endif
