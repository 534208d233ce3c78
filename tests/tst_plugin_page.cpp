// The page plug-in as the host sees it: entry points, interface lookup, lifecycle,
// translations and the stored settings read into the rows.
#include "BaseAppInterface.h"
#include "Core.h"
#include "FifoGuard.h"
#include "KeyDriver.h"
#include "ListView.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "PageFixture.h"
#include "PluginRecord.h"
#include "Status.h"
#include "Tail.h"
#include "TestHost.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPluginLoader>
#include <QProcess>
#include <QTest>
#include <QTimer>

class PluginPageTest : public QObject
{
    Q_OBJECT

    static QString run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.start(program, args);
        process.waitForFinished(10000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

private slots:
    void instanceIsOnePageWhileItLives()
    {
        PageFixture f;
        QVERIFY2(f.library()->load(), qPrintable(f.library()->errorString()));
        QObject* first = f.instance();
        QVERIFY(first);
        QCOMPARE(f.instance(), first);
        QCOMPARE(first->metaObject()->className(), "SettingsDateTime");
        QVERIFY(!first->parent());
        first->setObjectName("first");
        delete first;
        QObject* second = f.instance();
        QVERIFY(second);
        QVERIFY(second->objectName().isEmpty());  // a new page, not the deleted one
        QCOMPARE(f.instance(), second);
    }

    void interfaceLookup()
    {
        PageFixture f;
        QObject* page = f.instance();
        QVERIFY(page);
        void* iface = page->qt_metacast("BaseAppInterface");
        QVERIFY(iface);
        QCOMPARE(page->qt_metacast("com.rarezodero.Plugin.BaseAppInterface/1.0"), iface);
        QCOMPARE(static_cast<void*>(qobject_cast<BaseAppInterface*>(page)), iface);
        QCOMPARE(page->qt_metacast("SettingsDateTime"), static_cast<void*>(page));
        QVERIFY(!page->qt_metacast(0));
        QVERIFY(page->qt_metacast("BaseWidget"));
        QVERIFY(page->qt_metacast("QDialog"));
        QVERIFY(!page->qt_metacast("basewidget"));
        QVERIFY(!page->qt_metacast("com.rarezodero.Plugin.BaseAppInterface/1.1"));
        QCOMPARE(qobject_cast<BaseAppInterface*>(page)->appName(), QString("settings_datetime"));
        // Registered with the host under its name.
        QCOMPARE(f.host()->core()->app("settings_datetime"), qobject_cast<BaseAppInterface*>(page));
    }

    void metaObject()
    {
        PageFixture f;
        const QMetaObject* meta = f.instance()->metaObject();
        QCOMPARE(meta->superClass()->className(), "BaseWidget");
        QCOMPARE(meta->methodCount() - meta->methodOffset(), 2);
        QCOMPARE(meta->method(meta->methodOffset()).methodSignature(), QByteArray("tailFuncButtonClicked(int)"));
        QCOMPARE(meta->method(meta->methodOffset() + 1).methodSignature(), QByteArray("clickedListViewItem(int)"));
        for (int i = 0; i < 2; ++i) {
            const QMetaMethod m = meta->method(meta->methodOffset() + i);
            QCOMPARE(m.access(), QMetaMethod::Private);
            QCOMPARE(m.parameterNames(), QList<QByteArray>({"idx"}));
        }
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 0);
        QCOMPARE(meta->classInfoCount() - meta->classInfoOffset(), 0);
    }

