#ifndef SIMOPTIONS_H
#define SIMOPTIONS_H

#include <QDateTime>
#include <QString>
#include <QStringList>

// phonesim's command line, parsed before the application object exists.
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
    // The moment --clock names, as local time; invalid without --clock.
    QDateTime clockTime() const;

    Display display;
    int port;
    QString listenAddress;  // empty: the loopback interface
    QString password;       // from --password-file
    int zoom;
    QString configDir;
    bool fresh;
    QString pluginPath;
    QStringList pagePaths; // --page: further page plug-ins, or directories of them
    QString themePath;
    QString script;        // script words, from --script files and --keys, in order
    QString shotDir;
    bool stay;             // keep running after the script
    int keyDelay;
    bool timing;
    bool verbose;
    QString clock;         // --clock "yyyy-MM-dd HH:mm"
    int language;          // -1: as stored
    QString font;          // empty: the narrowest of the usual families installed

private:
    QString m_error;
    bool m_help;
};

#endif
