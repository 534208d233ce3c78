#ifndef SIMOPTIONS_H
#define SIMOPTIONS_H

#include <QString>
#include <QStringList>

// phonesim's command line. Parsed before the application object exists, because the options
// choose Qt's platform.
class SimOptions
{
public:
    enum Display { Vnc, Window, Headless };

    SimOptions();
    // False with errorText() on a bad option; helpRequested() for -h/--help.
    bool parse(const QStringList& arguments);

    QString errorText() const;
    bool helpRequested() const;
    static QString helpText();
    // The QT_QPA_PLATFORM value for the chosen display.
    QString platform() const;

    Display display;
    int port;
    QString configDir;
    bool fresh;
    QString pluginPath;
    QString themePath;
    QString script;        // script words, from --script files and --keys, in order
    QString shotDir;
    bool stay;             // keep running after the script
    int keyDelay;
    bool timing;
    bool quiet;
    int language;          // -1: as stored
    QString font;          // empty: the narrowest of the usual families installed

private:
    QString m_error;
    bool m_help;
};

#endif
