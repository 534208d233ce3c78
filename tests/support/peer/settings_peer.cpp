// Another program beside the page, writing or reading a shared settings file, for the suites'
// multi-process checks:
//   settings_peer qsettings FILE GROUP KEYS ROUNDS   each key set to round + 1 "v"s, a QSettings per save
//   settings_peer inifile FILE GROUP KEYS ROUNDS     the same through IniFile
//   settings_peer reader FILE STOPFILE KEY...        QSettings reads until STOPFILE exists
//   settings_peer hold FILE                          holds the writers' lock until stdin closes
// Writers print "failed N" (saves that reported failure), then ": " and the last reason if N is
// not 0; the reader "reads N partial M" (reads that missed one of the keys), the holder "held"
// once it holds the lock. With PHONE_PEER_TRACE=1 a writer also prints, on a line of its own,
// the flushes and renames its saves made, in order ("fsync(file) rename fsync(dir)"). With
// PHONE_PEER_FAIL=fsync its first flush fails with EIO, =pwrite its first positioned write is
// interrupted (EINTR) before writing, =kill it is killed at its first flush, =futimens its first
// change of a file's time fails with EIO, =close the close of its first temporary file reports
// EIO (the file closed all the same), =lock every fcntl() write lock is refused as if held by
// another. The calls are this program's own, so the library's calls reach them first.
#include "IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#if QT_VERSION >= 0x050000
#include <QLockFile>
#endif

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray s_trace;

// Notes a call; true when it is to fail instead.
bool traced(const char* call, bool failable)
{
    const QByteArray fail = qgetenv("PHONE_PEER_FAIL");
    if (qgetenv("PHONE_PEER_TRACE") == "1" && qstrcmp(call, "pwrite") != 0)
        s_trace += (s_trace.isEmpty() ? "" : " ") + QByteArray(call);
    static bool failed = false;
    if (!failable || failed || fail.isEmpty() || !QByteArray(call).startsWith(fail == "kill" ? QByteArray("fsync") : fail))
        return false;
    if (fail == "kill")
        raise(SIGKILL);
    failed = true;
    errno = fail == "pwrite" ? EINTR : EIO;
    return true;
}

} // namespace

extern "C" int fsync(int fd)
{
    static int (*real)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    struct stat st;
    if (traced(fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) ? "fsync(dir)" : "fsync(file)", true))
        return -1;
    return real(fd);
}

extern "C" ssize_t pwrite(int fd, const void* data, size_t size, off_t offset)
{
    static ssize_t (*real)(int, const void*, size_t, off_t) =
        reinterpret_cast<ssize_t (*)(int, const void*, size_t, off_t)>(
            // 64-bit offsets on a 32-bit system: the headers name this one pwrite64.
            dlsym(RTLD_NEXT, sizeof(off_t) > sizeof(long) ? "pwrite64" : "pwrite"));
    if (traced("pwrite", true))
        return -1;
    return real(fd, data, size, offset);
}

extern "C" int rename(const char* from, const char* to)
{
    static int (*real)(const char*, const char*) =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    traced("rename", false);
    return real(from, to);
}

// The one failure asked for, at its first call for which when holds.
bool failOnce(const char* name, bool when = true)
{
    static bool failed = false;
    if (failed || !when || qgetenv("PHONE_PEER_FAIL") != name)
        return false;
    failed = true;
    errno = EIO;
    return true;
}

extern "C" int futimens(int fd, const struct timespec times[2]) noexcept
{
    static int (*real)(int, const struct timespec*) =
        reinterpret_cast<int (*)(int, const struct timespec*)>(dlsym(RTLD_NEXT, "futimens"));
    return failOnce("futimens") ? -1 : real(fd, times);
}

extern "C" int close(int fd)
{
    static int (*real)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "close"));
    char name[4096] = "";
    if (qgetenv("PHONE_PEER_FAIL") == "close" && readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), name, sizeof name - 1) < 0)
        name[0] = 0;
    const int result = real(fd);
    return failOnce("close", strstr(name, ".tmp-") != 0) ? -1 : result;
}

static int lockedFcntl(const char* symbol, int fd, int cmd, va_list args)
{
    void* arg = va_arg(args, void*);
    const struct flock* range = static_cast<const struct flock*>(arg);
    if (qgetenv("PHONE_PEER_FAIL") == "lock" && cmd == F_SETLK && range->l_type == F_WRLCK) {
        errno = EAGAIN;
        return -1;
    }
    static int (*real)(int, int, ...) = reinterpret_cast<int (*)(int, int, ...)>(dlsym(RTLD_NEXT, symbol));
    return real(fd, cmd, arg);
}

// Under both names: large-file builds call fcntl64.
extern "C" int peerFcntl(int fd, int cmd, ...) __asm__("fcntl");
extern "C" int peerFcntl64(int fd, int cmd, ...) __asm__("fcntl64");
#define PEER_FCNTL(function, symbol) \
    extern "C" int function(int fd, int cmd, ...) \
    { \
        va_list args; \
        va_start(args, cmd); \
        const int result = lockedFcntl(symbol, fd, cmd, args); \
        va_end(args); \
        return result; \
    }
PEER_FCNTL(peerFcntl, "fcntl")
PEER_FCNTL(peerFcntl64, "fcntl64")

namespace {

int write(const QStringList& args, bool viaQSettings)
{
    const QString file = args.at(2), group = args.at(3);
    const int keys = args.at(4).toInt(), rounds = args.at(5).toInt();
    int failed = 0;
    QString reason;
    for (int round = 0; round < rounds; ++round) {
        for (int key = 0; key < keys; ++key) {
            const QString name = group + QString::fromLatin1("/k%1").arg(key);
            // Every save grows the file: Qt 4's QSettings takes a file of the size and second it
            // saw last for unchanged, and its writers lose each other's equal-length changes.
            const QString value(round + 1, QLatin1Char('v'));
            if (viaQSettings) {
                QSettings settings(file, QSettings::IniFormat);
                settings.setValue(name, value);
                settings.sync();
                failed += settings.status() != QSettings::NoError;
            } else {
                IniFile ini(file);
                if (!ini.setValue(name, value)) {
                    ++failed;
                    reason = ini.errorString();
                }
            }
        }
    }
    printf("failed %d%s\n", failed, reason.isEmpty() ? "" : qPrintable(QLatin1String(": ") + reason));
    if (!s_trace.isEmpty())
        printf("%s\n", s_trace.constData());
    return 0;
}

int read(const QStringList& args)
{
    int reads = 0, partial = 0;
    for (; !QFile::exists(args.at(3)); ++reads) {
        QSettings settings(args.at(2), QSettings::IniFormat);
        for (int i = 4; i < args.size() && (settings.contains(args.at(i)) || (++partial, false)); ++i) {
        }
    }
    printf("reads %d partial %d\n", reads, partial);
    return 0;
}

int hold(const QString& file)
{
#if QT_VERSION >= 0x050000
    QLockFile lock(QFileInfo(file).absoluteFilePath() + QLatin1String(".lock"));
    if (!lock.lock())
        return 1;
#else
    const int fd = open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT, 0666);
    struct flock range;
    memset(&range, 0, sizeof range);
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    if (fd < 0 || fcntl(fd, F_SETLKW, &range) != 0)
        return 1;
#endif
    printf("held\n");
    fflush(stdout);
    char byte;
    while (::read(0, &byte, 1) > 0) {
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("reader"))
        return read(args);
    if (mode == QLatin1String("hold"))
        return hold(args.at(2));
    return write(args, mode == QLatin1String("qsettings"));
}
