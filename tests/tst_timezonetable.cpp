// The time-zone table: the line rule, the region index and the per-region city lists.
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

    void missingFileIsEmpty()
    {
        Table t;
        TimeZoneData::load(m_dir.filePath("absent.tab"), t.records, t.index, t.regions);
        QVERIFY(t.records.isEmpty());
        QVERIFY(t.regions.isEmpty());
        QVERIFY(t.cities("Asia").isEmpty());
        TimeZoneData::load(m_dir.path(), t.records, t.index, t.regions);  // a directory
        QVERIFY(t.records.isEmpty());
    }

    void garbageLoadsWithoutCrash()
    {
        QByteArray garbage;
        for (int i = 0; i < 70000; ++i)
            garbage.append(char((i * 7919) % 256));
        Table a;
        TimeZoneData::load(write(garbage), a.records, a.index, a.regions);
        QVERIFY(!a.records.isEmpty());

        Table b;
        QByteArray invalidUtf8("\xff\xfe\xc3  \xc3\x28  Eu\xa0rope/P\xffris\n");
        TimeZoneData::load(write(invalidUtf8), b.records, b.index, b.regions);
        QCOMPARE(b.records.size(), 1);

        Table c;
        QByteArray longLine(10 * 1024 * 1024, 'a');
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
