// phonesim: the phone's host application on a PC, running the time-zone settings page.
#include "IdleScreen.h"
#include "IniFile.h"
#include "KeyMap.h"
#include "KeyScript.h"
#include "LoopbackGuard.h"
#include "PhoneHost.h"
#include "SimData.h"
#include "SimOptions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QResource>
#include <QTextStream>

#ifndef PHONESIM_PLUGIN
#define PHONESIM_PLUGIN ""
#endif
#ifndef PHONESIM_THEME
#define PHONESIM_THEME ""
#endif

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

void dropDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
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

QString ownDir(const char* argv0)
{
    // Before the application object exists: resolve through /proc, falling back to argv[0].
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString path = self.exists() ? self.canonicalFilePath() : QString::fromLocal8Bit(argv0);
    return QFileInfo(path).absolutePath();
}

void setUpPlatform(const SimOptions& options)
{
    qputenv("QT_QPA_PLATFORM", options.platform().toLocal8Bit());
    // As on the phone: a 20-point font is 20 pixels, and no scaling of any kind.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    // Qt's framebuffer screens would stretch the first window (the status bar) to full screen.
    qputenv("QT_QPA_FB_FORCE_FULLSCREEN", "0");
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();

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

    if (options.display == SimOptions::Vnc) {
        LoopbackGuard::setEnabled(true);
        const int wanted = options.port;
        while (!LoopbackGuard::isPortFree(options.port) && options.port < wanted + 20)
            ++options.port;
        if (!LoopbackGuard::isPortFree(options.port)) {
            err() << "phonesim: no free VNC port from " << wanted << " to " << options.port << "\n";
            return 1;
        }
    }
    setUpPlatform(options);
    if (options.quiet)
        qInstallMessageHandler(dropDebug);

    QApplication app(argc, argv);
    app.setApplicationName("phonesim");
    app.setQuitOnLastWindowClosed(false);
    // One font everywhere, whatever the desktop's theme says: a narrow one as on the phone,
    // where the status bar's clock has 72 pixels for "10:17 AM" at 18 points.
    QString family = options.font;
    if (family.isEmpty()) {
        const QStringList installed = QFontDatabase().families();
        for (const char* candidate : {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"})
            if (installed.contains(QString::fromLatin1(candidate))) {
                family = QString::fromLatin1(candidate);
                break;
            }
    }
    if (!family.isEmpty()) {
        app.setFont(QFont(family));
        // The lists ask for the phone's own font by name; it stands in for that one too.
        QFont::insertSubstitution("1R_02_OV_ED", family);
    }

    const QString exeDir = ownDir(argv[0]);
    const QString theme = firstExisting(options.themePath,
                                        QStringList() << QString::fromUtf8(PHONESIM_THEME)
                                                      << exeDir + "/../theme/phonetheme.rcc"
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
        out() << "phonesim: wrote " << written.join(", ") << " to " << configDir << "\n";
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
                                                           << exeDir + "/libsettings_datetime.so"
                                                           << QString::fromUtf8(PHONESIM_PLUGIN));
        if (!host.loadPage(plugin)) {
            err() << "phonesim: cannot load the page: "
                  << (plugin.isEmpty() ? QString("no plug-in found (use --plugin)") : host.errorString()) << "\n";
            return 1;
        }
        host.setScreenshotDir(options.shotDir);
        host.setReportTiming(options.timing);
        host.start();

        QObject::connect(host.idle(), &IdleScreen::firstFrame, [&]() {
            if (options.timing)
                out() << "phonesim: idle screen first frame " << sinceStart.elapsed()
                      << " ms after start\n" << flush;
        });

        switch (options.display) {
        case SimOptions::Vnc:
            out() << "phonesim: the phone's screen is a VNC server on 127.0.0.1:" << options.port
                  << " (loopback only, no password)\n"
                  << "  connect:     vncviewer 127.0.0.1::" << options.port << "\n"
                  << "  from afar:   ssh -L " << options.port << ":127.0.0.1:" << options.port
                  << " <this machine>, then the same command there\n";
            break;
        case SimOptions::Window:
            out() << "phonesim: the phone's screen is the X display " << qgetenv("DISPLAY") << "\n";
            break;
        case SimOptions::Headless:
            break;
        }
        if (options.display != SimOptions::Headless)
            out() << "Keys (the keyboard focus must be on the phone's screen):\n" << KeyMap::helpText() << flush;

        KeyScript script(&host);
        script.setKeyDelay(options.keyDelay);
        if (!options.script.isEmpty()) {
            if (!script.parse(options.script)) {
                err() << "phonesim: script: " << script.errorString() << "\n";
                return 2;
            }
            QObject::connect(&script, &KeyScript::quitRequested, [] { QCoreApplication::exit(0); });
            if (!options.stay && options.display == SimOptions::Headless)
                QObject::connect(&script, &KeyScript::finished, [] { QCoreApplication::exit(0); });
            // Played once the idle screen is up and has the keyboard.
            script.start(150);
        }
        status = app.exec();
    }
    return status;
}
