// The page as the host meets it: loading the plug-in, building the page and its first
// paint, and reading the stored settings on a showing.
#include "PageFixture.h"
#include "TestHost.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QShowEvent>
#include <QTest>

#include <dlfcn.h>

class PageBench : public QObject
{
    Q_OBJECT

    static QByteArray ianaTable()
    {
        QFile file(PHONE_IANA_TABLE);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void initTestCase() { TestHost::loadPictures(); }

    // Cold: dlopen of the library (and its resource registration), qt_plugin_instance(),
    // construction with the IANA table and the first paint, then unload again.
    void loadInstanceFirstPaint()
    {
        PageFixture f(ianaTable());
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "America/New_York");
        QImage image(384, 134, QImage::Format_ARGB32);
        QBENCHMARK {
            void* handle = dlopen(PHONE_PLUGIN_FILE, RTLD_NOW | RTLD_LOCAL);
            typedef QObject* (*Instance)();
            Instance instance = reinterpret_cast<Instance>(dlsym(handle, "qt_plugin_instance"));
            QDialog* page = qobject_cast<QDialog*>(instance());
            QShowEvent show;
            QCoreApplication::sendEvent(page, &show);
            page->render(&image);
            delete page;
            dlclose(handle);
        }
    }

    // A showing: the title, the settings read from phone_info.conf into the rows, selection.
    void showingReadsSettings()
    {
        PageFixture f(ianaTable());
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "Europe/Paris");
        QDialog* page = f.page();
        QShowEvent show;
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QBENCHMARK {
            QCoreApplication::sendEvent(page, &show);
        }
        qInstallMessageHandler(0);
        QCOMPARE(f.value(2), QString("Paris"));
    }
};

QTEST_MAIN(PageBench)
#include "bench_page.moc"
