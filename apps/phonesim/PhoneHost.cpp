#include "PhoneHost.h"

#include "BaseAppInterface.h"
#include "Core.h"
#include "IME.h"
#include "IdleScreen.h"
#include "IniFile.h"
#include "KeyMap.h"
#include "ListView.h"
#include "PageMenu.h"
#include "PcClock.h"
#include "PhoneFace.h"
#include "ScreenComposer.h"
#include "Status.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool isUnrepeatedPhoneKey(int key)
{
    // The phone's keypad repeats only the arrows; OK, back and the soft keys are one press
    // however long they are held (their long-press timers depend on it).
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Context1:
    case Qt::Key_Context2:
    case Qt::Key_Context3:
    case Qt::Key_Context4:
        return true;
    default:
        return false;
    }
}

// A character typed into a text field (a line-edit row's editor) is the field's, not a host
// key. The face's keys carry no text and keep their meaning there too.
bool typesIntoTextField(QObject* receiver, const QKeyEvent* event)
{
    const QLineEdit* edit = qobject_cast<QLineEdit*>(receiver);
    const QString text = event->text();
    return edit && !edit->isReadOnly() && !text.isEmpty() && text.at(0).isPrint()
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

PhoneHost::PhoneHost(const QString& configDir, QObject* parent)
    : QObject(parent),
      m_core(theCore),
      m_ownsCore(false),
      m_status(0),
      m_idle(0),
      m_screen(0),
      m_menu(0),
      m_capturingTitle(-1),
      m_pageOpen(false),
      m_openPending(false),
      m_openIndex(-1),
      m_reportTiming(false),
      m_waitingForPageFrame(false),
      m_clockFromOk(false),
      m_lastOpenTime(-1),
      m_screenshotCount(0)
{
    if (!m_core) {
        m_core = new Core;
        m_ownsCore = true;
    }
    m_core->setConfigDir(configDir);
    m_screen = new ScreenComposer(QSize(384, 160), this);

    // The bar belongs to the host and never takes the keyboard from a page.
    m_status = new Status(0);
    m_status->setWindowFlags(m_status->windowFlags() | Qt::WindowDoesNotAcceptFocus);
    m_status->setGeometry(0, 0, 384, 26);
    m_core->setStatusWidget(m_status);

    // Pages name themselves by the title they give the bar when they are built or retitled.
    connect(m_status, SIGNAL(titleChanged(QString)), this, SLOT(captureTitle(QString)));

    m_idle = new IdleScreen(0);
    connect(m_idle, SIGNAL(openSettings()), this, SLOT(okOnIdle()));
    m_menu = new PageMenu(0);
    connect(m_menu, SIGNAL(pageChosen(int)), this, SLOT(openChosenPage(int)));
    if (IME* ime = m_core->ime())
        connect(ime, SIGNAL(changedIMEStatus(int)), this, SLOT(imeStatusChanged(int)));
    connect(m_core, SIGNAL(timeZoneApplied(QString)), this, SLOT(timeZoneApplied()));
    qApp->installEventFilter(this);
}

PhoneHost::~PhoneHost()
{
    qApp->removeEventFilter(this);
    // The host owns the pages; they go before the bar they borrow and the facade they talk
    // to. Their libraries stay loaded: the pages' code may still be on the stack.
    for (const Page& page : m_pages)
        delete page.object.data();
    delete m_menu;
    delete m_idle;
    qDeleteAll(m_plugins);
    m_core->setStatusWidget(0);
    delete m_status;
    delete m_screen;
    m_screen = 0;
    if (m_ownsCore)
        delete m_core;
    else
        m_core->setConfigDir(QString());
}

bool PhoneHost::loadPage(const QString& pluginPath)
{
    PagePlugin* plugin = new PagePlugin;
    m_plugins.append(plugin);
    Page page = {plugin, 0, QString()};
    m_capturingTitle = m_pages.size();
    m_pages.append(page);
    const bool loaded = plugin->load(pluginPath);
    QObject* object = loaded ? plugin->instance() : 0;
    m_capturingTitle = -1;
    if (!loaded)
        m_error = plugin->errorString();
    else if (!object || !qobject_cast<BaseAppInterface*>(object))
        m_error = QString("%1 gives no page with the host interface").arg(pluginPath);
    for (int i = 0; object && i + 1 < m_pages.size(); ++i)
        if (m_pages.at(i).object == object)
            m_error = QString("%1 is loaded already").arg(pluginPath);
    if (!loaded || !object || !m_error.isEmpty()) {
        m_pages.removeLast();
        return false;
    }
    m_pages.last().object = object;
    m_error.clear();
    updateMenu();
    return true;
}

int PhoneHost::pageCount() const
{
    return m_pages.size();
}

QStringList PhoneHost::pageTitles() const
{
    QStringList titles;
    for (const Page& page : m_pages) {
        const BaseAppInterface* app = qobject_cast<BaseAppInterface*>(page.object.data());
        titles << (!page.title.isEmpty() ? page.title : app ? app->appName() : QString());
    }
    return titles;
}

void PhoneHost::captureTitle(const QString& title)
{
    if (m_capturingTitle >= 0 && m_capturingTitle < m_pages.size())
        m_pages[m_capturingTitle].title = title.trimmed();
}

void PhoneHost::updateMenu()
{
    m_menu->setTitles(pageTitles());
    m_idle->setPageCount(m_pages.size());
}

QString PhoneHost::errorString() const
{
    return m_error;
}

void PhoneHost::start()
{
    // Stored settings first, so that the first frame already shows them.
    const QString settingsPath = m_core->configFileName(eConfigSettings);
    bool use24 = false;
    if (!settingsPath.isEmpty()) {
        const IniFile settings(settingsPath);
        m_core->setLanguage(settings.value("Settings/Language", int(Core::LangEnglish)).toInt());
        use24 = settings.value("Settings/24HourTime", false).toBool();
    }
    m_core->setUse24HourTime(use24);
    m_status->setTime24Hour(use24);
    const QString systemPath = m_core->configFileName(eConfigSystem);
    if (!systemPath.isEmpty()) {
        m_status->setUIStatusLock(IniFile(systemPath).value("Menu_Password/enable", false).toBool());
    }
    m_core->setTimeZoneFromConfig();
    if (m_core->language() != Core::LangEnglish)
        sendToApps("changedLanguage()");

    m_status->show();
    m_idle->start(0, 0);
}

Core* PhoneHost::core() const
{
    return m_core;
}

Status* PhoneHost::status() const
{
    return m_status;
}

IdleScreen* PhoneHost::idle() const
{
    return m_idle;
}

ScreenComposer* PhoneHost::screen() const
{
    return m_screen;
}

PageMenu* PhoneHost::menu() const
{
    return m_menu;
}

BaseAppInterface* PhoneHost::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? qobject_cast<BaseAppInterface*>(m_pages.at(index).object.data()) : 0;
}

