#include "VncDisplay.h"

#include "PcClock.h"
#include "PhoneHost.h"
#include "ScreenComposer.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>

#include <arpa/inet.h>
#include <rfb/keysym.h>
#include <rfb/rfb.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

// What one viewer holds down: keys (to tell a held key's repeats from a new press), its
// modifiers and the face key under its mouse button.
struct VncClientState {
    QSet<rfbKeySym> keysDown;
    Qt::KeyboardModifiers modifiers;
    int buttons;
    int faceKey;
};

// The library calls these while it reads a viewer's messages: they only queue work for the
// event loop, so nothing re-enters the library or opens a modal loop inside it.
struct VncCallbacks {
    static void pressFaceKey(VncDisplay* d, int key, bool press)
    {
        QMetaObject::invokeMethod(d, "pressFaceKey", Qt::QueuedConnection, Q_ARG(int, key), Q_ARG(bool, press));
    }

    static VncDisplay* display(rfbClientPtr client)
    {
        return static_cast<VncDisplay*>(client->screen->screenData);
    }

    static VncClientState* state(rfbClientPtr client)
    {
        return static_cast<VncClientState*>(client->clientData);
    }

    static enum rfbNewClientAction newClient(rfbClientPtr client)
    {
        VncClientState* s = new VncClientState;
        s->modifiers = Qt::NoModifier;
        s->buttons = 0;
        s->faceKey = 0;
        client->clientData = s;
        client->clientGoneHook = clientGone;
        ++display(client)->m_clients;
        return RFB_CLIENT_ACCEPT;
    }

    static void clientGone(rfbClientPtr client)
    {
        VncDisplay* d = display(client);
        VncClientState* s = state(client);
        // What a leaving viewer held goes up, so no key stays pressed on the phone.
        if (s->faceKey)
            pressFaceKey(d, s->faceKey, false);
        for (rfbKeySym sym : s->keysDown)
            key(FALSE, sym, client, false);
        delete s;
        client->clientData = 0;
        --d->m_clients;
    }

    static int qtKey(rfbKeySym sym, QString* text)
    {
        static const struct { rfbKeySym sym; int key; } special[] = {
            {XK_Up, Qt::Key_Up}, {XK_Down, Qt::Key_Down}, {XK_Left, Qt::Key_Left},
            {XK_Right, Qt::Key_Right}, {XK_Return, Qt::Key_Return}, {XK_KP_Enter, Qt::Key_Enter},
            {XK_Escape, Qt::Key_Escape}, {XK_BackSpace, Qt::Key_Backspace}, {XK_Tab, Qt::Key_Tab},
            {XK_Delete, Qt::Key_Delete}, {XK_Home, Qt::Key_Home}, {XK_End, Qt::Key_End},
            {XK_Page_Up, Qt::Key_PageUp}, {XK_Page_Down, Qt::Key_PageDown},
            {XK_KP_Add, Qt::Key_Plus}, {XK_KP_Subtract, Qt::Key_Minus},
            {XK_Shift_L, Qt::Key_Shift}, {XK_Shift_R, Qt::Key_Shift},
            {XK_Control_L, Qt::Key_Control}, {XK_Control_R, Qt::Key_Control},
            {XK_Alt_L, Qt::Key_Alt}, {XK_Alt_R, Qt::Key_Alt},
            {XK_Meta_L, Qt::Key_Meta}, {XK_Meta_R, Qt::Key_Meta},
            {XK_Super_L, Qt::Key_Super_L}, {XK_Super_R, Qt::Key_Super_R},
        };
        for (const auto& s : special)
            if (s.sym == sym)
                return s.key;
        if (sym >= XK_F1 && sym <= XK_F12)
            return Qt::Key_F1 + int(sym - XK_F1);
        if (sym >= XK_KP_0 && sym <= XK_KP_9)
            sym = '0' + (sym - XK_KP_0);
        if ((sym >= 0x20 && sym <= 0x7e) || (sym >= 0xa0 && sym <= 0xff)) {
            const QChar c(ushort(sym & 0xff));
            *text = QString(c);
            return c.toUpper().unicode();
        }
        return 0;
    }

    static void keyEvent(rfbBool down, rfbKeySym sym, rfbClientPtr client)
    {
        key(down, sym, client, true);
    }

