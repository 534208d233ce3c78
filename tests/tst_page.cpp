// The time-zone page as the host runs it, driven by real keys through the nested event loops:
// its entry points and lifecycle, the stored settings read on every showing, a popup from a
// row, a value picked and written, flushed, applied by the host and announced to "idle" in that
// order; the host's messages, the translations, and the screens it shows.
#include "BaseAppInterface.h"
#include "Core.h"
#include "FifoGuard.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewRadioItem.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "PageFixture.h"
#include "Reference.h"
#include "SettingsPeer.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SimClock.h"
#include "Status.h"
#include "TestHost.h"
#include "TestMain.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QPluginLoader>
#include <QTest>

#include <elf.h>
#include <string.h>

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

// What the user and the host see, in order: every popup as it opens (rows, "*" on the checked
// ones, the selected row, a hidden next button), every zone the host applies and every message
// it delivers, each with the page's lines as the file on disk holds them at that moment (read
// as bytes, as another process would).
class Log : public QObject
{
    Q_OBJECT
public:
    explicit Log(PageFixture* f) : m_f(f), m_host(f->host())
    {
        connect(m_host->core(), SIGNAL(timeZoneApplied(QString)), this, SLOT(applied(QString)));
        connect(m_host->core(), SIGNAL(appMsgSent(QString,QString,QByteArray)), this, SLOT(sent(QString,QString,QByteArray)));
        qApp->installEventFilter(this);
    }
    QStringList events;
    QStringList painted;   // the rows as the page's list last painted them

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && object == m_f->list())
            painted = m_f->values();
        SelectPopup* popup = qobject_cast<SelectPopup*>(object);
        if (!popup || event->type() != QEvent::Show)
            return false;
        QStringList rows;
        for (int i = 0; i < popup->listView()->itemSize(); ++i) {
            ListViewRadioItem* radio = dynamic_cast<ListViewRadioItem*>(popup->listView()->item(i));
            rows << (radio && radio->isChecked() ? "*" : "") + popup->listView()->item(i)->text();
        }
        events << QString("popup %1 selected %2%3").arg(rows.join(" ")).arg(popup->listView()->selectedIdx())
                      .arg(popup->nextButton()->isVisible() ? "" : " next hidden");
        return false;
    }

private slots:
    void applied(const QString& zone) { events << "apply " + zone + stored(); }
    void sent(const QString& app, const QString& command, const QByteArray& data)
    {
        events << QString("send %1 %2%3").arg(app, command, data.isEmpty() ? "" : " with data") + stored();
    }

private:
    QString stored() const
    {
        QStringList lines = QString::fromUtf8(m_host->readFile("phone_info.conf")).split('\n');
        lines.removeAll("[NTP_Serv]");
        lines.removeAll("");
        return " [" + lines.join(" ") + "]";
    }
    PageFixture* m_f;
    TestHost* m_host;
};

} // namespace

class PageTest : public QObject
{
    Q_OBJECT

    // Plays keys into the running page, one letter each: d u l r Down Up Left Right, o OK
    // (P and R its press and release alone), e Escape, 4 the fourth soft key; c the host's "closeSelectPopup()", x another
    // broadcast; s compares the screen with the next reference picture, a runs the next action.
    // Escape, released, closes the page; start() returns 1.
    void play(PageFixture& f, const QString& script, const QStringList& shots = QStringList(),
              const QList<std::function<void()> >& actions = QList<std::function<void()> >())
    {
        static const int codes[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Context4};
        KeyDriver keys;
        for (int i = 0; i < script.size(); ++i) {
            const char c = script.at(i).toLatin1();
            const int key = QByteArray("dulroe4").indexOf(c);
            if (key >= 0)
                keys.key(codes[key]);
            else if (c == 'P' || c == 'R')
                c == 'P' ? keys.press(Qt::Key_Return) : keys.release(Qt::Key_Return);
            else if (c == 'c' || c == 'x')
                keys.call([&f, c] { f.host()->core()->broadcast(c == 'c' ? "closeSelectPopup()" : "somethingElse()"); });
            else if (c == 's')
                keys.call([&f, shots, i, script] { PHONE_VERIFY_REFERENCE(f.screen(), shots.at(script.left(i).count('s'))); });
            else if (c == 'a')
                keys.call(actions.at(script.left(i).count('a')));
        }
        keys.key(Qt::Key_Escape);
        keys.start();
        ModalTimeout timeout(f.page(), QDialog::Rejected);
        QCOMPARE(f.app()->start(0, 0), true);
        QVERIFY2(keys.finished() && !timeout.expired(), "the page closed before the keys ended");
    }

