#include "LoopbackGuard.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <errno.h>
#include <netinet/in.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>

namespace {

std::atomic<bool> s_enabled(false);

typedef int (*BindFunction)(int, const struct sockaddr*, socklen_t);

BindFunction realBind()
{
    static BindFunction function = reinterpret_cast<BindFunction>(dlsym(RTLD_NEXT, "bind"));
    return function;
}

} // namespace

// Found before the C library's bind() by every library of the process (the executable
// exports it), including Qt's network module loaded with the VNC platform.
extern "C" int bind(int fd, const struct sockaddr* address, socklen_t length)
{
    const BindFunction real = realBind();
    if (!real) {
        // Never fall back to an unguarded bind.
        errno = EACCES;
        return -1;
    }
    if (!s_enabled || !address)
        return real(fd, address, length);
    if (address->sa_family == AF_INET && length >= socklen_t(sizeof(sockaddr_in))) {
        sockaddr_in v4;
        memcpy(&v4, address, sizeof v4);
        if (v4.sin_addr.s_addr == htonl(INADDR_ANY))
            v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return real(fd, reinterpret_cast<const sockaddr*>(&v4), sizeof v4);
    }
    if (address->sa_family == AF_INET6 && length >= socklen_t(sizeof(sockaddr_in6))) {
        sockaddr_in6 v6;
        memcpy(&v6, address, sizeof v6);
        if (IN6_IS_ADDR_UNSPECIFIED(&v6.sin6_addr)) {
            // A dual-stack wildcard: the IPv4-mapped loopback keeps 127.0.0.1 clients working.
            static const unsigned char mapped[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 127, 0, 0, 1};
            memcpy(&v6.sin6_addr, mapped, sizeof mapped);
        }
        return real(fd, reinterpret_cast<const sockaddr*>(&v6), sizeof v6);
    }
    return real(fd, address, length);
}

void LoopbackGuard::setEnabled(bool on)
{
    s_enabled = on;
}

bool LoopbackGuard::isEnabled()
{
    return s_enabled;
}

bool LoopbackGuard::isPortFree(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool free = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                      && listen(fd, 1) == 0;
    close(fd);
    return free;
}
