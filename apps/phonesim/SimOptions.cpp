#include "SimOptions.h"

#include <QFile>
#include <QTextStream>

SimOptions::SimOptions()
    : display(Vnc),
      port(5900),
      fresh(false),
      stay(false),
      keyDelay(80),
      timing(false),
      quiet(false),
      language(-1),
      m_help(false)
{
}

QString SimOptions::helpText()
{
    return QString(
        "Usage: phonesim [options]\n"
        "The phone's host application with the time-zone settings page, on a 384 x 160 screen.\n"
        "\n"
        "Display:\n"
        "  --vnc               Qt's VNC server on 127.0.0.1 only, no password (default)\n"
        "  --port N            VNC port (default 5900; the next free one is taken if busy)\n"
        "  --window            the X display in DISPLAY, e.g. a nested 384x160 Xephyr\n"
        "  --headless          no display at all (scripted runs, screenshots)\n"
        "Data:\n"
        "  --config-dir DIR    phone files (default $PHONESIM_CONFIG_DIR or ~/.config/phonesim)\n"
        "  --fresh             start from the shipped phone files again\n"
        "  --plugin PATH       the page plug-in (default: the build tree's, or ../plugins)\n"
        "  --theme PATH        the pictures' resource file (default: the build tree's)\n"
        "  --language N        0 Korean, 1 English, 2 German, 3 Spanish, 4 Italian,\n"
        "                      5 Russian, 6 Turkish (default: as last chosen)\n"
        "  --font FAMILY       the screen's font (default: Liberation Sans Narrow, else\n"
        "                      DejaVu Sans Condensed, else DejaVu Sans)\n"
        "Scripted runs:\n"
        "  --script FILE       play a key script (\"-\" reads standard input)\n"
        "  --keys WORDS        play the words given, e.g. \"ok down ok shot page.png\"\n"
        "  --shot-dir DIR      where screenshots with a relative name go\n"
        "  --key-delay MS      pause before each scripted key (default 80)\n"
        "  --stay              keep running when the script ends (headless runs quit)\n"
        "Other:\n"
        "  --timing            print start-up and page-opening times\n"
        "  --quiet             hide the toolkit's debug lines\n"
        "  -h, --help          this text\n"
        "\n"
        "Script words: up down left right ok back soft1..soft4 f1..f10 (KEY*N repeats),\n"
        "press KEY, release KEY, hold KEY MS, wait MS, shot FILE, lang [N], clock24,\n"
        "ime [N], closepopups, quit; \"#\" starts a comment.\n");
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
        } else if (name == "--config-dir") {
            if (!takeValue())
                return false;
            configDir = value;
        } else if (name == "--fresh") {
            fresh = true;
        } else if (name == "--plugin") {
            if (!takeValue())
                return false;
            pluginPath = value;
        } else if (name == "--theme") {
            if (!takeValue())
                return false;
            themePath = value;
        } else if (name == "--language") {
            if (!takeNumber(language, 0, 6))
                return false;
        } else if (name == "--font") {
            if (!takeValue())
                return false;
            font = value;
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
            if (!takeValue())
                return false;
            shotDir = value;
        } else if (name == "--key-delay") {
            if (!takeNumber(keyDelay, 0, 60000))
                return false;
        } else if (name == "--stay") {
            stay = true;
        } else if (name == "--timing") {
            timing = true;
        } else if (name == "--quiet") {
            quiet = true;
        } else if (name == "-platform" || name == "-display" || name == "-qwindowgeometry") {
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

QString SimOptions::platform() const
{
    switch (display) {
    case Window:
        return "xcb";
    case Headless:
        return "offscreen";
    case Vnc:
        break;
    }
    // 384 x 160 at 72 dpi is 135 x 56 mm.
    return QString("vnc:size=384x160:mmsize=135x56:port=%1").arg(port);
}
