// The page's whole job, driven by real keys through the nested event loops: open a popup
// from a row, pick a value, and see it stored, applied by the host and announced to "idle".
#include "BaseAppInterface.h"
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewRadioItem.h"
#include "MessageCapture.h"
#include "PageFixture.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>

namespace {

// The host's idle screen: records each message with what the file and the process zone held
// when it arrived, so the order of the write procedure shows.
class IdleRecorder : public BaseAppInterface
{
public:
    explicit IdleRecorder(TestHost* host) : BaseAppInterface("idle", 0), m_host(host) {}
    bool start(QWidget*, void*) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString& command, const QByteArray& data) override
    {
        commands << command;
        payloads << data;
        storedZones << m_host->value("phone_info.conf", "NTP_Serv/User_TimeZone").toString();
        appliedZones << QString::fromLocal8Bit(qgetenv("TZ"));
    }
    QStringList commands, storedZones, appliedZones;
    QList<QByteArray> payloads;

private:
    TestHost* m_host;
};

SelectPopup* openPopup()
{
    return qobject_cast<SelectPopup*>(QApplication::activeModalWidget());
}

QStringList popupRows(SelectPopup* popup, QList<bool>* checked = 0)
{
    QStringList rows;
    for (int i = 0; popup && i < popup->listView()->itemSize(); ++i) {
        ListViewRadioItem* row = dynamic_cast<ListViewRadioItem*>(popup->listView()->item(i));
        rows << (row ? row->text() : QString("?"));
        if (checked)
            checked->append(row && row->isChecked());
    }
    return rows;
}

} // namespace

class PageFlowTest : public QObject
{
    Q_OBJECT

    QByteArray m_savedTz;

    // Runs the page with the given keys, then closes it with Escape; fails if a step was left.
    void run(PageFixture& f, KeyDriver& keys)
    {
        keys.key(Qt::Key_Escape);
        keys.start();
        QVERIFY(f.app()->start(0, 0));
        QVERIFY2(keys.finished(), "the page closed before the key script ended");
    }

    static void userMode(PageFixture& f, const QString& zone)
    {
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_Set", 1);
        if (!zone.isNull())
            f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", zone);
    }

private slots:
    void initTestCase() { m_savedTz = qgetenv("TZ"); }
    void cleanup()
    {
        if (m_savedTz.isEmpty())
            phoneUnsetEnv("TZ");
        else
            qputenv("TZ", m_savedTz);
    }

    void tracedUserAction()
    {
        PageFixture f;
        userMode(f, "Asia/Seoul");
        IdleRecorder idle(f.host());
        QStringList rowsSeen;
        QList<bool> checkedSeen;
        int selectedSeen = -2;
        QString cancelText;
        bool nextVisible = false;

        KeyDriver keys;
        keys.key(Qt::Key_Down)
            .key(Qt::Key_Return)
            .call([&] {
                SelectPopup* popup = openPopup();
                QVERIFY(popup);
                rowsSeen = popupRows(popup, &checkedSeen);
                selectedSeen = popup->listView()->selectedIdx();
                cancelText = popup->cancelButton()->text();
                nextVisible = popup->nextButton()->isVisible();
            })
            .key(Qt::Key_Down)
            .key(Qt::Key_Return)
            .call([&] {
                QVERIFY(!openPopup());
                QCOMPARE(f.value(1), QString("Europe"));
                QCOMPARE(f.value(2), QString("Amsterdam"));
            });
        run(f, keys);

        QCOMPARE(rowsSeen, QStringList({"America", "Asia", "Europe"}));
        QCOMPARE(checkedSeen, QList<bool>({false, true, false}));
        QCOMPARE(selectedSeen, 1);
        QCOMPARE(cancelText, QString("Cancel"));
        QVERIFY(nextVisible);

        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_TimeZone").toString(), QString("Europe/Amsterdam"));
        QCOMPARE(f.host()->core()->appliedTimeZone(), QString("Europe/Amsterdam"));
        // Stored and applied before "idle" hears of it.
        QCOMPARE(idle.commands, QStringList({"changedTimezone()"}));
        QCOMPARE(idle.payloads, QList<QByteArray>({QByteArray()}));
        QCOMPARE(idle.storedZones, QStringList({"Europe/Amsterdam"}));
        QCOMPARE(idle.appliedZones, QStringList({"Europe/Amsterdam"}));

        // A new showing reads it back.
        f.host()->setValue("phone_info.conf", "NTP_Serv/ZoneInfo", "Asia/Tokyo");
        f.page()->show();
        QCOMPARE(f.value(1), QString("Europe"));
        QCOMPARE(f.value(2), QString("Amsterdam"));
    }