    static void key(rfbBool down, rfbKeySym sym, rfbClientPtr client, bool track)
    {
        VncClientState* s = state(client);
        QString text;
        const int qt = qtKey(sym, &text);
        if (!qt)
            return;
        const Qt::KeyboardModifier modifier = qt == Qt::Key_Shift ? Qt::ShiftModifier
                                            : qt == Qt::Key_Control ? Qt::ControlModifier
                                            : qt == Qt::Key_Alt ? Qt::AltModifier
                                            : qt == Qt::Key_Meta ? Qt::MetaModifier
                                                                 : Qt::NoModifier;
        // Viewers repeat a held key as further presses without releases.
        const bool repeat = down && s->keysDown.contains(sym);
        if (track) {
            if (down)
                s->keysDown.insert(sym);
            else if (!s->keysDown.remove(sym))
                return;   // a release without its press (pressed before connecting)
        }
        if (modifier != Qt::NoModifier) {
            if (down)
                s->modifiers |= modifier;
            else
                s->modifiers &= ~Qt::KeyboardModifiers(modifier);
            return;
        }
        display(client)->m_host->queuePcKey(qt, down, s->modifiers, text, repeat);
    }

    static void pointerEvent(int buttons, int x, int y, rfbClientPtr client)
    {
        VncDisplay* d = display(client);
        VncClientState* s = state(client);
        const bool wasDown = s->buttons & 1;
        const bool isDown = buttons & 1;
        s->buttons = buttons;
        if (isDown && !wasDown) {
            const PhoneFace::Key* key = d->m_face.keyAt(QPoint(x, y));
            if (key && !s->faceKey) {
                s->faceKey = key->pcKey;
                pressFaceKey(d, s->faceKey, true);
            }
        } else if (!isDown && wasDown && s->faceKey) {
            const int key = s->faceKey;
            s->faceKey = 0;
            pressFaceKey(d, key, false);
        }
        rfbDefaultPtrAddEvent(buttons, x, y, client);
    }
};

VncDisplay::VncDisplay(PhoneHost* host, QObject* parent)
    : QObject(parent),
      m_host(host),
      m_server(0),
      m_composing(false),
      m_clients(0),
      m_pressedFaceKey(0),
      m_started(false)
{
    m_passwords[0] = 0;
    m_passwords[1] = 0;
    m_pumpTimer.setInterval(10);
    connect(&m_pumpTimer, SIGNAL(timeout()), this, SLOT(pump()));
    // Coalesces the paints of one change into one frame.
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setInterval(10);
    connect(&m_frameTimer, SIGNAL(timeout()), this, SLOT(pushFrame()));
    connect(m_host, SIGNAL(zoomRequested(int)), this, SLOT(zoomBy(int)));
}

VncDisplay::~VncDisplay()
{
    qApp->removeEventFilter(this);
    if (m_server) {
        rfbShutdownServer(m_server, TRUE);
        rfbScreenCleanup(m_server);
    }
}

namespace {
bool s_logging = false;

// The library's log lines with the PC's time, not the phone's zone the process runs in.
void logWithPcTime(const char* format, ...)
{
    if (!s_logging)
        return;
    va_list arguments;
    va_start(arguments, format);
    fputs(PcClock::now().toString("dd/MM/yyyy hh:mm:ss ").toLocal8Bit().constData(), stderr);
    vfprintf(stderr, format, arguments);
    fflush(stderr);
    va_end(arguments);
}
} // namespace

void VncDisplay::setLogging(bool on)
{
    s_logging = on;
    rfbLogEnable(on ? 1 : 0);
    rfbLog = logWithPcTime;
    rfbErr = logWithPcTime;
}

bool VncDisplay::logging()
{
    return s_logging;
}

bool VncDisplay::start(const Settings& settings)
{
    in_addr address;
    address.s_addr = htonl(INADDR_LOOPBACK);
    const QString name = settings.address.isEmpty() || settings.address == "localhost" ? QString("127.0.0.1")
                                                                                         : settings.address;
    if (inet_pton(AF_INET, name.toLatin1().constData(), &address) != 1) {
        m_error = QString("cannot listen on \"%1\": give an IPv4 address").arg(settings.address);
        return false;
    }
    // Without a password, nobody but this machine's users may see or drive the phone.
    const bool loopback = (ntohl(address.s_addr) >> 24) == 127;
    if (!loopback && settings.password.isEmpty()) {
        m_error = QString("listening on %1 needs a password (--password-file)").arg(name);
        return false;
    }

    m_face = PhoneFace(settings.zoom);
    m_frame = QImage(m_face.size(), QImage::Format_RGBX8888);
    m_screen = m_host->screen()->compose();
    m_face.paint(&m_frame, m_screen, 0);

    int noArguments = 0;
    m_server = rfbGetScreen(&noArguments, 0, m_frame.width(), m_frame.height(), 8, 3, 4);
    if (!m_server) {
        m_error = "cannot set up the VNC server";
        return false;
    }
    m_server->frameBuffer = reinterpret_cast<char*>(m_frame.bits());
    m_server->screenData = this;
    m_server->desktopName = "Phone 384 x 160";
    m_server->alwaysShared = TRUE;
    m_server->deferUpdateTime = 0;
    m_server->newClientHook = VncCallbacks::newClient;
    m_server->kbdAddEvent = VncCallbacks::keyEvent;
    m_server->ptrAddEvent = VncCallbacks::pointerEvent;
    m_server->listenInterface = address.s_addr;
    m_server->port = settings.port;
    // IPv6 only on its loopback address, whatever the IPv4 side listens on.
    m_address6 = "::1";
    m_server->listen6Interface = m_address6.data();
    m_server->ipv6port = settings.port;
    if (!settings.password.isEmpty()) {
        m_password = settings.password.toUtf8();
        m_passwords[0] = m_password.constData();
        m_server->authPasswdData = static_cast<void*>(m_passwords);
        m_server->passwordCheck = rfbCheckPasswordByList;
    }
    rfbInitServer(m_server);
    if (m_server->listenSock == RFB_INVALID_SOCKET) {
        m_error = QString("cannot listen on %1 port %2").arg(name).arg(settings.port);
        return false;
    }
    m_started = true;
    qApp->installEventFilter(this);
    m_pumpTimer.start();
    return true;
}

