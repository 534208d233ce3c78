// The toolkit's INI file: read as QSettings reads, one key's line written in place, the file
// replaced so that no kill tears it and every reader of the process sees the new value.
#include "IniFile.h"
#include "TestDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class IniFileTest : public QObject
{
    Q_OBJECT

    TestDir m_dir;

    QString write(const QByteArray& content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QString("f%1.conf").arg(++n));  // new name: no QSettings cache
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void readsAsQSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("other programs' keys")
            << QByteArray("; comment\n[SIP]\nPassword=p@ss;word#1\nPath=C:\\phone\\ring.wav\nKey With Space=yes\n"
                          "Key%20With%20Space=escaped\nCodecs=G711U,G711A,G722\nUtf8=M\xc3\xbcller\n")
            << QStringList({"SIP/Password", "SIP/Path", "SIP/Key With Space", "SIP/Codecs", "SIP/Utf8", "SIP/none"});
        QTest::newRow("byte order mark, quotes, continuation")
            << QByteArray("\xef\xbb\xbfTop=1\n[G]\nQ=\"a, b\" ; c\nL=x\\\n  y\nU=M\xc3\xbcller\nS=  \"  \" \n")
            << QStringList({"Top", "G/Q", "G/L", "G/U", "G/S"});
        QTest::newRow("groups spelt differently, duplicates")
            << QByteArray("A=root\n[General]\nA=general\n[%47roup]\nk=1\n[Group]\nk=2\n[ Group ]\nk\\\\sub=3\n[%General]\nx=y\n")
            << QStringList({"A", "Group/k", "Group/k/sub", "General/x"});
        QTest::newRow("typed values")
            << QByteArray("[T]\nB=@ByteArray(ab)\nR=@Rect(1 2 3 4)\nI=@Invalid()\nE=@@at\nL=@@a, b\nX=\\x41\\102\n")
            << QStringList({"T/B", "T/R", "T/I", "T/E", "T/L", "T/X"});
    }

    void readsAsQSettings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, keys);
        const IniFile file(write(content));
        for (const QString& key : keys) {
            QSettings settings(write(content), QSettings::IniFormat);
            QCOMPARE(file.value(key, "default"), settings.value(key, "default"));
        }
    }

    void writesOnlyTheKeysLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("after");  // null: refused, the file as it was
        const QByteArray conf("; c\r\n[SIP]\r\nPassword=p@ss;word#1\r\n[NTP_Serv]\r\nUser_Set=0 ; mode\r\nZoneInfo=Asia/Seoul");
        QTest::newRow("replace, CRLF, comment kept") << conf << "NTP_Serv/User_Set" << QVariant(1)
            << QByteArray(conf).replace("User_Set=0 ", "User_Set=1 ");
        QTest::newRow("add to a group, no final line end") << conf << "NTP_Serv/User_TimeZone" << QVariant("Europe/Paris")
            << conf + "\r\nUser_TimeZone=Europe/Paris";
        QTest::newRow("add a group") << QByteArray("[A]\nk=v\n") << "Ring Tones/Tone 1" << QVariant("x;y, \"z\"")
            << QByteArray("[A]\nk=v\n\n[Ring%20Tones]\nTone%201=\"x;y, \\\"z\\\"\"\n");
        QTest::newRow("last of duplicate lines") << QByteArray("[G]\nk=1\n[G]\nk=2\nk=3\n[H]\nk=4\n") << "G/k"
            << QVariant(QStringList({"a", "b"})) << QByteArray("[G]\nk=1\n[G]\nk=2\nk=a, b\n[H]\nk=4\n");
        QTest::newRow("outside any group") << QByteArray("top=1\n[G]\nk=v\n") << "other" << QVariant(true)
            << QByteArray("top=1\nother=true\n[G]\nk=v\n");
        QTest::newRow("an open quote would swallow the line") << QByteArray("[G]\nk=\"open\n") << "G/new"
            << QVariant("x") << QByteArray();
    }

    void writesOnlyTheKeysLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, after);
        const QString path = write(before);
        IniFile file(path);
        QCOMPARE(file.setValue(key, value), !after.isNull());
        QCOMPARE(read(path), after.isNull() ? before : after);
        QCOMPARE(file.errorString().isEmpty(), !after.isNull());
    }

    void replaceKeepsLinkAndModeAndIsSeenAtOnce()
    {
        const QString target = write("[G]\nK=Asia/Seoul\n");
        const QString link = m_dir.filePath("link.conf");
        QVERIFY(QFile::link(target, link));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QStringList zones({"Asia/Tokyo", "Asia/Seoul", "Asia/Dubai"});  // one size
        for (const QString& zone : zones) {
            struct stat before, after;
            QCOMPARE(stat(QFile::encodeName(target).constData(), &before), 0);
            QVERIFY(IniFile(link).setValue("G/K", zone));
            QCOMPARE(stat(QFile::encodeName(target).constData(), &after), 0);
            QVERIFY(after.st_mtime > before.st_mtime);  // Qt 4 compares whole seconds
            QCOMPARE(QSettings(link, QSettings::IniFormat).value("G/K").toString(), zone);
        }
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(QFileInfo(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(QDir(m_dir.path()).entryList(QStringList("*.tmp-*"), QDir::Hidden | QDir::Files), QStringList());
    }

    void killDuringSavesNeverTearsTheFile()
    {
        const QString path = m_dir.filePath("killed.conf");
        const QByteArray base("; other program\n[Other]\nKey=value\n");
        const QList<QVariant> values({"start", QString(300000, 'a'), QString(150000, 'b')});
        QList<QByteArray> whole;
        for (const QVariant& value : values) {
            QByteArray content = base;
            QVERIFY(IniFile::setValueIn(content, "Ring/Tone", value));
            whole << content;
        }
        for (int round = 0; round < 25; ++round) {
            {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(whole.at(0));
            }
            struct stat first;
            QCOMPARE(stat(QFile::encodeName(path).constData(), &first), 0);
            const pid_t child = fork();
            if (child == 0) {
                for (int i = 1;; ++i)
                    IniFile(path).setValue("Ring/Tone", values.at(1 + i % 2));
            }
            QVERIFY(child > 0);
            // Wait for the child's first replace, then let it run a while into the next ones.
            QElapsedTimer clock;
            clock.start();
            struct stat now = first;
            while (now.st_ino == first.st_ino && clock.elapsed() < 30000)
                stat(QFile::encodeName(path).constData(), &now);
            for (volatile int spin = 0; spin < (round * 7919) % 300000; ++spin) {
            }
            kill(child, SIGKILL);
            waitpid(child, 0, 0);
            QVERIFY2(now.st_ino != first.st_ino, "the child never wrote");
            QVERIFY2(whole.contains(read(path)), qPrintable(QString("round %1: a torn file").arg(round)));
        }
        // Whatever the kills left behind goes with the next save.
        QVERIFY(IniFile(path).setValue("Ring/Tone", "end"));
        QCOMPARE(QDir(m_dir.path()).entryList(QStringList(".killed.conf.tmp-*"), QDir::Hidden | QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