    void verificationRecord()
    {
        const QByteArray expected = PluginRecord::expected();
        PageFixture f;
        typedef const char* (*Query)();
        Query query = reinterpret_cast<Query>(f.library()->resolve("qt_plugin_query_verification_data"));
        QVERIFY(query);
        const char* record = query();
        QCOMPARE(QByteArray(record), expected);
        QCOMPARE(record[expected.size()], '\0');

        // The same bytes in the ".qtplugin" section, read without loading the library.
        const QString dump = run("objdump", {"-s", "-j", ".qtplugin", PHONE_PLUGIN_FILE});
        QByteArray bytes;
        for (const QString& line : dump.split('\n')) {
            const QStringList parts = line.simplified().split(' ');
            if (parts.size() < 2 || parts.at(0).size() < 4 || line.contains("file format") || line.contains("Contents"))
                continue;
            for (int i = 1; i < parts.size() && i <= 4; ++i)
                if (parts.at(i).size() <= 8 && QByteArray::fromHex(parts.at(i).toLatin1()).toHex() == parts.at(i).toLatin1())
                    bytes += QByteArray::fromHex(parts.at(i).toLatin1());
        }
        QCOMPARE(bytes, expected + '\0');

        // Exported with C linkage under exactly these names.
        const QString symbols = run("nm", {"-D", "--defined-only", PHONE_PLUGIN_FILE});
        QVERIFY(symbols.contains(QRegExp("\\bT qt_plugin_instance\\n")));
        QVERIFY(symbols.contains(QRegExp("\\bT qt_plugin_query_verification_data\\n")));
    }

    void loadsThroughQPluginLoader()
    {
        PageFixture f;
        QPluginLoader loader(PHONE_PLUGIN_FILE);
        QCOMPARE(PluginRecord::iid(loader), QString("com.rarezodero.Plugin.BaseAppInterface/1.0"));
        QObject* page = loader.instance();
        QVERIFY2(page, qPrintable(loader.errorString()));
        QCOMPARE(page, f.instance());  // one library, one page
        QVERIFY(qobject_cast<BaseAppInterface*>(page));
    }

