#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QByteArray>
#include <QString>

// Reading and replacing files that other programs share with the phone's pages, such as
// phone_info.conf or the time-zone table.
//
// read() takes only regular files (or symbolic links to one) up to a size cap: a FIFO, a
// device or a directory at the path is refused without reading from it, so nothing put there
// can block the caller or exhaust its memory.
//
// replace() writes a temporary file beside the target, flushes it to storage (fsync) and
// renames it over the target, so a crash at any moment leaves either the old or the new file.
// The target keeps its permission bits (and owner, where the process may set it); a symbolic
// link stays a link and its target is replaced. Files and directories without any write
// permission bit are never replaced, also not by root. The new file's modification time is
// always in a later second than the old one's: Qt caches settings files per process and
// re-reads them only when size or time changed, Qt 4 comparing whole seconds.
class RegularFile
{
public:
    enum Status { Read, Missing, Refused };

    // Missing: no file at the path (or an empty path); data stays empty and error too.
    // Refused: something else than a readable regular file within maxSize; error says why.
    static Status read(const QString& path, qint64 maxSize, QByteArray* data, QString* error);
    // The same from an open file, from its start.
    static Status read(int fd, qint64 maxSize, QByteArray* data, QString* error);
    // What stands at the path, without opening it: Read for a regular file (or a link to one).
    static Status probe(const QString& path, QString* error);
    // Whether the file at the path, if any, is one that read() takes and replace() may write:
    // false with the reason for anything else (a FIFO or a device is not opened).
    static bool isWritableFile(const QString& path, QString* error);

    // "what: <the system's text for error>".
    static QString systemError(const char* what, int error);
    // Moves the open file's time to a later second than oldSeconds unless it is there already:
    // Qt caches settings files per process and re-reads them only when size or time changed,
    // Qt 4 comparing whole seconds. False with errno set when the time cannot be set.
    static bool moveModificationTime(int fd, qint64 oldSeconds);
    // All of data at offset in the open file; false with errno set otherwise.
    static bool writeAt(int fd, const QByteArray& data, qint64 offset);

    // False with the reason in error when the file could not be replaced; it is then as before.
    static bool replace(const QString& path, const QByteArray& data, QString* error);
};

#endif
