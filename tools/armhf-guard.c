/* Preloaded into every armhf program run under qemu-arm-static (tools/armhf-run).
 *
 * Qt 5.15's QProcess asks the kernel whether clone(CLONE_PIDFD) works (waitid(P_PIDFD) on a
 * bad descriptor); the host kernel says yes, but qemu-user 7.2 then rejects the clone flag,
 * and Qt goes on with pid -1, later signalling it: kill(-1) reaches every process the user
 * may signal. Here the probe answers "not supported", so Qt uses plain fork(), and kill(-1)
 * is refused outright. The PID namespace of tools/armhf-run is the second wall.
 *
 * Without binfmt_misc the kernel cannot start an ARM program, so exec of one (a test starting
 * the simulator) becomes exec of qemu-arm-static with the same sysroot and this guard: the
 * program stays in the same namespace, under the same fence. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <errno.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef CLONE_PIDFD
#define CLONE_PIDFD 0x00001000
#endif
#define GUARD_P_PIDFD 3

typedef long (*syscall_fn)(long, ...);
typedef int (*execve_fn)(const char*, char* const[], char* const[]);

extern char** environ;

static void say(const char* what)
{
    static const char prefix[] = "armhf-guard: refused ";
    if (write(2, prefix, sizeof prefix - 1) < 0 || write(2, what, strlen(what)) < 0
        || write(2, "\n", 1) < 0)
        return;
}

static syscall_fn real_syscall(void)
{
    static syscall_fn fn;
    if (!fn)
        fn = (syscall_fn)dlsym(RTLD_NEXT, "syscall");
    return fn;
}

/* 32-bit little-endian ARM ELF? */
static int is_arm_program(const char* path)
{
    unsigned char h[20];
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    ssize_t n = read(fd, h, sizeof h);
    close(fd);
    return n == (ssize_t)sizeof h && memcmp(h, "\177ELF", 4) == 0 && h[4] == 1 && h[5] == 1
        && (h[18] | h[19] << 8) == 40;
}

static int exec_program(const char* path, char* const argv[], char* const envp[])
{
    static execve_fn real_execve;
    if (!real_execve)
        real_execve = (execve_fn)dlsym(RTLD_NEXT, "execve");
    const char* sysroot = getenv("PHONE_ARMHF_SYSROOT");
    const char* guard = getenv("PHONE_ARMHF_GUARD");
    if (!sysroot || !guard || !is_arm_program(path))
        return real_execve(path, argv, envp);

    static const char qemu[] = "/usr/bin/qemu-arm-static";
    static char preload[4096], libs[] = "LD_LIBRARY_PATH=/lib/arm-linux-gnueabihf:/usr/lib/arm-linux-gnueabihf";
    static char plugins[] = "QT_PLUGIN_PATH=/usr/lib/arm-linux-gnueabihf/qt5/plugins";
    snprintf(preload, sizeof preload, "LD_PRELOAD=%s", guard);
    int argc = 0;
    while (argv[argc])
        ++argc;
    char** args = calloc((size_t)argc + 14, sizeof(char*));
    if (!args) {
        errno = ENOMEM;
        return -1;
    }
    int k = 0;
    args[k++] = (char*)qemu;
    args[k++] = (char*)"-L";
    args[k++] = (char*)sysroot;
    args[k++] = (char*)"-E";
    args[k++] = preload;
    args[k++] = (char*)"-E";
    args[k++] = libs;
    args[k++] = (char*)"-E";
    args[k++] = plugins;
    args[k++] = (char*)"-0";
    args[k++] = argc > 0 ? argv[0] : (char*)path;
    args[k++] = (char*)path;
    for (int i = 1; i < argc; ++i)
        args[k++] = argv[i];
    args[k] = 0;
    int rc = real_execve(qemu, args, envp);
    free(args);
    return rc;
}

int execve(const char* path, char* const argv[], char* const envp[])
{
    return exec_program(path, argv, envp);
}

int execv(const char* path, char* const argv[])
{
    return exec_program(path, argv, environ);
}

__attribute__((constructor)) static void guard_init(void)
{
    /* Children may be host programs (system("sync")): they must not try to load this. */
    unsetenv("LD_PRELOAD");
}

int kill(pid_t pid, int sig)
{
    if (pid == -1) {
        say("kill(-1)");
        errno = EPERM;
        return -1;
    }
    return (int)real_syscall()(SYS_kill, (long)pid, (long)sig);
}

int waitid(idtype_t idtype, id_t id, siginfo_t* info, int options)
{
    if ((int)idtype == GUARD_P_PIDFD) {
        errno = EINVAL;
        return -1;
    }
    return (int)real_syscall()(SYS_waitid, (long)idtype, (long)id, (long)info, (long)options, 0L);
}

long syscall(long number, ...)
{
    long a[6];
    va_list ap;
    va_start(ap, number);
    for (int i = 0; i < 6; ++i)
        a[i] = va_arg(ap, long);
    va_end(ap);

    if (number == SYS_waitid && a[0] == GUARD_P_PIDFD) {
        errno = EINVAL;
        return -1;
    }
    if (number == SYS_clone && (a[0] & CLONE_PIDFD)) {
        say("clone(CLONE_PIDFD)");
        errno = ENOSYS;
        return -1;
    }
    if (number == SYS_kill && a[0] == -1) {
        say("kill(-1)");
        errno = EPERM;
        return -1;
    }
#ifdef SYS_pidfd_send_signal
    if (number == SYS_pidfd_send_signal || number == SYS_pidfd_open) {
        errno = ENOSYS;
        return -1;
    }
#endif
    return real_syscall()(number, a[0], a[1], a[2], a[3], a[4], a[5]);
}
