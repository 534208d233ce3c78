#ifndef WEBFACE_H
#define WEBFACE_H

#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

// The phone's face in a browser: noVNC's pages and a WebSocket bridge to the VNC port, both
// served by Debian's websockify. It serves every connection in a process of its own, so that
// loads, reloads and several tabs never close one another. The pages are noVNC's, seen
// through a directory of our own whose root page opens the face already connected.
class WebFace : public QObject
{
    Q_OBJECT
public:
    struct Settings {
        QString address;     // the address the VNC port listens on
        int port;            // the web port, found free
        int vncPort;
        QString pagesDir;    // noVNC's pages
        QString program;     // websockify
    };

    explicit WebFace(QObject* parent = 0);
    ~WebFace();

    // Starts the server and returns once it answers; false with errorString() when the pages
    // or the program are missing or the server ends before it answers.
    bool start(const Settings& settings);
    QString errorString() const;
    int port() const;      // 0 when not serving
    QString url() const;   // the root page

private slots:
    void readOutput();

private:
    bool preparePages(const QString& pagesDir);

    QProcess m_server;
    QTemporaryDir m_pages;
    QString m_error;
    QString m_lastLine;
    QString m_host;
    int m_port;
};

#endif
