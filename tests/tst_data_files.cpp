// The files the page shares with the phone: the time-zone table (read), and INI settings read as
// QSettings reads them and written one key's line at a time, replaced so that no kill tears
// them; no reader blocks on, or exhausts itself with, what stands at its path, and the host
// applies only zone names.
#include "Core.h"
#include "FifoGuard.h"
#include "IniDocument.h"
#include "IniFile.h"
#include "MessageCapture.h"
#include "RegularFile.h"
#include "SettingsPeer.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestMain.h"
#include "TestMetaTypes.h"
#include "TestWait.h"
#include "TimeZoneData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <utime.h>
#include <unistd.h>

class DataFilesTest : public QObject
{
    Q_OBJECT

    struct Table {
        QList<TimeZoneData*> records;
        QMap<QString, int> index;
        QList<QString> regions;
        ~Table() { qDeleteAll(records); }
        void load(const QString& path) { TimeZoneData::load(path, records, index, regions); }
        QList<QString> cities(const QString& region) const { return TimeZoneData::cities(region, records, index); }
    };

    TestDir m_dir;

    // A file of a new name each time: QSettings caches files by name.
    QString write(const QByteArray& content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QString("f%1").arg(++n));
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

    static QStringList fields(const TimeZoneData* r)
    {
        return QStringList() << r->field1 << r->field2 << r->region << r->city << r->field4 << r->field5;
    }

private slots:
    // The table's worked example; a second load appends its lines, each indexed once.
    void tableWorkedExample()
    {
        Table t;
        t.load(write("e1  f1  Europe/Paris  g1  h1\n"
                     "e2  f2  Asia/Seoul  g2  h2\n"
                     "e3    f3  America/Argentina/Buenos_Aires\n"
                     "e4  f4  Asia/Tokyo  g4  h4  i4\n"
                     "e5  f5  Asia/Bangkok  g5  h5\n"));
        QCOMPARE(fields(t.records[2]), QStringList({"e3", "f3", "America", "Argentina/Buenos_Aires", "", ""}));
        QCOMPARE(fields(t.records[3]), QStringList({"e4", "f4", "Asia", "Tokyo", "g4", "h4"}));
        QCOMPARE(t.regions, QList<QString>({"America", "Asia", "Europe"}));
        QList<int> asia = t.index.values("Asia");
        std::sort(asia.begin(), asia.end());
        QCOMPARE(asia, QList<int>({1, 3, 4}));
        QCOMPARE(t.cities("Asia"), QList<QString>({"Bangkok", "Seoul", "Tokyo"}));

        t.load(write("\nx  y  Zulu/Z\r\nx  y  asia/lower\rx  y  Europe/Paris"));
        QCOMPARE(t.records.size(), 9);
        QCOMPARE(t.index.size(), 9);
        QCOMPARE(t.index.values("Europe").size(), 2);
        QVERIFY(t.index.values("Europe").contains(8));
        QCOMPARE(t.regions, QList<QString>({"", "America", "Asia", "Europe", "Zulu", "asia"}));
        QCOMPARE(t.cities("Europe"), QList<QString>({"Paris", "Paris"}));
        QCOMPARE(t.cities(""), QList<QString>({""}));
        QCOMPARE(t.cities("Africa"), QList<QString>());
    }

