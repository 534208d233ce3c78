#include "MessageCapture.h"

static MessageCapture* s_current = 0;

MessageCapture::MessageCapture() : m_outer(s_current), m_previous(0)
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageCapture::handler);
}

MessageCapture::~MessageCapture()
{
    s_current = m_outer;
    qInstallMessageHandler(m_previous);
}

void MessageCapture::handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (s_current)
        s_current->m_lines.append(qMakePair(type, message));
}

QStringList MessageCapture::lines() const
{
    QStringList out;
    for (const auto& line : m_lines)
        out.append(line.second);
    return out;
}

QStringList MessageCapture::lines(QtMsgType type) const
{
    QStringList out;
    for (const auto& line : m_lines)
        if (line.first == type)
            out.append(line.second);
    return out;
}

bool MessageCapture::contains(const QString& line) const
{
    return count(line) > 0;
}

int MessageCapture::count(const QString& line) const
{
    int n = 0;
    for (const auto& captured : m_lines)
        if (captured.second == line)
            ++n;
    return n;
}

QStringList MessageCapture::linesStartingWith(const QString& prefix) const
{
    QStringList out;
    for (const auto& line : m_lines)
        if (line.second.startsWith(prefix))
            out.append(line.second);
    return out;
}

void MessageCapture::clear()
{
    m_lines.clear();
}
