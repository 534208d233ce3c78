#ifndef PHONEHOST_H
#define PHONEHOST_H

#include "PagePlugin.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QStringList>

class BaseAppInterface;
class Core;
class IdleScreen;
class PageMenu;
class QKeyEvent;
class QWidget;
class ScreenComposer;
class Status;

// What the phone's host application does around its pages: the Core facade with its config
// directory, the one status bar, the idle screen, the page plug-ins run modally on OK (with a
// menu of them when there are several), the host's messages, and the PC keyboard turned
// into the phone's keys.
class PhoneHost : public QObject
{
    Q_OBJECT
public:
    // configDir holds phone_info.conf, settings.conf and system.conf (see SimData).
    explicit PhoneHost(const QString& configDir, QObject* parent = 0);
    ~PhoneHost();

    // Opens the plug-in and asks it for its page, added after those loaded before. False
    // (with errorString()) when the library or its page is missing or already loaded; the
    // idle screen works without any.
    bool loadPage(const QString& pluginPath);
    int pageCount() const;
    // The title each page gave the status bar, else its application name.
    QStringList pageTitles() const;
    QString errorString() const;
    // Applies the stored settings (zone, clock, language) and shows the status bar and the
    // idle screen.
    void start();

    Core* core() const;
    Status* status() const;
    IdleScreen* idle() const;
    ScreenComposer* screen() const;
    PageMenu* menu() const;
    BaseAppInterface* page(int index = 0) const;
    QWidget* pageWidget(int index = 0) const;
    bool isPageOpen() const;
    // True when the phone waits for its next key: no page is about to open, no key from a
    // viewer is queued, and the window on top (a popup or page run modally, else the menu or
    // the idle screen) is the active window and holds the focus, if it has a focus widget.
    bool isSettled() const;

    // Where screenshots with a relative name go (created when needed).
    void setScreenshotDir(const QString& dir);
    QString screenshotDir() const;
    // The directory S writes into without --shot-dir: ~/Pictures/phonesim.
    static QString defaultScreenshotDir();
    // Print a line with the time from OK to the page's first frame on every opening.
    void setReportTiming(bool on);
    qint64 lastOpenTime() const;

public slots:
    // Runs a page modally; returns when it is closed. Does nothing while one is open.
    void openPage(int index = 0);
    void switchLanguage(int language = -1);
    void toggle24HourTime();
    void setImeStatus(int status = -1);
    void closePopups();
    // The screen as a PNG, or with faceZoom 1 to 4 the whole face as viewers see it.
    QString saveScreenshot(const QString& path = QString(), int faceZoom = 0);
    void printHelp();
    // Delivers one phone key as the keypad would: to the widget with the keyboard focus.
    void sendPhoneKey(int key, bool press);
    // A key of the PC keyboard from a viewer, mapped like a local one. Queued and delivered
    // one at a time to the widget that has the keyboard when its turn comes, so a key that
    // opens a popup leaves the next ones to the popup.
    void queuePcKey(int key, bool press, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat);

signals:
    void zoomRequested(int steps);
    void pageOpened();
    void pageFirstFrame(qint64 msSinceOk);
    void pageClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void okOnIdle();
    void openChosenPage(int index);
    void restoreActiveWindow();
    void imeStatusChanged(int status);
    void timeZoneApplied();
    void reportPageFrame();
    void deliverQueuedKey();
    void captureTitle(const QString& title);

private:
    struct Page {
        PagePlugin* plugin;
        QPointer<QObject> object;
        QString title;
    };
    struct QueuedKey {
        int key;
        bool press;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat;
    };

    bool translateKey(QObject* receiver, QKeyEvent* event);
    void sendToApps(const QString& command);
    static QWidget* keyTarget();
    void updateMenu();

    Core* m_core;
    bool m_ownsCore;
    Status* m_status;
    IdleScreen* m_idle;
    ScreenComposer* m_screen;
    PageMenu* m_menu;
    QList<Page> m_pages;
    QList<PagePlugin*> m_plugins;   // every library opened; none is unloaded
    int m_capturingTitle;
    QQueue<QueuedKey> m_keys;
    QString m_error;
    QString m_screenshotDir;
    bool m_pageOpen;
    bool m_openPending;
    int m_openIndex;
    bool m_reportTiming;
    bool m_waitingForPageFrame;
    bool m_clockFromOk;
    QElapsedTimer m_openClock;
    qint64 m_lastOpenTime;
    int m_screenshotCount;
};

#endif
