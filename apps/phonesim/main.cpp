// phonesim: the phone's host application on a PC, running the settings pages.
#include "IdleScreen.h"
#include "IniFile.h"
#include "KeyMap.h"
#include "KeyScript.h"
#include "PcClock.h"
#include "PhoneHost.h"
#include "SimClock.h"
#include "SimData.h"
#include "SimOptions.h"
#include "VncDisplay.h"
#include "WebFace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QProcess>
#include <QResource>
#include <QStandardPaths>
#include <QTextStream>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The pictures stay registered while main() runs, whichever way it leaves.
struct ThemeRegistration {
    explicit ThemeRegistration(const QString& file)
        : path(file), registered(!file.isEmpty() && QResource::registerResource(file)) {}
    ~ThemeRegistration()
    {
        if (registered)
            QResource::unregisterResource(path);
    }
    const QString path;
    const bool registered;
};

// The toolkit writes a debug line for many keys; they are for --verbose only.
void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    // Also Qt's notes on a missing runtime directory (root, containers) and on raising a
    // window off screen (the menu of pages): they change nothing.
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")
        || message == "This plugin does not support raise()")
        return;
    QTextStream(stderr) << message << "\n";
}

// The given path, else the first candidate that exists.
QString firstExisting(const QString& given, const QStringList& candidates)
{
    if (!given.isEmpty())
        return given;
    for (const QString& path : candidates)
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
    return QString();
}

