// Reading and indexing the time-zone table, and one region's city list.
#include "TimeZoneData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TzDataBench : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_large;     // 18,000 lines: the IANA table plus synthetic regions
    QString m_repeated;  // the IANA table 48 times over: 20,064 lines of the same shape
    // (both under the reader's 1 MiB cap)

    struct Table {
        QList<TimeZoneData*> records;
        QMap<QString, int> index;
        QList<QString> regions;
        ~Table() { qDeleteAll(records); }
    };

private slots:
    void initTestCase()
    {
        QFile iana(PHONE_IANA_TABLE);
        QVERIFY(iana.open(QIODevice::ReadOnly));
        const QByteArray base = iana.readAll();
        QByteArray large = base;
        int lines = base.count('\n');
        for (int i = 0; lines < 18000; ++i, ++lines)
            large += QString("X%1  +0000+00000  Region%2/City_%3  comment %1\n")
                         .arg(i % 100).arg(i % 200).arg(i).toLatin1();
        m_large = m_dir.filePath("large.tab");
        QFile out(m_large);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(large);
        m_repeated = m_dir.filePath("repeated.tab");
        QFile repeated(m_repeated);
        QVERIFY(repeated.open(QIODevice::WriteOnly));
        for (int i = 0; i < 48; ++i)
            repeated.write(base);
    }

    void load_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("lines");
        QTest::newRow("IANA, 418 lines") << QString(PHONE_IANA_TABLE) << 418;
        QTest::newRow("IANA x48, 20064 lines") << m_repeated << 20064;
        QTest::newRow("synthetic, 18000 lines") << m_large << 18000;
    }

    void load()
    {
        QFETCH(QString, path);
        QFETCH(int, lines);
        QBENCHMARK {
            Table t;
            TimeZoneData::load(path, t.records, t.index, t.regions);
            if (t.records.size() != lines)
                QFAIL("wrong line count");
        }
    }

    void cityListOfAmerica_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("IANA, 418 lines") << QString(PHONE_IANA_TABLE);
        QTest::newRow("synthetic, 18000 lines") << m_large;
    }

    void cityListOfAmerica()
    {
        QFETCH(QString, path);
        Table t;
        TimeZoneData::load(path, t.records, t.index, t.regions);
        QList<QString> cities;
        QBENCHMARK {
            cities = TimeZoneData::cities("America", t.records, t.index);
        }
        QCOMPARE(cities.size(), 144);
    }
};

QTEST_GUILESS_MAIN(TzDataBench)
#include "bench_tzdata.moc"