QWidget* PhoneHost::pageWidget(int index) const
{
    return index >= 0 && index < m_pages.size() ? qobject_cast<QWidget*>(m_pages.at(index).object.data()) : 0;
}

bool PhoneHost::isPageOpen() const
{
    return m_pageOpen;
}

bool PhoneHost::isSettled() const
{
    if (m_openPending || !m_keys.isEmpty())
        return false;
    QWidget* top = QApplication::activeModalWidget();
    const QList<QWidget*> stack = m_screen->stack();
    for (int i = stack.size() - 1; i >= 0 && !top; --i)
        if (!(stack.at(i)->windowFlags() & Qt::WindowDoesNotAcceptFocus))
            top = stack.at(i);
    if (!top)
        return true;
    QWidget* focus = QApplication::focusWidget();
    return top->isVisible() && QApplication::activeWindow() == top
           && (focus ? focus->window() == top : !top->focusWidget());
}

void PhoneHost::setScreenshotDir(const QString& dir)
{
    m_screenshotDir = dir;
}

QString PhoneHost::screenshotDir() const
{
    return m_screenshotDir.isEmpty() ? defaultScreenshotDir() : m_screenshotDir;
}

QString PhoneHost::defaultScreenshotDir()
{
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::home().filePath("Pictures");
    return QDir(pictures).filePath("phonesim");
}

void PhoneHost::setReportTiming(bool on)
{
    m_reportTiming = on;
}

qint64 PhoneHost::lastOpenTime() const
{
    return m_lastOpenTime;
}

