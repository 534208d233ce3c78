#include "WebFace.h"

#include "PcClock.h"
#include "VncDisplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTextStream>

#include <unistd.h>

namespace {

// The root page: noVNC's full page, connected at once to the server that sent it, at the
// face's own size (the face has its zoom keys).
const char kIndexPage[] =
    "<!DOCTYPE html>\n"
    "<html><head><meta charset=\"utf-8\"><title>Phone</title>\n"
    "<meta http-equiv=\"refresh\" content=\"0; url=vnc.html?autoconnect=1&amp;resize=off&amp;reconnect=1\">\n"
    "</head><body><a href=\"vnc.html?autoconnect=1&amp;resize=off&amp;reconnect=1\">The phone</a></body></html>\n";

// Runs websockify so that it ends with us, even when we are killed: the kernel's
// parent-death signal outlives exec.
const char kEndWithParent[] =
    "import ctypes, os, sys\n"
    "ctypes.CDLL(None).prctl(1, 15)\n"
    "if os.getppid() != int(sys.argv[1]): sys.exit(1)\n"
    "os.execvp(sys.argv[2], sys.argv[2:])\n";

enum { AnswerWaitMs = 10000, PollMs = 50 };

} // namespace

WebFace::WebFace(QObject* parent)
    : QObject(parent), m_port(0)
{
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_server, SIGNAL(readyRead()), this, SLOT(readOutput()));
}

WebFace::~WebFace()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
        m_server.waitForFinished(1000);
    }
}

QString WebFace::errorString() const
{
    return m_error;
}

int WebFace::port() const
{
    return m_port;
}

QString WebFace::url() const
{
    return m_port ? QString("http://%1:%2/").arg(m_host).arg(m_port) : QString();
}

bool WebFace::preparePages(const QString& pagesDir)
{
    if (!QFileInfo(pagesDir + "/vnc.html").isFile()) {
        m_error = "install novnc for a web page of the phone";
        return false;
    }
    if (!m_pages.isValid()) {
        m_error = "no temporary directory for the web pages";
        return false;
    }
    const QDir source(pagesDir);
    const QStringList entries = source.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry != "index.html" && !QFile::link(source.absoluteFilePath(entry), m_pages.filePath(entry))) {
            m_error = "cannot link noVNC's pages into " + m_pages.path();
            return false;
        }
    }
    QFile index(m_pages.filePath("index.html"));
    if (!index.open(QIODevice::WriteOnly) || index.write(kIndexPage) != qint64(sizeof kIndexPage - 1)) {
        m_error = "cannot write " + index.fileName();
        return false;
    }
    return true;
}

bool WebFace::start(const Settings& settings)
{
    if (settings.program.isEmpty()) {
        m_error = "install websockify for a web page of the phone";
        return false;
    }
    if (!preparePages(settings.pagesDir))
        return false;
    m_host = settings.address.isEmpty() || settings.address == "localhost" ? QString("127.0.0.1") : settings.address;
    // Where this machine reaches the server (and the server the VNC port).
    const QString local = m_host == "0.0.0.0" ? QString("127.0.0.1") : m_host;
    const int port = settings.port;
    const QString target = QString("%1:%2").arg(local).arg(settings.vncPort);
    m_server.setProcessEnvironment(PcClock::environment());
    m_server.start("python3", QStringList() << "-c" << kEndWithParent << QString::number(getpid()) << settings.program
                                            << "--web" << m_pages.path()
                                            << QString("%1:%2").arg(m_host).arg(port) << target);
    if (!m_server.waitForStarted(AnswerWaitMs)) {
        m_error = "cannot run " + settings.program + ": " + m_server.errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QTcpSocket socket;
        socket.connectToHost(local, quint16(port));
        if (socket.waitForConnected(PollMs * 4))
            break;
        if (m_server.waitForFinished(PollMs) || m_server.state() == QProcess::NotRunning) {
            readOutput();
            const QString rest = QString::fromLocal8Bit(m_server.readAll()).trimmed();
            if (!rest.isEmpty())
                m_lastLine = rest.split('\n').last();
            m_error = settings.program + " ended: " + (m_lastLine.isEmpty() ? QString("no message") : m_lastLine);
            return false;
        }
        if (waited.elapsed() > AnswerWaitMs) {
            m_error = QString("%1 does not answer on port %2").arg(settings.program).arg(port);
            return false;
        }
    }
    m_port = port;
    return true;
}

void WebFace::readOutput()
{
    // Its request log goes where the VNC library's lines go: standard error, with -v.
    while (m_server.canReadLine()) {
        const QString line = QString::fromLocal8Bit(m_server.readLine()).trimmed();
        if (!line.isEmpty())
            m_lastLine = line;
        if (VncDisplay::logging())
            QTextStream(stderr) << "websockify: " << line << "\n";
    }
}