    // Qt 4 takes a C string as Latin-1.
    static QStringList utf8(std::initializer_list<const char*> texts)
    {
        QStringList list;
        for (const char* text : texts)
            list << QString::fromUtf8(text);
        return list;
    }

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
        const QByteArray record = PageFixture::verificationRecord() + '\0';
        QCOMPARE(QByteArray(query(), record.size()), record);
        // The same bytes where the host's Qt reads them without loading the library.
        QFile file(f.library()->fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray elf = file.readAll();
        QCOMPARE((elf.at(EI_CLASS) == ELFCLASS64 ? elfSection<Elf64_Ehdr, Elf64_Shdr>(elf, ".qtplugin")
                                                : elfSection<Elf32_Ehdr, Elf32_Shdr>(elf, ".qtplugin")), record);

        // The host's own loader takes it: the version and build key are those of the Qt in use.
        QPluginLoader loader(f.library()->fileName());
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        QVERIFY(loader.instance() && loader.instance() == f.instance() && loader.instance()->qt_metacast(kIid));

        // One parentless page while it lives, a new one after the host deleted it.
        QObject* first = f.instance();
        QVERIFY(first && !first->parent());
        QCOMPARE(f.instance(), first);
        first->setObjectName("deleted");
        delete first;
        QObject* page = f.instance();
        QVERIFY(page && page->objectName().isEmpty());

        // Interface lookup, and the page known to the host by its name.
        void* app = static_cast<BaseAppInterface*>(f.app());
        QVERIFY(app && app == f.host()->core()->app("settings_datetime"));
        QCOMPARE(page->qt_metacast("BaseAppInterface"), app);
        QCOMPARE(page->qt_metacast(kIid), app);
        QVERIFY(!page->qt_metacast("com.rarezodero.Plugin.BaseAppInterface/1.1"));
    }

    // end() and a rejection close the page too.
    void endOrRejectCloseThePage()
    {
        PageFixture f;
        for (int reject = 0; reject < 2; ++reject) {
            KeyDriver keys;
            keys.call([&] {
                QVERIFY(reject || f.app()->end());
                if (reject)
                    f.page()->reject();
            }).start();
            ModalTimeout timeout(f.page(), QDialog::Accepted);
            QCOMPARE(f.app()->start(0, 0), true);
            QVERIFY(!timeout.expired() && !f.page()->isVisible());
        }
    }

