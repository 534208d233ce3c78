// The ring page as the host runs it: loaded from its plug-in, driven by keys, stored in the
// phone's settings file, in German, with a file that cannot be written, and in the simulator.
#include "BaseAppInterface.h"
#include "Core.h"
#include "ListView.h"
#include "ListViewCheckItem.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "Status.h"
#include "Tail.h"

#include <QApplication>
#include <QDialog>
#include <QLibrary>
#include <QLineEdit>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

typedef QList<int> Keys;
Q_DECLARE_METATYPE(Keys)

class TestRingTone : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void plugin();
    void keysStore_data();
    void keysStore();
    void failedSave();
    void languages_data();
    void languages();
    void simulator();

private:
    QDialog* page() { return qobject_cast<QDialog*>(m_loader.instance()); }
    ListView* list() { return page()->findChild<ListView*>(); }
    QString settingsFile() const { return theCore->configFileName(eConfigSettings); }
    void showPage();
    // Keys go where the phone sends them: to the widget with the keyboard focus.
    static void press(int key, QWidget* to = QApplication::focusWidget())
    {
        QTest::simulateEvent(to, true, key, Qt::NoModifier, QString(), false);
        QTest::simulateEvent(to, false, key, Qt::NoModifier, QString(), false);
    }
    int announcements() const;
    // Plays keys into the next popup from inside its own event loop and gives back its rows;
    // a popup the keys leave open is closed and gives back none.
    void whenPopupOpens(const Keys& keys, QStringList* rows);

    Core* m_core = nullptr;
    Status* m_status = nullptr;
    QPluginLoader m_loader;
    QTemporaryDir* m_dir = nullptr;
    QSignalSpy* m_messages = nullptr;
};

void TestRingTone::initTestCase()
{
    // The host is up before any page: its facade and the shared status bar.
    m_core = new Core;
    m_status = new Status;
    m_core->setStatusWidget(m_status);
    m_loader.setFileName(RINGTONE_PLUGIN);
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
}

void TestRingTone::init()
{
    m_dir = new QTemporaryDir;
    m_core->setConfigDir(m_dir->path());
    m_messages = new QSignalSpy(m_core, SIGNAL(appMsgSent(QString, QString, QByteArray)));
}

void TestRingTone::cleanup()
{
    if (page())
        page()->close();
    // The next test shows the page again: let this deactivation pass first.
    QTRY_VERIFY(!QApplication::activeWindow());
    delete m_messages;
    delete m_dir;
}

void TestRingTone::cleanupTestCase()
{
    delete page();
    delete m_status;
    delete m_core;
}

void TestRingTone::showPage()
{
    page()->show();
    QApplication::setActiveWindow(page());
    QVERIFY(QTest::qWaitForWindowActive(page()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list()));
    QCOMPARE(list()->selectedIdx(), 0);
}

int TestRingTone::announcements() const
{
    int n = 0;
    for (const QList<QVariant>& message : *m_messages)
        n += message.at(0) == "idle" && message.at(1) == "changedRingTone()";
    return n;
}

void TestRingTone::whenPopupOpens(const Keys& keys, QStringList* rows)
{
    QTimer::singleShot(0, this, [=] {
        SelectPopup* popup = qobject_cast<SelectPopup*>(QApplication::activeModalWidget());
        if (!popup)
            return;
        for (int i = 0; i < popup->listView()->itemSize(); ++i)
            *rows << popup->listView()->item(i)->text();
        for (int k : keys)
            press(k, popup->listView());
        if (popup->QDialog::isVisible()) {
            rows->clear();
            popup->reject();
        }
    });
}

void TestRingTone::plugin()
{
    QCOMPARE(m_loader.metaData().value("IID").toString(),
             QString("com.rarezodero.Plugin.BaseAppInterface/1.0"));
    BaseAppInterface* app = qobject_cast<BaseAppInterface*>(m_loader.instance());
    QVERIFY(app);
    QCOMPARE(m_loader.instance(), static_cast<QObject*>(page()));
    QCOMPARE(m_core->app("settings_ringtone"), app);

    typedef const char* (*Record)();
    Record record = reinterpret_cast<Record>(QLibrary(RINGTONE_PLUGIN).resolve("qt_plugin_query_verification_data"));
    QVERIFY(record);
    QCOMPARE(QByteArray(record()), QByteArray("pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.4\n"
                                              "debug=false\nbuildkey=arm linux g++-4 no-pkg-config"));
}

