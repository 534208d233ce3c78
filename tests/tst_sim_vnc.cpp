// The phonesim program behind real VNC viewers (LibVNCServer's client library): several viewers
// at once, one leaving while another drives the phone from the face and the keyboard, and
// the server never reachable from the network without a password.
#include "PhoneFace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <rfb/keysym.h>
#include <rfb/rfbclient.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>

#ifndef PHONESIM_FILE
#define PHONESIM_FILE ""
#endif

namespace {

const int kDeadlineMs = 20000;

void noLog(const char*, ...) {}

char* passwordOf(rfbClient* client)
{
    const char* password = static_cast<const char*>(rfbClientGetClientData(client, reinterpret_cast<void*>(passwordOf)));
    return strdup(password ? password : "");
}

// A viewer: connects, keeps its copy of the framebuffer up to date, sends keys and clicks.
class Viewer
{
public:
    explicit Viewer(int port, const char* host = "127.0.0.1", const QByteArray& password = QByteArray())
        : m_password(password)
    {
        m_client = rfbGetClient(8, 3, 4);
        free(m_client->serverHost);
        m_client->serverHost = strdup(host);
        m_client->serverPort = port;
        m_client->GetPassword = passwordOf;
        // Lossless, so frames compare pixel for pixel.
        m_client->appData.enableJPEG = FALSE;
        rfbClientSetClientData(m_client, reinterpret_cast<void*>(passwordOf), m_password.data());
        // The library frees the client when it cannot connect.
        if (!rfbInitClient(m_client, 0, 0))
            m_client = 0;
    }
    ~Viewer() { close(); }

    bool isConnected() const { return m_client != 0; }
    rfbClient* client() const { return m_client; }
    void close()
    {
        if (m_client) {
            // The client's framebuffer is its owner's to free.
            free(m_client->frameBuffer);
            rfbClientCleanup(m_client);
        }
        m_client = 0;
    }

    // Handles the server's messages until the condition holds or the deadline passes.
    bool waitFor(const std::function<bool()>& condition)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (!m_client || clock.elapsed() > kDeadlineMs)
                return false;
            // Messages already read into the library's buffer do not wake select().
            const int ready = m_client->buffered > 0 ? 1 : WaitForMessage(m_client, 50000);
            if (ready < 0 || (ready > 0 && !HandleRFBServerMessage(m_client)))
                return false;
        }
        return true;
    }

    QImage frame() const
    {
        return QImage(m_client->frameBuffer, m_client->width, m_client->height, QImage::Format_RGBX8888)
            .convertToFormat(QImage::Format_RGB32);
    }

    QImage screen(const PhoneFace& face) const
    {
        return frame().copy(face.screenRect()).scaled(384, 160);
    }

    void key(rfbKeySym sym)
    {
        SendKeyEvent(m_client, sym, TRUE);
        SendKeyEvent(m_client, sym, FALSE);
    }

    void click(const QPoint& at)
    {
        SendPointerEvent(m_client, at.x(), at.y(), 1);
        SendPointerEvent(m_client, at.x(), at.y(), 0);
    }

private:
    rfbClient* m_client;
    QByteArray m_password;
};

// A phonesim process that is always gone when the test leaves.
class Sim
{
public:
    ~Sim()
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    void start(const QStringList& arguments)
    {
        process.start(QString::fromUtf8(PHONESIM_FILE), arguments);
        process.waitForStarted();
    }
    // Waits for a line of standard output that matches; its first group.
    QString waitForLine(const QString& pattern)
    {
        const QRegularExpression re(pattern);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kDeadlineMs) {
            while (process.canReadLine()) {
                const QString line = QString::fromLocal8Bit(process.readLine());
                output += line;
                const QRegularExpressionMatch m = re.match(line);
                if (m.hasMatch())
                    return m.captured(1);
            }
            if (process.state() == QProcess::NotRunning)
                return QString();
            process.waitForReadyRead(100);
        }
        return QString();
    }

    QProcess process;
    QString output;
};

int freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

// Local addresses of the listening TCP sockets a process holds, as /proc/net/tcp{,6} write them.
QStringList listeningAddresses(qint64 pid)
{
    QSet<QString> inodes;
    const QDir fds(QString("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target.contains("socket:["))
            inodes << target.section('[', 1).section(']', 0, 0);
    }
    QStringList found;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
            if (fields.size() > 9 && fields.at(3) == "0A" && inodes.contains(QString::fromLatin1(fields.at(9))))
                found << QString::fromLatin1(fields.at(1).split(':').at(0));
        }
    }
    return found;
}

// The security types the server offers to an RFB 3.8 viewer (1 none, 2 VNC authentication).
QList<int> securityTypes(const char* address, int port)
{
    QList<int> types;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where;
    memset(&where, 0, sizeof where);
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    inet_pton(AF_INET, address, &where.sin_addr);
    char version[12];
    unsigned char count = 0;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0
        && recv(fd, version, sizeof version, MSG_WAITALL) == 12 && send(fd, "RFB 003.008\n", 12, 0) == 12
        && recv(fd, &count, 1, MSG_WAITALL) == 1) {
        unsigned char list[256];
        if (count > 0 && recv(fd, list, count, MSG_WAITALL) == count)
            for (int i = 0; i < count; ++i)
                types << list[i];
    }
    ::close(fd);
    return types;
}

} // namespace

class SimVncTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        rfbClientLog = noLog;
        rfbClientErr = noLog;
    }

    void viewersComeAndGoWhileOneDrivesThePhone()
    {
        QTemporaryDir dir;
        const int port = freePort();
        Sim sim;
        sim.start(QStringList() << "--vnc" << "--port" << QString::number(port) << "--zoom" << "1"
                                << "--fresh" << "--config-dir" << dir.path() << "--shot-dir" << dir.path()
                                << "--clock" << "2026-12-06 10:18" << "--timing");
        QVERIFY2(!sim.waitForLine("served on .* port (\\d+)").isEmpty(), qPrintable(sim.output));
        QVERIFY(sim.output.contains("phonesim: idle screen first frame "));
        const PhoneFace small(1);

        Viewer first(port);
        Viewer second(port);
        QVERIFY(first.isConnected());
        QVERIFY(second.isConnected());
        QCOMPARE(QSize(second.frame().size()), small.size());
        // Both see the idle screen: white below the status bar.
        const auto idleShown = [&](Viewer& v) {
            return QColor(v.screen(small).pixel(300, 140)) == QColor(Qt::white);
        };
        QVERIFY(first.waitFor([&] { return idleShown(first); }));
        QVERIFY(second.waitFor([&] { return idleShown(second); }));
        const QImage idle = second.screen(small);
        first.close();

        // "+" zooms: the face grows, each phone pixel a crisp 2 x 2 square.
        const PhoneFace face(2);
        second.key(XK_plus);
        QVERIFY(second.waitFor([&] {
            return second.frame().size() == face.size()
                   && second.frame().copy(face.screenRect()) == idle.scaled(face.screenRect().size());
        }));

        // The face's OK key opens the page, the keyboard's Return its first popup; each time
        // the viewer's screen becomes what the phone shows, as its screenshot key writes it.
        const PhoneFace::Key* ok = 0;
        for (const PhoneFace::Key& key : face.keys())
            if (key.pcKey == Qt::Key_Return)
                ok = face.keyAt(key.rect.center());
        QVERIFY(ok);
        QImage before = idle;
        int shots = 0;
        for (rfbKeySym step : {rfbKeySym(0), rfbKeySym(XK_Return)}) {
            if (step)
                second.key(step);
            else
                second.click(ok->rect.center());
            QVERIFY(second.waitFor([&] { return second.screen(face) != before; }));
            second.key(XK_s);
            const QString path = sim.waitForLine("screenshot (/.*\\.png)");
            QVERIFY2(!path.isEmpty(), qPrintable(sim.output));
            ++shots;
            const QImage shot = QImage(path).convertToFormat(QImage::Format_RGB32);
            QVERIFY(second.waitFor([&] { return second.screen(face) == shot; }));
            before = shot;
        }
        QCOMPARE(shots, 2);
        // The popup covers the right part, the page's rows stay on the left.
        QVERIFY(before.copy(200, 30, 180, 100) != idle.copy(200, 30, 180, 100));

        // A viewer arriving now sees the popup too, and Ctrl+Q from it ends the simulator.
        Viewer third(port);
        QVERIFY(third.isConnected());
        QVERIFY(third.waitFor([&] { return third.screen(face) == before; }));
        SendKeyEvent(third.client(), XK_Control_L, TRUE);
        third.key(XK_q);
        SendKeyEvent(third.client(), XK_Control_L, FALSE);
        QVERIFY(sim.process.waitForFinished(kDeadlineMs));
        QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process.exitCode(), 0);
    }

    void neverListensBeyondLoopbackWithoutPassword_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");        // -1: keeps running
        QTest::addColumn<QString>("address");     // as /proc/net/tcp writes it
        QTest::addColumn<QList<int> >("security");
        const QList<int> none = QList<int>() << 1;
        const QList<int> vncAuth = QList<int>() << 2;
        QTest::newRow("default") << QStringList() << -1 << "0100007F" << none;
        QTest::newRow("Qt's VNC platform") << (QStringList() << "-platform" << "vnc:port=5999") << 2 << "" << QList<int>();
        QTest::newRow("all addresses, no password") << (QStringList() << "--listen" << "0.0.0.0") << 2 << ""
                                                   << QList<int>();
        QTest::newRow("other address, password") << (QStringList() << "--listen" << "127.0.0.2" << "--password-file"
                                                                    << "PASSWORD")
                                                 << -1 << "0200007F" << vncAuth;
    }

    void neverListensBeyondLoopbackWithoutPassword()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, address);
        QFETCH(QList<int>, security);
        QTemporaryDir dir;
        QFile password(dir.filePath("password"));
        QVERIFY(password.open(QIODevice::WriteOnly));
        password.write("s3cret\n");
        password.close();
        options.replaceInStrings("PASSWORD", password.fileName());
        const int port = freePort();
        Sim sim;
        // Qt's own VNC server, asked for by the environment, must not start either.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", QString("vnc:port=%1").arg(port + 1));
        sim.process.setProcessEnvironment(environment);
        sim.start(options << "--port" << QString::number(port) << "--config-dir" << dir.path());
        if (exitCode >= 0) {
            QVERIFY(sim.process.waitForFinished(kDeadlineMs));
            QCOMPARE(sim.process.exitCode(), exitCode);
            QVERIFY(listeningAddresses(sim.process.processId()).isEmpty());
            return;
        }
        QVERIFY2(!sim.waitForLine("served on .* port (\\d+)").isEmpty(), qPrintable(sim.output));
        // Every socket the simulator listens on (VNC, IPv6, web pages) is on that address or
        // on the IPv6 loopback.
        const QStringList addresses = listeningAddresses(sim.process.processId());
        QVERIFY(addresses.contains(address));
        for (const QString& a : addresses)
            QVERIFY2(a == address || a == "00000000000000000000000001000000", qPrintable(a));
        const QByteArray ip = address == "0200007F" ? "127.0.0.2" : "127.0.0.1";
        QCOMPARE(securityTypes(ip.constData(), port), security);
        // The viewer gets in, with the password where one is asked for.
        Viewer viewer(port, ip.constData(), "s3cret");
        QVERIFY(viewer.isConnected());
        QVERIFY(viewer.waitFor([&] { return QColor(viewer.frame().pixel(0, 0)) != QColor(Qt::black); }));
    }
};

QTEST_MAIN(SimVncTest)
#include "tst_sim_vnc.moc"
