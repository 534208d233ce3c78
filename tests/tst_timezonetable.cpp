// The time-zone table: the line rule, the region index and the per-region city lists.
#include "FifoGuard.h"
#include "MessageCapture.h"
#include "TestDir.h"
#include "TestWait.h"
#include "TimeZoneData.h"

#include <QTest>

class TimeZoneTableTest : public QObject
{
    Q_OBJECT

    struct Table {
        QList<TimeZoneData*> records;
        QMap<QString, int> index;
        QList<QString> regions;
        ~Table() { qDeleteAll(records); }
        QList<QString> cities(const QString& region) const
        {
            return TimeZoneData::cities(region, records, index);
        }
    };

    TestDir m_dir;

    QString write(const QByteArray& content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QString("table%1.tab").arg(++n));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }

    static QStringList fields(const TimeZoneData* r)
    {
        return QStringList() << r->field1 << r->field2 << r->region << r->city << r->field4 << r->field5;
    }

private slots:
    void workedExample()
    {
        Table t;
        TimeZoneData::load(write("e1  f1  Europe/Paris  g1  h1\n"
                                 "e2  f2  Asia/Seoul  g2  h2\r\n"
                                 "e3    f3  America/Argentina/Buenos_Aires\n"
                                 "e4  f4  Asia/Tokyo  g4  h4  i4\n"
                                 "e5  f5  Asia/Bangkok  g5  h5\n"),
                           t.records, t.index, t.regions);
        QCOMPARE(t.records.size(), 5);
        QCOMPARE(fields(t.records[0]), QStringList({"e1", "f1", "Europe", "Paris", "g1", "h1"}));
        QCOMPARE(fields(t.records[1]), QStringList({"e2", "f2", "Asia", "Seoul", "g2", "h2"}));
        QCOMPARE(fields(t.records[2]), QStringList({"e3", "f3", "America", "Argentina/Buenos_Aires", "", ""}));
        QCOMPARE(fields(t.records[3]), QStringList({"e4", "f4", "Asia", "Tokyo", "g4", "h4"}));
        QCOMPARE(t.regions, QList<QString>({"America", "Asia", "Europe"}));
        QCOMPARE(t.index.values("America"), QList<int>({2}));
        QList<int> asia = t.index.values("Asia");
        std::sort(asia.begin(), asia.end());
        QCOMPARE(asia, QList<int>({1, 3, 4}));
        QCOMPARE(t.index.size(), 5);
        QCOMPARE(t.cities("Asia"), QList<QString>({"Bangkok", "Seoul", "Tokyo"}));
        QCOMPARE(t.cities("Europe"), QList<QString>({"Paris"}));
        QCOMPARE(t.cities("Africa"), QList<QString>());
    }

    void separators_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three spaces") << "a   b   Europe/Rome" << QStringList({"a", "b", "Europe", "Rome", "", ""});
        QTest::newRow("tab is no separator") << "a\tb  Europe/Rome  x" << QStringList({"a\tb", "Europe/Rome", "x", "", "", ""});
        QTest::newRow("single space stays") << "a b  c  Asia/Ho Chi Minh  d" << QStringList({"a b", "c", "Asia", "Ho Chi Minh", "d", ""});
        QTest::newRow("leading and trailing blanks") << "   a  b  Asia/Seoul   " << QStringList({"a", "b", "Asia", "Seoul", "", ""});
        QTest::newRow("two slashes") << "a  b  America/Indiana/Knox" << QStringList({"a", "b", "America", "Indiana/Knox", "", ""});
        QTest::newRow("no slash") << "a  b  UTC" << QStringList({"a", "b", "UTC", "", "", ""});
        QTest::newRow("only two fields") << "a  b" << QStringList({"a", "b", "", "", "", ""});
        QTest::newRow("empty line") << "" << QStringList({"", "", "", "", "", ""});
        QTest::newRow("white space only") << " \t   " << QStringList({"", "", "", "", "", ""});
    }

    void separators()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QScopedPointer<TimeZoneData> record(TimeZoneData::fromLine(line));
        QCOMPARE(fields(record.data()), expected);
    }

    void unfilteredLinesAndOrdering()
    {
        Table t;
        TimeZoneData::load(write("\n"
                                 "x  y  asia/lower\n"
                                 "x  y  Zulu/Z\n"
                                 "x  y  Europe/Paris\n"
                                 "x  y  Europe/Paris\n"
                                 "x  y\n"),
                           t.records, t.index, t.regions);
        QCOMPARE(t.records.size(), 6);
        // Empty region first, then upper case before lower case.
        QCOMPARE(t.regions, QList<QString>({"", "Europe", "Zulu", "asia"}));
        QCOMPARE(t.cities("Europe"), QList<QString>({"Paris", "Paris"}));
        QCOMPARE(t.cities(""), QList<QString>({"", ""}));
    }

    void lineEndsAndEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QString>>("europe");
        const QList<QString> both({"Paris", QString::fromUtf8("Zürich")});
        QTest::newRow("LF") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\nFR  x  Europe/Paris\n") << both;
        QTest::newRow("CR") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\rFR  x  Europe/Paris\r") << both;
        QTest::newRow("CRLF, no final line end") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\r\nFR  x  Europe/Paris") << both;
        QTest::newRow("Latin-1") << QByteArray("CH  x  Europe/Z\xfcrich\nFR  x  Europe/Paris\n") << both;
        QTest::newRow("Latin-1 and UTF-8 lines") << QByteArray("CH  x  Europe/Z\xfcrich\rCH  x  Europe/Gen\xc3\xa8ve\r")
                                                 << QList<QString>({QString::fromUtf8("Genève"), QString::fromUtf8("Zürich")});
        QTest::newRow("Latin-1 cut like UTF-8 at the end") << QByteArray("CH  x  Europe/Z\xc3\xbcrich\nFR  x  Europe/Par\xe9")
                                                           << QList<QString>({QString::fromUtf8("Paré"), QString::fromUtf8("Zürich")});
    }

    void lineEndsAndEncodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QString>, europe);
        Table t;
        TimeZoneData::load(write(content), t.records, t.index, t.regions);
        QCOMPARE(t.records.size(), 2);
        QCOMPARE(t.cities("Europe"), europe);
    }

    void loadAppendsAndIndexesOnce()
    {
        Table t;
        const QString path = write("KR  x  Asia/Seoul\nFR  x  Europe/Paris\n");
        TimeZoneData::load(path, t.records, t.index, t.regions);
        TimeZoneData::load(path, t.records, t.index, t.regions);
        QCOMPARE(t.records.size(), 4);
        QCOMPARE(t.index.size(), 4);
        QCOMPARE(t.regions, QList<QString>({"Asia", "Europe"}));
        QCOMPARE(t.cities("Asia"), QList<QString>({"Seoul", "Seoul"}));
        QCOMPARE(t.records.at(3)->city, QString("Paris"));
    }

    void unreadablePathsAreEmpty_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");  // empty: no diagnostic line
        QTest::newRow("missing") << m_dir.filePath("absent.tab") << "";
        QTest::newRow("directory") << m_dir.path() << "not a regular file";
        QTest::newRow("FIFO") << m_dir.filePath("fifo.tab") << "not a regular file";
        QTest::newRow("device") << "/dev/zero" << "not a regular file";
        QTest::newRow("larger than the cap") << write(QByteArray(TimeZoneData::MaxTableSize + 1, '\n'))
                                             << "larger than 1048576 bytes";
    }

    void unreadablePathsAreEmpty()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        FifoGuard fifo(m_dir.filePath("fifo.tab"));
        QVERIFY(fifo.created());
        Table t;
        MessageCapture capture;
        TimeZoneData::load(path, t.records, t.index, t.regions);
        QVERIFY(t.records.isEmpty() && t.index.isEmpty() && t.regions.isEmpty());
        QCOMPARE(capture.lines(), reason.isEmpty() ? QStringList()
                                                   : QStringList(QString("TimeZoneData::load unreadable: \"%1\" \"%2\"").arg(path, reason)));
        QVERIFY(!fifo.opened());
    }

    void garbageLoadsWithoutCrash()
    {
        QByteArray garbage;
        for (int i = 0; i < 70000; ++i)
            garbage.append(char((i * 7919) % 256));
        Table a;
        TimeZoneData::load(write(garbage), a.records, a.index, a.regions);
        QVERIFY(!a.records.isEmpty());

        Table c;  // one line as long as the cap allows
        QByteArray longLine(TimeZoneData::MaxTableSize, 'a');
        for (int i = 0; i < longLine.size(); i += 1000)
            longLine[i] = ' ';
        longLine.replace(0, 20, "k  c  Europe/Paris  ");
        TimeZoneData::load(write(longLine), c.records, c.index, c.regions);
        QCOMPARE(c.records.size(), 1);
        QCOMPARE(c.records[0]->region, QString("Europe"));
    }

    void ianaTable()
    {
        Table t;
        TimeZoneData::load(PHONE_IANA_TABLE, t.records, t.index, t.regions);
        QCOMPARE(t.records.size(), 418);
        QCOMPARE(t.regions, QList<QString>({"Africa", "America", "Antarctica", "Arctic", "Asia",
                                            "Atlantic", "Australia", "Europe", "Indian", "Pacific"}));
        int total = 0;
        for (const QString& region : t.regions)
            total += t.cities(region).size();
        QCOMPARE(total, 418);
        const QList<QString> america = t.cities("America");
        QCOMPARE(america.size(), 144);
        QVERIFY(america.contains("Argentina/Buenos_Aires"));
        QVERIFY(std::is_sorted(america.begin(), america.end()));
        QVERIFY(t.cities("Asia").contains("Seoul"));
        QVERIFY(t.cities("Europe").contains("Amsterdam"));
        for (const TimeZoneData* r : t.records) {
            QCOMPARE(r->field1.size(), 2);          // country code
            QVERIFY(!r->region.isEmpty() && !r->city.isEmpty());
        }
    }

    void tablePathOverride()
    {
        qputenv("PHONE_TIMEZONE_TAB", "/tmp/elsewhere.tab");
        QCOMPARE(TimeZoneData::tablePath(), QString("/tmp/elsewhere.tab"));
        phoneUnsetEnv("PHONE_TIMEZONE_TAB");
        QCOMPARE(TimeZoneData::tablePath(), QString("/etc/configs/phone/timezone.tab"));
    }
};

QTEST_GUILESS_MAIN(TimeZoneTableTest)
#include "tst_timezonetable.moc"
