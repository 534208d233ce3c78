#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

#include "TestDir.h"

#include <QLibrary>
#include <QPointer>
#include <QStringList>

class BaseAppInterface;
class ListView;
class QDialog;
class QWidget;
class Status;
class TestHost;

// Loads the built page plug-in as the host does (resolving qt_plugin_instance from the
// library), with a Core stand-in, the shared status bar and a small time-zone table.
class PageFixture
{
public:
    // A table of regions America, Asia and Europe (Europe: Amsterdam, Paris) unless one is given.
    explicit PageFixture(const QByteArray& table = QByteArray());
    ~PageFixture();

    static QByteArray smallTable();

    TestHost* host() const;
    Status* status() const;
    QLibrary* library();

    QObject* instance();                 // qt_plugin_instance()
    BaseAppInterface* app();             // the page's interface part
    QDialog* page();                     // the page widget
    ListView* list();                    // the page's list
    void deletePage();

    // Row i's title and value ("" for a missing row).
    QString title(int row);
    QString value(int row);
    int rows();

private:
    TestHost* m_host;
    Status* m_status;
    TestDir m_tableDir;
    QLibrary m_library;
    QPointer<QObject> m_page;
};

#endif