void TestRingTone::keysStore_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<Keys>("popupKeys");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");

    const int ok = Qt::Key_Return;
    QTest::newRow("tone") << 0 << "" << (Keys() << ok) << (Keys() << Qt::Key_Down << Qt::Key_Down << ok)
                          << "Ring/Tone" << QVariant("Chime");
    QTest::newRow("tone cancelled") << 0 << "" << (Keys() << ok) << (Keys() << Qt::Key_Escape)
                                    << "Ring/Tone" << QVariant();
    QTest::newRow("volume up") << 1 << "" << (Keys() << Qt::Key_Right << Qt::Key_Right) << Keys()
                               << "Ring/Volume" << QVariant(7);
    QTest::newRow("volume down") << 1 << "" << (Keys() << Qt::Key_Left) << Keys() << "Ring/Volume"
                                 << QVariant(4);
    QTest::newRow("vibrate") << 2 << "" << (Keys() << ok) << Keys() << "Ring/Vibrate" << QVariant(true);
    QTest::newRow("name, OK") << 3 << "Desk" << (Keys() << ok) << Keys() << "Ring/Name" << QVariant();
    QTest::newRow("name, Save") << 3 << "Hall" << (Keys() << Qt::Key_Context4) << Keys() << "Ring/Name"
                                << QVariant("Hall");
}

void TestRingTone::keysStore()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(Keys, keys);
    QFETCH(Keys, popupKeys);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);

    showPage();
    for (int i = 0; i < row; ++i)
        press(Qt::Key_Down);
    if (!typed.isEmpty()) {
        // The list puts its editor over the name row once the move is done.
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), typed);
    }
    QStringList popupSeen;
    if (!popupKeys.isEmpty())
        whenPopupOpens(popupKeys, &popupSeen);
    for (int k : keys)
        press(k);

    if (!popupKeys.isEmpty())
        QCOMPARE(popupSeen.size(), 8);
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(key), stored);
    QCOMPARE(announcements(), stored.isValid() ? keys.size() : 0);
}

void TestRingTone::failedSave()
{
    // Settings in a directory that cannot exist: every write fails, whoever runs the test.
    QFile blocker(m_dir->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    m_core->setConfigDir(blocker.fileName());
    showPage();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QStringList told;
    whenPopupOpens(Keys() << Qt::Key_Return, &told);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SettingsRingTone::store not saved: Ring/Vibrate \".*/blocked/settings.conf\" \".+\"$"));
    press(Qt::Key_Return);

    QCOMPARE(told, QStringList() << "Not saved");
    QVERIFY(!static_cast<ListViewCheckItem*>(list()->item(2))->isChecked());
    QCOMPARE(announcements(), 0);
}

void TestRingTone::languages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("German") << int(Core::LangGerman)
                            << (QStringList() << "Einst | Klingelton" << "Klingelton" << "Lautstärke"
                                              << "Vibration" << "Name" << "Speichern");
    QTest::newRow("English") << int(Core::LangEnglish)
                             << (QStringList() << "Settings | Ring Tone" << "Ring Tone" << "Volume"
                                               << "Vibrate" << "Name" << "Save");
}

void TestRingTone::languages()
{
    QFETCH(int, language);
    QFETCH(QStringList, texts);

    showPage();
    m_core->setLanguage(language);
    qobject_cast<BaseAppInterface*>(page())->receiveMsg("changedLanguage()", QByteArray());
    QStringList shown = QStringList() << m_status->title().trimmed();
    for (int row = 0; row < list()->itemSize(); ++row)
        shown << list()->item(row)->text();
    shown << page()->findChild<Tail*>()->funcButtonText(3);
    QCOMPARE(shown, texts);
}

void TestRingTone::simulator()
{
    // The installed simulator loads the page beside its time-zone page: OK on the idle screen
    // shows the menu of pages, Down and OK open this one; Down and Right then raise the
    // volume from 5 to 6.
    QProcess sim;
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.setStandardOutputFile(m_dir->filePath("phonesim.log"));
    sim.start(PHONESIM, QStringList() << "--headless" << "--config-dir" << m_dir->path() << "--page"
                                      << RINGTONE_PLUGIN << "--keys" << "ok down ok down right quit");
    QVERIFY(sim.waitForFinished(60000));
    QFile log(m_dir->filePath("phonesim.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY2(sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0, log.readAll().right(2000).constData());
    QCOMPARE(QSettings(m_dir->filePath("settings.conf"), QSettings::IniFormat).value("Ring/Volume").toInt(), 6);
}

QTEST_MAIN(TestRingTone)
#include "tst_ringtone.moc"
