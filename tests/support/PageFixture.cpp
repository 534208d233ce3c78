#include "PageFixture.h"

#include "BaseAppInterface.h"
#include "Core.h"
#include "ListView.h"
#include "ListViewSelectItem.h"
#include "SelectPopup.h"
#include "Status.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QtPlugin>

#ifndef PHONE_PLUGIN_FILE
#define PHONE_PLUGIN_FILE ""
#endif

PageFixture::PageFixture(const QByteArray& table)
    : m_host(new TestHost), m_status(new Status), m_library(QString::fromUtf8(PHONE_PLUGIN_FILE))
{
    const QString path = m_tableDir.filePath("timezone.tab");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(!table.isNull() ? table : QByteArray("KR  +3733+12658  Asia/Seoul\n"
                                                        "NL  +5222+00454  Europe/Amsterdam\n"
                                                        "US  +404251-0740023  America/New_York  Eastern\n"
                                                        "FR  +4852+00220  Europe/Paris\n"
                                                        "JP  +353916+1394441  Asia/Tokyo\n"));
    file.close();
    qputenv("PHONE_TIMEZONE_TAB", QFile::encodeName(path));
    // As the host starts it: its place, the 12-hour clock, on screen.
    m_status->setGeometry(0, 0, 384, 26);
    m_status->setTime24Hour(false);
    m_status->show();
    m_host->core()->setStatusWidget(m_status);
}

PageFixture::~PageFixture()
{
    delete m_page.data();
    m_host->core()->setStatusWidget(0);
    delete m_status;
    phoneUnsetEnv("PHONE_TIMEZONE_TAB");
    delete m_host;
}

bool PageFixture::setUpScreen()
{
    QApplication::setFont(QFont("Liberation Sans Narrow"));
    QFont::insertSubstitution("1R_02_OV_ED", "Liberation Sans Narrow");
    return TestHost::loadPictures();
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
    m_page = function ? function() : 0;
    return m_page;
}

BaseAppInterface* PageFixture::app()
{
    return qobject_cast<BaseAppInterface*>(m_page ? m_page.data() : instance());
}

QDialog* PageFixture::page()
{
    return qobject_cast<QDialog*>(m_page ? m_page.data() : instance());
}

ListView* PageFixture::list()
{
    return page() ? page()->findChild<ListView*>() : 0;
}

QString PageFixture::title(int row)
{
    ListViewItem* item = list() ? list()->item(row) : 0;
    return item ? item->text() : QString();
}

QString PageFixture::value(int row)
{
    ListViewSelectItem* item = list() ? dynamic_cast<ListViewSelectItem*>(list()->item(row)) : 0;
    return item ? item->selectedText() : QString();
}

QStringList PageFixture::values()
{
    QStringList out;
    for (int i = 0; list() && i < list()->itemSize(); ++i)
        out << value(i);
    return out;
}

SelectPopup* PageFixture::popup()
{
    return qobject_cast<SelectPopup*>(QApplication::activeModalWidget());
}

QImage PageFixture::screen()
{
    QImage screen(384, 160, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    QList<QWidget*> windows = QList<QWidget*>() << m_status << page() << popup();
    for (int i = 0; i < windows.size(); ++i) {
        if (!windows.at(i) || !windows.at(i)->isVisible())
            continue;
        // Each window alone first, so that a translucent one shows what lies below.
        QImage layer(windows.at(i)->size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        windows.at(i)->render(&layer, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.drawImage(windows.at(i)->geometry().topLeft(), layer);
    }
    return screen.convertToFormat(QImage::Format_RGB32);
}

QByteArray PageFixture::verificationRecord()
{
#if QT_VERSION >= 0x050000
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.4\ndebug=false\nbuildkey=arm linux g++-4 no-pkg-config";
#else
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=" QT_VERSION_STR "\ndebug=" QPLUGIN_DEBUG_STR "\nbuildkey=" QT_BUILD_KEY;
#endif
}
