#ifndef FIFOGUARD_H
#define FIFOGUARD_H

#include <QString>

#include <atomic>
#include <thread>

// A FIFO at a path, watched: a guard thread waits to open its write end, so should anything
// open it for reading (and block there), it is let go and the guard notes it. A test then
// fails instead of hanging.
class FifoGuard
{
public:
    explicit FifoGuard(const QString& path);
    ~FifoGuard();

    bool created() const;
    // Whether anything opened the FIFO for reading.
    bool opened() const;

private:
    QString m_path;
    bool m_created;
    std::atomic<bool> m_stop;
    std::atomic<bool> m_opened;
    std::thread m_thread;
};

#endif
