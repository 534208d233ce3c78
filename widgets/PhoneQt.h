#ifndef PHONEQT_H
#define PHONEQT_H

#include <QDataStream>
#include <QFontMetrics>
#include <QMap>
#include <QString>

// The toolkit's Qt version branches.

// The advance width of a text. Qt 4 only has QFontMetrics::width, which Qt 5.11 deprecates
// for horizontalAdvance (same value).
inline int phoneTextWidth(const QFontMetrics& metrics, const QString& text)
{
#if QT_VERSION >= 0x050B00
    return metrics.horizontalAdvance(text);
#else
    return metrics.width(text);
#endif
}

// Whether an image's or a pixmap's pixels are the device's own (no high-dpi scaling); Qt 4
// has no scaling.
template <typename Picture>
inline bool phoneUnscaled(const Picture& picture)
{
#if QT_VERSION >= 0x050000
    return picture.devicePixelRatio() == 1.0;
#else
    Q_UNUSED(picture);
    return true;
#endif
}

// How QSettings writes a QDateTime: since Qt 5.6 as "@DateTime(" in that stream version,
// before as "@Variant(" like every other type. Sets the stream's version, returns the prefix.
inline const char* phoneSettingsDateTime(QDataStream& stream)
{
#if QT_VERSION >= 0x050600
    stream.setVersion(QDataStream::Qt_5_6);
    return "@DateTime(";
#else
    stream.setVersion(QDataStream::Qt_4_0);
    return "@Variant(";
#endif
}

// Qt 4.8's INI reader knows no byte order mark (its bytes start the first line, values read
// as Latin-1), and a ';' comment opening a line runs to the next '\n' only: a '\r' does not
// end it, and the next line keeps its leading blanks. Qt 5 changed both.
const bool kPhoneQt4Ini = QT_VERSION < 0x050000;

// QMap::insertMulti(key, value): the new entry goes before the earlier ones of its key.
// Qt 5.1 on take a hint where it goes (the entry last added under the same key, or end()
// for a key above all others) and skip the search when it holds; a wrong hint only costs
// the search.
template <typename Key, typename T>
inline typename QMap<Key, T>::iterator phoneInsertMulti(QMap<Key, T>& map,
                                                       typename QMap<Key, T>::iterator hint,
                                                       const Key& key, const T& value)
{
#if QT_VERSION >= 0x050100
    return map.insertMulti(hint, key, value);
#else
    Q_UNUSED(hint);
    return map.insertMulti(key, value);
#endif
}

#endif
