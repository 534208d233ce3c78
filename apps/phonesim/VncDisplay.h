#ifndef VNCDISPLAY_H
#define VNCDISPLAY_H

#include "PhoneFace.h"

#include <QImage>
#include <QObject>
#include <QTimer>

class PhoneHost;
struct _rfbClientRec;
struct _rfbScreenInfo;

// The phone's screen in its face, served to any number of VNC viewers by LibVNCServer (also
// to browsers over WebSockets; WebFace serves the pages). The
// application runs on Qt's offscreen platform: changed parts of the composed screen go out
// as update rectangles; keys and clicks on the face's keys come in as the PC keys they
// stand for, posted to the window with the keyboard, so the host maps both alike.
class VncDisplay : public QObject
{
    Q_OBJECT
public:
    struct Settings {
        QString address;    // an IPv4 address or "localhost"
        int port;
        QString password;   // empty: none, only allowed on the loopback interface
        int zoom;
    };

    explicit VncDisplay(PhoneHost* host, QObject* parent = 0);
    ~VncDisplay();

    // The library's own lines (connections, encodings) on standard error, or none.
    static void setLogging(bool on);
    static bool logging();
    // Listens; false with errorString() if the address or port cannot be had.
    bool start(const Settings& settings);
    QString errorString() const;
    int port() const;
    int zoom() const;
    int clientCount() const;

public slots:
    void setZoom(int zoom);
    void zoomBy(int steps);

private slots:
    void pump();
    // A face key pressed or released by a viewer's mouse: drawn so, and sent as its PC key.
    void pressFaceKey(int pcKey, bool press);
    void scheduleFrame();
    void pushFrame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct VncCallbacks;

    PhoneHost* m_host;
    _rfbScreenInfo* m_server;
    PhoneFace m_face;
    QImage m_frame;      // the framebuffer the clients read
    QImage m_screen;     // the phone's screen as last sent
    QTimer m_pumpTimer;
    QTimer m_frameTimer;
    QString m_error;
    QByteArray m_address6;
    QByteArray m_password;
    const char* m_passwords[2];
    bool m_composing;
    int m_clients;
    int m_pressedFaceKey;
    bool m_started;
};

#endif
