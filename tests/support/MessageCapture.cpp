#include "MessageCapture.h"

#include <QPair>
#include <QRegExp>

static MessageCapture* s_current = 0;

// The one Qt version branch of the captures: Qt 5's message handler gets the finished text,
// Qt 4's gets the bytes, with the trailing space that Qt 4's qDebug stream leaves.
#if QT_VERSION >= 0x050000
static QtMessageHandler s_previous = 0;
#define PHONE_INSTALL_HANDLER qInstallMessageHandler

static void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    MessageCapture::record(type, message);
}
#else
static QtMsgHandler s_previous = 0;
#define PHONE_INSTALL_HANDLER qInstallMsgHandler

static void handler(QtMsgType type, const char* message)
{
    QString text = QString::fromLocal8Bit(message);
    if (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    MessageCapture::record(type, text);
}
#endif

MessageCapture::MessageCapture() : m_outer(s_current)
{
    if (!m_outer)
        s_previous = PHONE_INSTALL_HANDLER(handler);
    s_current = this;
}

MessageCapture::~MessageCapture()
{
    s_current = m_outer;
    if (!m_outer)
        PHONE_INSTALL_HANDLER(s_previous);
}

void MessageCapture::record(QtMsgType type, const QString& message)
{
    if (s_current)
        s_current->m_lines.append(qMakePair(type, message));
}

QStringList MessageCapture::lines(int type) const
{
    QStringList out;
    for (int i = 0; i < m_lines.size(); ++i)
        if (type < 0 || m_lines.at(i).first == type)
            out.append(m_lines.at(i).second);
    return out;
}

QStringList MessageCapture::linesStartingWith(const QString& prefix) const
{
    return lines().filter(QRegExp(QLatin1Char('^') + QRegExp::escape(prefix)));
}

void MessageCapture::clear()
{
    m_lines.clear();
}
