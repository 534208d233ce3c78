#include "FifoGuard.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FifoGuard::FifoGuard(const QString& path)
    : m_path(path), m_created(mkfifo(QFile::encodeName(path).constData(), 0644) == 0), m_stop(false), m_opened(false)
{
    if (!m_created)
        return;
    const QByteArray name = QFile::encodeName(path);
    m_thread = std::thread([this, name] {
        while (!m_stop) {
            const int fd = open(name.constData(), O_WRONLY);  // returns once a reader is there
            if (fd >= 0) {
                if (!m_stop)
                    m_opened = true;
                close(fd);
            }
        }
    });
}

FifoGuard::~FifoGuard()
{
    if (!m_created)
        return;
    m_stop = true;
    const int reader = open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
    m_thread.join();
    if (reader >= 0)
        close(reader);
    QFile::remove(m_path);
}

bool FifoGuard::created() const
{
    return m_created;
}

bool FifoGuard::opened() const
{
    return m_opened;
}