    // Each showing reads the file again (and so does a change of language, for the mode);
    // reading never writes, nor blocks on a FIFO or reads a device.
    void storedSettings_data()
    {
        QTest::addColumn<QByteArray>("conf");  // null: no file; "no path": the host names none; "fifo", a device
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
        QTest::newRow("no path: rows as they were, the mode read as 0") << QByteArray("no path") << QStringList({"Default", "Asia", "Tokyo"});
        QTest::newRow("a FIFO, unread") << QByteArray("fifo") << QStringList({"Default"});
        QTest::newRow("a device, unread") << QByteArray("/dev/zero") << QStringList({"Default"});
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
        const QString path = f.host()->path("phone_info.conf");
        QScopedPointer<FifoGuard> fifo(conf == "fifo" ? new FifoGuard(path) : 0);
        const bool special = fifo || conf.startsWith("/dev");
        if (conf == "no path")
            f.host()->core()->setConfigDir(QString());
        else if (conf.startsWith("/dev"))
            QVERIFY(QFile::link(conf, path));
        else if (!conf.isNull() && !fifo)
            f.host()->writeFile("phone_info.conf", conf);
        MessageCapture capture;
        f.page()->show();
        f.app()->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f.values(), values);
        QCOMPARE(f.list()->selectedIdx(), 0);
        const QString unread("SettingsDateTime::%1 unreadable: \"" + path + "\" \"not a regular file\"");
        QStringList lines("SettingsDateTime::receiveMsg command: \"changedLanguage()\"");
        if (special)
            lines = QStringList(unread.arg("loadSetting")) + lines + QStringList(unread.arg("retranslateUi"));
        else if (values.size() == 3 && conf != "no path")
            lines.prepend(QString("SettingsDateTime::loadSetting region: \"%1\" city: \"%2\"").arg(values[1], values[2]));
        QCOMPARE(capture.lines(), lines);
        QVERIFY(!fifo || !fifo->opened());
        if (!special)
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
        bool lockedEarly = true;
        play(f, "as", QStringList("page-status"), {[&] {
            MessageCapture capture;
            f.app()->receiveMsg("changedLanguage", QByteArray());
            lockedEarly = f.status()->findChild<QWidget*>("statusLock")->isVisibleTo(f.status());
            f.app()->receiveMsg("changedStatus()", QByteArray("ignored"));
            lines = capture.lines();
        }});
        QVERIFY(!lockedEarly);
        QCOMPARE(lines, QStringList({"SettingsDateTime::receiveMsg command: \"changedLanguage\"",
                                               "SettingsDateTime::receiveMsg command: \"changedStatus()\""}));
    }

    // Every text the page shows, in the host's language after "changedLanguage()": the title,
    // the rows, and the mode popup with its rows and cancel button. Names stay as they are.
    void translations_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // title, three row titles, Default, User, Cancel
        QTest::newRow("kr") << int(Core::LangKorean) << utf8({"설정 | 시간 대", "설정방법", "지역설정", "도시선택", "기본", "사용자 설정", "취소"});
        QTest::newRow("de_DE") << int(Core::LangGerman) << utf8({"Einst | Zeitzone", "Zeit Updaten", "Zeitzone auswählen", "Stadt auswählen", "Standard", "Teilnehmer", "Abbrechen"});
        QTest::newRow("es_ES") << int(Core::LangSpanish) << utf8({"Configuracion | Zona Horaria", "Tiempo de actualizacion", "Seleccionar Zona horaria", "Selec. Hora de la Ciudad", "Omision", "Usuario", "Cancelar"});
        QTest::newRow("it_IT") << int(Core::LangItalian) << utf8({"Impostazioni | Ora locale", "Aggiorna l'orario", "Seleziona area", "Seleziona orario", "Predefinito", "Utente", "Annulla"});
        QTest::newRow("ru_RU") << int(Core::LangRussian) << utf8({"Настр. | Временная Зона", "Обновление Времени", "Выбор региона", "Выбор города", "Умолчание", "Пользователь", "Отмена"});
        QTest::newRow("tr_TR") << int(Core::LangTurkish) << utf8({"Elle Ayarlar | Saat Dilimi", "Saati güncelle", "Saat dilimi seç", "Saat dilimi şehrini seç", "Varsayılan", "Kullanıcı", "İptal"});
        QTest::newRow("en") << int(Core::LangEnglish) << utf8({"Settings | Time Zone", "Time Update", "Time Area Select", "Time City Select", "Default", "User", "Cancel"});
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
        play(f, "aoae", QStringList(), {[&] { f.app()->receiveMsg("changedLanguage()", QByteArray()); }, [&] {
            QVERIFY(f.popup());
            seen << f.status()->title().trimmed() << f.title(0) << f.title(1) << f.title(2)
                 << f.popup()->listView()->item(0)->text() << f.popup()->listView()->item(1)->text()
                 << f.popup()->cancelButton()->text() << f.values();
        }});
        QCOMPARE(seen, texts + QStringList({texts[5], "Europe", "Amsterdam"}));
    }

    void selections_data()
    {
        QTest::addColumn<QByteArray>("table");   // null: America, Asia (Seoul, Tokyo), Europe (Amsterdam, Paris)
        QTest::addColumn<QByteArray>("conf");    // the page's lines of phone_info.conf
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("shots");
        QTest::addColumn<QStringList>("values"); // the rows after
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("fault");       // what fails the write: "Not saved", nothing applied
        const QByteArray t;
        const QString amsterdam = " [User_Set=1 User_TimeZone=Europe/Amsterdam]";
        const QString paris = " [User_Set=1 User_TimeZone=Europe/Paris]";
        QTest::newRow("a new region brings its first city") << t << QByteArray("User_Set=1\nUser_TimeZone=Asia/Seoul\n")
            << "dosdos" << QStringList({"popup-region", "page-user"}) << QStringList({"User", "Europe", "Amsterdam"})
            << QStringList({"popup America *Asia Europe selected 1", "apply Europe/Amsterdam" + amsterdam, "send idle changedTimezone()" + amsterdam}) << "";
        QTest::newRow("Right opens a popup too") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Amsterdam\n")
            << "ddrsdo" << QStringList("popup-city") << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup *Amsterdam Paris selected 0", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris}) << "";
        QTest::newRow("the region shown: nothing written") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "doo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList("popup America Asia *Europe selected 2") << "";
        QTest::newRow("the city shown: written again") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "ddoo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup Amsterdam *Paris selected 1", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris}) << "";
        QTest::newRow("the mode shown: written again") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "oo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup Default *User selected 1 next hidden", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris}) << "";
        QTest::newRow("User shows the stored zone") << t << QByteArray("ZoneInfo=Asia/Tokyo\n")
            << "sPsRsdo" << QStringList({"page-default", "page-pressed", "popup-mode"}) << QStringList({"User", "Asia", "Tokyo"})
            << QStringList({"popup *Default User selected 0 next hidden", "apply Asia/Tokyo [ZoneInfo=Asia/Tokyo User_Set=1]",
                            "send idle changedTimezone() [ZoneInfo=Asia/Tokyo User_Set=1]"}) << "";
        const QString kept = "[User_Set=0 User_TimeZone=Europe/Paris ZoneInfo=Asia/Tokyo]";
        QTest::newRow("Default keeps the user zone") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\nZoneInfo=Asia/Tokyo\n")
            << "luo" << QStringList() << QStringList("Default")
            << QStringList({"popup Default *User selected 1 next hidden", "apply Asia/Tokyo " + kept, "send idle changedTimezone() " + kept}) << "";
        const QByteArray seoul("User_Set=1\nUser_TimeZone=Asia/Seoul\n");
        const QStringList unchanged({"User", "Asia", "Seoul"});
        const QStringList regions("popup America *Asia Europe selected 1");
        QTest::newRow("Escape cancels") << t << seoul << "dode" << QStringList() << unchanged << regions << "";
        QTest::newRow("the fourth soft key cancels") << t << seoul << "dod4" << QStringList() << unchanged << regions << "";
        QTest::newRow("closeSelectPopup() cancels") << t << seoul << "dodc" << QStringList() << unchanged << regions << "";
        const QString newYork = " [User_Set=1 User_TimeZone=America/New_York]";
        QTest::newRow("other broadcasts do not; the first region") << t << seoul << "douxo" << QStringList()
            << QStringList({"User", "America", "New_York"})
            << regions + QStringList({"apply America/New_York" + newYork, "send idle changedTimezone()" + newYork}) << "";
        QTest::newRow("a region the table lacks") << t << QByteArray("User_Set=1\nUser_TimeZone=Mars/Olympus\n")
            << "doedo" << QStringList() << QStringList({"User", "Mars", "Olympus"})
            << QStringList("popup America Asia Europe selected 0") << "";
        QTest::newRow("an empty table") << QByteArray("") << QByteArray("User_Set=1\n")
            << "dodo" << QStringList() << unchanged << QStringList() << "";
        const QStringList refused({"popup America Asia *Europe selected 2", "popup Not saved selected 0 next hidden"});
        const QByteArray inParis("User_Set=1\nUser_TimeZone=Europe/Paris\n");
        const QStringList stored({"User", "Europe", "Paris"});
        QTest::newRow("a read-only file") << t << inParis << "douoso" << QStringList("popup-not-saved") << stored << refused << "read-only file";
        const QString notSaved("popup Not saved selected 0 next hidden");
        QTest::newRow("a read-only file, the mode to Default") << t << inParis << "ouoo" << QStringList() << stored
            << QStringList({"popup Default *User selected 1 next hidden", notSaved}) << "read-only file";
        QTest::newRow("a read-only file, the mode to User") << t << QByteArray("User_Set=0\nUser_TimeZone=Europe/Paris\n") << "odoo"
            << QStringList() << QStringList("Default") << QStringList({"popup *Default User selected 0 next hidden", notSaved}) << "read-only file";
        // Qt 4.8's writers write in place: only Qt 5's need the directory (a lock file, a rename).
        if (SettingsPeer::locksWithLockFile())
            QTest::newRow("a read-only directory") << t << inParis << "douoo" << QStringList() << stored << refused << "read-only directory";
        const QString locked("locked by another writer for over 3000 ms");
        QTest::newRow("a writer holding the lock") << t << inParis << "doauoo" << QStringList() << stored << refused << locked;
    }

    void selections()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, conf);
        QFETCH(QString, keys);
        QFETCH(QStringList, shots);
        QFETCH(QStringList, values);
        QFETCH(QStringList, log);
        QFETCH(QString, fault);
        PageFixture f(table);
        const QString path = f.host()->path("phone_info.conf");
        f.host()->writeFile("phone_info.conf", "[NTP_Serv]\n" + conf);
        if (fault == "read-only file")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (fault == "read-only directory")
            QVERIFY(QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::ExeOwner));
        // Another writer's lock, taken once the page has read the file.
        SettingsPeer holder;
        const QList<std::function<void()> > lock({[&]() { QVERIFY(holder.hold(path)); }});
        Log seen(&f);
        MessageCapture capture;
        play(f, keys, shots, lock);
        holder.finish();
        QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(f.values(), values);
        QCOMPARE(seen.events, log);
        const QString warning("SettingsDateTime::commitSetting not saved: \"NTP_Serv/%1\" \"%2\" \"%3\"");
        QCOMPARE(capture.lines(QtWarningMsg), fault.isEmpty() ? QStringList()
                 : QStringList(warning.arg(keys.startsWith("o") ? "User_Set" : "User_TimeZone", path, fault)));
        QCOMPARE(seen.painted, values);   // the list's last paint
        if (!log.join(" ").contains("send"))
            QCOMPARE(f.host()->readFile("phone_info.conf"), "[NTP_Serv]\n" + conf);
        QCOMPARE(QDir(f.host()->dir()).entryList(QDir::Hidden | QDir::Files), QStringList("phone_info.conf"));
    }
};

PHONE_TEST_MAIN(PageTest)
#include "tst_page.moc"
