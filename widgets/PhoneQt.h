#ifndef PHONEQT_H
#define PHONEQT_H

#include <QFontMetrics>
#include <QString>

// The toolkit's one Qt version branch: the advance width of a text. Qt 4 only has
// QFontMetrics::width, which Qt 5.11 deprecates for horizontalAdvance (same value).
inline int phoneTextWidth(const QFontMetrics& metrics, const QString& text)
{
#if QT_VERSION >= 0x050B00
    return metrics.horizontalAdvance(text);
#else
    return metrics.width(text);
#endif
}

#endif
