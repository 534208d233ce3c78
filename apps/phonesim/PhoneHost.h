#ifndef PHONEHOST_H
#define PHONEHOST_H

#include "PagePlugin.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class BaseAppInterface;
class Core;
class IdleScreen;
class QKeyEvent;
class QWidget;
class ScreenComposer;
class Status;

// What the phone's host application does around a page: the Core facade with its config
// directory, the one status bar, the idle screen, the page plug-in run modally on OK, the
// host's messages, and the PC keyboard turned into the phone's keys.
class PhoneHost : public QObject
{
    Q_OBJECT
public:
    // configDir holds phone_info.conf, settings.conf and system.conf (see SimData).
    explicit PhoneHost(const QString& configDir, QObject* parent = 0);
    ~PhoneHost();

    // Opens the plug-in and asks it for its page. False (with errorString()) when the library
    // or its page is missing; the idle screen works without one.
    bool loadPage(const QString& pluginPath);
    QString errorString() const;
    // Applies the stored settings (zone, clock, language) and shows the status bar and the
    // idle screen.
    void start();

    Core* core() const;
    Status* status() const;
    IdleScreen* idle() const;
    ScreenComposer* screen() const;
    BaseAppInterface* page() const;
    QWidget* pageWidget() const;
    bool isPageOpen() const;

    // Where the screenshot key writes (a directory); empty: the current directory.
    void setScreenshotDir(const QString& dir);
    // Print a line with the time from OK to the page's first frame on every opening.
    void setReportTiming(bool on);
    qint64 lastOpenTime() const;

public slots:
    // Runs the page modally; returns when it is closed. Does nothing while it is open.
    void openPage();
    void switchLanguage(int language = -1);
    void toggle24HourTime();
    void setImeStatus(int status = -1);
    void closePopups();
    QString saveScreenshot(const QString& path = QString());
    void printHelp();
    // Delivers one phone key as the keypad would: to the widget with the keyboard focus.
    void sendPhoneKey(int key, bool press);

signals:
    void pageOpened();
    void pageFirstFrame(qint64 msSinceOk);
    void pageClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void okOnIdle();
    void restoreActiveWindow();
    void imeStatusChanged(int status);
    void timeZoneApplied();
    void reportPageFrame();

private:
    bool translateKey(QObject* receiver, QKeyEvent* event);
    void sendToApps(const QString& command);
    static QWidget* keyTarget();

    Core* m_core;
    bool m_ownsCore;
    Status* m_status;
    IdleScreen* m_idle;
    ScreenComposer* m_screen;
    PagePlugin m_plugin;
    QPointer<QObject> m_page;
    QString m_error;
    QString m_screenshotDir;
    bool m_pageOpen;
    bool m_reportTiming;
    bool m_waitingForPageFrame;
    bool m_clockFromOk;
    QElapsedTimer m_openClock;
    qint64 m_lastOpenTime;
    int m_screenshotCount;
};

#endif
