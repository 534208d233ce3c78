// The phonesim program behind real VNC viewers (LibVNCServer's client library): several viewers
// at once, one leaving while another drives the phone from the face and the keyboard, and
// the server never reachable from the network without a password.
#include "PhoneFace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <rfb/keysym.h>
#include <rfb/rfbclient.h>

#include <functional>

namespace {

const int kDeadlineMs = 20000;

void noLog(const char*, ...) {}

char* passwordOf(rfbClient* client)
{
    return strdup(static_cast<const char*>(rfbClientGetClientData(client, reinterpret_cast<void*>(passwordOf))));
}

// A viewer: connects, keeps its copy of the framebuffer up to date, sends keys and clicks.
class Viewer
{
public:
    explicit Viewer(int port, const char* host = "127.0.0.1", const QByteArray& password = QByteArray())
        : m_password(password), m_client(rfbGetClient(8, 3, 4))
    {
        free(m_client->serverHost);
        m_client->serverHost = strdup(host);
        m_client->serverPort = port;
        m_client->GetPassword = passwordOf;
        m_client->appData.enableJPEG = FALSE;  // lossless: frames compare pixel for pixel
        rfbClientSetClientData(m_client, reinterpret_cast<void*>(passwordOf), m_password.data());
        if (!rfbInitClient(m_client, 0, 0))
            m_client = 0;  // freed by the library
    }
    ~Viewer()
    {
        if (m_client) {
            free(m_client->frameBuffer);
            rfbClientCleanup(m_client);
        }
    }
    rfbClient* client() const { return m_client; }

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
    QImage screen(const PhoneFace& face) const { return frame().copy(face.screenRect()).scaled(384, 160); }
    void key(rfbKeySym sym)
    {
        SendKeyEvent(m_client, sym, TRUE);
        SendKeyEvent(m_client, sym, FALSE);
    }

private:
    QByteArray m_password;
    rfbClient* m_client;
};

// A phonesim process that is always gone when the test leaves.
class Sim
{
public:
    explicit Sim(const QStringList& arguments)
    {
        // Qt's own VNC server, asked for by the environment, must never start.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "vnc:port=5999");
        process.setProcessEnvironment(environment);
        process.start(PHONESIM_FILE, arguments);
        process.waitForStarted();
    }
    ~Sim()
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    // Waits for a line of standard output that matches; its first group.
    QString waitForLine(const QString& pattern)
    {
        const QRegularExpression re(pattern);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kDeadlineMs && (process.canReadLine() || process.state() == QProcess::Running)) {
            while (process.canReadLine()) {
                const QString line = QString::fromLocal8Bit(process.readLine());
                output += line;
                const QRegularExpressionMatch m = re.match(line);
                if (m.hasMatch())
                    return m.captured(1);
            }
            process.waitForReadyRead(100);
        }
        return QString();
    }

    QProcess process;
    QString output;
};

