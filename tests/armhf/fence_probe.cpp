// Run by tools/armhf-fence-check through tools/armhf-run: tries what Qt 5.15's QProcess does
// under qemu-user (the pidfd probe, a pidfd clone) and a signal to every process, and prints
// what each got. The signal is SIGURG, which no process dies of, whatever happens.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

static void report(const char* what, long result)
{
    std::printf("%s: %s\n", what, result < 0 ? std::strerror(errno) : "done");
}

int main()
{
    std::printf("pid: %d\n", static_cast<int>(getpid()));
    report("waitid P_PIDFD", syscall(SYS_waitid, 3, INT_MAX, 0, WEXITED | WNOHANG, 0));
    int pidfd = -1;
    const long child = syscall(SYS_clone, 0x1000L | SIGCHLD, 0, &pidfd, 0, 0);
    if (child == 0)
        _exit(0);
    report("clone CLONE_PIDFD", child);
    report("kill -1", kill(-1, SIGURG));
    report("syscall kill -1", syscall(SYS_kill, -1, SIGURG));
    return 0;
}
