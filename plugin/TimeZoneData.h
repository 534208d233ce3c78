#ifndef TIMEZONEDATA_H
#define TIMEZONEDATA_H

#include <QList>
#include <QMap>
#include <QString>

// One line of the phone's time-zone table. Fields are separated by two or more spaces; the
// third field is the zone, split at its first "/" into region and city.
class TimeZoneData
{
public:
    QString field1;
    QString field2;
    QString region;
    QString city;
    QString field4;
    QString field5;

    // Fills a new record from one line (without its line end). Never fails: missing fields
    // stay empty. A zone without "/" is all region, with an empty city.
    static TimeZoneData* fromLine(const QString& line);
    static TimeZoneData* fromLine(const QStringRef& line);

    // The table the page reads: $PHONE_TIMEZONE_TAB when set, else the phone's own file.
    static QString tablePath();

    // 1 MiB: the phone's table has about 420 lines in 19 KB.
    static const int MaxTableSize = 1024 * 1024;

    // Reads the table at path and adds it as parse() does. Only a regular file (or a link
    // to one) of at most MaxTableSize bytes is read: anything else adds nothing and writes
    // one diagnostic line; a missing file adds nothing, silently.
    static void load(const QString& path, QList<TimeZoneData*>& records,
                     QMap<QString, int>& regionIndex, QList<QString>& regions);

    // Appends one new record per line to records (the caller owns them) and one (region,
    // index) entry per new record to the multi-map regionIndex; regions becomes the distinct
    // regions of its earlier entries and the new records, ascending. Earlier records and
    // entries are left as they are, so loading a table twice holds each line twice, each
    // indexed once. Lines end at LF, CR or CRLF; a line that is not valid UTF-8 is Latin-1.
    static void parse(const QByteArray& content, QList<TimeZoneData*>& records,
                      QMap<QString, int>& regionIndex, QList<QString>& regions);

    // The cities of one region in ascending order, looked up through the multi-map.
    static QList<QString> cities(const QString& region, const QList<TimeZoneData*>& records,
                                 const QMap<QString, int>& regionIndex);
};

#endif