    void tableLineFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three spaces") << "a   b   Europe/Rome" << QStringList({"a", "b", "Europe", "Rome", "", ""});
        QTest::newRow("a tab is no separator") << "a\tb  Europe/Rome  x" << QStringList({"a\tb", "Europe/Rome", "x", "", "", ""});
        QTest::newRow("single spaces stay") << "a b  c  Asia/Ho Chi Minh  d" << QStringList({"a b", "c", "Asia", "Ho Chi Minh", "d", ""});
        QTest::newRow("blanks around") << " \t a  b  Asia/Seoul \t " << QStringList({"a", "b", "Asia", "Seoul", "", ""});
        QTest::newRow("no slash") << "a  b  UTC" << QStringList({"a", "b", "UTC", "", "", ""});
        QTest::newRow("two fields") << "a  b" << QStringList({"a", "b", "", "", "", ""});
        QTest::newRow("blanks only") << " \t   " << QStringList({"", "", "", "", "", ""});
    }

    void tableLineFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QScopedPointer<TimeZoneData> record(TimeZoneData::fromLine(line));
        QCOMPARE(fields(record.data()), expected);
    }

    void tableLineEndsAndEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QString> >("europe");
        const QList<QString> both({"Paris", QString::fromUtf8("Zürich")});
        QTest::newRow("LF") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\nFR  x  Europe/Paris\n") << both;
        QTest::newRow("CR") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\rFR  x  Europe/Paris\r") << both;
        QTest::newRow("CRLF, no final line end") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\r\nFR  x  Europe/Paris") << both;
        QTest::newRow("Latin-1") << QByteArray("CH  x  Europe/Z\xfcrich\r\nFR  x  Europe/Paris\r\n") << both;
        QTest::newRow("Latin-1 and UTF-8 lines") << QByteArray("CH  x  Europe/Z\xfcrich\rCH  x  Europe/Gen\xc3\xa8ve\r")
                                                 << QList<QString>({QString::fromUtf8("Genève"), QString::fromUtf8("Zürich")});
        QTest::newRow("Latin-1 cut like UTF-8 at the end") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\nFR  x  Europe/Par\xe9")
                                                           << QList<QString>({QString::fromUtf8("Paré"), QString::fromUtf8("Zürich")});
    }

    void tableLineEndsAndEncodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QString>, europe);
        Table t;
        t.load(write(content));
        QCOMPARE(t.records.size(), 2);
        QCOMPARE(t.cities("Europe"), europe);
    }

    void tableAtItsLimits()
    {
        QByteArray line(TimeZoneData::MaxTableSize, 'a');  // one line as long as the cap allows
        for (int i = 0; i < line.size(); i += 1000)
            line[i] = ' ';
        line.replace(0, 20, "k  c  Europe/Paris  ");
        Table t;
        t.load(write(line));
        QCOMPARE(t.records.size(), 1);
        QCOMPARE(t.regions, QList<QString>({"Europe"}));

        qputenv("PHONE_TIMEZONE_TAB", "/tmp/elsewhere.tab");
        QCOMPARE(TimeZoneData::tablePath(), QString("/tmp/elsewhere.tab"));
        phoneUnsetEnv("PHONE_TIMEZONE_TAB");
        QCOMPARE(TimeZoneData::tablePath(), QString("/etc/configs/phone/timezone.tab"));
    }

    // Only regular files within the size caps are read (and replaced); anything else reads as
    // missing, with the reason, without blocking on a FIFO or reading a device.
    void specialPathsReadAsMissing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tableReason");  // empty: silently missing, or read
        QTest::addColumn<QString>("iniReason");
        const QString special("not a regular file");
        QTest::newRow("missing") << m_dir.filePath("absent") << "" << "";
        QTest::newRow("directory") << m_dir.path() << special << special;
        QTest::newRow("FIFO") << m_dir.filePath("fifo") << special << special;
        QTest::newRow("device") << "/dev/zero" << special << special;
        QTest::newRow("over both caps") << write(QByteArray(IniFile::MaxSize + 1, '\n'))
                                        << "larger than 1048576 bytes" << "larger than 4194304 bytes";
        QTest::newRow("over the table's cap") << write(QByteArray(TimeZoneData::MaxTableSize + 1, '\n'))
                                              << "larger than 1048576 bytes" << "";
    }

    void specialPathsReadAsMissing()
    {
        QFETCH(QString, path);
        QFETCH(QString, tableReason);
        QFETCH(QString, iniReason);
        FifoGuard fifo(m_dir.filePath("fifo"));
        QVERIFY(fifo.created());
        Table t;
        MessageCapture capture;
        t.load(path);
        QVERIFY(t.records.isEmpty() && t.index.isEmpty() && t.regions.isEmpty());
        QCOMPARE(capture.lines(), tableReason.isEmpty() ? QStringList()
                 : QStringList(QString("TimeZoneData::load unreadable: \"%1\" \"%2\"").arg(path, tableReason)));
        IniFile ini(path);
        QCOMPARE(ini.value("k", "none"), QVariant("none"));
        QCOMPARE(ini.errorString(), iniReason);
        QCOMPARE(IniFile(path).setValue("k", 1), iniReason.isEmpty());
        QVERIFY(!fifo.opened());
    }

    // The host stand-in applies the zone stored for the mode to the whole process; a file that is not a
    // regular one or a name that is not a zone's applies nothing, with one line.
    void hostAppliesOnlyZoneNames_data()
    {
        QTest::addColumn<QByteArray>("conf");      // "fifo" or a device: what stands at the path
        QTest::addColumn<QString>("applied");      // empty: the process keeps its zone
        QTest::addColumn<QString>("diagnostic");   // %1: the file's path
        const QByteArray g("[NTP_Serv]\nUser_TimeZone=Europe/Paris\nZoneInfo=Asia/Tokyo\n");
        QTest::newRow("user mode") << g + "User_Set=1\n" << "Europe/Paris" << "";
        QTest::newRow("default mode") << g + "User_Set=0\n" << "Asia/Tokyo" << "";
        QTest::newRow("no mode key") << g << "Asia/Tokyo" << "";
        QTest::newRow("user mode, no user zone") << QByteArray("[NTP_Serv]\nUser_Set=1\nZoneInfo=America/New_York\n")
                                                 << "America/New_York" << "";
        QTest::newRow("no file") << QByteArray() << "" << "";
        QTest::newRow("no directory named") << QByteArray("no directory") << "" << "";
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage[[[\n=\n") << "" << "";
        QTest::newRow("FIFO") << QByteArray("fifo") << "" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        QTest::newRow("device") << QByteArray("/dev/zero") << "" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        for (const char* zone : {"../../../tmp/zone", "/etc/localtime", ":Europe/Paris", "Europe/../Asia", "Europe//Paris",
                                 "Europe/Paris/", "Europe/Par\x01is", "Europe/Pa\\tris", "-Europe", "Europe/ Paris", "9Asia/X"})
            QTest::newRow(zone) << QByteArray("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=") + zone + "\n" << ""
                                << QString("Core::setTimeZoneFromConfig refused zone: \"%1\"")
                                       .arg(QString::fromLatin1(zone).replace("\x01", "\\u0001"));
        QTest::newRow("letters, digits, _ - +") << QByteArray("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Etc/GMT-1x_y+z\n")
                                                << "Etc/GMT-1x_y+z" << "";
    }

    void hostAppliesOnlyZoneNames()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QString, applied);
        QFETCH(QString, diagnostic);
        TestHost host;
        const QString path = host.path("phone_info.conf");
        QScopedPointer<FifoGuard> fifo(conf == "fifo" ? new FifoGuard(path) : 0);
        if (conf == "no directory")
            host.core()->setConfigDir(QString());
        else if (conf.startsWith("/dev"))
            QVERIFY(QFile::link(conf, path));
        else if (!conf.isNull() && !fifo)
            host.writeFile("phone_info.conf", conf);
        qputenv("TZ", "Asia/Seoul");
        tzset();
        QSignalSpy spy(host.core(), SIGNAL(timeZoneApplied(QString)));
        MessageCapture capture;
        host.core()->setTimeZoneFromConfig();
        QCOMPARE(capture.lines(), diagnostic.isEmpty() ? QStringList() : QStringList(diagnostic.replace("%1", path)));
        QCOMPARE(spy.count(), applied.isEmpty() ? 0 : 1);
        QCOMPARE(host.core()->appliedTimeZone(), applied);
        QCOMPARE(QString::fromLocal8Bit(qgetenv("TZ")), applied.isEmpty() ? QString("Asia/Seoul") : applied);
        QVERIFY(!fifo || !fifo->opened());
        // The process's clocks follow the zone.
        if (applied == "Europe/Paris") {
            const QDateTime utc(QDate(2026, 12, 6), QTime(1, 18), Qt::UTC);
            QCOMPARE(utc.toLocalTime().time(), QTime(2, 18));
        }
    }

    // Every key reads as a new QSettings reads it; writing one changes how it reads to what
    // QSettings' own encoding gives, leaves every other key as it reads, and changes no byte
    // outside that key's line (or adds the line).
    void iniAgainstQSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("other programs' keys")
            << QByteArray("; comment\n[SIP]\nPassword=p@ss;word#1\nPath=C:\\phone\\ring.wav\nKey With Space=yes\n"
                          "Key%20With%20Space=escaped\nCodecs=G711U,G711A,G722\nUtf8=M\xc3\xbcller\n# hash\n\n");
        QTest::newRow("byte order mark, quotes, continued lines, CRLF")
            << QByteArray("\xef\xbb\xbfTop=1\r\n[G]\r\nQ=\"a, b\" ; c\r\nL=x\\\r\n  y\r\nU=M\xc3\xbcller\r\nS=  \"  \" \r\n");
        QTest::newRow("groups spelt differently, duplicates")
            << QByteArray("A=root\n[General]\nA=general\n[%47roup]\nk=1\n[Group]\nk=2\nk=3\n[ Group ]\nk\\\\sub=3\n[%General]\nx=y\n");
        QTest::newRow("typed values, escapes")
            << QByteArray("[T]\nB=@ByteArray(ab)\nR=@Rect(1 2 3 4)\nZ=@Size(5 6)\nP=@Point(7 8)\nI=@Invalid()\nE=@@at\n"
                          "L=@@a, b\nX=\\x41\\102\\0\\x\nC=\\a\\b\\f\\n\\r\\t\\v\\\"\\\\\\q\\\nN=\"\\x4g\"\n");
        QTest::newRow("CR only, no final line end") << QByteArray("[A]\rk=v\r\r[B]\r; c\rk=\"w\"");
        QTest::newRow("a header right after the byte order mark, General after a group")
            << QByteArray("\xef\xbb\xbf[NTP_Serv]\nUser_Set=1\n[S]\nk=1\n[General]\ng=2\n");
        QTest::newRow("escaped names, odd lines")
            << QByteArray("[Ring%20Tones]\nTone%201=a\n%U00FCber=b\nk%3Dx=c\n=novalue\nnovalue\nk = spaced ; tail\n  indented=1\n[]\ne=\n");
    }

    void iniAgainstQSettings()
    {
        QFETCH(QByteArray, content);
        QSettings before(write(content), QSettings::IniFormat);
        const QStringList keys = before.allKeys();
        const QList<QVariant> values({QString("x;y, \"z\"\\ "), 42, QStringList({"a", "b, c"}), true, QByteArray("\0\xff", 2),
                                      QRect(1, 2, 3, 4), QString::fromUtf8("M\xc3\xbcller\t\n@"), QVariant(), -0.5, QStringList()});
        int n = 0;
        for (const QString& key : keys + QStringList({"G/absent", "New Group/New Key", "top", "Zone/timezone", QString::fromUtf8("G/\xe3\x81\x82\xed\x95\x9c")})) {
            if (IniDocument::normalizedKey(key) != key)
                continue;  // QSettings looks such a key up under another name
            QCOMPARE(IniFile::valueIn(content, key, "none"), before.value(key, "none"));
            const QVariant value = values.at(n++ % values.size());
            QSettings own(write(""), QSettings::IniFormat);
            own.setValue(key, value);
            own.sync();
            QByteArray alone;
            QVERIFY(IniFile::setValueIn(alone, key, value));
            QVERIFY2(read(own.fileName()) == alone || read(own.fileName()) == "[General]\n" + alone, alone.constData());

            QByteArray after = content;
            QVERIFY2(IniFile::setValueIn(after, key, value), qPrintable(key));
            QSettings now(write(after), QSettings::IniFormat);
            QCOMPARE(now.value(key), QSettings(write(alone), QSettings::IniFormat).value(key));
            QStringList others = now.allKeys();
            QStringList kept = keys;
            others.removeAll(key);
            kept.removeAll(key);
            QCOMPARE(others, kept);
            for (const QString& other : others)
                QCOMPARE(now.value(other), before.value(other));
            int prefix = 0;
            while (prefix < content.size() && prefix < after.size() && content.at(prefix) == after.at(prefix))
                ++prefix;
            int suffix = 0;
            while (suffix < content.size() - prefix && suffix < after.size() - prefix && content.at(content.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
                ++suffix;
            const IniDocument document(content);   // the entry lives in it
            const IniDocument::Entry* old = document.find(key);
            QVERIFY2(old ? prefix > old->equals && content.size() - suffix <= old->end : content.size() - suffix == prefix,
                     qPrintable(key));
        }
    }

    // What a write looks like, to the byte.
    void iniWritesOnlyTheKeysLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("after");  // null: refused, the file as it was
        const QByteArray conf("; c\r\n[SIP]\r\nPassword=p@ss;word#1\r\n[NTP_Serv]\r\nUser_Set=0 ; mode\r\nZoneInfo=Asia/Seoul");
        QTest::newRow("replaced, CRLF and comment kept") << conf << "NTP_Serv/User_Set" << QVariant(1)
            << QByteArray(conf).replace("User_Set=0 ", "User_Set=1 ");
        QTest::newRow("added to a group, no final line end") << conf << "NTP_Serv/User_TimeZone" << QVariant("Europe/Paris")
            << conf + "\r\nUser_TimeZone=Europe/Paris";
        QTest::newRow("a group added") << QByteArray("[A]\nk=v\n") << "Ring Tones/Tone 1" << QVariant("x;y, \"z\"")
            << QByteArray("[A]\nk=v\n\n[Ring%20Tones]\nTone%201=\"x;y, \\\"z\\\"\"\n");
        QTest::newRow("a group after a last line without its end") << QByteArray("[A]\nk=v") << "B/x" << QVariant(1)
            << QByteArray("[A]\nk=v\n\n[B]\nx=1");
        QTest::newRow("into an empty first group") << QByteArray("[G]\n") << "G/k" << QVariant(1) << QByteArray("[G]\nk=1\n");
        QTest::newRow("a shorter value, lines after it") << QByteArray("[G]\nk=Europe/Amsterdam\nz=1\n") << "G/k" << QVariant("Asia/Seoul")
            << QByteArray("[G]\nk=Asia/Seoul\nz=1\n");
        QTest::newRow("a shorter value at the very end") << QByteArray("[G]\nk=Asia/Seoul") << "G/k" << QVariant("Asia")
            << QByteArray("[G]\nk=Asia");
        QTest::newRow("outside any group") << QByteArray("top=1\n[G]\nk=v\n") << "other" << QVariant(true)
            << QByteArray("top=1\nother=true\n[G]\nk=v\n");
        QTest::newRow("an open quote would swallow the line") << QByteArray("[G]\nk=\"open\n") << "G/new"
            << QVariant("x") << QByteArray();
    }

    void iniWritesOnlyTheKeysLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, after);
        const QString path = write(before);
        IniFile file(path);
        QCOMPARE(file.setValue(key, value), !after.isNull());
        QCOMPARE(read(path), after.isNull() ? before : after);
        QCOMPARE(file.errorString(), after.isNull() ? QString("the key cannot be written without changing others") : QString());
    }

    // A link (relative to its own directory) stays a link; the file keeps its mode and owner and
    // is writable through its group's bit too; its time moves to a later second, so that this
    // process's QSettings sees the new value at once (Qt 4 compares whole seconds) also when
    // the size stays. A save failing partway (a file-size limit between the old and the new
    // size, as a full disk) leaves the file to the byte, and no temporary.
    void iniReplaceKeepsLinkAndMode()
    {
        const QString target = write("[G]\nK=Asia/Seoul\n" + QByteArray(300, ';') + "\n");
        const QByteArray name = QFile::encodeName(target);
        // Each hop of a chain of links from the directory of its link.
        const QString link = m_dir.filePath("sub/link.conf"), hop = m_dir.filePath("hop.conf");
        QVERIFY(QDir(m_dir.path()).mkdir("sub") && QFile::link("../hop.conf", link) && QFile::link(QFileInfo(target).fileName(), hop));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::WriteGroup));
        const bool root = geteuid() == 0;   // only root may give a file away
        QVERIFY(!root || chown(name.constData(), 1234, 1234) == 0);
        for (const char* zone : {"Asia/Tokyo", "Asia/Seoul", "Asia/Dubai"}) {
            struct stat before, after;
            QVERIFY(stat(name.constData(), &before) == 0 && IniFile(link).setValue("G/K", zone));
            QVERIFY(stat(name.constData(), &after) == 0 && after.st_mtime > before.st_mtime);
            QCOMPARE(QSettings(link, QSettings::IniFormat).value("G/K").toString(), QString(zone));
        }
        QVERIFY(QFileInfo(link).isSymLink() && QFileInfo(hop).isSymLink());
        QCOMPARE(QFileInfo(target).permissions() & 0x7077, QFile::ReadOwner | QFile::ReadGroup | QFile::WriteGroup);
        QVERIFY(!root || (QFileInfo(target).ownerId() == 1234 && QFileInfo(target).groupId() == 1234));
        const QByteArray saved = read(target);
        struct rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t unlimited = limit.rlim_cur;
        void (*handler)(int) = signal(SIGXFSZ, SIG_IGN);
        QStringList errors;   // room for a lock file but not the new file; for no lock file
        for (rlim_t room : {rlim_t(saved.size() + 4), rlim_t(16)}) {
            limit.rlim_cur = room;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            IniFile full(link);
            errors << (full.setValue("G/K", "America/Argentina/Buenos_Aires") ? "written" : full.errorString());
            limit.rlim_cur = unlimited;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        signal(SIGXFSZ, handler);
        QCOMPARE(errors, QStringList({"cannot write: File too large", SettingsPeer::locksWithLockFile() ? "cannot create the lock file" : "cannot write: File too large"}));
        QCOMPARE(read(target), saved);
        QCOMPARE(QDir(m_dir.path()).entryList(QStringList("*.tmp-*"), QDir::Hidden | QDir::Files), QStringList());
        QVERIFY(!IniFile("").setValue("G/K", 1));
        // A refused save of a missing file leaves no file, and no lock.
        const QString never = m_dir.filePath("never.conf");
        QVERIFY(!IniFile(never).setValue("", 1) && !QFile::exists(never) && !QFile::exists(never + ".lock"));
        // Only the temporaries of this file's writers that are gone go: not this process's, not
        // init's, not another file's.
        const QString fresh = m_dir.filePath("new.conf");
        QStringList temporaries;
        for (const char* name : {".new.conf.tmp-999999-1", ".new.conf.tmp-%1-1", ".new.conf.tmp-1-1", ".old.conf.tmp-999999-1"}) {
            temporaries << m_dir.filePath(QString(name).arg(getpid()));
            QVERIFY(QFile(temporaries.last()).open(QIODevice::WriteOnly));
        }
        QString error;
        QByteArray status;
        QVERIFY(RegularFile::replace(fresh, "x", &error) && read(fresh) == "x");
        QCOMPARE(QDir(m_dir.path()).entryList(QStringList("*.tmp-*"), QDir::Hidden | QDir::Files), QStringList({".new.conf.tmp-1-1", temporaries[1].section('/', -1), ".old.conf.tmp-999999-1"}));
        QCOMPARE(QFileInfo(fresh).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner), QFile::ReadOwner | QFile::WriteOwner);
        // A file that grows past what its size said (proc files say 0) is read to its end, or to the cap.
        QVERIFY(RegularFile::read("/proc/self/status", 1 << 20, &status, &error) == RegularFile::Read && status.endsWith('\n') && status.size() > 200);
        QVERIFY(RegularFile::read("/proc/self/status", 200, &status, &error) == RegularFile::Refused && error == "larger than 200 bytes" && status.isEmpty());
    }

    // Any write bit makes a file writable for root, whom access() lets write anything; for
    // another user only the bits access() gives him. Files without one are never written.
    void writableByModeBits_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("byRoot");
        QTest::addColumn<bool>("byOther");
        QTest::newRow("the owner's bit") << 0644 << true << false;
        QTest::newRow("the group's bit") << 0464 << true << false;
        QTest::newRow("the others' bit") << 0446 << true << true;
        QTest::newRow("none") << 0444 << false << false;
    }

    void writableByModeBits()
    {
        QFETCH(int, mode);
        QFETCH(bool, byRoot);
        QFETCH(bool, byOther);
        if (geteuid() != 0)
            PHONE_SKIP("checked as root and as the user nobody: needs root");
        TestDir dir;
        const QString path = dir.filePath("conf");
        QFile(path).open(QIODevice::WriteOnly);
        QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0 && chmod(QFile::encodeName(path).constData(), mode) == 0);
        QString error;
        QCOMPARE(RegularFile::isWritableFile(path, &error), byRoot);
        const pid_t child = fork();
        if (child == 0)
            _exit(setgid(65534) || setuid(65534) ? 4 : RegularFile::isWritableFile(path, &error) + 2 * RegularFile::replace(path, "[G]\nk=1\n", &error));
        int status = -1;
        QVERIFY(child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 3 * byOther);
    }

    // A save flushes what it wrote before anyone may read it as done: Qt 5 the new file before
    // the rename and the directory after it; Qt 4.8 the bytes written in place, and a shorter
    // file once more before it is cut. A flush that fails fails the save, the file as it was; an
    // interrupted write goes on; a kill at the first flush leaves the old file (Qt 5) or the new
    // one padded with line ends (Qt 4).
    void savesFlushInOrder_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("fail");
        QTest::addColumn<QString>("output");   // the writer's lines: result, then its calls
        QTest::addColumn<QByteArray>("after");
        const bool qt5 = SettingsPeer::locksWithLockFile();
        const QString replaced("fsync(file) rename fsync(dir)");
        const QByteArray saved("[G]\nk0=v\n");
        QTest::newRow("the same length") << QByteArray("[G]\nk0=x\n") << "" << "failed 0\n" + (qt5 ? replaced : "fsync(file)") << saved;
        QTest::newRow("shorter") << QByteArray("[G]\nk0=xyz\n") << "" << "failed 0\n" + (qt5 ? replaced : "fsync(file) fsync(file)") << saved;
        QTest::newRow("the flush fails") << QByteArray("[G]\nk0=x\n") << "PHONE_PEER_FAIL=fsync"
            << "failed 1: cannot flush: Input/output error\n" + QString(qt5 ? "fsync(file)" : "fsync(file) fsync(file)") << QByteArray("[G]\nk0=x\n");
        QTest::newRow("a write interrupted") << QByteArray("[G]\nk0=x\n") << "PHONE_PEER_FAIL=pwrite"
            << "failed 0\n" + (qt5 ? replaced : "fsync(file)") << saved;
        QTest::newRow("killed at the first flush") << QByteArray("[G]\nk0=xyz") << "PHONE_PEER_FAIL=kill" << ""
            << QByteArray(qt5 ? "[G]\nk0=xyz" : "[G]\nk0=v\n\n");
        // Qt 4.8 writes in place: no temporary to close, and its time is moved on a best effort.
        QTest::newRow("the time cannot move") << QByteArray("[G]\nk0=x\n") << "PHONE_PEER_FAIL=futimens"
            << (qt5 ? "failed 1: cannot set the modification time: Input/output error" : "failed 0\nfsync(file)") << (qt5 ? QByteArray("[G]\nk0=x\n") : saved);
        QTest::newRow("the temporary's close fails") << QByteArray("[G]\nk0=x\n") << "PHONE_PEER_FAIL=close"
            << (qt5 ? "failed 1: cannot write: Input/output error\nfsync(file)" : "failed 0\nfsync(file)") << (qt5 ? QByteArray("[G]\nk0=x\n") : saved);
        // A file the save made goes again when the lock never comes.
        QTest::newRow("no lock on a new file") << QByteArray() << "PHONE_PEER_FAIL=lock"
            << (qt5 ? "failed 0\n" + replaced : "failed 1: locked by another writer for over 3000 ms") << (qt5 ? saved : QByteArray("<missing>"));
    }

    void savesFlushInOrder()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, fail);
        QFETCH(QString, output);
        QFETCH(QByteArray, after);
        const QString path = before.isNull() ? m_dir.filePath("unlocked.conf") : write(before);
        // The old file's time ahead of the clock: the new one's must be moved past it.
        struct utimbuf ahead = {time(0) + 100, time(0) + 100};
        QVERIFY(before.isNull() || utime(QFile::encodeName(path).constData(), &ahead) == 0);
        SettingsPeer writer;
        writer.start(QStringList() << "inifile" << path << "G" << "1" << "1", QStringList() << "PHONE_PEER_TRACE=1" << fail);
        QCOMPARE(writer.finish(), output);
        QCOMPARE(read(path), after);
        // A killed writer's temporary goes with the next save.
        QVERIFY(IniFile(path).setValue("G/k1", 1));
        QCOMPARE(QDir(m_dir.path()).entryList(QStringList("." + QFileInfo(path).fileName() + ".tmp-*"), QDir::Hidden | QDir::Files), QStringList());
    }

    // Programs saving distinct keys into one file at the same moment, through QSettings and
    // through IniFile, while this process saves the page's mode and another reads through
    // QSettings: every key ends at its last value, the keys that were there stay, and the
    // reader never sees a file without them.
    void writersOfBothKindsLoseNothing()
    {
        QByteArray seed("; provisioning\n");
        QStringList seeded;
        for (int group = 0; group < 6; ++group) {
            seed += QString("[Other%1]\n").arg(group).toLatin1();
            for (int key = 0; key < 10; ++key) {
                seed += QString("key%1=value%1\n").arg(key).toLatin1();
                seeded << QString("Other%1/key%2").arg(group).arg(key);
            }
        }
        const char* const kinds[] = {"qsettings", "qsettings", "inifile", "inifile"};
        const int keys = 5, rounds = 3;
        for (int run = 0; run < 3; ++run) {
            const QString path = write(seed), stop = path + ".stop";
            SettingsPeer reader, writers[4];
            reader.start(QStringList() << "reader" << path << stop << seeded);
            for (int w = 0; w < 4; ++w)
                writers[w].start(QStringList() << kinds[w] << path << QString("W%1").arg(w) << QString::number(keys) << QString::number(rounds));
            for (int i = 0; i < 2 * rounds; ++i)
                QVERIFY(IniFile(path).setValue("NTP_Serv/User_Set", i % 2));
            for (int w = 0; w < 4; ++w)
                QCOMPARE(writers[w].finish(), QString("failed 0"));
            QVERIFY(QFile(stop).open(QIODevice::WriteOnly));
            const QString reads = reader.finish();
            QVERIFY2(reads.startsWith("reads ") && reads.endsWith(" partial 0"), qPrintable(reads));
            const QSettings after(path, QSettings::IniFormat);
            for (const QString& key : seeded)
                QCOMPARE(after.value(key).toString(), "value" + key.section("key", 1));
            for (int w = 0; w < 4; ++w)
                for (int key = 0; key < keys; ++key)
                    QCOMPARE(after.value(QString("W%1/k%2").arg(w).arg(key)).toString(), QString(rounds, 'v'));
            QCOMPARE(after.value("NTP_Serv/User_Set").toInt(), 1);
        }
    }

    // A writer holding the lock too long fails the save after the bound, nothing written; once it
    // is killed, its lock goes with it (Qt 4) or is stale (Qt 5: its process is gone). A lock
    // file of another host is stale only once 30 s old, as QSettings takes it.
    void aLockHeldTooLongFailsTheSave()
    {
        const QString path = write("[G]\nk=1\n"), link = path + ".link";
        SettingsPeer holder;
        // Through a link, as QSettings names the lock: after the name it is given.
        QVERIFY(QFile::link(path, link) && holder.hold(link));
        IniFile file(link);
        QVERIFY(!file.setValue("G/k", 2));
        QCOMPARE(file.errorString(), QString("locked by another writer for over 3000 ms"));
        QCOMPARE(read(path), QByteArray("[G]\nk=1\n"));
        // Qt 4's readers wait for the writer too, then read and say so; Qt 5's take no lock.
        IniFile reader(path);
        QCOMPARE(reader.value("G/k").toInt(), 1);
        QCOMPARE(reader.errorString(), SettingsPeer::locksWithLockFile() ? QString() : QString("read while locked by another writer for over 3000 ms"));
        holder.kill();
        QVERIFY2(file.setValue("G/k", 3), qPrintable(file.errorString()));
        QCOMPARE(read(path), QByteArray("[G]\nk=3\n"));
        if (!SettingsPeer::locksWithLockFile()) {
            // Qt 4 locks the file itself: one put in the place of the file waited on is the one
            // written. A child replaces it once the save has it open, then ends the holder.
            const QString other = write("[G]\nother=1\n");
            QVERIFY(holder.hold(path));
            const QByteArray fd = "/proc/" + QByteArray::number(getpid()) + "/fd/", name = QFile::encodeName(path);
            const pid_t child = fork(), held = pid_t(holder.pid());
            for (bool waiting = child == 0; waiting;) {
                for (int i = 0; i < 64 && waiting; ++i) {
                    char seen[4096] = "";
                    waiting = readlink((fd + QByteArray::number(i)).constData(), seen, sizeof seen - 1) < 0 || name != seen;
                }
                if (!waiting)
                    _exit(rename(QFile::encodeName(other).constData(), name.constData()) == 0 && kill(held, SIGKILL) == 0 ? 0 : 1);
            }
            QVERIFY2(file.setValue("G/k", 6), qPrintable(file.errorString()));
            int status = -1;
            QVERIFY(waitpid(child, &status, 0) == child && status == 0);
            QCOMPARE(read(path), QByteArray("[G]\nother=1\nk=6\n"));
            return;
        }
        QFile lock(path + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("1\nsettings_peer\nanother-host\n") > 0);
        lock.close();
        QVERIFY(!IniFile(path).setValue("G/k", 4));
        struct utimbuf old = {time(0) - 31, time(0) - 31};
        QCOMPARE(utime(QFile::encodeName(lock.fileName()).constData(), &old), 0);
        QVERIFY(IniFile(path).setValue("G/k", 5));
        QVERIFY(!lock.exists());
        QCOMPARE(read(path), QByteArray("[G]\nk=5\n"));
    }
};

PHONE_TEST_GUILESS_MAIN(DataFilesTest)
#include "tst_data_files.moc"
