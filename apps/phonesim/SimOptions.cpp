#include "SimOptions.h"

#include <QFile>
#include <QTextStream>

SimOptions::SimOptions()
    : display(Vnc),
      port(5900),
      zoom(2),
      fresh(false),
      stay(false),
      keyDelay(0),
      timing(false),
      verbose(false),
      language(-1),
      m_help(false)
{
}

QString SimOptions::helpText()
{
    return QString(
        "Usage: phonesim [options]\n"
        "The phone's host application with its settings pages, on a 384 x 160 screen.\n"
        "\n"
        "Display:\n"
        "  --vnc               serve the screen in a phone face to VNC viewers and browsers\n"
        "                      on this machine (default)\n"
        "  --window            the same, shown in a VNC viewer window on this desktop\n"
        "  --headless          no display at all (scripted runs, screenshots)\n"
        "  --port N            VNC port (default 5900; the next free one is taken if busy)\n"
        "  --zoom N            the face's screen 1 to 4 times its size (default 2; + and -)\n"
        "  --listen ADDRESS    listen on another IPv4 address than 127.0.0.1; needs a password\n"
        "  --password-file F   require VNC authentication with the first line of F\n"
        "Pages and data:\n"
        "  --plugin PATH       the time-zone page (default: ../plugins next to phonesim)\n"
        "  --page PATH         another page plug-in, or a directory of them (repeatable);\n"
        "                      with several pages OK on the idle screen shows their menu\n"
        "  --config-dir DIR    phone files (default $PHONESIM_CONFIG_DIR or ~/.config/phonesim)\n"
        "  --fresh             start from the shipped phone files again\n"
        "  --theme PATH        the pictures' resource file (default: ../theme next to phonesim)\n"
        "  --language N        0 Korean, 1 English, 2 German, 3 Spanish, 4 Italian,\n"
        "                      5 Russian, 6 Turkish (default: as last chosen)\n"
        "  --font FAMILY       the screen's font (default: Liberation Sans Narrow, else\n"
        "                      DejaVu Sans Condensed, else DejaVu Sans)\n"
        "  --clock \"YYYY-MM-DD HH:MM\"  stop the phone's clock at that local time\n"
        "Scripted runs:\n"
        "  --script FILE       play a key script (\"-\" reads standard input)\n"
        "  --keys WORDS        play the words given, e.g. \"ok down ok shot page.png\"\n"
        "  --shot-dir DIR      where screenshots go (default ~/Pictures/phonesim)\n"
        "  --key-delay MS      a pause before each scripted key, to watch a run (default 0;\n"
        "                      each step waits until the screen has settled anyway)\n"
        "  --stay              keep running when the script ends (headless runs quit)\n"
        "Other:\n"
        "  --timing            print start-up and page-opening times\n"
        "  --verbose           show the toolkit's and the VNC server's debug lines\n"
        "  -h, --help          this text\n"
        "\n"
        "Script words: up down left right ok back soft1..soft4 f1..f10 (KEY*N repeats),\n"
        "press KEY, release KEY, hold KEY MS, wait MS, shot FILE, face FILE, lang [N],\n"
        "clock24, ime [N], closepopups, quit; \"#\" starts a comment. Every step waits\n"
        "until the screen has settled; wait MS is a real pause, to watch a run.\n");
}

