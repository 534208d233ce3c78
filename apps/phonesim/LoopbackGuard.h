#ifndef LOOPBACKGUARD_H
#define LOOPBACKGUARD_H

// Keeps the process's listening sockets on the loopback interface. Qt's VNC server has no
// password and always binds the wildcard address; while the guard is on, phonesim's bind()
// turns a wildcard bind into a loopback one (IPv4 127.0.0.1, also for dual-stack sockets).
class LoopbackGuard
{
public:
    static void setEnabled(bool on);
    static bool isEnabled();
    // True when nothing listens on 127.0.0.1:port yet.
    static bool isPortFree(int port);
};

#endif
