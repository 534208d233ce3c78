// The page's whole job, driven by real keys through the nested event loops: a popup from a
// row, a value picked, and the choice written and flushed, applied by the host and announced
// to "idle", in that order.
#include "BaseAppInterface.h"
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewRadioItem.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "PageFixture.h"
#include "Reference.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SimClock.h"
#include "TestHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <time.h>

namespace {

// What the user and the host see, in order: every popup as it opens (rows, "*" on the checked
// ones, the selected row, a hidden next button), every zone the host applies and every message
// it delivers, each with the page's lines as the file on disk holds them at that moment (read
// as bytes, as another process would).
class Log : public QObject
{
    Q_OBJECT
public:
    explicit Log(TestHost* host) : m_host(host)
    {
        connect(host->core(), SIGNAL(timeZoneApplied(QString)), this, SLOT(applied(QString)));
        connect(host->core(), SIGNAL(appMsgSent(QString,QString,QByteArray)), this, SLOT(sent(QString,QString,QByteArray)));
        qApp->installEventFilter(this);
    }
    QStringList events;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
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
    TestHost* m_host;
};

} // namespace

class PageFlowTest : public QObject
{
    Q_OBJECT

    // Plays keys into the running page, one letter each: d u l r Down Up Left Right, o OK,
    // e Escape, 4 the fourth soft key; c the host's "closeSelectPopup()", x another
    // broadcast; s compares the screen with the next reference picture. Escape closes the page.
    void play(PageFixture& f, const QString& script, QStringList shots = QStringList())
    {
        static const int codes[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Context4};
        KeyDriver keys;
        for (int i = 0; i < script.size(); ++i) {
            const char c = script.at(i).toLatin1();
            const int key = QByteArray("dulroe4").indexOf(c);
            if (key >= 0)
                keys.key(codes[key]);
            else if (c == 'c' || c == 'x')
                keys.call([&f, c] { f.host()->core()->broadcast(c == 'c' ? "closeSelectPopup()" : "somethingElse()"); });
            else if (c == 's')
                keys.call([&f, shots, i, script] {
                    PHONE_VERIFY_REFERENCE(f.screen(), shots.at(script.left(i).count('s')));
                });
        }
        keys.key(Qt::Key_Escape);
        keys.start();
        ModalTimeout timeout(f.page(), QDialog::Rejected);
        QVERIFY(f.app()->start(0, 0));
        QVERIFY2(keys.finished() && !timeout.expired(), "the page closed before the keys ended");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PageFixture::setUpScreen());
        SimClock::freeze(QDateTime(QDate(2026, 12, 6), QTime(1, 18), Qt::UTC).toMSecsSinceEpoch());
    }

    void init()
    {
        qputenv("TZ", "Asia/Seoul");
        tzset();
    }

    void selections_data()
    {
        QTest::addColumn<QByteArray>("table");   // null: America, Asia (Seoul, Tokyo), Europe (Amsterdam, Paris)
        QTest::addColumn<QByteArray>("conf");    // the page's lines of phone_info.conf
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("shots");
        QTest::addColumn<QStringList>("values"); // the rows after
        QTest::addColumn<QStringList>("log");
        const QByteArray t;
        const QString amsterdam = " [User_Set=1 User_TimeZone=Europe/Amsterdam]";
        const QString paris = " [User_Set=1 User_TimeZone=Europe/Paris]";
        QTest::newRow("a new region brings its first city") << t << QByteArray("User_Set=1\nUser_TimeZone=Asia/Seoul\n")
            << "dosdos" << QStringList({"popup-region", "page-user"}) << QStringList({"User", "Europe", "Amsterdam"})
            << QStringList({"popup America *Asia Europe selected 1", "apply Europe/Amsterdam" + amsterdam, "send idle changedTimezone()" + amsterdam});
        QTest::newRow("Right opens a popup too") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Amsterdam\n")
            << "ddrsdo" << QStringList("popup-city") << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup *Amsterdam Paris selected 0", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris});
        QTest::newRow("the region shown: nothing written") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "doo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList("popup America Asia *Europe selected 2");
        QTest::newRow("the city shown: written again") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "ddoo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup Amsterdam *Paris selected 1", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris});
        QTest::newRow("the mode shown: written again") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\n")
            << "oo" << QStringList() << QStringList({"User", "Europe", "Paris"})
            << QStringList({"popup Default *User selected 1 next hidden", "apply Europe/Paris" + paris, "send idle changedTimezone()" + paris});
        QTest::newRow("User shows the stored zone") << t << QByteArray("ZoneInfo=Asia/Tokyo\n")
            << "sosdo" << QStringList({"page-default", "popup-mode"}) << QStringList({"User", "Asia", "Tokyo"})
            << QStringList({"popup *Default User selected 0 next hidden", "apply Asia/Tokyo [ZoneInfo=Asia/Tokyo User_Set=1]",
                            "send idle changedTimezone() [ZoneInfo=Asia/Tokyo User_Set=1]"});
        const QString kept = "[User_Set=0 User_TimeZone=Europe/Paris ZoneInfo=Asia/Tokyo]";
        QTest::newRow("Default keeps the user zone") << t << QByteArray("User_Set=1\nUser_TimeZone=Europe/Paris\nZoneInfo=Asia/Tokyo\n")
            << "luo" << QStringList() << QStringList("Default")
            << QStringList({"popup Default *User selected 1 next hidden", "apply Asia/Tokyo " + kept, "send idle changedTimezone() " + kept});
        const QByteArray seoul("User_Set=1\nUser_TimeZone=Asia/Seoul\n");
        const QStringList unchanged({"User", "Asia", "Seoul"});
        const QStringList regions("popup America *Asia Europe selected 1");
        QTest::newRow("Escape cancels") << t << seoul << "dode" << QStringList() << unchanged << regions;
        QTest::newRow("the fourth soft key cancels") << t << seoul << "dod4" << QStringList() << unchanged << regions;
        QTest::newRow("closeSelectPopup() cancels") << t << seoul << "dodc" << QStringList() << unchanged << regions;
        QTest::newRow("other broadcasts do not") << t << seoul << "dodxo" << QStringList() << QStringList({"User", "Europe", "Amsterdam"})
            << regions + QStringList({"apply Europe/Amsterdam" + amsterdam, "send idle changedTimezone()" + amsterdam});
        QTest::newRow("a region the table lacks") << t << QByteArray("User_Set=1\nUser_TimeZone=Mars/Olympus\n")
            << "doedo" << QStringList() << QStringList({"User", "Mars", "Olympus"})
            << QStringList("popup America Asia Europe selected 0");
        QTest::newRow("an empty table") << QByteArray("") << QByteArray("User_Set=1\n")
            << "dodo" << QStringList() << unchanged << QStringList();
    }

    void selections()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, conf);
        QFETCH(QString, keys);
        QFETCH(QStringList, shots);
        QFETCH(QStringList, values);
        QFETCH(QStringList, log);
        PageFixture f(table.isNull() ? QByteArray("KR  +3733+12658  Asia/Seoul\nFR  +4852+00220  Europe/Paris\n"
                                                  "US  +404251-0740023  America/New_York  Eastern\n"
                                                  "NL  +5222+00454  Europe/Amsterdam\nJP  +353916+1394441  Asia/Tokyo\n")
                                     : table);
        f.host()->writeFile("phone_info.conf", "[NTP_Serv]\n" + conf);
        Log seen(f.host());
        play(f, keys, shots);
        QCOMPARE(f.values(), values);
        QCOMPARE(seen.events, log);
        if (!log.join(" ").contains("send"))
            QCOMPARE(f.host()->readFile("phone_info.conf"), "[NTP_Serv]\n" + conf);
    }

    // Other programs' keys keep every byte through a mode change.
    void hostileFilesKeepEveryOtherByte_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray shared("; phone\n[SIP]\nPassword=p@ss;word#1\nPath=C:\\phone\\ring.wav\nKey With Space=yes\n"
                                "Codecs=G711U,G711A,G722\nUtf8=M\xc3\xbcller\n# hash\n\n");
        QTest::newRow("other programs' keys") << shared + "[NTP_Serv]\nUser_Set=0\nUser_TimeZone=Europe/Paris\n"
                                              << shared + "[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Europe/Paris\n";
        const QByteArray crlf("Top=1\r\n[NTP_Serv]\r\nUser_Set=0\r\n[SIP]\r\nA=1\r\n[NTP_Serv]\r\nUser_Set=0\r\nUser_TimeZone=Asia/Tokyo");
        QTest::newRow("CRLF, no final line end, duplicates, a key outside any group")
            << crlf << QByteArray(crlf).replace(crlf.lastIndexOf("User_Set=0"), 10, "User_Set=1");
        const QByteArray big = "[Big]\nBlob=" + QByteArray(1024 * 1024, 'x') + "\n";
        QTest::newRow("a 1 MB value, no group of the page") << big << big + "\n[NTP_Serv]\nUser_Set=1\n";
    }

    void hostileFilesKeepEveryOtherByte()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        PageFixture f;
        f.host()->writeFile("phone_info.conf", before);
        play(f, "odo");
        QCOMPARE(f.values().value(0), QString("User"));
        QCOMPARE(f.host()->readFile("phone_info.conf"), after);
    }

    // A write that fails leaves the file, shows what is stored and says so; nothing is applied.
    void failedWriteLeavesFileAndScreenHonest_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << "read-only file";
        QTest::newRow("read-only directory") << "read-only directory";
        QTest::newRow("full disk") << "cannot write: File too large";
    }

    void failedWriteLeavesFileAndScreenHonest()
    {
        QFETCH(QString, reason);
        PageFixture f;
        const QByteArray stored("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Europe/Paris\n");
        f.host()->writeFile("phone_info.conf", stored);
        const QString path = f.host()->path("phone_info.conf");
        if (reason == "read-only file")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (reason == "read-only directory")
            QVERIFY(QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::ExeOwner));
        // A file-size limit below the file's size fails the write as a full disk would.
        struct rlimit oldLimit;
        getrlimit(RLIMIT_FSIZE, &oldLimit);
        void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = oldLimit;
        small.rlim_cur = 16;
        QVERIFY(!reason.startsWith("cannot") || setrlimit(RLIMIT_FSIZE, &small) == 0);

        Log seen(f.host());
        MessageCapture capture;
        play(f, reason == "read-only file" ? "douoso" : "douoo", QStringList("popup-not-saved"));
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(seen.events, QStringList({"popup America Asia *Europe selected 2", "popup Not saved selected 0 next hidden"}));
        QCOMPARE(f.values(), QStringList({"User", "Europe", "Paris"}));
        QCOMPARE(capture.lines(QtWarningMsg),
                 QStringList(QString("SettingsDateTime::commitSetting not saved: \"NTP_Serv/User_TimeZone\" \"%1\" \"%2\"")
                                 .arg(path, reason)));
        QCOMPARE(f.host()->readFile("phone_info.conf"), stored);
        QCOMPARE(QDir(f.host()->dir()).entryList(QDir::Hidden | QDir::Files), QStringList("phone_info.conf"));
    }
};

QTEST_MAIN(PageFlowTest)
#include "tst_page_flow.moc"
