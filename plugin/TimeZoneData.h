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

    // Reads the table at path, appending one record per line to records (the caller owns
    // them), one (region, index) entry per record to the multi-map regionIndex, and sets
    // regions to the distinct regions in ascending order. A missing file adds nothing.
    static void load(const QString& path, QList<TimeZoneData*>& records,
                     QMap<QString, int>& regionIndex, QList<QString>& regions);

    // The cities of one region in ascending order, looked up through the multi-map.
    static QList<QString> cities(const QString& region, const QList<TimeZoneData*>& records,
                                 const QMap<QString, int>& regionIndex);
};

#endif
