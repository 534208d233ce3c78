#ifndef INIFILE_H
#define INIFILE_H

#include <QByteArray>
#include <QString>
#include <QVariant>

// A settings file in Qt's INI format that other programs share, such as phone_info.conf:
// values read as QSettings reads them, and a write changes only the line of its key.
//
// setValue() puts the value, in QSettings' INI encoding, in place of the key's old value (or
// adds the line, or the group, when missing). Every other byte stays as it was: other keys
// with their spelling, escaping and order, comments, blank lines, line ends, encoding. The
// edit is checked before it is written: should it change how QSettings reads any other key,
// which only a broken file allows (an open quote running over the following lines), it is
// refused. The whole read, edit and write holds the lock QSettings' writers take, and the
// file is written as they write it (SharedFile).
//
// Reading takes regular files of at most MaxSize bytes; anything else reads as missing and
// sets errorString(). The file is read once, at the first value(); setValue() reads it again.
// Values stored as "@Variant(...)" (QDataStream data) read as the default: Qt's decoder
// trusts the sizes inside, and a damaged file could make it allocate without bound.
class IniFile
{
public:
    // 4 MiB: settings files hold kilobytes, and a value of a megabyte still fits.
    static const int MaxSize = 4 * 1024 * 1024;

    explicit IniFile(const QString& path);

    QString fileName() const;
    // Value of "Group/Key" decoded as QSettings would; defaultValue when the file or key is
    // missing, or the file is not a readable regular file within the size cap.
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // Writes one key: only that key's line changes (or the line / the group is added), under
    // the writers' lock; false on any failure (a lock held too long included), the file then
    // untouched.
    bool setValue(const QString& key, const QVariant& value);
    // Why the last read or write failed; empty when it did not.
    QString errorString() const;

    // The same on a file's content in memory.
    static QVariant valueIn(const QByteArray& content, const QString& key,
                            const QVariant& defaultValue = QVariant());
    static bool setValueIn(QByteArray& content, const QString& key, const QVariant& value,
                           QString* error = 0);

private:
    void load() const;

    QString m_path;
    mutable QByteArray m_content;
    mutable bool m_loaded;
    mutable QString m_error;
};

#endif
