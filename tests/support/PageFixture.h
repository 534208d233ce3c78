#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

#include "TestDir.h"

#include <QImage>
#include <QLibrary>
#include <QPointer>
#include <QStringList>

class BaseAppInterface;
class ListView;
class QDialog;
class SelectPopup;
class Status;
class TestHost;

// Loads the built page plug-in as the host does (qt_plugin_instance from the library), with a
// Core stand-in, the shared status bar on screen and a small time-zone table.
class PageFixture
{
public:
    // Regions America, Asia and Europe (Europe: Amsterdam, Paris) unless a table is given.
    explicit PageFixture(const QByteArray& table = QByteArray());
    ~PageFixture();
    // The host's pictures and the phone's narrow font, as the simulator shows the page.
    static bool setUpScreen();

    TestHost* host() const;
    Status* status() const;
    QLibrary* library();
    QObject* instance();        // qt_plugin_instance()
    BaseAppInterface* app();    // the page's interface part
    QDialog* page();
    ListView* list();
    QString title(int row);     // "" for a missing row
    QString value(int row);
    QStringList values();       // every row's value
    static SelectPopup* popup(); // the open popup, or null
    // What the phone's screen shows: the status bar, the page below it, an open popup on top.
    QImage screen();
    // The plug-in's verification record: the phone's Qt 4.8.4 one written out by Qt 5 builds,
    // the SDK's own from Q_EXPORT_PLUGIN2 in Qt 4 builds (the one the phone's Qt checks).
    static QByteArray verificationRecord();

private:
    TestHost* m_host;
    Status* m_status;
    TestDir m_tableDir;
    QLibrary m_library;
    QPointer<QObject> m_page;
};

#endif
