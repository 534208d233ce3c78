// The page plug-in as the host sees it: entry points, lifecycle, the stored settings read on
// every showing, the host's messages and the translations.
#include "BaseAppInterface.h"
#include "Core.h"
#include "FifoGuard.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListView.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "PageFixture.h"
#include "PluginRecord.h"
#include "Reference.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SimClock.h"
#include "Status.h"
#include "TestHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QPluginLoader>
#include <QTest>

#include <elf.h>
#include <string.h>
#include <time.h>

namespace {

const char kIid[] = "com.rarezodero.Plugin.BaseAppInterface/1.0";

// One section of an ELF file, as a loader reads it from the file.
template <typename Header, typename Section>
QByteArray elfSection(const QByteArray& elf, const char* name)
{
    const Header* header = reinterpret_cast<const Header*>(elf.constData());
    const Section* sections = reinterpret_cast<const Section*>(elf.constData() + header->e_shoff);
    const char* names = elf.constData() + sections[header->e_shstrndx].sh_offset;
    for (int i = 0; i < header->e_shnum; ++i)
        if (strcmp(names + sections[i].sh_name, name) == 0)
            return elf.mid(int(sections[i].sh_offset), int(sections[i].sh_size));
    return QByteArray();
}

} // namespace

class PluginPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(PageFixture::setUpScreen());
        // 10:18 in Seoul, as on the simulator's pictures.
        SimClock::freeze(QDateTime(QDate(2026, 12, 6), QTime(1, 18), Qt::UTC).toMSecsSinceEpoch());
    }

    void init()
    {
        qputenv("TZ", "Asia/Seoul");
        tzset();
    }

    void entryPointsAndLifecycle()
    {
        PageFixture f;
        typedef const char* (*Query)();
        Query query = reinterpret_cast<Query>(f.library()->resolve("qt_plugin_query_verification_data"));
        QVERIFY(query);
        const QByteArray record = PluginRecord::expected() + '\0';
        QCOMPARE(QByteArray(query(), record.size()), record);
        // The same bytes where the host's Qt reads them without loading the library.
        QFile file(f.library()->fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray elf = file.readAll();
        QCOMPARE((elf.at(EI_CLASS) == ELFCLASS64 ? elfSection<Elf64_Ehdr, Elf64_Shdr>(elf, ".qtplugin")
                                                : elfSection<Elf32_Ehdr, Elf32_Shdr>(elf, ".qtplugin")), record);

        // One parentless page while it lives, a new one after the host deleted it.
        QObject* first = f.instance();
        QVERIFY(first && !first->parent());
        QCOMPARE(f.instance(), first);
        QPluginLoader loader(QString::fromUtf8(PHONE_PLUGIN_FILE));
        QCOMPARE(PluginRecord::iid(loader), QString(kIid));
        QCOMPARE(loader.instance(), first);
        first->setObjectName("deleted");
        delete first;
        QObject* page = f.instance();
        QVERIFY(page && page->objectName().isEmpty());

        // Interface lookup, and the page known to the host by its name.
        void* app = static_cast<BaseAppInterface*>(f.app());
        QVERIFY(app && app == f.host()->core()->app("settings_datetime"));
        QCOMPARE(page->qt_metacast("BaseAppInterface"), app);
        QCOMPARE(page->qt_metacast(kIid), app);
        QCOMPARE(page->qt_metacast("SettingsDateTime"), static_cast<void*>(page));
        QVERIFY(page->qt_metacast("QDialog"));
        QVERIFY(!page->qt_metacast(0) && !page->qt_metacast("basewidget")
                && !page->qt_metacast("com.rarezodero.Plugin.BaseAppInterface/1.1"));
        const QMetaObject* meta = page->metaObject();
        QCOMPARE(meta->superClass()->className(), "BaseWidget");
        QCOMPARE(meta->methodCount() - meta->methodOffset(), 2);
        for (const char* slot : {"tailFuncButtonClicked(int)", "clickedListViewItem(int)"}) {
            const QMetaMethod method = meta->method(meta->indexOfSlot(slot));
            QVERIFY2(method.access() == QMetaMethod::Private && method.parameterNames() == QList<QByteArray>() << "idx", slot);
        }
    }

    void startRunsModallyUntilClosed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape released") << "escape";
        QTest::newRow("end()") << "end";
        QTest::newRow("rejected") << "reject";
    }

    void startRunsModallyUntilClosed()
    {
        QFETCH(QString, how);
        PageFixture f;
        QDialog* page = f.page();
        bool openAfterPress = false;
        KeyDriver keys;
        keys.call([&] {
            if (how == "escape") {
                KeyDriver::send(page, Qt::Key_Escape, true);
                openAfterPress = page->isVisible();
                KeyDriver::send(page, Qt::Key_Escape, false);
            } else if (how == "end") {
                QVERIFY(f.app()->end());
            } else {
                page->reject();
            }
        });
        keys.start();
        ModalTimeout timeout(page, QDialog::Rejected);
        QCOMPARE(f.app()->start(0, 0), true);
        QVERIFY(!timeout.expired() && !page->isVisible());
        QVERIFY(openAfterPress || how != "escape");
    }

    // Each showing reads the file again; reading never writes.
    void storedSettings_data()
    {
        QTest::addColumn<QByteArray>("conf");  // null: no file; "no path": the host names none
        QTest::addColumn<QStringList>("values");
        const QByteArray g("[NTP_Serv]\n");
        QTest::newRow("no file") << QByteArray() << QStringList({"Default"});
        QTest::newRow("empty file") << QByteArray("") << QStringList({"Default"});
        QTest::newRow("no mode key") << g + "User_TimeZone=Europe/Paris\n" << QStringList({"Default"});
        QTest::newRow("mode 0") << g + "User_Set=0\nUser_TimeZone=Europe/Paris\n" << QStringList({"Default"});
        QTest::newRow("mode 7") << g + "User_Set=7\nUser_TimeZone=Europe/Paris\n" << QStringList({"User", "Europe", "Paris"});
        QTest::newRow("mode -1") << g + "User_Set=-1\nUser_TimeZone=Europe/Paris\n" << QStringList({"User", "Europe", "Paris"});
        QTest::newRow("mode not a number") << g + "User_Set=yes\n" << QStringList({"Default"});
        QTest::newRow("neither zone key") << g + "User_Set=1\n" << QStringList({"User", "Asia", "Seoul"});
        QTest::newRow("ZoneInfo when the user zone is empty") << g + "User_Set=1\nUser_TimeZone=\nZoneInfo=Europe/Paris\n"
                                                             << QStringList({"User", "Europe", "Paris"});
        QTest::newRow("user zone first") << g + "User_Set=1\nUser_TimeZone=America/New_York\nZoneInfo=Europe/Paris\n"
                                         << QStringList({"User", "America", "New_York"});
        QTest::newRow("no slash") << g + "User_Set=1\nUser_TimeZone=Europe\n" << QStringList({"User", "Europe", "Seoul"});
        QTest::newRow("no region") << g + "User_Set=1\nUser_TimeZone=/Paris\n" << QStringList({"User", "Asia", "Paris"});
        QTest::newRow("two slashes") << g + "User_Set=1\nUser_TimeZone=America/Argentina/Buenos_Aires\n"
                                     << QStringList({"User", "America", "Argentina/Buenos_Aires"});
        QTest::newRow("region the table lacks") << g + "User_Set=1\nUser_TimeZone=Mars/Olympus\n" << QStringList({"User", "Mars", "Olympus"});
        QTest::newRow("garbage") << QByteArray("\x00\x01\xff[[[=\n\n=]]]\x7f", 15) << QStringList({"Default"});
        QTest::newRow("no path: rows as they were") << QByteArray("no path") << QStringList({"User", "Asia", "Tokyo"});
    }

    void storedSettings()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QStringList, values);
        PageFixture f;
        f.host()->writeFile("phone_info.conf", "[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Asia/Tokyo\n");
        f.page()->show();
        QCOMPARE(f.values(), QStringList({"User", "Asia", "Tokyo"}));
        f.page()->hide();
        f.list()->setSelectedIdx(2);
        f.host()->removeFile("phone_info.conf");
        if (conf == "no path")
            f.host()->core()->setConfigDir(QString());
        else if (!conf.isNull())
            f.host()->writeFile("phone_info.conf", conf);
        MessageCapture capture;
        f.page()->show();
        QCOMPARE(f.values(), values);
        QCOMPARE(f.list()->selectedIdx(), 0);
        const QString line("SettingsDateTime::loadSetting region: \"%1\" city: \"%2\"");
        QCOMPARE(capture.linesStartingWith("SettingsDateTime::loadSetting"),
                 values.size() == 3 && conf != "no path" ? QStringList(line.arg(values[1], values[2])) : QStringList());
        QCOMPARE(f.host()->readFile("phone_info.conf"), conf == "no path" ? QByteArray() : conf);
    }

    // "changedStatus()" brings the clock format and the lock icon up to date; anything else
    // only writes its line.
    void statusAndOtherMessages()
    {
        PageFixture f;
        f.host()->writeFile("settings.conf", "[Settings]\n24HourTime=true\n");
        f.host()->writeFile("system.conf", "[Menu_Password]\nenable=true\n");
        f.host()->core()->setUse24HourTime(true);  // so the clock's tick agrees with the file
        f.host()->core()->setLanguage(Core::LangGerman);  // not to be taken up without "changedLanguage()"
        QStringList lines;
        KeyDriver keys;
        keys.call([&] {
            MessageCapture capture;
            f.app()->receiveMsg("changedLanguage", QByteArray());
            f.app()->receiveMsg("changedStatus()", QByteArray("ignored"));
            lines = capture.lines();
            PHONE_VERIFY_REFERENCE(f.screen(), "page-status");
        }).key(Qt::Key_Escape).start();
        f.app()->start(0, 0);
        QCOMPARE(lines, QStringList({"SettingsDateTime::receiveMsg command: \"changedLanguage\"",
                                               "SettingsDateTime::receiveMsg command: \"changedStatus()\""}));
    }

    // Every text the page shows, in the host's language after "changedLanguage()": the title,
    // the rows, and the mode popup with its rows and cancel button. Names stay as they are.
    void translations_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // title, three row titles, Default, User, Cancel
        QTest::newRow("kr") << int(Core::LangKorean) << QStringList({"설정 | 시간 대", "설정방법", "지역설정", "도시선택", "기본", "사용자 설정", "취소"});
        QTest::newRow("de_DE") << int(Core::LangGerman) << QStringList({"Einst | Zeitzone", "Zeit Updaten", "Zeitzone auswählen", "Stadt auswählen", "Standard", "Teilnehmer", "Abbrechen"});
        QTest::newRow("es_ES") << int(Core::LangSpanish) << QStringList({"Configuracion | Zona Horaria", "Tiempo de actualizacion", "Seleccionar Zona horaria", "Selec. Hora de la Ciudad", "Omision", "Usuario", "Cancelar"});
        QTest::newRow("it_IT") << int(Core::LangItalian) << QStringList({"Impostazioni | Ora locale", "Aggiorna l'orario", "Seleziona area", "Seleziona orario", "Predefinito", "Utente", "Annulla"});
        QTest::newRow("ru_RU") << int(Core::LangRussian) << QStringList({"Настр. | Временная Зона", "Обновление Времени", "Выбор региона", "Выбор города", "Умолчание", "Пользователь", "Отмена"});
        QTest::newRow("tr_TR") << int(Core::LangTurkish) << QStringList({"Elle Ayarlar | Saat Dilimi", "Saati güncelle", "Saat dilimi seç", "Saat dilimi şehrini seç", "Varsayılan", "Kullanıcı", "İptal"});
        QTest::newRow("en") << int(Core::LangEnglish) << QStringList({"Settings | Time Zone", "Time Update", "Time Area Select", "Time City Select", "Default", "User", "Cancel"});
    }

    void translations()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        PageFixture f;
        f.host()->writeFile("phone_info.conf", "[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Europe/Amsterdam\n");
        f.host()->core()->setLanguage(Core::LangGerman);
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        f.host()->core()->setLanguage(language);
        QStringList seen;
        KeyDriver keys;
        keys.call([&] { f.app()->receiveMsg("changedLanguage()", QByteArray()); })
            .key(Qt::Key_Return)
            .call([&] {
                SelectPopup* popup = f.popup();
                QVERIFY(popup);
                seen << f.status()->title().trimmed() << f.title(0) << f.title(1) << f.title(2)
                     << popup->listView()->item(0)->text() << popup->listView()->item(1)->text()
                     << popup->cancelButton()->text() << f.values();
            })
            .key(Qt::Key_Escape).key(Qt::Key_Escape);
        keys.start();
        f.app()->start(0, 0);
        QCOMPARE(seen, texts + QStringList({texts[5], "Europe", "Amsterdam"}));
    }

    // Retitled in the Default mode too, where the page has one row.
    void germanDefaultMode()
    {
        PageFixture f;
        f.host()->core()->setLanguage(Core::LangGerman);
        KeyDriver keys;
        keys.call([&] {
            f.app()->receiveMsg("changedLanguage()", QByteArray());
            PHONE_VERIFY_REFERENCE(f.screen(), "page-german");
        }).key(Qt::Key_Escape).start();
        f.app()->start(0, 0);
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
        const QString path = f.host()->path(which == "settings" ? "phone_info.conf" : "timezone.tab");
        QFile::remove(path);
        QScopedPointer<FifoGuard> fifo(special == "fifo" ? new FifoGuard(path) : 0);
        QVERIFY(fifo || QFile::link(special, path));
        if (which == "table")
            qputenv("PHONE_TIMEZONE_TAB", QFile::encodeName(path));
        MessageCapture capture;
        f.page()->show();
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        const QString line = QString("%1 unreadable: \"%2\" \"not a regular file\"").arg("%1", path);
        QCOMPARE(capture.lines(QtWarningMsg), which == "settings"
                 ? QStringList({line.arg("SettingsDateTime::loadSetting"), line.arg("SettingsDateTime::retranslateUi")})
                 : QStringList(line.arg("TimeZoneData::load")));
        QCOMPARE(f.values(), which == "settings" ? QStringList("Default") : QStringList({"User", "Asia", "Seoul"}));
        QVERIFY(!fifo || !fifo->opened());
    }
};

QTEST_MAIN(PluginPageTest)
#include "tst_plugin_page.moc"