// Plug-in files: each path given, or the .so files of a directory, in name order.
QStringList pageFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        const QDir dir(path);
        for (const QString& name : dir.entryList(QStringList() << "*.so", QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

QString ownDir(const char* argv0)
{
    // Before the application object exists: resolve through /proc, falling back to argv[0].
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString path = self.exists() ? self.canonicalFilePath() : QString::fromLocal8Bit(argv0);
    return QFileInfo(path).absolutePath();
}

bool portIsFree(const QString& address, int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in where;
    memset(&where, 0, sizeof where);
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (address.isEmpty() || address == "localhost" || inet_pton(AF_INET, address.toLatin1().constData(), &where.sin_addr) != 1)
        where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool free = bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 && listen(fd, 1) == 0;
    close(fd);
    return free;
}

// The ports a server looks at when its own is taken: the next 20.
int lastPortTried(int wanted)
{
    return qMin(wanted + 20, 65535);
}

// The first free port from wanted on, or 0 when all of them are taken.
int firstFreePort(const QString& address, int wanted)
{
    for (int port = wanted; port <= lastPortTried(wanted); ++port) {
        if (portIsFree(address, port))
            return port;
    }
    return 0;
}

void setUpPlatform()
{
    // Qt draws off screen; phonesim itself serves the screen (VncDisplay), so no server of
    // Qt's own ever listens, whatever the environment asks for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As on the phone: a 20-point font is 20 pixels, and no scaling of any kind.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
}

// One font everywhere, whatever the desktop's theme says: a narrow one as on the phone,
// where the status bar's clock has 72 pixels for "10:17 AM" at 18 points.
bool setUpFont(QApplication& app, const QString& wanted)
{
    const QStringList installed = QFontDatabase().families();
    QString family;
    if (!wanted.isEmpty()) {
        for (const QString& f : installed)
            if (f.compare(wanted, Qt::CaseInsensitive) == 0)
                family = f;
        if (family.isEmpty()) {
            err() << "phonesim: no font family \"" << wanted << "\" (fc-list : family lists them)\n";
            return false;
        }
    } else {
        for (const char* candidate : {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"})
            if (family.isEmpty() && installed.contains(QString::fromLatin1(candidate)))
                family = QString::fromLatin1(candidate);
    }
    if (!family.isEmpty()) {
        app.setFont(QFont(family));
        // The lists ask for the phone's own font by name; it stands in for that one too.
        QFont::insertSubstitution("1R_02_OV_ED", family);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    PcClock::capture();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    SimOptions options;
    if (!options.parse(arguments)) {
        err() << "phonesim: " << options.errorText() << "\n" << "Try phonesim --help.\n";
        return 2;
    }
    if (options.helpRequested()) {
        out() << SimOptions::helpText() << "\nKeys:\n" << KeyMap::helpText();
        return 0;
    }
    const bool served = options.display != SimOptions::Headless;
    if (served) {
        const int wanted = options.port;
        options.port = firstFreePort(options.listenAddress, wanted);
        if (!options.port) {
            err() << "phonesim: no free VNC port from " << wanted << " to " << lastPortTried(wanted) << "\n";
            return 1;
        }
    }
    // A viewer that goes away mid-write must not end the simulator.
    signal(SIGPIPE, SIG_IGN);
    setUpPlatform();
    if (!options.verbose)
        qInstallMessageHandler(quietDebug);

    QApplication app(argc, argv);
    app.setApplicationName("phonesim");
    app.setQuitOnLastWindowClosed(false);
    if (!setUpFont(app, options.font))
        return 2;

    // The page and the pictures lie next to the program, in a build tree as in an installed
    // SDK (bin/, plugins/, theme/ side by side): an SDK never reads the tree it was built in.
    const QString exeDir = ownDir(argv[0]);
    const QString theme = firstExisting(options.themePath,
                                        QStringList() << exeDir + "/../theme/phonetheme.rcc"
                                                      << exeDir + "/phonetheme.rcc");
    const ThemeRegistration pictures(theme);
    if (!pictures.registered)
        err() << "phonesim: no pictures (" << (theme.isEmpty() ? QString("no theme found") : theme)
              << "); the screen will miss its icons\n";

    const QString configDir = options.configDir.isEmpty() ? SimData::defaultDir() : options.configDir;
    QStringList written;
    if (!SimData::prepare(configDir, options.fresh, &written)) {
        err() << "phonesim: cannot prepare the phone files in " << configDir << "\n";
        return 1;
    }
    if (!written.isEmpty())
        out() << "phonesim: wrote " << written.join(", ") << " to " << configDir << "\n" << flush;
    // The page reads its table from here instead of the phone's /etc/configs/phone.
    qputenv("PHONE_TIMEZONE_TAB", QDir(configDir).filePath("timezone.tab").toLocal8Bit());

    int status = 0;
    {
        if (options.language >= 0) {
            // Stored like a choice made with the language key.
            IniFile(QDir(configDir).filePath("settings.conf")).setValue("Settings/Language", options.language);
        }
        PhoneHost host(configDir);
        const QString plugin = firstExisting(options.pluginPath,
                                             QStringList() << exeDir + "/../plugins/libsettings_datetime.so"
                                                           << exeDir + "/libsettings_datetime.so");
        for (const QString& file : QStringList(plugin) + pageFiles(options.pagePaths)) {
            if (!host.loadPage(file)) {
                err() << "phonesim: cannot load the page: "
                      << (file.isEmpty() ? QString("no plug-in found (use --plugin)") : host.errorString()) << "\n";
                return 1;
            }
        }
        host.setScreenshotDir(options.shotDir);
        host.setReportTiming(options.timing);
        QObject::connect(host.idle(), &IdleScreen::firstFrame, [&]() {
            if (options.timing)
                out() << "phonesim: idle screen first frame " << sinceStart.elapsed() << " ms after start\n"
                      << flush;
        });
        host.start();
        if (options.clockTime().isValid()) {
            // Local time of the zone the host has just applied; still pictures throughout.
            SimClock::freeze(options.clockTime().toMSecsSinceEpoch());
            QApplication::setCursorFlashTime(0);
        }

        VncDisplay display(&host);
        WebFace webFace;
        QProcess viewer;
        if (served) {
            VncDisplay::Settings settings;
            settings.address = options.listenAddress;
            settings.port = options.port;
            settings.password = options.password;
            settings.zoom = options.zoom;
            VncDisplay::setLogging(options.verbose);
            if (!display.start(settings)) {
                err() << "phonesim: " << display.errorString() << "\n";
                return 2;
            }
            const QString where = options.listenAddress.isEmpty() ? QString("127.0.0.1") : options.listenAddress;
            const QString host4 = where == "0.0.0.0" ? QString("127.0.0.1") : where;
            out() << "phonesim: the phone is served on " << where << " port " << display.port()
                  << (options.password.isEmpty() ? " (this machine only, no password)" : " (password required)") << "\n"
                  << "  VNC viewer: vncviewer -MenuKey F12 " << host4 << "::" << display.port() << "\n";
            WebFace::Settings web;
            web.address = options.listenAddress;
            const int webWanted = display.port() > 1124 ? display.port() - 100 : display.port() + 100;
            web.port = firstFreePort(options.listenAddress, webWanted);
            web.vncPort = display.port();
            web.pagesDir = "/usr/share/novnc";
            web.program = QStandardPaths::findExecutable("websockify");
            if (!web.port)
                out() << "  browser:    none, no free web port from " << webWanted << " to " << lastPortTried(webWanted) << "\n";
            else if (webFace.start(web))
                out() << "  browser:    " << webFace.url() << "\n";
            else
                out() << "  browser:    none, " << webFace.errorString() << "\n";
            out() << "  keys: see the legend under the phone (H prints it here); Ctrl+C ends\n" << flush;
            if (options.display == SimOptions::Window) {
                const QString program = QStandardPaths::findExecutable("vncviewer");
                if (qEnvironmentVariableIsEmpty("DISPLAY")) {
                    out() << "phonesim: no desktop for a window (DISPLAY is not set); connect a viewer yourself\n"
                          << flush;
                } else if (program.isEmpty()) {
                    out() << "phonesim: no vncviewer for a window (Debian: tigervnc-viewer); connect one yourself\n"
                          << flush;
                } else {
                    // F12 opens TigerVNC's menu instead of F8, a hot key of the phone.
                    QObject::connect(&viewer, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                                     [] { QCoreApplication::exit(0); });
                    viewer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                    viewer.setProcessEnvironment(PcClock::environment());
                    viewer.setStandardOutputFile(QProcess::nullDevice());
                    viewer.start(program, QStringList() << "-MenuKey" << "F12" << "-Shared"
                                                        << QString("%1::%2").arg(host4).arg(display.port()));
                }
            }
        }

        KeyScript script(&host);
        script.setKeyDelay(options.keyDelay);
        script.setFaceZoom(options.zoom);
        if (!options.script.isEmpty()) {
            if (!script.parse(options.script)) {
                err() << "phonesim: script: " << script.errorString() << "\n";
                return 2;
            }
            QObject::connect(&script, &KeyScript::quitRequested, [] { QCoreApplication::exit(0); });
            if (!options.stay && !served)
                QObject::connect(&script, &KeyScript::finished, [] { QCoreApplication::exit(0); });
            // Each step once the screen has settled, the first once the idle screen has the keyboard.
            script.start();
        } else if (!served) {
            out() << "phonesim: headless with no script: the phone runs unseen until Ctrl+C "
                     "(--keys or --script play keys, --vnc shows it)\n" << flush;
        }
        status = app.exec();
        if (viewer.state() != QProcess::NotRunning) {
            viewer.terminate();
            viewer.waitForFinished(3000);
        }
    }
    return status;
}