bool SimOptions::parse(const QStringList& arguments)
{
    m_error.clear();
    m_help = false;
    QStringList scriptParts;
    for (int i = 1; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        QString value;
        bool hasValue = false;
        const int eq = name.indexOf('=');
        if (name.startsWith("--") && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
            hasValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= arguments.size()) {
                m_error = QString("%1 needs a value").arg(name);
                return false;
            }
            value = arguments.at(++i);
            hasValue = true;
            return true;
        };
        const auto takeText = [&](QString& target) -> bool {
            if (!takeValue())
                return false;
            target = value;
            return true;
        };
        const auto takeNumber = [&](int& target, int min, int max) -> bool {
            if (!takeValue())
                return false;
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < min || n > max) {
                m_error = QString("%1: bad value \"%2\"").arg(name, value);
                return false;
            }
            target = n;
            return true;
        };

        if (name == "-h" || name == "--help" || name == "-help") {
            m_help = true;
        } else if (name == "--vnc") {
            display = Vnc;
        } else if (name == "--window") {
            display = Window;
        } else if (name == "--headless") {
            display = Headless;
        } else if (name == "--port") {
            if (!takeNumber(port, 1, 65535))
                return false;
        } else if (name == "--zoom") {
            if (!takeNumber(zoom, 1, 4))
                return false;
        } else if (name == "--listen") {
            if (!takeText(listenAddress))
                return false;
        } else if (name == "--password-file") {
            if (!takeValue())
                return false;
            QFile file(value);
            if (!file.open(QIODevice::ReadOnly)) {
                m_error = QString("cannot read the password file %1").arg(value);
                return false;
            }
            password = QString::fromUtf8(file.readLine()).trimmed();
            if (password.isEmpty()) {
                m_error = QString("the password file %1 is empty").arg(value);
                return false;
            }
        } else if (name == "--config-dir") {
            if (!takeText(configDir))
                return false;
        } else if (name == "--fresh") {
            fresh = true;
        } else if (name == "--plugin") {
            if (!takeText(pluginPath))
                return false;
        } else if (name == "--page") {
            QString page;
            if (!takeText(page))
                return false;
            pagePaths << page;
        } else if (name == "--clock") {
            if (!takeText(clock))
                return false;
            if (!clockTime().isValid()) {
                m_error = QString("--clock: \"%1\" is not \"YYYY-MM-DD HH:MM\"").arg(value);
                return false;
            }
        } else if (name == "--theme") {
            if (!takeText(themePath))
                return false;
        } else if (name == "--language") {
            if (!takeNumber(language, 0, 6))
                return false;
        } else if (name == "--font") {
            if (!takeText(font))
                return false;
        } else if (name == "--script") {
            if (!takeValue())
                return false;
            QFile file;
            const bool ok = value == "-" ? file.open(stdin, QIODevice::ReadOnly)
                                         : (file.setFileName(value), file.open(QIODevice::ReadOnly));
            if (!ok) {
                m_error = QString("cannot read the script %1").arg(value);
                return false;
            }
            scriptParts << QString::fromUtf8(file.readAll());
        } else if (name == "--keys") {
            if (!takeValue())
                return false;
            scriptParts << value;
        } else if (name == "--shot-dir") {
            if (!takeText(shotDir))
                return false;
        } else if (name == "--key-delay") {
            if (!takeNumber(keyDelay, 0, 60000))
                return false;
        } else if (name == "--stay") {
            stay = true;
        } else if (name == "--timing") {
            timing = true;
        } else if (name == "--verbose") {
            verbose = true;
        } else if (name == "-platform" || name == "--platform") {
            // Qt's own servers listen where they like; phonesim keeps the screen to itself.
            m_error = QString("%1: phonesim shows its screen itself (--vnc, --window or --headless)").arg(name);
            return false;
        } else if (name == "-display" || name == "-qwindowgeometry") {
            // Qt's own options pass through to the application object.
            ++i;
        } else {
            m_error = QString("unknown option %1").arg(name);
            return false;
        }
    }
    script = scriptParts.join("\n");
    return true;
}

QString SimOptions::errorText() const
{
    return m_error;
}

bool SimOptions::helpRequested() const
{
    return m_help;
}

QDateTime SimOptions::clockTime() const
{
    for (const char* format : {"yyyy-MM-dd HH:mm", "yyyy-MM-dd HH:mm:ss"}) {
        const QDateTime time = QDateTime::fromString(clock, QString::fromLatin1(format));
        if (time.isValid())
            return time;
    }
    return QDateTime();
}
