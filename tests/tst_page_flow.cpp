// The page's whole job, driven by real keys through the nested event loops: open a popup
// from a row, pick a value, and see it stored, applied by the host and announced to "idle".
#include "BaseAppInterface.h"
#include "Core.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "ListViewRadioItem.h"
#include "PageFixture.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTest>

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

    void aWriteKeepsEverythingElse()
    {
        PageFixture f;
        // A realistic configuration: many groups and keys besides the page's own.
        QByteArray conf;
        const QStringList groups = {"General", "SIP_Account1", "SIP_Account2", "Network", "LDAP",
                                    "Audio", "Display", "Provisioning", "Codec", "VLAN"};
        for (const QString& group : groups) {
            conf += "[" + group.toLatin1() + "]\n";
            for (int k = 0; k < 30; ++k)
                conf += QString("Key%1=%2 value %1\n").arg(k).arg(group).toUtf8();
            conf += "Server=10.0.0.1\nPort=5060\nEnabled=true\nName=\"Front desk\"\n";
        }
        conf += "[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Europe/Paris\nZoneInfo=Asia/Seoul\nServer=pool.ntp.org\nInterval=3600\n";
        f.host()->writeFile("phone_info.conf", conf);
        QMap<QString, QVariant> before;
        {
            QSettings s(f.host()->path("phone_info.conf"), QSettings::IniFormat);
            for (const QString& key : s.allKeys())
                before.insert(key, s.value(key));
        }
        QVERIFY(before.size() > 300);

        KeyDriver keys;
        keys.key(Qt::Key_Down).key(Qt::Key_Down).key(Qt::Key_Return).key(Qt::Key_Up).key(Qt::Key_Return);
        run(f, keys);

        QSettings after(f.host()->path("phone_info.conf"), QSettings::IniFormat);
        QCOMPARE(after.allKeys().size(), before.size());
        for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
            if (it.key() == "NTP_Serv/User_TimeZone")
                QCOMPARE(after.value(it.key()).toString(), QString("Europe/Amsterdam"));
            else
                QCOMPARE(after.value(it.key()), it.value());
        }
    }
};

QTEST_MAIN(PageFlowTest)
#include "tst_page_flow.moc"