void PhoneHost::openPage(int index)
{
    m_openPending = false;
    BaseAppInterface* app = page(index);
    if (!app || m_pageOpen)
        return;
    m_openIndex = index;
    m_pageOpen = true;
    m_waitingForPageFrame = true;
    if (!m_clockFromOk)
        m_openClock.start();
    m_clockFromOk = false;
    emit pageOpened();
    // The page runs its own modal loop; keys, host messages and timers go on inside it.
    app->start(m_idle, 0);
    m_pageOpen = false;
    m_waitingForPageFrame = false;
    // Back to the menu if the page came from it, else to the idle screen.
    QWidget* back = m_menu->isVisible() ? static_cast<QWidget*>(m_menu) : m_idle;
    if (back->isVisible()) {
        back->activateWindow();
        back->setFocus();
        if (back == m_menu)
            m_menu->list()->setFocus();
    }
    emit pageClosed();
}

void PhoneHost::okOnIdle()
{
    if (m_pages.size() > 1) {
        m_menu->open();
        return;
    }
    openChosenPage(0);
}

void PhoneHost::openChosenPage(int index)
{
    // Timed from the key, opened once the key's release has been handled.
    m_openClock.start();
    m_clockFromOk = true;
    m_openPending = true;
    QMetaObject::invokeMethod(this, "openPage", Qt::QueuedConnection, Q_ARG(int, index));
}

void PhoneHost::switchLanguage(int language)
{
    if (language < 0 || language >= Core::LangCount)
        language = (m_core->language() + 1) % Core::LangCount;
    m_core->setLanguage(language);
    const QString settingsPath = m_core->configFileName(eConfigSettings);
    if (!settingsPath.isEmpty())
        IniFile(settingsPath).setValue("Settings/Language", m_core->language());
    sendToApps("changedLanguage()");
    out() << "phonesim: language " << Core::languageName(m_core->language()) << "\n" << flush;
}

void PhoneHost::toggle24HourTime()
{
    const bool on = !m_core->use24HourTime();
    m_core->setUse24HourTime(on);
    const QString settingsPath = m_core->configFileName(eConfigSettings);
    if (!settingsPath.isEmpty())
        IniFile(settingsPath).setValue("Settings/24HourTime", on);
    m_status->setTime24Hour(on);
    sendToApps("changedStatus()");
    out() << "phonesim: " << (on ? "24-hour" : "12-hour") << " clock" << "\n" << flush;
}

void PhoneHost::setImeStatus(int status)
{
    IME* ime = m_core->ime();
    if (!ime)
        return;
    if (status < 0)
        status = (ime->imeStatus() + 1) % 5;
    ime->setImeStatus(status);
    out() << "phonesim: input method " << ime->imeStatus() << "\n" << flush;
}

void PhoneHost::closePopups()
{
    m_core->broadcast("closeSelectPopup()");
    out() << "phonesim: closeSelectPopup() sent to the pages" << "\n" << flush;
}

QString PhoneHost::saveScreenshot(const QString& path, int faceZoom)
{
    QString file = path;
    if (file.isEmpty())
        file = QString("phonesim-%1-%2.png")
                   .arg(PcClock::now().toString("yyyyMMdd-hhmmss"))
                   .arg(++m_screenshotCount);
    if (QDir::isRelativePath(file)) {
        QDir().mkpath(screenshotDir());
        file = QDir(screenshotDir()).filePath(file);
    }
    file = QFileInfo(file).absoluteFilePath();
    QImage picture = m_screen->compose();
    if (faceZoom > 0) {
        const PhoneFace face(faceZoom);
        QImage framed(face.size(), QImage::Format_RGB32);
        face.paint(&framed, picture, 0);
        picture = framed;
    }
    // The format the name asks for (a test reads .ppm), else PNG.
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    if (!picture.save(file, QImageWriter::supportedImageFormats().contains(suffix) ? suffix.constData() : "PNG")) {
        out() << "phonesim: cannot write " << file << "\n" << flush;
        return QString();
    }
    out() << "phonesim: screenshot " << file << "\n" << flush;
    return file;
}

void PhoneHost::printHelp()
{
    out() << "Keys:\n" << KeyMap::helpText() << flush;
}

