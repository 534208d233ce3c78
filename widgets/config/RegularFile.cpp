#include "RegularFile.h"

#include <QFile>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

QString tooLarge(qint64 maxSize)
{
    return QString::fromLatin1("larger than %1 bytes").arg(maxSize);
}

bool hasWriteBit(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

QByteArray directoryOf(const QByteArray& path)
{
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// Follows symbolic links to the file they finally name (which may not exist yet).
bool resolveLinks(QByteArray& path, QString* error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        QByteArray link(4096, '\0');
        const ssize_t length = readlink(path.constData(), link.data(), link.size());
        if (length < 0 || length >= link.size()) {
            *error = RegularFile::systemError("cannot follow the link", length < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        link.truncate(int(length));
        path = link.startsWith('/') ? link : directoryOf(path) + '/' + link;
    }
    *error = RegularFile::systemError("cannot follow the link", ELOOP);
    return false;
}

// Temporary files left by a writer that died (a kill, a power cut): ".<name>.tmp-<pid>-<n>"
// of processes that no longer run.
void removeStaleTemporaries(const QByteArray& directory, const QByteArray& prefix)
{
    DIR* dir = opendir(directory.constData());
    if (!dir)
        return;
    while (struct dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const pid_t pid = pid_t(name.mid(prefix.size()).split('-').value(0).toLong(&ok));
        if (ok && pid > 0 && pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH)
            unlink((directory + '/' + name).constData());
    }
    closedir(dir);
}

} // namespace

RegularFile::Status RegularFile::read(const QString& path, qint64 maxSize, QByteArray* data,
                                      QString* error)
{
    data->clear();
    error->clear();
    if (path.isEmpty())
        return Missing;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Missing;
        *error = systemError("cannot read", errno);
        return Refused;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = QLatin1String("not a regular file");
        return Refused;
    }
    if (st.st_size > maxSize) {
        *error = tooLarge(maxSize);
        return Refused;
    }
    // Non-blocking, in case a FIFO took the file's place since the check.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Missing;
        *error = systemError("cannot read", errno);
        return Refused;
    }
    const Status status = read(fd, maxSize, data, error);
    ::close(fd);
    return status;
}

RegularFile::Status RegularFile::read(int fd, qint64 maxSize, QByteArray* data, QString* error)
{
    data->clear();
    error->clear();
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = QLatin1String("not a regular file");
        return Refused;
    }
    // One byte more than allowed, so that a file grown past the cap shows.
    QByteArray buffer;
    buffer.resize(int(qMin<qint64>(st.st_size, maxSize) + 1));
    qint64 got = 0;
    for (;;) {
        if (got == buffer.size()) {
            if (got > maxSize)
                break;
            buffer.resize(int(qMin<qint64>(qint64(buffer.size()) * 2, maxSize + 1)));
        }
        const ssize_t n = ::pread(fd, buffer.data() + got, size_t(buffer.size() - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = systemError("cannot read", errno);
            return Refused;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxSize) {
        *error = tooLarge(maxSize);
        return Refused;
    }
    buffer.truncate(int(got));
    *data = buffer;
    return Read;
}

RegularFile::Status RegularFile::probe(const QString& path, QString* error)
{
    error->clear();
    struct stat st;
    if (path.isEmpty())
        return Missing;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Missing;
        *error = systemError("cannot read", errno);
        return Refused;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = QLatin1String("not a regular file");
        return Refused;
    }
    return Read;
}

bool RegularFile::isWritableFile(const QString& path, QString* error)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    if (!S_ISREG(st.st_mode)) {
        *error = QLatin1String("not a regular file");
        return false;
    }
    if (!hasWriteBit(st) || access(QFile::encodeName(path).constData(), W_OK) != 0) {
        *error = QLatin1String("read-only file");
        return false;
    }
    return true;
}

QString RegularFile::systemError(const char* what, int error)
{
    return QString::fromLatin1(what) + QLatin1String(": ") + QString::fromLocal8Bit(strerror(error));
}

bool RegularFile::moveModificationTime(int fd, qint64 oldSeconds)
{
    struct stat now;
    if (fstat(fd, &now) == 0 && now.st_mtime > oldSeconds)
        return true;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(oldSeconds + 1);
    times[1].tv_nsec = 0;
    return futimens(fd, times) == 0;
}

bool RegularFile::writeAt(int fd, const QByteArray& data, qint64 offset)
{
    for (qint64 done = 0; done < data.size();) {
        const ssize_t n = ::pwrite(fd, data.constData() + done, size_t(data.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

bool RegularFile::replace(const QString& path, const QByteArray& data, QString* error)
{
    error->clear();
    if (path.isEmpty()) {
        *error = QLatin1String("no file name");
        return false;
    }
    QByteArray target = QFile::encodeName(path);
    if (!resolveLinks(target, error))
        return false;

    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) {
        *error = systemError("cannot replace", errno);
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        *error = QLatin1String("not a regular file");
        return false;
    }
    if (exists && (!hasWriteBit(old) || access(target.constData(), W_OK) != 0)) {
        *error = QLatin1String("read-only file");
        return false;
    }
    const QByteArray directory = directoryOf(target);
    struct stat dirStat;
    if (::stat(directory.constData(), &dirStat) != 0) {
        *error = systemError("cannot replace", errno);
        return false;
    }
    if (!hasWriteBit(dirStat) || access(directory.constData(), W_OK | X_OK) != 0) {
        *error = QLatin1String("read-only directory");
        return false;
    }

    // Beside the target, so that the rename stays on one file system and is atomic.
    const QByteArray prefix = '.' + target.mid(target.lastIndexOf('/') + 1) + ".tmp-";
    removeStaleTemporaries(directory, prefix);
    static unsigned counter = 0;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = directory + '/' + prefix + QByteArray::number(int(getpid())) + '-'
                    + QByteArray::number(++counter);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *error = systemError("cannot create a temporary file", errno);
        return false;
    }

    bool ok = true;
    if (exists) {
        if (fchmod(fd, old.st_mode & 07777) != 0) {
            *error = systemError("cannot keep the permissions", errno);
            ok = false;
        }
        if (ok && (old.st_uid != geteuid() || old.st_gid != getegid())
            && fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, uid_t(-1), old.st_gid) != 0) {
            // Only root may give a file away: the copy is then ours, with the same bits.
        }
    }
    if (ok && !writeAt(fd, data, 0)) {
        *error = systemError("cannot write", errno);
        ok = false;
    }
    if (ok && exists && !moveModificationTime(fd, old.st_mtime)) {
        *error = systemError("cannot set the modification time", errno);
        ok = false;
    }
    if (ok && fsync(fd) != 0) {
        *error = systemError("cannot flush", errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        *error = systemError("cannot write", errno);
        ok = false;
    }
    if (ok && rename(temporary.constData(), target.constData()) != 0) {
        *error = systemError("cannot replace", errno);
        ok = false;
    }
    if (!ok) {
        unlink(temporary.constData());
        return false;
    }
    // The rename itself on storage; "sync" after the write covers file systems that refuse this.
    const int dirFd = ::open(directory.constData(), O_RDONLY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}
