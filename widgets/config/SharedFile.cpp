#include "SharedFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#if QT_VERSION >= 0x050000
#include <QLockFile>
#endif

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString lockedError()
{
    return QString::fromLatin1("locked by another writer for over %1 ms").arg(SharedFile::LockWaitMs);
}

// Tries until attempt() succeeds or says to stop, pausing 1, 2, 4 ... 16 ms in between, for at
// most LockWaitMs. 1: taken; 0: still held by another; -1: failed otherwise.
bool waitForLock(const std::function<int()>& attempt, QString* error)
{
    QElapsedTimer clock;
    clock.start();
    for (int pause = 1;; pause = qMin(pause * 2, 16)) {
        const int got = attempt();
        if (got != 0)
            return got > 0;
        if (clock.elapsed() >= SharedFile::LockWaitMs) {
            *error = lockedError();
            return false;
        }
        usleep(useconds_t(pause * 1000));
    }
}

#if QT_VERSION < 0x050000
// Qt 4's QSettings locks the whole file with fcntl() and goes on without a lock where the
// file system has none (NFS): so does this.
bool lockFile(int fd, short type, QString* error)
{
    return waitForLock([fd, type]() -> int {
        struct flock lock;
        memset(&lock, 0, sizeof lock);
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        if (fcntl(fd, F_SETLK, &lock) == 0)
            return 1;
        return errno == EACCES || errno == EAGAIN || errno == EINTR ? 0 : 1;
    }, error);
}

// Writes after over before in the open file, only from the first byte that differs. A shorter
// content is padded with line ends to the old length, flushed, then cut: a kill in between
// leaves blank lines, which read as nothing. Where the length stays, only the changed bytes
// are written. On a failed write or flush the old bytes go back.
bool writeInPlace(int fd, const QByteArray& before, const QByteArray& after, QString* error)
{
    int from = 0;
    while (from < before.size() && from < after.size() && before.at(from) == after.at(from))
        ++from;
    int to = after.size();
    if (before.size() == after.size())
        while (to > from && before.at(to - 1) == after.at(to - 1))
            --to;
    QByteArray bytes = after.mid(from, to - from);
    if (after.size() < before.size())
        bytes += QByteArray(before.size() - after.size(), '\n');
    const char* failed = 0;
    if (!RegularFile::writeAt(fd, bytes, from))
        failed = "cannot write";
    else if (after.size() < before.size() && fsync(fd) != 0)
        failed = "cannot flush";
    else if (after.size() < before.size() && ftruncate(fd, after.size()) != 0)
        failed = "cannot write";
    else if (fsync(fd) != 0)
        failed = "cannot flush";
    if (!failed)
        return true;
    // What readers see is the old file again, though storage may have failed.
    *error = RegularFile::systemError(failed, errno);
    if (RegularFile::writeAt(fd, before.mid(from), from))
        ftruncate(fd, before.size());
    fsync(fd);
    return false;
}

// Opens the file for writing under the write lock, creating it if missing. The lock is taken
// on the file that is at the path once it is held: another may have been put there meanwhile.
int openLocked(const QByteArray& name, bool* created, QString* error)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < SharedFile::LockWaitMs) {
        *created = false;
        int fd = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
            *created = fd >= 0;
            if (fd < 0 && errno == EEXIST)
                continue;
        }
        if (fd < 0) {
            *error = errno == EACCES || errno == EROFS ? QString::fromLatin1("read-only file")
                                                       : RegularFile::systemError("cannot open", errno);
            return -1;
        }
        struct stat held, atPath;
        if (!lockFile(fd, F_WRLCK, error) || fstat(fd, &held) != 0) {
            if (error->isEmpty())
                *error = RegularFile::systemError("cannot open", errno);
            if (*created)
                unlink(name.constData());
            ::close(fd);
            return -1;
        }
        if (::stat(name.constData(), &atPath) == 0 && atPath.st_dev == held.st_dev
            && atPath.st_ino == held.st_ino)
            return fd;
        ::close(fd);
    }
    *error = lockedError();
    return -1;
}
#endif

} // namespace

RegularFile::Status SharedFile::read(const QString& path, qint64 maxSize, QByteArray* data,
                                     QString* error)
{
#if QT_VERSION >= 0x050000
    return RegularFile::read(path, maxSize, data, error);
#else
    data->clear();
    error->clear();
    if (path.isEmpty())
        return RegularFile::Missing;
    // What stands at the path is checked before anything opens it (a FIFO would block).
    const RegularFile::Status status = RegularFile::probe(path, error);
    if (status != RegularFile::Read)
        return status;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return RegularFile::Missing;
        *error = RegularFile::systemError("cannot read", errno);
        return RegularFile::Refused;
    }
    // A writer that keeps the lock past the bound has hung: what it left is read all the same,
    // as showing defaults would be further from what is stored.
    QString locked;
    lockFile(fd, F_RDLCK, &locked);
    const RegularFile::Status result = RegularFile::read(fd, maxSize, data, error);
    if (result == RegularFile::Read && !locked.isEmpty())
        *error = QLatin1String("read while ") + locked;
    ::close(fd);
    return result;
#endif
}

bool SharedFile::update(const QString& path, qint64 maxSize, const Edit& edit, QString* error)
{
    error->clear();
    if (path.isEmpty()) {
        *error = QLatin1String("no file name");
        return false;
    }
    if (!RegularFile::isWritableFile(path, error))
        return false;
    QByteArray content;
#if QT_VERSION >= 0x050000
    QLockFile lock(QFileInfo(path).absoluteFilePath() + QLatin1String(".lock"));
    if (!waitForLock([&lock]() -> int {
            if (lock.tryLock(0))
                return 1;
            return lock.error() == QLockFile::LockFailedError ? 0 : -1;
        }, error)) {
        if (error->isEmpty())
            *error = QLatin1String(lock.error() == QLockFile::PermissionError ? "read-only directory"
                                                                              : "cannot create the lock file");
        return false;
    }
    if (RegularFile::read(path, maxSize, &content, error) == RegularFile::Refused)
        return false;
    QByteArray edited = content;
    if (!edit(edited, error))
        return false;
    // The same bytes again: nothing to write.
    return edited == content || RegularFile::replace(path, edited, error);
#else
    const QByteArray name = QFile::encodeName(path);
    bool created = false;
    const int fd = openLocked(name, &created, error);
    if (fd < 0)
        return false;
    struct stat old;
    bool ok = fstat(fd, &old) == 0 && RegularFile::read(fd, maxSize, &content, error) == RegularFile::Read;
    QByteArray edited = content;
    ok = ok && edit(edited, error);
    if (ok && edited != content) {
        ok = writeInPlace(fd, content, edited, error);
        RegularFile::moveModificationTime(fd, old.st_mtime);
    }
    // A file that this save made and did not fill goes again.
    if (created && (!ok || edited.isEmpty()))
        unlink(name.constData());
    ::close(fd);
    return ok;
#endif
}