QWidget* PhoneHost::keyTarget()
{
    if (QWidget* w = QApplication::focusWidget())
        return w;
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void PhoneHost::sendPhoneKey(int key, bool press)
{
    QWidget* target = keyTarget();
    if (!target)
        target = m_idle;
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = "\r";
    else if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

void PhoneHost::queuePcKey(int key, bool press, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat)
{
    QueuedKey queued = {key, press, modifiers, text, autoRepeat};
    m_keys.enqueue(queued);
    if (m_keys.size() == 1)
        QTimer::singleShot(0, this, SLOT(deliverQueuedKey()));
}

void PhoneHost::deliverQueuedKey()
{
    if (m_keys.isEmpty())
        return;
    const QueuedKey queued = m_keys.dequeue();
    // The next one first: this key may open a modal loop that returns much later.
    if (!m_keys.isEmpty())
        QTimer::singleShot(0, this, SLOT(deliverQueuedKey()));
    QWidget* target = keyTarget();
    if (!target)
        target = m_idle;
    QKeyEvent event(queued.press ? QEvent::KeyPress : QEvent::KeyRelease, queued.key, queued.modifiers,
                    queued.text, queued.autoRepeat);
    QApplication::sendEvent(target, &event);
}

bool PhoneHost::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched->isWidgetType())
            return translateKey(watched, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::Hide:
        // Like the phone's window server: when a window goes, the topmost one left gets the
        // keyboard (Qt's offscreen platform and a bare X server leave it nowhere).
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QTimer::singleShot(0, this, SLOT(restoreActiveWindow()));
        break;
    case QEvent::Paint:
        if (m_waitingForPageFrame && watched == pageWidget(m_openIndex)) {
            m_waitingForPageFrame = false;
            // Reported once the paint is done and on its way to the screen.
            QTimer::singleShot(0, this, SLOT(reportPageFrame()));
        }
        break;
    default:
        break;
    }
    return false;
}

bool PhoneHost::translateKey(QObject* receiver, QKeyEvent* event)
{
    if (typesIntoTextField(receiver, event))
        return false;
    const KeyMap::Binding* binding = KeyMap::find(event);
    if (!binding) {
        if (event->isAutoRepeat() && isUnrepeatedPhoneKey(event->key())) {
            event->accept();
            return true;
        }
        return false;
    }
    event->accept();
    if (binding->action == KeyMap::PhoneKey) {
        if (event->isAutoRepeat())
            return true;
        // The soft keys carry no text, like the phone's.
        QKeyEvent mapped(event->type(), binding->phoneKey, Qt::NoModifier);
        QApplication::sendEvent(receiver, &mapped);
        return true;
    }
    if (event->type() != QEvent::KeyPress || event->isAutoRepeat())
        return true;
    switch (binding->action) {
    case KeyMap::SwitchLanguage: switchLanguage(); break;
    case KeyMap::Toggle24Hour: toggle24HourTime(); break;
    case KeyMap::CycleIme: setImeStatus(); break;
    case KeyMap::ClosePopups: closePopups(); break;
    case KeyMap::Screenshot: saveScreenshot(); break;
    case KeyMap::ZoomIn: emit zoomRequested(1); break;
    case KeyMap::ZoomOut: emit zoomRequested(-1); break;
    case KeyMap::Help: printHelp(); break;
    case KeyMap::Quit: QCoreApplication::exit(0); break;
    default: break;
    }
    return true;
}

void PhoneHost::sendToApps(const QString& command)
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (BaseAppInterface* app = page(i)) {
            // A page retitles itself in the new language.
            m_capturingTitle = i;
            m_core->sendAppMsg(app->appName(), command, QByteArray());
            m_capturingTitle = -1;
        }
    }
    m_core->sendAppMsg("idle", command, QByteArray());
    updateMenu();
}

void PhoneHost::restoreActiveWindow()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return;
    const QList<QWidget*> stack = m_screen->stack();
    for (int i = stack.size() - 1; i >= 0; --i) {
        QWidget* w = stack.at(i);
        if (w->windowFlags() & Qt::WindowDoesNotAcceptFocus)
            continue;
        w->activateWindow();
        return;
    }
}

void PhoneHost::imeStatusChanged(int status)
{
    m_status->setIMEStatus(IMEStatus(status));
}

void PhoneHost::timeZoneApplied()
{
    // The bar's clock follows at once rather than at its next tick.
    m_status->update();
}

void PhoneHost::reportPageFrame()
{
    m_lastOpenTime = m_openClock.isValid() ? m_openClock.elapsed() : -1;
    emit pageFirstFrame(m_lastOpenTime);
    if (m_reportTiming)
        out() << "phonesim: page first frame " << m_lastOpenTime << " ms after OK" << "\n" << flush;
}
