#include "PageFixture.h"

#include "BaseAppInterface.h"
#include "Core.h"
#include "ListView.h"
#include "ListViewSelectItem.h"
#include "Status.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QDialog>
#include <QFile>

#ifndef PHONE_PLUGIN_FILE
#define PHONE_PLUGIN_FILE ""
#endif

PageFixture::PageFixture(const QByteArray& table)
    : m_host(new TestHost), m_status(0), m_library(QString::fromUtf8(PHONE_PLUGIN_FILE))
{
    const QString path = m_tableDir.filePath("timezone.tab");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(table.isNull() ? smallTable() : table);
    file.close();
    qputenv("PHONE_TIMEZONE_TAB", QFile::encodeName(path));
    m_status = new Status;
    m_host->core()->setStatusWidget(m_status);
}

PageFixture::~PageFixture()
{
    deletePage();
    m_host->core()->setStatusWidget(0);
    delete m_status;
    phoneUnsetEnv("PHONE_TIMEZONE_TAB");
    delete m_host;
}

QByteArray PageFixture::smallTable()
{
    return "KR  +3733+12658  Asia/Seoul\n"
           "NL  +5222+00454  Europe/Amsterdam\n"
           "US  +404251-0740023  America/New_York  Eastern (most areas)\n"
           "FR  +4852+00220  Europe/Paris\n"
           "JP  +353916+1394441  Asia/Tokyo\n";
}

TestHost* PageFixture::host() const
{
    return m_host;
}

Status* PageFixture::status() const
{
    return m_status;
}

QLibrary* PageFixture::library()
{
    return &m_library;
}

QObject* PageFixture::instance()
{
    typedef QObject* (*InstanceFunction)();
    InstanceFunction function = reinterpret_cast<InstanceFunction>(m_library.resolve("qt_plugin_instance"));
    if (!function)
        return 0;
    m_page = function();
    return m_page;
}

BaseAppInterface* PageFixture::app()
{
    QObject* object = m_page ? m_page.data() : instance();
    return object ? qobject_cast<BaseAppInterface*>(object) : 0;
}

QDialog* PageFixture::page()
{
    QObject* object = m_page ? m_page.data() : instance();
    return qobject_cast<QDialog*>(object);
}

ListView* PageFixture::list()
{
    QDialog* dialog = page();
    return dialog ? dialog->findChild<ListView*>() : 0;
}

void PageFixture::deletePage()
{
    delete m_page.data();
}

QString PageFixture::title(int row)
{
    ListView* view = list();
    ListViewItem* item = view ? view->item(row) : 0;
    return item ? item->text() : QString();
}

QString PageFixture::value(int row)
{
    ListView* view = list();
    ListViewSelectItem* item = view ? dynamic_cast<ListViewSelectItem*>(view->item(row)) : 0;
    return item ? item->selectedText() : QString();
}

int PageFixture::rows()
{
    ListView* view = list();
    return view ? view->itemSize() : -1;
}