    void cityChoice()
    {
        PageFixture f;
        userMode(f, "Europe/Amsterdam");
        IdleRecorder idle(f.host());
        QStringList rowsSeen;
        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Down)
            .key(Qt::Key_Right)                         // Right opens a select row too
            .call([&] { rowsSeen = popupRows(openPopup()); })
            .key(Qt::Key_Down)
            .key(Qt::Key_Return);
        run(f, keys);
        QCOMPARE(rowsSeen, QStringList({"Amsterdam", "Paris"}));
        QCOMPARE(f.value(2), QString("Paris"));
        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_TimeZone").toString(), QString("Europe/Paris"));
        QCOMPARE(idle.commands.size(), 1);
    }

    void modeSwitchBothWays()
    {
        PageFixture f;
        f.host()->setValue("phone_info.conf", "NTP_Serv/ZoneInfo", "Asia/Tokyo");
        IdleRecorder idle(f.host());
        bool nextHidden = false;
        QStringList rowsSeen;
        QList<bool> checkedSeen;
        KeyDriver keys;
        keys.key(Qt::Key_Return)
            .call([&] {
                SelectPopup* popup = openPopup();
                QVERIFY(popup);
                nextHidden = !popup->nextButton()->isVisible();
                rowsSeen = popupRows(popup, &checkedSeen);
            })
            .key(Qt::Key_Down)
            .key(Qt::Key_Return)
            .call([&] {
                QCOMPARE(f.rows(), 3);
                QCOMPARE(f.value(0), QString("User"));
                QCOMPARE(f.value(1), QString("Asia"));
                QCOMPARE(f.value(2), QString("Tokyo"));
            });
        run(f, keys);
        QVERIFY(nextHidden);
        QCOMPARE(rowsSeen, QStringList({"Default", "User"}));
        QCOMPARE(checkedSeen, QList<bool>({true, false}));
        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_Set").toInt(), 1);
        QVERIFY(!f.host()->value("phone_info.conf", "NTP_Serv/User_TimeZone").isValid());
        QCOMPARE(idle.commands, QStringList({"changedTimezone()"}));
        QCOMPARE(f.host()->core()->appliedTimeZone(), QString("Asia/Tokyo"));

        // And back: rows 2 and 1 go, the stored user zone stays.
        f.host()->setValue("phone_info.conf", "NTP_Serv/User_TimeZone", "Europe/Paris");
        KeyDriver back;
        back.key(Qt::Key_Return).key(Qt::Key_Up).key(Qt::Key_Return)
            .call([&] { QCOMPARE(f.rows(), 1); QCOMPARE(f.value(0), QString("Default")); });
        run(f, back);
        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_Set").toInt(), 0);
        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_TimeZone").toString(), QString("Europe/Paris"));
        QCOMPARE(idle.commands.size(), 2);
    }

    void reacceptingTheShownValue()
    {
        PageFixture f;
        userMode(f, "Europe/Paris");
        IdleRecorder idle(f.host());

        // The same region: nothing written, nothing sent.
        const QByteArray before = f.host()->readFile("phone_info.conf");
        KeyDriver region;
        region.key(Qt::Key_Down).key(Qt::Key_Return).key(Qt::Key_Return);
        run(f, region);
        QCOMPARE(f.host()->readFile("phone_info.conf"), before);
        QVERIFY(idle.commands.isEmpty());

        // The same city: written again and announced.
        KeyDriver city;
        city.key(Qt::Key_Down).key(Qt::Key_Down).key(Qt::Key_Return).key(Qt::Key_Return);
        run(f, city);
        QCOMPARE(idle.commands, QStringList({"changedTimezone()"}));
        QCOMPARE(f.host()->value("phone_info.conf", "NTP_Serv/User_TimeZone").toString(), QString("Europe/Paris"));

        // The same mode: written, reloaded and announced.
        KeyDriver mode;
        mode.key(Qt::Key_Return).key(Qt::Key_Return);
        run(f, mode);
        QCOMPARE(idle.commands.size(), 2);
        QCOMPARE(f.rows(), 3);
    }

    void cancelAndBroadcastChangeNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape") << "escape";
        QTest::newRow("context4") << "context4";
        QTest::newRow("closeSelectPopup()") << "broadcast";
    }

    void cancelAndBroadcastChangeNothing()
    {
        QFETCH(QString, how);
        PageFixture f;
        userMode(f, "Asia/Seoul");
        IdleRecorder idle(f.host());
        const QByteArray before = f.host()->readFile("phone_info.conf");
        bool stillOpenAfterUnknown = false;
        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Return).key(Qt::Key_Down)
            .call([&] {
                f.host()->core()->broadcast("somethingElse()");
                stillOpenAfterUnknown = openPopup() != 0;
            });
        if (how == "escape")
            keys.key(Qt::Key_Escape);
        else if (how == "context4")
            keys.key(Qt::Key_Context4);
        else
            keys.call([&] { f.host()->core()->broadcast("closeSelectPopup()"); });
        keys.call([&] { QVERIFY(!openPopup()); });
        run(f, keys);
        QVERIFY(stillOpenAfterUnknown);
        QCOMPARE(f.value(1), QString("Asia"));
        QCOMPARE(f.value(2), QString("Seoul"));
        QCOMPARE(f.host()->readFile("phone_info.conf"), before);
        QVERIFY(idle.commands.isEmpty());
    }

    void emptyTableOffersNoPopup()
    {
        PageFixture f("");
        userMode(f, QString());
        IdleRecorder idle(f.host());
        bool popupSeen = false;
        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Return)
            .call([&] { popupSeen |= openPopup() != 0; })
            .key(Qt::Key_Down).key(Qt::Key_Return)
            .call([&] { popupSeen |= openPopup() != 0; });
        run(f, keys);
        QVERIFY(!popupSeen);
        QVERIFY(idle.commands.isEmpty());
        QCOMPARE(f.value(1), QString("Asia"));
    }

    void storedRegionTheTableLacks()
    {
        PageFixture f;
        userMode(f, "Mars/Olympus");
        IdleRecorder idle(f.host());
        QList<bool> checked;
        bool cityPopup = false;
        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Return)
            .call([&] { popupRows(openPopup(), &checked); })
            .key(Qt::Key_Escape)
            .key(Qt::Key_Down).key(Qt::Key_Return)
            .call([&] { cityPopup = openPopup() != 0; });
        run(f, keys);
        QCOMPARE(checked, QList<bool>({false, false, false}));
        QVERIFY(!cityPopup);
        QVERIFY(idle.commands.isEmpty());
    }

    // Other programs' keys keep every byte: OK on the mode row, Down to "User", OK.
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
        IdleRecorder idle(f.host());
        KeyDriver keys;
        keys.key(Qt::Key_Return).key(Qt::Key_Down).key(Qt::Key_Return).call([&] { QCOMPARE(f.rows(), 3); });
        run(f, keys);
        QCOMPARE(f.host()->readFile("phone_info.conf"), after);
        QCOMPARE(idle.commands, QStringList({"changedTimezone()"}));
    }

    // A write that fails leaves the file, shows what is stored and says so; nothing is applied.
    void failedWriteLeavesFileAndScreenHonest_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << "file" << "read-only file";
        QTest::newRow("read-only directory") << "directory" << "read-only directory";
        QTest::newRow("full disk") << "disk" << "cannot write: File too large";
    }

    void failedWriteLeavesFileAndScreenHonest()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        PageFixture f;
        const QByteArray stored("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Europe/Paris\n");
        f.host()->writeFile("phone_info.conf", stored);
        const QString path = f.host()->path("phone_info.conf");
        IdleRecorder idle(f.host());
        if (how == "file")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (how == "directory")
            QVERIFY(QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::ExeOwner));
        // A file-size limit below the file's size fails the write as a full disk would.
        struct rlimit oldLimit;
        getrlimit(RLIMIT_FSIZE, &oldLimit);
        void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = oldLimit;
        small.rlim_cur = 16;
        if (how == "disk")
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);

        QStringList popupRows;
        QString okText;
        QStringList rowsUnderPopup;
        MessageCapture capture;
        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Return).key(Qt::Key_Up).key(Qt::Key_Return)
            .call([&] {
                SelectPopup* popup = openPopup();
                QVERIFY(popup);
                for (int i = 0; i < popup->listView()->itemSize(); ++i)
                    popupRows << popup->listView()->item(i)->text();
                okText = popup->okButton()->isVisible() ? popup->okButton()->text() : QString();
                rowsUnderPopup << f.value(1) << f.value(2);
            })
            .key(Qt::Key_Return)
            .call([&] { QVERIFY(!openPopup()); });
        run(f, keys);
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(f.host()->dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(popupRows, QStringList("Not saved"));
        QCOMPARE(okText, QString("OK"));
        QCOMPARE(rowsUnderPopup, QStringList({"Europe", "Paris"}));
        QCOMPARE(f.value(1), QString("Europe"));
        QCOMPARE(capture.linesStartingWith("SettingsDateTime::commitSetting"),
                 QStringList(QString("SettingsDateTime::commitSetting not saved: \"NTP_Serv/User_TimeZone\" \"%1\" \"%2\"")
                                 .arg(path, reason)));
        QVERIFY(capture.linesStartingWith("Core::").isEmpty());
        QCOMPARE(f.host()->readFile("phone_info.conf"), stored);
        QCOMPARE(QDir(f.host()->dir()).entryList(QDir::Hidden | QDir::Files), QStringList("phone_info.conf"));
        QVERIFY(idle.commands.isEmpty());
        QVERIFY(f.host()->core()->appliedTimeZone().isEmpty());
    }
};

QTEST_MAIN(PageFlowTest)
#include "tst_page_flow.moc"