    void constructionSetsTitleSoftKeysAndFirstRow()
    {
        PageFixture f;
        QVERIFY(f.page());
        QCOMPARE(f.status()->title().trimmed(), QString("Settings | Time Zone"));
        Tail* tail = f.page()->findChild<Tail*>();
        QVERIFY(tail);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tail->funcButtonText(i), QString(""));
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.title(0), QString("Time Update"));
        QCOMPARE(f.value(0), QString("Default"));
        QCOMPARE(f.list()->geometry(), QRect(5, 2, 374, 104));
        QCOMPARE(f.list()->lineColor(), QColor(0, 0, 0));
        QCOMPARE(f.page()->geometry(), QRect(0, 26, 384, 134));
    }

    void storedSettings_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QStringList>("values");
        const QByteArray g("[NTP_Serv]\n");
        QTest::newRow("no file") << QByteArray() << QStringList({"Default"});
        QTest::newRow("empty file") << QByteArray("") << QStringList({"Default"});
        QTest::newRow("no mode key") << (g + "User_TimeZone=Europe/Paris\n") << QStringList({"Default"});
        QTest::newRow("mode 0") << (g + "User_Set=0\nUser_TimeZone=Europe/Paris\n") << QStringList({"Default"});
        QTest::newRow("mode 7") << (g + "User_Set=7\nUser_TimeZone=Europe/Paris\n") << QStringList({"User", "Europe", "Paris"});
        QTest::newRow("mode not a number") << (g + "User_Set=yes\n") << QStringList({"Default"});
        QTest::newRow("neither zone key") << (g + "User_Set=1\n") << QStringList({"User", "Asia", "Seoul"});
        QTest::newRow("ZoneInfo fallback") << (g + "User_Set=1\nUser_TimeZone=\nZoneInfo=Europe/Paris\n") << QStringList({"User", "Europe", "Paris"});
        QTest::newRow("user zone wins") << (g + "User_Set=1\nUser_TimeZone=Asia/Tokyo\nZoneInfo=Europe/Paris\n") << QStringList({"User", "Asia", "Tokyo"});
        QTest::newRow("no slash") << (g + "User_Set=1\nUser_TimeZone=Europe\n") << QStringList({"User", "Europe", "Seoul"});
        QTest::newRow("no region") << (g + "User_Set=1\nUser_TimeZone=/Paris\n") << QStringList({"User", "Asia", "Paris"});
        QTest::newRow("three parts") << (g + "User_Set=1\nUser_TimeZone=America/Argentina/Buenos_Aires\n") << QStringList({"User", "America", "Argentina/Buenos_Aires"});
        QTest::newRow("region the table lacks") << (g + "User_Set=1\nUser_TimeZone=Mars/Olympus\n") << QStringList({"User", "Mars", "Olympus"});
        static const char garbage[] = "\x00\x01\xff[[[=\n\n=]]]\x7f";
        QTest::newRow("garbage") << QByteArray(garbage, sizeof(garbage) - 1) << QStringList({"Default"});
    }

    void storedSettings()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QStringList, values);
        PageFixture f;
        if (!conf.isNull())
            f.host()->writeFile("phone_info.conf", conf);
        MessageCapture capture;
        f.page()->show();
        QCOMPARE(f.rows(), values.size());
        QStringList shown;
        for (int i = 0; i < f.rows(); ++i)
            shown << f.value(i);
        QCOMPARE(shown, values);
        QCOMPARE(f.list()->selectedIdx(), 0);
        const QStringList lines = capture.linesStartingWith("SettingsDateTime::loadSetting");
        if (values.size() == 3)
            QCOMPARE(lines, QStringList(QString("SettingsDateTime::loadSetting region: \"%1\" city: \"%2\"").arg(values[1], values[2])));
        else
            QVERIFY(lines.isEmpty());
        f.page()->hide();
        // Reading never writes.
        QCOMPARE(f.host()->readFile("phone_info.conf"), conf.isNull() ? QByteArray() : conf);
    }

    void everyShowingReadsTheFileAgain()
    {
        PageFixture f;
        f.page()->show();
        QCOMPARE(f.rows(), 1);
        f.page()->hide();
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        f.host()->setValue("phone_info.conf", "NTP_Serv/ZoneInfo", "Asia/Tokyo");
        f.page()->show();
        QCOMPARE(f.rows(), 3);
        QCOMPARE(f.value(2), QString("Tokyo"));
        f.page()->hide();
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 0);
        f.page()->show();
        QCOMPARE(f.rows(), 1);
    }

    void emptyConfigPathLeavesRowsAlone()
    {
        PageFixture f;
        f.host()->core()->setConfigDir(QString());
        MessageCapture capture;
        f.page()->show();
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.value(0), QString("Default"));
        QVERIFY(capture.linesStartingWith("SettingsDateTime::loadSetting").isEmpty());
    }

    // Neither a FIFO nor a device at the settings or the table path blocks or exhausts the
    // page: each reads as missing, with one line.
    void unreadablePathsReadAsMissing_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("special");
        QTest::newRow("settings FIFO") << "settings" << "fifo";
        QTest::newRow("settings device") << "settings" << "/dev/zero";
        QTest::newRow("table FIFO") << "table" << "fifo";
        QTest::newRow("table device") << "table" << "/dev/zero";
    }

    void unreadablePathsReadAsMissing()
    {
        QFETCH(QString, which);
        QFETCH(QString, special);
        PageFixture f;
        f.host()->writeFile("phone_info.conf", "[NTP_Serv]\nUser_Set=1\n");
        const QString path = which == "settings" ? f.host()->path("phone_info.conf") : f.host()->path("timezone.tab");
        QFile::remove(path);
        QScopedPointer<FifoGuard> fifo(special == "fifo" ? new FifoGuard(path) : 0);
        if (!fifo)
            QVERIFY(QFile::link(special, path));
        if (which == "table")
            qputenv("PHONE_TIMEZONE_TAB", QFile::encodeName(path));
        MessageCapture capture;
        f.page()->show();
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        const QString line = QString("%1 unreadable: \"%2\" \"not a regular file\"").arg("%1", path);
        if (which == "settings") {
            QCOMPARE(capture.lines(QtWarningMsg), QStringList({line.arg("SettingsDateTime::loadSetting"),
                                                               line.arg("SettingsDateTime::retranslateUi")}));
            QCOMPARE(f.rows(), 1);
        } else {
            QCOMPARE(capture.lines(QtWarningMsg), QStringList(line.arg("TimeZoneData::load")));
            QCOMPARE(f.rows(), 3);
        }
        QVERIFY(!fifo || !fifo->opened());
    }

    void translations_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // title, three row titles, Default, User
        QTest::newRow("kr") << int(Core::LangKorean) << QStringList({"설정 | 시간 대", "설정방법", "지역설정", "도시선택", "기본", "사용자 설정"});
        QTest::newRow("de_DE") << int(Core::LangGerman) << QStringList({"Einst | Zeitzone", "Zeit Updaten", "Zeitzone auswählen", "Stadt auswählen", "Standard", "Teilnehmer"});
        QTest::newRow("es_ES") << int(Core::LangSpanish) << QStringList({"Configuracion | Zona Horaria", "Tiempo de actualizacion", "Seleccionar Zona horaria", "Selec. Hora de la Ciudad", "Omision", "Usuario"});
        QTest::newRow("it_IT") << int(Core::LangItalian) << QStringList({"Impostazioni | Ora locale", "Aggiorna l'orario", "Seleziona area", "Seleziona orario", "Predefinito", "Utente"});
        QTest::newRow("ru_RU") << int(Core::LangRussian) << QStringList({"Настр. | Временная Зона", "Обновление Времени", "Выбор региона", "Выбор города", "Умолчание", "Пользователь"});
        QTest::newRow("tr_TR") << int(Core::LangTurkish) << QStringList({"Elle Ayarlar | Saat Dilimi", "Saati güncelle", "Saat dilimi seç", "Saat dilimi şehrini seç", "Varsayılan", "Kullanıcı"});
        QTest::newRow("en") << int(Core::LangEnglish) << QStringList({"Settings | Time Zone", "Time Update", "Time Area Select", "Time City Select", "Default", "User"});
    }

    void translations()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        PageFixture f;
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "Europe/Amsterdam");
        f.page()->show();
        QCOMPARE(f.rows(), 3);

        f.host()->core()->setLanguage(language);
        MessageCapture capture;
        f.app()->receiveMsg("changedLanguage()", QByteArray("ignored"));
        QCOMPARE(capture.lines(), QStringList("SettingsDateTime::receiveMsg command: \"changedLanguage()\""));
        QCOMPARE(f.status()->title().trimmed(), texts[0]);
        QCOMPARE(f.title(0), texts[1]);
        QCOMPARE(f.title(1), texts[2]);
        QCOMPARE(f.title(2), texts[3]);
        QCOMPARE(f.value(0), texts[5]);                 // User, in the new language
        QCOMPARE(f.value(1), QString("Europe"));        // data stays untranslated
        QCOMPARE(f.value(2), QString("Amsterdam"));

        // Back to Default mode: only the one row is retitled.
        f.page()->hide();
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 0);
        f.page()->show();
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.value(0), texts[4]);
        QCOMPARE(f.title(0), texts[1]);

        f.host()->core()->setLanguage(Core::LangEnglish);
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f.title(0), QString("Time Update"));
    }

    void statusAndUnknownMessages()
    {
        PageFixture f;
        f.page();
        f.host()->setValue("settings.conf", "Settings/24HourTime", true);
        MessageCapture capture;
        f.app()->receiveMsg("changedStatus()", QByteArray());
        f.app()->receiveMsg("somethingElse()", QByteArray());
        QCOMPARE(capture.lines(), QStringList({"SettingsDateTime::receiveMsg command: \"changedStatus()\"",
                                               "SettingsDateTime::receiveMsg command: \"somethingElse()\""}));
        QCOMPARE(f.rows(), 1);
    }

    void startRunsModallyUntilClosed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape") << "escape";
        QTest::newRow("end") << "end";
        QTest::newRow("reject") << "reject";
    }

    void startRunsModallyUntilClosed()
    {
        QFETCH(QString, how);
        PageFixture f;
        QDialog* page = f.page();
        BaseAppInterface* app = f.app();
        bool closedOnPress = false;
        KeyDriver keys;
        keys.call([&] {
            QVERIFY(page->isVisible());
            if (how == "escape") {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(page, &press);
                closedOnPress = !page->isVisible();
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(page, &release);
            } else if (how == "end") {
                QVERIFY(app->end());
            } else {
                page->reject();
            }
        });
        keys.start();
        ModalTimeout timeout(page, QDialog::Rejected);
        QCOMPARE(app->start(0, 0), true);
        QVERIFY(!timeout.expired());
        QVERIFY(!closedOnPress);
        QVERIFY(!page->isVisible());
    }
};

QTEST_MAIN(PluginPageTest)
#include "tst_plugin_page.moc"
