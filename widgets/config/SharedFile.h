#ifndef SHAREDFILE_H
#define SHAREDFILE_H

#include "RegularFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A settings file that other programs write at the same moment through QSettings: the host,
// other pages, provisioning, the web admin. Reads and saves take the lock the QSettings of the
// Qt in use takes and write the way it writes, so that no writer loses another's keys and no
// reader sees half a file:
//  - Qt 5: a save holds the lock file "<absolute path>.lock" (QLockFile: one left by a process
//    that is gone is stale and removed) and replaces the file atomically (RegularFile::replace);
//    reads take no lock, as nothing is ever written in place.
//  - Qt 4.8: reads hold an fcntl() read lock on the file, saves a write lock, and a save writes
//    in place: QSettings' writers wait for the lock on the file they opened, and a rename would
//    leave them writing into a file nobody reads. Only the bytes that change are written
//    (a shorter file is first padded with line ends, then cut), then flushed.
// A lock held longer than LockWaitMs (a hung writer) fails the save with the reason, nothing
// written; a read then goes on without the lock and says so.
class SharedFile
{
public:
    // QSettings' writers hold the lock for milliseconds.
    static const int LockWaitMs = 3000;

    // Edits the content (empty for a missing file) in place; false and the reason to write nothing.
    typedef std::function<bool(QByteArray& content, QString* error)> Edit;

    // As RegularFile::read, under the readers' lock.
    static RegularFile::Status read(const QString& path, qint64 maxSize, QByteArray* data,
                                    QString* error);
    // Reads, edits and writes the file under the writers' lock; the file is created if missing.
    // False with the reason when nothing was written (a refused or failed write leaves the
    // file as it was).
    static bool update(const QString& path, qint64 maxSize, const Edit& edit, QString* error);
};

#endif