// Local addresses of the listening TCP sockets a process holds, as /proc/net/tcp{,6} write them.
// The listening sockets of the process and of the programs it started (the web server).
QStringList listeningAddresses(qint64 pid)
{
    QSet<QString> inodes;
    QList<qint64> pids({pid});
    for (int p = 0; p < pids.size(); ++p) {
        const QDir fds(QString("/proc/%1/fd").arg(pids.at(p)));
        for (const QString& fd : fds.entryList(QDir::System))
            inodes << QFile::symLinkTarget(fds.filePath(fd)).section('[', 1).section(']', 0, 0);
        const QDir tasks(QString("/proc/%1/task").arg(pids.at(p)));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(tasks.filePath(task + "/children"));
            if (children.open(QIODevice::ReadOnly))
                for (const QByteArray& child : children.readAll().simplified().split(' '))
                    if (!child.isEmpty())
                        pids << child.toLongLong();
        }
    }
    QStringList found;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        const QList<QByteArray> lines = file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
            if (fields.size() > 9 && fields.at(3) == "0A" && inodes.contains(QString::fromLatin1(fields.at(9))))
                found << QString::fromLatin1(fields.at(1).split(':').at(0));
        }
    }
    return found;
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
        Sim sim({"--vnc", "--zoom", "1", "--fresh", "--config-dir", dir.path(), "--shot-dir", dir.path(), "--clock", "2026-12-06 10:18"});
        const int port = sim.waitForLine("served on .* port (\\d+)").toInt();  // the first free one from 5900
        QVERIFY2(port, qPrintable(sim.output));
        const PhoneFace small(1);
        QScopedPointer<Viewer> first(new Viewer(port));
        Viewer second(port);
        QVERIFY(first->client() && second.client());
        QCOMPARE(second.frame().size(), small.size());
        // Both see the idle screen: white below the status bar.
        for (Viewer* v : {first.data(), &second})
            QVERIFY(v->waitFor([&] { return QColor(v->screen(small).pixel(300, 140)) == QColor(Qt::white); }));
        const QImage idle = second.screen(small);
        first.reset();

        // "+" zooms: the face grows, each phone pixel a crisp 2 x 2 square.
        const PhoneFace face(2);
        second.key(XK_plus);
        QVERIFY(second.waitFor([&] {
            return second.frame().size() == face.size() && second.frame().copy(face.screenRect()) == idle.scaled(face.screenRect().size());
        }));

        // A click on the face's OK opens the page, the keyboard's Return its first popup; each
        // time the viewer's screen becomes what the phone shows, as its screenshot key writes it.
        QImage shown = idle;
        for (rfbKeySym step : {rfbKeySym(0), rfbKeySym(XK_Return)}) {
            if (step) {
                second.key(step);
            } else {
                for (const PhoneFace::Key& key : face.keys()) {
                    if (key.pcKey == Qt::Key_Return) {
                        SendPointerEvent(second.client(), key.rect.center().x(), key.rect.center().y(), 1);
                        SendPointerEvent(second.client(), key.rect.center().x(), key.rect.center().y(), 0);
                    }
                }
            }
            QVERIFY(second.waitFor([&] { return second.screen(face) != shown; }));
            second.key(XK_s);
            const QString path = sim.waitForLine("screenshot (/.*\\.png)");
            QVERIFY2(!path.isEmpty(), qPrintable(sim.output));
            shown = QImage(path).convertToFormat(QImage::Format_RGB32);
            QVERIFY(second.waitFor([&] { return second.screen(face) == shown; }));
        }
        // The popup on the right, the page's rows on the left.
        QVERIFY(shown.copy(200, 30, 180, 100) != idle.copy(200, 30, 180, 100));

        // A viewer arriving now sees the popup too, and Ctrl+Q from it ends the simulator.
        Viewer third(port);
        QVERIFY(third.client() && third.waitFor([&] { return third.screen(face) == shown; }));
        SendKeyEvent(third.client(), XK_Control_L, TRUE);
        third.key(XK_q);
        SendKeyEvent(third.client(), XK_Control_L, FALSE);
        QVERIFY(sim.process.waitForFinished(kDeadlineMs));
        QVERIFY(sim.process.exitStatus() == QProcess::NormalExit && sim.process.exitCode() == 0);
    }

    void neverListensBeyondLoopbackWithoutPassword_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("address");  // as /proc/net/tcp writes it; empty: refuses to start (exit 2)
        QTest::newRow("default") << QStringList() << "0100007F";
        QTest::newRow("Qt's VNC platform") << QStringList({"-platform", "vnc:port=5999"}) << "";
        QTest::newRow("all addresses, no password") << QStringList({"--listen", "0.0.0.0"}) << "";
        QTest::newRow("other address, password") << QStringList({"--listen", "127.0.0.2", "--password-file", "PASSWORD"}) << "0200007F";
    }

    void neverListensBeyondLoopbackWithoutPassword()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, address);
        QTemporaryDir dir;
        QFile password(dir.filePath("password"));
        QVERIFY(password.open(QIODevice::WriteOnly) && password.write("s3cret\n") == 7);
        password.close();
        options.replaceInStrings("PASSWORD", password.fileName());
        Sim sim(options + QStringList({"--config-dir", dir.path()}));
        if (address.isEmpty()) {
            QVERIFY(sim.process.waitForFinished(kDeadlineMs));
            QCOMPARE(sim.process.exitCode(), 2);
            QVERIFY(listeningAddresses(sim.process.processId()).isEmpty());
            return;
        }
        const int port = sim.waitForLine("served on .* port (\\d+)").toInt();
        QVERIFY2(port, qPrintable(sim.output));
        // The web server, where noVNC and websockify are installed, is a program of its own.
        const bool web = sim.waitForLine("browser: +(\\S+)").startsWith("http");
        // Every socket it listens on (VNC, IPv6, web pages) is on that address or the IPv6 loopback.
        const QStringList addresses = listeningAddresses(sim.process.processId());
        QCOMPARE(addresses.count(address), web ? 2 : 1);
        for (const QString& a : addresses)
            QVERIFY2(a == address || a == "00000000000000000000000001000000", qPrintable(a));
        // With a password, none other lets a viewer in.
        const QByteArray ip = address == "0200007F" ? "127.0.0.2" : "127.0.0.1";
        const bool asked = options.contains("--password-file");
        QCOMPARE(Viewer(port, ip.constData(), "wrong").client() != 0, !asked);
        Viewer viewer(port, ip.constData(), "s3cret");
        QVERIFY(viewer.client() && viewer.waitFor([&] { return QColor(viewer.frame().pixel(0, 0)) != QColor(Qt::black); }));
    }
};

QTEST_MAIN(SimVncTest)
#include "tst_sim_vnc.moc"