QString VncDisplay::errorString() const
{
    return m_error;
}

int VncDisplay::port() const
{
    return m_server ? m_server->port : 0;
}

int VncDisplay::zoom() const
{
    return m_face.zoom();
}

int VncDisplay::clientCount() const
{
    return m_clients;
}

void VncDisplay::setZoom(int zoom)
{
    zoom = qBound(int(PhoneFace::MinZoom), zoom, int(PhoneFace::MaxZoom));
    if (!m_started || zoom == m_face.zoom())
        return;
    m_face = PhoneFace(zoom);
    // The old buffer stays valid until the server has the new one.
    QImage frame(m_face.size(), QImage::Format_RGBX8888);
    m_face.paint(&frame, m_screen, m_pressedFaceKey);
    rfbNewFramebuffer(m_server, reinterpret_cast<char*>(frame.bits()), frame.width(), frame.height(), 8, 3, 4);
    m_frame = frame;
}

void VncDisplay::zoomBy(int steps)
{
    setZoom(m_face.zoom() + steps);
}

void VncDisplay::pump()
{
    // Input first, a few messages per viewer (pointer motion comes in bursts), then the
    // updates the viewers asked for.
    for (int i = 0; i < 32 && rfbCheckFds(m_server, 0) > 0; ++i) {
    }
    rfbProcessEvents(m_server, 0);
}

void VncDisplay::scheduleFrame()
{
    if (!m_frameTimer.isActive())
        m_frameTimer.start();
}

void VncDisplay::pushFrame()
{
    m_composing = true;
    const QImage screen = m_host->screen()->compose();
    m_composing = false;
    if (screen.size() != m_screen.size())
        return;
    // The rows, then the columns, that changed.
    int top = -1;
    int bottom = -1;
    int left = screen.width();
    int right = -1;
    for (int y = 0; y < screen.height(); ++y) {
        const QRgb* now = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        const QRgb* before = reinterpret_cast<const QRgb*>(m_screen.constScanLine(y));
        if (memcmp(now, before, screen.width() * sizeof(QRgb)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (now[x] == before[x])
            ++x;
        left = qMin(left, x);
        x = screen.width() - 1;
        while (now[x] == before[x])
            --x;
        right = qMax(right, x);
    }
    m_screen = screen;
    if (top < 0)
        return;
    const QRect part(left, top, right - left + 1, bottom - top + 1);
    m_face.paintScreen(&m_frame, m_screen, part);
    const QRect shown(m_face.screenRect().topLeft() + part.topLeft() * m_face.zoom(), part.size() * m_face.zoom());
    rfbMarkRectAsModified(m_server, shown.left(), shown.top(), shown.right() + 1, shown.bottom() + 1);
    rfbProcessEvents(m_server, 0);
}

void VncDisplay::pressFaceKey(int pcKey, bool press)
{
    m_pressedFaceKey = press ? pcKey : 0;
    for (const PhoneFace::Key& key : m_face.keys()) {
        if (key.pcKey != pcKey)
            continue;
        m_face.paintKey(&m_frame, key, press);
        rfbMarkRectAsModified(m_server, key.rect.left(), key.rect.top(), key.rect.right() + 1, key.rect.bottom() + 1);
    }
    m_host->queuePcKey(pcKey, press, Qt::NoModifier, QString(), false);
}

bool VncDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (m_composing || !watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
        scheduleFrame();
        break;
    default:
        break;
    }
    return false;
}
